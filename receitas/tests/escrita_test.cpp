// Adicionar, Alterar and Excluir: their statement texts, what lands in Receitas, and failures.
#include "platform/runtime_error.h"
#include "receitas/tests/fixture.h"

namespace zolk::receitas::test {
namespace {

TEST_F(ReceitasTest, InsertionIsWrittenToTheLetterOutsideAnyTransaction) {
    fillOmeprazol(*receita);
    ASSERT_EQ(receita->Adicionar(), 0) << receita->DescricaoDoErro();

    std::vector<std::string> ops;
    for (const auto& line : db.trace()) ops.push_back(line.op);
    EXPECT_EQ(ops, (std::vector<std::string>{"Execute", "Execute", "Execute"}));  // no BeginTrans
    EXPECT_EQ(db.traced("Execute")[0], corpus("receitas-relogio"));
    EXPECT_EQ(db.traced("Execute")[1],
              corpus("receitas-insert", {{"'15/12/2026 10:30:00'", "'" + receita->DataHoraDaAtualizacao() + "'"},
                                         {"'15/12/2026'", "'" + receita->DataDeEmissao() + "'"}}));
    EXPECT_EQ(db.traced("Execute")[2], "SELECT @@Identity");
    EXPECT_EQ(receita->DataDeEmissao(), receita->DataHoraDaAtualizacao().substr(0, 10));
    EXPECT_EQ(number(receita->NumeroGerado()), db.scalar("SELECT MAX(Numero) FROM Receitas"));
    EXPECT_EQ(db.scalar("SELECT ReceitaControlada || '|' || UsuarioDaInclusao || '|' || NumeroDaFichaClinica FROM "
                        "Receitas WHERE Numero = " + number(receita->NumeroGerado())),
              "0|ana|812");
}

TEST_F(ReceitasTest, TypedTextsReachTheDatabaseAsTyped) {
    // The prescription goes through the text-treatment service, the user's name only through
    // the literal writer: a quote in either never ends its literal.
    const std::string longText = "Shampoo 'dermatológico' duas vezes por semana. " + std::string(5000, 'x');
    fillOmeprazol(*receita);
    receita->Prescricao(longText);
    receita->DadosDoUsuario(userNamed("Sant'Anna', UsuarioDaInclusao='bob"));
    ASSERT_EQ(receita->Adicionar(), 0) << receita->DescricaoDoErro();
    const std::string n = number(receita->NumeroGerado());
    EXPECT_EQ(db.scalar("SELECT Prescricao FROM Receitas WHERE Numero = " + n), longText);
    EXPECT_EQ(db.scalar("SELECT UsuarioDaInclusao FROM Receitas WHERE Numero = " + n),
              "Sant'Anna', UsuarioDaInclusao='bob");

    receita->Numero(receita->NumeroGerado());
    receita->Prescricao(std::string("Dipirona', Prescricao='x\0y", 26));
    ASSERT_EQ(receita->Alterar(), 0) << receita->DescricaoDoErro();
    EXPECT_EQ(db.scalar("SELECT Prescricao || '|' || UsuarioDaAlteracao FROM Receitas WHERE Numero = " + n),
              "Dipirona', Prescricao='xy|Sant'Anna', UsuarioDaInclusao='bob");
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM Receitas WHERE Prescricao = 'x'"), "0");
}

TEST_F(ReceitasTest, OnlyAnEmptyPrescriptionIsRefusedAndDeletionsAreNeverRefused) {
    platform::ObjectRef rs;
    for (std::int16_t operacao : {1, 2}) {
        EXPECT_EQ(receita->ValidarDados(operacao, nullptr, rs), 2);
        EXPECT_EQ(receita->DescricaoDaFalha() + "|" + receita->NomeDoCampoValidado(), "Informe a prescrição.|Prescricao");
    }
    // Negative and zero codes pass: only the prescription is checked.
    receita->Prescricao(" ");
    receita->CodigoDoCliente(-1);
    for (std::int16_t operacao : {1, 2, 3, 0, 7}) EXPECT_EQ(receita->ValidarDados(operacao, nullptr, rs), 0) << operacao;

    auto empty = std::make_shared<clsReceitas>();
    empty->DadosDoUsuario(ana);
    db.clearTrace();
    EXPECT_EQ(empty->Adicionar(), 2);
    EXPECT_TRUE(db.traced("Execute").empty());  // no clock query, nothing written
    EXPECT_EQ(empty->DataDeEmissao(), "");
    empty->Numero(63);
    EXPECT_EQ(empty->Excluir(), 0) << empty->DescricaoDoErro();
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM Receitas WHERE Numero = 63"), "0");
}

TEST_F(ReceitasTest, UpdateIsWrittenToTheLetterAndKeepsTheIssueDate) {
    fillOmeprazol(*receita);
    ASSERT_EQ(receita->Adicionar(), 0);
    const std::string n = number(receita->NumeroGerado());
    db.native("UPDATE Receitas SET Data = '2026-12-01 00:00:00' WHERE Numero = " + n);
    db.clearTrace();

    receita->Numero(receita->NumeroGerado());  // Adicionar leaves Numero as it was
    receita->ReceitaControlada(true);
    receita->Prescricao("Omeprazol 10 mg: 3 cápsulas ao dia, em jejum, por 14 dias.");
    ASSERT_EQ(receita->Alterar(), 0) << receita->DescricaoDoErro();
    ASSERT_EQ(db.traced("Execute").size(), 2u);
    EXPECT_EQ(db.traced("Execute")[1], corpus("receitas-update", {{"WHERE Numero=65;", "WHERE Numero=" + n + ";"},
                                                                  {"15/12/2026 11:10:00", receita->DataHoraDaAtualizacao()}}));
    EXPECT_EQ(receita->DataHoraDaAtualizacao().size(), 19u);  // to the second, never the date alone
    EXPECT_EQ(db.scalar("SELECT Data || '|' || ReceitaControlada || '|' || UsuarioDaAlteracao FROM Receitas WHERE "
                        "Numero = " + n),
              "2026-12-01 00:00:00|-1|ana");

    // A number that matches no row changes nothing and is no error.
    receita->Numero(4242);
    EXPECT_EQ(receita->Alterar(), 0);
    receita->Numero(0);
    EXPECT_EQ(receita->Excluir(), 0);
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM Receitas"), "6");
}

TEST_F(ReceitasTest, DeletionIsWrittenToTheLetterAndARefusalNamesTheRelatedRows) {
    receita->Numero(63);
    ASSERT_EQ(receita->Excluir(), 0) << receita->DescricaoDoErro();
    EXPECT_EQ(db.traced("Execute"), (std::vector<std::string>{"DELETE * FROM Receitas WHERE Numero=63;"}));
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM Receitas WHERE Numero = 63"), "0");

    // 62 was dispensed by a pharmacy: the database refuses, the error fields stay as they were.
    receita->Numero(62);
    EXPECT_EQ(receita->Excluir(), 3);
    EXPECT_EQ(receita->DescricaoDaFalha(),
              "A receita não pode ser excluído porque existe:\r\n\r\nregistros relacionados a ele");
    EXPECT_EQ(receita->NumeroDoErro(), 0);
    EXPECT_EQ(receita->LocalDoErro(), "");
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM Receitas WHERE Numero = 62"), "1");

    // Another general failure of the database is still result 3, with the message left alone.
    db.native("CREATE TRIGGER Guarda BEFORE DELETE ON Receitas BEGIN SELECT RAISE(ABORT, 'arquivo bloqueado'); END");
    receita->Numero(61);
    EXPECT_EQ(receita->Excluir(), 3);
    EXPECT_EQ(receita->DescricaoDaFalha(),
              "A receita não pode ser excluído porque existe:\r\n\r\nregistros relacionados a ele");
    EXPECT_EQ(receita->NumeroDoErro(), 0);
}

TEST_F(ReceitasTest, RunTimeErrorsNameTheOperationAndItsCheckpoint) {
    auto noUser = std::make_shared<clsReceitas>();
    fillOmeprazol(*noUser);
    EXPECT_EQ(noUser->Adicionar(), 1);
    EXPECT_EQ(noUser->NumeroDoErro(), 91);
    EXPECT_EQ(noUser->LocalDoErro(), "ZOLK_N_FichasClinicas, clsReceitas, Adicionar, Ponto: 6");
    noUser->Numero(61);
    EXPECT_EQ(noUser->Alterar(), 1);
    EXPECT_EQ(noUser->LocalDoErro(), "ZOLK_N_FichasClinicas, clsReceitas, Alterar, Ponto: 6");
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM Receitas WHERE UsuarioDaAlteracao IS NOT NULL"), "1");

    // A code the schema cannot take: the statement fails where it runs.
    db.native("CREATE TRIGGER Guarda BEFORE INSERT ON Receitas BEGIN SELECT RAISE(ABORT, 'sem espaço'); END");
    fillOmeprazol(*receita);
    EXPECT_EQ(receita->Adicionar(), 1);
    EXPECT_EQ(receita->NumeroDoErro(), platform::err::DbGeneralFailure);
    EXPECT_EQ(receita->LocalDoErro(), "ZOLK_N_FichasClinicas, clsReceitas, Adicionar, Ponto: 6");
}

}  // namespace
}  // namespace zolk::receitas::test
