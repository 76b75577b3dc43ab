// `fichas run`: every step kind and value form, and errors that leave the run going.
#include <gtest/gtest.h>

#include <string>

#include "cli/tests/cli_test_support.h"
#include "platform/dispatch.h"
#include "platform/runtime_error.h"

namespace zolk::cli::testing {
namespace {

using platform::CallArgs;
using platform::MemberKind;
using platform::method;
using platform::ParamType;
using platform::Variant;
namespace err = platform::err;

// The member shapes of the library's interfaces: a write-only and a read-only property,
// an optional argument, by-reference outputs, a member that raises.
class Sample : public platform::Dispatchable {
public:
    std::string className() const override { return "clsSample"; }
    const platform::MemberTable& memberTable() const override {
        static const platform::MemberTable table = [] {
            platform::MemberTable t;
            t.add({"Nome", MemberKind::Let, {{"lstrNome", ParamType::String}}, ParamType::Void,
                   method<Sample>([](Sample& s, CallArgs& a) { s.nome = a[0].asString(); return Variant(); })});
            t.add({"Parceiro", MemberKind::Set, {{"lobjParceiro", ParamType::Object}}, ParamType::Void,
                   method<Sample>([](Sample& s, CallArgs& a) {
                       return s.nome = "parceiro de " + std::static_pointer_cast<Sample>(a[0].asObject())->nome, Variant();
                   })});
            t.add({"Saudacao", MemberKind::Get, {}, ParamType::String,
                   method<Sample>([](Sample& s, CallArgs&) { return Variant("Olá, " + s.nome); })});
            t.add({"Somar", MemberKind::Operation,
                   {{"ldouA", ParamType::Double}, {"lintB", ParamType::Integer}, {"lintC", ParamType::Integer, true}},
                   ParamType::Double,
                   [](platform::Dispatchable&, CallArgs& a) { return Variant(a[0].asDouble() + a[1].asInteger() + a[2].asInteger()); }});
            t.add({"Eco", MemberKind::Operation, {{"lvarValor", ParamType::Variant}}, ParamType::Variant,
                   [](platform::Dispatchable&, CallArgs& a) { return a[0]; }});
            t.add({"Paginar", MemberKind::Operation,
                   {{"lintItens", ParamType::Integer}, {"lobjPagina", ParamType::Object, false, true},
                    {"llngTotal", ParamType::Long, true, true}},
                   ParamType::Integer, method<Sample>([](Sample& s, CallArgs& a) {
                       auto page = std::make_shared<Sample>();
                       page->nome = s.nome + " " + std::to_string(a[0].asInteger());
                       a[1] = Variant(platform::ObjectRef(page));
                       a[2] = Variant(std::int32_t{a[0].asInteger() * 2});
                       return Variant(std::int16_t{0});
                   })});
            t.add({"Falhar", MemberKind::Operation, {}, ParamType::Integer,
                   [](platform::Dispatchable&, CallArgs&) -> Variant { throw platform::RuntimeError(3021, "Either BOF or EOF is True."); }});
            return t;
        }();
        return table;
    }
    std::string nome;
};

class ScriptTest : public CliTest {
protected:
    static void SetUpTestSuite() {
        platform::Factory::instance().registerClass("ZolkTests.clsSample", [] { return std::make_shared<Sample>(); });
        platform::Factory::instance().declareClass("ZolkTests.clsNotBuilt");
    }
    void SetUp() override {
        CliTest::SetUp();
        createDatabase();
    }
};

Json error(int step, std::int32_t number) { return Json{{"step", step}, {"number", number}}; }

std::vector<Json> errors(const Outcome& o) {  // the error lines, as step and number
    std::vector<Json> result;
    for (const Json& line : o.lines())
        if (line.contains("error")) result.push_back(error(line["step"].get<int>(), line["error"]["number"].get<std::int32_t>()));
    return result;
}

TEST_F(ScriptTest, PropertiesOperationsAndEveryValueForm) {
    const Outcome o = script(R"js([
        {"new": "s", "progid": "ZolkTests.clsSample"},
        {"let": "s.Nome", "value": "Ana"},
        {"get": "s.Saudacao"},
        {"call": "s.Somar", "args": [1.5, "40"]},
        {"new": "t", "progid": "ZolkTests.clsSample"},
        {"set": "t.Parceiro", "object": "s"},
        {"get": "t.Saudacao"},
        {"call": "s.Eco", "args": [{"empty": true}]},
        {"call": "s.Eco", "args": [null]},
        {"call": "s.Eco", "args": [true]},
        {"call": "s.Eco", "args": ["Vômitos há dois dias"]},
        {"call": "s.Eco", "args": [0.25]},
        {"call": "s.Eco", "args": [{"date": "2024-05-15"}]},
        {"call": "s.Eco", "args": [{"date": "2024-05-15 14:30:05"}]},
        {"call": "s.Eco", "args": [{"currency": "12.5"}]},
        {"call": "s.Eco", "args": [{"object": "s"}]}
    ])js");
    ASSERT_EQ(o.status, ExitOk) << o.err << o.out;
    EXPECT_EQ(o.out.substr(0, o.out.find("{\"step\":8")),
              "{\"step\":1,\"ok\":true}\n{\"step\":2,\"ok\":true}\n{\"step\":3,\"value\":\"Olá, Ana\"}\n"
              "{\"step\":4,\"result\":41.5}\n{\"step\":5,\"ok\":true}\n{\"step\":6,\"ok\":true}\n"
              "{\"step\":7,\"value\":\"Olá, parceiro de Ana\"}\n");
    const std::vector<Json> lines = o.lines();
    ASSERT_EQ(lines.size(), 16u);
    const char* echoed[] = {R"({"empty":true})", "null", "true", R"("Vômitos há dois dias")", "0.25",
                            R"({"date":"2024-05-15 00:00:00"})", R"({"date":"2024-05-15 14:30:05"})",
                            R"({"currency":"12.5000"})", R"({"object":"clsSample"})"};
    for (std::size_t i = 0; i < 9; ++i) EXPECT_EQ(lines[i + 7]["result"], Json::parse(echoed[i])) << i;
}

TEST_F(ScriptTest, ObjectResultsByReferenceOutputsAndUserData) {
    const Outcome o = script(R"js(
        {"new": "s", "progid": "ZolkTests.clsSample"}
        {"let": "s.Nome", "value": "Página"}
        {"call": "s.Paginar", "args": [3, {"out": "pagina"}, {"out": "total"}]}
        {"get": "pagina.Saudacao"}
        {"new": "p", "progid": "ZOLK_I_ADO.clsObjetosDeDados"}
        {"call": "p.AbrirConexao"}
        {"get": "p.ReferenciaDeConexao", "as": "cn"}
        {"call": "cn.Execute", "args": ["INSERT INTO EspeciesDeAnimais (Nome) VALUES ('Canina')", {"out": "n"}], "as": "r"}
        {"new": "u", "userdata": {"NomeDeUsuario": "ana", "Desde": {"date": "2020-01-02"}}}
        {"get": "u.Item", "args": ["nomedeusuario"]}
        {"get": "u.Count"}
    )js");
    ASSERT_EQ(o.status, ExitOk) << o.err << o.out;
    const std::vector<Json> lines = o.lines();
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[2], Json::parse(R"({"step":3,"result":0,"out":{"pagina":{"object":"clsSample"},"total":6}})"));
    EXPECT_EQ(lines[3]["value"], "Olá, Página 3");
    EXPECT_EQ(lines[6]["value"], Json::parse(R"({"object":"Connection"})"));
    EXPECT_EQ(lines[7], Json::parse(R"({"step":8,"result":{"state":0},"out":{"n":1}})"));
    EXPECT_EQ(lines[8], Json::parse(R"({"step":9,"ok":true})"));
    EXPECT_EQ(lines[9]["value"], "ana");
    EXPECT_EQ(lines[10]["value"], 2);
}

