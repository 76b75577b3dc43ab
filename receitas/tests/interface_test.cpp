// The dispatch interface _clsReceitas in slot order, `fichas members`, and calls by name as a
// front end makes them.
#include <sstream>

#include "cli/command.h"
#include "receitas/tests/fixture.h"

namespace zolk::receitas::test {
namespace {

TEST_F(ReceitasTest, InterfaceHasItsMembersInSlotOrder) {
    using K = platform::MemberKind;
    const std::vector<std::pair<std::string, K>> expected = {
        {"Adicionar", K::Operation}, {"Alterar", K::Operation}, {"Excluir", K::Operation},
        {"Selecionar", K::Operation}, {"SelecionarReceitaControladaParaImpressao", K::Operation},
        {"ResultadoDaSelecaoEmRecordset", K::Get}, {"ResultadoDaSelecaoParaImpressaoEmRecordset", K::Get},
        {"NumeroTotalDeRegistros", K::Get}, {"NumeroGerado", K::Get}, {"Numero", K::Let},
        {"DataDeEmissao", K::Get}, {"NumeroDaFichaClinica", K::Let}, {"CodigoDoCliente", K::Let},
        {"CodigoDoAnimal", K::Let}, {"ReceitaControlada", K::Let}, {"Prescricao", K::Let},
        {"CodigoDoVeterinario", K::Let}, {"DataHoraDaAtualizacao", K::Get}, {"DadosDoUsuario", K::Set},
        {"NumeroDoErro", K::Get}, {"DescricaoDoErro", K::Get}, {"LocalDoErro", K::Get},
        {"DescricaoDaFalha", K::Get}, {"ValidarDados", K::Operation}, {"NomeDoCampoValidado", K::Get}};
    const auto& members = receita->memberTable().members();
    ASSERT_EQ(members.size(), expected.size());
    for (std::size_t slot = 0; slot < members.size(); ++slot) {
        EXPECT_EQ(members[slot].name, expected[slot].first) << slot;
        EXPECT_EQ(members[slot].kind, expected[slot].second) << slot;
    }

    std::ostringstream out, err;
    ASSERT_EQ(cli::listMembers("ZOLK_N_FichasClinicas.clsReceitas", out, err), 0) << err.str();
    EXPECT_NE(out.str().find("3\tSelecionar\toperation\t(lenuTipoDeLista As Long, lintTamanhoDaPagina As Integer, "
                             "lvarCodigoOuNomeParaFiltro As Variant, lintReceitasDaFichaAtualOuDasFichasAnteriores As "
                             "Integer, Optional ldouNumeroDaFichaClinica As Double, Optional ldouCodigoDoCliente As "
                             "Double, Optional ldouCodigoDoAnimal As Double) As Integer\n"),
              std::string::npos)
        << out.str();
    EXPECT_NE(out.str().find("\n14\tReceitaControlada\tLet\t(RHS As Boolean)\n"), std::string::npos);
}

TEST_F(ReceitasTest, AFrontEndRecordsAndListsAPrescriptionByName) {
    platform::ObjectRef r = platform::CreateObject(ProgId);
    r->set("DadosDoUsuario", ana);
    r->let("NumeroDaFichaClinica", Variant("812"));  // coerced as automation does
    r->let("CodigoDoCliente", Variant(95.0));
    r->let("CodigoDoAnimal", Variant(std::int16_t(140)));
    r->let("CodigoDoVeterinario", Variant(3.0));
    r->let("ReceitaControlada", Variant(true));
    r->let("Prescricao", Variant("Cloridrato de tramadol 50 mg"));
    ASSERT_EQ(platform::CInt(r->call("Adicionar")), 0) << platform::CStr(r->get("DescricaoDoErro"));
    const Variant numero = r->get("NumeroGerado");

    ASSERT_EQ(platform::CInt(r->call("Selecionar", {Variant(std::int32_t(2)), Variant(std::int16_t(0)), numero,
                                                    Variant(std::int16_t(1))})),
              0);
    auto rs = std::dynamic_pointer_cast<ado::Recordset>(r->get("ResultadoDaSelecaoEmRecordset").asObject());
    ASSERT_TRUE(rs);
    EXPECT_EQ(columnValues(*rs, "ReceitaControlada"), std::vector<std::string>{"Sim"});
    EXPECT_EQ(columnValues(*rs, "UsuarioDaInclusao"), std::vector<std::string>{"ana"});
    EXPECT_EQ(platform::CDbl(r->get("NumeroTotalDeRegistros")), 0);
}

}  // namespace
}  // namespace zolk::receitas::test
