// The VBA functions and operators in SQL, family by family: each row's expressions run as one
// "SELECT a, b, ..." and come back with their values and Variant subtypes (testing::render:
// L Long, I Integer, F Double, C Currency, D Date, 'text', True/False, Null). Most are the
// examples of Microsoft's documentation of each function, written with the regional settings
// (day-first dates, decimal comma in texts). Where the documentation and our reference
// disagree, the reference holds and the row says so.
#include <gtest/gtest.h>

#include "jet/tests/jet_test_support.h"

namespace zolk::jet {
namespace {

struct ValueCase {
    const char* exprs;
    const char* values;  // testing::render of the one row
};

void expectValues(std::initializer_list<ValueCase> cases) {
    testing::TempDatabase db;
    auto s = db.create(testing::sampleScripts());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.exprs);
        const std::string sql = std::string(c.exprs).rfind("SELECT", 0) == 0 ? c.exprs : std::string("SELECT ") + c.exprs;
        EXPECT_EQ(testing::render(s->execute(sql).rows), c.values) << s->translate(sql).native;
    }
}

TEST(Functions, Operators) {
    expectValues({
        {"3 ^ 3 ^ 3, -10 ^ 2, (-5) ^ 3, 2 ^ -1", "F19683|F-100|F-125|F0.5"},  // left to right; ^ before unary minus
        {"11 \\ 4, 7.5 \\ 2, 12 Mod 4.3, 12.6 Mod 5, -7 Mod 3", "L2|L4|L0|L3|L-1"},  // operands rounded half to even first
        // A text operand is read by CDbl's regional rules; two texts are joined.
        {"'1.025' - 25, '12,5' * 2, '1.025' + 12, ' &h1A ' + 11, 'ab' + 'cd', -'5'", "F1000|F25|F1037|F37|'abcd'|F-5"},
        {"'ab' + Null, Null - 1, 7 / 2", "Null|Null|F3.5"},
        {"SELECT Valor / 100 * 10 FROM Pedidos WHERE Numero = 2", "F25.05"},  // VB's division, then SQL's product
        {"#01/02/2003# + #07:00:00#, #01/02/2003# + 1.5, #01/02/2003# - 1, #01/03/2003# - #01/02/2003#, #01/02/2003# * 2",
         "D2003-01-02 07:00:00|D2003-01-03 12:00:00|D2003-01-01 00:00:00|F1|F75246"},
        // On columns the operand types come from the schema; bounds of BETWEEN in either order.
        {"SELECT Codigo FROM Pessoas WHERE Codigo BETWEEN 3 AND 1 ORDER BY Codigo", "L1;L2;L3"},
        {"SELECT Codigo FROM Pessoas WHERE Codigo NOT BETWEEN 3 AND 2 ORDER BY Codigo", "L1;L4"},
        {"SELECT Numero FROM Pedidos WHERE Data BETWEEN '31/05/2024' AND '15/05/2024' ORDER BY Numero", "L1;L3"},
        {"SELECT Codigo FROM Pessoas WHERE Nome BETWEEN 'n' AND 'A' ORDER BY Codigo", "L1;L2;L3"},
        {"SELECT Codigo FROM Pessoas WHERE Codigo BETWEEN Filhos + 2 AND Nivel ORDER BY Codigo", "L1;L2;L3"},
        // 15/05/1980 is serial 29356: a number minus a date is the date of that number minus the serial.
        {"SELECT Nascimento + Filhos, Saldo * 2, Peso - Saldo, Nascimento - Filhos, 29360 - Nascimento FROM Pessoas WHERE Codigo = 1",
         "D1980-05-17 00:00:00|C25|F57.75|D1980-05-13 00:00:00|D1900-01-03 00:00:00"},
        {"SELECT InStr(Nome, 'SILVA'), InStr(1, Nome, 'SILVA', 0), Year(Nascimento), Weekday(Nascimento), DateDiff('yyyy', Nascimento, "
         "#05/15/2024#), Replace(Nome, 'SILVA', 'Souza') FROM Pessoas WHERE Codigo = 1", "L6|L0|I1980|I5|L44|'João Souza'"},
        {"SELECT Round(Saldo, 2), Abs(-Saldo) FROM Pessoas WHERE Codigo = 3", "C1234.57|C1234.5678"},
        {"SELECT Choose(Filhos, 'um', 'dois') FROM Pessoas WHERE Filhos Is Not Null ORDER BY Codigo", "'dois';Null;'um'"},
        {"SELECT Choose(Nivel, 'um', 3) FROM Pessoas WHERE Codigo IN (1, 3) ORDER BY Codigo", "'um';'3'"},
    });
}