TEST_F(ScriptTest, FabricatedRecordsetsAndDumpsThatKeepTheCursor) {
    const Outcome o = script(R"js([
        {"new": "rs", "recordset": {"fields": [
            {"name": "Codigo", "type": 3, "definedSize": 4},
            {"name": "Nome", "type": 202, "definedSize": 50, "attributes": 100},
            {"name": "Valor", "type": 6, "definedSize": 8},
            {"name": "Data", "type": 7, "definedSize": 8}],
          "rows": [[1, "Rex", {"currency": "10.5"}, {"date": "2024-05-15"}],
                   [2, null, 3, null]]}},
        {"let": "rs.PageSize", "value": 2},
        {"call": "rs.MoveLast"},
        {"dump": "rs"},
        {"get": "rs.AbsolutePosition"}
    ])js");
    ASSERT_EQ(o.status, ExitOk) << o.err << o.out;
    const std::vector<Json> lines = o.lines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], Json::parse(R"({"step":1,"ok":true,"recordCount":2})"));
    EXPECT_EQ(lines[3]["recordset"], Json::parse(R"({
        "fields": [{"name": "Codigo", "type": 3, "definedSize": 4, "attributes": 96},
                   {"name": "Nome", "type": 202, "definedSize": 50, "attributes": 100},
                   {"name": "Valor", "type": 6, "definedSize": 8, "attributes": 96},
                   {"name": "Data", "type": 7, "definedSize": 8, "attributes": 96}],
        "recordCount": 2, "pageSize": 2, "absolutePage": 1,
        "rows": [[1, "Rex", {"currency": "10.5000"}, {"date": "2024-05-15 00:00:00"}],
                 [2, null, {"currency": "3.0000"}, null]]})"));
    EXPECT_EQ(lines[4]["value"], 2);
}

