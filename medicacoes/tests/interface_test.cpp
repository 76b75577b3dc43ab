// The dispatch interface _clsMedicacoes in slot order, `fichas members`, and calls by name as a
// front end makes them.
#include <sstream>

#include "cli/command.h"
#include "medicacoes/tests/fixture.h"

namespace zolk::medicacoes::test {
namespace {

TEST_F(MedicacoesTest, InterfaceHasItsMembersInSlotOrder) {
    using K = platform::MemberKind;
    const std::vector<std::pair<std::string, K>> expected = {
        {"Adicionar", K::Operation}, {"Alterar", K::Operation}, {"Excluir", K::Operation},
        {"Selecionar", K::Operation}, {"ResultadoDaSelecaoEmRecordset", K::Get}, {"NumeroTotalDeRegistros", K::Get},
        {"CodigoDoMedicamento", K::Let}, {"Quantidade", K::Let}, {"Unidade", K::Let}, {"Via", K::Let},
        {"Data", K::Let}, {"Hora", K::Let}, {"Observacao", K::Let}, {"NumeroDaFichaClinica", K::Let},
        {"CodigoDoVeterinario", K::Let}, {"CodigoDoCliente", K::Let}, {"CodigoDoAnimal", K::Let},
        {"DataHoraDeInclusao", K::Let}, {"DataHoraDaAtualizacao", K::Get}, {"DadosDoUsuario", K::Set},
        {"NumeroDoErro", K::Get}, {"DescricaoDoErro", K::Get}, {"LocalDoErro", K::Get},
        {"DescricaoDaFalha", K::Get}, {"ValidarDados", K::Operation}, {"NomeDoCampoValidado", K::Get}};
    const auto& members = medicacao->memberTable().members();
    ASSERT_EQ(members.size(), expected.size());
    for (std::size_t slot = 0; slot < members.size(); ++slot) {
        EXPECT_EQ(members[slot].name, expected[slot].first) << slot;
        EXPECT_EQ(members[slot].kind, expected[slot].second) << slot;
    }

    std::ostringstream out, err;
    ASSERT_EQ(cli::listMembers("clsMedicacoes", out, err), 0) << err.str();
    for (const char* line : {"\n10\tData\tLet\t(RHS As Date)\n", "\n12\tObservacao\tLet\t(RHS As String)\n",
                             "\n17\tDataHoraDeInclusao\tLet\t(RHS As Date)\n"})
        EXPECT_NE(out.str().find(line), std::string::npos) << line << out.str();
}

TEST_F(MedicacoesTest, AFrontEndRecordsAMedicationByNameAndChangesItThroughItsKey) {
    platform::ObjectRef m = platform::CreateObject(ProgId);
    m->set("DadosDoUsuario", ana);
    m->let("CodigoDoMedicamento", Variant(2.0));
    m->let("Quantidade", Variant("0,3"));
    m->let("Unidade", Variant("ml"));
    m->let("Via", Variant("Subcutânea"));
    m->let("Data", Variant("07/03/2026"));  // typed dates, read day first
    m->let("Hora", Variant("16:45"));
    m->let("NumeroDaFichaClinica", Variant(812.0));
    m->let("CodigoDoVeterinario", Variant(3.0));
    m->let("CodigoDoCliente", Variant(95.0));
    m->let("CodigoDoAnimal", Variant(140.0));
    ASSERT_EQ(platform::CInt(m->call("Adicionar")), 0) << platform::CStr(m->get("DescricaoDoErro"));
    EXPECT_EQ(db.scalar("SELECT Data || '|' || Hora FROM Medicacoes WHERE CodigoDoMedicamento = 2 AND Numero > 5"),
              "2026-03-07 00:00:00|1899-12-30 16:45:00");

    m->let("DataHoraDeInclusao", m->get("DataHoraDaAtualizacao"));
    m->let("Hora", Variant("17:00"));
    ASSERT_EQ(platform::CInt(m->call("Alterar")), 0);
    EXPECT_EQ(db.scalar("SELECT Hora FROM Medicacoes WHERE CodigoDoMedicamento = 2 AND Numero > 5"), "1899-12-30 17:00:00");
    EXPECT_EQ(platform::CDbl(m->get("NumeroTotalDeRegistros")), 0);
}

}  // namespace
}  // namespace zolk::medicacoes::test
