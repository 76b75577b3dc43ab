// A workstation killed with SIGKILL while it records consultations with return dates and posts
// and deletes products, again and again from a fixed seed: after every kill the appointments and
// the stock agree with the records, and whatever the workstation saw committed is there.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "classes/class_table.h"
#include "components/provider/session_pool.h"
#include "fichas/fichas_clinicas.h"
#include "platform/conversions.h"
#include "platform/date_time.h"
#include "procedimentos/procedimentos.h"
#include "reliability/tests/front_end.h"
#include "testsupport/practice_fixture.h"

namespace zolk::reliability {
namespace {

using platform::Variant;

constexpr int Kills = 120;
constexpr std::uint32_t Seed = 16042;
// Meloxicam, Vermífugo and the product sold by weight.
constexpr int Products[] = {5, 6, 10};

// What the writer tells the test through memory shared across the fork, read after the kill.
struct WriterLog {
    volatile int inOperation;       // 1 from the call of an operation until it returned
    volatile long completed;        // operations that returned 0
    volatile double lastRecord;     // the number of the last record Adicionar reported stored
    char fault[512];                // why the writer stopped on its own
};

// A consultation of Thor (140) of client 95 by veterinarian 3, with a return date or none.
void fill(fichas::clsFichasClinicas& f, const std::string& retorno) {
    f.DadosDoUsuario(administrator());
    f.TipoDeAtendimento(1);
    f.CodigoDoCliente(95);
    f.CodigoDoAnimal(140);
    f.CodigoDoVeterinario(3);
    f.QueixaPrincipal("Vômitos há dois dias");
    f.DataDeRetorno(retorno);
}

// A product leaving stock on record 812 (Thor, 140, of client 95, seen by veterinarian 3).
void fill(procedimentos::clsProcedimentos& p, int produto, double quantidade) {
    p.DadosDoUsuario(administrator());
    p.TipoDeLancamento("2");
    p.TipoDeVenda(1);
    p.NumeroDaFichaClinica(812);
    p.CodigoDoVeterinario(3);
    p.CodigoDoCliente(95);
    p.CodigoDoAnimal(140);
    p.CodigoInternoDoProduto(produto);
    p.Quantidade(platform::Currency::fromDouble(quantidade));
    p.ValorUnitario(platform::Currency::fromInt(10));
    p.ValorTotal(platform::Currency::fromDouble(10 * quantidade));
    p.ValorLiquido(platform::Currency::fromDouble(10 * quantidade));
}

// The writer, until it is killed; returns only when an operation failed, with the reason logged.
void keepWriting(WriterLog& log, std::uint32_t seed, std::vector<double> records, std::vector<double> postings) {
    std::mt19937 random(seed);
    auto chance = [&](int percent) { return static_cast<int>(random() % 100) < percent; };
    auto someDay = [&] { return dayText(1 + static_cast<int>(random() % 60)); };
    // Runs one operation of `object` with the log saying so; true when it returned 0.
    auto done = [&log](const auto& object, auto operation, const char* what) {
        log.inOperation = 1;
        const std::int16_t code = operation();
        log.inOperation = 0;
        if (code != 0) {
            const std::string why = std::string(what) + " returned " + std::to_string(code) + ": " +
                                    object.DescricaoDoErro() + " " + object.DescricaoDaFalha() + " at " +
                                    object.LocalDoErro();
            std::strncpy(log.fault, why.c_str(), sizeof log.fault - 1);
            return false;
        }
        log.completed = log.completed + 1;
        return true;
    };
    for (;;) {
        if (chance(40)) {
            auto p = std::make_shared<procedimentos::clsProcedimentos>();
            if (postings.empty() || random() % 3 != 0) {
                fill(*p, Products[random() % std::size(Products)], 0.5 * static_cast<double>(1 + random() % 6));
                if (!done(*p, [&] { return p->Adicionar(); }, "Adicionar of a product")) return;
                postings.push_back(p->NumeroDeLancamentoGerado());
            } else {
                const std::size_t at = random() % postings.size();
                p->DadosDoUsuario(administrator());
                p->TipoDeLancamento("2");
                p->NumeroDaFichaClinica(812);
                p->NumeroDeLancamento(postings[at]);
                if (!done(*p, [&] { return p->Excluir(); }, "Excluir of a product")) return;
                postings.erase(postings.begin() + static_cast<std::ptrdiff_t>(at));
            }
        } else if (records.empty() || chance(50)) {
            auto f = std::make_shared<fichas::clsFichasClinicas>();
            fill(*f, chance(70) ? someDay() : "");
            if (!done(*f, [&] { return f->Adicionar(); }, "Adicionar")) return;
            log.lastRecord = f->NumeroGerado();
            records.push_back(f->NumeroGerado());
        } else {
            // Moves the appointment, books one, or cancels it by clearing the date.
            auto f = std::make_shared<fichas::clsFichasClinicas>();
            fill(*f, chance(75) ? someDay() : "");
            f->Numero(records[random() % records.size()]);
            if (!done(*f, [&] { return f->Alterar(); }, "Alterar")) return;
        }
    }
}

class CrashTest : public ::testing::Test {
protected:
    CrashTest() { classes::registerClasses(); }

