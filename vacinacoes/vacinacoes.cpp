#include "vacinacoes/vacinacoes.h"

#include "frame/operation.h"
#include "frame/sql_literals.h"
#include "platform/conversions.h"
#include "platform/format.h"

namespace zolk::vacinacoes {

using frame::Operation;
using platform::DateTime;
using platform::Variant;
namespace result = frame::result;

namespace {

constexpr const char* NothingFound = "Nenhuma vacinação encontrada com as especificações informadas.";
constexpr const char* RelatedRows = "A vacinação não pode ser excluído porque existe:\r\n\r\nregistros relacionados a ela";

}  // namespace

clsVacinacoes::clsVacinacoes() : RecordClass("clsVacinacoes", NothingFound) {}

std::int16_t clsVacinacoes::Adicionar() {
    return run("Adicionar", [&](Operation& op) -> std::int16_t {
        if (auto code = op.openAndValidate(1, 9)) return *code;

        op.ponto(5);
        const DateTime now = op.updateTime();
        // A blank date is today's, as the server sees it; any other text goes in as typed.
        if (platform::Trim(v_.dataDaAplicacao).empty()) v_.dataDaAplicacao = frame::sql::issueDateText(now);

        op.ponto(6);
        op.execute(insertStatement(v_, stamp(now)));
        op.ponto(7);
        codigoGerado_ = platform::CDbl(op.executeScalar("SELECT @@Identity"));
        return op.done({8, 10});
    });
}

std::int16_t clsVacinacoes::Alterar() {
    return run("Alterar", [&](Operation& op) -> std::int16_t {
        if (auto code = op.openAndValidate(2, 8)) return *code;

        op.ponto(5);
        const DateTime now = op.updateTimeToTheSecond();
        // The application call dates the dose today; VacinaAplicada stays what the front end set.
        if (v_.aplicacao) v_.dataDaAplicacao = frame::sql::issueDateText(now);

        op.ponto(6);
        op.execute(updateStatement(v_, stamp(now)));
        return op.done({7, 9});
    });
}

std::int16_t clsVacinacoes::Excluir() {
    return run(
        "Excluir",
        [&](Operation& op) -> std::int16_t {
            if (auto code = op.openAndValidate(3, 7)) return *code;
            op.ponto(5);
            op.execute(deleteStatement(v_.codigo));
            return op.done({6, 8});
        },
        deletionRefusal(RelatedRows));
}

std::string clsVacinacoes::listingStatement(const frame::sql::RecordListing& a) const {
    return vacinacoes::listingStatement(a.filtro, a.fichaAtualOuAnteriores, a.numeroDaFichaClinica, a.codigoDoCliente,
                                        a.codigoDoAnimal);
}

std::int16_t clsVacinacoes::ValidarDados(std::int16_t operacao, platform::ObjectRef conexao,
                                         platform::ObjectRef& recordset) {
    return validation(conexao, recordset, [&](Operation& op) -> std::int16_t {
        op.ponto(1);
        if (operacao == 1 || operacao == 2) {
            op.ponto(2);
            if (v_.codigoDaVacina == -1) return fieldRuleFailed("Selecione uma vacina.", "CodigoDaVacina");
            op.ponto(3);
            if (v_.numeroDaDose == 0) return fieldRuleFailed("Informe o número da dose.", "NumeroDaDose");
            op.ponto(4);
            if (v_.numeroDaDose > v_.numeroDeDoses)
                return fieldRuleFailed("O número da dose deve ser menor ou igual ao número de doses.", "NumeroDaDose");
        } else if (operacao == 3) {
            op.ponto(3);  // a deletion has no rule
        }
        op.ponto(9);  // every rule passed: the shell drops the references here
        op.ponto(6);
        return result::Done;
    });
}

}  // namespace zolk::vacinacoes
