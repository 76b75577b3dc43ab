// `fichas analise`: the ranking as a table, its chart with names escaped and at most ChartBars bars,
// a file it did not make left alone, and conditions that break the statement.
#include <fstream>
#include <iterator>

#include "cli/grafico_diagnosticos.h"
#include "cli/tests/cli_test_support.h"

namespace zolk::cli::testing {
namespace {

class AnaliseCommandTest : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        createDatabase(true);
    }
    static std::string read(const std::string& file) {
        std::ifstream in(file);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::string records() { return fichas({"sql", "SELECT COUNT(*) AS N FROM FichasClinicas"}).out; }
};

TEST_F(AnaliseCommandTest, PrintsTheRankingAndChartsItWithNamesEscaped) {
    // Three records of a name full of markup, and seventeen diagnoses of one record each.
    for (int i = 1; i <= 20; ++i)
        ASSERT_EQ(fichas({"sql", "INSERT INTO FichasClinicas (Numero, DataDeEmissao, CodigoDoCliente, CodigoDoAnimal, "
                                 "Diagnostico) VALUES (" + std::to_string(900 + i) + ", '05/01/2026', 95, 140, '" +
                                 (i <= 3 ? "Otite <externa> & \"dor\" d''Ávila" : "Caso " + std::to_string(i)) + "')"})
                      .status, 0);
    const std::string chart = (dir_ / "diagnosticos.svg").string();
    const Outcome o = fichas({"analise", "--svg", chart});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_TRUE(mentions(o.out, "Gastroenterite aguda") && mentions(o.out, "(24 rows)")) << o.out;
    const std::string svg = read(chart);
    std::size_t bars = 0;
    for (std::size_t at = svg.find("<g class=\"barra\""); at != std::string::npos; at = svg.find("<g class=\"barra\"", at + 1)) ++bars;
    EXPECT_EQ(bars, ChartBars);
    EXPECT_TRUE(mentions(svg, "data-diagnostico=\"Otite &lt;externa&gt; &amp; &quot;dor&quot; d&apos;Ávila\" data-contagem=\"3\""));
}

TEST_F(AnaliseCommandTest, LeavesAFileItDidNotMakeAndReportsABrokenCondition) {
    const std::string notes = (dir_ / "notas.svg").string();
    std::ofstream(notes) << "<svg>minhas notas</svg>\n";
    const Outcome o = fichas({"analise", "--svg", notes});
    EXPECT_EQ(o.status, 1);
    EXPECT_TRUE(mentions(o.err, "is not a chart made by fichas analise")) << o.err;
    EXPECT_EQ(read(notes), "<svg>minhas notas</svg>\n");

    const Outcome broken = fichas({"analise", "--condicao", "AND AND"});
    EXPECT_EQ(broken.status, 1);
    EXPECT_TRUE(mentions(broken.err, "(error -2147217900)")) << broken.err;
    const std::string before = records();
    EXPECT_EQ(fichas({"analise", "--condicao", "1=1; DELETE * FROM FichasClinicas"}).status, 1);
    EXPECT_EQ(records(), before);
    EXPECT_EQ(fichas({"analise", "--svg"}).status, 2);
}

}  // namespace
}  // namespace zolk::cli::testing
