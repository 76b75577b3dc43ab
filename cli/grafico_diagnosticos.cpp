#include "cli/grafico_diagnosticos.h"

#include <algorithm>
#include <cstdio>

#include "cli/tabela.h"

namespace zolk::cli {

namespace {

// Layout, in pixels.
constexpr int Width = 960;
constexpr int Top = 90;          // below the title and the subtitle
constexpr int BarHeight = 24;
constexpr int BarGap = 10;
constexpr int Right = 60;        // room for the count after the longest bar
constexpr int Bottom = 70;       // the axis, its numbers and its label
constexpr double CharWidth = 7.4;  // of a 13 px label, on average
constexpr std::size_t LongestLabel = 48;

// A valid UTF-8 sequence starting at `at`, or 0.
std::size_t sequenceLength(const std::string& s, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char c = byte(at);
    const std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
    if (n == 0 || at + n > s.size() || (n == 2 && c < 0xC2)) return 0;
    for (std::size_t i = 1; i < n; ++i)
        if ((byte(at + i) & 0xC0) != 0x80) return 0;
    return n;
}

// Text as XML character data or attribute value: markup characters escaped, line breaks and
// other control characters (which XML cannot hold) as blanks, broken UTF-8 as U+FFFD.
std::string xml(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = sequenceLength(text, i);
        if (n == 0) {
            out += "\xEF\xBF\xBD";
            ++i;
            continue;
        }
        const char c = text[i];
        if (n > 1) out.append(text, i, n);
        else if (c == '&') out += "&amp;";
        else if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else if (c == '"') out += "&quot;";
        else if (c == '\'') out += "&apos;";
        else if (static_cast<unsigned char>(c) < 0x20) out += ' ';
        else out += c;
        i += n;
    }
    return out;
}

// A long name cut at a character boundary, with an ellipsis; the bar's tooltip keeps it whole.
std::string label(const std::string& name) {
    if (displayWidth(name) <= LongestLabel) return name;
    std::size_t chars = 0, at = 0;
    while (at < name.size() && chars < LongestLabel - 1) {
        const std::size_t n = sequenceLength(name, at);
        at += n ? n : 1;
        ++chars;
    }
    return name.substr(0, at) + "\xE2\x80\xA6";
}

std::string num(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", v);
    return buffer;
}

// A round step for the axis: 1, 2 or 5 times a power of ten, about five steps to the largest count.
std::int64_t axisStep(std::int64_t largest) {
    std::int64_t step = 1;
    while (true) {
        for (std::int64_t f : {1, 2, 5})
            if (step * f * 5 >= largest) return step * f;
        step *= 10;
    }
}

}  // namespace

