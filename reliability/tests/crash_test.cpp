// A workstation killed while it writes: a child process records consultations with return dates
// (booking, moving and cancelling their appointments) until it is killed with SIGKILL at a random
// moment, again and again from a fixed seed. After every kill the database must be whole, every
// record's return date must have its appointment, and whatever the workstation saw committed
// must still be there.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "classes/class_table.h"
#include "components/userdata/dados_do_usuario.h"
#include "fichas/fichas_clinicas.h"
#include "platform/conversions.h"
#include "platform/date_time.h"
#include "platform/format.h"
#include "testsupport/practice_fixture.h"

namespace zolk::reliability {
namespace {

using platform::Variant;

constexpr int Kills = 120;
constexpr std::uint32_t Seed = 16042;

// What the writer tells the test through memory shared across the fork; the test reads it after
// the kill, so only plain stores are needed.
struct WriterLog {
    volatile int inOperation;       // 1 from the call of an operation until it returned
    volatile long completed;        // operations that returned 0
    volatile double lastRecord;     // the number of the last record Adicionar reported stored
    char fault[512];                // why the writer stopped on its own
};

std::shared_ptr<components::DadosDoUsuario> administrator() {
    auto user = std::make_shared<components::DadosDoUsuario>();
    user->Add(Variant("ana"), "NomeDeUsuario");
    user->Add(Variant(1.0), "CodigoDoUsuario");
    user->Add(Variant(true), "Administrador");
    return user;
}

std::string dayText(int daysFromToday) {
    return platform::CStr(platform::Format(Variant(platform::DateTime::today().addDays(daysFromToday)), "dd/mm/yyyy"));
}

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

// The writer: adds records and changes their return dates until it is killed. Returns only when
// an operation failed, with the reason in the log.
void keepWriting(WriterLog& log, std::uint32_t seed, std::vector<double> records) {
    std::mt19937 random(seed);
    auto chance = [&](int percent) { return static_cast<int>(random() % 100) < percent; };
    auto someDay = [&] { return dayText(1 + static_cast<int>(random() % 60)); };
    for (;;) {
        auto f = std::make_shared<fichas::clsFichasClinicas>();
        const bool add = records.empty() || chance(50);
        std::int16_t code = 0;
        if (add) {
            fill(*f, chance(70) ? someDay() : "");
            log.inOperation = 1;
            code = f->Adicionar();
            log.inOperation = 0;
            if (code == 0) {
                log.lastRecord = f->NumeroGerado();
                records.push_back(f->NumeroGerado());
            }
        } else {
            // Moves the appointment, books one, or cancels it by clearing the date.
            fill(*f, chance(75) ? someDay() : "");
            f->Numero(records[random() % records.size()]);
            log.inOperation = 1;
            code = f->Alterar();
            log.inOperation = 0;
        }
        if (code != 0) {
            const std::string why = std::string(add ? "Adicionar" : "Alterar") + " returned " + std::to_string(code) +
                                    ": " + f->DescricaoDoErro() + " " + f->DescricaoDaFalha() + " at " + f->LocalDoErro();
            std::strncpy(log.fault, why.c_str(), sizeof log.fault - 1);
            return;
        }
        log.completed = log.completed + 1;
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
        return {};
    }

    testsupport::PracticeDatabase db;
};

TEST_F(CrashTest, KilledWritersLeaveEveryRecordWithItsAppointment) {
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
        log->inOperation = 0;
        log->lastRecord = 0;
        log->fault[0] = '\0';
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            unsetenv("ZOLK_SQL_TRACE");
            keepWriting(*log, Seed + static_cast<std::uint32_t>(round), std::move(records));
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

    // Kills fell while the writer was working, and between them it got work done: records
    // stored, appointments booked.
    EXPECT_GT(midOperation, 0);
    EXPECT_GT(completed, 0);
    EXPECT_NE(db.scalar("SELECT COUNT(*) FROM FichasClinicas f JOIN Agendamentos a ON a.NumeroDaFichaClinica = f.Numero "
                        "WHERE f.Numero >= " + firstNew), "0");
    RecordProperty("kills", Kills);
    RecordProperty("killsMidOperation", midOperation);
    RecordProperty("operationsCompleted", static_cast<int>(completed));
}

}  // namespace
}  // namespace zolk::reliability
