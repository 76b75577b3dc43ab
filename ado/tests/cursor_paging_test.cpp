// The cursor: moves from every state, BOF/EOF markers, positions and pages.
#include <gtest/gtest.h>

#include "ado_test_support.h"

namespace zolk::ado::test {
namespace {

TEST(Cursor, MovesFromEveryState) {
    enum Start { OnRecord, BofOnly, EofOnly, Empty };
    struct Case { Start start; void (Recordset::*move)(); std::int32_t error, landsOn; };  // landsOn: N, or the marker
    const std::int32_t noRecord = err::AdoNoCurrentRecord;
    const Case cases[] = {
        {OnRecord, &Recordset::MovePrevious, 0, 1},  {OnRecord, &Recordset::MoveNext, 0, 3},
        {BofOnly, &Recordset::MovePrevious, noRecord, adPosBOF}, {BofOnly, &Recordset::MoveNext, 0, 1},
        {EofOnly, &Recordset::MovePrevious, 0, 3},   {EofOnly, &Recordset::MoveNext, noRecord, adPosEOF},
        {Empty, &Recordset::MoveFirst, noRecord, adPosUnknown}, {Empty, &Recordset::MoveLast, noRecord, adPosUnknown},
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

TEST(Paging, PageSizeAbsolutePageAndPosition) {
    EXPECT_EQ(numbered(0)->PageCount(), 0);
    auto rs = numbered(25);
    EXPECT_EQ(rs->PageSize(), 10);
    EXPECT_EQ(rs->PageCount(), 3);
    EXPECT_EQ(errorOf([&] { rs->PageSize(0); }), err::AdoArguments);
    rs->AbsolutePosition(11);
    EXPECT_EQ(rs->value("N"), Variant(11));
    EXPECT_EQ(rs->AbsolutePage(), 2);
    rs->AbsolutePage(3);
    EXPECT_EQ(rs->value("N"), Variant(21));
    EXPECT_EQ(errorOf([&] { rs->AbsolutePage(4); }), err::AdoArguments);
    EXPECT_EQ(errorOf([&] { rs->AbsolutePosition(26); }), err::AdoArguments);
    EXPECT_EQ(rs->AbsolutePosition(), 21) << "a refused setting does not move";
    rs->PageSize(4);
    EXPECT_EQ(rs->AbsolutePage(), 6) << "the page follows a new PageSize";
    rs->MoveFirst(), rs->MovePrevious();
    EXPECT_EQ(rs->AbsolutePage(), adPosBOF);
    EXPECT_EQ(numbered(0)->AbsolutePage(), adPosUnknown);
}

}  // namespace
}  // namespace zolk::ado::test
