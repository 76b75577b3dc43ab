// Jet's query forms on a fresh practice database per test, seeded with a few known rows: outer
// joins, subqueries in each position, derived tables, HAVING, DISTINCT and DISTINCTROW, the
// aggregates, the grouping check and crosstab queries.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cmath>
#include <string>
#include <vector>

#include "jet/tests/jet_test_support.h"
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

struct FormCase {
    const char* jet;
    const char* rows;  // testing::render of the rows
};

// Each statement on one practice database holding kSeed: the rows Jet gives.
void expectRows(std::initializer_list<FormCase> cases) {
    Practice p;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.jet);
        EXPECT_EQ(testing::render(p.session->execute(c.jet).rows), c.rows) << p.session->translate(c.jet).native;
    }
}

TEST(QueryForms, OuterJoins) {
    expectRows({
        {"SELECT EspeciesDeAnimais.Nome, Animais.Nome FROM Animais RIGHT OUTER JOIN EspeciesDeAnimais "
         "ON Animais.CodigoDaEspecie = EspeciesDeAnimais.Codigo WHERE Animais.Codigo Is Null", "'Ave'|Null"},
        {"SELECT C.NomeOuRazaoSocial, A.Nome, E.Nome FROM (Clientes AS C LEFT JOIN Animais AS A ON C.Codigo = A.CodigoDoCliente) "
         "LEFT OUTER JOIN EspeciesDeAnimais AS E ON A.CodigoDaEspecie = E.Codigo WHERE C.Codigo IN (3, 4) ORDER BY C.Codigo, A.Codigo",
         "'carla'|'Luna'|'Felina';'carla'|'Bidu'|'Canina';'carla'|'Nina'|Null;'Davi'|Null|Null"},
        {"SELECT E.Nome, C.Cidade FROM EspeciesDeAnimais AS E INNER JOIN (Animais AS A LEFT JOIN Clientes AS C ON A.CodigoDoCliente = C.Codigo) "
         "ON E.Codigo = A.CodigoDaEspecie WHERE A.Codigo IN (2, 7) ORDER BY A.Codigo", "'Felina'|'Recife';'Canina'|'Paulista'"},
        {"SELECT C.Codigo, Count(A.Codigo) AS N FROM Clientes AS C LEFT JOIN Animais AS A ON C.Codigo = A.CodigoDoCliente "
         "GROUP BY C.Codigo ORDER BY C.Codigo", "L1|L2;L2|L1;L3|L3;L4|L0;L5|L1"},
    });
}

