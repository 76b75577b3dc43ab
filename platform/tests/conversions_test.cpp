#include "platform/conversions.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "platform/runtime_error.h"
#include "testsupport/raised.h"

namespace zolk::platform {
namespace {

using testsupport::errorNumber;

DateTime dt(int y, int m, int d, int h = 0, int mi = 0, int s = 0) { return DateTime::fromParts(y, m, d, h, mi, s); }

const Variant Nothing{ObjectRef{}};

TEST(CStr, EverySubtype) {
    const struct { Variant value; const char* text; } cases[] = {
        {Variant(), ""}, {Variant(std::int16_t{-5}), "-5"}, {Variant(true), "True"},
        {Variant(Currency::fromInt(3)), "3"}, {Variant(Currency::fromRaw(-1)), "-0,0001"},
        {Variant(dt(2024, 5, 15)), "15/05/2024"}, {Variant(dt(2024, 5, 15, 9, 5, 3)), "15/05/2024 09:05:03"},
        {Variant(dt(1899, 12, 30, 9, 5, 3)), "09:05:03"}, {Variant(DateTime(-1.25)), "29/12/1899 06:00:00"},
    };
    for (const auto& c : cases) EXPECT_EQ(CStr(c.value), c.text) << c.text;
    EXPECT_EQ(errorNumber([] { CStr(Variant::null()); }), err::InvalidUseOfNull);
    EXPECT_EQ(errorNumber([] { CStr(Nothing); }), err::TypeMismatch);
}

// Fifteen significant digits, decimal comma; fixed notation for decimal exponents -5 to 14.
TEST(CStr, DoubleFifteenDigitsDecimalComma) {
    const struct { double value; const char* text; } cases[] = {
        {0.1 + 0.2, "0,3"}, {-0.0, "0"}, {2.0 / 3, "0,666666666666667"},
        {99999999999999.99, "100000000000000"}, {1.5e15, "1,5E+15"}, {0.00001, "0,00001"},
        {9.99999999999999e-6, "9,99999999999999E-06"}, {std::numeric_limits<double>::max(), "1,79769313486232E+308"},
    };
    for (const auto& c : cases) EXPECT_EQ(doubleToText(c.value), c.text) << c.value;
}

TEST(CDbl, RegionalTexts) {
    const struct { const char* text; double value; } cases[] = {
        {" 1234,56 ", 1234.56}, {"R$ 1.234,56", 1234.56}, {"-R$ 5", -5}, {"1.2.3", 123}, {"+12,5", 12.5},
        {"(12,5)", -12.5}, {"12-", -12}, {"1,5E3", 1500}, {"1E-2", 0.01}, {"&HFF", 255}, {"&O17", 15},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(CDbl(Variant(c.text)), c.value) << c.text;
        EXPECT_TRUE(IsNumeric(Variant(c.text))) << c.text;
    }
    for (const char* text : {"1,2,3", "1,234.56", "", "12abc", "$12", "05/2024", "1E", "(-5)", "1 234", "&HG1", "inf"}) {
        EXPECT_EQ(errorNumber([&] { CDbl(Variant(text)); }), err::TypeMismatch) << text;
        EXPECT_FALSE(IsNumeric(Variant(text))) << text;
    }
}

TEST(CDbl, OtherSubtypesAndRange) {
    EXPECT_EQ(CDbl(Variant()), 0);
    EXPECT_EQ(CDbl(Variant(true)), -1);
    EXPECT_EQ(CDbl(Variant(Currency::fromRaw(12345))), 1.2345);
    EXPECT_EQ(errorNumber([] { CDbl(Variant::null()); }), err::InvalidUseOfNull);
    EXPECT_EQ(errorNumber([] { CDbl(Nothing); }), err::TypeMismatch);
    EXPECT_EQ(errorNumber([] { CDbl(Variant("1E400")); }), err::Overflow);
    EXPECT_FALSE(IsNumeric(Variant("1E400")));
    EXPECT_FALSE(IsNumeric(Variant(dt(2024, 5, 15))));
}

TEST(CCur, RoundsHalfToEvenOnTheDecimalDigits) {
    const struct { const char* text; std::int64_t raw; } cases[] = {
        {"0,00025", 2}, {"0,00035", 4}, {"0,000251", 3}, {"-0,00025", -2},
        {"10,000", 100000},  // CCur(Format(CCur(10.0004), "#0.000")) reads "10,000": 10
        {"922337203685477,5807", std::numeric_limits<std::int64_t>::max()}, {"1,5E-4", 2},
    };
    for (const auto& c : cases) EXPECT_EQ(CCur(Variant(c.text)).raw(), c.raw) << c.text;
    EXPECT_EQ(errorNumber([] { CCur(Variant("922337203685477,5808")); }), err::Overflow);
    EXPECT_EQ(errorNumber([] { CCur(Variant::null()); }), err::InvalidUseOfNull);
}

TEST(CIntCLng, RoundHalfToEven) {
    const struct { Variant value; std::int32_t result; } cases[] = {
        {Variant(2.5), 2}, {Variant(3.5), 4}, {Variant(-2.5), -2}, {Variant(-0.5), 0}, {Variant("2,5"), 2},
        {Variant("2,50000000000000001"), 3}, {Variant(Currency::fromDouble(-2.5001)), -3},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CInt(c.value), c.result) << CStr(c.value);
        EXPECT_EQ(CLng(c.value), c.result) << CStr(c.value);
    }
    EXPECT_EQ(CInt(Variant(-32768.5)), -32768);
    EXPECT_EQ(errorNumber([] { CInt(Variant(32767.5)); }), err::Overflow);
    EXPECT_EQ(errorNumber([] { CLng(Variant(2147483647.5)); }), err::Overflow);
    EXPECT_EQ(errorNumber([] { CLng(Variant(std::numeric_limits<double>::quiet_NaN())); }), err::Overflow);
    EXPECT_EQ(errorNumber([] { CInt(Variant::null()); }), err::InvalidUseOfNull);
}

TEST(CBool, TextsAndValues) {
    for (const Variant& v : {Variant(" TRUE "), Variant("-1"), Variant("0,5"), Variant(DateTime(1))})
        EXPECT_TRUE(CBool(v)) << CStr(v);
    for (const Variant& v : {Variant("false"), Variant("0"), Variant()}) EXPECT_FALSE(CBool(v)) << CStr(v);
    EXPECT_EQ(errorNumber([] { CBool(Variant("Verdadeiro")); }), err::TypeMismatch);
}

TEST(CDate, RegionalTexts) {
    const int year = DateTime::today().year();
    const struct { const char* text; DateTime date; } cases[] = {
        {" 15-5-2024 ", dt(2024, 5, 15)}, {"05/06/2024", dt(2024, 6, 5)},
        {"12/31/2024", dt(2024, 12, 31)},  // day first impossible: month first
        {"05/2024", dt(2024, 5, 1)}, {"2024/05", dt(2024, 5, 1)}, {"05/15", dt(year, 5, 15)},
        {"15/05/24", dt(2024, 5, 15)}, {"15/05/30", dt(1930, 5, 15)}, {"2024-05-15", dt(2024, 5, 15)},
        {"10:30 15/05/2024", dt(2024, 5, 15, 10, 30)}, {"15/05/2024 7:05 PM", dt(2024, 5, 15, 19, 5)},
        {"10:30:07", dt(1899, 12, 30, 10, 30, 7)},
        {"15 de maio de 2024", dt(2024, 5, 15)}, {"Fevereiro 2024", dt(2024, 2, 1)}, {"01/01/100", dt(100, 1, 1)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CDate(Variant(c.text)), c.date) << c.text << " gave " << dateToText(CDate(Variant(c.text)));
        EXPECT_TRUE(IsDate(Variant(c.text))) << c.text;
    }
    for (const char* text : {"31/02/2024", "25:00", "13:00 PM", "", "2024", "15.05.2024", "15//05", "15/05 10:30 2024",
                             "15/05/0024", "15 maio junho 2024"}) {
        EXPECT_FALSE(IsDate(Variant(text))) << text;
        EXPECT_EQ(errorNumber([&] { CDate(Variant(text)); }), err::TypeMismatch) << text;
    }
}

TEST(CDate, OtherSubtypes) {
    EXPECT_EQ(CDate(Variant()), DateTime(0));
    EXPECT_EQ(CDate(Variant(std::int32_t{2})), dt(1900, 1, 1));
    EXPECT_EQ(errorNumber([] { CDate(Variant(1e10)); }), err::Overflow);
    EXPECT_EQ(errorNumber([] { CDate(Variant::null()); }), err::InvalidUseOfNull);
    EXPECT_EQ(errorNumber([] { CDate(Nothing); }), err::TypeMismatch);
    EXPECT_FALSE(IsDate(Variant(45427.0)));
}

TEST(ParseHashDate, MonthFirstThenDayFirst) {
    EXPECT_EQ(parseHashDate("#05/06/2024#"), dt(2024, 5, 6));
    EXPECT_EQ(parseHashDate("#05/15/2024 7:05:00 PM#"), dt(2024, 5, 15, 19, 5));
    EXPECT_FALSE(parseHashDate("#31/02/2024#").has_value());
    EXPECT_FALSE(parseHashDate("#").has_value());
}

TEST(Val, LeadingNumber) {
    const struct { const char* text; double value; } cases[] = {
        {"1a", 1}, {"  2 3 4", 234}, {"12.5.3", 12.5}, {"12,5", 12}, {"- 3", -3}, {"1D2", 100}, {"1e+", 1},
        {"&HFFFF", -1}, {"&HFFFF&", 65535}, {"abc", 0}, {"-.5", -0.5},
    };
    for (const auto& c : cases) EXPECT_EQ(Val(c.text), c.value) << c.text;
    EXPECT_EQ(Val(Variant(12.5)), 12);  // reads "12,5"
    EXPECT_EQ(errorNumber([] { Val(Variant::null()); }), err::InvalidUseOfNull);
    EXPECT_EQ(errorNumber([] { Val("1e400"); }), err::Overflow);
}

TEST(Trim, OnlyBlanks) {
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(Trim("\ta\t"), "\ta\t");
}

}  // namespace
}  // namespace zolk::platform
