// The guided tour of `fichas demo` (the quick start's main job) runs to its end and tells what
// each class did.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "classes/class_table.h"
#include "cli/demo_tour.h"
#include "testsupport/practice_fixture.h"

namespace zolk::classes {
namespace {

TEST(GuidedTour, RunsToItsEndThroughEveryClass) {
    testsupport::PracticeDatabase db;
    registerClasses();
    std::ostringstream out;
    ASSERT_EQ(cli::runDemoTour((db.folder() / "tour.db").string(), out), 0) << out.str();
    const std::string told = out.str();
    for (const char* line : {"Ficha clínica nº 813", "Agendamento referente a ficha clínica nº 813",
                             "Solicitação de exames nº 59, emitida em ",
                             "Histórico: 40 - 2 = 38 (\"Saída por Pré-Venda na ficha clínica no. 813\")",
                             "Limpeza de tártaro  qtd 1  R$ 600,00  comissão 22,50% = R$ 135,00",
                             "  Cliente:     95 - Cida - Maria Aparecida Souza, CPF 123.456.789-09\n",
                             " às 10:45: Ondansetrona, 2 ml, via Intravenosa", "  3  Gastroenterite aguda\n",
                             "20. Fim da visita"})
        EXPECT_NE(told.find(line), std::string::npos) << line << "\n" << told;
}

}  // namespace
}  // namespace zolk::classes
