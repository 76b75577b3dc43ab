// The frame's rules, exercised through a small business class that exists only for these tests.
#include <gtest/gtest.h>

#include <fstream>

#include "components/provider/settings.h"
#include "components/userdata/dados_do_usuario.h"
#include "frame/business_object.h"
#include "frame/members.h"
#include "frame/operation.h"
#include "frame/sql_literals.h"
#include "platform/conversions.h"
#include "testsupport/practice_fixture.h"

namespace zolk::frame {
namespace {

using platform::Variant;

// A business class with one table, a three-statement transactional insertion, a selection
// and a validation rule, built only from the frame's pieces.
class clsEnsaio : public BusinessObject {
public:
    clsEnsaio() : BusinessObject("clsEnsaio") {}

    std::string texto;
    std::string terceiraInstrucao = "UPDATE Notas SET Valor = 3 WHERE Valor = 2";
    double numeroGerado = 0;

    std::int16_t Adicionar() {
        return run("Adicionar", [&](Operation& op) -> std::int16_t {
            op.ponto(1);
            op.createProvider();
            op.ponto(2);
            if (auto code = op.openConnection()) return *code;
            op.ponto(3);
            if (std::int16_t code = op.validate(1)) return code;
            op.ponto(4);
            const platform::DateTime now = op.serverClock();
            op.beginTrans();
            op.ponto(5);
            op.execute("INSERT INTO Notas (Texto, Valor, Quando) VALUES(" + sql::text(texto) + ", 1, " +
                       sql::stamp(now) + ")");
            op.ponto(6);
            op.execute("INSERT INTO Notas (Texto, Valor) VALUES(" + sql::text(texto) + ", 2)");
            op.ponto(7);
            op.execute(terceiraInstrucao);
            op.ponto(8);
            numeroGerado = platform::CDbl(op.executeScalar("SELECT @@Identity"));
            op.commitTrans();
            op.ponto(9);
            userName();
            return result::Done;
        });
    }

    std::int16_t Selecionar(ListKind kind, std::int16_t pageSize, const std::string& filtro) {
        return run("Selecionar", [&](Operation& op) -> std::int16_t {
            op.createProvider();
            op.ponto(2);
            if (auto code = op.openConnection()) return *code;
            auto rs = op.newRecordset();
            op.ponto(3);
            op.openSelection(*rs, "SELECT Numero, Texto FROM Notas WHERE Texto " + sql::like(filtro) +
                                      " ORDER BY Numero;",
                             kind, pageSize);
            op.ponto(4);
            if (auto code = op.disconnect(*rs)) return *code;
            setResult(rs);
            if (rs->RecordCount() <= 0) setFailure("Nenhuma nota encontrada.");
            return result::Done;
        });
    }

    std::int16_t ValidarDados(std::int16_t operacao, platform::ObjectRef, platform::ObjectRef&) override {
        return run("ValidarDados", [&](Operation& op) -> std::int16_t {
            op.ponto(2);
            if (operacao != 1) return result::Done;
            if (texto.empty()) return fieldRuleFailed("Digite o texto.", "Texto");
            op.ponto(3);
            if (texto == "recusar") return refused("Recusado para este usuário.");
            userName();  // needs the user data object
            return result::Done;
        });
    }

    const platform::MemberTable& memberTable() const override {
        static const platform::MemberTable table = ClassMembers<clsEnsaio>()
                                                       .letText("Texto", &clsEnsaio::texto)
                                                       .dadosDoUsuario()
                                                       .numeroDoErro()
                                                       .localDoErro()
                                                       .descricaoDaFalha()
                                                       .build();
        return table;
    }
};

class FrameTest : public ::testing::Test {
protected:
    FrameTest() : db(false) {
        db.native(
            "CREATE TABLE Notas (Numero INTEGER PRIMARY KEY AUTOINCREMENT, Texto VARCHAR(80), "
            "Valor DOUBLE, Quando DATETIME)");
        auto user = std::make_shared<components::DadosDoUsuario>();
        user->Add(Variant("ana"), "NomeDeUsuario");
        user->Add(Variant(1.0), "CodigoDoUsuario");
        ensaio->DadosDoUsuario(user);
        ensaio->texto = ensaio->treat("nota d'água");
    }

    testsupport::PracticeDatabase db;
    std::shared_ptr<clsEnsaio> ensaio = std::make_shared<clsEnsaio>();
};

TEST_F(FrameTest, TransactionalOperationStoresEveryStatementAndTracesThem) {
    ASSERT_EQ(ensaio->Adicionar(), result::Done) << ensaio->DescricaoDoErro();
    EXPECT_EQ(db.column("SELECT Texto FROM Notas ORDER BY Numero"),
              (std::vector<std::string>{"nota d'água", "nota d'água"}));
    EXPECT_EQ(ensaio->numeroGerado, 2);
    // The stamp is stored as ISO text.
    EXPECT_EQ(db.scalar("SELECT length(Quando) FROM Notas WHERE Valor = 1"), "19");

    std::vector<std::string> ops;
    for (const auto& line : db.trace()) ops.push_back(line.op);
    EXPECT_EQ(ops, (std::vector<std::string>{"Execute", "BeginTrans", "Execute", "Execute", "Execute",
                                             "Execute", "CommitTrans"}));
    EXPECT_EQ(db.trace()[0].sql, " SELECT NOW AS DataHoraDoServidor ");
    EXPECT_EQ(db.trace()[3].sql, "INSERT INTO Notas (Texto, Valor) VALUES('nota d''água', 2)");
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
    ensaio->texto = "";
    EXPECT_EQ(ensaio->Adicionar(), result::FieldRuleFailed);
    EXPECT_EQ(ensaio->DescricaoDaFalha(), "Digite o texto.");
    EXPECT_EQ(ensaio->NomeDoCampoValidado(), "Texto");
    ensaio->texto = "recusar";
    EXPECT_EQ(ensaio->Adicionar(), result::Refused);
    EXPECT_EQ(ensaio->DescricaoDaFalha(), "Recusado para este usuário.");
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM Notas"), "0");
    EXPECT_TRUE(db.traced("BeginTrans").empty());

    // A later error only sets the error fields: the business message stays.
    ensaio->texto = "ok";
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

    // A search text that breaks the statement keeps the earlier result.
    auto earlier = ensaio->ResultadoDaSelecaoEmRecordset();
    EXPECT_EQ(ensaio->Selecionar(ListKind::ListaCompleta, 10, "it's"), result::Error);
    EXPECT_EQ(ensaio->ResultadoDaSelecaoEmRecordset(), earlier);
    EXPECT_EQ(ensaio->LocalDoErro(), "ZOLK_N_FichasClinicas, clsEnsaio, Selecionar, Ponto: 3");
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
    EXPECT_EQ(ensaio->texto, "d''Ávila");
    EXPECT_EQ(platform::CStr(ensaio->get("LocalDoErro")), "");
    try {
        ensaio->get("Texto");
        FAIL() << "a write-only property was read";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), platform::err::DispMemberNotFound);
    }
}

TEST(SqlLiterals, WriteValuesAsTheStatementsExpect) {
    EXPECT_EQ(sql::text("d''Ávila"), "'d''Ávila'");
    EXPECT_EQ(sql::text(""), "''");
    EXPECT_EQ(sql::number(95.0), "95");
    EXPECT_EQ(sql::number(-1.0), "-1");
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
    EXPECT_EQ(sql::like("Rex"), "LIKE '%Rex%'");
    EXPECT_EQ(sql::assign("EFPeso", "Null"), "EFPeso=Null, ");
}

}  // namespace
}  // namespace zolk::frame
