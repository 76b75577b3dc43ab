// The guided tour prescribes a controlled drug with its form header, then records a medication
// and changes it through the key its listing shows.
#include <sstream>

#include "cli/demo_tour.h"
#include "components/provider/settings.h"
#include "medicacoes/tests/fixture.h"
#include "platform/format.h"

namespace zolk::medicacoes::test {
namespace {

TEST_F(MedicacoesTest, TheTourPrescribesAndChangesAMedicationThroughItsKey) {
    const std::string url = (db.folder() / "tour.db").string();
    std::ostringstream out;
    ASSERT_EQ(cli::runDemoTour(url, out), 0) << out.str();
    const std::string told = out.str();
    const std::string today = platform::CStr(platform::Format(Variant(platform::DateTime::today()), "dd/mm/yyyy"));

    const auto prescription = told.find(". Receita de medicamento controlado da consulta ");
    const auto card = told.find(". A carteira de vacinação de Thor\n");
    ASSERT_LT(prescription, card) << told;  // before the vaccination card
    for (const std::string line : {"Cabeçalho do formulário:\n",
                                   "  Cliente:     95 - Cida - Maria Aparecida Souza, CPF 123.456.789-09\n",
                                   "  Animal:      140 - Thor, Canina, Labrador Retriever, sexo M, nascido em 10/03/2019"})
        EXPECT_NE(told.find(line, prescription), std::string::npos) << line << "\n" << told;
    const auto given = told.find(today + " às 10:15: Ondansetrona, 1 ml, via Intravenosa", prescription);
    const auto changed = told.find(today + " às 10:45: Ondansetrona, 2 ml, via Intravenosa", prescription);
    ASSERT_NE(given, std::string::npos) << told;
    ASSERT_NE(changed, std::string::npos) << told;
    EXPECT_LT(given, changed);

    // The change reached the one entry the tour recorded on its consultation.
    const std::string marker = "da consulta ";
    const auto at = told.find(marker, prescription) + marker.size();
    const double numero = platform::CDbl(Variant(told.substr(at, told.find('\n', at) - at)));
    components::setDatabaseOverride(url);
    ASSERT_EQ(medicacao->Selecionar(2, 0, Variant(), 1, numero), 0) << medicacao->DescricaoDoErro();
    auto& rs = *medicacao->ResultadoDaSelecaoEmRecordset();
    EXPECT_EQ(columnValues(rs, "Quantidade"), std::vector<std::string>{"2"});
    EXPECT_EQ(columnValues(rs, "UsuarioDaAlteracao"), std::vector<std::string>{"ana"});
    components::setDatabaseOverride(db.url());
}

}  // namespace
}  // namespace zolk::medicacoes::test
