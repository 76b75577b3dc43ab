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
