#pragma once
// A vaccination object on a fresh demo practice; the statement corpus is the oracle of the texts.
#include <functional>

#include "testsupport/class_fixture.h"
#include "vacinacoes/vacinacoes.h"

namespace zolk::vacinacoes::test {

using platform::Variant;
using testsupport::dayText;
using testsupport::number;

inline std::string corpus(const std::string& caseName, const std::vector<std::pair<std::string, std::string>>& edits = {}) {
    return testsupport::corpus("vacinacoes.sql", caseName, edits);
}

class VacinacoesTest : public testsupport::ClassTest<clsVacinacoes> {
protected:
    // The corpus's insertion: Thor's first of two Giárdia doses in record 812. `word`: VacinaAplicada set.
    static void fillApplied(clsVacinacoes& v, bool word = true) {
        v.DataDaAplicacao("15/12/2026");
        v.NumeroDaFichaClinica(812);
        v.CodigoDoCliente(95);
        v.CodigoDoAnimal(140);
        v.CodigoDaVacina(3);
        v.NumeroDaDose(1);
        v.NumeroDeDoses(2);
        v.IntervaloEntreAsDoses(21);
        v.CodigoDoVeterinario(3);
        if (word) v.VacinaAplicada(true);
        v.Partida("GIA-2026-0101");
    }

    // A pending dose of Thor due `days` from today, in no record; returns its code.
    double addPending(int days) {
        auto v = another();
        fillApplied(*v);
        v->NumeroDaFichaClinica(0);
        v->VacinaAplicada(false);
        v->DataDaAplicacao(dayText(days));
        EXPECT_EQ(v->Adicionar(), 0) << v->DescricaoDoErro();
        return v->CodigoGerado();
    }

    std::string row(double codigo, const std::string& columns) const { return db.scalar("SELECT " + columns + " FROM Vacinacoes WHERE Codigo = " + number(codigo)); }

    std::shared_ptr<clsVacinacoes>& vacina = object;
};

}  // namespace zolk::vacinacoes::test
