#pragma once
// A fresh demo practice per test and a prescription object, with the statement corpus of the
// engine tests as the oracle of the texts written.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "classes/class_table.h"
#include "platform/conversions.h"
#include "receitas/receitas.h"
#include "testsupport/business_objects.h"
#include "testsupport/corpus.h"
#include "testsupport/practice_fixture.h"

namespace zolk::receitas::test {

using platform::Variant;
using testsupport::columnValues;
using testsupport::userNamed;

// A statement of jet/tests/corpus/receitas.sql by case name, with each (from, to) replaced.
inline std::string corpus(const std::string& caseName, const std::vector<std::pair<std::string, std::string>>& edits = {}) {
    return testsupport::corpus("receitas.sql", caseName, edits);
}

class ReceitasTest : public ::testing::Test {
protected:
    ReceitasTest() {
        classes::registerClasses();
        receita->DadosDoUsuario(ana);
    }

    // Thor (140) of client 95, record 812, veterinarian 3: the corpus's first prescription.
    static void fillOmeprazol(clsReceitas& r) {
        r.NumeroDaFichaClinica(812);
        r.CodigoDoCliente(95);
        r.CodigoDoAnimal(140);
        r.ReceitaControlada(false);
        r.Prescricao("Omeprazol 10 mg: 3 cápsulas ao dia, em jejum, por 10 dias.");
        r.CodigoDoVeterinario(3);
    }

    static std::string number(double n) { return platform::CStr(Variant(n)); }

    testsupport::PracticeDatabase db;
    std::shared_ptr<components::DadosDoUsuario> ana = userNamed("ana");
    std::shared_ptr<clsReceitas> receita = std::make_shared<clsReceitas>();
};

}  // namespace zolk::receitas::test
