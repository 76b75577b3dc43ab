// `fichas analise`: the ranking as a table, and the chart as an SVG document that an XML parser
// reads back with one bar per diagnosis and the right counts.
#include <libxml/parser.h>
#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>

#include <algorithm>

#include "cli/grafico_diagnosticos.h"
#include "cli/tests/cli_test_support.h"
#include "testsupport/practice_fixture.h"

namespace zolk::cli::testing {
namespace {

// An SVG file parsed by libxml2, queried by XPath.
class Svg {
public:
    explicit Svg(const std::string& file) : doc_(xmlReadFile(file.c_str(), nullptr, XML_PARSE_NONET)) {
        if (doc_) {
            ctx_ = xmlXPathNewContext(doc_);
            xmlXPathRegisterNs(ctx_, BAD_CAST "s", BAD_CAST "http://www.w3.org/2000/svg");
        }
    }
    ~Svg() {
        if (ctx_) xmlXPathFreeContext(ctx_);
        if (doc_) xmlFreeDoc(doc_);
    }
    Svg(const Svg&) = delete;
    Svg& operator=(const Svg&) = delete;

    bool parsed() const { return doc_ != nullptr; }
    // The string value of each node the expression selects.
    std::vector<std::string> values(const std::string& xpath) const {
        std::vector<std::string> out;
        xmlXPathObjectPtr r = xmlXPathEvalExpression(BAD_CAST xpath.c_str(), ctx_);
        if (r && r->nodesetval)
            for (int i = 0; i < r->nodesetval->nodeNr; ++i) {
                xmlChar* v = xmlNodeGetContent(r->nodesetval->nodeTab[i]);
                out.emplace_back(v ? reinterpret_cast<const char*>(v) : "");
                xmlFree(v);
            }
        xmlXPathFreeObject(r);
        return out;
    }

private:
    xmlDocPtr doc_;
    xmlXPathContextPtr ctx_ = nullptr;
};

class AnaliseCommandTest : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        createDatabase(true);
    }
    // The ranking counted straight from the database, as "name|count", most frequent first.
    std::vector<std::string> counted(const std::string& where = "") {
        const Outcome o = fichas({"sql", "--json", "SELECT Diagnostico, COUNT(*) AS N FROM FichasClinicas WHERE "
                                                   "Diagnostico <> '' " + where + " GROUP BY Diagnostico"});
        const Json result = Json::parse(o.out);
        std::vector<std::pair<std::int64_t, std::string>> rows;
        for (const auto& row : result["rows"]) rows.push_back({-row[1].get<std::int64_t>(), row[0].get<std::string>()});
        std::sort(rows.begin(), rows.end());
        std::vector<std::string> out;
        for (const auto& [n, name] : rows) out.push_back(name + "|" + std::to_string(-n));
        return out;
    }
    static std::vector<std::string> bars(const Svg& svg) {
        const auto names = svg.values("//s:g[@class='barra']/@data-diagnostico");
        const auto counts = svg.values("//s:g[@class='barra']/@data-contagem");
        const auto shown = svg.values("//s:g[@class='barra']/s:text[@class='contagem']");
        std::vector<std::string> out;
        for (std::size_t i = 0; i < names.size(); ++i)
            out.push_back(names[i] + "|" + counts[i] + (i < shown.size() && shown[i] == counts[i] ? "" : "!"));
        return out;
    }
};

TEST_F(AnaliseCommandTest, PrintsTheRankingAndDrawsOneBarPerDiagnosis) {
    const std::string chart = (dir_ / "diagnosticos.svg").string();
    const Outcome o = fichas({"analise", "--svg", chart});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_NE(o.out.find("Diagnostico                          | NumeroDeDiagnosticos\n"), std::string::npos) << o.out;
    EXPECT_NE(o.out.find("Gastroenterite aguda                 | 2\n"), std::string::npos) << o.out;
    EXPECT_NE(o.out.find("(6 rows)"), std::string::npos);

    const Svg svg(chart);
    ASSERT_TRUE(svg.parsed());
    EXPECT_EQ(bars(svg), counted());
    EXPECT_EQ(svg.values("//s:g[@class='barra']/s:text[@class='nome']")[2], "Gastrite (em investigação)");

    // A condition, with or without its AND, narrows both; the chart it replaces was its own.
    for (const char* condition : {"FichasClinicas.CodigoDoVeterinario = 3", "and FichasClinicas.CodigoDoVeterinario = 3"}) {
        const Outcome narrowed = fichas({"analise", "--condicao", condition, "--svg", chart});
        ASSERT_EQ(narrowed.status, 0) << narrowed.err;
        EXPECT_NE(narrowed.out.find("(3 rows)"), std::string::npos) << narrowed.out;
        const Svg again(chart);
        EXPECT_EQ(bars(again), counted("AND CodigoDoVeterinario = 3"));
        EXPECT_NE(again.values("//s:text[@class='subtitulo']")[0].find("condição: "), std::string::npos);
    }
}

TEST_F(AnaliseCommandTest, NamesThatNeedEscapingAndMoreDiagnosesThanBars) {
    // Three records of a name full of markup, and seventeen diagnoses of one record each.
    for (int i = 1; i <= 20; ++i)
        ASSERT_EQ(fichas({"sql", "INSERT INTO FichasClinicas (Numero, DataDeEmissao, CodigoDoCliente, CodigoDoAnimal, "
                                 "Diagnostico) VALUES (" + std::to_string(900 + i) + ", '05/01/2026', 95, 140, '" +
                                 (i <= 3 ? "Otite <externa> & \"dor\" d''Ávila" : "Caso " + std::to_string(i)) + "')"})
                      .status, 0);
    const std::string chart = (dir_ / "muitos.svg").string();
    ASSERT_EQ(fichas({"analise", "--svg", chart}).status, 0);
    const Svg svg(chart);
    ASSERT_TRUE(svg.parsed());
    auto all = counted();
    ASSERT_EQ(all.size(), 6u + 1u + 17u);
    all.resize(ChartBars);
    EXPECT_EQ(bars(svg), all);
    EXPECT_EQ(bars(svg)[0], "Otite <externa> & \"dor\" d'Ávila|3");
    EXPECT_NE(svg.values("//s:text[@class='subtitulo']")[0].find("os 15 mais frequentes"), std::string::npos);
}

TEST_F(AnaliseCommandTest, LeavesAFileItDidNotMakeAndReportsABrokenCondition) {
    const std::string notes = (dir_ / "notas.svg").string();
    std::ofstream(notes) << "<svg>minhas notas</svg>\n";
    const Outcome o = fichas({"analise", "--svg", notes});
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("is not a chart made by fichas analise"), std::string::npos) << o.err;
    std::ifstream in(notes);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "<svg>minhas notas</svg>\n");
    EXPECT_EQ(fichas({"analise", "--svg", dir_.string()}).status, 1);  // a folder

    const Outcome broken = fichas({"analise", "--condicao", "AND AND"});
    EXPECT_EQ(broken.status, 1);
    EXPECT_NE(broken.err.find("(error -2147217900)"), std::string::npos) << broken.err;
    const Outcome hidden = fichas({"analise", "--condicao", "1=1; DELETE * FROM FichasClinicas"});
    EXPECT_EQ(hidden.status, 1);
    EXPECT_EQ(counted().size(), 6u);
    EXPECT_EQ(fichas({"analise", "--svg"}).status, 2);
}

}  // namespace
}  // namespace zolk::cli::testing