TEST(QueryForms, Subqueries) {
    expectRows({
        {"SELECT Codigo FROM Clientes WHERE Codigo IN (SELECT CodigoDoCliente FROM Animais WHERE Sexo = 'f') ORDER BY Codigo", "L1;L3"},
        {"SELECT NomeOuRazaoSocial FROM Clientes WHERE Codigo NOT IN (SELECT CodigoDoCliente FROM Animais)", "'Davi'"},
        {"SELECT C.Codigo FROM Clientes AS C WHERE EXISTS (SELECT * FROM Animais WHERE Animais.CodigoDoCliente = C.Codigo AND Pedigree = True) ORDER BY C.Codigo",
         "L1;L2"},
        {"SELECT Codigo FROM Clientes WHERE NOT EXISTS (SELECT Codigo FROM Animais WHERE CodigoDoCliente = Clientes.Codigo AND Pedigree = True) ORDER BY Codigo",
         "L3;L4;L5"},
        {"SELECT Codigo, (SELECT Count(*) FROM Animais WHERE CodigoDoCliente = Clientes.Codigo) AS N FROM Clientes ORDER BY Codigo",
         "L1|L2;L2|L1;L3|L3;L4|L0;L5|L1"},
        {"SELECT (SELECT Max(Valor) FROM Servicos) AS M, (SELECT Min(DataDeNascimento) FROM Animais) AS D, (SELECT Nome FROM Servicos WHERE Codigo = 99) AS N",
         "C100|D2018-02-14 00:00:00|Null"},
        {"SELECT Nome FROM Servicos WHERE Valor > ANY (SELECT Valor FROM Servicos WHERE NumeroDoTipoDeServico = 3) ORDER BY Codigo",
         "'Consulta';'Vacina';'Tosa'"},
        {"SELECT Nome FROM Servicos WHERE Valor < SOME (SELECT Valor FROM Servicos WHERE NumeroDoTipoDeServico = 3) ORDER BY Codigo", "'Banho'"},
        {"SELECT Nome FROM Servicos WHERE Valor >= ALL (SELECT Valor FROM Servicos WHERE Valor Is Not Null)", "'Consulta'"},
        {"SELECT Codigo FROM Animais WHERE Nome = ANY (SELECT UCase(Nome) FROM Animais WHERE Sexo = 'F') ORDER BY Codigo", "L2;L4;L6"},
        // With no rows ANY is false and ALL true; a Null among the values leaves undecided what no
        // other value decides.
        {"SELECT 5 > ALL (SELECT Custo FROM Servicos WHERE Codigo = 99) AS A, 5 > ANY (SELECT Custo FROM Servicos WHERE Codigo = 99) AS B, "
         "50 > ALL (SELECT Custo FROM Servicos) AS C, 50 > ANY (SELECT Custo FROM Servicos) AS D, 10 > ANY (SELECT Custo FROM Servicos) AS E, "
         "10 > ALL (SELECT Custo FROM Servicos) AS F", "True|False|Null|True|Null|False"},
        {"SELECT Nome FROM Servicos WHERE Codigo IN (SELECT TOP 2 Codigo FROM Servicos ORDER BY Valor DESC) ORDER BY Codigo", "'Consulta';'Vacina'"},
        {"SELECT C.Codigo FROM Clientes AS C INNER JOIN (SELECT TOP 1 CodigoDoCliente FROM Animais ORDER BY DataDeNascimento DESC) AS t "
         "ON C.Codigo = t.CodigoDoCliente", "L3"},
        {"SELECT CodigoDoCliente FROM Animais GROUP BY CodigoDoCliente HAVING Count(*) > (SELECT Count(*) FROM Animais WHERE CodigoDoCliente = 1)", "L3"},
        // Derived tables.
        {"SELECT C.NomeOuRazaoSocial, t.N FROM Clientes AS C INNER JOIN (SELECT CodigoDoCliente, Count(*) AS N FROM Animais GROUP BY CodigoDoCliente) t "
         "ON C.Codigo = t.CodigoDoCliente WHERE t.N > 1 ORDER BY t.N DESC", "'carla'|L3;'Ana'|L2"},
        {"SELECT * FROM (SELECT Nome, Valor, Valor * 2 AS Dobro FROM Servicos WHERE Codigo = 2) AS s", "'Vacina'|C80.5|C161"},
        {"SELECT Count(*) AS N FROM (SELECT Nome FROM Animais UNION SELECT Nome FROM EspeciesDeAnimais) AS u", "L10"},
        {"SELECT u.Cidade, Sum(u.N) AS Total FROM (SELECT C.Cidade, (SELECT Count(*) FROM Animais WHERE CodigoDoCliente = C.Codigo) AS N "
         "FROM Clientes AS C) AS u GROUP BY u.Cidade ORDER BY u.Cidade", "Null|L0;'Olinda'|L1;'Paulista'|L1;'Recife'|L5"},
    });
}

