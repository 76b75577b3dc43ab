// Several workstations posting and deleting one product at once: eight processes, each with its
// own connections, must lose no stock movement.
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <chrono>
#include <sstream>
#include <thread>

#include "procedimentos/tests/fixture.h"

namespace zolk::procedimentos::test {
namespace {

struct Tally {
    int posted = 0, deleted = 0, failed = 0;
    std::string errors;
};

constexpr int Workstations = 8;
constexpr int PostingsEach = 12;
constexpr double Quantity = 1.5;
constexpr int Product = 6;  // Vermífugo, 50 in stock

// One workstation: posts the product again and again, deleting every third posting it made.
Tally workstation(const std::shared_ptr<components::DadosDoUsuario>& user) {
    Tally t;
    std::vector<std::int32_t> mine;
    auto fail = [&](clsProcedimentos& o) {
        ++t.failed;
        t.errors += std::to_string(o.NumeroDoErro()) + " " + o.DescricaoDoErro() + ";";
    };
    for (int i = 0; i < PostingsEach; ++i) {
        auto o = std::make_shared<clsProcedimentos>();
        o->DadosDoUsuario(user);
        o->TipoDeLancamento("2");
        o->NumeroDaFichaClinica(812);
        o->CodigoDoVeterinario(3);
        o->CodigoDoCliente(95);
        o->CodigoInternoDoProduto(Product);
        o->Quantidade(cur(Quantity));
        if (o->Adicionar() == 0) {
            ++t.posted;
            mine.push_back(o->NumeroDeLancamentoGerado());
        } else {
            fail(*o);
        }
        if (i % 3 == 2 && !mine.empty()) {
            o->NumeroDeLancamento(mine.back());
            mine.pop_back();
            if (o->Excluir() == 0) ++t.deleted;
            else fail(*o);
        }
    }
    return t;
}

TEST_F(ProcedimentosTest, EightWorkstationsPostingOneProductLoseNoMovement) {
    const std::string reservations = db.scalar("SELECT COUNT(*) FROM ProdutosReservados WHERE CodigoInternoDoProduto = 6");
    ASSERT_EQ(balance(Product), "50.0000");
    ASSERT_TRUE(history(Product).empty());

    std::vector<std::pair<pid_t, int>> children;
    for (int w = 0; w < Workstations; ++w) {
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            close(fds[0]);
            unsetenv("ZOLK_SQL_TRACE");  // eight writers on one trace file would only slow them
            const Tally t = workstation(makeUser("mesa" + std::to_string(w + 1)));
            const std::string report = std::to_string(t.posted) + " " + std::to_string(t.deleted) + " " +
                                       std::to_string(t.failed) + " " + t.errors + "\n";
            const bool written = write(fds[1], report.data(), report.size()) == static_cast<ssize_t>(report.size());
            _exit(written ? 0 : 1);
        }
        close(fds[1]);
        children.emplace_back(pid, fds[0]);
    }

    Tally total;
    for (const auto& [pid, fd] : children) {
        std::string report;
        char buffer[4096];
        for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) report.append(buffer, static_cast<std::size_t>(n));
        close(fd);
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << report;
        std::istringstream in(report);
        Tally t;
        in >> t.posted >> t.deleted >> t.failed;
        std::getline(in, t.errors);
        total.posted += t.posted;
        total.deleted += t.deleted;
        total.failed += t.failed;
        total.errors += t.errors;
    }

    // Every call succeeded: none gave up waiting for another workstation's lock.
    EXPECT_EQ(total.failed, 0) << total.errors;
    EXPECT_EQ(total.posted, Workstations * PostingsEach);
    EXPECT_EQ(total.deleted, Workstations * (PostingsEach / 3));

    const Currency expected = cur(50) - cur(Quantity * total.posted) + cur(Quantity * total.deleted);
    EXPECT_EQ(balance(Product), platform::amountText2(expected) + "00");
    // One history row per movement, each starting from the balance the one before it left.
    const auto rows = db.column("SELECT printf('%.3f|%.3f|%d', SaldoAnterior, SaldoAtual, TipoDeLancamento) "
                                "FROM HistoricoDeProdutos WHERE CodigoInternoDoProduto = 6 ORDER BY Numero");
    ASSERT_EQ(static_cast<int>(rows.size()), total.posted + total.deleted);
    std::string previous = "50.000";
    for (const std::string& row : rows) {
        EXPECT_EQ(row.substr(0, row.find('|')), previous) << row;
        previous = row.substr(row.find('|') + 1, row.rfind('|') - row.find('|') - 1);
    }
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM ProdutosReservados WHERE CodigoInternoDoProduto = 6"),
              std::to_string(std::stoi(reservations) + total.posted - total.deleted));
}

// Another program holding the write lock: a short hold is waited for, a long one gives up with
// nothing written.
TEST_F(ProcedimentosTest, AWorkstationWaitsForTheWriteLockThenGivesUp) {
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(db.url().c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    std::thread release([other] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    });
    fillProduct(*p);
    EXPECT_EQ(p->Adicionar(), 0) << p->DescricaoDoErro();
    release.join();
    EXPECT_EQ(balance(5), "39.0000");

    const std::string reservations = count("ProdutosReservados");
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_EQ(p->Adicionar(), 1);
    EXPECT_EQ(p->NumeroDoErro(), platform::err::DbGeneralFailure);
    EXPECT_EQ(p->LocalDoErro(), location("Adicionar", 5));
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_EQ(balance(5), "39.0000");
    EXPECT_EQ(count("ProdutosReservados"), reservations);
}

}  // namespace
}  // namespace zolk::procedimentos::test
