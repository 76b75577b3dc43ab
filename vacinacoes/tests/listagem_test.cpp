// Selecionar in its four modes around today's date, by code, nothing found, no condition.
#include "vacinacoes/tests/fixture.h"

namespace zolk::vacinacoes::test {
namespace {

class ListagemTest : public VacinacoesTest {
protected:
    std::vector<std::string> listed(std::int16_t modo, double ficha, double animal = 140, const Variant& filtro = {}) {
        db.clearTrace();
        EXPECT_EQ(vacina->Selecionar(2, 0, filtro, modo, ficha, 95, animal), 0) << vacina->DescricaoDoErro();
        return testsupport::columnValues(*vacina->ResultadoDaSelecaoEmRecordset(), "Codigo");
    }
    std::string opened() const { const auto t = db.traced("Open"); return t.empty() ? std::string() : t.back(); }
    using Codes = std::vector<std::string>;
};

TEST_F(ListagemTest, OverdueAndUpcomingDosesCompareCalendarDaysWithToday) {
    // Thor already has 73 overdue, 70 due today and 75 to come; three more around today.
    const std::string yesterday = number(addPending(-1));
    addPending(0);  // due today: in neither list
    const std::string tomorrow = number(addPending(1));
    EXPECT_EQ(listed(3, 812), (Codes{yesterday, "73"}));
    EXPECT_EQ(opened(), corpus("vacinacoes-lista-atrasadas"));
    EXPECT_EQ(listed(4, 812), (Codes{tomorrow, "75"}));
    EXPECT_EQ(opened(), corpus("vacinacoes-lista-proximas"));
    EXPECT_EQ(listed(3, 812, 141), (Codes{"77"}));
    EXPECT_EQ(opened(), corpus("vacinacoes-lista-atrasadas-gato"));
}

TEST_F(ListagemTest, TheRecordsDosesThoseAppliedEarlierAndByFilter) {
    EXPECT_EQ(listed(1, 812), (Codes{"74"}));
    EXPECT_EQ(opened(), corpus("vacinacoes-lista-ficha-atual"));
    EXPECT_EQ(listed(2, 812), (Codes{"72", "71"}));  // 72 belongs to no record
    EXPECT_EQ(opened(), corpus("vacinacoes-lista-fichas-anteriores"));
    EXPECT_EQ(listed(2, 812, 141), (Codes{"76"}));
    EXPECT_EQ(opened(), corpus("vacinacoes-lista-fichas-anteriores-gato"));
    EXPECT_EQ(listed(3, 812, 141, Variant("74")), (Codes{"74"}));
    EXPECT_EQ(opened(), corpus("vacinacoes-lista-codigo"));
    EXPECT_EQ(listed(1, 812, 140, Variant(4242.0)), Codes{});
    EXPECT_EQ(opened(), corpus("vacinacoes-lista-nada"));
    EXPECT_EQ(vacina->DescricaoDaFalha(), "Nenhuma vacinação encontrada com as especificações informadas.");
    // A text that is no code, or no record: every entry whose joined rows exist, newest first.
    const Codes all{"78", "77", "76", "75", "74", "73", "72", "71", "70"};
    EXPECT_EQ(listed(1, 812, 140, Variant("Giárdia")), all);
    EXPECT_EQ(opened().find("WHERE"), std::string::npos);
    EXPECT_EQ(listed(2, 0), all);
}

}  // namespace
}  // namespace zolk::vacinacoes::test
