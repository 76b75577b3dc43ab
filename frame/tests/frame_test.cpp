// The frame's rules, exercised through clsEnsaio, the small business class of frame/tests/ensaio.h.
#include <gtest/gtest.h>

#include <fstream>

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
    EXPECT_EQ(ensaio->NumeroGerado(), 2);
    // The stamp is the server clock the operation read, stored as ISO text.
    const auto stamped = platform::CDate(Variant(ensaio->DataHoraDaAtualizacao()));
    EXPECT_EQ(db.scalar("SELECT DataEHoraDaInclusao FROM Notas WHERE Valor = 1"), stamped.iso());

    std::vector<std::string> ops;
    for (const auto& line : db.trace()) ops.push_back(line.op);
    EXPECT_EQ(ops, (std::vector<std::string>{"Execute", "BeginTrans", "Execute", "Execute", "Execute",
                                             "Execute", "CommitTrans"}));
    EXPECT_EQ(db.trace()[0].sql, " SELECT NOW AS DataHoraDoServidor ");
    // The treated text as stored, the raw one with its quote doubled here, the stamp's name quoted.
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

    // A later error only sets the error fields: the business message stays.
    ensaio->Texto("ok");
    ensaio->terceiraInstrucao = "DELETE * FROM";
    EXPECT_EQ(ensaio->Adicionar(), result::Error);
    EXPECT_EQ(ensaio->DescricaoDaFalha(), "Recusado para este usuário.");
}

TEST_F(FrameTest, MissingUserDataObjectIsARunTimeError) {
    ensaio->DadosDoUsuario(nullptr);
    EXPECT_EQ(ensaio->Adicionar(), result::Error);
    EXPECT_EQ(ensaio->NumeroDoErro(), platform::err::ObjectNotSet);
    EXPECT_EQ(ensaio->LocalDoErro(), "ZOLK_N_FichasClinicas, clsEnsaio, ValidarDados, Ponto: 3");
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM Notas"), "0");
}

TEST_F(FrameTest, ProviderFailuresAreCopied) {
    // A database that does not exist: result 3 with the provider's message.
    components::setDatabaseOverride((db.folder() / "nowhere.db").string());
    EXPECT_EQ(ensaio->Adicionar(), result::Failure);
    EXPECT_NE(ensaio->DescricaoDaFalha().find("fichas init"), std::string::npos);
    EXPECT_EQ(ensaio->NumeroDoErro(), 0);

    // A file that is not a database: result 1 with the provider's own location.
    const auto bogus = db.folder() / "bogus.db";
    std::ofstream(bogus) << "this is not a database, only some text that is long enough to matter";
    components::setDatabaseOverride(bogus.string());
    EXPECT_EQ(ensaio->Adicionar(), result::Error);
    EXPECT_NE(ensaio->NumeroDoErro(), 0);
    EXPECT_EQ(ensaio->LocalDoErro().rfind("ZOLK_I_ADO, clsObjetosDeDados", 0), 0u) << ensaio->LocalDoErro();
}

TEST_F(FrameTest, EmptySelectionIsDoneWithTheMessage) {
    EXPECT_EQ(ensaio->Selecionar(ListKind::ListaPaginada, 10, "nada"), result::Done);
    ASSERT_TRUE(ensaio->ResultadoDaSelecaoEmRecordset());
    EXPECT_EQ(ensaio->ResultadoDaSelecaoEmRecordset()->RecordCount(), 0);
    EXPECT_EQ(ensaio->DescricaoDaFalha(), "Nenhuma nota encontrada.");
    EXPECT_EQ(db.traced("Open").size(), 1u);

    // A statement the engine refuses keeps the earlier result.
    auto earlier = ensaio->ResultadoDaSelecaoEmRecordset();
    ensaio->tabela = "NotasQueNaoExistem";
    EXPECT_EQ(ensaio->Selecionar(ListKind::ListaCompleta, 10, "nada"), result::Error);
    EXPECT_EQ(ensaio->ResultadoDaSelecaoEmRecordset(), earlier);
    EXPECT_EQ(ensaio->LocalDoErro(), "ZOLK_N_FichasClinicas, clsEnsaio, Selecionar, Ponto: 4");
}

