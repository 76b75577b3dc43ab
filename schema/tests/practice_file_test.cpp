// Telling a practice database from everything else a path may hold, and making one where it holds
// nothing. (Refusing every other file is checked through the command, in the cli's tests.)
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "jet/engine.h"
#include "schema/practice_database.h"
#include "schema/practice_file.h"
#include "testsupport/outside_files.h"

namespace zolk::schema {
namespace {

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
        {path("empty.db"), Holding::Nothing, true, 0},
        {sqliteFile("blank.db", "CREATE TABLE x (a INTEGER); DROP TABLE x;"), Holding::Nothing, true, 0},
        {practice, Holding::Practice, true, SchemaVersion},
        {sqliteFile("agenda.db", "CREATE TABLE Compromissos (Quando TEXT)"), Holding::Unstamped, true, 0},
        {sqliteFile("other.db", "CREATE TABLE Compromissos (Quando TEXT); PRAGMA user_version = 1;"),
         Holding::OtherProgram, true, 1},
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

}  // namespace
}  // namespace zolk::schema
