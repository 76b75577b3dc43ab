// The practice database: creation and version stamp, the tables and declared types, the
// relationships that refuse deletions, the rows the business objects insert, the demo data set.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "jet/engine.h"
#include "platform/runtime_error.h"
#include "schema/practice_database.h"

namespace zolk::schema {
namespace {

using platform::RuntimeError;
using platform::Variant;

constexpr std::int32_t kGeneralFailure = -2147467259;
constexpr std::int32_t kRelationshipRefusal = 5003000;

// A database file of its own per test, removed with its WAL files.
class PracticeDatabase : public ::testing::Test {
protected:
    void SetUp() override {
        static int counter = 0;
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = info->name();
        for (auto& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        path_ = (std::filesystem::temp_directory_path() /
                 ("zolk_schema_" + std::to_string(::getpid()) + "_" + std::to_string(counter++) + "_" + name +
                  ".db"))
                    .string();
        removeFiles();
    }
    void TearDown() override { removeFiles(); }

    std::string url() const { return "sqlite:" + path_; }

    std::unique_ptr<jet::Session> createAndOpen(bool demo) {
        createPracticeDatabase(url(), demo, false);
        return jet::openSession(url());
    }

    static jet::RowSet select(jet::Session& s, const std::string& sql) {
        jet::ExecResult r = s.execute(sql);
        EXPECT_TRUE(r.returnsRows) << sql;
        return r.rows;
    }
    static double scalar(jet::Session& s, const std::string& sql) {
        const jet::RowSet rows = select(s, sql);
        EXPECT_EQ(rows.rowCount(), 1u) << sql;
        if (rows.rowCount() != 1 || rows.cells.empty()) return -1;
        return rows.cells[0].toDouble();
    }
    static std::int64_t changes(jet::Session& s, const std::string& sql) {
        jet::ExecResult r = s.execute(sql);
        EXPECT_FALSE(r.returnsRows) << sql;
        return r.rowsAffected;
    }

private:
    void removeFiles() const {
        std::error_code ec;
        for (const char* suffix : {"", "-wal", "-shm", "-journal"}) std::filesystem::remove(path_ + suffix, ec);
    }
    std::string path_;
};

// Every table of the practice database.
const std::vector<std::string> kTables = {
    "EspeciesDeAnimais", "RacasDeAnimais",   "Clientes",           "Animais",
    "Funcionarios",      "Usuarios",         "Laboratorios",       "Medicamentos",
    "Vacinas",           "TiposDeServicos",  "Servicos",           "SubGruposDeProdutos",
    "Produtos",          "Orcamentos",       "ItensDoOrcamento",   "FichasClinicas",
    "Agendamentos",      "Exames",           "ServicosEfetuados",  "ProdutosReservados",
    "HistoricoDeProdutos", "Receitas",       "Medicacoes",         "Vacinacoes",
    "ResultadosDeExames", "Vendas",          "ItensDeVendas",      "DispensacoesDeReceitas",
    "ChecagensDeMedicacoes", "AtestadosDeVacinacao"};

// ---------------------------------------------------------------------------------------------
// Creation and the schema version
// ---------------------------------------------------------------------------------------------

TEST_F(PracticeDatabase, CreatesEveryTableEmptyAndStampsTheVersion) {
    EXPECT_EQ(jet::databaseVersion(url()), 0);
    auto s = createAndOpen(false);
    EXPECT_EQ(jet::databaseVersion(url()), SchemaVersion);
    for (const auto& table : kTables)
        EXPECT_EQ(scalar(*s, "SELECT COUNT(*) FROM " + table), 0) << table;
}

TEST_F(PracticeDatabase, CreatesTheDemoDatabaseAndStampsTheVersion) {
    auto s = createAndOpen(true);
    EXPECT_EQ(jet::databaseVersion(url()), SchemaVersion);
    for (const char* table : {"Clientes", "Animais", "Funcionarios", "Usuarios", "FichasClinicas", "Exames",
                              "ServicosEfetuados", "ProdutosReservados", "Receitas", "Medicacoes", "Vacinacoes"})
        EXPECT_GT(scalar(*s, std::string("SELECT COUNT(*) FROM ") + table), 0) << table;
}

TEST_F(PracticeDatabase, RefusesAnExistingDatabaseUnlessReplacing) {
    createPracticeDatabase(url(), true, false);
    try {
        createPracticeDatabase(url(), false, false);
        FAIL() << "an existing database was overwritten";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), kGeneralFailure);
    }
    {
        auto s = jet::openSession(url());
        EXPECT_EQ(scalar(*s, "SELECT COUNT(*) FROM Clientes WHERE Codigo = 95"), 1) << "the refused call touched the data";
    }
    createPracticeDatabase(url(), false, true);
    EXPECT_EQ(jet::databaseVersion(url()), SchemaVersion);
    auto s = jet::openSession(url());
    EXPECT_EQ(scalar(*s, "SELECT COUNT(*) FROM Clientes"), 0) << "replacing did not recreate the database";
}

TEST_F(PracticeDatabase, ScriptsAreCompiledIn) {
    EXPECT_NE(ddl().find("CREATE TABLE FichasClinicas"), std::string::npos);
    EXPECT_NE(demoData().find("INSERT INTO Clientes"), std::string::npos);
    EXPECT_EQ(ddl().find("PRAGMA"), std::string::npos) << "the version is stamped by the engine, not the script";
}

// ---------------------------------------------------------------------------------------------
// Declared types
// ---------------------------------------------------------------------------------------------

// The engine types results from the declared types, so every column uses one of the fixed names,
// and every Yes/No column is stored -1/0 with a default.
TEST_F(PracticeDatabase, DeclaresOnlyTheEngineTypes) {
    const std::set<std::string> allowed = {"LONGTEXT", "BYTE",     "SMALLINT", "INTEGER", "DOUBLE",
                                           "CURRENCY", "DATETIME", "YESNO"};
    const std::regex column(R"(^    (\w+) (\w+(?:\(\d+\))?)(.*?),?$)");
    const std::regex varchar(R"(VARCHAR\(\d+\))");
    const std::string text = ddl();
    int tables = 0, columns = 0;
    // Table bodies are cut out by hand: a regular expression over a 190-column body recurses
    // deeper than the sanitizers' stack allows.
    const std::string head = "CREATE TABLE ";
    for (std::size_t at = text.find(head); at != std::string::npos; at = text.find(head, at + 1)) {
        ++tables;
        const std::size_t nameEnd = text.find(" (\n", at);
        const std::size_t bodyEnd = text.find("\n);", nameEnd);
        ASSERT_NE(bodyEnd, std::string::npos);
        const std::string name = text.substr(at + head.size(), nameEnd - at - head.size());
        std::istringstream body(text.substr(nameEnd + 3, bodyEnd - nameEnd - 3));
        for (std::string line; std::getline(body, line);) {
            std::smatch m;
            if (line.rfind("    PRIMARY KEY", 0) == 0 || line.rfind("    UNIQUE", 0) == 0 ||
                line.rfind("    CHECK", 0) == 0)
                continue;
            ASSERT_TRUE(std::regex_match(line, m, column)) << name << ": " << line;
            ++columns;
            const std::string type = m[2];
            EXPECT_TRUE(allowed.count(type) || std::regex_match(type, varchar))
                << name << "." << m[1] << " is declared " << type;
            if (type == "YESNO") {
                EXPECT_NE(m[3].str().find("NOT NULL DEFAULT 0 CHECK (" + m[1].str() + " IN (0, -1))"), std::string::npos)
                    << name << "." << m[1];
            }
        }
    }
    EXPECT_EQ(tables, static_cast<int>(kTables.size()));
    EXPECT_GT(columns, 600);
}

TEST_F(PracticeDatabase, ExamRequestsHaveOneYesNoColumnPerExam) {
    auto s = createAndOpen(false);
    const jet::RowSet rows = select(*s, "SELECT * FROM Exames");
    ASSERT_EQ(rows.columns.size(), 201u);  // key, 6 numbers and dates, 3 texts, paid, 182 exams, 4 texts, 4 stamps
    int booleans = 0;
    bool herpes = false;
    for (const auto& c : rows.columns) {
        if (c.type == jet::adotype::Boolean) ++booleans;
        if (c.name == "HerpesVirusFelinoSN") herpes = c.type == jet::adotype::Boolean;
    }
    EXPECT_EQ(booleans, 183);
    EXPECT_TRUE(herpes);
    // The irregular spellings the statements use, letter for letter.
    EXPECT_EQ(changes(*s, "UPDATE Exames SET Testoterona=True,ErhlichioseElisa=True,DilofilariaImmitis=True,"
                          "LepstospiraInterrogans=True,TesteElisaTriploDilofiralioseEhrlichioseLyme=True,"
                          "FatorRematoideCanino=True,HerpesVirusFelinoSN=True WHERE Numero=1;"),
              0);
}

TEST_F(PracticeDatabase, ResultColumnsAreTypedFromTheDeclarations) {
    auto s = createAndOpen(true);
    const jet::RowSet rows = select(
        *s, "SELECT Numero, DataDeEmissao, TipoDeAtendimento, SGIEmese, EFPeso, QueixaPrincipal, SGIApetite "
            "FROM FichasClinicas WHERE Numero = 812");
    ASSERT_EQ(rows.columns.size(), 7u);
    EXPECT_EQ(rows.columns[0].type, jet::adotype::Integer);
    EXPECT_EQ(rows.columns[1].type, jet::adotype::Date);
    EXPECT_EQ(rows.columns[2].type, jet::adotype::SmallInt);
    EXPECT_EQ(rows.columns[3].type, jet::adotype::Boolean);
    EXPECT_EQ(rows.columns[4].type, jet::adotype::Double);
    EXPECT_EQ(rows.columns[5].type, jet::adotype::LongVarWChar);
    EXPECT_EQ(rows.columns[6].type, jet::adotype::VarWChar);
    EXPECT_EQ(rows.columns[6].definedSize, 255);
    ASSERT_EQ(rows.rowCount(), 1u);
    EXPECT_EQ(rows.cells[3], Variant(true));
    EXPECT_EQ(rows.cells[1].type(), platform::VarType::Date);

    const jet::RowSet money = select(*s, "SELECT SaldoEmEstoque FROM Produtos WHERE CodigoInterno = 10");
    ASSERT_EQ(money.rowCount(), 1u);
    EXPECT_EQ(money.columns[0].type, jet::adotype::Currency);
    EXPECT_DOUBLE_EQ(money.cells[0].toDouble(), 37.5);
}

// ---------------------------------------------------------------------------------------------
// Relationships: the deletions the business objects expect to be refused
// ---------------------------------------------------------------------------------------------

struct Refusal {
    const char* what;
    const char* deletion;  // as the business objects write it
    const char* stillThere;
};

TEST_F(PracticeDatabase, RefusesDeletingRowsThatOtherRowsReferTo) {
    auto s = createAndOpen(true);
    const Refusal refusals[] = {
        {"exam request with results", "DELETE * FROM Exames WHERE Numero=55;",
         "SELECT COUNT(*) FROM Exames WHERE Numero = 55"},
        {"billed service posting", "DELETE * FROM ServicosEfetuados WHERE NumeroDeLancamento=201;",
         "SELECT COUNT(*) FROM ServicosEfetuados WHERE NumeroDeLancamento = 201"},
        {"billed product posting", "DELETE * FROM ProdutosReservados WHERE NumeroDeLancamento=401;",
         "SELECT COUNT(*) FROM ProdutosReservados WHERE NumeroDeLancamento = 401"},
        {"dispensed prescription", "DELETE * FROM Receitas WHERE Numero=62;",
         "SELECT COUNT(*) FROM Receitas WHERE Numero = 62"},
        {"checked medication",
         "          DELETE    * FROM    Medicacoes WHERE    CodigoDoMedicamento = 1   AND NumeroDaFichaClinica= 812"
         "   AND CodigoDoCliente = 95   AND CodigoDoAnimal = 140   AND DataEHoraDaInclusao = #20/11/2026 10:42:15#;",
         "SELECT COUNT(*) FROM Medicacoes WHERE Numero = 1"},
        {"certified vaccination", "DELETE * FROM Vacinacoes WHERE Codigo=74;",
         "SELECT COUNT(*) FROM Vacinacoes WHERE Codigo = 74"},
    };
    for (const auto& r : refusals) {
        try {
            s->execute(r.deletion);
            ADD_FAILURE() << r.what << ": the deletion was not refused";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), kGeneralFailure) << r.what;
            EXPECT_EQ(e.helpContext(), kRelationshipRefusal) << r.what << ": " << e.description();
        }
        EXPECT_EQ(scalar(*s, r.stillThere), 1) << r.what;
    }
}

