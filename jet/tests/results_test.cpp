// Jet text in, typed rows out: Jet's meanings checked on the rows SQLite gives back.
#include <gtest/gtest.h>

#include <algorithm>

#include "jet/tests/jet_test_support.h"

namespace zolk::jet {
namespace {

struct ResultCase {
    const char* name;
    const char* jet;
    const char* rows;  // testing::render of the rows
};

std::ostream& operator<<(std::ostream& os, const ResultCase& c) { return os << c.name; }

class Gives : public ::testing::TestWithParam<ResultCase> {};

TEST_P(Gives, Rows) {
    testing::TempDatabase db;
    auto s = db.create(testing::sampleScripts());
    const auto r = s->execute(GetParam().jet);
    ASSERT_TRUE(r.returnsRows);
    EXPECT_EQ(testing::render(r.rows), GetParam().rows) << s->translate(GetParam().jet).native;
}

const ResultCase kCases[] = {
    // Text comparisons fold case, accented capitals included, and keep accents.
    {"equality_ignores_case", "SELECT Codigo FROM Pessoas WHERE Nome = 'JOÃO SILVA'", "L1"},
    {"equality_keeps_accents", "SELECT Codigo FROM Pessoas WHERE Nome = 'joao silva'", ""},
    {"like_finds_accented_capitals", "SELECT Codigo FROM Pessoas WHERE Nome LIKE '%joão%'", "L1"},
    {"like_underscore_and_sets", "SELECT Codigo FROM Pessoas WHERE Nome LIKE '[jm]_%' ORDER BY Codigo", "L1;L2"},
    {"like_negated_set", "SELECT Codigo FROM Pessoas WHERE Nome LIKE '[!jm]%' ORDER BY Codigo", "L3;L4"},
    {"like_range", "SELECT Codigo FROM Pessoas WHERE Apelido LIKE '[a-n]%' ORDER BY Codigo", "L1;L2"},
    {"like_star_is_literal", "SELECT Codigo FROM Pessoas WHERE Nome LIKE 'Jo*'", ""},
    {"not_like", "SELECT Codigo FROM Pessoas WHERE Nome NOT LIKE '%a%' ORDER BY Codigo", "L4"},
    {"order_by_text_folds_case", "SELECT Nome FROM Pessoas ORDER BY Nome", "'ana';'João Silva';'Maria';'Zé'"},
    {"order_by_alias", "SELECT Codigo AS K, Nome FROM Pessoas ORDER BY K DESC", "L4|'Zé';L3|'ana';L2|'Maria';L1|'João Silva'"},
    {"comparison_with_null_is_not_true", "SELECT Codigo FROM Pessoas WHERE Apelido <> 'x' ORDER BY Codigo", "L1;L2;L4"},
    {"in_list_folds_case", "SELECT Codigo FROM Pessoas WHERE Apelido IN ('Maria', 'ZÉ') ORDER BY Codigo", "L2;L4"},
    // & treats Null as an empty text and writes numbers and dates by the regional rules.
    {"ampersand_null_as_empty", "SELECT Apelido & Notas AS X FROM Pessoas WHERE Codigo = 2", "'maria'"},
    {"ampersand_all_null_is_null", "SELECT Apelido & Notas AS X FROM Pessoas WHERE Codigo = 3", "Null"},
    {"ampersand_regional_numbers", "SELECT Saldo & '/' & Peso & '/' & Nascimento & '/' & Codigo AS X FROM Pessoas WHERE Codigo = 1",
     "'12,5/70,25/15/05/1980/1'"},
    {"plus_on_texts_concatenates_and_propagates_null", "SELECT Nome + Apelido AS X FROM Pessoas WHERE Codigo IN (2, 3) ORDER BY Codigo", "'Mariamaria';Null"},
    {"switch_without_a_true_condition_is_null", "SELECT SWITCH(Codigo=99,'x') AS S FROM Pessoas WHERE Codigo=1", "Null"},
    {"switch_picks_the_first_true", "SELECT SWITCH(Ativo=True, 'Sim', Ativo=False, 'Não') AS S FROM Pessoas ORDER BY Codigo", "'Sim';'Não';'Sim';'Não'"},
    {"iif_mixing_number_and_text_is_text", "SELECT IIF(IsNull(Apelido), 0, Apelido) AS A FROM Pessoas ORDER BY Codigo", "'JOÃO';'maria';'0';'zé'"},
    {"iif_mixing_date_and_text_is_regional_text", "SELECT IIF(IsNull(Nascimento), '', Nascimento) AS N, IIF(IsNull(Peso), '', Peso) AS P FROM Pessoas WHERE Codigo IN (1, 4) ORDER BY Codigo",
     "'15/05/1980'|'70,25';''|'0,1'"},
    {"text_functions_from_the_write_table", "SELECT Left(Nome, 2) AS L, Right(Nome, 2) AS R, Mid(Nome, 2, 3) AS M, Mid(Nome, 3) AS M2, Len(Nome) AS N, UCase(Apelido) AS U, CStr(Peso) AS S FROM Pessoas WHERE Codigo = 1",
     "'Jo'|'va'|'oão'|'ão Silva'|L10|'JOÃO'|'70,25'"},
    {"iif_null_condition_takes_else", "SELECT IIF(Apelido = 'x', 1, 2) AS A FROM Pessoas WHERE Codigo = 3", "L2"},
    {"iif_keeps_a_date_a_date", "SELECT IIF(IsNull(Nascimento), #01/02/2000#, Nascimento) AS D FROM Pessoas WHERE Codigo IN (1, 2) ORDER BY Codigo",
     "D1980-05-15 00:00:00;D2000-01-02 00:00:00"},
    {"isnull_and_comparisons_are_yes_no", "SELECT IsNull(Apelido) AS A, Codigo = 3 AS B FROM Pessoas WHERE Codigo = 3", "True|True"},
    // Every declared type comes back as its Variant subtype.
    {"typed_columns", "SELECT Codigo, Nascimento, Ativo, Saldo, Peso, Filhos, Nivel, Notas FROM Pessoas WHERE Codigo=1",
     "L1|D1980-05-15 00:00:00|True|C12.5|F70.25|I2|I1|'nota'"},
    {"nulls_stay_null", "SELECT Nascimento, Saldo, Peso, Filhos, Notas FROM Pessoas WHERE Codigo=4", "Null|C0|F0.1|Null|Null"},
    {"currency_keeps_four_decimals", "SELECT Saldo FROM Pessoas WHERE Codigo = 3", "C1234.5678"},
    {"month_and_year_are_integers", "SELECT Month(Data) AS M, Year(Data) AS Y, Day(Data) AS D FROM Pedidos WHERE Numero=1", "I5|I2024|I15"},
    {"date_literal_comparison", "SELECT Numero FROM Pedidos WHERE Data >= #05/15/2024# AND Data < #05/16/2024# ORDER BY Numero", "L1;L3"},
    {"date_arithmetic", "SELECT Data + 1 AS D FROM Pedidos WHERE Numero=1", "D2024-05-16 10:30:00"},
    {"format_number_and_date", "SELECT Format(Saldo,'#,##0.00') AS F, FORMAT([Nascimento],'DD/MM/YYYY HH:MM:SS') AS G FROM Pessoas WHERE Codigo=3",
     "'1.234,57'|'06/05/2024 00:00:00'"},
    {"format_of_null_is_null", "SELECT IIF(IsNull(Saldo), 0, Format(Saldo,'#,##0.00')) AS F FROM Pessoas WHERE Codigo IN (1, 2) ORDER BY Codigo", "'12,50';'0'"},
    {"trim_removes_blanks_only", "SELECT Trim('  a b  ') & '|' & LTrim('  c') & RTrim('d  ') AS T", "'a b|cd'"},
    {"integer_division_and_mod", "SELECT 7 \\ 2 AS A, 7 Mod 3 AS B, 7 / 2 AS C", "L3|L1|F3.5"},
    {"count_skips_nulls", "SELECT COUNT(Apelido) AS N, COUNT(*) AS M FROM Pessoas", "L3|L4"},
    {"text_functions", "SELECT Left(Nome, 4) AS A, Right(Nome, 5) AS B, Mid(Nome, 2, 3) AS C, Len(Nome) AS D, UCase(Nome) AS E FROM Pessoas WHERE Codigo=1",
     "'João'|'Silva'|'oão'|L10|'JOÃO SILVA'"},
    {"conversions", "SELECT CLng(2.5) AS A, CInt('3,5') AS B, Val('12.5abc') AS C, CStr(Saldo) AS D FROM Pessoas WHERE Codigo = 1", "L2|I4|F12.5|'12,5'"},
    {"nz", "SELECT Nz(Apelido, '-') AS A FROM Pessoas WHERE Codigo=3", "'-'"},
    {"left_join_keeps_unmatched_rows", "SELECT Pedidos.Numero, Pessoas.Nome FROM Pedidos LEFT JOIN Pessoas ON Pedidos.CodigoDaPessoa = Pessoas.Codigo WHERE Pedidos.Numero = 4", "L4|Null"},
    {"group_by_folds_case", "SELECT COUNT(*) AS N FROM Pedidos WHERE Descricao Is Not Null GROUP BY Descricao ORDER BY COUNT(*) DESC", "L2;L1"},
    {"union_all_keeps_them", "SELECT Apelido AS A FROM Pessoas WHERE Codigo=4 UNION ALL SELECT Nome AS A FROM Pessoas WHERE Codigo=4", "'zé';'Zé'"},
    {"union_ordered_by_alias", "SELECT Numero AS N FROM Pedidos UNION SELECT Codigo AS N FROM Pessoas ORDER BY N DESC", "L4;L3;L2;L1"},
    {"top_without_order", "SELECT TOP 0 Codigo FROM Pessoas", ""},
    {"identity_before_any_insert", "SELECT @@Identity", "L0"},
    {"select_star", "SELECT * FROM Itens WHERE Codigo = 1", "L1|L1|C2"},
};

INSTANTIATE_TEST_SUITE_P(JetMeanings, Gives, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Results, TopKeepsRowsTiedWithTheLast) {
    testing::TempDatabase db;
    auto s = db.create(testing::sampleScripts());
    // Values 50, 100, 100, 250.5: the two cheapest are 50 and a tie at 100.
    const auto r = s->execute("SELECT TOP 2 Numero FROM Pedidos ORDER BY Valor");
    ASSERT_EQ(r.rows.rowCount(), 3u);
    EXPECT_EQ(testing::render(r.rows.cells[0]), "L4");
    std::vector<std::string> tied{testing::render(r.rows.cells[1]), testing::render(r.rows.cells[2])};
    std::sort(tied.begin(), tied.end());
    EXPECT_EQ(tied, (std::vector<std::string>{"L1", "L3"}));
    // On a unique key exactly n rows, in order.
    EXPECT_EQ(testing::render(s->execute("SELECT TOP 2 Numero FROM Pedidos ORDER BY Numero DESC").rows), "L4;L3");
}

TEST(Results, UnionDropsDuplicatesWithoutRegardToCase) {
    testing::TempDatabase db;
    auto s = db.create(testing::sampleScripts());
    const auto r = s->execute(
        "SELECT Apelido AS A FROM Pessoas WHERE Codigo=4 UNION SELECT Nome AS A FROM Pessoas WHERE Codigo=4");
    ASSERT_EQ(r.rows.rowCount(), 1u);
    EXPECT_TRUE(r.rows.cells[0].asString() == "zé" || r.rows.cells[0].asString() == "Zé");
}

TEST(Results, FieldDescriptions) {
    testing::TempDatabase db;
    auto s = db.create(testing::sampleScripts());
    const auto r = s->execute(
        "SELECT Codigo, Nome, Nascimento, Ativo, Saldo, Peso, Filhos, Nivel, Notas, COUNT(*) AS N, "
        "Month(Nascimento) AS M, Nome & '' AS T, Now() AS H FROM Pessoas GROUP BY Codigo, Nome, "
        "Nascimento, Ativo, Saldo, Peso, Filhos, Nivel, Notas");
    const auto& c = r.rows.columns;
    ASSERT_EQ(c.size(), 13u);
    struct Want {
        const char* name;
        int type, size, attributes;
    };
    using namespace adattr;
    const int nullable = IsNullable | MayBeNull;
    const Want want[] = {
        {"Codigo", adotype::Integer, 4, Updatable | Fixed | KeyColumn},
        {"Nome", adotype::VarWChar, 50, Updatable | nullable},
        {"Nascimento", adotype::Date, 8, Updatable | Fixed | nullable},
        {"Ativo", adotype::Boolean, 2, Updatable | Fixed},
        {"Saldo", adotype::Currency, 8, Updatable | Fixed | nullable},
        {"Peso", adotype::Double, 8, Updatable | Fixed | nullable},
        {"Filhos", adotype::SmallInt, 2, Updatable | Fixed | nullable},
        {"Nivel", adotype::UnsignedTinyInt, 1, Updatable | Fixed | nullable},
        {"Notas", adotype::LongVarWChar, 536870910, Updatable | Long | nullable},
        {"N", adotype::Integer, 4, Fixed | nullable},
        {"M", adotype::SmallInt, 2, Fixed | nullable},
        {"T", adotype::VarWChar, 255, nullable},
        {"H", adotype::Date, 8, Fixed | nullable},
    };
    for (std::size_t i = 0; i < c.size(); ++i) {
        SCOPED_TRACE(want[i].name);
        EXPECT_EQ(c[i].name, want[i].name);
        EXPECT_EQ(c[i].type, want[i].type);
        EXPECT_EQ(c[i].definedSize, want[i].size);
        EXPECT_EQ(c[i].attributes, want[i].attributes);
    }
}

TEST(Results, UnnamedExpressionsAreNumberedFromExpr1000) {
    testing::TempDatabase db;
    auto s = db.create(testing::sampleScripts());
    const auto r = s->execute("SELECT Codigo, Nome & 'x', COUNT(*) FROM Pessoas GROUP BY Codigo, Nome");
    ASSERT_EQ(r.rows.columns.size(), 3u);
    EXPECT_EQ(r.rows.columns[1].name, "Expr1000");
    EXPECT_EQ(r.rows.columns[2].name, "Expr1001");
}

TEST(Results, NowAndDateAreLocalDates) {
    testing::TempDatabase db;
    auto s = db.create(testing::sampleScripts());
    const auto r = s->execute(" SELECT NOW AS DataHoraDoServidor, Date() AS Hoje ");
    ASSERT_EQ(r.rows.cells.size(), 2u);
    ASSERT_EQ(r.rows.cells[0].type(), platform::VarType::Date);
    ASSERT_EQ(r.rows.cells[1].type(), platform::VarType::Date);
    const auto now = platform::DateTime::now();
    EXPECT_LT(std::abs(r.rows.cells[0].asDate().serial() - now.serial()), 5.0 / 86400);
    EXPECT_EQ(r.rows.cells[1].asDate(), platform::DateTime::today());
    EXPECT_FALSE(r.rows.cells[1].asDate().hasTime());
}

TEST(Results, WritesStoreJetConventions) {
    testing::TempDatabase db;
    auto s = db.create(testing::sampleScripts());
    auto r = s->execute(
        "INSERT INTO Pessoas (Nome, Nascimento, Ativo, Saldo) VALUES ('Novo', '12/31/2024', True, 1234.50);");
    EXPECT_FALSE(r.returnsRows);
    EXPECT_EQ(r.rowsAffected, 1);
    EXPECT_EQ(testing::render(s->execute("SELECT @@Identity").rows), "L5");
    // Stored as ISO text, -1 and a plain number, whatever reads it.
    EXPECT_EQ(testing::render(s->execute("SELECT CStr(Nascimento) & '|' & CStr(Ativo) AS X FROM Pessoas WHERE Codigo = 5").rows),
              "'31/12/2024|True'");
    r = s->execute("UPDATE Pessoas SET Nascimento='10:30:00', Ativo=False WHERE Codigo=5 OR Codigo=4;");
    EXPECT_EQ(r.rowsAffected, 2);
    EXPECT_EQ(testing::render(s->execute("SELECT Nascimento, Ativo FROM Pessoas WHERE Codigo = 5").rows),
              "D1899-12-30 10:30:00|False");
    r = s->execute("DELETE * FROM Pessoas WHERE Codigo >= 4;");
    EXPECT_EQ(r.rowsAffected, 2);
    // The identity belongs to the last insert, not to later updates or deletions.
    EXPECT_EQ(testing::render(s->execute("SELECT @@Identity").rows), "L5");
}

TEST(Results, IdentityIsPerConnection) {
    testing::TempDatabase db;
    auto a = db.create(testing::sampleScripts());
    auto b = openSession(db.url());
    a->execute("INSERT INTO Itens (NumeroDoPedido, Quantidade) VALUES (1, 1)");
    EXPECT_EQ(testing::render(a->execute("SELECT @@Identity").rows), "L3");
    EXPECT_EQ(testing::render(b->execute("SELECT @@Identity").rows), "L0");
}

}  // namespace
}  // namespace zolk::jet

namespace zolk::jet {
namespace {

TEST(Results, DatesWrittenByOtherToolsWithoutTheirTimeStillMatch) {
    testing::TempDatabase db;
    auto scripts = testing::sampleScripts();
    scripts.push_back("UPDATE Pedidos SET Data = '2024-06-01' WHERE Numero = 2;"
                      "UPDATE Pessoas SET Nascimento = '10:30:00' WHERE Codigo = 2;");
    auto s = db.create(scripts);
    EXPECT_EQ(testing::render(s->execute("SELECT Numero FROM Pedidos WHERE Data = #06/01/2024#").rows), "L2");
    EXPECT_EQ(testing::render(s->execute("SELECT Numero FROM Pedidos WHERE Data BETWEEN #05/31/2024# AND #06/01/2024#").rows), "L2");
    EXPECT_EQ(testing::render(s->execute("SELECT Codigo FROM Pessoas WHERE Nascimento = #10:30#").rows), "L2");
    EXPECT_EQ(testing::render(s->execute("SELECT Data FROM Pedidos WHERE Numero = 2").rows), "D2024-06-01 00:00:00");
}

}  // namespace
}  // namespace zolk::jet
