#pragma once
// A fresh demo practice per test and a vaccination object, with the statement corpus of the engine
// tests as the oracle of the texts written.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "classes/class_table.h"
#include "components/userdata/dados_do_usuario.h"
#include "platform/conversions.h"
#include "platform/date_time.h"
#include "platform/format.h"
#include "testsupport/corpus.h"
#include "testsupport/practice_fixture.h"
#include "vacinacoes/vacinacoes.h"

namespace zolk::vacinacoes::test {

using platform::Variant;

inline std::shared_ptr<components::DadosDoUsuario> makeUser(const std::string& name) {
    auto user = std::make_shared<components::DadosDoUsuario>();
    user->Add(Variant(name), "NomeDeUsuario");
    return user;
}

// A day counted from today, "dd/mm/yyyy".
inline std::string dayText(int daysFromToday) {
    return platform::CStr(platform::Format(Variant(platform::DateTime::today().addDays(daysFromToday)), "dd/mm/yyyy"));
}

inline std::string corpus(const std::string& caseName, const std::vector<std::pair<std::string, std::string>>& edits = {}) {
    return testsupport::corpus("vacinacoes.sql", caseName, edits);
}

class VacinacoesTest : public ::testing::Test {
protected:
    VacinacoesTest() {
        classes::registerClasses();
        vacina->DadosDoUsuario(ana);
    }

    // The first dose of two of Giárdia (3) for Thor (140) of client 95, applied in record 812 by
    // veterinarian 3: the corpus's insertion. Without `word`, VacinaAplicada is never set.
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
    double addPending(int days, const std::string& observacao = "") {
        auto v = std::make_shared<clsVacinacoes>();
        v->DadosDoUsuario(ana);
        fillApplied(*v);
        v->NumeroDaFichaClinica(0);
        v->VacinaAplicada(false);
        v->DataDaAplicacao(dayText(days));
        v->Observacao(observacao);
        EXPECT_EQ(v->Adicionar(), 0) << v->DescricaoDoErro();
        return v->CodigoGerado();
    }

    std::string row(double codigo, const std::string& columns) const {
        return db.scalar("SELECT " + columns + " FROM Vacinacoes WHERE Codigo = " + number(codigo));
    }

    static std::string number(double n) { return platform::CStr(Variant(n)); }

    testsupport::PracticeDatabase db;
    std::shared_ptr<components::DadosDoUsuario> ana = makeUser("ana");
    std::shared_ptr<clsVacinacoes> vacina = std::make_shared<clsVacinacoes>();
};

}  // namespace zolk::vacinacoes::test