TEST(Functions, Text) {
    expectValues({
        // Microsoft's InStr example: in SQL the default compare is text, so the two-argument
        // form finds the "p" at 3 where VBA's binary default gives 9.
        {"InStr(4, 'XXpXXpXXPXXP', 'P', 1), InStr(1, 'XXpXXpXXPXXP', 'P', 0), InStr('XXpXXpXXPXXP', 'P'), InStr(1, 'XXpXXpXXPXXP', 'W')",
         "L6|L9|L3|L0"},
        {"InStr('Ação', 'ÇÃ'), InStr('Acao', 'ção'), InStr(5, 'abc', 'a'), InStr(2, 'abc', ''), InStr('', 'a'), InStr(Null, 'a')",
         "L2|L0|L0|L2|L0|Null"},  // case ignored, accented capitals too; accents kept
        {"InStrRev('XXpXXpXXPXXP', 'p'), InStrRev('XXpXXpXXPXXP', 'p', 10, 0), InStrRev('abc', 'c', 5)", "L12|L6|L0"},
        // Microsoft's Replace examples give "XXYXXPXXY" and "YXXPXXY" under VBA's binary default.
        {"Replace('XXpXXPXXp', 'p', 'Y'), Replace('XXpXXPXXp', 'p', 'Y', 1, -1, 0), Replace('XXpXXPXXp', 'p', 'Y', 3, -1), "
         "Replace('XXpXXPXXp', 'p', 'Y', 1, 2), Replace('aaa', '', 'b'), Replace('D''Ávila', '''', '''''')",
         "'XXYXXYXXY'|'XXYXXPXXY'|'YXXYXXY'|'XXYXXYXXp'|'aaa'|'D''Ávila'"},
        // Microsoft's StrComp examples: "abcd" against "ABCD" is 1 under VBA's binary default, 0 in SQL.
        {"StrComp('ABCD', 'abcd', 1), StrComp('ABCD', 'abcd', 0), StrComp('abcd', 'ABCD'), StrComp('ana', 'Ângela'), StrComp('b', Null)",
         "I0|I-1|I0|I-1|Null"},
        {"Space(3) & '|', String(5, '*'), String(5, 42), String(10, 'ABC'), String(2, 'ção'), StrReverse('Ação 1')",
         "'   |'|'*****'|'*****'|'AAAAAAAAAA'|'çç'|'1 oãçA'"},
        {"Asc('Apple'), Asc('ã'), Asc('€'), Chr(62), Chr(231), Chr(128)", "I65|I227|I128|'>'|'ç'|'€'"},  // the regional ANSI code page
        // A whole literal is a Long in SQL: 32 bits of hexadecimal.
        {"Hex(459), Hex(-1), Hex(Null), Oct(8), Oct(459), Len('João'), LCase('ÁGUA') & UCase('ção')",
         "'1CB'|'FFFFFFFF'|Null|'10'|'713'|L4|'águaÇÃO'"},
    });
}

TEST(Functions, MathAndConversions) {
    expectValues({
        {"Abs(-50.3), Abs(-3), Sgn(12), Sgn(-2.4), Sgn(0), Int(99.8), Int(-99.8), Fix(-99.8)", "F50.3|L3|I1|I-1|I0|F99|F-100|F-99"},
        {"Round(2.5), Round(3.5), Round(0.125, 2), Round(-2.5), Round(12.3456, 3), Round(7), Round('2,5'), Round(Null)",
         "F2|F4|F0.12|F-2|F12.346|L7|F2|Null"},  // halves to even
        {"Sqr(23), Exp(0), Log(Exp(2)), Atn(1) * 4, Sin(0), Cos(0), Tan(0)", "F4.79583152331272|F1|F2|F3.14159265358979|F0|F1|F0"},
        {"Rnd(-1) = Rnd(-1), Rnd() >= 0 AND Rnd() < 1", "True|True"},  // a negative argument repeats its number
        {"CVar(12), CVar('12'), Str(459), Str(-459.65), Str(0.5), Str(Null)", "L12|'12'|' 459'|'-459.65'|' .5'|Null"},
        {"IsNumeric('459,15'), IsNumeric('1.234,5'), IsNumeric('45 Help'), IsNumeric(Null), IsNumeric(#05/15/2024#)",
         "True|True|False|False|False"},
        {"IsDate('12/02/1969'), IsDate('31/02/2024'), IsDate('Hello'), IsDate(#05/15/2024#), IsDate(45427), IsEmpty(Null), IsEmpty('')",
         "True|False|False|True|False|False|False"},
        {"CDbl('1.234,56'), CLng(2.5) + CInt(3.5), CCur('R$ 1.234,5'), CBool('True'), CDate('15/05/2024 10:30'), Val('  2 3 4')",
         "F1234.56|L6|C1234.5|True|D2024-05-15 10:30:00|F234"},
    });
}