TEST_F(PracticeDatabase, RefusesInsideATransactionAndKeepsEarlierWork) {
    auto s = createAndOpen(true);
    // A product posting is deleted after its stock is given back, all in one transaction.
    s->begin();
    EXPECT_EQ(changes(*s, "           UPDATE     Produtos  SET     SaldoEmEstoque = 13.00 WHERE     CodigoInterno = 2;"),
              1);
    EXPECT_THROW(s->execute("DELETE * FROM ProdutosReservados WHERE NumeroDeLancamento=401;"), RuntimeError);
    s->rollback();
    EXPECT_EQ(scalar(*s, "SELECT SaldoEmEstoque FROM Produtos WHERE CodigoInterno = 2"), 12);
}

TEST_F(PracticeDatabase, DeletesRowsNothingRefersTo) {
    auto s = createAndOpen(true);
    EXPECT_EQ(changes(*s, "DELETE * FROM Exames WHERE Numero=58;"), 1);
    EXPECT_EQ(changes(*s, "DELETE * FROM ServicosEfetuados WHERE NumeroDeLancamento=203;"), 1);
    EXPECT_EQ(changes(*s, "DELETE * FROM ProdutosReservados WHERE NumeroDeLancamento=403;"), 1);
    EXPECT_EQ(changes(*s, "DELETE * FROM Receitas WHERE Numero=63;"), 1);
    EXPECT_EQ(changes(*s, "          DELETE    * FROM    Medicacoes WHERE    CodigoDoMedicamento = 5"
                          "   AND NumeroDaFichaClinica= 812   AND CodigoDoCliente = 95   AND CodigoDoAnimal = 140"
                          "   AND DataEHoraDaInclusao = #20/11/2026 14:03:51#;"),
              1);
    EXPECT_EQ(changes(*s, "DELETE * FROM Vacinacoes WHERE Codigo=73;"), 1);
    // Codes chosen by the user carry no relationship: clients, animals and records may go.
    EXPECT_EQ(changes(*s, "DELETE * FROM Funcionarios WHERE Codigo=6;"), 1);
    EXPECT_EQ(changes(*s, "DELETE * FROM FichasClinicas WHERE Numero=801;"), 1);
    // Once its referring rows are gone, a refused row can be deleted too.
    EXPECT_EQ(changes(*s, "DELETE * FROM ResultadosDeExames WHERE NumeroDoExame=55;"), 2);
    EXPECT_EQ(changes(*s, "DELETE * FROM Exames WHERE Numero=55;"), 1);
}

