// The guided tour's postings: the consultation charged as a service, a product sold at the desk
// leaving stock, and an accepted budget imported with the veterinarian's commission.
#include <vector>

#include "cli/demo_tour_narrator.h"
#include "platform/conversions.h"

namespace zolk::cli {

namespace {

using platform::ObjectRef;
using platform::Variant;

constexpr const char* ProcedimentosProgId = "ZOLK_N_FichasClinicas.clsProcedimentos";

void showStock(TourNarrator& tour, const char* produto) {
    ObjectRef rs = tour.select("SELECT Nome, SaldoEmEstoque FROM Produtos WHERE CodigoInterno = " + std::string(produto));
    tour.say("Estoque de " + field(rs, "Nome") + ": " + field(rs, "SaldoEmEstoque"));
}

ObjectRef newPosting(const ObjectRef& user, const std::string& numero) {
    ObjectRef p = platform::CreateObject(ProcedimentosProgId);
    p->set("DadosDoUsuario", user);
    p->let("NumeroDaFichaClinica", Variant(numero));
    p->let("CodigoDoVeterinario", Variant(3.0));
    p->let("CodigoDoCliente", Variant(95.0));
    p->let("CodigoDoAnimal", Variant(140.0));
    return p;
}

void postService(TourNarrator& tour, const ObjectRef& user, const std::string& numero) {
    tour.step("A consulta " + numero + " é lançada como serviço");
    ObjectRef p = newPosting(user, numero);
    p->let("TipoDeLancamento", Variant("1"));
    p->let("TipoDeVenda", Variant(std::int16_t{1}));
    p->let("NumeroDoTipoDeProcedimento", Variant(1.0));
    p->let("CodigoDoProcedimento", Variant(1.0));
    p->let("Observacao", Variant("Consulta de Thor"));
    p->let("Quantidade", Variant("1"));
    for (const char* amount : {"ValorUnitario", "ValorTotal", "ValorLiquido"}) p->let(amount, Variant("150"));
    p->let("FuncionarioComissionado", Variant(true));
    p->let("PercentualDeComissaoDoVeterinario", Variant("15"));
    p->let("ValorDaComissaoDoVeterinario", Variant("22,5"));
    tour.say("Ana lança a consulta clínica (serviço 1): R$ 150,00, com 15% de comissão, e chama Adicionar.");
    tour.expect(p, "Adicionar", platform::CInt(p->call("Adicionar")), 0);
    tour.say("Lançamento de serviço nº " + text(p->get("NumeroDeLancamentoGerado")) + " em " +
             text(p->get("DataDeLancamento")) + ".");
}

void sellProduct(TourNarrator& tour, const ObjectRef& user, const std::string& numero) {
    tour.step("Dois Meloxicam vendidos no balcão saem do estoque");
    showStock(tour, "5");
    ObjectRef p = newPosting(user, numero);
    p->let("TipoDeLancamento", Variant("2"));
    p->let("TipoDeVenda", Variant(std::int16_t{1}));
    p->let("CodigoInternoDoProduto", Variant(5.0));
    p->let("Observacao", Variant("Para casa: meio comprimido ao dia"));
    p->let("Quantidade", Variant("2"));
    p->let("ValorUnitario", Variant("41,5"));
    p->let("ValorTotal", Variant("83"));
    p->let("ValorLiquido", Variant("83"));
    p->let("Custo", Variant("44"));
    p->let("FuncionarioComissionado", Variant(true));
    p->let("PercentualDeComissaoDoVeterinario", Variant("5"));
    p->let("ValorDaComissaoDoVeterinario", Variant("4,15"));
    tour.say("Ana reserva 2 caixas de Meloxicam (produto 5) para a pré-venda e chama Adicionar.");
    tour.expect(p, "Adicionar", platform::CInt(p->call("Adicionar")), 0);
    tour.say("Reserva nº " + text(p->get("NumeroDeLancamentoGerado")) + ".");
    showStock(tour, "5");
    ObjectRef h = tour.select("SELECT SaldoAnterior, QuantidadeMovimentada, SaldoAtual, Observacao FROM "
                              "HistoricoDeProdutos WHERE CodigoInternoDoProduto = 5 ORDER BY Numero DESC");
    tour.say("Histórico: " + field(h, "SaldoAnterior") + " - " + field(h, "QuantidadeMovimentada") + " = " +
             field(h, "SaldoAtual") + " (\"" + field(h, "Observacao") + "\")");
}

void importBudget(TourNarrator& tour, const ObjectRef& user, const std::string& numero) {
    tour.step("O orçamento 7, aprovado pela cliente, entra na ficha " + numero);
    ObjectRef itens = tour.select("SELECT * FROM ItensDoOrcamento WHERE NumeroDoOrcamento = 7 "
                                  "ORDER BY NumeroDoItemDoOrcamento");
    for (itens->call("MoveFirst"); !platform::CBool(itens->get("EOF")); itens->call("MoveNext"))
        tour.say("Item " + field(itens, "NumeroDoItemDoOrcamento") + ": " + field(itens, "Descricao") + ", R$ " +
                 field(itens, "ValorTotal"));
    ObjectRef p = newPosting(user, numero);
    p->let("Observacao", Variant("Orçamento 7 aprovado"));
    p->let("OrcamentoImportado", Variant(true));
    p->set("DadosDosItensDoOrcamento", itens);
    tour.say("Ana passa os itens ao objeto, marca OrcamentoImportado e chama Adicionar.");
    tour.expect(p, "Adicionar", platform::CInt(p->call("Adicionar")), 0);
    ObjectRef left = tour.select("SELECT COUNT(*) AS Itens FROM ItensDoOrcamento WHERE NumeroDoOrcamento = 7");
    ObjectRef budgets = tour.select("SELECT COUNT(*) AS Orcamentos FROM Orcamentos WHERE NumeroDoOrcamento = 7");
    tour.say("Itens que restam do orçamento: " + field(left, "Itens") + "; orçamento 7 na base: " +
             field(budgets, "Orcamentos") + ".");
    showStock(tour, "5");
}

void listPostings(TourNarrator& tour, const ObjectRef& user, const std::string& numero) {
    tour.step("Os lançamentos da ficha " + numero + ", com a comissão de Ana");
    ObjectRef p = newPosting(user, numero);
    std::vector<Variant> args{Variant(std::int32_t{2}), Variant(std::int16_t{0}), Variant(), Variant(std::int16_t{1}),
                              Variant(numero)};
    tour.expect(p, "Selecionar", platform::CInt(p->invoke("Selecionar", platform::MemberKind::Operation, args)), 0);
    const ObjectRef rs = p->get("ResultadoDaSelecaoEmRecordset").asObject();
    for (rs->call("MoveFirst"); !platform::CBool(rs->get("EOF")); rs->call("MoveNext"))
        tour.say("  nº " + field(rs, "NumeroDeLancamento") + "  " + field(rs, "NomeDoServicoOuNomeDoProduto") + "  qtd " +
                 field(rs, "Quantidade") + "  R$ " + field(rs, "ValorTotal") + "  comissão " +
                 field(rs, "PercentualDeComissaoDoFuncionario") + "% = R$ " + field(rs, "ValorDaComissaoDoFuncionario"));
}

}  // namespace

void postCharges(TourNarrator& tour, const ObjectRef& user, const std::string& numero) {
    postService(tour, user, numero);
    sellProduct(tour, user, numero);
    importBudget(tour, user, numero);
    listPostings(tour, user, numero);
}

}  // namespace zolk::cli
