// The cursor: moves, BOF/EOF, positions and pages.
#include <gtest/gtest.h>

#include "ado_test_support.h"

namespace zolk::ado::test {
namespace {

namespace err = platform::err;

std::int32_t current(Recordset& rs) { return rs.value("N").asLong(); }

TEST(Cursor, MovesFromEveryState) {
    enum class Start { OnRecord, BofOnly, EofOnly, Empty };
    struct Case {
        Start start;
        const char* move;
        std::int32_t error;     // 0 when the move is allowed
        std::int32_t landsOn;   // N of the record reached, or an ADO position marker
    };
    const Case cases[] = {
        {Start::OnRecord, "MoveFirst", 0, 1},         {Start::OnRecord, "MoveLast", 0, 3},
        {Start::OnRecord, "MovePrevious", 0, 1},      {Start::OnRecord, "MoveNext", 0, 3},
        {Start::BofOnly, "MoveFirst", 0, 1},          {Start::BofOnly, "MoveLast", 0, 3},
        {Start::BofOnly, "MovePrevious", err::AdoNoCurrentRecord, adPosBOF},
        {Start::BofOnly, "MoveNext", 0, 1},
        {Start::EofOnly, "MoveFirst", 0, 1},          {Start::EofOnly, "MoveLast", 0, 3},
        {Start::EofOnly, "MovePrevious", 0, 3},
        {Start::EofOnly, "MoveNext", err::AdoNoCurrentRecord, adPosEOF},
        {Start::Empty, "MoveFirst", err::AdoNoCurrentRecord, adPosUnknown},
        {Start::Empty, "MoveLast", err::AdoNoCurrentRecord, adPosUnknown},
        {Start::Empty, "MovePrevious", err::AdoNoCurrentRecord, adPosUnknown},
        {Start::Empty, "MoveNext", err::AdoNoCurrentRecord, adPosUnknown},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.move) + " from state " + std::to_string(static_cast<int>(c.start)));
        auto rs = numbered(c.start == Start::Empty ? 0 : 3);
        if (c.start == Start::OnRecord) rs->MoveNext();  // on record 2
        if (c.start == Start::BofOnly) rs->MovePrevious();
        if (c.start == Start::EofOnly) {
            rs->MoveLast();
            rs->MoveNext();
        }
        const std::string move = c.move;
        EXPECT_EQ(errorOf([&] {
                      if (move == "MoveFirst") rs->MoveFirst();
                      if (move == "MoveLast") rs->MoveLast();
                      if (move == "MovePrevious") rs->MovePrevious();
                      if (move == "MoveNext") rs->MoveNext();
                  }),
                  c.error);
        if (c.landsOn > 0)
            EXPECT_EQ(current(*rs), c.landsOn);
        else
            EXPECT_EQ(rs->AbsolutePosition(), c.landsOn);
    }
}

TEST(Cursor, BofAndEofMarkers) {
    auto rs = numbered(2);
    EXPECT_FALSE(rs->BOF());
    EXPECT_FALSE(rs->EOF_());
    rs->MovePrevious();
    EXPECT_TRUE(rs->BOF());
    EXPECT_FALSE(rs->EOF_());
    EXPECT_EQ(rs->AbsolutePosition(), adPosBOF);
    EXPECT_EQ(rs->AbsolutePage(), adPosBOF);
    rs->MoveLast();
    rs->MoveNext();
    EXPECT_FALSE(rs->BOF());
    EXPECT_TRUE(rs->EOF_());
    EXPECT_EQ(rs->AbsolutePosition(), adPosEOF);
    EXPECT_EQ(rs->AbsolutePage(), adPosEOF);

    auto empty = numbered(0);
    EXPECT_TRUE(empty->BOF());
    EXPECT_TRUE(empty->EOF_());
    EXPECT_EQ(empty->AbsolutePosition(), adPosUnknown);
    EXPECT_EQ(empty->AbsolutePage(), adPosUnknown);
}

TEST(Paging, PageCountAndPageSize) {
    EXPECT_EQ(numbered(0)->PageCount(), 0);
    EXPECT_EQ(numbered(1)->PageCount(), 1);
    EXPECT_EQ(numbered(20)->PageCount(), 2);
    auto rs = numbered(25);
    EXPECT_EQ(rs->PageSize(), 10);
    EXPECT_EQ(rs->PageCount(), 3);
    rs->PageSize(7);
    EXPECT_EQ(rs->PageCount(), 4);
    rs->PageSize(1);
    EXPECT_EQ(rs->PageCount(), 25);
    EXPECT_EQ(errorOf([&] { rs->PageSize(0); }), err::AdoArguments);
    EXPECT_EQ(errorOf([&] { rs->PageSize(-3); }), err::AdoArguments);
    EXPECT_EQ(rs->PageSize(), 1);
}