TEST_F(PracticeDatabase, RefusesReferringRowsWithoutTheirRow) {
    auto s = createAndOpen(false);
    try {
        s->execute("INSERT INTO ResultadosDeExames (NumeroDoExame, Resultado) VALUES (77, 'sem pedido')");
        FAIL() << "a result without its exam request was accepted";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), kGeneralFailure);
        EXPECT_EQ(e.helpContext(), 0);
    }
}

TEST_F(PracticeDatabase, YesNoColumnsReadBackAsBooleans) {
    auto s = createAndOpen(true);
    EXPECT_EQ(select(*s, "SELECT ReceitaControlada FROM Receitas WHERE Numero = 63").cells.at(0), Variant(false));
    EXPECT_EQ(changes(*s, "UPDATE Receitas SET ReceitaControlada=True WHERE Numero=63;"), 1);
    EXPECT_EQ(select(*s, "SELECT ReceitaControlada FROM Receitas WHERE Numero = 63").cells.at(0), Variant(true));
    // A row inserted without naming a Yes/No column reads False.
    EXPECT_EQ(select(*s, "SELECT SGUCastrado FROM FichasClinicas WHERE Numero = 798").cells.at(0), Variant(false));
}

// ---------------------------------------------------------------------------------------------
// Rows as the business objects insert them: only the columns they name
// ---------------------------------------------------------------------------------------------

