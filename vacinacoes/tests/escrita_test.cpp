// Adicionar, Alterar, Excluir and ValidarDados: statement texts, what lands, what is refused.
#include "vacinacoes/tests/fixture.h"

namespace zolk::vacinacoes::test {
namespace {

TEST_F(VacinacoesTest, InsertionIsWrittenToTheLetterOutsideAnyTransaction) {
    fillApplied(*vacina);
    ASSERT_EQ(vacina->Adicionar(), 0) << vacina->DescricaoDoErro();
    ASSERT_EQ(db.trace().size(), 3u);  // no BeginTrans
    const auto sql = db.traced("Execute");
    EXPECT_EQ(sql[0], corpus("vacinacoes-relogio"));
    EXPECT_EQ(sql[1], corpus("vacinacoes-insert", {{"'15/12/2026 10:30:00'", "'" + vacina->DataHoraDaAtualizacao() + "'"}}));
    EXPECT_EQ(sql[2], corpus("vacinacoes-insert-identity"));
}

TEST_F(VacinacoesTest, APendingDoseOfNoRecordWithABlankDateIsDueToday) {
    fillApplied(*vacina);
    vacina->NumeroDaFichaClinica(0);
    vacina->NumeroDaDose(2);
    vacina->VacinaAplicada(false);
    vacina->Partida("");
    vacina->Observacao("Segunda dose");
    vacina->DataDaAplicacao("   ");
    ASSERT_EQ(vacina->Adicionar(), 0) << vacina->DescricaoDoErro();
    const std::string today = vacina->DataHoraDaAtualizacao().substr(0, 10);
    EXPECT_EQ(db.traced("Execute").at(1),
              corpus("vacinacoes-insert-pendente-sem-ficha", {{"'10/12/2029'", "'" + today + "'"},
                                                               {"'15/12/2026 10:36:00'", "'" + vacina->DataHoraDaAtualizacao() + "'"}}));
    EXPECT_EQ(row(vacina->CodigoGerado(), "IFNULL(NumeroDaFichaClinica, 'null')"), "null");
}

TEST_F(VacinacoesTest, WhatTheDatabaseRefusesWritesNothing) {
    const std::string rows = db.scalar("SELECT COUNT(*) FROM Vacinacoes");
    struct Case { const char* what; std::function<void(clsVacinacoes&)> spoil; std::int32_t error; };
    const std::vector<Case> cases{
        {"VacinaAplicada never set", [](clsVacinacoes& v) { fillApplied(v, false); }, platform::err::DbErrorsInCommand},
        {"a quote in the date", [](clsVacinacoes& v) { v.DataDaAplicacao("15/12/2026', 999,95,140,3,1,2,21,3,True,'','','x','x');--"); },
         platform::err::DbCantConvertValue},
        {"no user data", [](clsVacinacoes& v) { v.DadosDoUsuario(nullptr); }, platform::err::ObjectNotSet},
    };
    for (const Case& c : cases) {
        auto v = another();
        if (std::string(c.what) != "VacinaAplicada never set") fillApplied(*v);
        c.spoil(*v);
        EXPECT_EQ(v->Adicionar(), 1) << c.what;
        EXPECT_EQ(v->NumeroDoErro(), c.error) << c.what << ": " << v->DescricaoDoErro();
        EXPECT_EQ(v->LocalDoErro(), location("Adicionar", 6)) << c.what;
    }
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM Vacinacoes"), rows);
}

TEST_F(VacinacoesTest, AnOrdinaryChangeKeepsTheRecordAndWritesTheDateAsADayOrNull) {
    const double codigo = addPending(400);
    db.clearTrace();
    fillApplied(*vacina);
    vacina->Codigo(codigo);
    vacina->NumeroDaFichaClinica(813);  // not written by an ordinary change
    vacina->NumeroDaDose(2);
    vacina->VacinaAplicada(false);
    vacina->Partida("");
    vacina->Observacao("Segunda dose remarcada");
    vacina->DataDaAplicacao("2029-12-17");
    ASSERT_EQ(vacina->Alterar(), 0) << vacina->DescricaoDoErro();
    EXPECT_EQ(ops(), (std::vector<std::string>{"Execute", "Execute"}));
    EXPECT_EQ(db.traced("Execute").at(1),
              corpus("vacinacoes-update", {{"Codigo=80;", "Codigo=" + number(codigo) + ";"},
                                           {"15/12/2026 10:40:00", vacina->DataHoraDaAtualizacao()}}));
    EXPECT_EQ(row(codigo, "IFNULL(NumeroDaFichaClinica, 'null') || '|' || DataDaAplicacao || '|' || UsuarioDaAlteracao"),
              "null|2029-12-17 00:00:00|ana");
    vacina->DataDaAplicacao("32/01/2027");  // not a date: Null
    ASSERT_EQ(vacina->Alterar(), 0);
    EXPECT_EQ(row(codigo, "IFNULL(DataDaAplicacao, 'null')"), "null");
}

TEST_F(VacinacoesTest, TheApplicationCallDatesTheDoseTodayAndMovesItToTheRecord) {
    // The cat's second dose of V4 (77), overdue, applied in record 809; its due date lay ahead.
    fillApplied(*vacina);
    vacina->Codigo(77);
    vacina->NumeroDaFichaClinica(809);
    vacina->CodigoDoAnimal(141);
    vacina->CodigoDaVacina(5);
    vacina->NumeroDaDose(2);
    vacina->DataDaAplicacao(dayText(30));
    vacina->Partida("V4F-2026-0101");
    vacina->Aplicacao(true);
    ASSERT_EQ(vacina->Alterar(), 0) << vacina->DescricaoDoErro();
    const std::string today = vacina->DataHoraDaAtualizacao().substr(0, 10);  // the server's day
    EXPECT_EQ(db.traced("Execute").at(1), corpus("vacinacoes-update-aplicacao",
                                              {{"15/12/2026 10:42:30", vacina->DataHoraDaAtualizacao()},
                                               {"'15/12/2026'", "'" + today + "'"}}));
    EXPECT_EQ(row(77, "NumeroDaFichaClinica || '|' || DataDaAplicacao || '|' || VacinaAplicada"),
              "809|" + platform::CDate(Variant(today)).iso() + "|-1");
}

TEST_F(VacinacoesTest, DeletionAndItsRefusals) {
    vacina->Codigo(73);
    EXPECT_EQ(vacina->Excluir(), 0) << vacina->DescricaoDoErro();
    EXPECT_EQ(db.traced("Execute"), std::vector<std::string>{corpus("vacinacoes-delete")});
    vacina->Codigo(74);  // a vaccination certificate refers to it
    EXPECT_EQ(vacina->Excluir(), 3);
    EXPECT_EQ(vacina->DescricaoDaFalha(), "A vacinação não pode ser excluído porque existe:\r\n\r\nregistros relacionados a ela");
    EXPECT_EQ(vacina->NumeroDoErro(), 0);
}

TEST_F(VacinacoesTest, ValidationRulesRunInOrderAndStopAtTheFirst) {
    struct Case { double vacina; std::int16_t dose, doses, expected; const char* message; const char* field; };
    const Case cases[] = {
        {-1, 1, 2, 2, "Selecione uma vacina.", "CodigoDaVacina"},
        {0, 1, 2, 0, "", ""},
        {3, 0, 2, 2, "Informe o número da dose.", "NumeroDaDose"},
        {3, 3, 2, 2, "O número da dose deve ser menor ou igual ao número de doses.", "NumeroDaDose"},
        {3, -1, 2, 0, "", ""},
    };
    for (std::int16_t operacao : {1, 2, 3}) {
        for (const Case& c : cases) {
            auto v = std::make_shared<clsVacinacoes>();
            v->CodigoDaVacina(c.vacina);
            v->NumeroDaDose(c.dose);
            v->NumeroDeDoses(c.doses);
            platform::ObjectRef rs = std::make_shared<components::DadosDoUsuario>();
            const std::int16_t expected = operacao == 3 ? 0 : c.expected;
            EXPECT_EQ(v->ValidarDados(operacao, nullptr, rs), expected) << operacao << " " << c.vacina << " " << c.dose;
            EXPECT_EQ(v->DescricaoDaFalha(), expected ? c.message : "");
            EXPECT_EQ(v->NomeDoCampoValidado(), expected ? c.field : "");
            EXPECT_EQ(static_cast<bool>(rs), expected != 0);  // dropped when every rule passed
        }
    }
    // A failed rule ends Adicionar and Alterar before anything is run.
    fillApplied(*vacina);
    vacina->NumeroDaDose(3);
    EXPECT_EQ(vacina->Adicionar(), 2);
    EXPECT_EQ(vacina->Alterar(), 2);
    EXPECT_TRUE(db.trace().empty());
}

}  // namespace
}  // namespace zolk::vacinacoes::test
