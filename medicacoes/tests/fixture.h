#pragma once
// A fresh demo practice per test and a medication object, with the statement corpus of the
// engine tests as the oracle of the texts written.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "classes/class_table.h"
#include "platform/conversions.h"
#include "medicacoes/medicacoes.h"
#include "testsupport/business_objects.h"
#include "testsupport/corpus.h"
#include "testsupport/practice_fixture.h"

namespace zolk::medicacoes::test {

using platform::Variant;
using testsupport::columnValues;
using testsupport::userNamed;

// A statement of jet/tests/corpus/medicacoes.sql by case name, with each (from, to) replaced.
inline std::string corpus(const std::string& caseName, const std::vector<std::pair<std::string, std::string>>& edits = {}) {
    return testsupport::corpus("medicacoes.sql", caseName, edits);
}

class MedicacoesTest : public ::testing::Test {
protected:
    MedicacoesTest() {
        classes::registerClasses();
        medicacao->DadosDoUsuario(ana);
    }

    static platform::DateTime at(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
        return platform::DateTime::fromParts(year, month, day, hour, minute, second);
    }
    static platform::DateTime timeOfDay(int hour, int minute) { return at(1899, 12, 30, hour, minute); }

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
    static void key(clsMedicacoes& m, double medicamento, platform::DateTime inclusao, double ficha = 812,
                    double cliente = 95, double animal = 140) {
        m.CodigoDoMedicamento(medicamento);
        m.NumeroDaFichaClinica(ficha);
        m.CodigoDoCliente(cliente);
        m.CodigoDoAnimal(animal);
        m.DataHoraDeInclusao(inclusao);
    }

    static std::string number(double n) { return platform::CStr(Variant(n)); }

    testsupport::PracticeDatabase db;
    std::shared_ptr<components::DadosDoUsuario> ana = userNamed("ana");
    std::shared_ptr<clsMedicacoes> medicacao = std::make_shared<clsMedicacoes>();
};

}  // namespace zolk::medicacoes::test