struct CorpusCase {
    std::string name;
    std::string sql;
};

// The statement corpus of the engine holds every statement the business objects write.
std::vector<CorpusCase> corpusCases(const std::string& file) {
    std::ifstream in(std::string(ZOLK_SOURCE_DIR) + "/jet/tests/corpus/" + file);
    EXPECT_TRUE(in.good()) << file;
    std::vector<CorpusCase> cases;
    std::vector<std::string> lines;
    std::string name;
    auto flush = [&] {
        if (name.empty()) return;
        std::string sql;
        for (const auto& l : lines) sql += (sql.empty() ? "" : "\n") + l;
        cases.push_back({name, sql});
        lines.clear();
    };
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("-- case: ", 0) == 0) {
            flush();
            name = line.substr(9);
        } else if (line.rfind("-- ", 0) == 0 && lines.empty()) {
            continue;
        } else {
            lines.push_back(line);
        }
    }
    flush();
    return cases;
}

TEST_F(PracticeDatabase, TakesTheInsertionsOfTheBusinessObjectsOnAnEmptyDatabase) {
    auto s = createAndOpen(false);
    std::map<std::string, int> insertedInto;
    const std::regex insert(R"(^\s*INSERT INTO (\w+) )");
    for (const char* file : {"fichas.sql", "exames.sql", "procedimentos.sql", "receitas.sql", "medicacoes.sql",
                             "vacinacoes.sql"}) {
        for (const auto& c : corpusCases(file)) {
            std::smatch m;
            if (!std::regex_search(c.sql, m, insert)) continue;
            try {
                EXPECT_EQ(changes(*s, c.sql), 1) << c.name;
                ++insertedInto[m[1]];
            } catch (const RuntimeError& e) {
                ADD_FAILURE() << c.name << ": " << e.number() << " " << e.description();
            }
        }
    }
    for (const char* table : {"FichasClinicas", "Agendamentos", "Exames", "ServicosEfetuados", "ProdutosReservados",
                              "HistoricoDeProdutos", "Receitas", "Medicacoes", "Vacinacoes"})
        EXPECT_GT(insertedInto[table], 0) << "no insertion into " << table;
    // Columns no statement names take their defaults.
    const jet::RowSet r = select(*s, "SELECT NumeroDaVenda, NumeroDaVendaCancelada FROM ServicosEfetuados");
    ASSERT_GT(r.rowCount(), 0u);
    EXPECT_EQ(r.cells[0].toDouble(), 0);
    EXPECT_EQ(r.cells[1].toDouble(), 0);
}

