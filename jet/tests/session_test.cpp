// Sessions: opening, creating and versioning databases; transactions and the write lock.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "jet/tests/jet_test_support.h"

namespace zolk::jet {
namespace {

namespace err = platform::err;
using testing::errorOf;

std::string itens(Session& s) { return testing::render(s.execute("SELECT Codigo FROM Itens ORDER BY Codigo").rows); }

TEST(Session, OpeningCreatingAndVersions) {
    testing::TempDatabase db;
    // A missing file: an error naming it, and nothing created.
    try {
        openSession(db.url());
        ADD_FAILURE() << "opened a missing file";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), err::DbGeneralFailure);
        EXPECT_NE(e.description().find(db.path()), std::string::npos);
    }
    EXPECT_EQ(databaseVersion(db.url()), 0);
    // A failing script leaves no database.
    EXPECT_THROW(createDatabase(db.url(), {"CREATE TABLE A (x INTEGER); CREATE TABLE A (y INTEGER);"}, 1, false), platform::RuntimeError);
    EXPECT_FALSE(std::filesystem::exists(db.path()));

    createDatabase(db.url(), testing::sampleScripts(), 3, false);
    EXPECT_EQ(databaseVersion(db.url()), 3);
    EXPECT_EQ(openSession(db.path())->engineName(), "SQLite");
    EXPECT_EQ(openSession("sqlite://" + db.path())->engineName(), "SQLite");
    EXPECT_THROW(openSession("postgresql://localhost/practice"), platform::RuntimeError);
    // An existing database is replaced only when asked.
    EXPECT_THROW(createDatabase(db.url(), testing::sampleScripts(), 4, false), platform::RuntimeError);
    EXPECT_EQ(databaseVersion(db.url()), 3);
    createDatabase(db.url(), {"CREATE TABLE Outra (Codigo INTEGER PRIMARY KEY AUTOINCREMENT)"}, 4, true);
    EXPECT_EQ(databaseVersion(db.url()), 4);
    auto s = openSession(db.url());
    EXPECT_EQ(errorOf(*s, "SELECT Codigo FROM Pessoas").number, err::DbErrorsInCommand);
    EXPECT_NO_THROW(s->execute("SELECT Codigo FROM Outra"));
}

TEST(Transactions, CommitRollbackNestedLevelsAndRefusals) {
    testing::TempDatabase db;
    auto s = db.create(testing::sampleScripts());
    try {
        s->commit();
        ADD_FAILURE() << "committed without a transaction";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), err::NoTransaction);
    }
    EXPECT_THROW(s->rollback(), platform::RuntimeError);
    s->begin();
    EXPECT_TRUE(s->inTransaction());
    s->execute("DELETE * FROM Itens WHERE Codigo = 2");
    // A refused statement leaves the transaction usable.
    EXPECT_EQ(errorOf(*s, "DELETE * FROM Pedidos WHERE Numero = 1").helpContext, err::DbRelationshipHelpContext);
    s->rollback();
    EXPECT_FALSE(s->inTransaction());
    EXPECT_EQ(itens(*s), "L1;L2");
    s->begin();
    s->execute("DELETE * FROM Itens WHERE Codigo = 1");
    s->begin();
    s->execute("DELETE * FROM Itens WHERE Codigo = 2");
    s->rollback();  // only the inner level
    EXPECT_TRUE(s->inTransaction());
    s->commit();
    EXPECT_EQ(itens(*s), "L2");
    // Closing a session rolls back what it left open.
    s->begin();
    s->execute("DELETE * FROM Itens");
    s.reset();
    EXPECT_EQ(itens(*openSession(db.url())), "L2");
}

// Two processes post against the same stock balance, each reading it and writing it back
// inside a transaction. begin() takes the write lock at once, so no update is lost.
TEST(Transactions, WriteLockAcrossProcessesLosesNoUpdate) {
    testing::TempDatabase db;
    db.create(testing::sampleScripts());
    constexpr int kRounds = 40;
    auto work = [&]() -> int {
        try {
            auto s = openSession(db.url());
            for (int i = 0; i < kRounds; ++i) {
                s->begin();
                const auto r = s->execute("SELECT Saldo FROM Pessoas WHERE Codigo = 4");
                const double balance = r.rows.cells.at(0).asCurrency().toDouble();
                usleep(200);  // widen the window between the read and the write
                s->execute("UPDATE Pessoas SET Saldo = " + std::to_string(static_cast<int>(balance) + 1) +
                           " WHERE Codigo = 4");
                s->commit();
            }
            return 0;
        } catch (...) {
            return 1;
        }
    };
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) _exit(work());
    const int mine = work();
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(mine, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    auto s = openSession(db.url());
    EXPECT_EQ(testing::render(s->execute("SELECT Saldo FROM Pessoas WHERE Codigo = 4").rows),
              "C" + std::to_string(2 * kRounds));
}

}  // namespace
}  // namespace zolk::jet
