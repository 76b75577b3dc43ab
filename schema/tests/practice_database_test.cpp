// The practice database: creation and version stamp, the tables and declared types, the
// relationships that refuse deletions, the rows the business objects insert, the demo data set.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "jet/engine.h"
#include "platform/runtime_error.h"
#include "schema/practice_database.h"
#include "testsupport/outside_files.h"
#include "testsupport/raised.h"

namespace zolk::schema {
namespace {

using platform::RuntimeError;
using platform::Variant;

constexpr std::int32_t kGeneralFailure = platform::err::DbGeneralFailure;
constexpr std::int32_t kRelationshipRefusal = platform::err::DbRelationshipHelpContext;

// A database file of its own per test, in a folder removed with it.
class PracticeDatabase : public ::testing::Test {
protected:
    std::string url() const { return "sqlite:" + folder_ / "practice.db"; }

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
    testsupport::TempFolder folder_;
};

TEST_F(PracticeDatabase, CreatesTheTablesEmptyAndStampsTheVersion) {
    EXPECT_EQ(jet::databaseVersion(url()), 0);
    auto s = createAndOpen(false);
    EXPECT_EQ(jet::databaseVersion(url()), SchemaVersion);
    EXPECT_EQ(scalar(*s, "SELECT COUNT(*) FROM Usuarios"), 0);
}

// The engine types results from the declared types; a Yes/No column reads back as a Boolean,
// False when a row leaves it out.
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
    EXPECT_EQ(changes(*s, "UPDATE Receitas SET ReceitaControlada=True WHERE Numero=63;"), 1);
    EXPECT_EQ(select(*s, "SELECT ReceitaControlada FROM Receitas WHERE Numero = 63").cells.at(0), Variant(true));
    EXPECT_EQ(select(*s, "SELECT SGUCastrado FROM FichasClinicas WHERE Numero = 798").cells.at(0), Variant(false));
}

// Each deletion as the business objects write it, refused while other rows refer to its row.
// Codes chosen by the user carry no relationship: clients, animals and records may go.
TEST_F(PracticeDatabase, RefusesDeletingRowsThatOtherRowsReferToAndOnlyThose) {
    auto s = createAndOpen(true);
    const struct {
        const char* deletion;
        bool refused;
    } cases[] = {
        {"DELETE * FROM Exames WHERE Numero=55;", true},  // with results
        {"DELETE * FROM ServicosEfetuados WHERE NumeroDeLancamento=201;", true},  // billed
        {"DELETE * FROM ProdutosReservados WHERE NumeroDeLancamento=401;", true},  // billed
        {"DELETE * FROM Receitas WHERE Numero=62;", true},  // dispensed
        {"          DELETE    * FROM    Medicacoes WHERE    CodigoDoMedicamento = 1   AND NumeroDaFichaClinica= 812"
         "   AND CodigoDoCliente = 95   AND CodigoDoAnimal = 140   AND DataEHoraDaInclusao = #20/11/2026 10:42:15#;",
         true},  // checked
        {"DELETE * FROM Vacinacoes WHERE Codigo=74;", true},  // certified
        {"DELETE * FROM Exames WHERE Numero=58;", false},
        {"DELETE * FROM Vacinacoes WHERE Codigo=73;", false},
        {"DELETE * FROM FichasClinicas WHERE Numero=801;", false},
        // Once its referring rows are gone, a refused row can be deleted too.
        {"DELETE * FROM ResultadosDeExames WHERE NumeroDoExame=55;", false},
        {"DELETE * FROM Exames WHERE Numero=55;", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.deletion);
        const std::string deletion = c.deletion;
        const std::size_t from = deletion.find("FROM");
        const std::string count = "SELECT COUNT(*) " + deletion.substr(from, deletion.rfind(';') - from);
        const double before = scalar(*s, count);
        ASSERT_GT(before, 0);
        const RuntimeError e = testsupport::raised([&] { s->execute(deletion); });
        EXPECT_EQ(e.number(), c.refused ? kGeneralFailure : 0) << e.description();
        EXPECT_EQ(e.helpContext(), c.refused ? kRelationshipRefusal : 0);
        EXPECT_EQ(scalar(*s, count), c.refused ? before : 0);
    }
}

TEST_F(PracticeDatabase, RefusesReferringRowsWithoutTheirRowAndKeepsEarlierWorkOfATransaction) {
    auto s = createAndOpen(true);
    const RuntimeError e = testsupport::raised(
        [&] { s->execute("INSERT INTO ResultadosDeExames (NumeroDoExame, Resultado) VALUES (77, 'sem pedido')"); });
    EXPECT_EQ(e.number(), kGeneralFailure) << "a result without its exam request was accepted";
    EXPECT_EQ(e.helpContext(), 0);
    // A product posting is deleted after its stock is given back, all in one transaction.
    s->begin();
    EXPECT_EQ(changes(*s, "           UPDATE     Produtos  SET     SaldoEmEstoque = 13.00 WHERE     CodigoInterno = 2;"), 1);
    EXPECT_THROW(s->execute("DELETE * FROM ProdutosReservados WHERE NumeroDeLancamento=401;"), RuntimeError);
    s->rollback();
    EXPECT_EQ(scalar(*s, "SELECT SaldoEmEstoque FROM Produtos WHERE CodigoInterno = 2"), 12);
}

// The statements of a corpus file of the engine's tests (every text the business objects write)
// by case name; the comment lines heading each case left out.
std::vector<std::pair<std::string, std::string>> corpusCases(const std::string& file) {
    std::ifstream in(std::string(ZOLK_SOURCE_DIR) + "/jet/tests/corpus/" + file);
    EXPECT_TRUE(in.good()) << file;
    std::vector<std::pair<std::string, std::string>> cases;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("-- case: ", 0) == 0) cases.emplace_back(line.substr(9), "");
        else if (!cases.empty() && !(cases.back().second.empty() && line.rfind("-- ", 0) == 0))
            cases.back().second += (cases.back().second.empty() ? "" : "\n") + line;
    }
    return cases;
}

