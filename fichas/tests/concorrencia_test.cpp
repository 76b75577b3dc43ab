// Eight workstations recording with a return date at once: no number given twice, every record
// with its one appointment on its own date.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include "components/provider/session_pool.h"
#include "fichas/tests/fixture.h"

namespace zolk::fichas::test {
namespace {

constexpr int Workstations = 8;
constexpr int RecordsEach = 6;

// One workstation: records consultations with returns 1 to RecordsEach days ahead; returns the failures.
int workstation(int w) {
    int failed = 0;
    for (int i = 1; i <= RecordsEach; ++i) {
        auto f = std::make_shared<clsFichasClinicas>();
        f->DadosDoUsuario(makeUser("mesa" + std::to_string(w), 10 + w, true, true, true));
        f->TipoDeAtendimento(1), f->CodigoDoCliente(95), f->CodigoDoAnimal(140), f->CodigoDoVeterinario(3);
        f->QueixaPrincipal("Consulta da mesa " + std::to_string(w)), f->DataDeRetorno(dayText(i));
        if (f->Adicionar() != 0)
            ++failed, std::fprintf(stderr, "%d %s %s\n", f->NumeroDoErro(), f->DescricaoDoErro().c_str(), f->DescricaoDaFalha().c_str());
    }
    return failed;
}

TEST_F(FichasTest, EightWorkstationsRecordingAtOnceKeepNumbersAndAppointmentsInStep) {
    const std::string last = db.scalar("SELECT max(Numero) FROM FichasClinicas");
    // The children open their own connections; none may share this process's.
    components::closeIdleSessions();
    std::vector<pid_t> children;
    for (int w = 1; w <= Workstations; ++w) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            unsetenv("ZOLK_SQL_TRACE");
            _exit(workstation(w) == 0 ? 0 : 1);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a workstation had failed calls";
    }
    const std::string made = std::to_string(Workstations * RecordsEach);
    EXPECT_EQ(db.scalar("SELECT count(DISTINCT Numero) FROM FichasClinicas WHERE Numero > " + last), made);
    // Each new record has one appointment, on its own return date, naming it.
    EXPECT_EQ(db.scalar("SELECT count(*) FROM FichasClinicas f INNER JOIN Agendamentos a ON a.NumeroDaFichaClinica = f.Numero "
                        "WHERE f.Numero > " + last + " AND substr(CAST(a.DataInicial AS TEXT), 1, 10) = "
                        "substr(CAST(f.DataDeRetorno AS TEXT), 1, 10)"), made);
    EXPECT_EQ(db.scalar("SELECT count(*) FROM Agendamentos WHERE NumeroDaFichaClinica > " + last), made);
}

}  // namespace
}  // namespace zolk::fichas::test
