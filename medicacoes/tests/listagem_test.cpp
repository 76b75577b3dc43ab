// Selecionar: its statement text, the filters, the order of the entries, and the validation rules.
#include "medicacoes/tests/fixture.h"

namespace zolk::medicacoes::test {
namespace {

using Rows = std::vector<std::string>;

TEST_F(MedicacoesTest, ListingIsWrittenToTheLetterByDayThenLatestTimeFirst) {
    db.native("INSERT INTO Medicacoes (CodigoDoMedicamento, Quantidade, Unidade, Via, Data, Hora, NumeroDaFichaClinica, "
              "CodigoDoVeterinario, CodigoDoCliente, CodigoDoAnimal, DataEHoraDaInclusao) VALUES "
              "(8, '1', 'g', 'Intravenosa', '2026-11-19 00:00:00', '1899-12-30 23:00:00', 812, 3, 95, 140, "
              "'2026-11-19 23:01:00'), (99, '1', 'g', 'Oral', '2026-11-20 00:00:00', '1899-12-30 23:00:00', 812, 3, "
              "95, 140, '2026-11-20 23:01:00')");  // 99: no such medicine, the join hides it
    // A number in the search box is a record's.
    ASSERT_EQ(medicacao->Selecionar(2, 0, Variant("812"), 0, 798, 12, 120), 0) << medicacao->DescricaoDoErro();
    EXPECT_EQ(db.traced("Open").back(), corpus("medicacoes-lista-ficha-atual"));
    ASSERT_EQ(medicacao->Selecionar(1, 2, Variant(""), 1, 812), 0);
    EXPECT_EQ(db.traced("Open").back(), corpus("medicacoes-lista-ficha-atual"));
    auto& rs = *medicacao->ResultadoDaSelecaoEmRecordset();
    EXPECT_EQ(columnValues(rs, "Data"), (Rows{"19/11/2026", "20/11/2026", "20/11/2026", "20/11/2026"}));
    EXPECT_EQ(columnValues(rs, "Hora"), (Rows{"23:00", "20:00", "14:00", "10:30"}));
    EXPECT_EQ(columnValues(rs, "NomeDoMedicamento"), (Rows{"Ceftriaxona", "Cloridrato de tramadol", "Ondansetrona", "Dipirona sódica"}));
}

TEST_F(MedicacoesTest, EarlierRecordsModeListsTheAnimalsOtherEntries) {
    ASSERT_EQ(medicacao->Selecionar(2, 0, Variant(), 2, 812, 95, 140), 0);
    EXPECT_EQ(db.traced("Open").back(), corpus("medicacoes-lista-fichas-anteriores"));
    EXPECT_EQ(columnValues(*medicacao->ResultadoDaSelecaoEmRecordset(), "NumeroDaFichaClinica"), Rows{"798"});
    // With nothing to select by, every entry is listed.
    ASSERT_EQ(medicacao->Selecionar(2, 0, Variant("Thor"), 1), 0) << medicacao->DescricaoDoErro();
    EXPECT_EQ(db.traced("Open").back(), corpus("medicacoes-lista-sem-condicao", {{"WHERE ORDER BY", "ORDER BY"}}));
    EXPECT_EQ(medicacao->ResultadoDaSelecaoEmRecordset()->RecordCount(), 5);
    // "0" typed is a record number like any other: nothing is attached to record 0 in the demo.
    ASSERT_EQ(medicacao->Selecionar(2, 0, Variant("0"), 1, 812), 0);
    EXPECT_EQ(medicacao->ResultadoDaSelecaoEmRecordset()->RecordCount(), 0);
    EXPECT_EQ(medicacao->DescricaoDaFalha(), "Nenhuma medicação encontrada com as especificações informadas.");
}

TEST_F(MedicacoesTest, InsertionAndDeletionHaveTheirOwnRulesInTheirOwnOrder) {
    struct Case { std::int16_t operacao; std::function<void(clsMedicacoes&)> change; std::string expected; };
    const std::vector<Case> cases = {
        {1, [](auto& m) { m.CodigoDoMedicamento(0); }, "Informe o código do medicamento.|CodigoDoMedicamento"},
        {2, [](auto& m) { m.Quantidade(""); m.Hora({}); }, "Informe a quantidade.|Quantidade"},
        {1, [](auto& m) { m.Unidade(""); }, "Informe a unidade.|Unidade"},
        {2, [](auto& m) { m.Via(""); }, "Informe a via.|Via"},
        {1, [](auto& m) { m.Hora({}); }, "Informe a hora.|Hora"},
        {1, [](auto& m) { m.Hora(at(2026, 12, 14)); }, ""},  // midnight of a day is not the zero date-time
        {3, [](auto& m) { m.CodigoDoMedicamento(0); m.NumeroDaFichaClinica(0); }, "Informe o código do medicamento.|CodigoDoMedicamento"},
        {3, [](auto& m) { m.NumeroDaFichaClinica(0); m.CodigoDoCliente(0); }, "Informe o número da ficha clínica.|NumeroDaFichaClinica"},
        {3, [](auto& m) { m.CodigoDoCliente(0); m.CodigoDoAnimal(0); }, "Informe o código do cliente.|CodigoDoCliente"},
        {3, [](auto& m) { m.CodigoDoAnimal(0); }, "Informe o código do animal.|CodigoDoAnimal"},
        {3, [](auto& m) { m.Quantidade(""); m.Hora({}); m.CodigoDoCliente(-1); }, ""},  // a deletion checks the key only
    };
    for (const Case& c : cases) {
        auto m = std::make_shared<clsMedicacoes>();
        fillMetronidazol(*m);
        c.change(*m);
        platform::ObjectRef rs;
        const std::int16_t code = m->ValidarDados(c.operacao, nullptr, rs);
        EXPECT_EQ(code, c.expected.empty() ? 0 : 2) << c.expected;
        EXPECT_EQ(code == 2 ? m->DescricaoDaFalha() + "|" + m->NomeDoCampoValidado() : std::string(), c.expected);
    }

    db.clearTrace();
    medicacao->Quantidade("1");
    EXPECT_EQ(medicacao->Adicionar(), 2);
    EXPECT_EQ(medicacao->NomeDoCampoValidado(), "CodigoDoMedicamento");
    key(*medicacao, 5, at(2026, 11, 20, 14, 3, 51), 0);
    EXPECT_EQ(medicacao->Excluir(), 2);
    EXPECT_EQ(medicacao->NomeDoCampoValidado(), "NumeroDaFichaClinica");
    EXPECT_TRUE(db.traced("Execute").empty());  // nothing written, no clock read
}

}  // namespace
}  // namespace zolk::medicacoes::test
