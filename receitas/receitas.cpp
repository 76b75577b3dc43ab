#include "receitas/receitas.h"

#include "frame/operation.h"
#include "frame/sql_literals.h"
#include "platform/conversions.h"

namespace zolk::receitas {

using frame::Operation;
using platform::DateTime;
using platform::Variant;
namespace result = frame::result;

namespace {

constexpr const char* NothingFound = "Nenhuma receita encontrada com as especificações informadas.";
constexpr const char* RelatedRows = "A receita não pode ser excluído porque existe:\r\n\r\nregistros relacionados a ele";

}  // namespace

clsReceitas::clsReceitas() : RecordClass("clsReceitas", NothingFound) {}

std::int16_t clsReceitas::Adicionar() {
    return run("Adicionar", [&](Operation& op) -> std::int16_t {
        if (auto code = op.openAndValidate(1, 9)) return *code;

        op.ponto(5);
        const DateTime now = op.updateTime();
        dataDeEmissao_ = frame::sql::issueDateText(now);

        // Each statement on its own: no transaction.
        op.ponto(6);
        op.execute(insertStatement(r_, dataDeEmissao_, stamp(now)));
        op.ponto(7);
        numeroGerado_ = platform::CDbl(op.executeScalar("SELECT @@Identity"));

        return op.done({8, 10});
    });
}

std::int16_t clsReceitas::Alterar() {
    return run("Alterar", [&](Operation& op) -> std::int16_t {
        if (auto code = op.openAndValidate(2, 8)) return *code;

        op.ponto(5);
        const DateTime now = op.updateTimeToTheSecond();

        op.ponto(6);
        op.execute(updateStatement(r_, stamp(now)));

        return op.done({7, 9});
    });
}

std::int16_t clsReceitas::Excluir() {
    return run(
        "Excluir",
        [&](Operation& op) -> std::int16_t {
            if (auto code = op.openAndValidate(3, 7)) return *code;
            op.ponto(5);
            op.execute(deleteStatement(r_.numero));
            return op.done({6, 8});
        },
        deletionRefusal(RelatedRows));
}

std::string clsReceitas::listingStatement(const frame::sql::RecordListing& args) const {
    return receitas::listingStatement(args);
}

std::int16_t clsReceitas::SelecionarReceitaControladaParaImpressao(std::int32_t tipoDeLista,
                                                                   std::int16_t tamanhoDaPagina,
                                                                   const Variant& codigoOuNomeParaFiltro) {
    return list("SelecionarReceitaControladaParaImpressao", tipoDeLista, tamanhoDaPagina, nothingFound(),
                [&] { return controlledHeaderStatement(codigoOuNomeParaFiltro); }, true);
}

std::int16_t clsReceitas::ValidarDados(std::int16_t operacao, platform::ObjectRef conexao,
                                       platform::ObjectRef& recordset) {
    return validation(conexao, recordset, [&](Operation& op) -> std::int16_t {
        op.ponto(1);
        if (operacao == 1 || operacao == 2) {
            op.ponto(2);
            if (r_.prescricao.empty()) return fieldRuleFailed("Informe a prescrição.", "Prescricao");
        } else if (operacao == 3) {
            op.ponto(3);  // deletions are never refused here
        }
        op.ponto(9);  // every rule passed: the shell drops the references here
        op.ponto(6);
        return result::Done;
    });
}

}  // namespace zolk::receitas