TEST_F(PracticeDatabase, TakesTheInsertionsOfTheBusinessObjectsOnAnEmptyDatabase) {
    auto s = createAndOpen(false);
    std::map<std::string, int> insertedInto;
    const std::regex insert(R"(^\s*INSERT INTO (\w+) )");
    for (const char* file : {"fichas.sql", "exames.sql", "procedimentos.sql", "receitas.sql", "medicacoes.sql",
                             "vacinacoes.sql"}) {
        for (const auto& [name, sql] : corpusCases(file)) {
            std::smatch m;
            if (!std::regex_search(sql, m, insert)) continue;
            try {
                EXPECT_EQ(changes(*s, sql), 1) << name;
                ++insertedInto[m[1]];
            } catch (const RuntimeError& e) {
                ADD_FAILURE() << name << ": " << e.number() << " " << e.description();
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
}

// The demo holds the codes of the example script and a case of each setting the classes
// branch on: COUNT(*) of each condition, exactly (`exact`) or at least `rows`.
TEST_F(PracticeDatabase, DemoHoldsTheExampleAndEveryKindOfSetting) {
    auto s = createAndOpen(true);
    const std::string permissions =
        "Usuarios WHERE Administrador = False AND PermissaoDoModuloConsultasAlterarFichaClinicaComDataRetroativa = ";
    const std::string other = " AND PermissaoDoModuloConsultasAlterarFichaClinicaDeOutroUsuario = ";
    const std::string pending = "Vacinacoes WHERE CodigoDoCliente = 95 AND CodigoDoAnimal = 140 AND "
                                "VacinaAplicada = False AND Format(DataDaAplicacao,'yyyy/mm/dd') ";
    const struct {
        std::string from;
        int rows;
        bool exact;
    } cases[] = {
        {"Funcionarios WHERE Codigo = 3 AND Situacao = 1 AND CRMV <> ''", 1, true},
        // The animal prints: its species and a breed of that species exist.
        {"(EspeciesDeAnimais INNER JOIN Animais ON EspeciesDeAnimais.Codigo = Animais.CodigoDaEspecie) INNER JOIN "
         "RacasDeAnimais ON (RacasDeAnimais.Codigo = Animais.CodigoDaRaca) AND (EspeciesDeAnimais.Codigo = "
         "RacasDeAnimais.CodigoDaEspecieDeAnimal) WHERE Animais.Codigo = 140 AND Animais.CodigoDoCliente = 95", 1, true},
        {"Usuarios WHERE NomeDeUsuario = 'ana' AND Administrador = True", 1, true},
        {permissions + "True" + other + "False", 1, false}, {permissions + "False" + other + "True", 1, false},
        {permissions + "False" + other + "False", 1, false}, {permissions + "True" + other + "True", 1, false},
        {"Funcionarios WHERE Comissionado = True AND ComissaoUnica = True", 1, false},
        {"Funcionarios WHERE Comissionado = True AND ComissaoUnica = False", 1, false},
        {"Funcionarios WHERE Comissionado = False", 1, false}, {"SubGruposDeProdutos WHERE Situacao <> 1", 1, false},
        {"ItensDoOrcamento WHERE NumeroDoOrcamento = 7", 3, true},
        // Doses pending, overdue and to come.
        {pending + "< Format(Date(),'yyyy/mm/dd')", 1, false}, {pending + "> Format(Date(),'yyyy/mm/dd')", 1, false},
    };
    for (const auto& c : cases) {
        const double rows = scalar(*s, "SELECT COUNT(*) FROM " + c.from);
        if (c.exact) EXPECT_EQ(rows, c.rows) << c.from;
        else EXPECT_GE(rows, c.rows) << c.from;
    }
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

}  // namespace
}  // namespace zolk::schema