TEST_F(PracticeDatabase, GeneratesNumbersAfterTheDemoCodesAndNeverReusesThem) {
    auto s = createAndOpen(true);
    const std::string receita =
        "INSERT INTO Receitas (Data,NumeroDaFichaClinica, CodigoDoCliente,CodigoDoAnimal,ReceitaControlada,"
        "Prescricao,CodigoDoVeterinario,DataEHoraDaInclusao,UsuarioDaInclusao) VALUES('15/12/2026',812,95,140,"
        "False,'Dieta leve.',3,'15/12/2026 10:30:00','ana');";
    EXPECT_EQ(changes(*s, receita), 1);
    EXPECT_EQ(scalar(*s, "SELECT @@Identity"), 65);
    EXPECT_EQ(changes(*s, "DELETE * FROM Receitas WHERE Numero=65;"), 1);
    EXPECT_EQ(changes(*s, receita), 1);
    EXPECT_EQ(scalar(*s, "SELECT @@Identity"), 66) << "a deleted number was given again";

    const std::string vacinacao =
        "INSERT INTO Vacinacoes (DataDaAplicacao,NumeroDaFichaClinica, CodigoDoCliente,CodigoDoAnimal,CodigoDaVacina,"
        "NumeroDaDose,NumeroDeDoses,IntervaloEntreAsDoses,CodigoDoVeterinario,VacinaAplicada,Partida,Observacao, "
        "DataEHoraDaInclusao,UsuarioDaInclusao) VALUES('15/12/2026', Null, 95,140,3,1,2,21,3,True,'','',"
        "'15/12/2026 10:30:00','ana');";
    EXPECT_EQ(changes(*s, vacinacao), 1);
    EXPECT_EQ(scalar(*s, "SELECT @@Identity"), 79);
    EXPECT_EQ(scalar(*s, "SELECT COUNT(*) FROM Vacinacoes WHERE Codigo = 79 AND NumeroDaFichaClinica IS Null"), 1);
}

// ---------------------------------------------------------------------------------------------
// The demo data set
// ---------------------------------------------------------------------------------------------

TEST_F(PracticeDatabase, DemoHoldsTheCodesOfTheExampleScript) {
    auto s = createAndOpen(true);
    EXPECT_EQ(scalar(*s, "SELECT COUNT(*) FROM Funcionarios WHERE Codigo = 3 AND Situacao = 1 AND CRMV <> ''"), 1);
    EXPECT_EQ(scalar(*s, "SELECT COUNT(*) FROM Clientes WHERE Codigo = 95"), 1);
    EXPECT_EQ(scalar(*s, "SELECT COUNT(*) FROM Animais WHERE Codigo = 140 AND CodigoDoCliente = 95"), 1);
    // The animal prints: its species and a breed of that species exist.
    EXPECT_EQ(scalar(*s, "SELECT COUNT(*) FROM (EspeciesDeAnimais INNER JOIN Animais ON EspeciesDeAnimais.Codigo = "
                         "Animais.CodigoDaEspecie) INNER JOIN RacasDeAnimais ON (RacasDeAnimais.Codigo = "
                         "Animais.CodigoDaRaca) AND (EspeciesDeAnimais.Codigo = RacasDeAnimais.CodigoDaEspecieDeAnimal) "
                         "WHERE Animais.Codigo = 140"),
              1);
    EXPECT_EQ(scalar(*s, "SELECT COUNT(*) FROM Usuarios WHERE NomeDeUsuario = 'ana' AND Administrador = True"), 1);
}

