// The exam part of the guided tour of `fichas demo`: a request for the recorded consultation and
// the header of its form.
#include <sstream>

#include "cli/demo_tour.h"
#include "components/provider/settings.h"
#include "exames/tests/fixture.h"

namespace zolk::exames::test {
namespace {

TEST_F(ExamesTest, GuidedTourRequestsExamsAndShowsTheFormHeader) {
    const std::string url = (db.folder() / "tour.db").string();
    std::ostringstream out;
    ASSERT_EQ(cli::runDemoTour(url, out), 0) << out.str();
    const std::string told = out.str();
    for (const char* line : {"Solicitação de exames nº 59, emitida em ",
                             "Laboratório: VetLab-VetLab Análises Clínicas Veterinárias Ltda",
                             "Animal:      Thor, Canina, ",
                             "Exames:      HemogramaCompleto, ALTTGP, Creatinina, Ureia, Ultrassom (Abdome total)"})
        EXPECT_NE(told.find(line), std::string::npos) << line << "\n" << told;

    // What the tour told is what the database holds.
    components::setDatabaseOverride(url);
    auto e = std::make_shared<clsExames>();
    ASSERT_EQ(e->Selecionar(2, 10, Variant(), 1, 813), 0) << e->DescricaoDoErro();
    auto rs = e->ResultadoDaSelecaoEmRecordset();
    ASSERT_EQ(rs->RecordCount(), 1);
    EXPECT_EQ(platform::CStr(rs->value("Numero")), "59");
    EXPECT_EQ(platform::CStr(rs->value("Creatinina")), "Sim");
    EXPECT_EQ(platform::CStr(rs->value("Biopsia")), "Não");
    EXPECT_EQ(platform::CStr(rs->value("UsuarioDaInclusao")), "ana");
    components::setDatabaseOverride(db.url());
}

}  // namespace
}  // namespace zolk::exames::test