TEST(Paging, AbsolutePageAndPosition) {
    auto rs = numbered(25);
    EXPECT_EQ(rs->AbsolutePage(), 1);
    EXPECT_EQ(rs->AbsolutePosition(), 1);
    rs->AbsolutePosition(11);
    EXPECT_EQ(current(*rs), 11);
    EXPECT_EQ(rs->AbsolutePage(), 2);
    rs->AbsolutePosition(10);
    EXPECT_EQ(rs->AbsolutePage(), 1);

    rs->AbsolutePage(3);
    EXPECT_EQ(rs->AbsolutePosition(), 21);
    EXPECT_EQ(current(*rs), 21);
    for (std::int32_t bad : {0, 4, -1, adPosBOF})
        EXPECT_EQ(errorOf([&] { rs->AbsolutePage(bad); }), err::AdoArguments) << bad;
    for (std::int32_t bad : {0, 26, -3})
        EXPECT_EQ(errorOf([&] { rs->AbsolutePosition(bad); }), err::AdoArguments) << bad;
    EXPECT_EQ(rs->AbsolutePosition(), 21) << "a refused setting does not move";

    rs->PageSize(4);
    EXPECT_EQ(rs->AbsolutePage(), 6) << "the page follows a new PageSize";

    auto empty = numbered(0);
    EXPECT_EQ(errorOf([&] { empty->AbsolutePage(1); }), err::AdoArguments);
}

// The library's page copy: from the source's current record, up to a page of rows into a
// fabricated recordset with the same fields, then the source goes back to its page.
std::shared_ptr<Recordset> copyPage(Recordset& source, int itemsPerPage) {
    const std::int32_t page = source.AbsolutePage() > 0 ? source.AbsolutePage() : 1;
    auto copy = std::make_shared<Recordset>();
    for (std::int32_t i = 0; i < source.fieldCount(); ++i) {
        const jet::Column& c = source.column(i);
        copy->appendField(c.name, c.type, c.definedSize, c.attributes);
    }
    if (source.EOF_()) source.MoveFirst();
    copy->Open();
    for (int n = 0; n < itemsPerPage && !source.EOF_(); ++n) {
        copy->AddNew();
        for (std::int32_t i = 0; i < source.fieldCount(); ++i)
            copy->setValue(source.column(i).name, source.value(source.column(i).name));
        copy->Update();
        source.MoveNext();
    }
    copy->MoveFirst();
    source.AbsolutePage(page);
    return copy;
}

TEST(Paging, PageCopyOfTheLibrary) {
    auto rs = fabricate({{"N", adtype::Integer, 4, adattr::Fixed}, {"Nome", adtype::VarWChar, 20, Nullable}},
                        {});
    for (int i = 1; i <= 25; ++i) {
        rs->AddNew();
        rs->setValue("N", Variant(std::int32_t{i}));
        if (i % 5 != 0) rs->setValue("Nome", Variant("nome " + std::to_string(i)));
        rs->Update();
    }
    rs->AbsolutePage(3);
    auto page = copyPage(*rs, 10);
    EXPECT_EQ(page->RecordCount(), 5);
    EXPECT_EQ(page->value("N"), Variant(std::int32_t{21}));
    page->MoveLast();
    EXPECT_TRUE(page->value("Nome").isNull()) << "row 25 had no name";
    EXPECT_EQ(rs->AbsolutePage(), 3);
    EXPECT_EQ(rs->AbsolutePosition(), 21);

    rs->MoveLast();
    rs->MoveNext();  // at EOF: the copy starts again from the first record
    auto first = copyPage(*rs, 10);
    EXPECT_EQ(first->RecordCount(), 10);
    EXPECT_EQ(first->value("N"), Variant(std::int32_t{1}));

    auto empty = numbered(0);
    EXPECT_EQ(errorOf([&] { copyPage(*empty, 10); }), err::AdoNoCurrentRecord)
        << "paging an empty result ends in 3021";
}

}  // namespace
}  // namespace zolk::ado::test
