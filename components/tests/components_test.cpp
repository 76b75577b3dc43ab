// The data-object provider: releasing it, and what its trace shows of a crosstab.
#include <gtest/gtest.h>

#include "ado/connection.h"
#include "components/provider/objetos_de_dados.h"
#include "testsupport/practice_fixture.h"

namespace zolk::components {
namespace {

class Provider : public ::testing::Test {
protected:
    testsupport::PracticeDatabase db{false};
};

TEST_F(Provider, ReleasingItRollsBackAnOpenTransactionWithoutTracingIt) {
    db.native("CREATE TABLE Notas (Numero INTEGER PRIMARY KEY AUTOINCREMENT, Texto VARCHAR(20))");
    {
        auto provider = std::make_shared<ObjetosDeDados>();
        ASSERT_EQ(provider->AbrirConexao(), 0);
        auto connection = provider->ReferenciaDeConexao();
        connection->BeginTrans();
        connection->Execute("INSERT INTO Notas (Texto) VALUES ('perdida')");
        provider.reset();  // the front end releases the provider; the connection goes with it
        EXPECT_EQ(connection->State(), 0);
    }
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM Notas"), "0");
    const auto trace = db.trace();
    ASSERT_EQ(trace.size(), 2u);
    EXPECT_EQ(trace[0].op, "BeginTrans");
    EXPECT_EQ(trace[1].sql, "INSERT INTO Notas (Texto) VALUES ('perdida')");
}

TEST_F(Provider, ACrosstabIsTracedOnceAsTheGroupedSelectItRuns) {
    db.native("INSERT INTO Animais (Codigo, CodigoDoCliente, Nome, Sexo, Porte) VALUES "
              "(1, 1, 'Rex', 'M', 'Grande'), (2, 1, 'Mia', 'F', 'Grande'), (3, 2, 'Bidu', 'M', 'Médio')");
    ObjetosDeDados provider;
    ASSERT_EQ(provider.AbrirConexao(), 0) << provider.DescricaoDoErro();
    const std::string sql = "TRANSFORM Count(*) SELECT Porte FROM Animais GROUP BY Porte PIVOT Sexo";
    auto rs = provider.ReferenciaDeConexao()->Execute(sql);
    ASSERT_EQ(rs->RecordCount(), 2);
    // The query that finds the pivot values is the engine's own work: only the statement is traced.
    const auto trace = db.trace();
    ASSERT_EQ(trace.size(), 1u);
    EXPECT_EQ(trace[0].sql, sql);
    EXPECT_EQ(trace[0].native.find("SELECT"), 0u);
}

}  // namespace
}  // namespace zolk::components
