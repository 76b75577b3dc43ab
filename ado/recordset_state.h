#pragma once
// What a Recordset and every Fields and Field object taken from it share.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ado/recordset.h"
#include "jet/engine.h"
#include "platform/variant.h"

namespace zolk::ado {

struct Recordset::State_ {
    std::vector<jet::Column> columns;
    std::vector<platform::Variant> cells;  // row-major, as the engine gave them
    std::size_t rows = 0;
    // The view in Sort order: row numbers into `cells`; empty means the natural order.
    std::vector<std::uint32_t> order;
    std::string sort;
    std::string source;
    std::shared_ptr<Connection> connection;
    // Position in the view: -1 is BOF, `rows` is EOF.
    std::ptrdiff_t position = -1;
    std::int32_t pageSize = 10;
    bool open = false;
    bool appended = false;  // the columns come from Fields.Append
    bool readOnly = false;  // Connection.Execute's recordsets
    bool adding = false;    // an AddNew waiting for its Update
    // Column numbers ordered by name with ASCII letters folded (as platform::equalsNoCase
    // compares), ties in column order; built on the first lookup by name, cleared when the
    // columns change.
    mutable std::vector<std::int32_t> byName;

    std::size_t rowAt(std::size_t viewIndex) const {
        return order.empty() ? viewIndex : order[viewIndex];
    }
    bool onRecord() const {
        return position >= 0 && static_cast<std::size_t>(position) < rows;
    }
};

// One key of a Sort text.
struct SortKey {
    std::size_t column;
    bool descending;
};

// Parses "Col1 ASC, [Col 2] DESC" against the columns: unknown name -> 3265, malformed -> 3001.
std::vector<SortKey> parseSortKeys(const std::string& text, const std::vector<jet::Column>& columns);

// Orders two cells for Sort: Null (and Empty) first, numbers and dates by value, texts by the
// Portuguese collation ignoring case (accents count), numbers before texts.
int compareForSort(const platform::Variant& a, const platform::Variant& b);

}  // namespace zolk::ado
