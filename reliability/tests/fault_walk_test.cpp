// Every write operation with each of its database actions failed in turn by each kind of failure:
// the database is left as promised, the result and error state are the frame's, and a retry works.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "classes/class_table.h"
#include "components/provider/objetos_de_dados.h"
#include "components/provider/session_pool.h"
#include "jet/test_switches.h"
#include "platform/conversions.h"
#include "platform/date_time.h"
#include "platform/dispatch.h"
#include "platform/runtime_error.h"
#include "reliability/tests/front_end.h"
#include "testsupport/practice_fixture.h"

namespace zolk::reliability {
namespace {

using platform::Variant;
using jet::switches::Fault;
namespace fs = std::filesystem;

// A front end's session with the library on one practice database.
struct Practice {
    Practice() { classes::registerClasses(); }
    testsupport::PracticeDatabase db;

    // Every table (the AutoNumber counters included): its row count and a checksum of its rows.
    std::map<std::string, std::string> contents() const { return db.tableChecksums(); }

    std::map<std::string, std::size_t> rowCounts() const {
        std::map<std::string, std::size_t> out;
        for (const auto& [table, sum] : contents()) out[table] = std::stoul(sum);  // "N rows, ..."
        return out;
    }

    // The database file with no connection open (the provider's kept sessions closed first).
    std::string snapshot() const {
        components::closeIdleSessions();
        std::ifstream in(db.url(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void restore(const std::string& bytes) const {
        components::closeIdleSessions();
        for (const char* side : {"-wal", "-shm"}) fs::remove(db.url() + side);
        std::ofstream out(db.url(), std::ios::binary | std::ios::trunc);
        out << bytes;
    }
};

using Properties = std::vector<std::pair<std::string, Variant>>;

// Runs `operation` of a new object of `progId` with `properties`; returns the object.
platform::ObjectRef run(const std::string& progId, const Properties& properties, const std::string& operation,
                        std::int16_t& result) {
    platform::ObjectRef object = platform::CreateObject(progId);
    object->set("DadosDoUsuario", administrator());
    for (const auto& [name, value] : properties) {
        if (!value.isObject()) {
            object->let(name, value);
            continue;
        }
        // A recordset handed in (the budget's items) is read from its first row on every run.
        value.asObject()->call("MoveFirst");
        object->set(name, value.asObject());
    }
    result = static_cast<std::int16_t>(platform::CLng(object->call(operation)));
    return object;
}

const char* const kFichas = "ZOLK_N_FichasClinicas.clsFichasClinicas";
const char* const kExames = "ZOLK_N_FichasClinicas.clsExames";
const char* const kVacinacoes = "ZOLK_N_FichasClinicas.clsVacinacoes";
const char* const kProcedimentos = "ZOLK_N_FichasClinicas.clsProcedimentos";
const char* const kReceitas = "ZOLK_N_FichasClinicas.clsReceitas";
const char* const kMedicacoes = "ZOLK_N_FichasClinicas.clsMedicacoes";

// Thor's rows (140, of client 95) in his record 812, by veterinarian 3.
Properties ficha(const std::string& retorno) {
    return {{"TipoDeAtendimento", 1}, {"CodigoDoCliente", 95}, {"CodigoDoAnimal", 140}, {"CodigoDoVeterinario", 3},
            {"QueixaPrincipal", "Vômitos há dois dias"}, {"EFPeso", "31,8"}, {"DataDeRetorno", retorno}};
}
Properties exame() {
    return {{"NumeroDaFichaClinica", 812}, {"CodigoDoVeterinario", 3}, {"CodigoDoCliente", 95}, {"CodigoDoAnimal", 140},
            {"CodigoDoLaboratorio", 2}, {"ExameSelecionado", true}, {"Relato", "Apatia d'água há dois dias"}};
}
Properties vacina() {
    return {{"DataDaAplicacao", "15/12/2026"}, {"NumeroDaFichaClinica", 812}, {"CodigoDoCliente", 95}, {"CodigoDoAnimal", 140},
            {"CodigoDaVacina", 3}, {"NumeroDaDose", 1}, {"NumeroDeDoses", 2}, {"IntervaloEntreAsDoses", 21}, {"CodigoDoVeterinario", 3},
            {"VacinaAplicada", true}, {"Partida", "GIA-2026-0101"}, {"Observacao", "Reação leve, pôs gelo n'água"}};
}
Properties servico() {
    return {{"TipoDeLancamento", "1"}, {"NumeroDaFichaClinica", 812}, {"CodigoDoVeterinario", 3}, {"CodigoDoCliente", 95},
            {"CodigoDoAnimal", 140}, {"NumeroDoTipoDeProcedimento", 1}, {"CodigoDoProcedimento", 1}, {"Quantidade", "1"},
            {"ValorTotal", "150"}, {"Observacao", "Consulta d'urgência"}};
}
Properties produto() {
    return {{"TipoDeLancamento", "2"}, {"NumeroDaFichaClinica", 812}, {"CodigoDoVeterinario", 3}, {"CodigoDoCliente", 95},
            {"CodigoInternoDoProduto", 5}, {"Quantidade", "2"}, {"ValorTotal", "83"}};
}
Properties receita() {
    return {{"NumeroDaFichaClinica", 812}, {"CodigoDoCliente", 95}, {"CodigoDoAnimal", 140}, {"CodigoDoVeterinario", 3},
            {"ReceitaControlada", true}, {"Prescricao", "Tramadol 50 mg d'água a cada 12 horas"}};
}
Properties medicacao(bool existing) {
    Properties p = {{"CodigoDoMedicamento", 4}, {"NumeroDaFichaClinica", 812}, {"CodigoDoCliente", 95}, {"CodigoDoAnimal", 140},
                    {"CodigoDoVeterinario", 3}, {"Quantidade", "0,8"}, {"Unidade", "ml"}, {"Via", "Intramuscular"},
                    {"Data", platform::DateTime::today()}, {"Hora", "20:30"}, {"Observacao", "Registrar no livro d'ocorrências"}};
    if (existing) p.emplace_back("DataHoraDeInclusao", platform::DateTime::fromParts(2026, 11, 20, 20, 5, 33));
    return p;
}

// Budget 7 of the demo (two services and a Meloxicam), its items loaded disconnected.
Properties orcamento() {
    components::ObjetosDeDados provider;
    EXPECT_EQ(provider.AbrirConexao(), 0);
    auto items = provider.ReferenciaDeRecordset();
    items->Source("SELECT * FROM ItensDoOrcamento WHERE NumeroDoOrcamento = 7 ORDER BY NumeroDoItemDoOrcamento");
    items->ActiveConnection(provider.ReferenciaDeConexao());
    items->Open();
    items->ActiveConnection(nullptr);
    return {{"NumeroDaFichaClinica", 812}, {"CodigoDoVeterinario", 3}, {"CodigoDoCliente", 95}, {"CodigoDoAnimal", 140},
            {"Observacao", "Orçamento aprovado"}, {"OrcamentoImportado", true}, {"DadosDosItensDoOrcamento", platform::ObjectRef(items)}};
}

// Adds a row; gives `key` set to the key it generated (the Get `generated`).
Properties stored(const char* progId, const Properties& properties, const char* generated, const char* key) {
    std::int16_t result = -1;
    auto added = run(progId, properties, "Adicionar", result);
    EXPECT_EQ(result, 0) << platform::CStr(added->get("DescricaoDoErro"));
    return {{key, added->get(generated)}};
}

// Stores a row; gives `after` (or `properties`), its key and `changes`.
Properties changing(const char* progId, const Properties& properties, const char* generated, const char* key,
                    const Properties& changes, Properties after = {}) {
    if (after.empty()) after = properties;
    after.push_back(stored(progId, properties, generated, key)[0]);
    after.insert(after.end(), changes.begin(), changes.end());
    return after;
}

Properties storedFicha(const std::string& retorno, const std::string& changedTo) {
    return changing(kFichas, ficha(retorno), "NumeroGerado", "Numero", {{"QueixaPrincipal", "Melhorou"}}, ficha(changedTo));
}
Properties storedServico() {
    return changing(kProcedimentos, servico(), "NumeroDeLancamentoGerado", "NumeroDeLancamento", {{"Quantidade", "2"}, {"Observacao", "Retorno"}});
}

// One row per write operation; `setUp` gives its properties (storing the row it changes).
struct WriteOperation {
    const char* name;
    const char* progId;
    const char* operation;
    bool oneTransaction;  // all its statements in one transaction: a failure leaves nothing
    // 1 with the error state filled, or 3 with it left empty (a deletion the database refused).
    std::int16_t onDatabaseFailure;
    std::function<Properties()> setUp;
    // A helper whose failure the operation does not check (the budget import's commission
    // lookups): failed at an "Open" naming `uncheckedReads`, the operation still ends with 0.
    const char* uncheckedHelper = nullptr;
    const char* uncheckedReads = nullptr;
};

std::ostream& operator<<(std::ostream& os, const WriteOperation& w) { return os << w.name; }

const WriteOperation kWrites[] = {
    {"fichas_adicionar_with_a_return_date", kFichas, "Adicionar", true, 1, [] { return ficha(dayText(7)); }},
    {"fichas_adicionar_without_a_return_date", kFichas, "Adicionar", true, 1, [] { return ficha(""); }},
    {"fichas_alterar_booking_the_return", kFichas, "Alterar", true, 1, [] { return storedFicha("", dayText(7)); }},
    {"fichas_alterar_moving_the_return", kFichas, "Alterar", true, 1, [] { return storedFicha(dayText(7), dayText(9)); }},
    {"fichas_alterar_cancelling_the_return", kFichas, "Alterar", true, 1, [] { return storedFicha(dayText(7), ""); }},
    {"exames_adicionar", kExames, "Adicionar", false, 1, exame},
    {"exames_alterar", kExames, "Alterar", true, 1, [] { return changing(kExames, exame(), "NumeroGerado", "Numero", {{"Relato", "Piorou"}}); }},
    {"exames_excluir", kExames, "Excluir", false, 3, [] { return stored(kExames, exame(), "NumeroGerado", "Numero"); }},
    {"vacinacoes_adicionar", kVacinacoes, "Adicionar", false, 1, vacina},
    {"vacinacoes_alterar", kVacinacoes, "Alterar", false, 1,
     [] { return changing(kVacinacoes, vacina(), "CodigoGerado", "Codigo", {{"Observacao", "Sem reação"}}); }},
    {"vacinacoes_excluir", kVacinacoes, "Excluir", false, 3, [] { return stored(kVacinacoes, vacina(), "CodigoGerado", "Codigo"); }},
    {"procedimentos_adicionar_servico", kProcedimentos, "Adicionar", true, 1, servico},
    {"procedimentos_adicionar_produto", kProcedimentos, "Adicionar", true, 1, produto},
    {"procedimentos_alterar_produto", kProcedimentos, "Alterar", true, 1, [] {
         return changing(kProcedimentos, produto(), "NumeroDeLancamentoGerado", "NumeroDeLancamento", {{"CodigoInternoDoProduto", 4}, {"Quantidade", "3"}});
     }},
    {"procedimentos_alterar_servico", kProcedimentos, "Alterar", true, 1, storedServico},
    {"procedimentos_excluir_servico", kProcedimentos, "Excluir", true, 3, storedServico},
    {"procedimentos_excluir_produto", kProcedimentos, "Excluir", true, 3, [] {
         return changing(kProcedimentos, produto(), "NumeroDeLancamentoGerado", "NumeroDeLancamento", {}, {{"TipoDeLancamento", "2"}});
     }},
    {"procedimentos_importar_orcamento", kProcedimentos, "Adicionar", true, 1, orcamento, "ObterComissaoDoFuncionario", "Funcionarios"},
    {"receitas_adicionar", kReceitas, "Adicionar", false, 1, receita},
    {"receitas_alterar", kReceitas, "Alterar", false, 1,
     [] { return changing(kReceitas, receita(), "NumeroGerado", "Numero", {{"Prescricao", "Tramadol 50 mg por 3 dias"}}); }},
    {"receitas_excluir", kReceitas, "Excluir", false, 3, [] { return stored(kReceitas, receita(), "NumeroGerado", "Numero"); }},
    {"medicacoes_adicionar", kMedicacoes, "Adicionar", false, 1, [] { return medicacao(false); }},
    {"medicacoes_alterar", kMedicacoes, "Alterar", false, 1, [] { return medicacao(true); }},
    {"medicacoes_excluir", kMedicacoes, "Excluir", false, 3, [] { return medicacao(true); }},
};

struct FaultKind {
    Fault fault;
    const char* name;
    const char* inDescription;  // what the engine's message says
};

const FaultKind kFaults[] = {
    {Fault::Busy, "busy", "locked by another user"},
    {Fault::IoError, "io_error", "cannot be read or written"},
    {Fault::Constraint, "constraint", "prohibited by the validation rule"},
    {Fault::DiskFull, "disk_full", "cannot be read or written"},
};

bool writes(const std::string& sql) {
    static const std::regex write(R"(^\s*(INSERT|UPDATE|DELETE)\b)", std::regex::icase);
    return std::regex_search(sql, write);
}

// The database actions of a clean run, as the trace shows them (a rollback is never failed).
std::vector<testsupport::TraceLine> actions(const Practice& p) {
    std::vector<testsupport::TraceLine> out;
    for (auto& line : p.db.trace())
        if (line.op != "RollbackTrans") out.push_back(line);
    return out;
}

class FaultWalk : public ::testing::TestWithParam<WriteOperation> {};

TEST_P(FaultWalk, EveryActionFailedInTurnLeavesWhatTheOperationPromises) {
    const WriteOperation& w = GetParam();
    Practice p;
    const Properties properties = w.setUp();
    const std::string saved = p.snapshot();
    const auto before = p.contents();

    // A clean run: its actions and what it changes.
    p.db.clearTrace();
    std::int16_t result = -1;
    auto clean = run(w.progId, properties, w.operation, result);
    ASSERT_EQ(result, 0) << platform::CStr(clean->get("DescricaoDoErro")) << platform::CStr(clean->get("DescricaoDaFalha"));
    clean.reset();
    const auto steps = actions(p);
    const auto cleanCounts = p.rowCounts();
    ASSERT_NE(p.contents(), before) << "the operation wrote nothing";
    std::size_t writesInAll = 0;
    for (const auto& s : steps) writesInAll += writes(s.sql) ? 1 : 0;
    p.restore(saved);

    const std::string component = std::string(w.progId).substr(0, std::string(w.progId).find('.'));
    const std::string className = std::string(w.progId).substr(component.size() + 1);
    const std::regex where("^" + component + ", " + className + ", (" + w.operation +
                           "|ValidarDados), Ponto: [0-9]+$");
    std::size_t points = 0;
    for (const FaultKind& kind : kFaults) {
        for (std::uint64_t n = 1;; ++n) {
            ASSERT_LE(n, steps.size() + 1) << "the operation ran more actions under faults than without";
            p.db.clearTrace();
            jet::switches::armFault(n, kind.fault);
            platform::ObjectRef object = run(w.progId, properties, w.operation, result);
            const bool raised = jet::switches::faultRaised();
            jet::switches::disarmFault();
            if (!raised) {
                // Past the last action: the operation ran whole.
                EXPECT_EQ(n, steps.size() + 1) << kind.name;
                EXPECT_EQ(result, 0) << kind.name;
                p.restore(saved);
                break;
            }
            ++points;
            const std::string at = std::string(kind.name) + " at action " + std::to_string(n) + " (" +
                                   steps[n - 1].op + " " + steps[n - 1].sql + ")";
            const std::string description = platform::CStr(object->get("DescricaoDoErro"));
            const std::string local = platform::CStr(object->get("LocalDoErro"));
            if (w.uncheckedHelper && steps[n - 1].op == "Open" &&
                steps[n - 1].sql.find(w.uncheckedReads) != std::string::npos) {
                EXPECT_EQ(result, 0) << at;
                EXPECT_EQ(platform::CLng(object->get("NumeroDoErro")), platform::err::DbGeneralFailure) << at;
                EXPECT_TRUE(std::regex_match(local, std::regex("^" + component + ", " + className + ", " +
                                                               w.uncheckedHelper + ", Ponto: [0-9]+$")))
                    << at << ": " << local;
                object.reset();
                EXPECT_EQ(p.rowCounts(), cleanCounts) << at;
                p.restore(saved);
                continue;
            }
            EXPECT_EQ(result, w.onDatabaseFailure) << at;
            if (w.onDatabaseFailure == 1) {
                EXPECT_EQ(platform::CLng(object->get("NumeroDoErro")), platform::err::DbGeneralFailure) << at;
                EXPECT_NE(description.find(kind.inDescription), std::string::npos) << at << ": " << description;
                EXPECT_TRUE(std::regex_match(local, where)) << at << ": " << local;
            } else {
                EXPECT_EQ(platform::CLng(object->get("NumeroDoErro")), 0) << at;
                EXPECT_EQ(description, "") << at;
                EXPECT_EQ(local, "") << at;
            }
            EXPECT_EQ(platform::CStr(object->get("DescricaoDaFalha")), "") << at;
            object.reset();

            std::size_t writesDone = 0;
            for (std::uint64_t k = 1; k < n; ++k) writesDone += writes(steps[k - 1].sql) ? 1 : 0;
            if (w.oneTransaction || writesDone == 0) {
                EXPECT_EQ(p.contents(), before) << at;
            } else {
                // Statements on their own: those that ran before the failure stay, as the class
                // promises (an exam request inserted before its number is read stays).
                ASSERT_EQ(writesDone, writesInAll) << at << ": a failure between two statements of its own";
                EXPECT_EQ(p.rowCounts(), cleanCounts) << at;
            }

            // The next operation, on a fresh object, works.
            auto next = run(w.progId, properties, w.operation, result);
            EXPECT_EQ(result, 0) << "after " << at << ": " << platform::CStr(next->get("DescricaoDoErro"));
            next.reset();
            p.restore(saved);
        }
    }
    EXPECT_EQ(points, steps.size() * std::size(kFaults));
}

INSTANTIATE_TEST_SUITE_P(Reliability, FaultWalk, ::testing::ValuesIn(kWrites),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zolk::reliability
