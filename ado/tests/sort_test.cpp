// Recordset.Sort: keys, directions, stability, restoring, Jet-like text order.
#include <gtest/gtest.h>

#include "ado_test_support.h"

namespace zolk::ado::test {
namespace {

namespace err = platform::err;
using platform::DateTime;

std::shared_ptr<Recordset> animals() {
    // Id, Nome, Peso (Null for Id 5), Nascimento
    return fabricate({{"Id", adtype::Integer, 4, adattr::Fixed},
                      {"Nome", adtype::VarWChar, 50, Nullable},
                      {"Peso", adtype::Double, 8, Nullable},
                      {"Data de Nascimento", adtype::Date, 8, Nullable}},
                     {{1, "rex", 10.0, DateTime::fromParts(2020, 1, 1)},
                      {2, "Bidu", 2.0, DateTime::fromParts(2019, 6, 1)},
                      {3, "REX", 10.0, DateTime::fromParts(2021, 3, 1)},
                      {4, "Ângela", 7.5, DateTime::fromParts(2018, 2, 1)},
                      {5, "Zeca", Variant::null(), DateTime::fromParts(2022, 9, 1)},
                      {6, "bidu", 2.0, DateTime::fromParts(2017, 4, 1)}});
}

std::vector<std::int32_t> ids(Recordset& rs) {
    std::vector<std::int32_t> out;
    rs.MoveFirst();
    while (!rs.EOF_()) {
        out.push_back(rs.value("Id").asLong());
        rs.MoveNext();
    }
    return out;
}

using Ids = std::vector<std::int32_t>;

TEST(Sort, TextsIgnoreCaseAndKeepTheirOrderWhenEqual) {
    auto rs = animals();
    rs->Sort("Nome");
    // "Ângela" among the A's; rex/REX and Bidu/bidu equal, so they keep their original order.
    EXPECT_EQ(ids(*rs), (Ids{4, 2, 6, 1, 3, 5}));
    rs->Sort("nome DESC");
    EXPECT_EQ(ids(*rs), (Ids{5, 1, 3, 2, 6, 4}));
}

TEST(Sort, SeveralKeysAndDirections) {
    auto rs = animals();
    rs->Sort("Peso DESC, Id DESC");
    EXPECT_EQ(ids(*rs), (Ids{3, 1, 4, 6, 2, 5})) << "Null last when descending";
    rs->Sort("Peso ASC,Nome");
    EXPECT_EQ(ids(*rs), (Ids{5, 2, 6, 4, 1, 3})) << "Null first when ascending";
    rs->Sort("[Data de Nascimento] DESC");
    EXPECT_EQ(ids(*rs), (Ids{5, 3, 1, 2, 4, 6}));
    rs->Sort("  Data de Nascimento  ");
    EXPECT_EQ(ids(*rs), (Ids{6, 4, 2, 1, 3, 5}));
}

TEST(Sort, NumbersCompareAsNumbers) {
    auto rs = fabricate({{"V", adtype::Double, 8, Nullable}, {"Id", adtype::Integer, 4, 0}},
                        {{10.0, 1}, {9.5, 2}, {-1.0, 3}, {100.0, 4}});
    rs->Sort("V");
    EXPECT_EQ(ids(*rs), (Ids{3, 2, 1, 4}));
}

TEST(Sort, EmptyTextRestoresTheOriginalOrder) {
    auto rs = animals();
    rs->Sort("Id DESC");
    EXPECT_EQ(ids(*rs), (Ids{6, 5, 4, 3, 2, 1}));
    rs->Sort("");
    EXPECT_EQ(rs->Sort(), "");
    EXPECT_EQ(ids(*rs), (Ids{1, 2, 3, 4, 5, 6}));
}

TEST(Sort, MakesTheFirstRecordCurrentAndDrivesPositions) {
    auto rs = animals();
    rs->MoveLast();
    rs->Sort("Id DESC");
    EXPECT_EQ(rs->AbsolutePosition(), 1);
    EXPECT_EQ(rs->value("Id"), Variant(std::int32_t{6}));
    rs->PageSize(4);
    rs->AbsolutePage(2);
    EXPECT_EQ(rs->value("Id"), Variant(std::int32_t{2})) << "pages follow the sorted order";

    rs->AddNew();
    rs->setValue("Id", Variant(std::int32_t{7}));
    rs->Update();
    EXPECT_EQ(rs->AbsolutePosition(), 7) << "a new record joins the end of the sorted view";
}

TEST(Sort, UnknownOrMalformedKeysLeaveTheOrderAlone) {
    auto rs = animals();
    rs->Sort("Id DESC");
    EXPECT_EQ(errorOf([&] { rs->Sort("Raca"); }), err::AdoItemNotFound);
    EXPECT_EQ(errorOf([&] { rs->Sort("Nome SIDEWAYS"); }), err::AdoItemNotFound);
    EXPECT_EQ(errorOf([&] { rs->Sort("Id,,Nome"); }), err::AdoArguments);
    EXPECT_EQ(errorOf([&] { rs->Sort("[Id DESC"); }), err::AdoArguments);
    EXPECT_EQ(rs->Sort(), "Id DESC");
    EXPECT_EQ(ids(*rs), (Ids{6, 5, 4, 3, 2, 1}));
}

TEST(Sort, SetBeforeOpen) {
    auto rs = std::make_shared<Recordset>();
    rs->appendField("Id", adtype::Integer, 4, 0);
    EXPECT_EQ(errorOf([&] { rs->Sort("Nome"); }), err::AdoItemNotFound) << "checked against appended fields";
    rs->Sort("Id DESC");
    rs->Open();
    for (std::int32_t i = 1; i <= 3; ++i) {
        rs->AddNew();
        rs->setValue(0, Variant(i));
    }
    rs->Update();
    rs->Sort(rs->Sort());  // sorting again puts the new rows in order
    EXPECT_EQ(ids(*rs), (Ids{3, 2, 1}));
}

}  // namespace
}  // namespace zolk::ado::test
