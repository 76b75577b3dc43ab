// The frame's rules, exercised through clsEnsaio, the small business class of frame/tests/ensaio.h.
#include <gtest/gtest.h>


#include "components/provider/settings.h"
#include "components/userdata/dados_do_usuario.h"
#include "frame/registration.h"
#include "frame/tests/ensaio.h"
#include "platform/conversions.h"
#include "testsupport/practice_fixture.h"

namespace zolk::frame {
namespace {

using ensaio::clsEnsaio;
using platform::Variant;

class FrameTest : public ::testing::Test {
protected:
    FrameTest() : db(false) {
        db.native(ensaio::NotasDDL);
        auto user = std::make_shared<components::DadosDoUsuario>();
        user->Add(Variant("ana"), "NomeDeUsuario");
        user->Add(Variant(1.0), "CodigoDoUsuario");
        ensaio->DadosDoUsuario(user);
        ensaio->Texto("nota d'água");
    }

    testsupport::PracticeDatabase db;
    std::shared_ptr<clsEnsaio> ensaio = std::make_shared<clsEnsaio>();
};

TEST_F(FrameTest, TransactionalOperationStoresEveryStatementAndTracesThem) {
    ensaio->Autor("Sant'Anna");
    ensaio->Pago(true);
    ensaio->Peso("12,5");
    ASSERT_EQ(ensaio->Adicionar(), result::Done) << ensaio->DescricaoDoErro();
    EXPECT_EQ(db.column("SELECT Texto || '|' || Autor || '|' || NotaPaga || '|' || Peso || '|' || UsuarioDaInclusao "
                        "FROM Notas ORDER BY Numero"),
              (std::vector<std::string>{"nota d'água|Sant'Anna|-1|12.5|ana", "nota d'água|Sant'Anna|-1|12.5|ana"}));
    std::vector<std::string> ops;
    for (const auto& line : db.trace()) ops.push_back(line.op);
    EXPECT_EQ(ops, (std::vector<std::string>{"Execute", "BeginTrans", "Execute", "Execute", "Execute",
                                             "Execute", "CommitTrans"}));
    EXPECT_EQ(db.trace()[0].sql, " SELECT NOW AS DataHoraDoServidor ");
    EXPECT_EQ(db.trace()[3].sql,
              "INSERT INTO Notas (Texto, Autor, NotaPaga, Peso, Valor, DataEHoraDaInclusao,UsuarioDaInclusao) "
              "VALUES('nota d''água', 'Sant''Anna', True, 12.5, 2, '" + ensaio->DataHoraDaAtualizacao() + "','ana');");
}

TEST_F(FrameTest, FailureAtTheThirdStatementRollsEverythingBack) {
    ensaio->terceiraInstrucao = "UPDATE TabelaQueNaoExiste SET Valor = 3";
    EXPECT_EQ(ensaio->Adicionar(), result::Error);
    EXPECT_EQ(ensaio->NumeroDoErro(), platform::err::DbErrorsInCommand);
    EXPECT_NE(ensaio->DescricaoDoErro().find("TabelaQueNaoExiste"), std::string::npos)
        << ensaio->DescricaoDoErro();
    EXPECT_EQ(ensaio->LocalDoErro(), "ZOLK_N_FichasClinicas, clsEnsaio, Adicionar, Ponto: 7");
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM Notas"), "0");
    EXPECT_EQ(db.trace().back().op, "RollbackTrans");
}

TEST_F(FrameTest, ValidationFailureWritesNothingAndBeginsNoTransaction) {
    ensaio->Texto("");
    EXPECT_EQ(ensaio->Adicionar(), result::FieldRuleFailed);
    EXPECT_EQ(ensaio->DescricaoDaFalha(), "Digite o texto.");
    EXPECT_EQ(ensaio->NomeDoCampoValidado(), "Texto");
    ensaio->Texto("recusar");
    EXPECT_EQ(ensaio->Adicionar(), result::Refused);
    EXPECT_EQ(ensaio->DescricaoDaFalha(), "Recusado para este usuário.");
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM Notas"), "0");
    EXPECT_TRUE(db.traced("BeginTrans").empty());
}

TEST_F(FrameTest, ProviderFailuresAreCopied) {
    components::setDatabaseOverride((db.folder() / "nowhere.db").string());
    EXPECT_EQ(ensaio->Adicionar(), result::Failure);
    EXPECT_NE(ensaio->DescricaoDaFalha().find("fichas init"), std::string::npos);
    EXPECT_EQ(ensaio->NumeroDoErro(), 0);
}

TEST_F(FrameTest, EmptySelectionIsDoneWithTheMessage) {
    EXPECT_EQ(ensaio->Selecionar(ListKind::ListaPaginada, 10, "nada"), result::Done);
    ASSERT_TRUE(ensaio->ResultadoDaSelecaoEmRecordset());
    EXPECT_EQ(ensaio->ResultadoDaSelecaoEmRecordset()->RecordCount(), 0);
    EXPECT_EQ(ensaio->DescricaoDaFalha(), "Nenhuma nota encontrada.");
    EXPECT_EQ(db.traced("Open").size(), 1u);
}

TEST_F(FrameTest, PagingCopiesOnePageAndRestoresThePage) {
    std::string insert = "INSERT INTO Notas (Texto, Valor) VALUES ";
    for (int i = 1; i <= 25; ++i) insert += (i > 1 ? ",('nota " : "('nota ") + std::to_string(i) + "', " + std::to_string(i) + ")";
    db.native(insert);
    ASSERT_EQ(ensaio->Selecionar(ListKind::ListaPaginada, 10, "nota"), result::Done);
    auto rs = ensaio->ResultadoDaSelecaoEmRecordset();
    EXPECT_EQ(rs->PageCount(), 3);
    rs->AbsolutePage(2);

    platform::ObjectRef pageObject;
    ASSERT_EQ(ensaio->PaginarResultadoDaSelecaoEmRecordset(10, pageObject), result::Done)
        << ensaio->DescricaoDoErro();
    auto page = std::dynamic_pointer_cast<ado::Recordset>(pageObject);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->RecordCount(), 10);
    EXPECT_EQ(platform::CStr(page->value("Texto")), "nota 11");
    page->MoveLast();
    EXPECT_EQ(platform::CStr(page->value("Texto")), "nota 20");
    EXPECT_EQ(rs->AbsolutePage(), 2);

}

TEST(SqlLiterals, WriteValuesAsTheStatementsExpect) {
    const auto d = platform::DateTime::fromParts(2024, 5, 15, 9, 5, 3);
    const Stamp stamp{d, "bob', UsuarioDaInclusao='x"};
    const std::pair<std::string, std::string> cases[] = {
        {sql::text(std::string("d'Ávila\0!", 10)), "'d''Ávila!'"},
        {sql::treatedText("d''Ávila"), "'d''Ávila'"},
        {sql::number(2345678.0), "2345678"},
        {sql::deletion("Receitas", "Numero", 63), "DELETE * FROM Receitas WHERE Numero=63;"},
        {sql::measurement(Variant("12,5")), "12.5"},
        {sql::measurement(Variant("abc")), "Null"},
        {sql::dateText("31/02/2024"), "Null"},
        {sql::stamp(platform::DateTime::fromParts(2024, 5, 15)), "'15/05/2024'"},
        {sql::filterDate(d), "#05/15/2024#"},
        {sql::like("D'Ávila"), "LIKE '%D''Ávila%'"},
        {sql::changeStamp(stamp), "DataEHoraDaAlteracao='15/05/2024 09:05:03', UsuarioDaAlteracao='bob'', UsuarioDaInclusao=''x' "},
    };
    for (const auto& [got, expected] : cases) EXPECT_EQ(got, expected);
}

}  // namespace
}  // namespace zolk::frame