TEST_F(FrameTest, ASearchTextIsALiteralWhateverItHolds) {
    db.native("INSERT INTO Notas (Texto) VALUES ('it''s'), ('its'), ('outra')");
    ASSERT_EQ(ensaio->Selecionar(ListKind::ListaCompleta, 10, "it's"), result::Done) << ensaio->DescricaoDoErro();
    EXPECT_EQ(ensaio->ResultadoDaSelecaoEmRecordset()->RecordCount(), 1);
    EXPECT_EQ(db.traced("Open").back(), "SELECT Numero, Texto FROM Notas WHERE Texto LIKE '%it''s%' ORDER BY Numero;");
    // A text written to end the literal and widen the condition finds nothing.
    ASSERT_EQ(ensaio->Selecionar(ListKind::ListaCompleta, 10, "zz%' OR 1=1 OR Texto LIKE '"), result::Done);
    EXPECT_EQ(ensaio->ResultadoDaSelecaoEmRecordset()->RecordCount(), 0);
}

TEST_F(FrameTest, PagingCopiesOnePageAndRestoresThePage) {
    std::string insert = "INSERT INTO Notas (Texto, Valor) VALUES ";
    for (int i = 1; i <= 25; ++i) insert += (i > 1 ? ",('nota " : "('nota ") + std::to_string(i) + "', " + std::to_string(i) + ")";
    db.native(insert);
    ASSERT_EQ(ensaio->Selecionar(ListKind::ListaPaginada, 10, "nota"), result::Done);
    auto rs = ensaio->ResultadoDaSelecaoEmRecordset();
    EXPECT_EQ(rs->PageSize(), 10);
    EXPECT_EQ(rs->PageCount(), 3);
    rs->AbsolutePage(2);

    platform::ObjectRef pageObject;
    ASSERT_EQ(ensaio->PaginarResultadoDaSelecaoEmRecordset(10, pageObject), result::Done)
        << ensaio->DescricaoDoErro();
    auto page = std::dynamic_pointer_cast<ado::Recordset>(pageObject);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->RecordCount(), 10);
    EXPECT_EQ(page->fieldCount(), rs->fieldCount());
    for (int i = 0; i < rs->fieldCount(); ++i) {
        EXPECT_EQ(page->column(i).name, rs->column(i).name);
        EXPECT_EQ(page->column(i).type, rs->column(i).type);
        EXPECT_EQ(page->column(i).definedSize, rs->column(i).definedSize);
        EXPECT_EQ(page->column(i).attributes, rs->column(i).attributes);
    }
    EXPECT_EQ(platform::CStr(page->value("Texto")), "nota 11");
    page->MoveLast();
    EXPECT_EQ(platform::CStr(page->value("Texto")), "nota 20");
    EXPECT_EQ(rs->AbsolutePage(), 2);
    EXPECT_EQ(platform::CStr(rs->value("Texto")), "nota 11");

    // The last page is short.
    rs->AbsolutePage(3);
    ASSERT_EQ(ensaio->PaginarResultadoDaSelecaoEmRecordset(10, pageObject), result::Done);
    EXPECT_EQ(std::dynamic_pointer_cast<ado::Recordset>(pageObject)->RecordCount(), 5);
}

TEST_F(FrameTest, PagingAnEmptyResultEndsOnTheErrorPath) {
    ASSERT_EQ(ensaio->Selecionar(ListKind::ListaPaginada, 10, "nada"), result::Done);
    platform::ObjectRef page;
    EXPECT_EQ(ensaio->PaginarResultadoDaSelecaoEmRecordset(10, page), result::Error);
    EXPECT_EQ(ensaio->NumeroDoErro(), platform::err::AdoNoCurrentRecord);
    EXPECT_EQ(ensaio->LocalDoErro(),
              "ZOLK_N_FichasClinicas, clsEnsaio, PaginarResultadoDaSelecaoEmRecordset, Ponto: 6");
}

TEST_F(FrameTest, MembersByNameFollowTheFrameRules) {
    ensaio->let("Texto", Variant("d'Ávila"));
    ensaio->let("Autor", Variant("d'Ávila"));
    ensaio->let("Pago", Variant(std::int16_t{-1}));
    ensaio->let("Peso", Variant("abc"));
    ASSERT_EQ(ensaio->Adicionar(), result::Done) << ensaio->DescricaoDoErro();
    EXPECT_EQ(db.scalar("SELECT Texto || '|' || Autor || '|' || NotaPaga || '|' || IFNULL(Peso, 'nulo') FROM Notas "
                        "WHERE Valor = 1"),
              "d'Ávila|d'Ávila|-1|nulo");
    EXPECT_EQ(platform::CStr(ensaio->get("LocalDoErro")), "");
    try {
        ensaio->get("Texto");
        FAIL() << "a write-only property was read";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), platform::err::DispMemberNotFound);
    }
}