TEST(Functions, Dates) {
    expectValues({
        // A text argument is read as a regional date.
        {"Year('15/05/2024'), Month('15/05/2024'), Day('05/06/2024'), Hour('15/05/2024 10:30:15'), Minute('15/05/2024 10:30:15'), "
         "Second('15/05/2024 10:30:15'), Year(Null)", "I2024|I5|I5|I10|I30|I15|Null"},
        // Microsoft's DateAdd example: one month after 31 January is the last day of February.
        {"DateAdd('m', 1, '31/01/1995'), DateAdd('m', 1, #01/31/2024#), DateAdd('yyyy', -1, #02/29/2024#), DateAdd('q', 1, '15/11/2024')",
         "D1995-02-28 00:00:00|D2024-02-29 00:00:00|D2023-02-28 00:00:00|D2025-02-15 00:00:00"},
        {"DateAdd('d', 10, '25/12/2024'), DateAdd('ww', 2, '15/05/2024'), DateAdd('h', 25, '15/05/2024 10:00'), "
         "DateAdd('n', -90, '15/05/2024'), DateAdd('s', 30, #05/15/2024 23:59:45#), DateAdd('D', 1, Null)",
         "D2025-01-04 00:00:00|D2024-05-29 00:00:00|D2024-05-16 11:00:00|D2024-05-14 22:30:00|D2024-05-16 00:00:15|Null"},
        // Boundaries crossed: midnights, years, months, quarters, hours; whole weeks; Sundays or Mondays.
        {"DateDiff('d', '15/05/2024 23:59', '16/05/2024 00:01'), DateDiff('d', #05/16/2024#, #05/15/2024#), DateDiff('yyyy', "
         "'31/12/2023', '01/01/2024'), DateDiff('m', '31/01/2024', '01/03/2024'), DateDiff('q', '31/03/2024', '01/04/2024')",
         "L1|L-1|L1|L2|L1"},
        {"DateDiff('h', '15/05/2024 10:59', '15/05/2024 11:01'), DateDiff('n', '15/05/2024 10:00', '15/05/2024 12:30'), "
         "DateDiff('s', '15/05/2024 10:00', '15/05/2024 10:01'), DateDiff('w', '15/05/2024', '28/05/2024'), "
         "DateDiff('ww', '18/05/2024', '19/05/2024'), DateDiff('ww', '18/05/2024', '19/05/2024', 2), DateDiff('d', Null, '01/01/2024')",
         "L1|L150|L60|L1|L1|L0|Null"},
        {"DatePart('yyyy', '12/02/1969'), DatePart('q', '12/02/1969'), DatePart('y', '01/03/2024'), DatePart('w', '15/05/2024'), "
         "DatePart('w', '15/05/2024', 2), DatePart('ww', '15/05/2024'), DatePart('h', #05/15/2024 18:20:00#)",
         "I1969|I1|I61|I4|I3|I20|I18"},
        // Friday 1 January 2021 is in the last week of 2020 by four days; the first full week starts Sunday 3 January.
        {"DatePart('ww', '01/01/2021', 2, 2), DatePart('ww', '04/01/2021', 2, 2), DatePart('ww', '03/01/2021', 1, 3), "
         "DatePart('ww', '02/01/2021', 1, 3)", "I53|I1|I1|I52"},
        // Microsoft's Weekday example: 12 February 1969 was a Wednesday.
        {"Weekday(#2/12/1969#), Weekday('12/02/1969', 4), Weekday(Null), WeekdayName(4), WeekdayName(7, True), "
         "WeekdayName(1, False, 2), MonthName(5), MonthName(12, True)",
         "I4|I1|Null|'quarta-feira'|'sáb'|'segunda-feira'|'maio'|'dez'"},
        // Microsoft's DateSerial examples; the documentation puts years 0..99 in 1900..1999, the
        // reference's two-digit rule holds.
        {"DateSerial(1969, 2, 12), DateSerial(1990 - 10, 8 - 2, 1 - 1), DateSerial(2024, 13, 1), DateSerial(2024, 3, 0), "
         "DateSerial(24, 5, 15), DateSerial(69, 2, 12)",
         "D1969-02-12 00:00:00|D1980-05-31 00:00:00|D2025-01-01 00:00:00|D2024-02-29 00:00:00|D2024-05-15 00:00:00|D1969-02-12 00:00:00"},
        {"TimeSerial(16, 35, 17), TimeSerial(12 - 6, -15, 0), TimeSerial(25, 0, 0), DateValue('12/02/1969 16:35'), "
         "TimeValue('4:35:17 PM'), TimeValue('12/02/1969 16:35:17')",
         "D1899-12-30 16:35:17|D1899-12-30 05:45:00|D1899-12-31 01:00:00|D1969-02-12 00:00:00|D1899-12-30 16:35:17|D1899-12-30 16:35:17"},
    });
}

