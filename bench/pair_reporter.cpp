#include "bench/pair_reporter.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

namespace zolk::bench {
namespace {

constexpr const char* kPrefix = "Pair/";

// Splits "Pair/<what>/ours" into what and side; false for a benchmark that is not a pair's.
bool pairName(const std::string& function, std::string& what, bool& ours) {
    if (function.rfind(kPrefix, 0) != 0) return false;
    const std::size_t slash = function.rfind('/');
    if (slash <= std::char_traits<char>::length(kPrefix)) return false;
    const std::string side = function.substr(slash + 1);
    if (side != "ours" && side != "raw") return false;
    what = function.substr(std::char_traits<char>::length(kPrefix), slash - std::char_traits<char>::length(kPrefix));
    ours = side == "ours";
    return true;
}

std::string timeText(double seconds, benchmark::TimeUnit unit) {
    char text[64];
    std::snprintf(text, sizeof text, "%.3f %s", seconds * benchmark::GetTimeUnitMultiplier(unit),
                  benchmark::GetTimeUnitString(unit));
    return text;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

PairReporter::PairReporter() : display_(benchmark::CreateDefaultDisplayReporter()) {}

bool PairReporter::ReportContext(const Context& context) {
    display_->SetOutputStream(&GetOutputStream());
    display_->SetErrorStream(&GetErrorStream());
    return display_->ReportContext(context);
}

void PairReporter::ReportRuns(const std::vector<Run>& report) {
    display_->ReportRuns(report);
    for (const Run& run : report) {
        std::string what;
        bool ours = false;
        if (!pairName(run.run_name.function_name, what, ours)) continue;
        benchmark::BenchmarkName key = run.run_name;
        key.function_name = what;
        key.repetitions.clear();
        const std::string name = key.str();
        auto [it, added] = pairs_.try_emplace(name);
        if (added) order_.push_back(name);
        Pair& pair = it->second;
        Side& side = ours ? pair.ours : pair.raw;
        (ours ? pair.hasOurs : pair.hasRaw) = true;
        side.unit = run.time_unit;
        if (run.error_occurred) {
            side.failed = true;
            side.error = run.error_message;
            continue;
        }
        const double unit = benchmark::GetTimeUnitMultiplier(run.time_unit);
        const double seconds = run.GetAdjustedRealTime() / unit;
        const double cpuSeconds = run.GetAdjustedCPUTime() / unit;
        auto& samples = samples_[name];
        auto& real = samples[ours ? 0 : 1];
        auto& cpu = samples[ours ? 2 : 3];
        if (run.run_type == Run::RT_Iteration) {
            real.push_back(seconds);
            cpu.push_back(cpuSeconds);
            side.seconds = median(real);
            side.cpuSeconds = median(cpu);
            side.median = real.size() > 1;
        } else if (run.aggregate_name == "median" && real.empty()) {
            // Only the aggregates are shown (--benchmark_report_aggregates_only).
            side.seconds = seconds;
            side.cpuSeconds = cpuSeconds;
            side.median = true;
        }
    }
}

std::string PairReporter::table() const {
    if (order_.empty()) return "";
    std::size_t width = 4;
    for (const auto& name : order_) width = std::max(width, name.size());
    std::string out = "\nPaired medians per iteration (ratio = ours / raw; real time, and CPU time of the "
                      "benchmark's thread)\n";
    char line[512];
    std::snprintf(line, sizeof line, "%-*s %14s %14s %8s %14s %14s %8s\n", int(width), "Pair", "ours real", "raw real",
                  "ratio", "ours CPU", "raw CPU", "ratio");
    out += line;
    out += std::string(width + 82, '-') + "\n";
    for (const auto& name : order_) {
        const Pair& p = pairs_.at(name);
        const bool both = p.hasOurs && p.hasRaw && !p.ours.failed && !p.raw.failed;
        const auto time = [](const Side& s, bool present, double seconds) {
            if (!present) return std::string("(not run)");
            if (s.failed) return std::string("(failed)");
            return timeText(seconds, s.unit) + (s.median ? "" : "*");
        };
        const auto ratio = [both](double ours, double raw) {
            if (!both || raw <= 0) return std::string("-");
            char r[32];
            std::snprintf(r, sizeof r, "%.2fx", ours / raw);
            return std::string(r);
        };
        std::snprintf(line, sizeof line, "%-*s %14s %14s %8s %14s %14s %8s\n", int(width), name.c_str(),
                      time(p.ours, p.hasOurs, p.ours.seconds).c_str(), time(p.raw, p.hasRaw, p.raw.seconds).c_str(),
                      ratio(p.ours.seconds, p.raw.seconds).c_str(),
                      time(p.ours, p.hasOurs, p.ours.cpuSeconds).c_str(),
                      time(p.raw, p.hasRaw, p.raw.cpuSeconds).c_str(), ratio(p.ours.cpuSeconds, p.raw.cpuSeconds).c_str());
        out += line;
        for (const Side* s : {&p.ours, &p.raw})
            if (s->failed) out += "  " + std::string(s == &p.ours ? "ours" : "raw") + ": " + s->error + "\n";
    }
    bool single = false;
    for (const auto& [name, p] : pairs_) single |= (p.hasOurs && !p.ours.median) || (p.hasRaw && !p.raw.median);
    if (single) out += "* a single run, not a median: use --benchmark_repetitions\n";
    return out;
}

void PairReporter::Finalize() {
    display_->Finalize();
    // The table goes beside the display: into it for the console, to the error stream when the
    // display is JSON or CSV that a tool reads.
    const bool console = dynamic_cast<benchmark::ConsoleReporter*>(display_) != nullptr;
    std::ostream& out = console ? GetOutputStream() : GetErrorStream();
    out << table() << std::flush;
}

}  // namespace zolk::bench
