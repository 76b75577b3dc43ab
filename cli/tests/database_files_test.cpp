// The command on files it must not destroy: each is a clear message with the protocol's status, and
// the folder is left exactly as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli/tests/cli_test_support.h"
#include "schema/practice_database.h"
#include "testsupport/folder_snapshot.h"
#include "testsupport/outside_files.h"

namespace zolk::cli::testing {
namespace {

namespace fs = std::filesystem;
using testsupport::bytesOf;
using testsupport::FolderSnapshot;

class DatabaseFiles : public CliTest {
protected:
    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    std::string sqliteFile(const std::string& name, const std::string& sql) const {
        return testsupport::sqliteFile(path(name), sql);
    }
};

TEST_F(DatabaseFiles, WhatInitDidNotMakeIsRefusedByEverySubcommandAndLeftAsItWas) {
    createDatabase(true);
    const std::string practice = bytesOf(database_);
    fs::create_directory(path("pasta"));
    std::ofstream(path("pasta/nota.txt")) << "guardada";
    std::ofstream(path("planilha.csv")) << "Nome;Telefone\nAna;1234\n" << std::string(5000, ';');
    std::ofstream(path("cortada.db"), std::ios::binary) << practice.substr(0, practice.size() / 2 / 4096 * 4096);
    const std::string agenda = sqliteFile("agenda.db", "CREATE TABLE Compromissos (Quando TEXT); "
                                                        "INSERT INTO Compromissos VALUES ('amanhã')");
    struct Target {
        std::string file;
        const char* reason;  // what the refusal of init says
    };
    const Target targets[] = {
        {path("pasta"), "is a folder"},
        {path("planilha.csv"), "is not a SQLite database"},
        {path("cortada.db"), "is truncated"},
        {agenda, "fichas init did not make"},
        {path("sem pasta/practice.db"), "does not exist"},
    };
    const std::vector<std::vector<std::string>> commands{
        {"init", "--demo", "--force"}, {"sql", "SELECT COUNT(*) AS N FROM Clientes"}, {"run", "-"}};
    const FolderSnapshot before(dir_);
    for (const Target& target : targets) {
        for (const auto& command : commands) {
            std::vector<std::string> args{"--database", target.file};
            args.insert(args.end(), command.begin(), command.end());
            const Outcome o = fichasRaw(args, R"([{"sql": "SELECT COUNT(*) AS N FROM Clientes"}])");
            const std::string said = o.err + o.out;
            EXPECT_EQ(o.status, ExitFailed) << target.file << " " << command[0] << ": " << said;
            EXPECT_TRUE(mentions(said, target.file)) << said;
            EXPECT_TRUE(command[0] != "init" || mentions(o.err, target.reason)) << o.err;
        }
    }
    EXPECT_EQ(FolderSnapshot(dir_).changesSince(before), "");
    EXPECT_EQ(bytesOf(database_), practice);
}

TEST_F(DatabaseFiles, ADatabaseOfAnotherSchemaVersionIsNamedWithBothVersions) {
    createDatabase(true);
    testsupport::sqliteFile(database_, "PRAGMA user_version = 5");
    const FolderSnapshot before(dir_);
    const Outcome read = fichas({"sql", "SELECT COUNT(*) AS N FROM Clientes"});
    EXPECT_EQ(read.status, ExitFailed);
    EXPECT_TRUE(mentions(read.err, "versão 5 do esquema; este programa usa a versão " + std::to_string(schema::SchemaVersion)));
    EXPECT_TRUE(mentions(fichas({"init"}).err, "schema version 5"));
    EXPECT_EQ(FolderSnapshot(dir_).changesSince(before), "");
}

TEST_F(DatabaseFiles, EmptyAndInMemoryDatabasesAreRefused) {
    const std::string home = path("home");
    setenv("XDG_DATA_HOME", home.c_str(), 1);
    const Outcome emptyAfter = fichasRaw({"init", "--database", ""});
    EXPECT_EQ(emptyAfter.status, ExitUnreadable);
    EXPECT_TRUE(mentions(emptyAfter.err, "an empty one is refused")) << emptyAfter.err;
    const Outcome memory = fichasRaw({"--database", ":memory:", "init"});
    EXPECT_EQ(memory.status, ExitFailed);
    EXPECT_TRUE(mentions(memory.err + memory.out, "nothing written there would be kept")) << memory.err;
    unsetenv("XDG_DATA_HOME");
    EXPECT_FALSE(fs::exists(home)) << "an empty --database fell back to the default database";
    EXPECT_FALSE(fs::exists(":memory:"));
}

}  // namespace
}  // namespace zolk::cli::testing