TEST_F(ScriptTest, StatementsRunOnNewProviderConnectionsAndAreTraced) {
    const std::string trace = traceToFile();
    const Outcome o = script(R"js([
        {"sql": "INSERT INTO Servicos (Nome, Valor, DataEHoraDaInclusao) VALUES ('Consulta', 120.5, #05/15/2024 10:30:00#)"},
        {"sql": "SELECT Nome, Valor, DataEHoraDaInclusao FROM Servicos"},
        {"new": "rs", "recordset": {"sql": "SELECT Codigo, Nome FROM Servicos"}},
        {"get": "rs.ActiveConnection"},
        {"new": "rs", "recordset": {"sql": "DELETE * FROM Servicos"}},
        {"sql": "SELECT Nada FROM Servicos"}
    ])js");
    EXPECT_EQ(o.status, ExitFailed);
    const std::vector<Json> lines = o.lines();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], Json::parse(R"({"step":1,"rowsAffected":1})"));
    EXPECT_EQ(lines[1]["recordset"]["rows"],
              Json::parse(R"([["Consulta", {"currency": "120.5000"}, {"date": "2024-05-15 10:30:00"}]])"));
    EXPECT_EQ(lines[2], Json::parse(R"({"step":3,"ok":true,"recordCount":1})"));
    EXPECT_EQ(lines[3]["value"], Json::parse(R"({"object":null})")) << "disconnected";
    EXPECT_EQ(errors(o), (std::vector<Json>{error(5, err::AdoNotAllowed), error(6, err::DbErrorsInCommand)}));

    std::vector<std::string> traced;
    for (const Json& line : traceLines(trace)) traced.push_back(line["op"].get<std::string>() + " " + line["sql"].get<std::string>());
    EXPECT_EQ(traced, (std::vector<std::string>{
                          "Execute INSERT INTO Servicos (Nome, Valor, DataEHoraDaInclusao) VALUES ('Consulta', 120.5, #05/15/2024 10:30:00#)",
                          "Execute SELECT Nome, Valor, DataEHoraDaInclusao FROM Servicos",
                          "Open SELECT Codigo, Nome FROM Servicos", "Open DELETE * FROM Servicos",
                          "Execute SELECT Nada FROM Servicos"}));
}

