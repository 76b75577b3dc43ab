#include "cli/tabela.h"

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "cli/values.h"

namespace zolk::cli {

std::size_t displayWidth(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

namespace {

// Line breaks inside a cell would break the table's rows.
std::string oneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    std::replace(text.begin(), text.end(), '\r', ' ');
    std::replace(text.begin(), text.end(), '\t', ' ');
    return text;
}

}  // namespace

void printTable(ado::Recordset& rs, std::ostream& out) {
    const std::size_t columns = static_cast<std::size_t>(rs.fieldCount());
    std::vector<std::vector<std::string>> cells(1);
    for (std::size_t c = 0; c < columns; ++c) cells[0].push_back(oneLine(rs.column(static_cast<std::int32_t>(c)).name));
    if (rs.RecordCount() > 0) {
        for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext()) {
            std::vector<std::string>& row = cells.emplace_back();
            for (std::size_t c = 0; c < columns; ++c)
                row.push_back(oneLine(cellText(rs.value(static_cast<std::int32_t>(c)))));
        }
    }
    std::vector<std::size_t> widths(columns, 0);
    for (const auto& row : cells)
        for (std::size_t c = 0; c < columns; ++c) widths[c] = std::max(widths[c], displayWidth(row[c]));

    const auto printRow = [&](const std::vector<std::string>& row) {
        std::string line;
        for (std::size_t c = 0; c < columns; ++c) {
            if (c > 0) line += " | ";
            line += row[c];
            if (c + 1 < columns) line.append(widths[c] - displayWidth(row[c]), ' ');
        }
        out << line << "\n";
    };
    printRow(cells[0]);
    std::string rule;
    for (std::size_t c = 0; c < columns; ++c) {
        if (c > 0) rule += "-+-";
        rule.append(widths[c], '-');
    }
    out << rule << "\n";
    for (std::size_t r = 1; r < cells.size(); ++r) printRow(cells[r]);
    const std::size_t rows = cells.size() - 1;
    out << "(" << rows << (rows == 1 ? " row)" : " rows)") << "\n";
}

}  // namespace zolk::cli
