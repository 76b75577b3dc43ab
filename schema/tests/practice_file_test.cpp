// Telling a practice database from everything else a path may hold, and making one only where
// nothing would be lost.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "jet/engine.h"
#include "platform/runtime_error.h"
#include "schema/practice_database.h"
#include "schema/practice_file.h"
#include "testsupport/folder_snapshot.h"
#include "testsupport/outside_files.h"
#include "testsupport/raised.h"

namespace zolk::schema {
namespace {

namespace fs = std::filesystem;
using testsupport::FolderSnapshot;

class PracticeFile : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return folder_ / name; }
    std::string sqliteFile(const std::string& name, const std::string& sql) const {
        return testsupport::sqliteFile(path(name), sql);
    }

    testsupport::TempFolder folder_;
};

TEST_F(PracticeFile, TellsWhatAPathHolds) {
    const std::string practice = path("practice.db");
    createPracticeDatabase(practice, false, false);
    std::ofstream{path("empty.db")};
    struct Case {
        std::string file;
        Holding holding;
        bool exists;
        int version;
    };
    const Case cases[] = {
        {path("missing.db"), Holding::Nothing, false, 0},
        {path("no folder/missing.db"), Holding::Nothing, false, 0},
        {path("empty.db"), Holding::Nothing, true, 0},
        {sqliteFile("blank.db", "CREATE TABLE x (a INTEGER); DROP TABLE x;"), Holding::Nothing, true, 0},
        {practice, Holding::Practice, true, SchemaVersion},
        {sqliteFile("agenda.db", "CREATE TABLE Compromissos (Quando TEXT)"), Holding::Unstamped, true, 0},
        {sqliteFile("other.db", "CREATE TABLE Compromissos (Quando TEXT); PRAGMA user_version = 1;"),
         Holding::OtherProgram, true, 1},
        {sqliteFile("tagged.db", "PRAGMA application_id = 1234; PRAGMA user_version = 1;"), Holding::OtherProgram,
         true, 1},
        {sqliteFile("older.db", "CREATE TABLE FichasClinicas (Numero INTEGER); PRAGMA user_version = 1;"),
         Holding::Practice, true, 1},
        {sqliteFile("newer.db", "CREATE TABLE T (x INTEGER); PRAGMA application_id = " +
                                    std::to_string(ApplicationId) + "; PRAGMA user_version = 9;"),
         Holding::Practice, true, 9},
    };
    for (const Case& c : cases) {
        const ExistingDatabase found = examineDatabase("sqlite:" + c.file);
        EXPECT_EQ(found.path, c.file);
        EXPECT_EQ(found.holding, c.holding) << c.file;
        EXPECT_EQ(found.exists, c.exists) << c.file;
        EXPECT_EQ(found.version, c.version) << c.file;
    }
}

TEST_F(PracticeFile, AnotherProgramsDatabaseIsNeverReplaced) {
    const std::string agenda = sqliteFile("agenda.db", "CREATE TABLE Compromissos (Quando TEXT)");
    const std::string other = sqliteFile("other.db", "CREATE TABLE Compromissos (Quando TEXT); PRAGMA user_version = 3;");
    const FolderSnapshot before(folder_.path());
    for (const std::string& file : {agenda, other}) {
        for (const bool replace : {false, true}) {
            try {
                createPracticeDatabase(file, true, replace);
                ADD_FAILURE() << file << " was replaced";
            } catch (const platform::RuntimeError& e) {
                EXPECT_EQ(e.number(), platform::err::DbGeneralFailure);
                EXPECT_NE(e.description().find("fichas init did not make"), std::string::npos) << e.description();
            }
        }
    }
    EXPECT_EQ(FolderSnapshot(folder_.path()).changesSince(before), "");
}

TEST_F(PracticeFile, ANewPracticeDatabaseTakesOverAFileThatHoldsNothingAndIsStamped) {
    std::ofstream{path("empty.db")};
    const std::string blank = sqliteFile("blank.db", "CREATE TABLE x (a INTEGER); DROP TABLE x;");
    for (const std::string& file : {path("empty.db"), blank}) {
        createPracticeDatabase(file, false, false);
        const jet::DatabaseFile made = jet::inspectDatabase(file);
        EXPECT_EQ(made.userVersion, SchemaVersion);
        EXPECT_EQ(made.applicationId, ApplicationId);
        EXPECT_EQ(examineDatabase(file).holding, Holding::Practice);
    }
}

TEST_F(PracticeFile, APracticeDatabaseIsReplacedOnlyWhenAskedAndAFolderNever) {
    const std::string practice = path("practice.db");
    createPracticeDatabase(practice, true, false);
    const FolderSnapshot before(folder_.path());
    EXPECT_EQ(testsupport::errorNumber([&] { createPracticeDatabase(practice, false, false); }),
              platform::err::DbGeneralFailure);
    EXPECT_EQ(FolderSnapshot(folder_.path()).changesSince(before), "");

    createPracticeDatabase(practice, false, true);
    auto session = jet::openSession(practice);
    EXPECT_EQ(session->execute("SELECT Codigo FROM Clientes").rows.rowCount(), 0u) << "the demo practice is still there";

    fs::create_directory(path("pasta"));
    for (const bool replace : {false, true}) EXPECT_THROW(createPracticeDatabase(path("pasta"), false, replace), platform::RuntimeError);
    EXPECT_TRUE(fs::is_directory(path("pasta")));
}

}  // namespace
}  // namespace zolk::schema
