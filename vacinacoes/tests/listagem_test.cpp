// Selecionar in its four modes around today's date, by code, with nothing found or no condition.
#include "vacinacoes/tests/fixture.h"

namespace zolk::vacinacoes::test {
namespace {

class ListagemTest : public VacinacoesTest {
protected:
    // The codes listed, in the order of the result recordset.
    std::vector<std::string> listed(std::int16_t modo, double ficha, double animal = 140,
                                    const Variant& filtro = Variant()) {
        db.clearTrace();
        EXPECT_EQ(vacina->Selecionar(2, 0, filtro, modo, ficha, 95, animal), 0) << vacina->DescricaoDoErro();
        std::vector<std::string> codes;
        auto rs = vacina->ResultadoDaSelecaoEmRecordset();
        if (rs->RecordCount() > 0)
            for (rs->MoveFirst(); !rs->EOF_(); rs->MoveNext()) codes.push_back(platform::CStr(rs->value("Codigo")));
        return codes;
    }
    std::string opened() const {
        const auto texts = db.traced("Open");
        return texts.empty() ? std::string() : texts.back();
    }
    using Codes = std::vector<std::string>;
};

TEST_F(ListagemTest, OverdueAndUpcomingDosesCompareCalendarDaysWithToday) {
    // Thor already has 73 overdue, 70 due today and 75 to come; three more around today.
    const std::string yesterday = number(addPending(-1));
    const std::string today = number(addPending(0));
    const std::string tomorrow = number(addPending(1));

    EXPECT_EQ(listed(3, 812), (Codes{yesterday, "73"}));
    EXPECT_EQ(opened(), corpus("vacinacoes-lista-atrasadas"));
    EXPECT_EQ(listed(4, 812), (Codes{tomorrow, "75"}));
    EXPECT_EQ(opened(), corpus("vacinacoes-lista-proximas"));
    // The doses due today, 70 and the new one, are in neither list; applied ones never are.
    for (const std::string& dueToday : {today, std::string("70")})
        EXPECT_EQ(db.scalar("SELECT DataDaAplicacao FROM Vacinacoes WHERE Codigo = " + dueToday),
                  platform::DateTime::today().iso());

    // The cat's overdue dose, until it is applied.
    EXPECT_EQ(listed(3, 812, 141), (Codes{"77"}));
    EXPECT_EQ(opened(), corpus("vacinacoes-lista-atrasadas-gato"));
    fillApplied(*vacina);
    vacina->Codigo(77);
    vacina->CodigoDoAnimal(141);
    vacina->Aplicacao(true);
    ASSERT_EQ(vacina->Alterar(), 0);
    EXPECT_EQ(listed(3, 812, 141), Codes{});

    // The record number plays no part in these two modes: an animal seen without a record too.
    EXPECT_EQ(listed(4, 0), (Codes{tomorrow, "75"}));
}

TEST_F(ListagemTest, TheRecordsDosesAndThoseAppliedEarlier) {
    EXPECT_EQ(listed(1, 812), (Codes{"74"}));
    EXPECT_EQ(opened(), corpus("vacinacoes-lista-ficha-atual"));
    EXPECT_EQ(listed(2, 812), (Codes{"72", "71"}));  // 72 belongs to no record
    EXPECT_EQ(opened(), corpus("vacinacoes-lista-fichas-anteriores"));
    EXPECT_EQ(listed(2, 812, 141), (Codes{"76"}));
    EXPECT_EQ(opened(), corpus("vacinacoes-lista-fichas-anteriores-gato"));

    listed(1, 812);
    auto rs = vacina->ResultadoDaSelecaoEmRecordset();
    rs->MoveFirst();
    EXPECT_EQ(platform::CStr(rs->value("NomeDaVacina")) + "|" + platform::CStr(rs->value("VacinaAplicada")) + "|" +
                  platform::CStr(rs->value("NomeDoVeterinario")) + "|" + platform::CStr(rs->value("DataDaAplicacao")),
              "Antirrábica|Sim|Ana Paula Martins|" + dayText(-16));
}

TEST_F(ListagemTest, AFilterIsOneEntryAndNoConditionListsEveryEntry) {
    for (const Variant& filtro : {Variant(74.0), Variant("74")}) {
        EXPECT_EQ(listed(3, 812, 141, filtro), (Codes{"74"}));
        EXPECT_EQ(opened(), corpus("vacinacoes-lista-codigo"));
    }
    EXPECT_EQ(listed(1, 812, 140, Variant(4242.0)), Codes{});
    EXPECT_EQ(opened(), corpus("vacinacoes-lista-nada"));
    EXPECT_EQ(vacina->DescricaoDaFalha(), "Nenhuma vacinação encontrada com as especificações informadas.");
    ASSERT_TRUE(vacina->ResultadoDaSelecaoEmRecordset());

    // A text that is no code, no record in the first two modes, or an unknown mode: every entry
    // whose joined rows exist, newest first, with no WHERE left dangling.
    const Codes all{"78", "77", "76", "75", "74", "73", "72", "71", "70"};
    EXPECT_EQ(listed(1, 812, 140, Variant("Giárdia")), all);
    EXPECT_EQ(opened().find("WHERE"), std::string::npos);
    EXPECT_NE(opened().find("Funcionarios.Codigo ORDER BY    Vacinacoes.Codigo DESC;"), std::string::npos);
    EXPECT_EQ(listed(1, 0), all);
    EXPECT_EQ(listed(2, 0), all);
    EXPECT_EQ(listed(7, 812), all);
}

}  // namespace
}  // namespace zolk::vacinacoes::test
