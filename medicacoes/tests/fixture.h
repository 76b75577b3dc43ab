#pragma once
// A medication object on a fresh demo practice; the statement corpus is the oracle of the texts.
#include "medicacoes/medicacoes.h"
#include "testsupport/class_fixture.h"

namespace zolk::medicacoes::test {

using platform::Variant;
using testsupport::columnValues;
using testsupport::userNamed;

inline std::string corpus(const std::string& caseName, const std::vector<std::pair<std::string, std::string>>& edits = {}) {
    return testsupport::corpus("medicacoes.sql", caseName, edits);
}

inline platform::DateTime at(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return platform::DateTime::fromParts(year, month, day, hour, minute, second);
}
inline platform::DateTime timeOfDay(int hour, int minute) { return at(1899, 12, 30, hour, minute); }

class MedicacoesTest : public testsupport::ClassTest<clsMedicacoes> {
protected:
    // The corpus's first entry: metronidazole for Thor (140) of client 95, record 812, vet 3.
    static void fillMetronidazol(clsMedicacoes& m) {
        m.CodigoDoMedicamento(9);
        m.Quantidade("1,5");
        m.Unidade("ml");
        m.Via("Intravenosa");
        m.Data(at(2026, 12, 15));
        m.Hora(timeOfDay(10, 30));
        m.Observacao("Diluir em 100 ml de soro");
        m.NumeroDaFichaClinica(812);
        m.CodigoDoVeterinario(3);
        m.CodigoDoCliente(95);
        m.CodigoDoAnimal(140);
    }
    // The key of a stored entry: its medicine, record, client, animal and insertion stamp.
    static void key(clsMedicacoes& m, double medicamento, platform::DateTime inclusao, double ficha = 812) {
        m.CodigoDoMedicamento(medicamento);
        m.NumeroDaFichaClinica(ficha);
        m.CodigoDoCliente(95);
        m.CodigoDoAnimal(140);
        m.DataHoraDeInclusao(inclusao);
    }

    std::shared_ptr<clsMedicacoes>& medicacao = object;
};

}  // namespace zolk::medicacoes::test
