#include "platform/format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "platform/runtime_error.h"
#include "testsupport/raised.h"

namespace zolk::platform {
namespace {

using testsupport::errorNumber;

struct Case {
    Variant value;
    std::string pattern;
    std::string expected;
};

void expectAll(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        const Variant result = Format(c.value, c.pattern);
        ASSERT_TRUE(result.isString()) << "pattern '" << c.pattern << "'";
        EXPECT_EQ(result.asString(), c.expected) << "pattern '" << c.pattern << "'";
    }
}

const DateTime Sample = DateTime::fromParts(2024, 5, 15, 9, 5, 3);  // a Wednesday
// Month and minute differ here, so a minute read as a month (or back) shows.
const DateTime Evening = DateTime::fromParts(2023, 11, 20, 18, 42, 7);

Currency cur(std::int64_t raw) { return Currency::fromRaw(raw); }

TEST(Format, WorkedDateExamples) {
    expectAll({
        {Sample, "DD/MM/YYYY HH:MM:SS", "15/05/2024 09:05:03"}, {Sample, "MM/DD/YYYY", "05/15/2024"},
        {Sample, "yyyy/mm/dd", "2024/05/15"}, {DateTime(0.5), "DD/MM/YYYY", "30/12/1899"},
        {"05/06/2024", "dd/mm/yyyy", "05/06/2024"}, {"12/31/2024", "dd/mm/yyyy", "31/12/2024"},
        {"abc", "dd/mm/yyyy", "abc"}, {45427.75, "dd/mm/yyyy hh:nn", "15/05/2024 18:00"},
    });
    EXPECT_EQ(errorNumber([] { Format(1e10, "dd/mm/yyyy"); }), err::Overflow);
}

TEST(Format, MinutesOnlyRightAfterHours) {
    expectAll({
        {Evening, "HH:MM", "18:42"}, {Evening, "MM", "11"}, {Evening, "hh dd mm", "18 20 11"}, {Evening, "hh:mmm", "18:nov"},
    });
}

TEST(Format, DateTokens) {
    const DateTime first = DateTime::fromParts(2024, 3, 1, 0, 30, 0);
    expectAll({
        {Sample, "d/m/yy", "15/5/24"}, {first, "dd", "01"}, {Sample, "ddd dddd", "qua quarta-feira"},
        {first, "mmm mmmm", "mar março"}, {Sample, "dddddd", "quarta-feira, 15 de maio de 2024"},
        {Sample, "c", "15/05/2024 09:05:03"}, {Sample, "y q w ww", "136 2 4 20"}, {Evening, "h:nn AM/PM", "6:42 PM"},
        {first, "hh:nn am/pm", "12:30 am"}, {Sample, "dd \\d\\e \"dia\" yyyy", "15 de dia 2024"},
    });
}

TEST(Format, WorkedNumberExamples) {
    expectAll({
        {1234567.891, "#,##0.00", "1.234.567,89"}, {-1234.5, "#,##0.00", "-1.234,50"}, {std::int32_t{0}, "#,##0.00", "0,00"},
        {cur(12345), "#0.00", "1,23"}, {10.0004, "#0.000", "10,000"}, {"01310100", "00000-000", "01310-100"},
        {"12345678000195", "00\\.000\\.000\\/0000-00", "12.345.678/0001-95"},
        {"123.456.789-01", "000\\.000\\.000\\-00", "123.456.789-01"},
    });
}

// Half away from zero on the fifteen-digit decimal text, not on the binary value.
TEST(Format, RoundingIsHalfAwayFromZeroOnTheDecimalText) {
    expectAll({
        {2.5, "0", "3"}, {-2.5, "0", "-3"}, {1.005, "0.00", "1,01"}, {999.995, "#,##0.00", "1.000,00"},
        {0.1 + 0.2, "0.000000000000000000", "0,300000000000000000"}, {-0.001, "0.00", "-0,00"},
    });
}

TEST(Format, CurrencyAndIntegersAreExact) {
    expectAll({
        {cur(123456789012345678), "#,##0.00", "12.345.678.901.234,57"},
        {cur(std::numeric_limits<std::int64_t>::min()), "#,##0.0000", "-922.337.203.685.477,5808"},
        {std::int32_t{std::numeric_limits<std::int32_t>::min()}, "#,##0", "-2.147.483.648"}, {true, "0", "-1"},
    });
}

TEST(Format, DigitPlaceholders) {
    expectAll({
        {std::int32_t{1}, "#00##00#0", "00000001"}, {std::int32_t{1}, "1#####0000", "10001"},
        {std::int32_t{100000}, "#,###,###,###", "100.000"}, {std::int32_t{123456789}, "###, ###, ###", "123. 456. 789"},
        {0.17, "#.00", ",17"}, {1.7, "#.33", "2,33"}, {1.23456789, "0#.0#0#0#0#0", "01,234567890"},
    });
}

TEST(Format, ScalingPercentAndScientific) {
    expectAll({
        {std::int32_t{1234567}, "#,##0,", "1.235"}, {std::int32_t{1234567}, "0.0,,", "1,2"}, {0.125, "0.0%", "12,5%"},
        {1234.5, "0.00E+00", "1,23E+03"}, {1234.5, "0.00E-00", "1,23E03"}, {9.999, "0.00E+00", "1,00E+01"},
        {450.0001e+43, "#000.0000e+0", "4500,0010e+42"},
        {std::int32_t{5}, "E+0", "E+5"},  // no placeholder before: literal E+ and a digit
    });
}

TEST(Format, SectionsAndLiterals) {
    expectAll({
        {std::int32_t{-5}, "0;(0)", "(5)"}, {std::int32_t{0}, "0;(0);\\z\\e\\r\\o", "zero"},
        {std::int32_t{-5}, "0;;\\z", "-5"}, {0.001, "0.00;-0.00;zero", "0,00"}, {-0.001, "0.00;(0.00)", "(0,00)"},
        {Variant(), "0;-0;\\n\\a\\d\\a", "nada"}, {Variant::null(), "dd/mm/yyyy;;;\"sem data\"", "sem data"},
        {-1234.5, "R$ #,##0.00", "-R$ 1.234,50"}, {std::int32_t{7}, "\"a;b\"0", "a;b7"}, {std::int32_t{7}, "0\\", "7"},
    });
    EXPECT_EQ(errorNumber([] { Format(std::int32_t{1}, "0;0;0;0;0"); }), err::InvalidProcedureCall);
    EXPECT_TRUE(Format(Variant::null(), "0;0;0").isNull());
}

TEST(Format, ValueKindsAndEmptyPattern) {
    expectAll({
        {Variant(), "#,##0.00", "0,00"}, {Variant(), "dd/mm/yyyy", ""}, {"abc", "#,##0.00", "abc"},
        {"1.234,5", "#,##0.00", "1.234,50"}, {"15/05/2024", "0", "45427"}, {12.5, "", "12,5"},
    });
}

TEST(Format, NamedFormats) {
    expectAll({
        {1234.5, "Standard", "1.234,50"}, {-1234.5, "Currency", "-R$ 1.234,50"}, {0.5, "Percent", "50,00%"},
        {cur(12345), "general number", "1,2345"}, {false, "Yes/No", "No"}, {std::int32_t{3}, "On/Off", "On"},
        {Sample, "Medium Date", "15-mai-24"}, {Evening, "Medium Time", "06:42 PM"},
    });
}

TEST(Format, TextPatterns) {
    expectAll({
        {"ação", ">", "AÇÃO"}, {"abc", "@@@@@", "  abc"}, {"abc", "!@@@@@", "abc  "}, {"1234", "&&-&&", "12-34"},
        {"testing", "\\x@\\x@", "xtxesting"}, {Variant::null(), "@;\\v\\a\\z\\i\\o", "vazio"}, {12.5, "&&&&&", "12,5"},
    });
}

}  // namespace
}  // namespace zolk::platform
