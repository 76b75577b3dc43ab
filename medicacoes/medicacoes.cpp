#include "medicacoes/medicacoes.h"

#include "frame/operation.h"

namespace zolk::medicacoes {

using frame::Operation;
using platform::DateTime;
namespace result = frame::result;

namespace {

constexpr const char* NothingFound = "Nenhuma medicação encontrada com as especificações informadas.";
constexpr const char* MedicineRule = "Informe o código do medicamento.";
constexpr const char* RelatedRows = "A medicação não pode ser excluído porque existe:\r\n\r\nregistros relacionados a ela";

}  // namespace

clsMedicacoes::clsMedicacoes() : RecordClass("clsMedicacoes", NothingFound) {}

std::int16_t clsMedicacoes::Adicionar() {
    return run("Adicionar", [&](Operation& op) -> std::int16_t {
        if (auto code = op.openAndValidate(1, 9)) return *code;

        op.ponto(5);
        const DateTime now = op.updateTime();

        // Each statement on its own: no transaction.
        op.ponto(6);
        op.execute(insertStatement(m_, stamp(now)));

        return op.done({8, 10});
    });
}

std::int16_t clsMedicacoes::Alterar() {
    return run("Alterar", [&](Operation& op) -> std::int16_t {
        if (auto code = op.openAndValidate(2, 8)) return *code;

        op.ponto(5);
        const DateTime now = op.updateTimeToTheSecond();

        // A key that matches no entry changes nothing and is no error.
        op.ponto(6);
        op.execute(updateStatement(m_, stamp(now)));

        return op.done({7, 9});
    });
}

std::int16_t clsMedicacoes::Excluir() {
    return run(
        "Excluir",
        [&](Operation& op) -> std::int16_t {
            if (auto code = op.openAndValidate(3, 7)) return *code;
            op.ponto(5);
            op.execute(deleteStatement(m_));
            return op.done({6, 8});
        },
        deletionRefusal(RelatedRows));
}

std::string clsMedicacoes::listingStatement(const frame::sql::RecordListing& args) const {
    return medicacoes::listingStatement(args);
}

std::int16_t clsMedicacoes::ValidarDados(std::int16_t operacao, platform::ObjectRef conexao,
                                         platform::ObjectRef& recordset) {
    return validation(conexao, recordset, [&](Operation& op) -> std::int16_t {
        op.ponto(1);
        if (operacao == 1 || operacao == 2) {
            op.ponto(2);
            if (m_.codigoDoMedicamento == 0) return fieldRuleFailed(MedicineRule, "CodigoDoMedicamento");
            op.ponto(4);
            if (m_.quantidade.empty()) return fieldRuleFailed("Informe a quantidade.", "Quantidade");
            op.ponto(5);
            if (m_.unidade.empty()) return fieldRuleFailed("Informe a unidade.", "Unidade");
            op.ponto(6);
            if (m_.via.empty()) return fieldRuleFailed("Informe a via.", "Via");
            op.ponto(7);
            if (m_.hora == DateTime()) return fieldRuleFailed("Informe a hora.", "Hora");  // the zero date-time
        } else if (operacao == 3) {
            // The key of the entry to delete, the stamp aside.
            op.ponto(8);
            if (m_.codigoDoMedicamento == 0) return fieldRuleFailed(MedicineRule, "CodigoDoMedicamento");
            op.ponto(9);
            if (m_.numeroDaFichaClinica == 0)
                return fieldRuleFailed("Informe o número da ficha clínica.", "NumeroDaFichaClinica");
            op.ponto(10);
            if (m_.codigoDoCliente == 0) return fieldRuleFailed("Informe o código do cliente.", "CodigoDoCliente");
            op.ponto(11);
            if (m_.codigoDoAnimal == 0) return fieldRuleFailed("Informe o código do animal.", "CodigoDoAnimal");
        }
        op.ponto(13);  // every rule passed: the shell drops the references here
        op.ponto(14);
        return result::Done;
    });
}

}  // namespace zolk::medicacoes