TEST(Functions, FormatsAndChoices) {
    expectValues({
        {"FormatNumber(1234.567), FormatNumber(1234.567, 1), FormatNumber(-1234.5, 2, -1, -1), FormatNumber(0.5, 2, 0), "
         "FormatNumber(1234.5, 0, -2, -2, 0), FormatNumber('1.234,5')",
         "'1.234,57'|'1.234,6'|'(1.234,50)'|',50'|'1235'|'1.234,50'"},
        {"FormatCurrency(1234.5), FormatCurrency(-2), FormatPercent(0.1234), FormatPercent(1, 0), Format(1234.5, 'Currency')",
         "'R$ 1.234,50'|'-R$ 2,00'|'12,34%'|'100%'|'R$ 1.234,50'"},
        {"FormatDateTime(#2/12/1969#), FormatDateTime(#2/12/1969 16:35:17#), FormatDateTime(#2/12/1969#, 1), "
         "FormatDateTime(#2/12/1969 16:35:17#, 2), FormatDateTime(#2/12/1969 16:35:17#, 3), FormatDateTime(#2/12/1969 16:35:17#, 4)",
         "'12/02/1969'|'12/02/1969 16:35:17'|'quarta-feira, 12 de fevereiro de 1969'|'12/02/1969'|'16:35:17'|'16:35'"},
        // Microsoft's Choose example; an index that is not whole is rounded.
        {"Choose(3, 'Speedy', 'United', 'Federal'), Choose(4, 'Speedy', 'United', 'Federal'), Choose(0, 'Speedy', 'United'), "
         "Choose(1.6, 'a', 'b'), Choose(2, 10, 2.5), IIf(1 > 2, 'a', 'b') & Switch(False, 1, True, 2), Nz(Null, 5)",
         "'Federal'|Null|Null|'b'|F2.5|'b2'|L5"},
    });
}

// Errors are raised by the statement as a whole, with VB's numbers; a call with too many or
// too few arguments is refused when the statement is read.
TEST(Functions, Errors) {
    testing::TempDatabase db;
    auto s = db.create(testing::sampleScripts());
    const struct {
        const char* expr;
        std::int32_t number;
    } cases[] = {
        {"1 / 0", 11}, {"5 \\ 0", 11}, {"5 Mod 0", 11}, {"5 \\ 0.4", 11}, {"12 - 'foo'", 13}, {"'1,2,3' + 1", 13},
        {"(-8) ^ 0.5", 5}, {"Sqr(-4)", 5}, {"Log(0)", 5}, {"Exp(1000)", 6}, {"Chr(256)", 5}, {"Asc('')", 5},
        {"Chr(Null)", 94}, {"InStr(Null, 'abc', 'a')", 94}, {"InStr(0, 'abc', 'a')", 5}, {"Replace(Null, 'a', 'b')", 94},
        {"Round(2.5, -1)", 5}, {"DateAdd('x', 1, #01/01/2024#)", 5}, {"DateAdd('d', Null, #01/01/2024#)", 94},
        {"DateAdd('yyyy', 9000, #01/01/2024#)", 5}, {"DatePart('w', #01/01/2024#, 8)", 5}, {"DateSerial(Null, 1, 1)", 94},
        {"DateValue('abc')", 13}, {"Year('abc')", 13}, {"WeekdayName(8)", 5}, {"MonthName(0)", 5},
        {"FormatNumber(Null)", 94}, {"Choose(Null, 1, 2)", 94}, {"String(-1, 'a')", 5}, {"Codigo / Filhos FROM Pessoas", 11},
        {"InStr('a')", platform::err::DbErrorsInCommand}, {"InStr(1, 'a', 'b', 1, 0)", platform::err::DbErrorsInCommand},
        {"DateAdd('d', 1)", platform::err::DbErrorsInCommand}, {"Choose(1)", platform::err::DbErrorsInCommand},
        {"Rnd(1, 2)", platform::err::DbErrorsInCommand}, {"FormatDateTime()", platform::err::DbErrorsInCommand},
    };
    for (const auto& c : cases)
        EXPECT_EQ(testing::errorOf(*s, std::string("SELECT ") + c.expr).number, c.number) << c.expr;
    // A division by zero anywhere in the rows fails the statement with VB's text.
    EXPECT_NE(testing::errorOf(*s, "SELECT Codigo / Filhos AS X FROM Pessoas").description.find("Division by zero"), std::string::npos);
}

}  // namespace
}  // namespace zolk::jet