// Released by name: the provider goes and its open transaction is rolled back.
TEST_F(ScriptTest, AnObjectNobodyHoldsIsReleasedAndItsTransactionRolledBack) {
    const std::string open = R"js(
        {"new": "p", "progid": "ZOLK_I_ADO.clsObjetosDeDados"}
        {"call": "p.AbrirConexao"}
        {"get": "p.ReferenciaDeConexao", "as": "cn"}
        {"call": "cn.BeginTrans"}
        {"call": "cn.Execute", "args": ["INSERT INTO EspeciesDeAnimais (Nome) VALUES ('Canina')"]}
    )js";
    const Outcome released = script(open + R"js(
        {"release": "cn"}
        {"release": "p"}
        {"sql": "SELECT COUNT(*) AS N FROM EspeciesDeAnimais"}
        {"get": "p.AbrirConexao"}
    )js");
    const std::vector<Json> lines = released.lines();
    ASSERT_EQ(lines.size(), 9u) << released.out;
    EXPECT_EQ(lines[6], Json::parse(R"({"step":7,"ok":true})"));
    EXPECT_EQ(lines[7]["recordset"]["rows"], Json::parse("[[0]]")) << released.out;
    EXPECT_EQ(errors(released), std::vector<Json>{error(9, err::DispUnknownName)});
}

// Each kind of failure a step meets (the dispatch errors themselves are the platform's) gives its
// number on its own line, and the run goes on.
TEST_F(ScriptTest, FailedStepsPrintTheirErrorsAndTheRunGoesOn) {
    const Outcome o = script(R"js([
        {"new": "s", "progid": "ZolkTests.clsSample"},
        {"get": "x.Saudacao"},
        {"call": "s.Somar", "args": [1, "dois"]},
        {"new": "y", "progid": "ZolkTests.clsNaoExiste"},
        {"new": "z", "progid": "ZolkTests.clsNotBuilt"},
        {"call": "s.Falhar"},
        {"call": "s.Eco", "args": [{"date": "31/12/2024"}]},
        {"dump": "s"},
        {"frobnicate": "s"},
        {"get": "s.Saudacao"}
    ])js");
    EXPECT_EQ(o.status, ExitFailed);
    const std::vector<Json> expected{
        error(2, err::DispUnknownName),    error(3, err::DispTypeMismatch), error(4, err::InvalidClassString),
        error(5, err::ClassNotRegistered), error(6, 3021),                  error(7, err::DispTypeMismatch),
        error(8, err::TypeMismatch),       error(9, err::InvalidProcedureCall)};
    EXPECT_EQ(errors(o), expected);
    const std::vector<Json> lines = o.lines();
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[5]["error"]["description"], "Either BOF or EOF is True.");
    EXPECT_EQ(lines[9], Json::parse(R"({"step":10,"value":"Olá, "})"));
}

TEST_F(ScriptTest, ScriptFormsAndScriptsThatAreNotJson) {
    const std::string file = (dir_ / "steps.jsonl").string();
    std::ofstream(file) << "{\"new\": \"s\", \"progid\": \"ZolkTests.clsSample\"}\n\n{\"call\": \"s.Somar\", \"args\": [1, 1]}\r\n";
    EXPECT_EQ(fichas({"run", file}).out, "{\"step\":1,\"ok\":true}\n{\"step\":2,\"result\":2}\n");
    EXPECT_EQ(fichas({"run", (dir_ / "missing.json").string()}).status, ExitUnreadable);

    const Outcome lines = script("{\"new\": \"s\", \"progid\": \"ZolkTests.clsSample\"}\n{\"get\": s.Saudacao}\n");
    EXPECT_EQ(lines.status, ExitUnreadable);
    EXPECT_EQ(lines.out, "") << "nothing runs";
    EXPECT_TRUE(mentions(lines.err, "line 2, column 9")) << lines.err;
}

}  // namespace
}  // namespace zolk::cli::testing
