// Format inside statements: the answers of the platform's Format for every stored kind of value,
// whether the pattern is a constant read once per statement or changes from row to row.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "jet/tests/jet_test_support.h"
#include "platform/format.h"

namespace zolk::jet {
namespace {

using platform::Variant;

// One row per kind of stored value, Null included, in every typed column.
std::vector<std::string> valueScripts() {
    return {R"sql(
CREATE TABLE Valores (
    Id INTEGER PRIMARY KEY,
    Inteiro INTEGER,
    Pequeno SMALLINT,
    Real DOUBLE,
    Dinheiro CURRENCY,
    Data DATETIME,
    SimNao YESNO,
    Texto VARCHAR(50));
INSERT INTO Valores VALUES (1, 1234, 7, 1234.5678, 1234.5678, '2024-05-15 10:30:00', -1, '12,5');
INSERT INTO Valores VALUES (2, -5, -1, -0.005, -0.5, '1899-12-30 08:05:09', 0, '15/05/2024');
INSERT INTO Valores VALUES (3, 0, 0, 0, 0, '2024-05-15', -1, 'texto');
INSERT INTO Valores VALUES (4, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
INSERT INTO Valores VALUES (5, 2000000, 32767, 123456.789, 99999.9999, '9999-12-31 23:59:59', 0, '');
)sql"};
}

const char* const kColumns[] = {"Inteiro", "Pequeno", "Real", "Dinheiro", "Data", "SimNao", "Texto"};

// The patterns the library writes, and others that take every branch of Format.
const char* const kPatterns[] = {"DD/MM/YYYY HH:MM:SS", "dd/mm/yyyy hh:nn:ss", "MM/DD/YYYY", "#,##0.00", "#0.000", "0.00%", "0.00E+00",
                                 "#,##0.00;(#,##0.00);\\z\\e\\r\\o;\\n\\u\\l\\o", "Currency", "General Number", "Short Date",
                                 "Medium Time", "Yes/No", "dddd, d \\de mmmm", "@@@@@@@@", ">", ""};

// Each value, read back through the engine in its own type, formatted by the platform.
std::string platformAnswer(const Variant& value, const std::string& pattern) {
    const Variant r = platform::Format(value, pattern);
    return r.isNull() ? "Null" : "'" + r.asString() + "'";
}

TEST(FormatInStatements, GivesThePlatformsAnswerForEveryStoredKindOfValue) {
    testing::TempDatabase db;
    auto s = db.create(valueScripts());
    for (const char* column : kColumns) {
        const RowSet values = s->execute(std::string("SELECT ") + column + " FROM Valores ORDER BY Id").rows;
        ASSERT_EQ(values.rowCount(), 5u);
        for (const char* pattern : kPatterns) {
            SCOPED_TRACE(std::string(column) + " with '" + pattern + "'");
            const RowSet formatted =
                s->execute(std::string("SELECT Format(") + column + ", '" + pattern + "') FROM Valores ORDER BY Id").rows;
            ASSERT_EQ(formatted.rowCount(), 5u);
            for (std::size_t r = 0; r < 5; ++r)
                EXPECT_EQ(testing::render(formatted.cells[r]), platformAnswer(values.cells[r], pattern)) << "row " << r + 1;
        }
    }
}

// Known answers, so that the platform and the statements cannot agree on a wrong text.
TEST(FormatInStatements, LibraryPatternsGiveTheRegionalTexts) {
    testing::TempDatabase db;
    auto s = db.create(valueScripts());
    const std::string sql =
        "SELECT Format(Data, 'DD/MM/YYYY'), Format(Data, 'DD/MM/YYYY HH:MM:SS'), Format(Dinheiro, '#,##0.00'), "
        "IIF(IsNull(Dinheiro), 0, Format([Dinheiro],'#,##0.00')), Format(Real, '#0.000'), Format(SimNao, 'Yes/No') "
        "FROM Valores WHERE Id IN (1, 2, 4) ORDER BY Id";
    EXPECT_EQ(testing::render(s->execute(sql).rows),
              "'15/05/2024'|'15/05/2024 10:30:00'|'1.234,57'|'1.234,57'|'1234,568'|'Yes';"
              "'30/12/1899'|'30/12/1899 08:05:09'|'-0,50'|'-0,50'|'-0,005'|'No';"
              "Null|Null|Null|'0'|Null|Null");
    // A pattern Format refuses fails the statement every time it runs, not only the first.
    for (int run = 0; run < 2; ++run) EXPECT_NE(testing::errorOf(*s, "SELECT Format(Dinheiro, '0;0;0;0;0') FROM Valores").number, 0) << run;
}

}  // namespace
}  // namespace zolk::jet
