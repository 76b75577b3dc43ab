// Adicionar of a single posting: statement texts and order, the stock it moves, and failures.
#include "procedimentos/tests/fixture.h"

namespace zolk::procedimentos::test {
namespace {

TEST_F(ProcedimentosTest, AServicePostingIsWrittenToTheLetterInOneTransaction) {
    fillService(*p);
    ASSERT_EQ(p->Adicionar(), 0) << p->DescricaoDoErro();
    // The transaction begins before the clock is read.
    EXPECT_EQ(ops(), (std::vector<std::string>{"BeginTrans", "Execute", "Execute", "Execute", "CommitTrans"}));
    const auto sql = db.traced("Execute");
    EXPECT_EQ(sql[0], corpus("procedimentos-relogio"));
    EXPECT_EQ(sql[1], corpus("procedimentos-servico-insert", stampedAt("15/12/2026 10:30:00")));
    EXPECT_EQ(sql[2], "SELECT @@Identity");
}

TEST_F(ProcedimentosTest, AProductPostingTakesItsQuantityFromStockInFiveStatements) {
    fillProduct(*p);
    ASSERT_EQ(p->Adicionar(), 0) << p->DescricaoDoErro();
    const auto at = stampedAt("15/12/2026 10:30:00");
    EXPECT_EQ(db.traced("Execute"),
              (std::vector<std::string>{corpus("procedimentos-relogio"), corpus("procedimentos-produto-saldo"),
                                        corpus("procedimentos-produto-estoque"), corpus("procedimentos-produto-historico", at),
                                        corpus("procedimentos-produto-insert", at), "SELECT @@Identity"}));
    EXPECT_EQ(balance(5), "39.0000");
    EXPECT_EQ(history(5).back(), "3|40.0000|1.0000|39.0000|Saída por Pré-Venda na ficha clínica no. 812");
    // The number of the reservation, not of the history row written before it.
    EXPECT_EQ(std::to_string(p->NumeroDeLancamentoGerado()), db.scalar("SELECT MAX(NumeroDeLancamento) FROM ProdutosReservados"));
}

// A quantity moves with all four decimals; the balance is rounded to three, half away from zero,
// and written with two.
TEST_F(ProcedimentosTest, StockBalancesAreRoundedToThreeDecimalsAndMayGoBelowZero) {
    struct Case { double start, quantity; const char *row, *stored; };
    for (const Case& c : {Case{1, 3, "3|1.0000|3.0000|-2.0000", "-2.0000"},
                          Case{37.5, 1.2345, "3|37.5000|1.2345|36.2660", "36.2700"}}) {
        db.native("UPDATE Produtos SET SaldoEmEstoque = " + platform::amountTextPlain(cur(c.start)) + " WHERE CodigoInterno = 8");
        auto o = another();
        fillProduct(*o, 8, c.quantity);
        ASSERT_EQ(o->Adicionar(), 0) << o->DescricaoDoErro();
        EXPECT_EQ(history(8).back(), std::string(c.row) + "|Saída por Pré-Venda na ficha clínica no. 812") << c.start;
        EXPECT_EQ(balance(8), c.stored) << c.start;
    }
}

// The user's name in the stock history is doubled where it is written.
TEST_F(ProcedimentosTest, TypedTextsOfAProductPostingStayLiterals) {
    fillProduct(*p);
    p->Observacao("Retirar à tarde, 'sem' falta");
    p->DadosDoUsuario(userNamed("Sant'Anna"));
    ASSERT_EQ(p->Adicionar(), 0) << p->DescricaoDoErro();
    EXPECT_EQ(db.scalar("SELECT UsuarioDaInclusao FROM HistoricoDeProdutos ORDER BY Numero DESC LIMIT 1"), "Sant'Anna");
}

TEST_F(ProcedimentosTest, ValidationReadsTheKindByItsLeadingNumber) {
    struct Case { const char* kind; double tipo, servico, produto, quantidade; std::int16_t result; const char *message, *field; };
    platform::ObjectRef rs;
    for (const Case& c : {Case{"1", 0, 3, 0, 1, 2, "Selecione um tipo de procedimento.", "NumeroDoTipoDeProcedimento"},
                          Case{"1", 1, 0, 0, 1, 2, "Informe um procedimento.", "CodigoDoProcedimento"},
                          Case{"1a", 1, 3, 0, 1, 0, "", ""},  // leading number 1: a service
                          Case{"", 0, 0, 0, 1, 2, "Informe o produto.", "CodigoInternoDoProduto"},
                          Case{"abc", 0, 0, 5, 0, 2, "Informe a quantidade.", "Quantidade"}}) {
        for (std::int16_t operacao : {1, 2}) {
            clsProcedimentos o;
            o.TipoDeLancamento(c.kind), o.NumeroDoTipoDeProcedimento(c.tipo), o.CodigoDoProcedimento(c.servico);
            o.CodigoInternoDoProduto(c.produto), o.Quantidade(cur(c.quantidade));
            EXPECT_EQ(o.ValidarDados(operacao, nullptr, rs), c.result) << c.kind << " " << c.message;
            EXPECT_EQ(o.DescricaoDaFalha(), c.message);
            EXPECT_EQ(o.NomeDoCampoValidado(), c.field);
        }
    }
    // A failed rule ends Adicionar and Alterar before any transaction.
    fillService(*p);
    p->Quantidade(Currency());
    EXPECT_EQ(p->Adicionar(), 2);
    EXPECT_EQ(p->Alterar(), 2);
    EXPECT_TRUE(db.trace().empty());
}

}  // namespace
}  // namespace zolk::procedimentos::test
