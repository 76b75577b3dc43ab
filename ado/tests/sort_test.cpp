// Recordset.Sort: keys, directions, stability, restoring, the practice's text order.
#include <gtest/gtest.h>

#include "ado_test_support.h"

namespace zolk::ado::test {
namespace {

using platform::DateTime;
using Ids = std::vector<std::int32_t>;

std::shared_ptr<Recordset> animals() {
    return fabricate({{"Id", adtype::Integer, 4, 0}, {"Nome", adtype::VarWChar, 50, Nullable},
                      {"Peso", adtype::Double, 8, Nullable}, {"Data de Nascimento", adtype::Date, 8, 0}},
                     {{1, "rex", 10.0, DateTime::fromParts(2020, 1, 1)},
                      {2, "Bidu", 2.0, DateTime::fromParts(2019, 6, 1)},
                      {3, "REX", 10.0, DateTime::fromParts(2021, 3, 1)},
                      {4, "Ângela", 7.5, DateTime::fromParts(2018, 2, 1)},
                      {5, "Zeca", Variant::null(), DateTime::fromParts(2022, 9, 1)},
                      {6, "bidu", 2.0, DateTime::fromParts(2017, 4, 1)}});
}

Ids ids(Recordset& rs) {
    Ids out;
    for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext()) out.push_back(rs.value("Id").asLong());
    return out;
}

TEST(Sort, KeysDirectionsAndStability) {
    auto rs = animals();
    rs->Sort("Nome");  // "Ângela" among the A's; rex/REX and Bidu/bidu equal, kept in order
    EXPECT_EQ(ids(*rs), (Ids{4, 2, 6, 1, 3, 5}));
    rs->Sort("nome DESC");
    EXPECT_EQ(ids(*rs), (Ids{5, 1, 3, 2, 6, 4}));
    rs->Sort("Peso DESC, Id DESC");
    EXPECT_EQ(ids(*rs), (Ids{3, 1, 4, 6, 2, 5})) << "Null last when descending";
    rs->Sort("[Data de Nascimento] DESC");
    EXPECT_EQ(ids(*rs), (Ids{5, 3, 1, 2, 4, 6}));
    rs->Sort("");
    EXPECT_EQ(ids(*rs), (Ids{1, 2, 3, 4, 5, 6})) << "an empty Sort restores the original order";
}

TEST(Sort, MakesTheFirstRecordCurrentAndDrivesPositions) {
    auto rs = animals();
    rs->MoveLast();
    rs->Sort("Id DESC");
    EXPECT_EQ(rs->value("Id"), Variant(6));
    rs->PageSize(4);
    rs->AbsolutePage(2);
    EXPECT_EQ(rs->value("Id"), Variant(2)) << "pages follow the sorted order";
}

TEST(Sort, UnknownOrMalformedKeysLeaveTheOrderAlone) {
    auto rs = animals();
    rs->Sort("Id DESC");
    EXPECT_EQ(errorOf([&] { rs->Sort("Raca"); }), err::AdoItemNotFound);
    EXPECT_EQ(errorOf([&] { rs->Sort("Id,,Nome"); }), err::AdoArguments);
    EXPECT_EQ(rs->Sort(), "Id DESC");
    EXPECT_EQ(ids(*rs), (Ids{6, 5, 4, 3, 2, 1}));
}

}  // namespace
}  // namespace zolk::ado::test
