// Jet's query forms on a fresh practice database per test, seeded with a few known rows: outer
// joins, subqueries in each position, derived tables, HAVING, DISTINCT and DISTINCTROW, the
// aggregates, the grouping check and crosstab queries.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cmath>
#include <string>
#include <vector>

#include "jet/tests/jet_test_support.h"
#include "jet/tests/small_stack.h"
#include "schema/practice_database.h"

namespace zolk::jet {
namespace {

// Rows every case below reads. Client 4 has no animal, species 3 none either; client 5 bears the
// name of client 1; animal 6 has no species and a lower-case sex; service 5 has no price.
const char* kSeed = R"sql(
INSERT INTO EspeciesDeAnimais (Codigo, Nome) VALUES (1, 'Canina'), (2, 'Felina'), (3, 'Ave');
INSERT INTO Clientes (Codigo, NomeOuRazaoSocial, Cidade) VALUES
  (1, 'Ana', 'Recife'), (2, 'Bruno', 'Olinda'), (3, 'carla', 'Recife'), (4, 'Davi', NULL),
  (5, 'Ana', 'Paulista');
INSERT INTO Animais (Codigo, CodigoDoCliente, Nome, CodigoDaEspecie, Sexo, Porte, DataDeNascimento, Pedigree) VALUES
  (1, 1, 'Rex', 1, 'M', 'Grande', '2020-01-10 00:00:00', -1),
  (2, 1, 'Mia', 2, 'F', 'Pequeno', '2021-03-05 00:00:00', 0),
  (3, 2, 'Thor', 1, 'M', 'Grande', '2019-07-20 00:00:00', -1),
  (4, 3, 'Luna', 2, 'F', 'Pequeno', NULL, 0),
  (5, 3, 'Bidu', 1, 'M', 'Médio', '2022-11-30 00:00:00', 0),
  (6, 3, 'Nina', NULL, 'f', NULL, NULL, 0),
  (7, 5, 'Toby', 1, 'M', 'Grande', '2018-02-14 00:00:00', 0);
INSERT INTO Servicos (Codigo, Nome, NumeroDoTipoDeServico, Valor, Custo) VALUES
  (1, 'Consulta', 1, 100, 40), (2, 'Vacina', 2, 80.5, 30), (3, 'Banho', 3, 45, NULL),
  (4, 'Tosa', 3, 55.25, 20), (5, 'Raio X', 1, NULL, NULL);
)sql";

// A practice database of its own (no demo data) holding kSeed, and a session on it.
struct Practice {
    testing::TempDatabase db;
    std::unique_ptr<Session> session;
    Practice() {
        schema::createPracticeDatabase(db.url(), false, false);
        native(kSeed);
        session = openSession(db.url());
    }
    // Native SQL straight on the file, as an outside tool writes it.
    void native(const std::string& sql) const {
        sqlite3* raw = nullptr;
        ASSERT_EQ(sqlite3_open(db.path().c_str(), &raw), SQLITE_OK);
        char* msg = nullptr;
        const int rc = sqlite3_exec(raw, sql.c_str(), nullptr, nullptr, &msg);
        const std::string error = msg ? msg : "";
        sqlite3_free(msg);
        sqlite3_close(raw);
        ASSERT_EQ(rc, SQLITE_OK) << error;
    }
};

std::string fieldNames(const RowSet& rows) {
    std::string out;
    for (const auto& c : rows.columns) out += (out.empty() ? "" : ",") + c.name;
    return out;
}

struct FormCase {
    const char* name;
    const char* jet;
    const char* rows;  // testing::render of the rows
};

std::ostream& operator<<(std::ostream& os, const FormCase& c) { return os << c.name; }

class QueryForm : public ::testing::TestWithParam<FormCase> {};

TEST_P(QueryForm, GivesTheRowsJetGives) {
    Practice p;
    const auto r = p.session->execute(GetParam().jet);
    ASSERT_TRUE(r.returnsRows);
    EXPECT_EQ(testing::render(r.rows), GetParam().rows) << p.session->translate(GetParam().jet).native;
}

const FormCase kJoins[] = {
    {"left_join_keeps_a_client_without_animals",
     "SELECT Clientes.NomeOuRazaoSocial, Animais.Nome FROM Clientes LEFT JOIN Animais ON Clientes.Codigo = Animais.CodigoDoCliente "
     "WHERE Clientes.Codigo IN (2, 4) ORDER BY Clientes.Codigo",
     "'Bruno'|'Thor';'Davi'|Null"},
    {"right_outer_join_keeps_a_species_without_animals",
     "SELECT EspeciesDeAnimais.Nome, Animais.Nome FROM Animais RIGHT OUTER JOIN EspeciesDeAnimais "
     "ON Animais.CodigoDaEspecie = EspeciesDeAnimais.Codigo WHERE Animais.Codigo Is Null",
     "'Ave'|Null"},
    {"nested_parenthesised_left_joins",
     "SELECT C.NomeOuRazaoSocial, A.Nome, E.Nome FROM (Clientes AS C LEFT JOIN Animais AS A ON C.Codigo = A.CodigoDoCliente) "
     "LEFT OUTER JOIN EspeciesDeAnimais AS E ON A.CodigoDaEspecie = E.Codigo WHERE C.Codigo IN (3, 4) ORDER BY C.Codigo, A.Codigo",
     "'carla'|'Luna'|'Felina';'carla'|'Bidu'|'Canina';'carla'|'Nina'|Null;'Davi'|Null|Null"},
    {"left_join_inside_an_inner_join",
     "SELECT E.Nome, C.Cidade FROM EspeciesDeAnimais AS E INNER JOIN (Animais AS A LEFT JOIN Clientes AS C ON A.CodigoDoCliente = C.Codigo) "
     "ON E.Codigo = A.CodigoDaEspecie WHERE A.Codigo IN (2, 7) ORDER BY A.Codigo",
     "'Felina'|'Recife';'Canina'|'Paulista'"},
    {"count_over_a_left_join_counts_no_animal_as_zero",
     "SELECT C.Codigo, Count(A.Codigo) AS N FROM Clientes AS C LEFT JOIN Animais AS A ON C.Codigo = A.CodigoDoCliente "
     "GROUP BY C.Codigo ORDER BY C.Codigo",
     "L1|L2;L2|L1;L3|L3;L4|L0;L5|L1"},
};
INSTANTIATE_TEST_SUITE_P(OuterJoins, QueryForm, ::testing::ValuesIn(kJoins),
                         [](const auto& info) { return std::string(info.param.name); });

const FormCase kSubqueries[] = {
    {"in_subquery_compares_text_ignoring_case",
     "SELECT Codigo FROM Clientes WHERE Codigo IN (SELECT CodigoDoCliente FROM Animais WHERE Sexo = 'f') ORDER BY Codigo",
     "L1;L3"},
    {"not_in_subquery", "SELECT NomeOuRazaoSocial FROM Clientes WHERE Codigo NOT IN (SELECT CodigoDoCliente FROM Animais)",
     "'Davi'"},
    {"in_subquery_of_texts_folds_case",
     "SELECT Nome FROM Animais WHERE Nome IN (SELECT UCase(Nome) FROM Animais WHERE Porte = 'Grande') ORDER BY Codigo",
     "'Rex';'Thor';'Toby'"},
    {"correlated_exists",
     "SELECT C.Codigo FROM Clientes AS C WHERE EXISTS (SELECT * FROM Animais WHERE Animais.CodigoDoCliente = C.Codigo AND Pedigree = True) ORDER BY C.Codigo",
     "L1;L2"},
    {"correlated_not_exists_naming_the_outer_table",
     "SELECT Codigo FROM Clientes WHERE NOT EXISTS (SELECT Codigo FROM Animais WHERE CodigoDoCliente = Clientes.Codigo AND Pedigree = True) ORDER BY Codigo",
     "L3;L4;L5"},
    {"correlated_scalar_in_the_select_list",
     "SELECT Codigo, (SELECT Count(*) FROM Animais WHERE CodigoDoCliente = Clientes.Codigo) AS N FROM Clientes ORDER BY Codigo",
     "L1|L2;L2|L1;L3|L3;L4|L0;L5|L1"},
    {"scalar_in_where", "SELECT Nome FROM Servicos WHERE Valor > (SELECT Avg(Valor) FROM Servicos) ORDER BY Codigo",
     "'Consulta';'Vacina'"},
    {"scalar_keeps_its_type", "SELECT (SELECT Max(Valor) FROM Servicos) AS M, (SELECT Min(DataDeNascimento) FROM Animais) AS D",
     "C100|D2018-02-14 00:00:00"},
    {"scalar_of_no_rows_is_null", "SELECT (SELECT Nome FROM Servicos WHERE Codigo = 99) AS N", "Null"},
    {"greater_than_any", "SELECT Nome FROM Servicos WHERE Valor > ANY (SELECT Valor FROM Servicos WHERE NumeroDoTipoDeServico = 3) ORDER BY Codigo",
     "'Consulta';'Vacina';'Tosa'"},
    {"some_is_any", "SELECT Nome FROM Servicos WHERE Valor < SOME (SELECT Valor FROM Servicos WHERE NumeroDoTipoDeServico = 3) ORDER BY Codigo",
     "'Banho'"},
    {"greater_or_equal_to_all", "SELECT Nome FROM Servicos WHERE Valor >= ALL (SELECT Valor FROM Servicos WHERE Valor Is Not Null)",
     "'Consulta'"},
    {"equal_any_folds_case", "SELECT Codigo FROM Animais WHERE Nome = ANY (SELECT UCase(Nome) FROM Animais WHERE Sexo = 'F') ORDER BY Codigo",
     "L2;L4;L6"},
    // With no rows ANY is false and ALL true; a Null among the values leaves undecided what no
    // other value decides.
    {"any_and_all_truth_with_empty_sets_and_nulls",
     "SELECT 5 > ALL (SELECT Custo FROM Servicos WHERE Codigo = 99) AS A, 5 > ANY (SELECT Custo FROM Servicos WHERE Codigo = 99) AS B, "
     "50 > ALL (SELECT Custo FROM Servicos) AS C, 50 > ANY (SELECT Custo FROM Servicos) AS D, 10 > ANY (SELECT Custo FROM Servicos) AS E, "
     "10 > ALL (SELECT Custo FROM Servicos) AS F",
     "True|False|Null|True|Null|False"},
    {"subquery_in_a_subquery",
     "SELECT Nome FROM EspeciesDeAnimais WHERE Codigo IN (SELECT CodigoDaEspecie FROM Animais WHERE CodigoDoCliente IN "
     "(SELECT Codigo FROM Clientes WHERE Cidade = 'Olinda'))",
     "'Canina'"},
    {"top_with_order_inside_in", "SELECT Nome FROM Servicos WHERE Codigo IN (SELECT TOP 2 Codigo FROM Servicos ORDER BY Valor DESC) ORDER BY Codigo",
     "'Consulta';'Vacina'"},
    {"top_with_order_in_a_derived_table_inside_a_join",
     "SELECT C.Codigo FROM Clientes AS C INNER JOIN (SELECT TOP 1 CodigoDoCliente FROM Animais ORDER BY DataDeNascimento DESC) AS t "
     "ON C.Codigo = t.CodigoDoCliente",
     "L3"},
    {"subquery_in_having",
     "SELECT CodigoDoCliente FROM Animais GROUP BY CodigoDoCliente HAVING Count(*) > (SELECT Count(*) FROM Animais WHERE CodigoDoCliente = 1)",
     "L3"},
};
INSTANTIATE_TEST_SUITE_P(Subqueries, QueryForm, ::testing::ValuesIn(kSubqueries),
                         [](const auto& info) { return std::string(info.param.name); });

const FormCase kDerived[] = {
    {"derived_table_filtered_by_its_column",
     "SELECT t.Cliente, t.N FROM (SELECT CodigoDoCliente AS Cliente, Count(*) AS N FROM Animais GROUP BY CodigoDoCliente) AS t "
     "WHERE t.N > 1 ORDER BY t.Cliente",
     "L1|L2;L3|L3"},
    {"derived_table_joined_to_a_table",
     "SELECT C.NomeOuRazaoSocial, t.N FROM Clientes AS C INNER JOIN (SELECT CodigoDoCliente, Count(*) AS N FROM Animais GROUP BY CodigoDoCliente) t "
     "ON C.Codigo = t.CodigoDoCliente WHERE C.Codigo <= 3 ORDER BY t.N DESC",
     "'carla'|L3;'Ana'|L2;'Bruno'|L1"},
    {"star_of_a_derived_table_keeps_types", "SELECT * FROM (SELECT Nome, Valor, Valor * 2 AS Dobro FROM Servicos WHERE Codigo = 2) AS s",
     "'Vacina'|C80.5|C161"},
    {"derived_table_of_a_union",
     "SELECT Count(*) AS N FROM (SELECT Nome FROM Animais UNION SELECT Nome FROM EspeciesDeAnimais) AS u", "L10"},
    {"grouped_over_a_derived_table",
     "SELECT u.Cidade, Sum(u.N) AS Total FROM (SELECT C.Cidade, (SELECT Count(*) FROM Animais WHERE CodigoDoCliente = C.Codigo) AS N "
     "FROM Clientes AS C) AS u GROUP BY u.Cidade ORDER BY u.Cidade",
     "Null|L0;'Olinda'|L1;'Paulista'|L1;'Recife'|L5"},
};
INSTANTIATE_TEST_SUITE_P(DerivedTables, QueryForm, ::testing::ValuesIn(kDerived),
                         [](const auto& info) { return std::string(info.param.name); });

const FormCase kGrouping[] = {
    {"having_on_a_count",
     "SELECT CodigoDoCliente, Count(*) AS N FROM Animais GROUP BY CodigoDoCliente HAVING Count(*) >= 2 ORDER BY CodigoDoCliente",
     "L1|L2;L3|L3"},
    {"having_on_a_grouped_column", "SELECT Porte FROM Animais GROUP BY Porte HAVING Porte Like 'g%'", "'Grande'"},
    {"grouped_expression_sorted_by_itself",
     "SELECT Year(DataDeNascimento) AS Y, Count(*) AS N FROM Animais GROUP BY Year(DataDeNascimento) ORDER BY Year(DataDeNascimento)",
     "Null|L2;I2018|L1;I2019|L1;I2020|L1;I2021|L1;I2022|L1"},
    {"grouped_column_inside_an_expression",
     "SELECT Sexo & '-' & Count(*) AS X FROM Animais WHERE Codigo < 6 GROUP BY Sexo ORDER BY Sexo", "'F-2';'M-3'"},
    {"outer_column_in_a_grouped_select_subquery",
     "SELECT CodigoDoCliente, (SELECT Cidade FROM Clientes WHERE Codigo = Animais.CodigoDoCliente) AS Cidade, Count(*) AS N "
     "FROM Animais GROUP BY CodigoDoCliente ORDER BY CodigoDoCliente",
     "L1|'Recife'|L2;L2|'Olinda'|L1;L3|'Recife'|L3;L5|'Paulista'|L1"},
    {"constants_beside_aggregates", "SELECT 'Total' AS T, 1 + 1 AS Dois, Count(*) AS N FROM Animais", "'Total'|L2|L7"},
    {"distinct_folds_case", "SELECT Count(*) AS N FROM (SELECT DISTINCT Sexo FROM Animais) AS t", "L2"},
    {"distinct_sorts_null_first", "SELECT DISTINCT Porte FROM Animais ORDER BY Porte", "Null;'Grande';'Médio';'Pequeno'"},
    {"distinct_keeps_one_of_two_namesakes",
     "SELECT DISTINCT C.NomeOuRazaoSocial FROM Clientes AS C INNER JOIN Animais AS A ON C.Codigo = A.CodigoDoCliente ORDER BY C.NomeOuRazaoSocial",
     "'Ana';'Bruno';'carla'"},
    // DISTINCTROW keeps one row per client row: both clients named Ana stay, each once.
    {"distinctrow_keeps_one_row_per_client_row",
     "SELECT DISTINCTROW C.NomeOuRazaoSocial FROM Clientes AS C INNER JOIN Animais AS A ON C.Codigo = A.CodigoDoCliente ORDER BY C.NomeOuRazaoSocial",
     "'Ana';'Ana';'Bruno';'carla'"},
    {"distinctrow_on_one_table_keeps_every_row", "SELECT DISTINCTROW Porte FROM Animais WHERE Sexo = 'M' ORDER BY Codigo",
     "'Grande';'Grande';'Médio';'Grande'"},
    {"distinctrow_showing_every_table_keeps_every_row",
     "SELECT DISTINCTROW C.Codigo, A.Sexo FROM Clientes AS C INNER JOIN Animais AS A ON C.Codigo = A.CodigoDoCliente WHERE C.Codigo = 3 ORDER BY A.Codigo",
     "L3|'F';L3|'M';L3|'f'"},
};
INSTANTIATE_TEST_SUITE_P(GroupsAndDistinct, QueryForm, ::testing::ValuesIn(kGrouping),
                         [](const auto& info) { return std::string(info.param.name); });

// Prices 100, 80.5, 45, 55.25 and one Null; owners 1, 1, 2, 3, 3, 3, 5.
const FormCase kAggregates[] = {
    {"aggregates_ignore_null_and_keep_currency",
     "SELECT Count(Valor) AS A, Count(*) AS B, Sum(Valor) AS C, Avg(Valor) AS D, Min(Valor) AS E, Max(Valor) AS F FROM Servicos",
     "L4|L5|C280.75|C70.1875|C45|C100"},
    {"first_and_last_skip_null", "SELECT First(Valor) AS A, Last(Valor) AS B, First(Custo) AS C, Last(Custo) AS D FROM Servicos",
     "C100|C55.25|C40|C20"},
    {"variance_of_the_sample_and_of_the_population", "SELECT VarP(Valor) AS A, Var(Custo) AS B, StDevP(Custo) * StDevP(Custo) AS C FROM Servicos",
     "F463.16796875|F100|F66.6666666666667"},
    {"no_rows_give_null_but_count_zero",
     "SELECT Sum(Valor) AS A, Count(*) AS B, Avg(Valor) AS C, Max(Nome) AS D, First(Nome) AS E, StDev(Valor) AS F, VarP(Valor) AS G "
     "FROM Servicos WHERE Codigo > 99",
     "Null|L0|Null|Null|Null|Null|Null"},
    {"one_value_has_no_sample_deviation", "SELECT StDev(Valor) AS A, Var(Valor) AS B, StDevP(Valor) AS C, VarP(Valor) AS D FROM Servicos WHERE Codigo = 1",
     "Null|Null|F0|F0"},
    {"sum_of_whole_numbers_is_long_and_their_average_double", "SELECT Sum(CodigoDoCliente) AS S, Avg(CodigoDoCliente) AS A FROM Animais",
     "L18|F2.57142857142857"},
    {"min_and_max_of_dates_and_texts", "SELECT Min(DataDeNascimento) AS A, Max(Nome) AS B, Min(Nome) AS C FROM Animais",
     "D2018-02-14 00:00:00|'Toby'|'Bidu'"},
    {"first_and_last_of_each_group",
     "SELECT CodigoDoCliente, First(Nome) AS A, Last(Nome) AS B FROM Animais GROUP BY CodigoDoCliente ORDER BY CodigoDoCliente",
     "L1|'Rex'|'Mia';L2|'Thor'|'Thor';L3|'Luna'|'Nina';L5|'Toby'|'Toby'"},
};
INSTANTIATE_TEST_SUITE_P(Aggregates, QueryForm, ::testing::ValuesIn(kAggregates),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Aggregates, StandardDeviationsOfTheSampleAndOfThePopulation) {
    Practice p;
    const auto r = p.session->execute("SELECT StDev(Valor) AS S, StDevP(Valor) AS P FROM Servicos");
    ASSERT_EQ(r.rows.cells.size(), 2u);
    ASSERT_EQ(r.rows.cells[0].type(), platform::VarType::Double);
    // Deviations from the mean 70.1875 squared add up to 1852.671875.
    EXPECT_NEAR(r.rows.cells[0].asDouble(), std::sqrt(1852.671875 / 3), 1e-12);
    EXPECT_NEAR(r.rows.cells[1].asDouble(), std::sqrt(1852.671875 / 4), 1e-12);
}

// ---- the grouping check ---------------------------------------------------------------------

struct RefusalCase {
    const char* name;
    const char* jet;
    const char* description;
};

std::ostream& operator<<(std::ostream& os, const RefusalCase& c) { return os << c.name; }

class Refused : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(Refused, WithJetsNumberAndText) {
    Practice p;
    const auto raised = testing::errorOf(*p.session, GetParam().jet);
    EXPECT_EQ(raised.number, -2147217900);
    EXPECT_EQ(raised.description, GetParam().description);
}

#define NOT_GROUPED(what) \
    "You tried to execute a query that does not include the specified expression '" what "' as part of an aggregate function."

const RefusalCase kGroupingRefusals[] = {
    {"aggregate_beside_a_column_without_group_by", "SELECT Nome, Count(*) AS N FROM Animais", NOT_GROUPED("Nome")},
    {"column_not_in_group_by_as_written", "SELECT Animais.Porte, Count(*) AS N FROM Animais GROUP BY Sexo",
     NOT_GROUPED("Animais.Porte")},
    {"bracketed_column", "SELECT [Animais].[Porte] FROM Animais GROUP BY Sexo", NOT_GROUPED("[Animais].[Porte]")},
    {"order_by_a_column_not_grouped", "SELECT Sexo, Count(*) AS N FROM Animais GROUP BY Sexo ORDER BY Nome", NOT_GROUPED("Nome")},
    {"having_on_a_column_not_grouped", "SELECT Sexo FROM Animais GROUP BY Sexo HAVING Porte = 'Grande'", NOT_GROUPED("Porte")},
    {"column_beside_an_aggregate_in_one_expression", "SELECT Sexo, Sum(Codigo) + Codigo AS X FROM Animais GROUP BY Sexo",
     NOT_GROUPED("Codigo")},
    {"grouped_by_another_expression_of_it",
     "SELECT Year(DataDeNascimento) AS Y, Count(*) AS N FROM Animais GROUP BY Month(DataDeNascimento)",
     NOT_GROUPED("DataDeNascimento")},
    {"order_by_an_aggregate_makes_it_grouped", "SELECT Nome FROM Animais ORDER BY Count(*)", NOT_GROUPED("Nome")},
    {"in_a_subquery_of_its_own",
     "SELECT Codigo FROM Clientes WHERE Codigo IN (SELECT CodigoDoCliente FROM Animais HAVING Count(*) > 1)",
     NOT_GROUPED("CodigoDoCliente")},
    {"in_a_derived_table", "SELECT * FROM (SELECT Sexo, Porte FROM Animais GROUP BY Sexo) AS t", NOT_GROUPED("Porte")},
    {"crosstab_value_outside_its_aggregate", "TRANSFORM Count(*) + Codigo SELECT Sexo FROM Animais GROUP BY Sexo PIVOT Porte",
     NOT_GROUPED("Codigo")},
};
INSTANTIATE_TEST_SUITE_P(GroupingCheck, Refused, ::testing::ValuesIn(kGroupingRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

const RefusalCase kOtherRefusals[] = {
    {"aggregate_in_where", "SELECT Nome FROM Animais WHERE Count(*) > 1",
     "Cannot have aggregate function in WHERE clause (character 32)."},
    {"aggregate_in_group_by", "SELECT Count(*) AS N FROM Animais GROUP BY Count(*)",
     "Cannot have aggregate function in GROUP BY clause (character 44)."},
    {"two_columns_for_in", "SELECT Nome FROM Animais WHERE Codigo IN (SELECT Codigo, Nome FROM Animais)",
     "You have written a subquery that can return more than one field without using the EXISTS reserved word in the main "
     "query's FROM clause. Revise the SELECT statement of the subquery to request only one field (character 32)."},
    {"two_columns_for_a_value", "SELECT (SELECT * FROM EspeciesDeAnimais) AS X",
     "You have written a subquery that can return more than one field without using the EXISTS reserved word in the main "
     "query's FROM clause. Revise the SELECT statement of the subquery to request only one field (character 8)."},
    {"crosstab_without_group_by", "TRANSFORM Count(*) SELECT Count(*) AS N FROM Animais PIVOT Sexo",
     "A crosstab query needs a GROUP BY clause (character 1)."},
    {"crosstab_value_not_an_aggregate", "TRANSFORM Nome SELECT Sexo FROM Animais GROUP BY Sexo PIVOT Porte",
     "The TRANSFORM value of a crosstab query must be an aggregate function (character 11)."},
    {"crosstab_pivot_list_of_expressions", "TRANSFORM Count(*) SELECT Sexo FROM Animais GROUP BY Sexo PIVOT Porte IN (Nome)",
     "The values after PIVOT ... IN must be constants."},
    {"an_unknown_column_inside_a_subquery", "SELECT Nome FROM Animais WHERE EXISTS (SELECT Nada FROM Clientes)",
     "Unknown field 'Nada' (character 47)."},
    {"a_derived_table_does_not_see_its_siblings",
     "SELECT * FROM Clientes AS C, (SELECT Nome FROM Animais WHERE CodigoDoCliente = C.Codigo) AS t",
     "Unknown table 'C' in the field 'C.Codigo' (character 80)."},
};
INSTANTIATE_TEST_SUITE_P(Other, Refused, ::testing::ValuesIn(kOtherRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SubqueryRows, AValueSubqueryOfSeveralRowsFailsAsTheStatementRuns) {
    Practice p;
    const auto raised = testing::errorOf(*p.session, "SELECT Codigo, (SELECT Nome FROM Animais WHERE CodigoDoCliente = Clientes.Codigo) AS N FROM Clientes");
    EXPECT_EQ(raised.number, -2147467259);
    EXPECT_EQ(raised.description, "At most one record can be returned by this subquery.");
    // The same subquery where each client has one animal at most.
    const auto r = p.session->execute(
        "SELECT Codigo, (SELECT Nome FROM Animais WHERE CodigoDoCliente = Clientes.Codigo) AS N FROM Clientes WHERE Codigo IN (2, 4, 5) ORDER BY Codigo");
    EXPECT_EQ(testing::render(r.rows), "L2|'Thor';L4|Null;L5|'Toby'");
}

TEST(GroupingCheck, AcceptsAnAggregateSortedByItselfBesideGroupedColumns) {
    // The shape of the library's own grouped listings.
    Practice p;
    const auto r = p.session->execute(
        "SELECT Animais.Sexo, COUNT(Animais.Codigo) AS N FROM Animais GROUP BY Animais.Sexo ORDER BY COUNT(Animais.Codigo) DESC, Animais.Sexo");
    EXPECT_EQ(testing::render(r.rows), "'M'|L4;'F'|L3");
}

// ---- crosstabs ------------------------------------------------------------------------------

struct CrosstabCase {
    const char* name;
    const char* jet;
    const char* fields;
    const char* rows;
};

std::ostream& operator<<(std::ostream& os, const CrosstabCase& c) { return os << c.name; }

class Crosstab : public ::testing::TestWithParam<CrosstabCase> {};

TEST_P(Crosstab, OneFieldPerPivotValue) {
    Practice p;
    const auto r = p.session->execute(GetParam().jet);
    ASSERT_TRUE(r.returnsRows);
    EXPECT_EQ(fieldNames(r.rows), GetParam().fields);
    EXPECT_EQ(testing::render(r.rows), GetParam().rows) << p.session->translate(GetParam().jet).native;
}

const CrosstabCase kCrosstabs[] = {
    // 'F' and 'f' are one value; a cell without rows is Null, a count's as well.
    {"count_by_size_and_sex", "TRANSFORM Count(*) SELECT Porte FROM Animais WHERE Porte Is Not Null GROUP BY Porte ORDER BY Porte PIVOT Sexo",
     "Porte,F,M", "'Grande'|Null|L3;'Médio'|Null|L1;'Pequeno'|L2|Null"},
    {"listed_values_in_their_order_even_without_rows",
     "TRANSFORM Count(Codigo) AS Quantos SELECT Porte FROM Animais WHERE Porte Is Not Null GROUP BY Porte ORDER BY Porte PIVOT Sexo IN ('M', 'F', 'X')",
     "Porte,M,F,X", "'Grande'|L3|Null|Null;'Médio'|L1|Null|Null;'Pequeno'|Null|L2|Null"},
    {"sum_of_currency_with_numbers_as_field_names",
     "TRANSFORM Sum(Valor) SELECT Situacao FROM Servicos GROUP BY Situacao PIVOT NumeroDoTipoDeServico", "Situacao,1,2,3",
     "I1|C100|C80.5|C100.25"},
    {"a_null_pivot_value_comes_first_as_angle_brackets",
     "TRANSFORM Count(Codigo) SELECT CodigoDoCliente FROM Animais WHERE CodigoDoCliente = 3 GROUP BY CodigoDoCliente PIVOT CodigoDaEspecie",
     "CodigoDoCliente,<>,1,2", "L3|L1|L1|L1"},
    {"numbers_in_numeric_order", "TRANSFORM Count(*) SELECT Situacao FROM Servicos GROUP BY Situacao PIVOT NumeroDoTipoDeServico * 5",
     "Situacao,5,10,15", "I1|L2|L1|L2"},
    {"texts_in_jets_text_order", "TRANSFORM Count(*) SELECT Sexo FROM Animais WHERE Sexo = 'M' GROUP BY Sexo PIVOT Porte",
     "Sexo,Grande,Médio", "'M'|L3|L1"},
    {"the_select_keeps_its_own_aggregates",
     "TRANSFORM Max(Nome) SELECT CodigoDoCliente, Count(*) AS Total FROM Animais WHERE CodigoDoCliente < 3 GROUP BY CodigoDoCliente "
     "ORDER BY CodigoDoCliente PIVOT Sexo",
     "CodigoDoCliente,Total,F,M", "L1|L2|'Mia'|'Rex';L2|L1|Null|'Thor'"},
    {"nz_turns_empty_cells_into_zero",
     "TRANSFORM Nz(Count(*), 0) SELECT Porte FROM Animais WHERE Porte = 'Médio' GROUP BY Porte PIVOT Sexo IN ('F', 'M')",
     "Porte,F,M", "'Médio'|L0|L1"},
    {"pivot_on_a_yes_no_and_on_a_joined_table",
     "TRANSFORM Count(*) SELECT E.Nome FROM Animais AS A INNER JOIN EspeciesDeAnimais AS E ON A.CodigoDaEspecie = E.Codigo "
     "GROUP BY E.Nome ORDER BY E.Nome PIVOT A.Pedigree",
     "Nome,-1,0", "'Canina'|L2|L2;'Felina'|Null|L2"},
    {"pivot_by_year_of_a_date", "TRANSFORM Count(*) SELECT Sexo FROM Animais WHERE Sexo = 'M' GROUP BY Sexo PIVOT Year(DataDeNascimento)",
     "Sexo,2018,2019,2020,2022", "'M'|L1|L1|L1|L1"},
    {"no_rows_no_pivot_fields", "TRANSFORM Count(*) SELECT Sexo FROM Animais WHERE Codigo > 99 GROUP BY Sexo PIVOT Porte", "Sexo", ""},
};
INSTANTIATE_TEST_SUITE_P(Forms, Crosstab, ::testing::ValuesIn(kCrosstabs),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CrosstabText, IsOneGroupedSelectWithACellPerValue) {
    Practice p;
    EXPECT_EQ(p.session->translate("TRANSFORM Sum(Valor) SELECT Situacao FROM Servicos GROUP BY Situacao PIVOT Nome IN ('Banho')").native,
              "SELECT \"Servicos\".\"Situacao\" AS \"Situacao\", SUM(CASE WHEN \"Servicos\".\"Nome\" = 'Banho' COLLATE JETTEXT "
              "THEN \"Servicos\".\"Valor\" END) AS \"Banho\" FROM \"Servicos\" GROUP BY \"Servicos\".\"Situacao\"");
}

TEST(CrosstabText, MorePivotValuesThanFieldsAreRefused) {
    Practice p;
    p.native("WITH RECURSIVE n(i) AS (SELECT 10 UNION ALL SELECT i + 1 FROM n WHERE i < 400) "
             "INSERT INTO Servicos (Codigo, Nome, NumeroDoTipoDeServico) SELECT i, 'S' || i, i FROM n;");
    const auto raised = testing::errorOf(
        *p.session, "TRANSFORM Count(*) SELECT Situacao FROM Servicos GROUP BY Situacao PIVOT NumeroDoTipoDeServico");
    EXPECT_EQ(raised.number, -2147217900);
    EXPECT_NE(raised.description.find("more than 255 fields"), std::string::npos) << raised.description;
    // 250 values still fit beside the one row heading.
    const auto r = p.session->execute(
        "TRANSFORM Count(*) SELECT Situacao FROM Servicos WHERE NumeroDoTipoDeServico < 254 GROUP BY Situacao PIVOT NumeroDoTipoDeServico");
    EXPECT_EQ(r.rows.columns.size(), 1u + 3u + 244u);
}

// ---- texts and limits -----------------------------------------------------------------------

TEST(SubqueryText, AnyIsWrittenWithExistsAndKeepsTheNullRule) {
    Practice p;
    EXPECT_EQ(p.session->translate("SELECT Nome FROM Servicos WHERE Valor > ANY (SELECT Custo FROM Servicos)").native,
              "SELECT \"Servicos\".\"Nome\" AS \"Nome\" FROM \"Servicos\" WHERE (CASE WHEN EXISTS (SELECT 1 FROM (SELECT "
              "\"Servicos\".\"Custo\" AS \"c0\" FROM \"Servicos\") AS \"jet_q\" WHERE (\"Servicos\".\"Valor\" > \"jet_q\".\"c0\")) "
              "THEN 1 WHEN EXISTS (SELECT 1 FROM (SELECT \"Servicos\".\"Custo\" AS \"c0\" FROM \"Servicos\") AS \"jet_q\" WHERE "
              "(\"Servicos\".\"Valor\" > \"jet_q\".\"c0\") IS NULL) THEN NULL ELSE 0 END)");
}

TEST(SubqueryText, DistinctRowGroupsByTheShownTablesRows) {
    Practice p;
    EXPECT_EQ(p.session->translate("SELECT DISTINCTROW C.Cidade FROM Clientes AS C INNER JOIN Animais AS A ON C.Codigo = A.CodigoDoCliente").native,
              "SELECT \"C\".\"Cidade\" AS \"Cidade\" FROM \"Clientes\" AS \"C\" INNER JOIN \"Animais\" AS \"A\" ON \"C\".\"Codigo\" = "
              "\"A\".\"CodigoDoCliente\" GROUP BY \"C\"._rowid_");
}

TEST(SubqueryLimits, DeeplyNestedSubqueriesAreRefusedOnASmallStack) {
    Practice p;
    std::string deep = "SELECT Nome FROM Animais WHERE Codigo IN (";
    for (int i = 0; i < 200; ++i) deep += "SELECT Codigo FROM Animais WHERE Codigo IN (";
    deep += "SELECT 1 FROM Animais";
    for (int i = 0; i <= 200; ++i) deep += ")";
    testing::Raised raised;
    const std::size_t used = testing::runOnSmallStack([&] { raised = testing::errorOf(*p.session, deep); });
    EXPECT_EQ(raised.number, -2147217900);
    EXPECT_NE(raised.description.find("too complex"), std::string::npos) << raised.description;
    EXPECT_LT(used, testing::kSmallStack / 2);

    std::string shallow = "SELECT Nome FROM Animais WHERE Codigo IN (";
    for (int i = 0; i < 5; ++i) shallow += "SELECT Codigo FROM Animais WHERE Codigo IN (";
    shallow += "SELECT 1 FROM Animais";
    for (int i = 0; i <= 5; ++i) shallow += ")";
    testing::runOnSmallStack([&] { EXPECT_EQ(testing::render(p.session->execute(shallow).rows), "'Rex'"); });
}

}  // namespace
}  // namespace zolk::jet
