#pragma once
// The bar chart of the diagnosis ranking: a self-contained SVG document a browser opens, one
// horizontal bar per diagnosis, its name at the left and its count on the bar.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zolk::cli {

struct Diagnostico {
    std::string nome;
    std::int64_t contagem = 0;
};

// The first line after the XML declaration of every chart this command writes; a file that does
// not start with it was not made here and is never replaced.
inline constexpr const char* ChartMark = "<!-- fichas analise: diagnosis chart -->";

// At most this many bars; the subtitle says when more diagnoses were ranked.
inline constexpr std::size_t ChartBars = 15;

// `ranking` most frequent first; `condicao` is the condition the ranking was made with ("" for none).
std::string diagnosisChart(const std::vector<Diagnostico>& ranking, const std::string& condicao);

}  // namespace zolk::cli