    // What must hold whenever no one is writing; "" when it does, else the first thing wrong.
    std::string broken() const {
        const std::string integrity = db.scalar("PRAGMA integrity_check");
        if (integrity != "ok") return "integrity check: " + integrity;
        if (!db.column("PRAGMA foreign_key_check").empty()) return "a row refers to a row that is not there";
        // A return date without its appointment on that day, or a record with two appointments.
        const auto unbooked = db.column(
            "SELECT f.Numero FROM FichasClinicas f WHERE f.DataDeRetorno IS NOT NULL AND "
            "(SELECT COUNT(*) FROM Agendamentos a WHERE a.NumeroDaFichaClinica = f.Numero "
            "AND a.DataInicial = f.DataDeRetorno AND a.DataFinal = f.DataDeRetorno) <> 1");
        if (!unbooked.empty()) return "record " + unbooked.front() + " has no appointment on its return day";
        const auto stray = db.column(
            "SELECT a.Numero FROM Agendamentos a JOIN FichasClinicas f ON f.Numero = a.NumeroDaFichaClinica "
            "WHERE f.DataDeRetorno IS NULL OR (SELECT COUNT(*) FROM Agendamentos b "
            "WHERE b.NumeroDaFichaClinica = a.NumeroDaFichaClinica) > 1");
        if (!stray.empty()) return "appointment " + stray.front() + " is out of step with its record";
        // Each product's balance: its start plus its movements, chained, and what its postings hold.
        for (const auto& [produto, start] : startingBalances) {
            const std::string p = std::to_string(produto);
            const std::string moved = "FROM HistoricoDeProdutos WHERE CodigoInternoDoProduto = " + p +
                                      " AND Numero >= " + firstNewMovement;
            const std::string balance = db.scalar("SELECT printf('%.4f', SaldoEmEstoque) FROM Produtos WHERE CodigoInterno = " + p);
            const std::string expected = db.scalar(
                "SELECT printf('%.4f', " + start + " + IFNULL(SUM(CASE TipoDeLancamento WHEN 5 THEN QuantidadeMovimentada "
                "WHEN 3 THEN -QuantidadeMovimentada ELSE 1e9 END), 0)) " + moved);
            if (balance != expected) return "product " + p + " holds " + balance + ", its history says " + expected;
            const auto chain = db.column("SELECT printf('%.4f|%.4f', SaldoAnterior, SaldoAtual) " + moved + " ORDER BY Numero");
            std::string previous = start;
            for (const std::string& row : chain) {
                if (row.substr(0, row.find('|')) != previous) return "product " + p + " movement from " + row + " after " + previous;
                previous = row.substr(row.find('|') + 1);
            }
            if (previous != balance) return "product " + p + " ends its history at " + previous + ", holds " + balance;
            const std::string held = db.scalar(
                "SELECT printf('%.4f', " + start + " - IFNULL(SUM(Quantidade), 0)) FROM ProdutosReservados "
                "WHERE CodigoInternoDoProduto = " + p + " AND NumeroDeLancamento >= " + firstNewPosting);
            if (held != balance) return "product " + p + " holds " + balance + ", the postings left " + held;
        }
        return {};
    }