TEST(QueryForms, GroupsAndDistinct) {
    expectRows({
        {"SELECT CodigoDoCliente, Count(*) AS N FROM Animais GROUP BY CodigoDoCliente HAVING Count(*) >= 2 ORDER BY CodigoDoCliente", "L1|L2;L3|L3"},
        {"SELECT Porte FROM Animais GROUP BY Porte HAVING Porte Like 'g%'", "'Grande'"},
        {"SELECT Year(DataDeNascimento) AS Y, Count(*) AS N FROM Animais GROUP BY Year(DataDeNascimento) ORDER BY Year(DataDeNascimento)",
         "Null|L2;I2018|L1;I2019|L1;I2020|L1;I2021|L1;I2022|L1"},
        {"SELECT Sexo & '-' & Count(*) AS X FROM Animais WHERE Codigo < 6 GROUP BY Sexo ORDER BY Sexo", "'F-2';'M-3'"},
        {"SELECT CodigoDoCliente, (SELECT Cidade FROM Clientes WHERE Codigo = Animais.CodigoDoCliente) AS Cidade, Count(*) AS N "
         "FROM Animais GROUP BY CodigoDoCliente ORDER BY CodigoDoCliente", "L1|'Recife'|L2;L2|'Olinda'|L1;L3|'Recife'|L3;L5|'Paulista'|L1"},
        {"SELECT 'Total' AS T, 1 + 1 AS Dois, Count(*) AS N FROM Animais", "'Total'|L2|L7"},
        {"SELECT Count(*) AS N FROM (SELECT DISTINCT Sexo FROM Animais) AS t", "L2"},
        {"SELECT DISTINCT Porte FROM Animais ORDER BY Porte", "Null;'Grande';'Médio';'Pequeno'"},
        // DISTINCTROW keeps one row per row of the tables shown: both clients named Ana stay.
        {"SELECT DISTINCTROW C.NomeOuRazaoSocial FROM Clientes AS C INNER JOIN Animais AS A ON C.Codigo = A.CodigoDoCliente ORDER BY C.NomeOuRazaoSocial",
         "'Ana';'Ana';'Bruno';'carla'"},
        {"SELECT DISTINCTROW Porte FROM Animais WHERE Sexo = 'M' ORDER BY Codigo", "'Grande';'Grande';'Médio';'Grande'"},
        {"SELECT DISTINCTROW C.Codigo, A.Sexo FROM Clientes AS C INNER JOIN Animais AS A ON C.Codigo = A.CodigoDoCliente WHERE C.Codigo = 3 ORDER BY A.Codigo",
         "L3|'F';L3|'M';L3|'f'"},
    });
}

// Prices 100, 80.5, 45, 55.25 and one Null; owners 1, 1, 2, 3, 3, 3, 5.
TEST(QueryForms, Aggregates) {
    expectRows({
        {"SELECT Count(Valor) AS A, Count(*) AS B, Sum(Valor) AS C, Avg(Valor) AS D, Min(Valor) AS E, Max(Valor) AS F FROM Servicos",
         "L4|L5|C280.75|C70.1875|C45|C100"},
        {"SELECT First(Valor) AS A, Last(Valor) AS B, First(Custo) AS C, Last(Custo) AS D FROM Servicos", "C100|C55.25|C40|C20"},
        {"SELECT VarP(Valor) AS A, Var(Custo) AS B, StDevP(Custo) * StDevP(Custo) AS C FROM Servicos", "F463.16796875|F100|F66.6666666666667"},
        {"SELECT Sum(Valor) AS A, Count(*) AS B, Avg(Valor) AS C, Max(Nome) AS D, First(Nome) AS E, StDev(Valor) AS F, VarP(Valor) AS G "
         "FROM Servicos WHERE Codigo > 99", "Null|L0|Null|Null|Null|Null|Null"},
        {"SELECT StDev(Valor) AS A, Var(Valor) AS B, StDevP(Valor) AS C, VarP(Valor) AS D FROM Servicos WHERE Codigo = 1", "Null|Null|F0|F0"},
        {"SELECT Sum(CodigoDoCliente) AS S, Avg(CodigoDoCliente) AS A FROM Animais", "L18|F2.57142857142857"},
        {"SELECT Min(DataDeNascimento) AS A, Max(Nome) AS B, Min(Nome) AS C FROM Animais", "D2018-02-14 00:00:00|'Toby'|'Bidu'"},
        {"SELECT CodigoDoCliente, First(Nome) AS A, Last(Nome) AS B FROM Animais GROUP BY CodigoDoCliente ORDER BY CodigoDoCliente",
         "L1|'Rex'|'Mia';L2|'Thor'|'Thor';L3|'Luna'|'Nina';L5|'Toby'|'Toby'"},
    });
    Practice p;
    const auto r = p.session->execute("SELECT StDev(Valor) AS S, StDevP(Valor) AS P FROM Servicos");
    // Deviations from the mean 70.1875 squared add up to 1852.671875.
    EXPECT_NEAR(r.rows.cells.at(0).asDouble(), std::sqrt(1852.671875 / 3), 1e-12);
    EXPECT_NEAR(r.rows.cells.at(1).asDouble(), std::sqrt(1852.671875 / 4), 1e-12);
}

#define NOT_GROUPED(what) \
    "You tried to execute a query that does not include the specified expression '" what "' as part of an aggregate function."

