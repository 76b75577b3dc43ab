// The practice database: creation and version stamp, the relationships that refuse deletions,
// the demo stock.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "jet/engine.h"
#include "platform/runtime_error.h"
#include "schema/practice_database.h"
#include "testsupport/outside_files.h"
#include "testsupport/raised.h"

namespace zolk::schema {
namespace {

using platform::RuntimeError;

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
