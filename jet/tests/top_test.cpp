// SELECT TOP n [PERCENT] ... ORDER BY: the first rows in order and every row tied with the last
// of them on all the sort keys; a plain limit where the keys cannot tie.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "jet/tests/jet_test_support.h"
#include "platform/text_compare.h"

namespace zolk::jet {
namespace {

// Records with repeated values, Nulls and names equal but for letter case.
std::vector<std::string> recordScripts() {
    std::string fill = R"sql(
CREATE TABLE Donos (Codigo INTEGER PRIMARY KEY AUTOINCREMENT, Nome VARCHAR(50));
CREATE TABLE Fichas (
    Codigo INTEGER PRIMARY KEY AUTOINCREMENT,
    CodigoDoDono INTEGER,
    Ordem INTEGER NOT NULL,
    Protocolo INTEGER,
    Valor INTEGER,
    Nome VARCHAR(50));
CREATE UNIQUE INDEX Fichas_Ordem ON Fichas (Ordem);
CREATE UNIQUE INDEX Fichas_Protocolo ON Fichas (Protocolo);
CREATE TABLE Itens (Codigo INTEGER PRIMARY KEY AUTOINCREMENT, CodigoDaFicha INTEGER);
INSERT INTO Donos (Nome) VALUES ('Ana'), ('Bia');
)sql";
    const char* names[] = {"'joão'", "'JOÃO'", "'Ana'", "'ana'", "'Zé'", "NULL", "'Bruno'"};
    for (int i = 1; i <= 40; ++i) {
        const std::string valor = i % 9 == 0 ? "NULL" : std::to_string((i * 7) % 5);
        const std::string protocolo = i % 13 == 0 ? "NULL" : std::to_string(1000 - i);
        fill += "INSERT INTO Fichas (CodigoDoDono, Ordem, Protocolo, Valor, Nome) VALUES (" + std::to_string(1 + i % 2) +
                ", " + std::to_string(100 - i) + ", " + protocolo + ", " + valor + ", " + names[(i * 3) % 7] + ");\n";
        for (int k = 0; k < i % 4; ++k) fill += "INSERT INTO Itens (CodigoDaFicha) VALUES (" + std::to_string(i) + ");\n";
    }
    return {fill};
}

struct Row {
    std::int64_t codigo;
    std::optional<std::int64_t> valor;
    std::optional<std::string> nome;
};

struct Key {
    bool byName;  // Nome, else Valor
    bool descending;
};

// SQLite's order, which the engine keeps: Null first going up, last going down; names compared
// as the practice compares texts.
int compareRows(const Row& a, const Row& b, const std::vector<Key>& keys) {
    for (const auto& k : keys) {
        const bool aNull = k.byName ? !a.nome : !a.valor;
        const bool bNull = k.byName ? !b.nome : !b.valor;
        int c = aNull || bNull ? (aNull == bNull ? 0 : aNull ? -1 : 1)
                : k.byName     ? platform::compareText(*a.nome, *b.nome)
                               : (*a.valor > *b.valor) - (*a.valor < *b.valor);
        if (c) return k.descending ? -c : c;
    }
    return 0;
}

// The codes Jet's TOP gives: the first `n` rows in order and every row tied with the n-th.
std::set<std::int64_t> expectedTop(std::vector<Row> rows, const std::vector<Key>& keys, std::size_t n) {
    std::stable_sort(rows.begin(), rows.end(), [&](const Row& a, const Row& b) { return compareRows(a, b, keys) < 0; });
    std::set<std::int64_t> codes;
    if (n == 0) return codes;
    const Row& last = rows[std::min(n, rows.size()) - 1];
    for (const Row& r : rows)
        if (compareRows(r, last, keys) <= 0) codes.insert(r.codigo);
    return codes;
}

std::vector<Row> allRows(Session& s) {
    const auto r = s.execute("SELECT Codigo, Valor, Nome FROM Fichas");
    std::vector<Row> rows;
    for (std::size_t i = 0; i < r.rows.rowCount(); ++i) {
        const auto& c = r.rows.cells;
        Row row{static_cast<std::int64_t>(c[i * 3].toDouble()), std::nullopt, std::nullopt};
        if (!c[i * 3 + 1].isNull()) row.valor = static_cast<std::int64_t>(c[i * 3 + 1].toDouble());
        if (!c[i * 3 + 2].isNull()) row.nome = c[i * 3 + 2].asString();
        rows.push_back(row);
    }
    return rows;
}

std::string orderText(const std::vector<Key>& keys) {
    std::string s;
    for (const auto& k : keys) s += std::string(s.empty() ? "" : ", ") + (k.byName ? "Nome" : "Valor") + (k.descending ? " DESC" : "");
    return s;
}

// TOP n and TOP n PERCENT (of the 40 rows, rounded up) under orders on keys that repeat, give
// Null and differ only in letter case: the first rows in order and all their ties.
TEST(Top, KeepsEveryRowTiedWithTheLastOnKeysThatRepeat) {
    testing::TempDatabase db;
    auto s = db.create(recordScripts());
    const std::vector<Row> all = allRows(*s);
    std::map<std::int64_t, Row> rows;
    for (const Row& r : all) rows.emplace(r.codigo, r);
    auto check = [&](const std::vector<Key>& keys, const std::string& top, std::size_t n) {
        const std::string sql = "SELECT TOP " + top + " Codigo FROM Fichas ORDER BY " + orderText(keys);
        SCOPED_TRACE(sql);
        std::set<std::int64_t> got;
        std::vector<Row> inOrder;
        for (const auto& v : s->execute(sql).rows.cells) {
            got.insert(static_cast<std::int64_t>(v.toDouble()));
            inOrder.push_back(rows.at(static_cast<std::int64_t>(v.toDouble())));
        }
        EXPECT_EQ(got, expectedTop(all, keys, n));
        EXPECT_EQ(got.size(), inOrder.size()) << "a row came twice";
        EXPECT_TRUE(std::is_sorted(inOrder.begin(), inOrder.end(), [&](const Row& a, const Row& b) { return compareRows(a, b, keys) < 0; }));
    };
    for (const std::vector<Key>& keys : std::vector<std::vector<Key>>{
             {{false, false}}, {{false, true}}, {{true, false}}, {{true, true}}, {{true, false}, {false, true}}, {{false, true}, {true, false}}}) {
        for (std::size_t n : {0u, 1u, 2u, 7u, 13u, 39u, 40u, 41u}) check(keys, std::to_string(n), n);
        for (int percent : {1, 10, 33, 99, 100}) check(keys, std::to_string(percent) + " PERCENT", std::size_t(std::ceil(40.0 * percent / 100.0)));
    }
    // The tie is real: two rows share the first value, so TOP 1 gives more than one row.
    EXPECT_GT(s->execute("SELECT TOP 1 Codigo FROM Fichas ORDER BY Valor DESC").rows.rowCount(), 1u);
    // On a unique key, or with no order: exactly that many rows (25% of 40 is 10; 1% is 0.4, so 1).
    EXPECT_EQ(s->execute("SELECT TOP 25 PERCENT Codigo FROM Fichas ORDER BY Codigo").rows.rowCount(), 10u);
    EXPECT_EQ(s->execute("SELECT TOP 1 PERCENT Codigo FROM Fichas").rows.rowCount(), 1u);
    EXPECT_EQ(s->execute("SELECT TOP 0 PERCENT Codigo FROM Fichas").rows.rowCount(), 0u);
    EXPECT_EQ(testing::errorOf(*s, "SELECT TOP 101 PERCENT Codigo FROM Fichas").number, -2147217900);
}

// On keys that cannot tie the translation is a plain ORDER BY ... LIMIT; wherever they can, the
// ties are kept.
TEST(Top, IsAPlainLimitOnlyWhereTheKeysCannotTie) {
    testing::TempDatabase db;
    auto s = db.create(recordScripts());
    const struct {
        const char* jet;
        bool plainLimit;
        std::size_t rows;  // what it returns on the records above
    } cases[] = {
        {"SELECT TOP 3 Codigo FROM Fichas ORDER BY Codigo DESC", true, 3},
        {"SELECT TOP 3 Nome FROM Fichas ORDER BY Nome, Codigo", true, 3},
        {"SELECT TOP 3 Codigo FROM Fichas ORDER BY Ordem", true, 3},
        // Records 13, 26 and 39 have no protocol: a unique index lets Nulls repeat, and they tie.
        {"SELECT TOP 1 Codigo FROM Fichas ORDER BY Protocolo", false, 3},
        {"SELECT TOP 3 Fichas.Codigo, Donos.Nome FROM Donos INNER JOIN Fichas ON Donos.Codigo = Fichas.CodigoDoDono ORDER BY Fichas.Codigo DESC", true, 3},
        {"SELECT TOP 3 Fichas.Codigo FROM Fichas, Donos WHERE Fichas.CodigoDoDono = Donos.Codigo AND Donos.Nome <> '' ORDER BY Fichas.Ordem", true, 3},
        // Record 3 has three items, each a row with the same record number.
        {"SELECT TOP 1 Fichas.Codigo, Itens.Codigo FROM Fichas INNER JOIN Itens ON Itens.CodigoDaFicha = Fichas.Codigo WHERE Fichas.Codigo >= 3 ORDER BY Fichas.Codigo", false, 3},
        {"SELECT TOP 1 Fichas.Codigo FROM Fichas LEFT JOIN Itens ON Itens.CodigoDaFicha = Fichas.Codigo WHERE Fichas.Codigo >= 3 ORDER BY Fichas.Codigo", false, 3},
        {"SELECT TOP 3 Codigo FROM Fichas ORDER BY Codigo + 0", false, 3},
        {"SELECT TOP 3 CodigoDoDono, Count(*) AS N FROM Fichas GROUP BY CodigoDoDono ORDER BY CodigoDoDono", false, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.jet);
        const std::string native = s->translate(c.jet).native;
        EXPECT_EQ(native.find("jet_k0") == std::string::npos, c.plainLimit) << native;
        if (c.plainLimit) {
            EXPECT_EQ(native.substr(native.size() - 8), " LIMIT 3") << native;
        }
        EXPECT_EQ(s->execute(c.jet).rows.rowCount(), c.rows);
    }
}

}  // namespace
}  // namespace zolk::jet
