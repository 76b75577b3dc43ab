#include "exames/exames.h"

#include "frame/operation.h"
#include "frame/sql_literals.h"
#include "platform/conversions.h"
#include "platform/format.h"

namespace zolk::exames {

using frame::Operation;
using platform::DateTime;
using platform::Variant;
namespace result = frame::result;

namespace {

constexpr const char* NothingFound = "Nenhum exame encontrado com as especificações informadas.";

constexpr const char* RelatedRows =
    "O exames não pode ser excluído porque existe:\r\n\r\nregistros relacionados a ele\r\n\r\n"
    "Se não deseja mais utilizar, altere a 'Situação' do exame para 'Inativo'.";

}  // namespace

clsExames::clsExames() : RecordClass("clsExames", NothingFound) {}

std::int16_t clsExames::Adicionar() {
    return run("Adicionar", [&](Operation& op) -> std::int16_t {
        if (auto code = op.openAndValidate(1, 8)) return *code;

        op.ponto(5);
        const DateTime now = op.updateTime();
        dataDeEmissao_ = frame::sql::issueDateText(now);

        // One statement on its own: no transaction.
        op.ponto(6);
        op.execute(insertStatement(s_, dataDeEmissao_, stamp(now)));
        numeroGerado_ = platform::CDbl(op.executeScalar("SELECT @@Identity"));

        return op.done({7, 9});
    });
}

std::int16_t clsExames::Alterar() {
    return run("Alterar", [&](Operation& op) -> std::int16_t {
        if (auto code = op.openAndValidate(2, 9)) return *code;

        op.ponto(5);
        const DateTime now = op.updateTimeToTheSecond();

        op.ponto(6);
        op.beginTrans();
        op.execute(firstUpdate(s_));
        // Built after the first has run: without a user data object this fails, and the
        // roll-back undoes the first.
        const std::string second = secondUpdate(s_, stamp(now));

        op.ponto(7);
        op.execute(second);
        op.commitTrans();

        return op.done({8, 10});
    });
}

std::int16_t clsExames::Excluir() {
    return run(
        "Excluir",
        [&](Operation& op) -> std::int16_t {
            if (auto code = op.openAndValidate(3, 7)) return *code;
            op.ponto(5);
            op.execute(deleteStatement(s_.numero));
            return op.done({6, 8});
        },
        deletionRefusal(RelatedRows));
}

std::string clsExames::listingStatement(const frame::sql::RecordListing& a) const {
    return exames::listingStatement(a.filtro, a.fichaAtualOuAnteriores, a.numeroDaFichaClinica, a.codigoDoCliente,
                                    a.codigoDoAnimal);
}

std::int16_t clsExames::SelecionarParaImpressaoCabecalho(std::int32_t tipoDeLista, std::int16_t tamanhoDaPagina,
                                                         const Variant& codigoOuNomeParaFiltro) {
    return list("SelecionarParaImpressaoCabecalho", tipoDeLista, tamanhoDaPagina, NothingFound, [&] {
        return printHeaderStatement(codigoOuNomeParaFiltro);
    }, true);
}

std::int16_t clsExames::ValidarDados(std::int16_t operacao, platform::ObjectRef conexao,
                                     platform::ObjectRef& recordset) {
    return validation(conexao, recordset, [&](Operation& op) -> std::int16_t {
        op.ponto(1);
        if (operacao == 1 || operacao == 2) {
            op.ponto(2);
            if (s_.codigoDoLaboratorio <= 0)
                return fieldRuleFailed("Selecione o laboratório.", "CodigoDoLaboratorio");
            op.ponto(3);
            // What the front end says, whichever flags are ticked.
            if (!s_.exameSelecionado) return fieldRuleFailed("Selecione um exame.", "HemogramaCompleto");
        } else if (operacao == 3) {
            op.ponto(8);  // no rule for deletions
        }
        // The numbers are the request's own: 9 then 6, as its error locations report them.
        op.ponto(9);  // every rule passed: the shell drops the references here
        op.ponto(6);
        return result::Done;
    });
}

}  // namespace zolk::exames