    // Set before the first kill: where the writer's rows start, and the products' balances.
    void rememberStart() {
        firstNewMovement = db.scalar("SELECT IFNULL(MAX(Numero), 0) + 1 FROM HistoricoDeProdutos");
        firstNewPosting = db.scalar("SELECT IFNULL(MAX(NumeroDeLancamento), 0) + 1 FROM ProdutosReservados");
        for (int produto : Products)
            startingBalances.emplace_back(produto, db.scalar("SELECT printf('%.4f', SaldoEmEstoque) FROM Produtos "
                                                              "WHERE CodigoInterno = " + std::to_string(produto)));
    }

    testsupport::PracticeDatabase db;
    std::string firstNewMovement = "0", firstNewPosting = "0";
    std::vector<std::pair<int, std::string>> startingBalances;
};

TEST_F(CrashTest, KilledWritersLoseNoAppointmentAndNoStockMovement) {
    rememberStart();
    ASSERT_EQ(broken(), "");
    auto* log = static_cast<WriterLog*>(
        mmap(nullptr, sizeof(WriterLog), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
    ASSERT_NE(log, MAP_FAILED);
    const std::string firstNew = db.scalar("SELECT IFNULL(MAX(Numero), 0) + 1 FROM FichasClinicas");

    std::mt19937 random(Seed);
    int midOperation = 0;
    for (int round = 0; round < Kills; ++round) {
        SCOPED_TRACE("kill " + std::to_string(round + 1));
        std::vector<double> records;
        for (const std::string& n : db.column("SELECT Numero FROM FichasClinicas WHERE Numero >= " + firstNew))
            records.push_back(std::stod(n));
        std::vector<double> postings;
        for (const std::string& n : db.column("SELECT NumeroDeLancamento FROM ProdutosReservados WHERE NumeroDeLancamento >= " +
                                              firstNewPosting))
            postings.push_back(std::stod(n));
        log->inOperation = 0;
        log->lastRecord = 0;
        log->fault[0] = '\0';
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            unsetenv("ZOLK_SQL_TRACE");
            keepWriting(*log, Seed + static_cast<std::uint32_t>(round), std::move(records), std::move(postings));
            _exit(1);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5 + random() % 146));
        ::kill(pid, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the writer stopped: " << log->fault;
        midOperation += log->inOperation;

        ASSERT_EQ(broken(), "");
        if (log->lastRecord > 0) {
            const std::string n = platform::CStr(Variant(static_cast<double>(log->lastRecord)));
            EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM FichasClinicas WHERE Numero = " + n), "1")
                << "record " << n << " was reported stored and is gone";
        }
    }
    const long completed = log->completed;
    munmap(log, sizeof(WriterLog));

    // Kills fell mid-operation, and between them records, appointments and movements were stored.
    EXPECT_GT(midOperation, 0);
    EXPECT_GT(completed, 0);
    EXPECT_NE(db.scalar("SELECT COUNT(*) FROM FichasClinicas f JOIN Agendamentos a ON a.NumeroDaFichaClinica = f.Numero "
                        "WHERE f.Numero >= " + firstNew), "0");
    EXPECT_NE(db.scalar("SELECT COUNT(*) FROM HistoricoDeProdutos WHERE TipoDeLancamento = 5 AND Numero >= " + firstNewMovement),
              "0");
}

}  // namespace
}  // namespace zolk::reliability
