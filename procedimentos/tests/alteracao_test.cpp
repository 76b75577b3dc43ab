// Alterar and Excluir: statement texts and order, the stock movements, a billed posting refused.
#include "procedimentos/tests/fixture.h"

namespace zolk::procedimentos::test {
namespace {

TEST_F(ProcedimentosTest, AServiceChangeIsWrittenToTheLetter) {
    fillService(*p);
    ASSERT_EQ(p->Adicionar(), 0);
    const std::string n = std::to_string(p->NumeroDeLancamentoGerado());
    p->NumeroDeLancamento(p->NumeroDeLancamentoGerado());
    p->Observacao("Dipirona IV lenta");
    p->Quantidade(cur(2));
    p->ValorTotal(cur(60));
    p->ValorLiquido(cur(60));
    p->Custo(cur(11));
    p->ValorDaComissaoDoVeterinario(cur(9));
    db.clearTrace();
    ASSERT_EQ(p->Alterar(), 0) << p->DescricaoDoErro();
    // The clock is read before the transaction.
    EXPECT_EQ(ops(), (std::vector<std::string>{"Execute", "BeginTrans", "Execute", "CommitTrans"}));
    EXPECT_EQ(db.traced("Execute")[1], corpus("procedimentos-servico-update", {{"=206;", "=" + n + ";"},
                                                                               {"15/12/2026 11:02:33", p->DataHoraDaAtualizacao()}}));
}

TEST_F(ProcedimentosTest, AProductChangeGivesTheOldQuantityBackAndTakesTheNewOne) {
    fillProduct(*p);
    ASSERT_EQ(p->Adicionar(), 0);
    const std::string n = std::to_string(p->NumeroDeLancamentoGerado());
    p->NumeroDeLancamento(p->NumeroDeLancamentoGerado());
    p->Quantidade(cur(3));
    p->ValorTotal(cur(124.5));
    p->ValorLiquido(cur(124.5));
    p->Custo(cur(66));
    p->ValorDaComissaoDoVeterinario(cur(6.225));
    db.clearTrace();
    ASSERT_EQ(p->Alterar(), 0) << p->DescricaoDoErro();
    const auto at = stampedAt("15/12/2026 11:05:00");
    const std::pair<std::string, std::string> row{"= 405", "= " + n}, where{"=405;", "=" + n + ";"};
    EXPECT_EQ(db.traced("Execute"),
              (std::vector<std::string>{corpus("procedimentos-relogio"), corpus("procedimentos-produto-update-anterior", {row}),
                                        corpus("procedimentos-produto-update-saldo-antigo"),
                                        corpus("procedimentos-produto-update-devolve"),
                                        corpus("procedimentos-produto-update-historico-entrada", at),
                                        corpus("procedimentos-produto-update-saldo-novo"),
                                        corpus("procedimentos-produto-update-retira"),
                                        corpus("procedimentos-produto-update-historico-saida", at),
                                        corpus("procedimentos-produto-update", {at[0], where})}));
    EXPECT_EQ(balance(5), "37.0000");
}

TEST_F(ProcedimentosTest, ChangingTwoUnitsToFiveOfTheSameProductReadsTheBalanceJustWritten) {
    db.native("UPDATE Produtos SET SaldoEmEstoque = 10 WHERE CodigoInterno = 5");
    fillProduct(*p, 5, 5);  // posting 402 of the demo: two Meloxicam
    p->NumeroDeLancamento(402);
    p->NumeroDaFichaClinica(900);
    ASSERT_EQ(p->Alterar(), 0) << p->DescricaoDoErro();
    const auto rows = history(5);
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ(rows[rows.size() - 2], "5|10.0000|2.0000|12.0000|Entrada por alteração da Pré-Venda na ficha clínica no. 900");
    EXPECT_EQ(rows.back(), "3|12.0000|5.0000|7.0000|Saída por Pré-Venda na ficha clínica no. 900");
    EXPECT_EQ(balance(5), "7.0000");
}

TEST_F(ProcedimentosTest, AChangeThatCannotRunChangesNothing) {
    const std::string movements = count("HistoricoDeProdutos");
    struct Case { const char* kind; double numero; std::int32_t error; };
    for (const Case& c : {Case{"7", 402, platform::err::InvalidProcedureCall},
                          Case{"2", 4242, platform::err::AdoNoCurrentRecord}}) {
        auto o = another();
        fillProduct(*o, 5, 9);
        o->TipoDeLancamento(c.kind), o->NumeroDeLancamento(c.numero);
        EXPECT_EQ(o->Alterar(), 1) << c.kind;
        EXPECT_EQ(o->NumeroDoErro(), c.error) << c.kind;
        EXPECT_EQ(o->LocalDoErro(), location("Alterar", 6));
    }
    EXPECT_EQ(count("HistoricoDeProdutos"), movements);
    EXPECT_EQ(balance(5), "40.0000");
}

TEST_F(ProcedimentosTest, AProductDeletionGivesItsQuantityBack) {
    p->TipoDeLancamento("2");
    p->NumeroDeLancamento(403);
    p->NumeroDaFichaClinica(812);
    ASSERT_EQ(p->Excluir(), 0) << p->DescricaoDoErro();
    const auto at = stampedAt("15/12/2026 11:12:48");
    EXPECT_EQ(db.traced("Execute"),
              (std::vector<std::string>{corpus("procedimentos-relogio"), corpus("procedimentos-produto-delete-anterior"),
                                        corpus("procedimentos-produto-delete-saldo"),
                                        corpus("procedimentos-produto-delete-devolve"),
                                        corpus("procedimentos-produto-delete-historico", {at[0], at[1], {"'11:12'", at[2].second}}),
                                        corpus("procedimentos-produto-delete")}));
    EXPECT_EQ(balance(4), "19.0000");
}

TEST_F(ProcedimentosTest, DeletionRefusalsAndOtherKinds) {
    const std::string movements = count("HistoricoDeProdutos");
    // Billed by sale 41: refused with the message, nothing else set, the stock as it was.
    p->TipoDeLancamento("2");
    p->NumeroDeLancamento(401);
    EXPECT_EQ(p->Excluir(), 3);
    EXPECT_EQ(p->DescricaoDaFalha(), "O procedimento não pode ser excluído porque existe:\r\n\r\nregistros relacionados a ele");
    EXPECT_EQ(p->NumeroDoErro(), 0);
    EXPECT_EQ(db.trace().back().op, "RollbackTrans");
    EXPECT_EQ(balance(2), "12.0000");
    EXPECT_EQ(count("HistoricoDeProdutos"), movements);

    // A service deletion needs no user.
    auto noUser = std::make_shared<clsProcedimentos>();
    noUser->TipoDeLancamento("1");
    noUser->NumeroDeLancamento(203);
    db.clearTrace();
    ASSERT_EQ(noUser->Excluir(), 0) << noUser->DescricaoDoErro();
    EXPECT_EQ(ops(), (std::vector<std::string>{"BeginTrans", "Execute", "Execute", "CommitTrans"}));
    EXPECT_EQ(db.traced("Execute").at(1), corpus("procedimentos-servico-delete"));
    // An empty kind fails the strict conversion.
    p->TipoDeLancamento("");
    EXPECT_EQ(p->Excluir(), 1);
    EXPECT_EQ(p->NumeroDoErro(), platform::err::TypeMismatch);
    EXPECT_EQ(p->LocalDoErro(), location("Excluir", 5));
}

}  // namespace
}  // namespace zolk::procedimentos::test
