// Excluir: the deletion text, the relationship refusal and other failures of the database.
#include "exames/tests/fixture.h"

namespace zolk::exames::test {
namespace {

constexpr const char* RelatedRowsMessage =
    "O exames não pode ser excluído porque existe:\r\n\r\nregistros relacionados a ele\r\n\r\n"
    "Se não deseja mais utilizar, altere a 'Situação' do exame para 'Inativo'.";

TEST_F(ExamesTest, DeletionRemovesTheRequestWithoutATransaction) {
    exame->Numero(58);  // demo request nothing refers to
    EXPECT_EQ(exame->Excluir(), 0) << exame->DescricaoDoErro();
    EXPECT_EQ(db.traced("Execute"), std::vector<std::string>{corpusStatement("exames-delete")});
    EXPECT_TRUE(db.traced("BeginTrans").empty());
    EXPECT_EQ(count("Numero = 58"), "0");

    // A number no row has is not an error. Deletions check no field rule either.
    exame->Numero(4242);
    EXPECT_EQ(exame->Excluir(), 0);
}

TEST_F(ExamesTest, RequestWithResultsIsRefusedWithTheFiveLineMessage) {
    exame->Numero(55);  // the demo's results refer to it
    EXPECT_EQ(exame->Excluir(), 3);
    EXPECT_EQ(exame->DescricaoDaFalha(), RelatedRowsMessage);
    EXPECT_EQ(count("Numero = 55"), "1");
    // The error state is not touched.
    EXPECT_EQ(exame->NumeroDoErro(), 0);
    EXPECT_EQ(exame->LocalDoErro(), "");

    // The same refusal for a request the object added, once a result refers to it.
    fillValid(*exame);
    ASSERT_EQ(exame->Adicionar(), 0);
    const std::string n = number(exame->NumeroGerado());
    db.native("INSERT INTO ResultadosDeExames (NumeroDoExame, NomeDoExame) VALUES (" + n + ", 'Hemograma')");
    exame->Numero(exame->NumeroGerado());
    EXPECT_EQ(exame->Excluir(), 3);
    EXPECT_EQ(count("Numero = " + n), "1");
}

TEST_F(ExamesTest, AnotherGeneralFailureIsRefusedWithoutANewMessage) {
    db.native("CREATE TRIGGER Bloqueio BEFORE DELETE ON Exames WHEN OLD.Numero = 58 "
              "BEGIN SELECT RAISE(ABORT, 'bloqueado'); END");
    platform::ObjectRef recordset;
    ASSERT_EQ(exame->ValidarDados(1, nullptr, recordset), 2);
    ASSERT_EQ(exame->DescricaoDaFalha(), "Selecione o laboratório.");
    exame->Numero(58);
    EXPECT_EQ(exame->Excluir(), 3);
    EXPECT_EQ(exame->DescricaoDaFalha(), "Selecione o laboratório.");
    EXPECT_EQ(exame->NumeroDoErro(), 0);
    EXPECT_EQ(count("Numero = 58"), "1");
}

TEST_F(ExamesTest, AnyOtherErrorOfTheDeletionIsResultOne) {
    db.native("DROP TABLE ResultadosDeExames");
    db.native("ALTER TABLE Exames RENAME TO ExamesAntigos");
    exame->Numero(58);
    EXPECT_EQ(exame->Excluir(), 1);
    EXPECT_EQ(exame->NumeroDoErro(), platform::err::DbErrorsInCommand);
    EXPECT_EQ(exame->LocalDoErro(), "ZOLK_N_FichasClinicas, clsExames, Excluir, Ponto: 5");
    EXPECT_EQ(exame->DescricaoDaFalha(), "");
}

}  // namespace
}  // namespace zolk::exames::test