// Each refusal with Jet's number and text.
TEST(QueryForms, Refusals) {
    Practice p;
    const struct {
        const char* jet;
        const char* description;
    } cases[] = {
        {"SELECT Nome, Count(*) AS N FROM Animais", NOT_GROUPED("Nome")},
        {"SELECT [Animais].[Porte] FROM Animais GROUP BY Sexo", NOT_GROUPED("[Animais].[Porte]")},
        {"SELECT Sexo, Count(*) AS N FROM Animais GROUP BY Sexo ORDER BY Nome", NOT_GROUPED("Nome")},
        {"SELECT Sexo FROM Animais GROUP BY Sexo HAVING Porte = 'Grande'", NOT_GROUPED("Porte")},
        {"SELECT Sexo, Sum(Codigo) + Codigo AS X FROM Animais GROUP BY Sexo", NOT_GROUPED("Codigo")},
        {"SELECT Year(DataDeNascimento) AS Y, Count(*) AS N FROM Animais GROUP BY Month(DataDeNascimento)", NOT_GROUPED("DataDeNascimento")},
        {"SELECT Nome FROM Animais ORDER BY Count(*)", NOT_GROUPED("Nome")},
        {"SELECT * FROM (SELECT Sexo, Porte FROM Animais GROUP BY Sexo) AS t", NOT_GROUPED("Porte")},
        {"TRANSFORM Count(*) + Codigo SELECT Sexo FROM Animais GROUP BY Sexo PIVOT Porte", NOT_GROUPED("Codigo")},
        {"SELECT Nome FROM Animais WHERE Count(*) > 1", "Cannot have aggregate function in WHERE clause (character 32)."},
        {"SELECT Count(*) AS N FROM Animais GROUP BY Count(*)", "Cannot have aggregate function in GROUP BY clause (character 44)."},
        {"SELECT Nome FROM Animais WHERE Codigo IN (SELECT Codigo, Nome FROM Animais)",
         "You have written a subquery that can return more than one field without using the EXISTS reserved word in the main "
         "query's FROM clause. Revise the SELECT statement of the subquery to request only one field (character 32)."},
        {"SELECT (SELECT * FROM EspeciesDeAnimais) AS X",
         "You have written a subquery that can return more than one field without using the EXISTS reserved word in the main "
         "query's FROM clause. Revise the SELECT statement of the subquery to request only one field (character 8)."},
        {"TRANSFORM Count(*) SELECT Count(*) AS N FROM Animais PIVOT Sexo", "A crosstab query needs a GROUP BY clause (character 1)."},
        {"TRANSFORM Nome SELECT Sexo FROM Animais GROUP BY Sexo PIVOT Porte",
         "The TRANSFORM value of a crosstab query must be an aggregate function (character 11)."},
        {"TRANSFORM Count(*) SELECT Sexo FROM Animais GROUP BY Sexo PIVOT Porte IN (Nome)", "The values after PIVOT ... IN must be constants."},
        {"SELECT Nome FROM Animais WHERE EXISTS (SELECT Nada FROM Clientes)", "Unknown field 'Nada' (character 47)."},
        {"SELECT * FROM Clientes AS C, (SELECT Nome FROM Animais WHERE CodigoDoCliente = C.Codigo) AS t",
         "Unknown table 'C' in the field 'C.Codigo' (character 80)."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.jet);
        const auto raised = testing::errorOf(*p.session, c.jet);
        EXPECT_EQ(raised.number, -2147217900);
        EXPECT_EQ(raised.description, c.description);
    }
    // A value subquery of several rows fails as the statement runs; where each client has one
    // animal at most, the same subquery runs.
    const std::string perClient = "SELECT Codigo, (SELECT Nome FROM Animais WHERE CodigoDoCliente = Clientes.Codigo) AS N FROM Clientes";
    const auto raised = testing::errorOf(*p.session, perClient);
    EXPECT_EQ(raised.number, -2147467259);
    EXPECT_EQ(raised.description, "At most one record can be returned by this subquery.");
    EXPECT_EQ(testing::render(p.session->execute(perClient + " WHERE Codigo IN (2, 4, 5) ORDER BY Codigo").rows), "L2|'Thor';L4|Null;L5|'Toby'");
}

}  // namespace
}  // namespace zolk::jet
