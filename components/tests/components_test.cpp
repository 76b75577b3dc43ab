// The outside components: text treatment, the user data object and the data-object provider.
#include <gtest/gtest.h>

#include "ado/connection.h"
#include "components/provider/objetos_de_dados.h"
#include "components/provider/settings.h"
#include "components/register_components.h"
#include "components/tratadados/tratamento.h"
#include "components/userdata/dados_do_usuario.h"
#include "platform/conversions.h"
#include "testsupport/practice_fixture.h"
#include "testsupport/raised.h"

namespace zolk::components {
namespace {

using platform::Variant;
using testsupport::errorNumber;

TEST(TratarString, KeepsTextSafeBetweenQuotesAndOtherwiseUnchanged) {
    EXPECT_EQ(tratarString("d'Ávila"), "d''Ávila");
    EXPECT_EQ(tratarString("  linha 1\r\n\tlinha 2  "), "  linha 1\r\n\tlinha 2  ");
    EXPECT_EQ(tratarString(std::string("a\0b", 3)), "ab");
    EXPECT_EQ(tratarString("a\xC3"), "a\xEF\xBF\xBD");             // cut sequence
    EXPECT_EQ(tratarString("\xC0\xAF'"), "\xEF\xBF\xBD\xEF\xBF\xBD''");  // overlong form
    EXPECT_EQ(tratarString("🐶 ção"), "🐶 ção");

    // Created by its programmatic identifier and called by name, as the classes do.
    registerComponents();
    auto service = platform::CreateObject(TratamentoProgId);
    EXPECT_EQ(platform::CStr(service->call("TratarString", {Variant("it's")})), "it''s");
}

TEST(DadosDoUsuario, KeysIgnoreCaseAndAMissingKeyIsAnError) {
    DadosDoUsuario user;
    user.Add(Variant("ana"), "NomeDeUsuario");
    user.Add(Variant(true), "Administrador");
    user.Add(Variant("bia"), "nomedeusuario");  // replaces
    EXPECT_EQ(user.Count(), 2);
    std::vector<Variant> key{Variant("NOMEDEUSUARIO")};
    EXPECT_EQ(platform::CStr(user.defaultValue(key)), "bia");
    EXPECT_EQ(errorNumber([&] { user.Item("CodigoDoUsuario"); }), platform::err::InvalidProcedureCall);
    user.Remove("administrador");
    EXPECT_FALSE(user.Exists("Administrador"));
}

class Provider : public ::testing::Test {
protected:
    testsupport::PracticeDatabase db{false};
};

TEST_F(Provider, OpensGivesFreshRecordsetsAndCloses) {
    ObjetosDeDados provider;
    ASSERT_EQ(provider.AbrirConexao(), 0) << provider.DescricaoDoErro();
    ASSERT_TRUE(provider.ReferenciaDeConexao());
    EXPECT_EQ(provider.ReferenciaDeConexao()->State(), 1);
    auto a = provider.ReferenciaDeRecordset();
    auto b = provider.ReferenciaDeRecordset();
    EXPECT_NE(a, b);
    EXPECT_EQ(a->State(), 0);
    EXPECT_EQ(provider.FecharConexao(), 0);
    EXPECT_FALSE(provider.ReferenciaDeConexao());
}

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

TEST(Settings, CommandLineThenEnvironmentThenTheUsersDataFolder) {
    setDatabaseOverride({});
    setenv("XDG_DATA_HOME", "/srv/dados", 1);
    unsetenv("ZOLK_DATABASE");
    EXPECT_EQ(databaseUrl(), "/srv/dados/zolk/practice.db");
    setenv("ZOLK_DATABASE", "sqlite:/tmp/clinica.db", 1);
    EXPECT_EQ(databaseUrl(), "sqlite:/tmp/clinica.db");
    setDatabaseOverride("/tmp/outra.db");
    EXPECT_EQ(databaseUrl(), "/tmp/outra.db");
    setDatabaseOverride({});
    unsetenv("ZOLK_DATABASE");
    unsetenv("XDG_DATA_HOME");
}

}  // namespace
}  // namespace zolk::components