TEST(SqlLiterals, WriteValuesAsTheStatementsExpect) {
    EXPECT_EQ(sql::text("d'Ávila"), "'d''Ávila'");
    EXPECT_EQ(sql::text("''"), "''''''");
    EXPECT_EQ(sql::text(""), "''");
    EXPECT_EQ(sql::text(std::string("antes\0depois", 12)), "'antesdepois'");
    EXPECT_EQ(sql::treatedText("d''Ávila"), "'d''Ávila'");
    EXPECT_EQ(sql::number(95.0), "95");
    EXPECT_EQ(sql::number(-1.0), "-1");
    EXPECT_EQ(sql::number(2345678.0), "2345678");  // never in exponent form
    EXPECT_EQ(sql::whereKey("Codigo", 9876543), "WHERE Codigo=9876543;");
    EXPECT_EQ(sql::deletion("Receitas", "Numero", 63), "DELETE * FROM Receitas WHERE Numero=63;");
    EXPECT_EQ(sql::boolean(true), "True");
    EXPECT_EQ(sql::boolean(false), "False");
    EXPECT_EQ(sql::measurement(Variant(12.5)), "12.5");
    EXPECT_EQ(sql::measurement(Variant("12,5")), "12.5");
    EXPECT_EQ(sql::measurement(Variant("12.5")), "12.5");
    EXPECT_EQ(sql::measurement(Variant()), "Null");
    EXPECT_EQ(sql::measurement(Variant("")), "Null");
    EXPECT_EQ(sql::measurement(Variant("abc")), "Null");
    EXPECT_EQ(sql::measurement(Variant::null()), "Null");
    EXPECT_EQ(sql::dateText("15/05/2024"), "'15/05/2024'");
    EXPECT_EQ(sql::dateText("31/02/2024"), "Null");
    EXPECT_EQ(sql::dateText(""), "Null");
    const auto d = platform::DateTime::fromParts(2024, 5, 15, 9, 5, 3);
    EXPECT_EQ(sql::issueDate(d), "'15/05/2024'");
    EXPECT_EQ(sql::stamp(d), "'15/05/2024 09:05:03'");
    EXPECT_EQ(sql::stamp(platform::DateTime::fromParts(2024, 5, 15)), "'15/05/2024'");
    EXPECT_EQ(sql::filterDate(d), "#05/15/2024#");
    EXPECT_EQ(sql::issueDateText(d), "15/05/2024");
    EXPECT_EQ(sql::like("Rex"), "LIKE '%Rex%'");
    EXPECT_EQ(sql::like("D'Ávila"), "LIKE '%D''Ávila%'");
    const Stamp stamp{d, "bob', UsuarioDaInclusao='x"};
    EXPECT_EQ(sql::insertionStamp(stamp), "'15/05/2024 09:05:03','bob'', UsuarioDaInclusao=''x'");
    EXPECT_EQ(sql::changeStamp(stamp),
              "DataEHoraDaAlteracao='15/05/2024 09:05:03', UsuarioDaAlteracao='bob'', UsuarioDaInclusao=''x' ");
    EXPECT_EQ(sql::assign("EFPeso", "Null"), "EFPeso=Null, ");
}

// A class is made creatable by its row of the class table, with or without a creator.
TEST(Registration, RowsWithACreatorCreateTheirClassAndTheOthersAreNotRegistered) {
    constexpr ClassRegistration rows[] = {
        {"clsEnsaio", "ZolkFrameTest.clsEnsaio", "", "_clsEnsaio", "", 0, create<clsEnsaio>},
        {"clsFutura", "ZolkFrameTest.clsFutura", "", "_clsFutura", "", 0, nullptr},
    };
    registerLibrary(rows);
    EXPECT_TRUE(std::dynamic_pointer_cast<clsEnsaio>(platform::CreateObject("zolkframetest.CLSENSAIO")));
    try {
        platform::CreateObject("ZolkFrameTest.clsFutura");
        FAIL() << "a class without a creator was created";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), platform::err::ClassNotRegistered);
    }
    EXPECT_EQ(findClass(rows, "CLSFUTURA"), &rows[1]);
    EXPECT_EQ(findClass(rows, "clsOutra"), nullptr);
}

}  // namespace
}  // namespace zolk::frame
