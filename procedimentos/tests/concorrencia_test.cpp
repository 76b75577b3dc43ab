// Several workstations posting and deleting one product at once: eight processes, each with its
// own connections, must lose no stock movement.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "procedimentos/tests/fixture.h"

namespace zolk::procedimentos::test {
namespace {

constexpr int Workstations = 8;
constexpr int PostingsEach = 12;
constexpr double Quantity = 1.5;
constexpr int Product = 6;  // Vermífugo, 50 in stock

// One workstation: posts the product again and again, deleting every third posting it made;
// returns how many calls failed.
int workstation(const std::shared_ptr<components::DadosDoUsuario>& user) {
    int failed = 0;
    std::vector<std::int32_t> mine;
    auto fail = [&](clsProcedimentos& o) { ++failed, std::fprintf(stderr, "%d %s\n", o.NumeroDoErro(), o.DescricaoDoErro().c_str()); };
    for (int i = 0; i < PostingsEach; ++i) {
        auto o = std::make_shared<clsProcedimentos>();
        o->DadosDoUsuario(user);
        o->TipoDeLancamento("2");
        o->NumeroDaFichaClinica(812);
        o->CodigoDoVeterinario(3);
        o->CodigoDoCliente(95);
        o->CodigoInternoDoProduto(Product);
        o->Quantidade(cur(Quantity));
        if (o->Adicionar() == 0) mine.push_back(o->NumeroDeLancamentoGerado()); else fail(*o);
        if (i % 3 == 2 && !mine.empty()) {
            o->NumeroDeLancamento(mine.back());
            mine.pop_back();
            if (o->Excluir() != 0) fail(*o);
        }
    }
    return failed;
}

TEST_F(ProcedimentosTest, EightWorkstationsPostingOneProductLoseNoMovement) {
    const int reservations = std::stoi(count("ProdutosReservados", "CodigoInternoDoProduto = 6"));
    ASSERT_EQ(balance(Product), "50.0000");
    ASSERT_TRUE(history(Product).empty());
    std::vector<pid_t> children;
    for (int w = 0; w < Workstations; ++w) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            unsetenv("ZOLK_SQL_TRACE");  // eight writers on one trace file would only slow them
            _exit(workstation(userNamed("mesa" + std::to_string(w + 1))) == 0 ? 0 : 1);
        }
        children.push_back(pid);
    }
    // Every call succeeded: none gave up waiting for another workstation's lock.
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a workstation had failed calls";
    }
    const int posted = Workstations * PostingsEach, deleted = Workstations * (PostingsEach / 3);
    const Currency expected = cur(50) - cur(Quantity * posted) + cur(Quantity * deleted);
    EXPECT_EQ(balance(Product), platform::amountText2(expected) + "00");
    // One history row per movement, each starting from the balance the one before it left.
    const auto rows = db.column("SELECT printf('%.3f|%.3f', SaldoAnterior, SaldoAtual) FROM HistoricoDeProdutos "
                                "WHERE CodigoInternoDoProduto = 6 ORDER BY Numero");
    ASSERT_EQ(static_cast<int>(rows.size()), posted + deleted);
    std::string previous = "50.000";
    for (const std::string& row : rows) {
        EXPECT_EQ(row.substr(0, row.find('|')), previous) << row;
        previous = row.substr(row.find('|') + 1);
    }
    EXPECT_EQ(count("ProdutosReservados", "CodigoInternoDoProduto = 6"), std::to_string(reservations + posted - deleted));
}

}  // namespace
}  // namespace zolk::procedimentos::test
