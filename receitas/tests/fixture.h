#pragma once
// A prescription object on a fresh demo practice; the statement corpus is the oracle of the texts.
#include "receitas/receitas.h"
#include "testsupport/class_fixture.h"

namespace zolk::receitas::test {

using platform::Variant;
using testsupport::columnValues;
using testsupport::number;
using testsupport::userNamed;

inline std::string corpus(const std::string& caseName, const std::vector<std::pair<std::string, std::string>>& edits = {}) {
    return testsupport::corpus("receitas.sql", caseName, edits);
}

class ReceitasTest : public testsupport::ClassTest<clsReceitas> {
protected:
    // Thor (140) of client 95, record 812, veterinarian 3: the corpus's first prescription.
    static void fillOmeprazol(clsReceitas& r) {
        r.NumeroDaFichaClinica(812);
        r.CodigoDoCliente(95);
        r.CodigoDoAnimal(140);
        r.ReceitaControlada(false);
        r.Prescricao("Omeprazol 10 mg: 3 cápsulas ao dia, em jejum, por 10 dias.");
        r.CodigoDoVeterinario(3);
    }

    std::shared_ptr<clsReceitas>& receita = object;
};

}  // namespace zolk::receitas::test