TEST_F(PracticeDatabase, DemoCoversThePermissionsAndCommissionSettings) {
    auto s = createAndOpen(true);
    const std::string users = "SELECT COUNT(*) FROM Usuarios WHERE Administrador = False AND ";
    EXPECT_GT(scalar(*s, users + "PermissaoDoModuloConsultasAlterarFichaClinicaComDataRetroativa = True AND "
                                 "PermissaoDoModuloConsultasAlterarFichaClinicaDeOutroUsuario = False"),
              0);
    EXPECT_GT(scalar(*s, users + "PermissaoDoModuloConsultasAlterarFichaClinicaComDataRetroativa = False AND "
                                 "PermissaoDoModuloConsultasAlterarFichaClinicaDeOutroUsuario = True"),
              0);
    EXPECT_GT(scalar(*s, users + "PermissaoDoModuloConsultasAlterarFichaClinicaComDataRetroativa = False AND "
                                 "PermissaoDoModuloConsultasAlterarFichaClinicaDeOutroUsuario = False"),
              0);
    EXPECT_GT(scalar(*s, users + "PermissaoDoModuloConsultasAlterarFichaClinicaComDataRetroativa = True AND "
                                 "PermissaoDoModuloConsultasAlterarFichaClinicaDeOutroUsuario = True"),
              0);
    EXPECT_GT(scalar(*s, "SELECT COUNT(*) FROM Funcionarios WHERE Comissionado = True AND ComissaoUnica = True"), 0);
    EXPECT_GT(scalar(*s, "SELECT COUNT(*) FROM Funcionarios WHERE Comissionado = True AND ComissaoUnica = False"), 0);
    EXPECT_GT(scalar(*s, "SELECT COUNT(*) FROM Funcionarios WHERE Comissionado = False"), 0);
    EXPECT_GT(scalar(*s, "SELECT COUNT(*) FROM SubGruposDeProdutos WHERE Situacao <> 1"), 0);
    EXPECT_EQ(scalar(*s, "SELECT COUNT(*) FROM ItensDoOrcamento WHERE NumeroDoOrcamento = 7"), 3);
}

TEST_F(PracticeDatabase, DemoStockBalancesFollowTheirMovements) {
    auto s = createAndOpen(true);
    // Each product's last movement leaves the balance the product holds.
    const jet::RowSet rows = select(
        *s, "SELECT HistoricoDeProdutos.CodigoInternoDoProduto, HistoricoDeProdutos.SaldoAtual, Produtos.SaldoEmEstoque "
            "FROM HistoricoDeProdutos INNER JOIN Produtos ON HistoricoDeProdutos.CodigoInternoDoProduto = "
            "Produtos.CodigoInterno ORDER BY HistoricoDeProdutos.Numero");
    ASSERT_GT(rows.rowCount(), 0u);
    std::map<double, std::pair<double, double>> last;
    for (std::size_t r = 0; r < rows.rowCount(); ++r)
        last[rows.cells[r * 3].toDouble()] = {rows.cells[r * 3 + 1].toDouble(), rows.cells[r * 3 + 2].toDouble()};
    for (const auto& [product, balances] : last)
        EXPECT_DOUBLE_EQ(balances.first, balances.second) << "product " << product;
}

TEST_F(PracticeDatabase, DemoHasPendingDosesOverdueAndToCome) {
    auto s = createAndOpen(true);
    const std::string pending =
        "SELECT COUNT(*) FROM Vacinacoes WHERE CodigoDoCliente = 95 AND CodigoDoAnimal = 140 AND VacinaAplicada = False "
        "AND Format(DataDaAplicacao,'yyyy/mm/dd') ";
    EXPECT_GT(scalar(*s, pending + "< Format(Date(),'yyyy/mm/dd')"), 0);
    EXPECT_GT(scalar(*s, pending + "> Format(Date(),'yyyy/mm/dd')"), 0);
}

}  // namespace
}  // namespace zolk::schema
