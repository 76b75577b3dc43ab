// The cursor: moves from every state, BOF/EOF markers, positions and pages.
#include <gtest/gtest.h>

#include "ado_test_support.h"

namespace zolk::ado::test {
namespace {

TEST(Cursor, MovesFromEveryState) {
    enum Start { OnRecord, BofOnly, EofOnly, Empty };
    struct Case {
        Start start;
        void (Recordset::*move)();
        std::int32_t error;
        std::int32_t landsOn;  // N of the record reached, or the AbsolutePosition marker
    };
    const std::int32_t noRecord = err::AdoNoCurrentRecord;
    const Case cases[] = {
        {OnRecord, &Recordset::MoveFirst, 0, 1},     {OnRecord, &Recordset::MoveLast, 0, 3},
        {OnRecord, &Recordset::MovePrevious, 0, 1},  {OnRecord, &Recordset::MoveNext, 0, 3},
        {BofOnly, &Recordset::MoveFirst, 0, 1},      {BofOnly, &Recordset::MoveLast, 0, 3},
        {BofOnly, &Recordset::MovePrevious, noRecord, adPosBOF}, {BofOnly, &Recordset::MoveNext, 0, 1},
        {EofOnly, &Recordset::MoveFirst, 0, 1},      {EofOnly, &Recordset::MoveLast, 0, 3},
        {EofOnly, &Recordset::MovePrevious, 0, 3},   {EofOnly, &Recordset::MoveNext, noRecord, adPosEOF},
        {Empty, &Recordset::MoveFirst, noRecord, adPosUnknown},
        {Empty, &Recordset::MoveLast, noRecord, adPosUnknown},
        {Empty, &Recordset::MovePrevious, noRecord, adPosUnknown},
        {Empty, &Recordset::MoveNext, noRecord, adPosUnknown},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE("case " + std::to_string(i));
        auto rs = numbered(c.start == Empty ? 0 : 3);
        if (c.start == OnRecord) rs->MoveNext();
        if (c.start == BofOnly) rs->MovePrevious();
        if (c.start == EofOnly) rs->MoveLast(), rs->MoveNext();
        EXPECT_EQ(rs->BOF(), c.start == BofOnly || c.start == Empty);
        EXPECT_EQ(rs->EOF_(), c.start == EofOnly || c.start == Empty);
        EXPECT_EQ(errorOf([&] { ((*rs).*c.move)(); }), c.error);
        if (c.landsOn > 0)
            EXPECT_EQ(rs->value("N"), Variant(c.landsOn));
        else
            EXPECT_EQ(rs->AbsolutePosition(), c.landsOn);
    }
}

TEST(Paging, PageCountAndPageSize) {
    EXPECT_EQ(numbered(0)->PageCount(), 0);
    EXPECT_EQ(numbered(20)->PageCount(), 2);
    auto rs = numbered(25);
    EXPECT_EQ(rs->PageSize(), 10);
    EXPECT_EQ(rs->PageCount(), 3);
    rs->PageSize(7);
    EXPECT_EQ(rs->PageCount(), 4);
    for (std::int32_t bad : {0, -3}) EXPECT_EQ(errorOf([&] { rs->PageSize(bad); }), err::AdoArguments);
    EXPECT_EQ(rs->PageSize(), 7);
}

TEST(Paging, AbsolutePageAndPosition) {
    auto rs = numbered(25);
    EXPECT_EQ(rs->AbsolutePage(), 1);
    rs->AbsolutePosition(11);
    EXPECT_EQ(rs->value("N"), Variant(11));
    EXPECT_EQ(rs->AbsolutePage(), 2);
    rs->AbsolutePosition(10);
    EXPECT_EQ(rs->AbsolutePage(), 1);
    rs->AbsolutePage(3);
    EXPECT_EQ(rs->value("N"), Variant(21));
    for (std::int32_t bad : {0, 4, adPosBOF}) EXPECT_EQ(errorOf([&] { rs->AbsolutePage(bad); }), err::AdoArguments);
    for (std::int32_t bad : {0, 26}) EXPECT_EQ(errorOf([&] { rs->AbsolutePosition(bad); }), err::AdoArguments);
    EXPECT_EQ(rs->AbsolutePosition(), 21) << "a refused setting does not move";
    rs->PageSize(4);
    EXPECT_EQ(rs->AbsolutePage(), 6) << "the page follows a new PageSize";
    rs->MoveFirst(), rs->MovePrevious();
    EXPECT_EQ(rs->AbsolutePage(), adPosBOF);
    rs->MoveLast(), rs->MoveNext();
    EXPECT_EQ(rs->AbsolutePage(), adPosEOF);
    EXPECT_EQ(numbered(0)->AbsolutePage(), adPosUnknown);
    EXPECT_EQ(errorOf([&] { numbered(0)->AbsolutePage(1); }), err::AdoArguments);
}

}  // namespace
}  // namespace zolk::ado::test
