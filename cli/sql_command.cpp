#include <algorithm>
#include <ostream>

#include "cli/command.h"
#include "cli/database.h"
#include "cli/values.h"
#include "platform/runtime_error.h"

namespace zolk::cli {

namespace {

// Characters on screen, roughly: UTF-8 continuation bytes take no column.
std::size_t displayWidth(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// Line breaks inside a cell would break the table's rows.
std::string oneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    std::replace(text.begin(), text.end(), '\r', ' ');
    std::replace(text.begin(), text.end(), '\t', ' ');
    return text;
}

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

}  // namespace

int runStatement(const std::string& text, bool json, std::ostream& out, std::ostream& err) {
    try {
        const StatementResult result = executeStatement(text);
        if (result.recordset) {
            if (json) out << jsonLine(dumpRecordset(*result.recordset)) << "\n";
            else printTable(*result.recordset, out);
        } else if (json) {
            out << jsonLine(Json{{"rowsAffected", result.rowsAffected}}) << "\n";
        } else {
            out << result.rowsAffected << (result.rowsAffected == 1 ? " row" : " rows") << " affected\n";
        }
        return ExitOk;
    } catch (const platform::RuntimeError& e) {
        err << "fichas: " << e.description() << " (error " << e.number() << ")\n";
    } catch (const std::exception& e) {
        err << "fichas: " << e.what() << "\n";
    }
    return ExitFailed;
}

}  // namespace zolk::cli
