// The guided tour ends with Thor's vaccination card and the practice's diagnoses ranked.
#include <sstream>

#include "cli/demo_tour.h"
#include "vacinacoes/tests/fixture.h"

namespace zolk::vacinacoes::test {
namespace {

TEST_F(VacinacoesTest, TheTourEndsWithTheVaccinationCardAndTheRanking) {
    const std::string url = (db.folder() / "tour.db").string();
    std::ostringstream out;
    ASSERT_EQ(cli::runDemoTour(url, out), 0) << out.str();
    const std::string told = out.str();
    const auto at = [&](const std::string& line) { return told.find(line); };

    const auto card = at(". A carteira de vacinação de Thor\n");
    ASSERT_NE(card, std::string::npos) << told;
    // Applied, overdue and to come, each dated from the day the demo ran; today's dose in none.
    const auto applied = at("  aplicadas:\n"), overdue = at("  atrasadas:\n"), upcoming = at("  próximas:\n");
    ASSERT_TRUE(card < applied && applied < overdue && overdue < upcoming) << told;
    EXPECT_NE(told.find(dayText(-459) + "  Polivalente canina V10, dose 2 de 3", applied), std::string::npos);
    EXPECT_LT(told.find(dayText(-438) + "  Polivalente canina V10, dose 3 de 3", overdue), upcoming);
    EXPECT_NE(told.find(dayText(1079) + "  Antirrábica, dose 1 de 1", upcoming), std::string::npos);
    EXPECT_EQ(told.find(dayText(0), card), told.find("Aplicada em " + dayText(0)) + 12) << "today's dose listed early";
    EXPECT_NE(at(dayText(0) + "  Tosse dos canis (Bordetella), dose 1 de 1 (partida BOR-1207)"), std::string::npos);

    const auto ranking = at(". Os diagnósticos mais frequentes da clínica\n");
    ASSERT_NE(ranking, std::string::npos);
    EXPECT_NE(told.find("  3  Gastroenterite aguda\n", ranking), std::string::npos);  // the tour's consultation too
    EXPECT_LT(ranking, at("Fim da visita"));
}

}  // namespace
}  // namespace zolk::vacinacoes::test
