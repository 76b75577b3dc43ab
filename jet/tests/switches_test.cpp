// The engine's test switches: an armed fault fails exactly the N-th action with the database's
// own error, and the work limit stops a statement that runs too long.
#include <gtest/gtest.h>

#include "jet/test_switches.h"
#include "jet/tests/jet_test_support.h"

namespace zolk::jet {
namespace {

namespace err = platform::err;
using switches::Fault;

struct Disarm {
    ~Disarm() {
        switches::disarmFault();
        switches::limitWork(0);
    }
};

TEST(Switches, AnArmedFaultFailsExactlyItsActionAndLeavesTheTransactionToRollBack) {
    Disarm disarm;
    testing::TempDatabase db;
    auto s = db.create(testing::sampleScripts());
    // Actions: 1 begin, 2 the update, 3 the commit; each kind of fault names its cause.
    const std::pair<Fault, const char*> cases[] = {{Fault::Busy, "locked by another user"}, {Fault::IoError, "cannot be read or written"},
                                                   {Fault::Constraint, "prohibited by the validation rule"}, {Fault::DiskFull, "cannot be read or written"}};
    for (const auto& [fault, named] : cases) {
        for (std::uint64_t n = 1; n <= 3; ++n) {
            switches::armFault(n, fault);
            testing::Raised raised;
            try {
                s->begin();
                s->execute("UPDATE Pessoas SET Nome = 'X' WHERE Codigo = 1");
                s->commit();
            } catch (const platform::RuntimeError& e) {
                raised = {e.number(), e.helpContext(), e.description()};
            }
            EXPECT_TRUE(switches::faultRaised()) << n;
            switches::disarmFault();
            EXPECT_EQ(raised.number, err::DbGeneralFailure) << n;
            EXPECT_NE(raised.description.find(named), std::string::npos) << raised.description;
            EXPECT_EQ(s->inTransaction(), n > 1) << n;
            if (s->inTransaction()) s->rollback();
            EXPECT_EQ(testing::render(s->execute("SELECT Nome FROM Pessoas WHERE Codigo = 1").rows), "'João Silva'");
        }
    }
    // An action past the last one is never reached; a disarmed switch fails nothing.
    switches::armFault(4, Fault::IoError);
    s->begin();
    s->execute("UPDATE Pessoas SET Nome = 'X' WHERE Codigo = 1");
    s->commit();
    EXPECT_FALSE(switches::faultRaised());
    switches::disarmFault();
    EXPECT_EQ(s->execute("UPDATE Pessoas SET Nome = 'Y' WHERE Codigo = 1").rowsAffected, 1);
}

TEST(Switches, TheWorkLimitStopsALongStatementWithAClearError) {
    Disarm disarm;
    testing::TempDatabase db;
    auto s = db.create(testing::sampleScripts());
    const std::string crossJoin =
        "SELECT Count(*) FROM Pessoas AS a, Pessoas AS b, Pessoas AS c, Pessoas AS d, Pessoas AS e, "
        "Pessoas AS f, Pessoas AS g, Pessoas AS h, Pessoas AS i";  // 4^9 rows
    switches::limitWork(100000);
    const auto e = testing::errorOf(*s, crossJoin);
    EXPECT_EQ(e.number, err::DbGeneralFailure);
    EXPECT_NE(e.description.find("stopped before it finished"), std::string::npos) << e.description;
    // Small statements run as before, and without the limit the long one runs to its end.
    EXPECT_EQ(testing::render(s->execute("SELECT Count(*) FROM Pessoas").rows), "L4");
    switches::limitWork(0);
    EXPECT_EQ(testing::render(s->execute(crossJoin).rows), "L262144");
}

}  // namespace
}  // namespace zolk::jet
