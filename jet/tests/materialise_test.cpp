// Rows read into a result: every cell in its place and type, whatever the size of the result.
#include <gtest/gtest.h>

#include <string>

#include "jet/tests/jet_test_support.h"

namespace zolk::jet {
namespace {

using platform::VarType;

// `rows` rows of five typed columns whose values follow from the row number.
std::vector<std::string> numberedRows(int rows) {
    return {"CREATE TABLE Linhas (Id INTEGER PRIMARY KEY, Nome VARCHAR(60), Valor CURRENCY, Quando DATETIME, "
            "Ativo YESNO, Nota LONGTEXT);",
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " + std::to_string(rows) +
                ") INSERT INTO Linhas SELECT i, 'nome ' || i, i * 0.25, '2024-05-15 10:30:00', -(i % 2), "
                "CASE WHEN i % 3 = 0 THEN NULL ELSE 'uma nota bem mais longa que um texto curto, a de número ' || i "
                "END FROM n WHERE i <= " + std::to_string(rows) + ";"};
}

void expectRows(const RowSet& r, int rows) {
    ASSERT_EQ(r.columns.size(), 6u);
    ASSERT_EQ(r.rowCount(), static_cast<std::size_t>(rows));
    ASSERT_EQ(r.cells.size(), static_cast<std::size_t>(rows) * 6);
    for (int i = 1; i <= rows; ++i) {
        const platform::Variant* row = &r.cells[static_cast<std::size_t>(i - 1) * 6];
        SCOPED_TRACE("row " + std::to_string(i));
        ASSERT_EQ(row[0].type(), VarType::Long);
        ASSERT_EQ(row[0].asLong(), i);
        ASSERT_EQ(row[1].asString(), "nome " + std::to_string(i));
        ASSERT_EQ(row[2].type(), VarType::Currency);
        ASSERT_EQ(row[2].asCurrency().raw(), std::int64_t{i} * 2500);
        ASSERT_EQ(row[3].type(), VarType::Date);
        ASSERT_EQ(row[3].asDate().iso(), "2024-05-15 10:30:00");
        ASSERT_EQ(row[4].type(), VarType::Boolean);
        ASSERT_EQ(row[4].asBoolean(), i % 2 == 1);
        if (i % 3 == 0)
            ASSERT_TRUE(row[5].isNull());
        else
            ASSERT_EQ(row[5].asString(), "uma nota bem mais longa que um texto curto, a de número " + std::to_string(i));
    }
}

// Sizes around the room reserved at first (682 rows of six cells) and its growth: none, one
// row, part of it, all of it, one row more, several growths; and a result past a million cells,
// whose rows beyond it are read in blocks and joined at the end. Whatever the size, a result
// keeps little spare room: at most an eighth of what it holds.
TEST(Materialise, EveryCellInItsPlaceAndTypeForAnySize) {
    for (int rows : {0, 1, 100, 682, 683, 1400, 5000, 180000}) {
        SCOPED_TRACE(std::to_string(rows) + " rows");
        testing::TempDatabase db;
        auto s = db.create(numberedRows(rows));
        const ExecResult r = s->execute("SELECT Id, Nome, Valor, Quando, Ativo, Nota FROM Linhas ORDER BY Id");
        ASSERT_TRUE(r.returnsRows);
        expectRows(r.rows, rows);
        EXPECT_EQ(r.rows.columns[2].type, adotype::Currency);
        EXPECT_EQ(r.rows.columns[3].type, adotype::Date);
        EXPECT_EQ(r.rows.columns[4].type, adotype::Boolean);
        EXPECT_LE(r.rows.cells.capacity() - r.rows.cells.size(), r.rows.cells.capacity() / 8);
        if (rows > 1000000 / 6) {
            EXPECT_EQ(r.rows.cells.capacity(), r.rows.cells.size());  // the blocks joined exactly
        }
    }
}

}  // namespace
}  // namespace zolk::jet