std::string diagnosisChart(const std::vector<Diagnostico>& ranking, const std::string& condicao) {
    const std::size_t shown = std::min(ranking.size(), ChartBars);
    std::size_t widest = 10;
    std::int64_t largest = 1;
    std::int64_t records = 0;
    for (std::size_t i = 0; i < ranking.size(); ++i) {
        records += ranking[i].contagem;
        if (i >= shown) continue;
        widest = std::max(widest, displayWidth(label(ranking[i].nome)));
        largest = std::max(largest, ranking[i].contagem);
    }
    const int left = static_cast<int>(60 + CharWidth * static_cast<double>(widest));
    const std::int64_t step = axisStep(largest);
    const std::int64_t axisEnd = (largest + step - 1) / step * step;
    const double scale = (Width - left - Right) / static_cast<double>(axisEnd);
    const int plotHeight = static_cast<int>(std::max<std::size_t>(shown, 1)) * (BarHeight + BarGap);
    const int height = Top + plotHeight + Bottom;

    std::string subtitle = std::to_string(records) + (records == 1 ? " ficha clínica" : " fichas clínicas") +
                           " com diagnóstico, " + std::to_string(ranking.size()) +
                           (ranking.size() == 1 ? " diagnóstico" : " diagnósticos");
    if (shown < ranking.size()) subtitle += "; os " + std::to_string(shown) + " mais frequentes";
    if (!condicao.empty()) subtitle += "; condição: " + condicao;

    std::string s = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    s += ChartMark;
    s += "\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(Width) + "\" height=\"" +
         std::to_string(height) + "\" viewBox=\"0 0 " + std::to_string(Width) + " " + std::to_string(height) +
         "\" font-family=\"DejaVu Sans, Verdana, Arial, sans-serif\" font-size=\"13\">\n";
    s += "<title>Diagnósticos mais frequentes</title>\n";
    s += "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
    s += "<text class=\"titulo\" x=\"20\" y=\"34\" font-size=\"20\" font-weight=\"bold\">Diagnósticos mais "
         "frequentes</text>\n";
    s += "<text class=\"subtitulo\" x=\"20\" y=\"58\" fill=\"#555555\">" + xml(subtitle) + "</text>\n";

    // The axis under the bars, with its numbers and its label; the diagnoses' label on the left.
    const int axisY = Top + plotHeight;
    s += "<g class=\"eixo\" stroke=\"#888888\">\n";
    s += "<line x1=\"" + std::to_string(left) + "\" y1=\"" + std::to_string(Top - 6) + "\" x2=\"" +
         std::to_string(left) + "\" y2=\"" + std::to_string(axisY) + "\"/>\n";
    s += "<line x1=\"" + std::to_string(left) + "\" y1=\"" + std::to_string(axisY) + "\" x2=\"" +
         num(left + scale * static_cast<double>(axisEnd)) + "\" y2=\"" + std::to_string(axisY) + "\"/>\n";
    for (std::int64_t v = 0; v <= axisEnd; v += step) {
        const std::string x = num(left + scale * static_cast<double>(v));
        s += "<line x1=\"" + x + "\" y1=\"" + std::to_string(axisY) + "\" x2=\"" + x + "\" y2=\"" +
             std::to_string(axisY + 5) + "\"/>\n";
        s += "<text class=\"marca\" x=\"" + x + "\" y=\"" + std::to_string(axisY + 20) +
             "\" text-anchor=\"middle\" stroke=\"none\" fill=\"#333333\">" + std::to_string(v) + "</text>\n";
    }
    s += "</g>\n";
    s += "<text class=\"rotulo-eixo\" x=\"" + num(left + scale * static_cast<double>(axisEnd) / 2) + "\" y=\"" +
         std::to_string(axisY + 48) + "\" text-anchor=\"middle\">Número de fichas clínicas</text>\n";
    s += "<text class=\"rotulo-eixo\" x=\"20\" y=\"" + std::to_string(Top - 12) + "\">Diagnóstico</text>\n";

    s += "<g class=\"barras\">\n";
    for (std::size_t i = 0; i < shown; ++i) {
        const Diagnostico& d = ranking[i];
        const int y = Top + static_cast<int>(i) * (BarHeight + BarGap) + BarGap / 2;
        const double w = scale * static_cast<double>(d.contagem);
        const std::string count = std::to_string(d.contagem);
        const std::string middle = std::to_string(y + BarHeight / 2 + 5);
        s += "<g class=\"barra\" data-diagnostico=\"" + xml(d.nome) + "\" data-contagem=\"" + count + "\">\n";
        s += "<title>" + xml(d.nome) + ": " + count + "</title>\n";
        s += "<text class=\"nome\" x=\"" + std::to_string(left - 8) + "\" y=\"" + middle + "\" text-anchor=\"end\">" +
             xml(label(d.nome)) + "</text>\n";
        s += "<rect x=\"" + std::to_string(left) + "\" y=\"" + std::to_string(y) + "\" width=\"" + num(w) +
             "\" height=\"" + std::to_string(BarHeight) + "\" fill=\"#3a7ca5\"/>\n";
        // Inside a bar long enough to hold it, in white; else just after it.
        const bool inside = w >= 12 + CharWidth * static_cast<double>(count.size());
        s += "<text class=\"contagem\" x=\"" + num(inside ? left + w - 6 : left + w + 6) + "\" y=\"" + middle +
             "\" text-anchor=\"" + (inside ? "end" : "start") + "\" fill=\"" + (inside ? "#ffffff" : "#222222") +
             "\" font-weight=\"bold\">" + count + "</text>\n";
        s += "</g>\n";
    }
    s += "</g>\n";
    if (ranking.empty())
        s += "<text class=\"vazio\" x=\"" + std::to_string(left + 10) + "\" y=\"" + std::to_string(Top + 22) +
             "\" fill=\"#555555\">Nenhum diagnóstico encontrado.</text>\n";
    s += "</svg>\n";
    return s;
}

}  // namespace zolk::cli
