// The provider's AbrirConexao on every kind of file a setting may point at: 3 when there is no
// practice database yet, 1 with the reason for anything else, and the file left as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "components/provider/objetos_de_dados.h"
#include "components/provider/settings.h"
#include "platform/runtime_error.h"
#include "schema/practice_database.h"
#include "testsupport/folder_snapshot.h"
#include "testsupport/outside_files.h"
#include "testsupport/practice_fixture.h"

namespace zolk::components {
namespace {

namespace fs = std::filesystem;
using testsupport::FolderSnapshot;

class ProviderFiles : public ::testing::Test {
protected:
    testsupport::PracticeDatabase db{false};

    std::string path(const std::string& name) const { return (db.folder() / name).string(); }

    std::string sqliteFile(const std::string& name, const std::string& sql) const {
        return testsupport::sqliteFile(path(name), sql);
    }
};

bool mentions(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST_F(ProviderFiles, NoPracticeDatabaseYetIsAFailureTellingWhatToDo) {
    std::ofstream{path("empty.db")};
    const std::string agenda = sqliteFile("agenda.db", "CREATE TABLE Compromissos (Quando TEXT)");
    const FolderSnapshot before(db.folder());
    for (const std::string& file : {path("no folder/none.db"), path("empty.db"), agenda}) {
        setDatabaseOverride(file);
        ObjetosDeDados provider;
        EXPECT_EQ(provider.AbrirConexao(), 3) << file << ": " << provider.DescricaoDoErro();
        EXPECT_TRUE(mentions(provider.DescricaoDaFalha(), file)) << provider.DescricaoDaFalha();
        EXPECT_EQ(provider.NumeroDoErro(), 0);
        EXPECT_FALSE(provider.ReferenciaDeConexao());
    }
    setDatabaseOverride(path("empty.db"));
    ObjetosDeDados provider;
    provider.AbrirConexao();
    EXPECT_TRUE(mentions(provider.DescricaoDaFalha(), "Execute \"fichas init\""));
    setDatabaseOverride(agenda);
    provider.AbrirConexao();
    EXPECT_TRUE(mentions(provider.DescricaoDaFalha(), "não é um banco de dados da clínica"));
    EXPECT_EQ(FolderSnapshot(db.folder()).changesSince(before), "");
    EXPECT_TRUE(db.trace().empty()) << "opening is the provider's own housekeeping";
}

TEST_F(ProviderFiles, AnythingElseIsAnErrorWithTheReasonAndTheFileUntouched) {
    fs::create_directory(path("pasta"));
    const std::string newer = sqliteFile(
        "nova.db", "CREATE TABLE FichasClinicas (Numero INTEGER); PRAGMA application_id = " +
                       std::to_string(schema::ApplicationId) + "; PRAGMA user_version = 7;");
    const std::string tagged = sqliteFile("outro.db", "CREATE TABLE T (x INTEGER); PRAGMA user_version = 1;");
    // The engine's own refusals pass through (each kind is checked through the command too).
    const struct {
        std::string url;
        std::string reason;
    } cases[] = {
        {path("pasta"), "is a folder"},
        {newer, "está na versão 7 do esquema; este programa usa a versão " + std::to_string(schema::SchemaVersion)},
        {tagged, "foi marcado por outro programa"},
        {":memory:", "nothing written there would be kept"},
        {"mysql://localhost/clinica", "No database engine of this build serves 'mysql:' URLs"},
    };
    const FolderSnapshot before(db.folder());
    for (const auto& c : cases) {
        setDatabaseOverride(c.url);
        ObjetosDeDados provider;
        EXPECT_EQ(provider.AbrirConexao(), 1) << c.url;
        EXPECT_EQ(provider.NumeroDoErro(), platform::err::DbGeneralFailure) << c.url;
        EXPECT_TRUE(mentions(provider.DescricaoDoErro(), c.reason)) << provider.DescricaoDoErro();
        EXPECT_EQ(provider.LocalDoErro(), "ZOLK_I_ADO, clsObjetosDeDados, AbrirConexao");
        EXPECT_FALSE(provider.ReferenciaDeConexao());
    }
    EXPECT_EQ(FolderSnapshot(db.folder()).changesSince(before), "");

    setDatabaseOverride(db.url());
    ObjetosDeDados provider;
    EXPECT_EQ(provider.AbrirConexao(), 0) << "the practice database beside them still opens";
}

}  // namespace
}  // namespace zolk::components
