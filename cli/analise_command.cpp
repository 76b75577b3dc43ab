// `fichas analise`: the diagnosis ranking of the diagnostic analysis as a table, and as a bar chart.
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <ostream>

#include "cli/command.h"
#include "cli/grafico_diagnosticos.h"
#include "cli/tabela.h"
#include "platform/conversions.h"
#include "platform/dispatch.h"

namespace zolk::cli {

namespace {

namespace fs = std::filesystem;
using platform::Variant;

constexpr const char* AnaliseProgId = "ZOLK_N_FichasClinicas.clsAnaliseDiagn";

// The library takes extra conditions each starting with AND and ending with a blank; the
// command lets the user leave the AND out.
std::string fragmentOf(const std::string& condicao) {
    const std::string trimmed = platform::Trim(condicao);
    if (trimmed.empty()) return "";
    const bool hasAnd = trimmed.size() > 4 && platform::equalsNoCase(trimmed.substr(0, 4), "AND ");
    return (hasAnd ? "" : "AND ") + trimmed + " ";
}

std::vector<Diagnostico> rankingOf(ado::Recordset& rs) {
    std::vector<Diagnostico> ranking;
    if (rs.RecordCount() <= 0) return ranking;
    for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext())
        ranking.push_back({platform::CStr(rs.value("Diagnostico")),
                           static_cast<std::int64_t>(platform::CDbl(rs.value("NumeroDeDiagnosticos")))});
    return ranking;
}

// A chart this command wrote earlier: the only kind of file it replaces.
bool isOurChart(const fs::path& path) {
    std::ifstream in(path);
    std::string declaration, mark;
    return std::getline(in, declaration) && std::getline(in, mark) && mark == ChartMark;
}

// Writes `text` beside `path` and moves it into place, so a failure never leaves half a chart.
// Returns "" or what went wrong.
std::string writeChart(const fs::path& path, const std::string& text) {
    std::error_code ec;
    if (fs::exists(path, ec) && !(fs::is_regular_file(path, ec) && isOurChart(path)))
        return path.string() + " already exists and is not a chart made by fichas analise; it was left as it is";
    std::string temporary = path.string() + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) return "cannot write " + path.string() + ": " + std::strerror(errno);
    const char* data = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    const bool written = left == 0 && ::fsync(fd) == 0;
    const std::string reason = std::strerror(errno);
    ::close(fd);
    if (written) fs::rename(temporary, path, ec);
    if (!written || ec) {
        fs::remove(temporary, ec);
        return "cannot write " + path.string() + ": " + (written ? ec.message() : reason);
    }
    return "";
}

}  // namespace

int runAnalysis(const std::string& condicao, const std::string& svgFile, std::ostream& out, std::ostream& err) {
    try {
        platform::ObjectRef analise = platform::CreateObject(AnaliseProgId);
        const std::int16_t code = platform::CInt(analise->call("Gerar", {Variant(fragmentOf(condicao)), Variant(true)}));
        if (code != 0) {
            err << "fichas: the analysis failed: "
                << (code == 1 ? platform::CStr(analise->get("DescricaoDoErro")) + " (error " +
                                    platform::CStr(analise->get("NumeroDoErro")) + ")"
                              : platform::CStr(analise->get("DescricaoDaFalha")))
                << "\n";
            return ExitFailed;
        }
        auto rs = std::dynamic_pointer_cast<ado::Recordset>(analise->get("ResultadoDaSelecaoEmRecordset").asObject());
        printTable(*rs, out);
        if (svgFile.empty()) return ExitOk;
        const std::string failure = writeChart(svgFile, diagnosisChart(rankingOf(*rs), platform::Trim(condicao)));
        if (!failure.empty()) {
            err << "fichas: " << failure << "\n";
            return ExitFailed;
        }
        out << "Chart written to " << svgFile << "\n";
        return ExitOk;
    } catch (...) {
        return reportFailure(err);
    }
}

}  // namespace zolk::cli
