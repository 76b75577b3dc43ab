#include "platform/format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "platform/runtime_error.h"
#include "testsupport/raised.h"

namespace zolk::platform {
namespace {

struct Case {
    Variant value;
    std::string pattern;
    std::string expected;
};

std::string describe(const Case& c) {
    return "pattern '" + c.pattern + "', expected '" + c.expected + "'";
}

void expectAll(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        const Variant result = Format(c.value, c.pattern);
        ASSERT_TRUE(result.isString()) << describe(c);
        EXPECT_EQ(result.asString(), c.expected) << describe(c);
    }
}

using testsupport::errorNumber;

const DateTime Sample = DateTime::fromParts(2024, 5, 15, 9, 5, 3);  // a Wednesday
// Month and minute differ here, so a minute read as a month (or back) shows.
const DateTime Evening = DateTime::fromParts(2023, 11, 20, 18, 42, 7);  // a Monday

Currency cur(std::int64_t raw) { return Currency::fromRaw(raw); }

TEST(Format, WorkedDateExamples) {
    expectAll({
        {Sample, "dd/mm/yyyy", "15/05/2024"}, {Sample, "DD/MM/YYYY", "15/05/2024"},
        {Sample, "dd/mm/yyyy hh:mm:ss", "15/05/2024 09:05:03"},
        {Sample, "DD/MM/YYYY HH:MM:SS", "15/05/2024 09:05:03"}, {Sample, "MM/DD/YYYY", "05/15/2024"},
        {Sample, "MM", "05"}, {Sample, "YYYY", "2024"}, {Sample, "HH:MM", "09:05"},
        {Sample, "yyyy/mm/dd", "2024/05/15"}, {DateTime(0.5), "HH:MM", "12:00"},
        {DateTime(0.5), "DD/MM/YYYY", "30/12/1899"}, {"05/06/2024", "dd/mm/yyyy", "05/06/2024"},
        {"2024-05-15", "dd/mm/yyyy", "15/05/2024"}, {"12/31/2024", "dd/mm/yyyy", "31/12/2024"},
        {"abc", "dd/mm/yyyy", "abc"}, {"", "dd/mm/yyyy", ""},
    });
}

TEST(Format, MinutesOnlyRightAfterHours) {
    expectAll({
        {Evening, "HH:MM", "18:42"}, {Evening, "MM", "11"},
        {Evening, "DD/MM/YYYY HH:MM:SS", "20/11/2023 18:42:07"}, {Evening, "hh mm", "18 42"},
        {Evening, "hh\\h mm", "18h 42"}, {Evening, "hh dd mm", "18 20 11"}, {Evening, "mm hh", "11 18"},
        {Evening, "hh:mmm", "18:nov"}, {Evening, "n:nn s:ss", "42:42 7:07"},
    });
}

TEST(Format, DateTokens) {
    const DateTime first = DateTime::fromParts(2024, 3, 1, 0, 30, 0);
    expectAll({
        {Sample, "d/m/yy", "15/5/24"}, {first, "d dd", "1 01"}, {Sample, "ddd dddd", "qua quarta-feira"},
        {Sample, "mmm mmmm", "mai maio"}, {first, "mmmm", "março"},
        {DateTime::fromParts(2024, 6, 1), "ddd dddd", "sáb sábado"}, {Sample, "ddddd", "15/05/2024"},
        {Sample, "dddddd", "quarta-feira, 15 de maio de 2024"}, {Sample, "ttttt", "09:05:03"},
        {Sample, "c", "15/05/2024 09:05:03"}, {Sample, "y q w ww", "136 2 4 20"},
        {DateTime::fromParts(2023, 1, 1), "y w ww", "1 1 1"}, {Evening, "h:nn AM/PM", "6:42 PM"},
        {Evening, "h:nn am/pm", "6:42 pm"}, {first, "hh:nn AM/PM", "12:30 AM"}, {Sample, "h A/P", "9 A"},
        {Evening, "h a/p", "6 p"}, {Evening, "hh AMPM", "06 PM"},
        {Sample, "dd \\d\\e mmmm \\d\\e yyyy", "15 de maio de 2024"}, {Sample, "\"dia\" d", "dia 15"},
        {Sample, "dd.mm.yyyy", "15.05.2024"}, {Sample, "yyyy-mm-dd", "2024-05-15"}, {Sample, "yyy", "24136"},
        {DateTime(-1.25), "dd/mm/yyyy hh:nn", "29/12/1899 06:00"},
        {DateTime(0.0), "dd/mm/yyyy hh:nn:ss", "30/12/1899 00:00:00"},
        {DateTime::fromParts(100, 1, 1), "dd/mm/yyyy", "01/01/100"},
        {DateTime::fromParts(9999, 12, 31, 23, 59, 59), "dd/mm/yyyy hh:nn:ss",
         "31/12/9999 23:59:59"},
    });
}

TEST(Format, NumbersAndNumericTextsAsDates) {
    expectAll({
        {45427.75, "dd/mm/yyyy hh:nn", "15/05/2024 18:00"}, {std::int32_t{45427}, "dd/mm/yyyy", "15/05/2024"},
        {std::int16_t{2}, "dd/mm/yyyy", "01/01/1900"},
        {cur(454275000), "dd/mm/yyyy hh:nn", "15/05/2024 12:00"}, {"45427", "dd/mm/yyyy", "15/05/2024"},
        {"15/05/2024 10:30", "hh:nn", "10:30"}, {"10:30", "HH:MM", "10:30"},
        {"99999999999", "dd/mm/yyyy", "99999999999"},
    });
    EXPECT_EQ(errorNumber([] { Format(1e10, "dd/mm/yyyy"); }), err::Overflow);
    EXPECT_EQ(errorNumber([] { Format(-700000.0, "dd/mm/yyyy"); }), err::Overflow);
    EXPECT_EQ(errorNumber([] { Format(std::numeric_limits<double>::quiet_NaN(), "dd/mm/yyyy"); }),
              err::Overflow);
}

TEST(Format, WorkedNumberExamples) {
    expectAll({
        {1234.5, "#,##0.00", "1.234,50"}, {1234567.891, "#,##0.00", "1.234.567,89"},
        {-1234.5, "#,##0.00", "-1.234,50"}, {std::int32_t{0}, "#,##0.00", "0,00"},
        {std::int32_t{7}, "#,##0.000", "7,000"}, {1234.5678, "#,##0.000", "1.234,568"},
        {1234.5, "#0.00", "1234,50"}, {cur(12345), "#0.00", "1,23"}, {0.125, "#0.00", "0,13"},
        {std::int32_t{7}, "#0.000", "7,000"}, {10.0004, "#0.000", "10,000"},
        {std::int32_t{-2}, "#0.000", "-2,000"}, {"01310100", "00000-000", "01310-100"},
        {"12345678", "00000-000", "12345-678"}, {"12345678901", "000\\.000\\.000\\-00", "123.456.789-01"},
        {"01234567890", "000\\.000\\.000\\-00", "012.345.678-90"},
        {"123456789012", "000\\.000\\.000\\-00", "1234.567.890-12"},
        {"12345678000195", "00\\.000\\.000\\/0000-00", "12.345.678/0001-95"},
        {"01310-100", "00000-000", "01310-100"}, {"123.456.789-01", "000\\.000\\.000\\-00", "123.456.789-01"},
    });
    EXPECT_TRUE(Format(Variant::null(), "#,##0.00").isNull());
}

TEST(Format, RoundingIsHalfAwayFromZeroOnTheDecimalText) {
    expectAll({
        {2.5, "0", "3"}, {3.5, "0", "4"}, {-2.5, "0", "-3"}, {0.5, "0", "1"}, {0.49, "0", "0"},
        {1.005, "0.00", "1,01"},  // 1.00499999999999989... in binary, 1.00500000000000 in 15 digits
        {2.675, "0.00", "2,68"}, {-0.125, "0.00", "-0,13"}, {9.9999999, "#0.000000", "10,000000"},
        {999.995, "#,##0.00", "1.000,00"}, {0.1 + 0.2, "0.000000000000000000", "0,300000000000000000"},
        {-0.001, "0.00", "-0,00"}, {cur(25000), "0", "3"}, {cur(-25000), "0", "-3"},
        {cur(1250), "0.00", "0,13"}, {cur(-50), "0.00", "-0,01"}, {cur(49), "0.00", "0,00"},
    });
}

TEST(Format, CurrencyAndIntegersAreExact) {
    const std::int64_t max = std::numeric_limits<std::int64_t>::max();
    const std::int64_t min = std::numeric_limits<std::int64_t>::min();
    expectAll({
        {cur(123456789012345678), "#,##0.00", "12.345.678.901.234,57"},
        {cur(max), "#,##0.0000", "922.337.203.685.477,5807"},
        {cur(min), "#,##0.0000", "-922.337.203.685.477,5808"}, {cur(max), "0", "922337203685478"},
        {cur(min), "0;(0)", "(922337203685478)"}, {std::int16_t{-32768}, "#,##0", "-32.768"},
        {std::int32_t{std::numeric_limits<std::int32_t>::min()}, "#,##0", "-2.147.483.648"},
        {std::int32_t{std::numeric_limits<std::int32_t>::max()}, "0", "2147483647"}, {true, "0", "-1"},
        {false, "0.00", "0,00"}, {Sample, "0.00000", "45427,37851"},
    });
}

TEST(Format, DigitPlaceholders) {
    expectAll({
        {std::int32_t{1}, "#00000000", "00000001"}, {std::int32_t{1}, "000###", "000001"},
        {std::int32_t{1}, "#00##00#0", "00000001"}, {std::int32_t{1}, "1#####0000", "10001"},
        {std::int32_t{1}, "##abcdfgijklmnopqrstuvwxyz", "1abcdfgijklmnopqrstuvwxyz"},
        {std::int32_t{100000}, "#,###,###,###", "100.000"},
        {std::int32_t{1}, "0,000,000,000", "0.000.000.001"},
        {std::int32_t{123456789}, "#,#.#", "123.456.789,"},
        {std::int32_t{123456789}, "###, ###, ###", "123. 456. 789"}, {std::int32_t{17}, "#.00", "17,00"},
        {0.17, "#.00", ",17"}, {0.17, "#.33", ",33"}, {1.7, "#.33", "2,33"}, {std::int32_t{17}, "#3", "173"},
        {1.23456789, "0#.0#0#0#0#0", "01,234567890"}, {1.2, "0#.0#0#0#0#0", "01,200000000"},
        {9.8, "#0.#0#0#0#0#", "9,80000000"}, {0.00000008, "#0.#0#0#0#0#0", "0,0000000800"},
        {0.00010705, "#0.##########", "0,00010705"}, {0.0049, "#.##", ","}, {0.0995, "#.##", ",1"},
        {8.0995, "#.##", "8,1"}, {-0.1, ".#", "-,1"}, {std::int32_t{5}, ".00", "5,00"},
        {std::int32_t{0}, "#", ""}, {std::int32_t{0}, "#.##", ","},
    });
}

TEST(Format, ScalingPercentAndScientific) {
    expectAll({
        {std::int32_t{1234567}, "#,##0,", "1.235"}, {std::int32_t{1234567890}, "0,,", "1235"},
        {std::int32_t{1234}, "0,.00", "1,23"}, {std::int32_t{1234567}, "0.0,,", "1,2"},
        {0.125, "0.0%", "12,5%"}, {0.5, "0%", "50%"}, {0.5, "0%%", "50%%"}, {1234.5, "0.00E+00", "1,23E+03"},
        {0.000123, "0.00E-00", "1,23E-04"}, {1234.5, "0.00E-00", "1,23E03"}, {9.999, "0.00E+00", "1,00E+01"},
        {std::int32_t{0}, "0.00E+00", "0,00E+00"}, {-1234.5, "0.0e+0", "-1,2e+3"},
        {47.11, ".0000E+0", ",4711E+2"}, {1.7, "0.0000E-000", "1,7000E000"}, {1.7, "0.0000e-1", "1,7000e01"},
        {450.0001e+43, "#000.0000e+0", "4500,0010e+42"}, {0.0001e-11, "##00.0000e-0", "1000,0000e-18"},
        {86.936849, "#0.000000000000e-000", "86,936849000000e000"},
        {3.0401e-13, "#####.####e-0%", "30401,e-15%"},
        {std::int32_t{5}, "E+0", "E+5"},  // no placeholder before: literal E+ and a digit
    });
}

TEST(Format, SectionsAndLiterals) {
    expectAll({
        {std::int32_t{5}, "0;(0)", "5"}, {std::int32_t{-5}, "0;(0)", "(5)"}, {std::int32_t{0}, "0;(0)", "0"},
        {std::int32_t{0}, "0;(0);\\z\\e\\r\\o", "zero"}, {std::int32_t{-5}, "0;;\\z", "-5"},
        {std::int32_t{0}, "0.00;-0.00;", "0,00"}, {0.001, "0.00;-0.00;zero", "0,00"},
        {-0.001, "0.00;(0.00)", "(0,00)"}, {std::int32_t{-5}, "0;\\n\\e\\g", "neg"},
        {Variant(), "0;-0;\\n\\a\\d\\a", "nada"}, {Variant::null(), "0;-0;0;\\N\\u\\l\\l", "Null"},
        {Variant::null(), "dd/mm/yyyy;;;\"sem data\"", "sem data"}, {std::int32_t{5}, ";0", "5"},
        {-1234.5, "R$ #,##0.00", "-R$ 1.234,50"}, {std::int32_t{7}, "\"Total: \"0", "Total: 7"},
        {std::int32_t{7}, "0 \"kg\"", "7 kg"}, {std::int32_t{7}, "$(0)+", "$(7)+"},
        {std::int32_t{7}, "0\\;0", "0;7"}, {std::int32_t{7}, "\"a;b\"0", "a;b7"},
        {std::int32_t{7}, "0\"unterminated", "7unterminated"}, {std::int32_t{7}, "0\\", "7"},
        {std::int32_t{7}, "0\xff\xfe", "7\xff\xfe"}, {std::int32_t{7}, "0\\\xc3\xa9", "7\xc3\xa9"},
        {std::int32_t{7}, "\\-", "-"},
    });
    EXPECT_EQ(errorNumber([] { Format(std::int32_t{1}, "0;0;0;0;0"); }), err::InvalidProcedureCall);
}

TEST(Format, ValueKinds) {
    expectAll({
        {Variant(), "#,##0.00", "0,00"}, {Variant(), "dd/mm/yyyy", ""}, {Variant(), "00000-000", "00000-000"},
        {"abc", "#,##0.00", "abc"}, {"12,5", "0.00", "12,50"}, {"1.234,5", "#,##0.00", "1.234,50"},
        {" 12 ", "000", "012"}, {"15/05/2024", "0", "45427"}, {DateTime(45427.75), "0.00", "45427,75"},
    });
}

TEST(Format, EmptyPatternIsLikeCStr) {
    expectAll({
        {12.5, "", "12,5"}, {cur(25000), "", "2,5"}, {std::int32_t{-3}, "", "-3"},
        {Sample, "", "15/05/2024 09:05:03"}, {true, "", "True"}, {"abc", "", "abc"}, {Variant(), "", ""},
    });
    EXPECT_TRUE(Format(Variant::null(), "").isNull());
}

TEST(Format, NullWithoutANullSectionIsNull) {
    for (const char* pattern : {"dd/mm/yyyy", "0", "0;0;0", "@", "\\a"})
        EXPECT_TRUE(Format(Variant::null(), pattern).isNull()) << pattern;
}

TEST(Format, NamedFormats) {
    expectAll({
        {1234.5, "Standard", "1.234,50"}, {1234.5, "Fixed", "1234,50"}, {-1234.5, "Currency", "-R$ 1.234,50"},
        {0.5, "Percent", "50,00%"}, {1234.5, "Scientific", "1,23E+03"}, {1234.5, "General Number", "1234,5"},
        {cur(12345), "general number", "1,2345"}, {true, "Yes/No", "Yes"}, {false, "Yes/No", "No"},
        {false, "True/False", "False"}, {std::int32_t{3}, "On/Off", "On"},
        {Sample, "Short Date", "15/05/2024"}, {Sample, "Long Date", "quarta-feira, 15 de maio de 2024"},
        {Sample, "Medium Date", "15-mai-24"}, {Sample, "Long Time", "09:05:03"},
        {Evening, "Medium Time", "06:42 PM"}, {Evening, "Short Time", "18:42"},
        {Sample, "General Date", "15/05/2024 09:05:03"},
    });
}

TEST(Format, TextPatterns) {
    expectAll({
        {"abc", ">", "ABC"}, {"ação", ">", "AÇÃO"}, {"ÁÉÇ", "<", "áéç"}, {"abc", "@@@@@", "  abc"},
        {"abc", "!@@@@@", "abc  "}, {"abc", "&&&&&", "abc"}, {"1234", "&&-&&", "12-34"},
        {"testing", "@", "testing"}, {"testing", "\\x@\\x@", "xtxesting"},
        {"testing", "@\\x@@@@@@@", " xtesting"}, {"testing", "<&>&", "testing"},
        {"", "@;\\v\\a\\z\\i\\o", "vazio"}, {Variant::null(), "@;\\v\\a\\z\\i\\o", "vazio"},
        {std::int32_t{12}, "@@@@", "  12"}, {12.5, "&&&&&", "12,5"},
    });
}

TEST(Format, HugeAndTinyNumbers) {
    const std::string big = Format(1e300, "0").asString();
    EXPECT_EQ(big, "1" + std::string(300, '0'));
    const std::string max = Format(std::numeric_limits<double>::max(), "#,##0").asString();
    EXPECT_EQ(max.substr(0, 22), "179.769.313.486.232.00");
    EXPECT_EQ(max.size(), 309u + 102u);
    EXPECT_EQ(Format(1e-300, "0.00").asString(), "0,00");
    EXPECT_EQ(Format(-1e-300, "0.00").asString(), "-0,00");
    const double tiniest = std::numeric_limits<double>::denorm_min();
    EXPECT_EQ(Format(tiniest, "0.00E+000").asString(), "4,94E-324");
    EXPECT_EQ(Format(1e20, "#,##0").asString(), "100.000.000.000.000.000.000");
    EXPECT_EQ(Format(std::int32_t{1}, std::string(1000, '0')).asString(),
              std::string(999, '0') + "1");
    EXPECT_EQ(Format(0.5, "0" + std::string(500, '%')).asString(), "50" + std::string(500, '%'));
    EXPECT_EQ(Format(1e300, "0" + std::string(100, ',')).asString(), "1");
    const double inf = std::numeric_limits<double>::infinity();
    for (double bad : {inf, -inf, std::numeric_limits<double>::quiet_NaN()})
        EXPECT_EQ(errorNumber([bad] { Format(bad, "0.00"); }), err::Overflow) << bad;
}

// Arbitrary patterns from the special characters and letters: every result is a text (or
// one of the documented errors), never a crash; the sanitizer build checks the rest.
TEST(Format, ArbitraryPatternsAreSafe) {
    const std::string alphabet = "0#.,;%Ee+-\\\"@&<>!/:dDmMyYhHnNsSwqcAaPpt \xc3\xa9\xff";
    const std::vector<Variant> values = {
        Variant(), std::int16_t{-5}, std::int32_t{123456}, 0.0, -1234.5678, 1e300, -1e-300,
        Currency::fromRaw(std::numeric_limits<std::int64_t>::min()), Sample, true, "",
        "12345678", "abc", "\xff\xfe", "15/05/2024"};
    std::uint32_t state = 12345;
    auto next = [&state] {
        state = state * 1103515245u + 12345u;
        return state >> 16;
    };
    for (int round = 0; round < 300; ++round) {
        std::string pattern;
        const std::uint32_t length = next() % 12;
        for (std::uint32_t i = 0; i < length; ++i) pattern += alphabet[next() % alphabet.size()];
        for (const Variant& v : values) {
            try {
                const Variant r = Format(v, pattern);
                EXPECT_TRUE(r.isString()) << "pattern '" << pattern << "'";
            } catch (const RuntimeError& e) {
                EXPECT_TRUE(e.number() == err::InvalidProcedureCall || e.number() == err::Overflow)
                    << "pattern '" << pattern << "' raised " << e.number();
            }
        }
    }
}


// One compiled pattern applied to many values in turn answers as a pattern read afresh for each
// value: nothing of one value carries over to the next.
TEST(FormatPattern, ReusedOverManyValuesAnswersAsReadAfresh) {
    const std::vector<std::string> patterns = {
        "DD/MM/YYYY", "DD/MM/YYYY HH:MM:SS", "#,##0.00", "#0.000", "0.0#%", "#,##0.00;(#,##0.00);\\z;\\n",
        "0.00E+00", "Currency", "General Number", "Yes/No", "Long Date", "hh:nn AM/PM", "@@@@@!", ">&&", "", "MM"};
    const std::vector<Variant> values = {
        Variant(), Variant::null(), std::int16_t{-5}, std::int32_t{123456}, 0.0, -1234.5678, 0.005,
        Currency::fromRaw(123456789), Currency::fromRaw(-5000), Sample, Evening, true, false, "", "12,5",
        "15/05/2024", "texto"};
    for (const std::string& pattern : patterns) {
        const FormatPattern compiled(pattern);
        for (int pass = 0; pass < 2; ++pass) {
            for (std::size_t i = 0; i < values.size(); ++i) {
                const Variant& v = values[pass == 0 ? i : values.size() - 1 - i];
                const Variant fresh = Format(v, pattern);
                EXPECT_TRUE(compiled.apply(v) == fresh) << "pattern '" << pattern << "', value " << i;
                std::string appended = "prefix:";
                const bool given = compiled.appendTo(v, appended);
                EXPECT_EQ(given, !fresh.isNull()) << "pattern '" << pattern << "'";
                if (given) {
                    EXPECT_EQ(appended, "prefix:" + fresh.asString()) << "pattern '" << pattern << "'";
                }
            }
        }
    }
}

}  // namespace
}  // namespace zolk::platform
