// The guided tour of `fichas demo` runs to its end; what it tells of each class is what the
// classes then read back from the database it left.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "classes/class_table.h"
#include "cli/demo_tour.h"
#include "components/provider/settings.h"
#include "fichas/fichas_clinicas.h"
#include "medicacoes/medicacoes.h"
#include "platform/conversions.h"
#include "platform/format.h"
#include "testsupport/business_objects.h"
#include "testsupport/practice_fixture.h"

namespace zolk::classes {
namespace {

using platform::Variant;

TEST(GuidedTour, EveryClassLeavesWhatTheTourTells) {
    testsupport::PracticeDatabase db;
    registerClasses();
    const std::string url = (db.folder() / "tour.db").string();
    const platform::DateTime before = platform::DateTime::today();
    std::ostringstream out;
    ASSERT_EQ(cli::runDemoTour(url, out), 0) << out.str();
    const platform::DateTime after = platform::DateTime::today();
    const std::string told = out.str();
    auto at = [&](const std::string& line, std::size_t from = 0) { return told.find(line, from); };

    // The day the tour ran (it may have run across midnight), and the days it counted from it.
    const std::size_t given = at(" às 10:15: Ondansetrona, 1 ml, via Intravenosa");
    ASSERT_TRUE(given != std::string::npos && given >= 10) << told;
    const platform::DateTime tourDay = platform::CDate(Variant(told.substr(given - 10, 10)));
    ASSERT_TRUE(tourDay == before || tourDay == after) << told.substr(given - 10, 10);
    auto day = [&](int days) {
        return platform::CStr(platform::Format(Variant(tourDay.addDays(days)), "dd/mm/yyyy"));
    };

    for (const std::string& line : std::vector<std::string>{
             // clsFichasClinicas: the consultation, its return and a refused change
             "Ficha clínica nº 813", "Agendamento referente a ficha clínica nº 813",
             "Endereço:    Rua Barão de Jaguara, 1234 - Centro - CEP:13015-001 - Campinas / SP",
             "Mensagem: Alterações na ficha clínica do usuário 'ana' não são permitidas para o usuário logado. Exceto "
             "as alterações do campo da internação.",
             // clsExames
             "Solicitação de exames nº 59, emitida em ", "Laboratório: VetLab-VetLab Análises Clínicas Veterinárias Ltda",
             "Exames:      HemogramaCompleto, ALTTGP, Creatinina, Ureia, Ultrassom (Abdome total)",
             // clsProcedimentos: the consultation charged, the stock moved, the budget imported
             "Estoque de Meloxicam 2 mg comprimidos: 40\n", "Estoque de Meloxicam 2 mg comprimidos: 38\n",
             "Histórico: 40 - 2 = 38 (\"Saída por Pré-Venda na ficha clínica no. 813\")",
             "Itens que restam do orçamento: 0; orçamento 7 na base: 0.", "Estoque de Meloxicam 2 mg comprimidos: 37\n",
             "Limpeza de tártaro  qtd 1  R$ 600,00  comissão 22,50% = R$ 135,00",
             // clsReceitas: the controlled-drug form's header
             "  Cliente:     95 - Cida - Maria Aparecida Souza, CPF 123.456.789-09\n",
             "  Animal:      140 - Thor, Canina, Labrador Retriever, sexo M, nascido em 10/03/2019",
             // clsMedicacoes: the entry changed through its key
             day(0) + " às 10:45: Ondansetrona, 2 ml, via Intravenosa",
             // clsVacinacoes and clsAnaliseDiagn
             day(0) + "  Tosse dos canis (Bordetella), dose 1 de 1 (partida BOR-1207)", "  3  Gastroenterite aguda\n"})
        EXPECT_NE(at(line), std::string::npos) << line << "\n" << told;

    // The prescription comes before the vaccination card; the card lists applied, overdue and
    // coming doses, today's in none; the ranking closes the tour.
    const std::size_t prescription = at(". Receita de medicamento controlado da consulta ");
    const std::size_t card = at(". A carteira de vacinação de Thor\n");
    const std::size_t applied = at("  aplicadas:\n"), overdue = at("  atrasadas:\n"), upcoming = at("  próximas:\n");
    ASSERT_TRUE(prescription < card && card < applied && applied < overdue && overdue < upcoming) << told;
    EXPECT_LT(given, at(day(0) + " às 10:45: Ondansetrona"));
    EXPECT_NE(at(day(-459) + "  Polivalente canina V10, dose 2 de 3", applied), std::string::npos);
    EXPECT_LT(at(day(-438) + "  Polivalente canina V10, dose 3 de 3", overdue), upcoming);
    EXPECT_NE(at(day(1079) + "  Antirrábica, dose 1 de 1", upcoming), std::string::npos);
    EXPECT_EQ(at(day(0), card), at("Aplicada em " + day(0)) + 12) << "today's dose listed early";
    EXPECT_LT(at(". Os diagnósticos mais frequentes da clínica\n"), at("Fim da visita"));

    components::setDatabaseOverride(url);
    fichas::clsFichasClinicas ficha;
    ASSERT_EQ(ficha.Selecionar(2, 10, 0, Variant(813.0), Variant(), Variant()), 0) << ficha.DescricaoDoErro();
    auto rs = ficha.ResultadoDaSelecaoEmRecordset();
    ASSERT_EQ(rs->RecordCount(), 1);
    EXPECT_EQ(platform::CStr(rs->value("DataDeRetorno")), day(14));
    EXPECT_EQ(platform::CStr(rs->value("QueixaPrincipal")), "Vômitos há dois dias e apatia.");
    EXPECT_EQ(platform::CStr(rs->value("EFPeso")), "31,80");  // the change kept what the consultation set

    // The one entry the tour recorded on its consultation, as the change left it.
    medicacoes::clsMedicacoes medicacao;
    ASSERT_EQ(medicacao.Selecionar(2, 0, Variant(), 1, 813), 0) << medicacao.DescricaoDoErro();
    EXPECT_EQ(testsupport::columnValues(*medicacao.ResultadoDaSelecaoEmRecordset(), "Quantidade"),
              std::vector<std::string>{"2"});
    EXPECT_EQ(testsupport::columnValues(*medicacao.ResultadoDaSelecaoEmRecordset(), "UsuarioDaAlteracao"),
              std::vector<std::string>{"ana"});
    components::setDatabaseOverride(db.url());
}

}  // namespace
}  // namespace zolk::classes
