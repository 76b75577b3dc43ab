// Listing 1,000 exam requests (over 200 columns each) through clsExames::Selecionar and copying
// every page of it, beside the clinical-record listing of the same number of rows.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

#include "ado/connection.h"
#include "components/provider/settings.h"
#include "components/userdata/dados_do_usuario.h"
#include "classes/class_table.h"
#include "exames/exames.h"
#include "fichas/fichas_clinicas.h"
#include "schema/practice_database.h"

namespace {

using namespace zolk;
using platform::Variant;

constexpr int kRows = 1000;
constexpr std::int16_t kPageSize = 50;
constexpr double kFicha = 900;               // a record number no demo request uses
constexpr const char* kDia = "15/05/2024";   // an issue day no demo record has

// A demo practice with 1,000 requests on record 900 and 1,000 records of Thor issued on kDia.
class Practice {
public:
    Practice() {
        folder_ = std::filesystem::temp_directory_path() / ("zolk_exames_bench_" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
        const std::string url = (folder_ / "practice.db").string();
        schema::createPracticeDatabase(url, true, true);
        components::setDatabaseOverride(url);
        classes::registerClasses();

        auto c = ado::Connection::open(url);
        c->BeginTrans();
        for (int i = 0; i < kRows; ++i) {
            const std::string on = i % 3 == 0 ? "True" : "False";
            c->Execute("INSERT INTO Exames (DataDeEmissao, NumeroDaFichaClinica, CodigoDoVeterinario, CodigoDoCliente, "
                       "CodigoDoAnimal, CodigoDoLaboratorio, Relato, Amostra, ExamePago, HemogramaCompleto, Creatinina, "
                       "Biopsia, Ultrassom, Observacao, DataEHoraDaInclusao, UsuarioDaInclusao) VALUES('14/05/2024', 900, "
                       "3, 95, 140, 2, 'Relato do pedido " + std::to_string(i) + "', 'Sangue total', " + on + ", True, " +
                       on + ", False, " + on + ", 'Observação', '14/05/2024 10:00:00', 'ana');");
            c->Execute("INSERT INTO FichasClinicas (DataDeEmissao, TipoDeAtendimento, CodigoDoCliente, CodigoDoAnimal, "
                       "CodigoDoVeterinario, QueixaPrincipal, SGIEmese, EFPeso, Diagnostico, DataEHoraDaInclusao, "
                       "UsuarioDaInclusao) VALUES('" + std::string(kDia) + "', 1, 95, 140, 3, 'Queixa " + std::to_string(i) +
                       "', " + on + ", 31.8, 'Gastrite', '15/05/2024 10:00:00', 'ana');");
        }
        c->CommitTrans();
        c->Close();
    }
    ~Practice() {
        components::setDatabaseOverride("");
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }

private:
    std::filesystem::path folder_;
};

const Practice& practice() {
    static const Practice p;
    return p;
}

// Copies every page of the object's result, as a grid that is scrolled to its end.
template <class T>
void pageThrough(T& object, benchmark::State& state) {
    auto rs = object.ResultadoDaSelecaoEmRecordset();
    for (std::int32_t page = 1; page <= rs->PageCount(); ++page) {
        rs->AbsolutePage(page);
        platform::ObjectRef copy;
        if (object.PaginarResultadoDaSelecaoEmRecordset(kPageSize, copy) != 0) state.SkipWithError("paging failed");
        benchmark::DoNotOptimize(copy);
    }
}

void BM_ExamesSelecionar(benchmark::State& state) {
    practice();
    auto exame = std::make_shared<exames::clsExames>();
    const bool paging = state.range(0) != 0;
    for (auto _ : state) {
        if (exame->Selecionar(1, kPageSize, Variant(), 1, kFicha) != 0) state.SkipWithError(exame->DescricaoDoErro().c_str());
        if (exame->ResultadoDaSelecaoEmRecordset()->RecordCount() != kRows) state.SkipWithError("wrong row count");
        if (paging) pageThrough(*exame, state);
    }
    state.counters["rows"] = kRows;
    state.counters["columns"] = exame->ResultadoDaSelecaoEmRecordset()->fieldCount();
}
BENCHMARK(BM_ExamesSelecionar)->ArgName("paging")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_FichasSelecionar(benchmark::State& state) {
    practice();
    auto ficha = std::make_shared<fichas::clsFichasClinicas>();
    const bool paging = state.range(0) != 0;
    for (auto _ : state) {
        if (ficha->Selecionar(1, kPageSize, 0, Variant(kDia), Variant(), Variant()) != 0)
            state.SkipWithError(ficha->DescricaoDoErro().c_str());
        if (ficha->ResultadoDaSelecaoEmRecordset()->RecordCount() != kRows) state.SkipWithError("wrong row count");
        if (paging) pageThrough(*ficha, state);
    }
    state.counters["rows"] = kRows;
    state.counters["columns"] = ficha->ResultadoDaSelecaoEmRecordset()->fieldCount();
}
BENCHMARK(BM_FichasSelecionar)->ArgName("paging")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
