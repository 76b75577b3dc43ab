// The guided tour of `fichas demo` runs to its end and leaves what it tells in the database.
#include <sstream>

#include "cli/demo_tour.h"
#include "fichas/tests/fixture.h"

namespace zolk::fichas::test {
namespace {

TEST_F(FichasTest, GuidedTourRecordsMovesAndRefuses) {
    const std::string url = (db.folder() / "tour.db").string();
    std::ostringstream out;
    ASSERT_EQ(cli::runDemoTour(url, out), 0) << out.str();
    const std::string told = out.str();
    EXPECT_NE(told.find("Ficha clínica nº 813"), std::string::npos) << told;
    EXPECT_NE(told.find("Agendamento referente a ficha clínica nº 813"), std::string::npos);
    EXPECT_NE(told.find("Endereço:    Rua Barão de Jaguara, 1234 - Centro - CEP:13015-001 - Campinas / SP"),
              std::string::npos);
    EXPECT_NE(told.find("Mensagem: Alterações na ficha clínica do usuário 'ana' não são permitidas para o usuário "
                        "logado. Exceto as alterações do campo da internação."),
              std::string::npos);

    components::setDatabaseOverride(url);
    auto f = std::make_shared<clsFichasClinicas>();
    ASSERT_EQ(f->Selecionar(2, 10, 0, Variant(813.0), Variant(), Variant()), 0);
    auto rs = f->ResultadoDaSelecaoEmRecordset();
    ASSERT_EQ(rs->RecordCount(), 1);
    EXPECT_EQ(platform::CStr(rs->value("DataDeRetorno")), dayText(14));
    EXPECT_EQ(platform::CStr(rs->value("QueixaPrincipal")), "Vômitos há dois dias e apatia.");
    EXPECT_EQ(platform::CStr(rs->value("EFPeso")), "31,80");  // the change kept what the consultation set
    components::setDatabaseOverride(db.url());
}

}  // namespace
}  // namespace zolk::fichas::test
