// The VBA functions and operators in SQL, family by family: each expression runs as
// "SELECT expr" on a fresh database and comes back with its value and its Variant subtype
// (testing::render: L Long, I Integer, F Double, C Currency, D Date, 'text', True/False, Null).
// Most cases are the examples of Microsoft's documentation of each function, written with the
// regional settings (day-first dates, decimal comma in texts). Where the documentation and our
// reference disagree, the reference holds and the case says so.
#include <gtest/gtest.h>

#include "jet/tests/jet_test_support.h"

namespace zolk::jet {
namespace {

struct ValueCase {
    const char* expr;
    const char* value;  // testing::render of the one value
};

std::ostream& operator<<(std::ostream& os, const ValueCase& c) { return os << c.expr; }

std::string valueOf(const std::string& expr) {
    testing::TempDatabase db;
    auto s = db.create(testing::sampleScripts());
    const auto r = s->execute("SELECT " + expr + " AS X");
    return testing::render(r.rows);
}

class Family : public ::testing::TestWithParam<ValueCase> {};

TEST_P(Family, GivesItsValueAndType) {
    EXPECT_EQ(valueOf(GetParam().expr), GetParam().value) << GetParam().expr;
}

// Gives each case a readable name in test reports: its position in the family.
std::string caseName(const ::testing::TestParamInfo<ValueCase>& info) {
    return "case" + std::to_string(info.index);
}

const ValueCase kOperators[] = {
    {"2 ^ 2", "F4"},
    {"3 ^ 3 ^ 3", "F19683"},  // left to right: (3^3)^3
    {"(-5) ^ 3", "F-125"},
    {"-10 ^ 2", "F-100"},  // ^ binds before the unary minus
    {"2 ^ -1", "F0.5"},
    {"11 \\ 4", "L2"},
    {"100 \\ 3", "L33"},
    {"7.5 \\ 2", "L4"},  // operands rounded half to even first: 8 \ 2
    {"10 Mod 3", "L1"},
    {"12 Mod 4.3", "L0"},  // 12 Mod 4
    {"12.6 Mod 5", "L3"},  // 13 Mod 5
    {"-7 Mod 3", "L-1"},   // the sign of the dividend
    {"'1.025' - 25", "F1000"},  // a text operand is read by CDbl's regional rules
    {"'12,5' * 2", "F25"},
    {"'1.025' + 12", "F1037"},  // a numeric text plus a number adds
    {"' &h1A ' + 11", "F37"},
    {"'ab' + 'cd'", "'abcd'"},  // two texts are joined
    {"'ab' + Null", "Null"},
    {"Null - 1", "Null"},
    {"-'5'", "F-5"},
    {"7 / 2", "F3.5"},
    {"#01/02/2003# + #07:00:00#", "D2003-01-02 07:00:00"},  // a date plus a time of day
    {"#01/02/2003# + 1.5", "D2003-01-03 12:00:00"},
    {"#01/02/2003# - 1", "D2003-01-01 00:00:00"},
    {"#01/03/2003# - #01/02/2003#", "F1"},
    {"#01/02/2003# * 2", "F75246"},  // a date times a number is the serial's product
};

// Operators on the sample table's columns, where the operand types come from the schema.
struct RowCase {
    const char* sql;
    const char* rows;
};
std::ostream& operator<<(std::ostream& os, const RowCase& c) { return os << c.sql; }
class OnRows : public ::testing::TestWithParam<RowCase> {};
TEST_P(OnRows, GivesTheRows) {
    testing::TempDatabase db;
    auto s = db.create(testing::sampleScripts());
    EXPECT_EQ(testing::render(s->execute(GetParam().sql).rows), GetParam().rows)
        << s->translate(GetParam().sql).native;
}
std::string rowCaseName(const ::testing::TestParamInfo<RowCase>& info) {
    return "case" + std::to_string(info.index);
}

const RowCase kRowCases[] = {
    {"SELECT Codigo FROM Pessoas WHERE Codigo BETWEEN 3 AND 1 ORDER BY Codigo", "L1;L2;L3"},
    {"SELECT Codigo FROM Pessoas WHERE Codigo NOT BETWEEN 3 AND 2 ORDER BY Codigo", "L1;L4"},
    {"SELECT Numero FROM Pedidos WHERE Data BETWEEN '31/05/2024' AND '15/05/2024' ORDER BY Numero", "L1;L3"},
    {"SELECT Codigo FROM Pessoas WHERE Nome BETWEEN 'n' AND 'A' ORDER BY Codigo", "L1;L2;L3"},
    {"SELECT Codigo FROM Pessoas WHERE Codigo BETWEEN Filhos + 2 AND Nivel ORDER BY Codigo", "L1;L2;L3"},
    {"SELECT Nascimento + Filhos AS D, Saldo * 2 AS C, Peso - Saldo AS F FROM Pessoas WHERE Codigo = 1",
     "D1980-05-17 00:00:00|C25|F57.75"},
    // 15/05/1980 is serial 29356: a number minus a date is the date of that number minus the serial.
    {"SELECT Nascimento - Filhos AS D, 29360 - Nascimento AS N FROM Pessoas WHERE Codigo = 1",
     "D1980-05-13 00:00:00|D1900-01-03 00:00:00"},
    {"SELECT InStr(Nome, 'SILVA') AS P, InStr(1, Nome, 'SILVA', 0) AS B FROM Pessoas WHERE Codigo = 1", "L6|L0"},
    {"SELECT Year(Nascimento) AS Y, Weekday(Nascimento) AS W, DateDiff('yyyy', Nascimento, #05/15/2024#) AS A FROM Pessoas WHERE Codigo = 1",
     "I1980|I5|L44"},
    {"SELECT Choose(Filhos, 'um', 'dois') AS C FROM Pessoas WHERE Filhos Is Not Null ORDER BY Codigo", "'dois';Null;'um'"},
    {"SELECT Choose(Nivel, 'um', 3) AS C FROM Pessoas WHERE Codigo IN (1, 3) ORDER BY Codigo", "'um';'3'"},
    {"SELECT Round(Saldo, 2) AS R, Abs(-Saldo) AS A FROM Pessoas WHERE Codigo = 3", "C1234.57|C1234.5678"},
    {"SELECT Replace(Nome, 'SILVA', 'Souza') AS R FROM Pessoas WHERE Codigo = 1", "'João Souza'"},
};

const ValueCase kText[] = {
    // Microsoft's InStr example, "XXpXXpXXPXXP": in SQL the default compare is text, so the
    // two-argument form finds the "p" at 3 where VBA's binary default gives 9.
    {"InStr(4, 'XXpXXpXXPXXP', 'P', 1)", "L6"},
    {"InStr(1, 'XXpXXpXXPXXP', 'P', 0)", "L9"},
    {"InStr('XXpXXpXXPXXP', 'P')", "L3"},
    {"InStr(1, 'XXpXXpXXPXXP', 'W')", "L0"},
    {"InStr('Ação', 'ÇÃ')", "L2"},  // case ignored, accented capitals too
    {"InStr('Acao', 'ção')", "L0"},  // accents kept
    {"InStr(5, 'abc', 'a')", "L0"},
    {"InStr(2, 'abc', '')", "L2"},
    {"InStr('', 'a')", "L0"},
    {"InStr(Null, 'a')", "Null"},
    {"InStrRev('XXpXXpXXPXXP', 'p')", "L12"},
    {"InStrRev('XXpXXpXXPXXP', 'p', 10, 0)", "L6"},
    {"InStrRev('abc', 'c', 5)", "L0"},
    // Microsoft's Replace examples give "XXYXXPXXY" and "YXXPXXY" under VBA's binary default.
    {"Replace('XXpXXPXXp', 'p', 'Y')", "'XXYXXYXXY'"},
    {"Replace('XXpXXPXXp', 'p', 'Y', 1, -1, 0)", "'XXYXXPXXY'"},
    {"Replace('XXpXXPXXp', 'p', 'Y', 3, -1)", "'YXXYXXY'"},
    {"Replace('XXpXXPXXp', 'p', 'Y', 1, 2)", "'XXYXXYXXp'"},
    {"Replace('aaa', '', 'b')", "'aaa'"},
    {"Replace('D''Ávila', '''', '''''')", "'D''Ávila'"},
    // Microsoft's StrComp examples: text compare 0, binary -1, and 1 for "abcd" against
    // "ABCD" under VBA's binary default; in SQL the default is text, so 0.
    {"StrComp('ABCD', 'abcd', 1)", "I0"},
    {"StrComp('ABCD', 'abcd', 0)", "I-1"},
    {"StrComp('abcd', 'ABCD')", "I0"},
    {"StrComp('ana', 'Ângela')", "I-1"},
    {"StrComp('b', Null)", "Null"},
    {"Space(3) & '|'", "'   |'"},
    {"String(5, '*')", "'*****'"},
    {"String(5, 42)", "'*****'"},
    {"String(10, 'ABC')", "'AAAAAAAAAA'"},
    {"String(2, 'ção')", "'çç'"},
    {"StrReverse('Ação 1')", "'1 oãçA'"},
    {"Asc('A')", "I65"},
    {"Asc('a')", "I97"},
    {"Asc('Apple')", "I65"},
    {"Asc('ã')", "I227"},  // the regional ANSI code page
    {"Asc('€')", "I128"},
    {"Chr(65)", "'A'"},
    {"Chr(62)", "'>'"},
    {"Chr(231)", "'ç'"},
    {"Chr(128)", "'€'"},
    {"Hex(5)", "'5'"},
    {"Hex(10)", "'A'"},
    {"Hex(459)", "'1CB'"},
    {"Hex(-1)", "'FFFFFFFF'"},  // a whole literal is a Long in SQL
    {"Hex(Null)", "Null"},
    {"Oct(4)", "'4'"},
    {"Oct(8)", "'10'"},
    {"Oct(459)", "'713'"},
    {"Len('João')", "L4"},
    {"LCase('ÁGUA') & UCase('ção')", "'águaÇÃO'"},
};

const ValueCase kMath[] = {
    {"Abs(-50.3)", "F50.3"},
    {"Abs(-3)", "L3"},
    {"Sgn(12)", "I1"},
    {"Sgn(-2.4)", "I-1"},
    {"Sgn(0)", "I0"},
    {"Int(99.8)", "F99"},
    {"Int(-99.8)", "F-100"},
    {"Fix(-99.8)", "F-99"},
    {"Int(-99.2)", "F-100"},
    {"Round(2.5)", "F2"},  // halves to even
    {"Round(3.5)", "F4"},
    {"Round(0.125, 2)", "F0.12"},
    {"Round(-2.5)", "F-2"},
    {"Round(12.3456, 3)", "F12.346"},
    {"Round(7)", "L7"},
    {"Round('2,5')", "F2"},
    {"Round(Null)", "Null"},
    {"Sqr(4)", "F2"},
    {"Sqr(23)", "F4.79583152331272"},
    {"Sqr(0)", "F0"},
    {"Exp(0)", "F1"},
    {"Log(Exp(2))", "F2"},
    {"Atn(1) * 4", "F3.14159265358979"},
    {"Sin(0)", "F0"},
    {"Cos(0)", "F1"},
    {"Tan(0)", "F0"},
    {"Rnd(-1) = Rnd(-1)", "True"},  // a negative argument repeats its number
    {"Rnd() >= 0 AND Rnd() < 1", "True"},
};

const ValueCase kConversions[] = {
    {"CVar(12)", "L12"},
    {"CVar('12')", "'12'"},
    {"Str(459)", "' 459'"},
    {"Str(-459.65)", "'-459.65'"},
    {"Str(459.001)", "' 459.001'"},
    {"Str(0.5)", "' .5'"},
    {"Str(Null)", "Null"},
    {"IsNumeric('459,15')", "True"},
    {"IsNumeric('1.234,5')", "True"},
    {"IsNumeric('45 Help')", "False"},
    {"IsNumeric(Null)", "False"},
    {"IsNumeric(#05/15/2024#)", "False"},
    {"IsDate('12/02/1969')", "True"},
    {"IsDate('31/02/2024')", "False"},
    {"IsDate('Hello')", "False"},
    {"IsDate(#05/15/2024#)", "True"},
    {"IsDate(45427)", "False"},
    {"IsEmpty(Null)", "False"},
    {"IsEmpty('')", "False"},
    {"CDbl('1.234,56')", "F1234.56"},
    {"CLng(2.5) + CInt(3.5)", "L6"},
    {"CCur('R$ 1.234,5')", "C1234.5"},
    {"CBool('True')", "True"},
    {"CDate('15/05/2024 10:30')", "D2024-05-15 10:30:00"},
    {"Val('  2 3 4')", "F234"},
};

const ValueCase kDates[] = {
    {"Year('15/05/2024')", "I2024"},  // a text argument is read as a regional date
    {"Month('15/05/2024')", "I5"},
    {"Day('05/06/2024')", "I5"},
    {"Hour('15/05/2024 10:30:15')", "I10"},
    {"Minute('15/05/2024 10:30:15')", "I30"},
    {"Second('15/05/2024 10:30:15')", "I15"},
    {"Year(Null)", "Null"},
    // Microsoft's DateAdd example: one month after 31 January is the last day of February.
    {"DateAdd('m', 1, '31/01/1995')", "D1995-02-28 00:00:00"},
    {"DateAdd('m', 1, #01/31/2024#)", "D2024-02-29 00:00:00"},
    {"DateAdd('yyyy', -1, #02/29/2024#)", "D2023-02-28 00:00:00"},
    {"DateAdd('q', 1, '15/11/2024')", "D2025-02-15 00:00:00"},
    {"DateAdd('d', 10, '25/12/2024')", "D2025-01-04 00:00:00"},
    {"DateAdd('ww', 2, '15/05/2024')", "D2024-05-29 00:00:00"},
    {"DateAdd('h', 25, '15/05/2024 10:00')", "D2024-05-16 11:00:00"},
    {"DateAdd('n', -90, '15/05/2024')", "D2024-05-14 22:30:00"},
    {"DateAdd('s', 30, #05/15/2024 23:59:45#)", "D2024-05-16 00:00:15"},
    {"DateAdd('D', 1, Null)", "Null"},
    {"DateDiff('d', '15/05/2024 23:59', '16/05/2024 00:01')", "L1"},  // midnights crossed
    {"DateDiff('d', #05/16/2024#, #05/15/2024#)", "L-1"},
    {"DateDiff('yyyy', '31/12/2023', '01/01/2024')", "L1"},
    {"DateDiff('m', '31/01/2024', '01/03/2024')", "L2"},
    {"DateDiff('q', '31/03/2024', '01/04/2024')", "L1"},
    {"DateDiff('h', '15/05/2024 10:59', '15/05/2024 11:01')", "L1"},
    {"DateDiff('n', '15/05/2024 10:00', '15/05/2024 12:30')", "L150"},
    {"DateDiff('s', '15/05/2024 10:00', '15/05/2024 10:01')", "L60"},
    {"DateDiff('w', '15/05/2024', '28/05/2024')", "L1"},  // whole weeks
    {"DateDiff('ww', '18/05/2024', '19/05/2024')", "L1"},  // Sundays crossed
    {"DateDiff('ww', '18/05/2024', '19/05/2024', 2)", "L0"},  // Mondays crossed
    {"DateDiff('d', Null, '01/01/2024')", "Null"},
    {"DatePart('yyyy', '12/02/1969')", "I1969"},
    {"DatePart('q', '12/02/1969')", "I1"},
    {"DatePart('y', '01/03/2024')", "I61"},
    {"DatePart('w', '15/05/2024')", "I4"},  // a Wednesday, the week from Sunday
    {"DatePart('w', '15/05/2024', 2)", "I3"},  // the week from Monday
    {"DatePart('ww', '15/05/2024')", "I20"},
    {"DatePart('ww', '01/01/2021', 2, 2)", "I53"},  // a Friday: last week of 2020 by four days
    {"DatePart('ww', '04/01/2021', 2, 2)", "I1"},
    {"DatePart('ww', '03/01/2021', 1, 3)", "I1"},  // first full week from Sunday 3 January
    {"DatePart('ww', '02/01/2021', 1, 3)", "I52"},
    {"DatePart('h', #05/15/2024 18:20:00#)", "I18"},
    // Microsoft's Weekday example: 12 February 1969 was a Wednesday.
    {"Weekday(#2/12/1969#)", "I4"},
    {"Weekday('12/02/1969', 4)", "I1"},
    {"Weekday(Null)", "Null"},
    {"WeekdayName(4)", "'quarta-feira'"},
    {"WeekdayName(7, True)", "'sáb'"},
    {"WeekdayName(1, False, 2)", "'segunda-feira'"},
    {"MonthName(5)", "'maio'"},
    {"MonthName(12, True)", "'dez'"},
    // Microsoft's DateSerial examples: 12 February 1969, and a date of parts worked out.
    {"DateSerial(1969, 2, 12)", "D1969-02-12 00:00:00"},
    {"DateSerial(1990 - 10, 8 - 2, 1 - 1)", "D1980-05-31 00:00:00"},
    {"DateSerial(2024, 13, 1)", "D2025-01-01 00:00:00"},
    {"DateSerial(2024, 3, 0)", "D2024-02-29 00:00:00"},
    // The documentation puts years 0..99 in 1900..1999; the reference's two-digit rule holds.
    {"DateSerial(24, 5, 15)", "D2024-05-15 00:00:00"},
    {"DateSerial(69, 2, 12)", "D1969-02-12 00:00:00"},
    // Microsoft's TimeSerial examples.
    {"TimeSerial(16, 35, 17)", "D1899-12-30 16:35:17"},
    {"TimeSerial(12 - 6, -15, 0)", "D1899-12-30 05:45:00"},
    {"TimeSerial(25, 0, 0)", "D1899-12-31 01:00:00"},
    {"DateValue('12/02/1969 16:35')", "D1969-02-12 00:00:00"},
    {"TimeValue('4:35:17 PM')", "D1899-12-30 16:35:17"},
    {"TimeValue('12/02/1969 16:35:17')", "D1899-12-30 16:35:17"},
};

const ValueCase kFormats[] = {
    {"FormatNumber(1234.567)", "'1.234,57'"},
    {"FormatNumber(1234.567, 1)", "'1.234,6'"},
    {"FormatNumber(-1234.5, 2, -1, -1)", "'(1.234,50)'"},
    {"FormatNumber(0.5, 2, 0)", "',50'"},
    {"FormatNumber(1234.5, 0, -2, -2, 0)", "'1235'"},
    {"FormatNumber('1.234,5')", "'1.234,50'"},
    {"FormatCurrency(1234.5)", "'R$ 1.234,50'"},
    {"FormatCurrency(-2)", "'-R$ 2,00'"},
    {"FormatPercent(0.1234)", "'12,34%'"},
    {"FormatPercent(1, 0)", "'100%'"},
    {"FormatDateTime(#2/12/1969#)", "'12/02/1969'"},
    {"FormatDateTime(#2/12/1969 16:35:17#)", "'12/02/1969 16:35:17'"},
    {"FormatDateTime(#2/12/1969#, 1)", "'quarta-feira, 12 de fevereiro de 1969'"},
    {"FormatDateTime(#2/12/1969 16:35:17#, 2)", "'12/02/1969'"},
    {"FormatDateTime(#2/12/1969 16:35:17#, 3)", "'16:35:17'"},
    {"FormatDateTime(#2/12/1969 16:35:17#, 4)", "'16:35'"},
    {"Format(1234.5, 'Currency')", "'R$ 1.234,50'"},
    // Microsoft's Choose example picks "Speedy", "United" or "Federal" by the index.
    {"Choose(3, 'Speedy', 'United', 'Federal')", "'Federal'"},
    {"Choose(1, 'Speedy', 'United', 'Federal')", "'Speedy'"},
    {"Choose(4, 'Speedy', 'United', 'Federal')", "Null"},
    {"Choose(0, 'Speedy', 'United')", "Null"},
    {"Choose(1.6, 'a', 'b')", "'b'"},  // an index that is not whole is rounded
    {"Choose(2, 10, 2.5)", "F2.5"},
    {"IIf(1 > 2, 'a', 'b') & Switch(False, 1, True, 2)", "'b2'"},
    {"Nz(Null, 5)", "L5"},
};

INSTANTIATE_TEST_SUITE_P(Operators, Family, ::testing::ValuesIn(kOperators), caseName);
INSTANTIATE_TEST_SUITE_P(Text, Family, ::testing::ValuesIn(kText), caseName);
INSTANTIATE_TEST_SUITE_P(Math, Family, ::testing::ValuesIn(kMath), caseName);
INSTANTIATE_TEST_SUITE_P(Conversions, Family, ::testing::ValuesIn(kConversions), caseName);
INSTANTIATE_TEST_SUITE_P(Dates, Family, ::testing::ValuesIn(kDates), caseName);
INSTANTIATE_TEST_SUITE_P(Formats, Family, ::testing::ValuesIn(kFormats), caseName);
INSTANTIATE_TEST_SUITE_P(Columns, OnRows, ::testing::ValuesIn(kRowCases), rowCaseName);

// Errors are raised by the statement as a whole, with VB's numbers.
struct ErrorCase {
    const char* expr;
    std::int32_t number;
};
std::ostream& operator<<(std::ostream& os, const ErrorCase& c) { return os << c.expr; }
class Fails : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(Fails, WithVbsNumber) {
    testing::TempDatabase db;
    auto s = db.create(testing::sampleScripts());
    const auto raised = testing::errorOf(*s, std::string("SELECT ") + GetParam().expr + " AS X");
    EXPECT_EQ(raised.number, GetParam().number) << raised.description;
}

std::string errorName(const ::testing::TestParamInfo<ErrorCase>& info) {
    return "case" + std::to_string(info.index);
}

const ErrorCase kErrors[] = {
    {"1 / 0", 11},
    {"0 / 0", 11},
    {"5 \\ 0", 11},
    {"5 Mod 0", 11},
    {"5 \\ 0.4", 11},  // the divisor rounds to 0
    {"12 - 'foo'", 13},
    {"'abc' * 2", 13},
    {"'1,2,3' + 1", 13},
    {"(-8) ^ 0.5", 5},
    {"Sqr(-4)", 5},
    {"Log(0)", 5},
    {"Exp(1000)", 6},
    {"Chr(256)", 5},
    {"Asc('')", 5},
    {"Chr(Null)", 94},
    {"Space(Null)", 94},
    {"InStr(Null, 'abc', 'a')", 94},
    {"InStr(0, 'abc', 'a')", 5},
    {"Replace(Null, 'a', 'b')", 94},
    {"StrReverse(Null)", 94},
    {"Round(2.5, -1)", 5},
    {"DateAdd('x', 1, #01/01/2024#)", 5},
    {"DateAdd('d', Null, #01/01/2024#)", 94},
    {"DateAdd('yyyy', 9000, #01/01/2024#)", 5},
    {"DatePart('w', #01/01/2024#, 8)", 5},
    {"DateSerial(Null, 1, 1)", 94},
    {"DateValue('abc')", 13},
    {"DateValue(Null)", 94},
    {"Year('abc')", 13},
    {"WeekdayName(8)", 5},
    {"MonthName(0)", 5},
    {"FormatNumber(Null)", 94},
    {"Choose(Null, 1, 2)", 94},
    {"String(-1, 'a')", 5},
};

INSTANTIATE_TEST_SUITE_P(Statement, Fails, ::testing::ValuesIn(kErrors), errorName);

// A division by zero anywhere in the rows fails the statement with VB's text.
TEST(DivisionByZero, FailsTheWholeStatementWithItsText) {
    testing::TempDatabase db;
    auto s = db.create(testing::sampleScripts());
    const auto raised = testing::errorOf(*s, "SELECT Codigo / Filhos AS X FROM Pessoas");
    EXPECT_EQ(raised.number, 11);
    EXPECT_NE(raised.description.find("Division by zero"), std::string::npos) << raised.description;
}

// A call with too many or too few arguments is refused when the statement is read.
TEST(FunctionArguments, WrongCountsAreRefusedBeforeRunning) {
    testing::TempDatabase db;
    auto s = db.create(testing::sampleScripts());
    for (const char* expr : {"InStr('a')", "InStr(1, 'a', 'b', 1, 0)", "DateAdd('d', 1)", "Choose(1)",
                             "Replace('a', 'b')", "Rnd(1, 2)", "FormatDateTime()"}) {
        EXPECT_EQ(testing::errorOf(*s, std::string("SELECT ") + expr + " AS X").number,
                  platform::err::DbErrorsInCommand)
            << expr;
    }
}

}  // namespace
}  // namespace zolk::jet
