// The dispatch interface _clsProcedimentos in slot order, `fichas members`, and the class used
// by name as a script or a late-bound front end uses it.
#include <sstream>

#include "cli/command.h"
#include "cli/demo_tour.h"
#include "components/provider/settings.h"
#include "procedimentos/tests/fixture.h"

namespace zolk::procedimentos::test {
namespace {

TEST_F(ProcedimentosTest, InterfaceHasItsFortyMembersInSlotOrder) {
    using K = platform::MemberKind;
    const std::vector<std::pair<const char*, K>> expected = {
        {"Adicionar", K::Operation}, {"Alterar", K::Operation}, {"Excluir", K::Operation}, {"Selecionar", K::Operation},
        {"ResultadoDaSelecaoEmRecordset", K::Get}, {"NumeroTotalDeRegistros", K::Get},
        {"NumeroDeLancamentoGerado", K::Get}, {"NumeroDeLancamento", K::Let}, {"DataDeLancamento", K::Get},
        {"NumeroDaFichaClinica", K::Let}, {"NumeroDoOrcamento", K::Let}, {"CodigoDoCliente", K::Let},
        {"CodigoDoVeterinario", K::Let}, {"CodigoDoAnimal", K::Let}, {"NumeroDoTipoDeProcedimento", K::Let},
        {"CodigoDoProcedimento", K::Let}, {"Observacao", K::Let}, {"ValorUnitario", K::Let},
        {"DescontoEmPercentual", K::Let}, {"DescontoEmValor", K::Let}, {"ValorLiquido", K::Let}, {"Custo", K::Let},
        {"FuncionarioComissionado", K::Let}, {"PercentualDeComissaoDoVeterinario", K::Let},
        {"ValorDaComissaoDoVeterinario", K::Let}, {"TipoDeLancamento", K::Let}, {"TipoDeVenda", K::Let},
        {"CodigoInternoDoProduto", K::Let}, {"Quantidade", K::Let}, {"ValorTotal", K::Let},
        {"DataHoraDaAtualizacao", K::Get}, {"DadosDoUsuario", K::Set}, {"NumeroDoErro", K::Get},
        {"DescricaoDoErro", K::Get}, {"LocalDoErro", K::Get}, {"DescricaoDaFalha", K::Get},
        {"ValidarDados", K::Operation}, {"NomeDoCampoValidado", K::Get}, {"OrcamentoImportado", K::Let},
        {"DadosDosItensDoOrcamento", K::Set}};
    const auto& members = p->memberTable().members();
    ASSERT_EQ(members.size(), 40u);
    for (std::size_t slot = 0; slot < 40; ++slot) {
        EXPECT_EQ(members[slot].name, expected[slot].first) << slot;
        EXPECT_EQ(members[slot].kind, expected[slot].second) << slot;
    }

    std::ostringstream out, err;
    ASSERT_EQ(cli::listMembers("ZOLK_N_FichasClinicas.clsProcedimentos", out, err), 0) << err.str();
    for (const char* line :
         {"3\tSelecionar\toperation\t(lenuTipoDeLista As Long, lintTamanhoDaPagina As Integer, lvarCodigoOuNomeParaFiltro "
          "As Variant, lintProcedimentosDaFichaAtualOuDasFichasAnteriores As Integer, Optional ldouNumeroDaFichaClinica "
          "As Double, Optional ldouCodigoDoCliente As Double, Optional ldouCodigoDoAnimal As Double) As Integer\n",
          "\n6\tNumeroDeLancamentoGerado\tGet\t() As Long\n", "\n17\tValorUnitario\tLet\t(RHS As Currency)\n",
          "\n26\tTipoDeVenda\tLet\t(RHS As Integer)\n", "\n39\tDadosDosItensDoOrcamento\tSet\t(RHS As Object)\n"})
        EXPECT_NE(out.str().find(line), std::string::npos) << line;
}

TEST_F(ProcedimentosTest, APostingByNameAsAFrontEndMakesIt) {
    platform::ObjectRef o = platform::CreateObject(ProgId);
    o->set("DadosDoUsuario", ana);
    EXPECT_EQ(platform::CLng(o->get("NumeroDeLancamentoGerado")), 0);
    EXPECT_EQ(platform::CStr(o->get("DataDeLancamento")), "");
    for (const auto& [name, value] :
         std::vector<std::pair<std::string, Variant>>{{"TipoDeLancamento", Variant(std::string("2"))},
                                                      {"TipoDeVenda", Variant(std::int16_t{2})},
                                                      {"NumeroDaFichaClinica", Variant(812.0)},
                                                      {"CodigoDoVeterinario", Variant(3.0)},
                                                      {"CodigoDoCliente", Variant(95.0)},
                                                      {"CodigoInternoDoProduto", Variant(7.0)},
                                                      {"Quantidade", Variant(std::string("1,5"))},  // coerced to currency
                                                      {"ValorTotal", Variant(329.85)},
                                                      {"FuncionarioComissionado", Variant(true)}})
        o->let(name, value);
    ASSERT_EQ(platform::CInt(o->call("Adicionar")), 0) << platform::CStr(o->get("DescricaoDoErro"));
    const std::string n = std::to_string(platform::CLng(o->get("NumeroDeLancamentoGerado")));
    EXPECT_EQ(db.scalar("SELECT Quantidade || '|' || ValorTotal || '|' || TipoDeVenda || '|' || FuncionarioComissionado "
                        "FROM ProdutosReservados WHERE NumeroDeLancamento = " + n),
              "1.5|329.85|2|-1");
    EXPECT_EQ(balance(7), "6.5000");
    EXPECT_EQ(platform::CStr(o->get("DataDeLancamento")), platform::CStr(o->get("DataHoraDaAtualizacao")).substr(0, 10));

    // Listing it by number through the dispatch interface.
    ASSERT_EQ(platform::CInt(o->call("Selecionar", {Variant(std::int32_t{2}), Variant(std::int16_t{0}), Variant(n),
                                                    Variant(std::int16_t{1})})),
              0);
    auto rs = std::dynamic_pointer_cast<ado::Recordset>(o->get("ResultadoDaSelecaoEmRecordset").asObject());
    ASSERT_TRUE(rs);
    EXPECT_EQ(platform::CStr(rs->value("Quantidade")), "1,500");
}

TEST_F(ProcedimentosTest, GuidedTourChargesTheConsultationAndImportsTheBudget) {
    const std::string url = (db.folder() / "tour.db").string();
    std::ostringstream out;
    ASSERT_EQ(cli::runDemoTour(url, out), 0) << out.str();
    for (const char* line : {"Estoque de Meloxicam 2 mg comprimidos: 40\n", "Estoque de Meloxicam 2 mg comprimidos: 38\n",
                             "Histórico: 40 - 2 = 38 (\"Saída por Pré-Venda na ficha clínica no. 813\")",
                             "Itens que restam do orçamento: 0; orçamento 7 na base: 0.",
                             "Estoque de Meloxicam 2 mg comprimidos: 37\n",
                             "Limpeza de tártaro  qtd 1  R$ 600,00  comissão 22,50% = R$ 135,00"})
        EXPECT_NE(out.str().find(line), std::string::npos) << line << "\n" << out.str();

    // The record's postings as the tour left them: the consultation, two Meloxicam, and the budget's three items.
    components::setDatabaseOverride(url);
    ASSERT_EQ(p->Selecionar(2, 0, Variant(), 1, 813), 0) << p->DescricaoDoErro();
    EXPECT_EQ(p->ResultadoDaSelecaoEmRecordset()->RecordCount(), 5);
    components::setDatabaseOverride(db.url());
}

}  // namespace
}  // namespace zolk::procedimentos::test
