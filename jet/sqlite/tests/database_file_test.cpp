// Database files: opening one changes nothing in it or beside it, files that are not whole
// databases are refused before SQLite touches them, and making a database never destroys what
// was there before it is complete.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "jet/sqlite/database_file.h"
#include "jet/tests/jet_test_support.h"
#include "testsupport/folder_snapshot.h"
#include "testsupport/outside_files.h"

namespace zolk::jet {
namespace {

namespace fs = std::filesystem;
namespace err = platform::err;
using testsupport::bytesOf;
using testsupport::FolderSnapshot;
using testsupport::writeFile;

class DatabaseFiles : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return folder_ / name; }

    // A small database made as another tool would make it, in its default (rollback) mode.
    std::string rollbackDatabase(const std::string& name) const {
        return testsupport::sqliteFile(
            path(name), "CREATE TABLE Notas (Codigo INTEGER PRIMARY KEY, Texto VARCHAR(200));"
                        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300) "
                        "INSERT INTO Notas SELECT i, printf('nota %03d ', i) || hex(zeroblob(60)) FROM n;");
    }

    // One note in a database made by the engine, which makes write-ahead databases.
    std::string walDatabase(const std::string& name) const {
        const std::string file = path(name);
        createDatabase(file, {"CREATE TABLE Notas (Codigo INTEGER PRIMARY KEY, Texto VARCHAR(200))",
                              "INSERT INTO Notas VALUES (1, 'uma')"},
                       1, false);
        return file;
    }

    testsupport::TempFolder folder_;
};

// The description of the RuntimeError `action` raises ("" when none is raised), checked to be
// the general failure.
std::string refusal(const std::function<void()>& action) {
    try {
        action();
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), err::DbGeneralFailure) << e.description();
        return e.description();
    }
    return "";
}

bool mentions(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST_F(DatabaseFiles, FilesThatAreNotWholeDatabasesAreRefusedUntouched) {
    const std::string whole = bytesOf(rollbackDatabase("whole.db"));
    ASSERT_GE(whole.size(), 4096u * 8);
    std::string badPageSize = whole;
    badPageSize[16] = 0x03;  // 1000 bytes: not a power of two
    badPageSize[17] = static_cast<char>(0xE8);
    struct Case {
        const char* name;
        std::string bytes;
        const char* reason;
    };
    const std::vector<Case> cases{
        {"text.db", "Nome;Telefone\nAna;1234\n" + std::string(5000, 'x'), "is not a SQLite database"},
        {"header-only.db", whole.substr(0, 60), "is truncated"},
        {"half.db", whole.substr(0, whole.size() / 2 / 4096 * 4096), "is truncated"},
        {"cut.db", whole.substr(0, whole.size() - 1000), "not a whole number of pages"},
        {"bad-header.db", badPageSize, "is damaged"},
    };
    for (const Case& c : cases) {
        const std::string file = path(c.name);
        writeFile(file, c.bytes);
        const FolderSnapshot before(folder_.path());
        for (const std::string& said : {refusal([&] { openSession(file); }),
                                        refusal([&] { inspectDatabase("sqlite:" + file); }),
                                        refusal([&] { createDatabase(file, {"CREATE TABLE T (x INTEGER)"}, 1, true); })}) {
            EXPECT_TRUE(mentions(said, file)) << said;
            EXPECT_TRUE(mentions(said, c.reason)) << c.name << ": " << said;
        }
        EXPECT_EQ(FolderSnapshot(folder_.path()).changesSince(before), "") << c.name;
    }

    // Damage past the header shows when the pages are read: an error all the same, and nothing
    // left beside the file, in either journal mode.
    const std::string wal = path("wal.db");
    createDatabase(wal, {"CREATE TABLE Notas (Codigo INTEGER PRIMARY KEY, Texto VARCHAR(200))",
                         "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300) "
                         "INSERT INTO Notas SELECT i, hex(zeroblob(60)) FROM n"},
                   1, false);
    for (const std::string& source : {whole, bytesOf(wal)}) {
        const std::string junk = path("junk-pages.db");
        writeFile(junk, source.substr(0, 4096) + std::string(source.size() - 4096, '\x5A'));
        const FolderSnapshot before(folder_.path());
        const std::string said = refusal([&] { openSession(junk)->execute("SELECT COUNT(*) AS N FROM Notas"); });
        EXPECT_TRUE(mentions(said, "malformed")) << said;
        EXPECT_EQ(FolderSnapshot(folder_.path()).changesSince(before), "");
    }
}

TEST_F(DatabaseFiles, CreationNeedsItsFolderAndLeavesNothingHalfMade) {
    const std::string nowhere = path("falta/practice.db");
    EXPECT_TRUE(mentions(refusal([&] { createDatabase(nowhere, {}, 1, false); }), "does not exist"));
    EXPECT_FALSE(fs::exists(path("falta")));

    const std::string file = rollbackDatabase("practice.db");
    const FolderSnapshot before(folder_.path());
    const std::string said = refusal([&] {
        createDatabase(file, {"CREATE TABLE A (x INTEGER); CREATE TABLE A (y INTEGER);"}, 2, true);
    });
    EXPECT_FALSE(said.empty());
    EXPECT_EQ(FolderSnapshot(folder_.path()).changesSince(before), "") << "a failed replacement touched the old database";

    createDatabase(file, {"CREATE TABLE Nova (x INTEGER)"}, 2, true, 77);
    const DatabaseFile made = inspectDatabase(file);
    EXPECT_NO_THROW(openSession(file)->execute("SELECT x FROM Nova"));
    EXPECT_EQ(made.userVersion, 2);
    EXPECT_EQ(made.applicationId, 77);
    EXPECT_EQ(bytesOf(file)[18], 2);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_.path()), fs::directory_iterator()), 1)
        << "the new database was built beside the old one and nothing else may remain";
}

TEST_F(DatabaseFiles, ADatabaseInUseIsNotReplaced) {
    const std::string file = path("practice.db");
    createDatabase(file, {"CREATE TABLE Notas (Codigo INTEGER PRIMARY KEY)", "INSERT INTO Notas VALUES (7)"}, 1, false);
    auto session = openSession(file);
    session->execute("SELECT Codigo FROM Notas");
    EXPECT_TRUE(mentions(refusal([&] { createDatabase(file, {"CREATE TABLE Outra (x INTEGER)"}, 1, true); }),
                         "in use by another program"));
    EXPECT_EQ(testing::render(session->execute("SELECT Codigo FROM Notas").rows), "L7");
    session.reset();
    EXPECT_EQ(inspectDatabase(file).tables, std::vector<std::string>{"Notas"});
}

}  // namespace
}  // namespace zolk::jet
