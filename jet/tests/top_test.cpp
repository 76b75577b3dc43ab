// SELECT TOP n [PERCENT] ... ORDER BY: the first rows in order and every row tied with the last
// of them on all the sort keys (Null first going up; names tie whatever their letter case).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "jet/tests/jet_test_support.h"

namespace zolk::jet {
namespace {

TEST(Top, KeepsEveryRowTiedWithTheLastOnAllItsKeys) {
    testing::TempDatabase db;
    auto s = db.create({"CREATE TABLE Fichas (Codigo INTEGER PRIMARY KEY, Valor INTEGER, Nome VARCHAR(50));"
                        "INSERT INTO Fichas VALUES (1, 5, 'Bia'), (2, 3, 'ana'), (3, 3, 'ANA'), (4, NULL, 'Zé'),"
                        "(5, 1, NULL), (6, 3, 'bruno');"});
    const struct { const char* top; const char* order; std::vector<int> codes; } cases[] = {
        {"1", "Valor DESC", {1}},
        {"2", "Valor DESC", {1, 2, 3, 6}},
        {"3", "Valor", {2, 3, 4, 5, 6}},
        {"50 PERCENT", "Valor DESC", {1, 2, 3, 6}},
        {"10 PERCENT", "Codigo", {1}},
        {"2", "Nome", {2, 3, 5}},
        {"2", "Valor DESC, Nome", {1, 2, 3}},
        {"0", "Valor", {}},
    };
    for (const auto& c : cases) {
        const std::string sql = std::string("SELECT TOP ") + c.top + " Codigo FROM Fichas ORDER BY " + c.order;
        std::vector<int> got;
        for (const auto& v : s->execute(sql).rows.cells) got.push_back(static_cast<int>(v.toDouble()));
        std::sort(got.begin(), got.end());
        EXPECT_EQ(got, c.codes) << sql;
    }
    EXPECT_EQ(testing::errorOf(*s, "SELECT TOP 101 PERCENT Codigo FROM Fichas").number, -2147217900);
}

}  // namespace
}  // namespace zolk::jet
