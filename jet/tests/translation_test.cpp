// Jet text in, SQLite text out: one case per dialect feature, run by one helper.
#include <gtest/gtest.h>

#include "jet/tests/jet_test_support.h"

namespace zolk::jet {
namespace {

struct TranslationCase {
    const char* name;
    const char* jet;
    const char* native;
};

std::ostream& operator<<(std::ostream& os, const TranslationCase& c) { return os << c.name; }

class Translates : public ::testing::TestWithParam<TranslationCase> {};

TEST_P(Translates, ToSqlite) {
    testing::TempDatabase db;
    auto s = db.create(testing::sampleScripts());
    const auto t = s->translate(GetParam().jet);
    EXPECT_EQ(t.native, GetParam().native);
    // What is printed must also run.
    EXPECT_NO_THROW(s->execute(GetParam().jet)) << t.native;
}

const TranslationCase kCases[] = {
    {"text_equality_uses_jet_collation", "SELECT Nome FROM Pessoas WHERE Nome = 'joão'",
     R"(SELECT "Pessoas"."Nome" AS "Nome" FROM "Pessoas" WHERE "Pessoas"."Nome" = 'joão' COLLATE JETTEXT)"},
    {"names_in_any_case", "select nome from PESSOAS where CODIGO = 1",
     R"(SELECT "Pessoas"."Nome" AS "Nome" FROM "Pessoas" WHERE "Pessoas"."Codigo" = 1)"},
    {"bracketed_and_qualified_names", "SELECT [Pessoas.Nome], [Pessoas].[Apelido] FROM Pessoas;",
     R"(SELECT "Pessoas"."Nome" AS "Nome", "Pessoas"."Apelido" AS "Apelido" FROM "Pessoas")"},
    {"table_alias", "SELECT P.Nome FROM Pessoas AS P WHERE P.Codigo = 1",
     R"(SELECT "P"."Nome" AS "Nome" FROM "Pessoas" AS "P" WHERE "P"."Codigo" = 1)"},
    {"top_without_order_is_a_limit", "SELECT TOP 2 Codigo FROM Pessoas",
     R"(SELECT "Pessoas"."Codigo" AS "Codigo" FROM "Pessoas" LIMIT 2)"},
    {"top_with_order_keeps_ties", "SELECT TOP 2 Numero FROM Pedidos ORDER BY Valor DESC;",
     R"(SELECT "c0" AS "Numero" FROM (SELECT * FROM (SELECT "Pedidos"."Numero" AS "c0", "Pedidos"."Valor" AS "jet_k0" FROM "Pedidos" ORDER BY "jet_k0" DESC LIMIT 2) WHERE NOT (("jet_k0") IS (SELECT "jet_k0" FROM (SELECT "Pedidos"."Valor" AS "jet_k0" FROM "Pedidos") ORDER BY "jet_k0" DESC LIMIT 1 OFFSET 2 - 1)) UNION ALL SELECT * FROM (SELECT "Pedidos"."Numero" AS "c0", "Pedidos"."Valor" AS "jet_k0" FROM "Pedidos") WHERE ("jet_k0") IS (SELECT "jet_k0" FROM (SELECT "Pedidos"."Valor" AS "jet_k0" FROM "Pedidos") ORDER BY "jet_k0" DESC LIMIT 1 OFFSET 2 - 1)) AS "jet_top" ORDER BY "jet_k0" DESC)"},
    {"top_on_the_primary_key_is_a_limit", "SELECT TOP 2 Numero FROM Pedidos ORDER BY Numero DESC;",
     R"(SELECT "Pedidos"."Numero" AS "Numero" FROM "Pedidos" ORDER BY "Pedidos"."Numero" DESC LIMIT 2)"},
    {"ampersand_turns_numbers_into_regional_text", "SELECT Nome & ' ' & Saldo AS X FROM Pessoas",
     R"(SELECT jet_concat("Pessoas"."Nome", ' ', jet_text("Pessoas"."Saldo", 'C')) AS "X" FROM "Pessoas")"},
    {"true_is_minus_one", "SELECT Nome FROM Pessoas WHERE Ativo = True",
     R"(SELECT "Pessoas"."Nome" AS "Nome" FROM "Pessoas" WHERE "Pessoas"."Ativo" = (-1))"},
    {"yes_no_column_as_condition", "SELECT Nome FROM Pessoas WHERE Ativo",
     R"(SELECT "Pessoas"."Nome" AS "Nome" FROM "Pessoas" WHERE ("Pessoas"."Ativo") <> 0)"},
    {"iif_is_case", "SELECT IIF(IsNull(Apelido), '', Apelido) AS A FROM Pessoas",
     R"(SELECT CASE WHEN "Pessoas"."Apelido" IS NULL THEN '' ELSE "Pessoas"."Apelido" END AS "A" FROM "Pessoas")"},
    {"switch_has_no_else", "SELECT SWITCH(Ativo=True, 'Sim', Ativo=False, 'Não') AS S FROM Pessoas",
     R"(SELECT CASE WHEN "Pessoas"."Ativo" = (-1) THEN 'Sim' WHEN "Pessoas"."Ativo" = 0 THEN 'Não' END AS "S" FROM "Pessoas")"},
    {"isnull_as_a_value", "SELECT IsNull(Apelido) AS X FROM Pessoas",
     R"(SELECT -("Pessoas"."Apelido" IS NULL) AS "X" FROM "Pessoas")"},
    {"date_literal_month_first", "SELECT Numero FROM Pedidos WHERE Data = #05/15/2024#",
     R"(SELECT "Pedidos"."Numero" AS "Numero" FROM "Pedidos" WHERE jet_date("Pedidos"."Data") = '2024-05-15 00:00:00')"},
    {"date_literal_month_first_when_both_fit", "SELECT Numero FROM Pedidos WHERE Data = #05/06/2024 10:00:00#",
     R"(SELECT "Pedidos"."Numero" AS "Numero" FROM "Pedidos" WHERE jet_date("Pedidos"."Data") = '2024-05-06 10:00:00')"},
    {"date_literal_day_first_fallback", "SELECT Numero FROM Pedidos WHERE Data < #15/05/2024 10:30:00#",
     R"(SELECT "Pedidos"."Numero" AS "Numero" FROM "Pedidos" WHERE jet_date("Pedidos"."Data") < '2024-05-15 10:30:00')"},
    {"date_literal_iso", "SELECT Numero FROM Pedidos WHERE Data >= #2024-05-15#",
     R"(SELECT "Pedidos"."Numero" AS "Numero" FROM "Pedidos" WHERE jet_date("Pedidos"."Data") >= '2024-05-15 00:00:00')"},
    {"quoted_text_compared_with_a_date_is_read_day_first", "SELECT Numero FROM Pedidos WHERE Data = '05/06/2024'",
     R"(SELECT "Pedidos"."Numero" AS "Numero" FROM "Pedidos" WHERE jet_date("Pedidos"."Data") = '2024-06-05 00:00:00')"},
    {"format_knows_a_date", "SELECT FORMAT([Pedidos.Data],'DD/MM/YYYY') AS D FROM Pedidos",
     R"(SELECT jet_format("Pedidos"."Data", 'DD/MM/YYYY', 'D') AS "D" FROM "Pedidos")"},
    {"month_and_year", "SELECT Numero FROM Pedidos WHERE (((Month(Pedidos.Data))=5) AND ((Year(Pedidos.Data))=2024))",
     R"(SELECT "Pedidos"."Numero" AS "Numero" FROM "Pedidos" WHERE (CAST(strftime('%m', "Pedidos"."Data") AS INTEGER) = 5 AND CAST(strftime('%Y', "Pedidos"."Data") AS INTEGER) = 2024))"},
    {"today_and_format_comparison", "SELECT Numero FROM Pedidos WHERE (Format(Pedidos.Data,'yyyy/mm/dd') < Format(Date(),'yyyy/mm/dd'))",
     R"(SELECT "Pedidos"."Numero" AS "Numero" FROM "Pedidos" WHERE jet_format("Pedidos"."Data", 'yyyy/mm/dd', 'D') < jet_format((date('now', 'localtime') || ' 00:00:00'), 'yyyy/mm/dd', 'D') COLLATE JETTEXT)"},
    {"now_without_parentheses", " SELECT NOW AS DataHoraDoServidor ",
     R"(SELECT datetime('now', 'localtime') AS "DataHoraDoServidor")"},
    {"identity", "SELECT @@Identity", R"(SELECT last_insert_rowid() AS "Expr1000")"},
    {"like_and_null_tests", "SELECT Codigo FROM Pessoas WHERE Nome LIKE '%jo%' AND Apelido Is Not Null AND Notas IS Null",
     R"(SELECT "Pessoas"."Codigo" AS "Codigo" FROM "Pessoas" WHERE ("Pessoas"."Nome" LIKE '%jo%' AND "Pessoas"."Apelido" IS NOT NULL AND "Pessoas"."Notas" IS NULL))"},
    {"in_and_between", "SELECT Codigo FROM Pessoas WHERE Nome IN ('a','b') AND Codigo BETWEEN 1 AND 3",
     R"(SELECT "Pessoas"."Codigo" AS "Codigo" FROM "Pessoas" WHERE (("Pessoas"."Nome" COLLATE JETTEXT IN ('a', 'b')) AND ("Pessoas"."Codigo" BETWEEN 1 AND 3)))"},
    {"trim_blanks_and_double_quoted_texts", R"(SELECT IIf(Trim(Apelido)<>"", Apelido & " ", "") AS X FROM Pessoas)",
     R"(SELECT CASE WHEN trim("Pessoas"."Apelido", ' ') <> '' COLLATE JETTEXT THEN jet_concat("Pessoas"."Apelido", ' ') ELSE '' END AS "X" FROM "Pessoas")"},
    // Division is VB's (a zero divisor fails the statement); the product of numbers stays SQL's.
    {"division_is_double", "SELECT Valor / 100 * 10 AS C FROM Pedidos",
     R"(SELECT (jet_op('/', "Pedidos"."Valor", 'C', 100, 'L') * 10) AS "C" FROM "Pedidos")"},
    {"power_binds_before_unary_minus", "SELECT -10^2 AS P, 2^-1 AS Q",
     R"(SELECT -jet_op('^', 10, 'L', 2, 'L') AS "P", jet_op('^', 2, 'L', (-1), 'L') AS "Q")"},
    {"text_operand_goes_through_vb_arithmetic", "SELECT Codigo - Apelido AS D FROM Pessoas WHERE Apelido Is Null",
     R"(SELECT jet_op('-', "Pessoas"."Codigo", 'L', "Pessoas"."Apelido", 'T') AS "D" FROM "Pessoas" WHERE "Pessoas"."Apelido" IS NULL)"},
    {"between_literal_bounds_in_order", "SELECT Codigo FROM Pessoas WHERE Codigo BETWEEN 3 AND 1",
     R"(SELECT "Pessoas"."Codigo" AS "Codigo" FROM "Pessoas" WHERE ("Pessoas"."Codigo" BETWEEN 1 AND 3))"},
    {"between_other_bounds_ordered_when_run", "SELECT Codigo FROM Pessoas WHERE Nome BETWEEN Apelido AND 'b'",
     R"(SELECT "Pessoas"."Codigo" AS "Codigo" FROM "Pessoas" WHERE ("Pessoas"."Nome" COLLATE JETTEXT BETWEEN min("Pessoas"."Apelido" COLLATE JETTEXT, 'b') AND max("Pessoas"."Apelido" COLLATE JETTEXT, 'b')))"},
    {"platform_function_with_argument_kinds", "SELECT DateAdd('m', 1, Nascimento) AS D FROM Pessoas",
     R"(SELECT jet_dateadd('TLD', 'm', 1, "Pessoas"."Nascimento") AS "D" FROM "Pessoas")"},
    {"asc_is_the_function", "SELECT Asc(Nome) AS A FROM Pessoas ORDER BY Nome ASC",
     R"(SELECT jet_asc('T', "Pessoas"."Nome") AS "A" FROM "Pessoas" ORDER BY "Pessoas"."Nome" COLLATE JETTEXT)"},
    {"choose_works_out_its_index_once", "SELECT Choose(Filhos, 'um', 'dois') AS C FROM Pessoas WHERE Filhos = 1",
     R"(SELECT CASE jet_choose('L', "Pessoas"."Filhos") WHEN 1 THEN 'um' WHEN 2 THEN 'dois' END AS "C" FROM "Pessoas" WHERE "Pessoas"."Filhos" = 1)"},
    {"year_of_a_text_reads_it_as_a_date", "SELECT Year('15/05/2024') AS Y",
     R"(SELECT jet_year('T', '15/05/2024') AS "Y")"},
    {"nested_joins", "SELECT Pessoas.Nome FROM Pessoas INNER JOIN (Pedidos INNER JOIN Itens ON Pedidos.Numero = Itens.NumeroDoPedido) ON Pessoas.Codigo = Pedidos.CodigoDaPessoa",
     R"(SELECT "Pessoas"."Nome" AS "Nome" FROM "Pessoas" INNER JOIN ("Pedidos" INNER JOIN "Itens" ON "Pedidos"."Numero" = "Itens"."NumeroDoPedido") ON "Pessoas"."Codigo" = "Pedidos"."CodigoDaPessoa")"},
    {"comma_join_beside_a_join", "SELECT Pessoas.Nome FROM Pessoas, Pedidos INNER JOIN Itens ON Pedidos.Numero = Itens.NumeroDoPedido WHERE Pessoas.Codigo = Pedidos.CodigoDaPessoa",
     R"(SELECT "Pessoas"."Nome" AS "Nome" FROM "Pessoas", "Pedidos" INNER JOIN "Itens" ON "Pedidos"."Numero" = "Itens"."NumeroDoPedido" WHERE "Pessoas"."Codigo" = "Pedidos"."CodigoDaPessoa")"},
    {"union_ordered_by_alias", "SELECT Numero AS N FROM Pedidos WHERE Pago=True UNION SELECT Codigo AS N FROM Pessoas WHERE Ativo=False ORDER BY N DESC;",
     R"(SELECT "Pedidos"."Numero" AS "N" FROM "Pedidos" WHERE "Pedidos"."Pago" = (-1) UNION SELECT "Pessoas"."Codigo" AS "N" FROM "Pessoas" WHERE "Pessoas"."Ativo" = 0 ORDER BY 1 DESC)"},
    {"group_and_order_by_count", "SELECT Descricao, COUNT(Descricao) AS N FROM Pedidos WHERE Descricao <> '' GROUP BY Descricao ORDER BY COUNT(Descricao) DESC, Descricao;",
     R"(SELECT "Pedidos"."Descricao" AS "Descricao", COUNT("Pedidos"."Descricao") AS "N" FROM "Pedidos" WHERE "Pedidos"."Descricao" <> '' COLLATE JETTEXT GROUP BY "Pedidos"."Descricao" COLLATE JETTEXT ORDER BY COUNT("Pedidos"."Descricao") DESC, "Pedidos"."Descricao" COLLATE JETTEXT)"},
    {"count_star_is_named_expr1000", "SELECT COUNT(*) FROM Pedidos WHERE CodigoDaPessoa = 1;",
     R"(SELECT COUNT(*) AS "Expr1000" FROM "Pedidos" WHERE "Pedidos"."CodigoDaPessoa" = 1)"},
    {"delete_star", "DELETE * FROM Itens WHERE Codigo=2;", R"(DELETE FROM "Itens" WHERE "Itens"."Codigo" = 2)"},
    {"insert_reads_a_date_text_day_first", "INSERT INTO Pedidos (CodigoDaPessoa, Data, Pago, Valor) VALUES(1, '05/06/2024', True, 12.50)",
     R"(INSERT INTO "Pedidos" ("CodigoDaPessoa", "Data", "Pago", "Valor") VALUES (1, '2024-06-05 00:00:00', (-1), 12.5))"},
    {"insert_time_alone_and_null_yes_no", "INSERT INTO Pedidos (Data, Pago) VALUES('10:30:00', Null)",
     R"(INSERT INTO "Pedidos" ("Data", "Pago") VALUES ('1899-12-30 10:30:00', 0))"},
    {"update_with_a_date_stamp", "UPDATE Pessoas SET Nome='x', Nascimento='31/12/2024 10:00:00' WHERE Codigo=1;",
     R"(UPDATE "Pessoas" SET "Nome" = 'x', "Nascimento" = '2024-12-31 10:00:00' WHERE "Pessoas"."Codigo" = 1)"},
    {"quote_inside_a_literal_stays_one_literal", "SELECT Codigo FROM Pessoas WHERE Nome LIKE '%a''; DROP TABLE Pessoas; --%'",
     R"(SELECT "Pessoas"."Codigo" AS "Codigo" FROM "Pessoas" WHERE "Pessoas"."Nome" LIKE '%a''; DROP TABLE Pessoas; --%')"},
};

INSTANTIATE_TEST_SUITE_P(Features, Translates, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Translation, WritesAreMarked) {
    testing::TempDatabase db;
    auto s = db.create(testing::sampleScripts());
    EXPECT_FALSE(s->translate("SELECT Nome FROM Pessoas").writes);
    EXPECT_TRUE(s->translate("DELETE * FROM Itens").writes);
    EXPECT_TRUE(s->translate("UPDATE Pessoas SET Nome='a'").writes);
    EXPECT_TRUE(s->translate("INSERT INTO Itens (NumeroDoPedido) VALUES (1)").writes);
}

}  // namespace
}  // namespace zolk::jet
