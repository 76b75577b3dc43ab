// Recordset.Sort: the key list, the comparison of two cells, the sorted view.
#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <numeric>
#include <optional>


#include "ado/errors.h"
#include "ado/recordset_state.h"
#include "platform/dispatch.h"
#include "platform/runtime_error.h"
#include "platform/text_compare.h"

namespace zolk::ado {

using platform::Variant;
using platform::VarType;
namespace err = platform::err;

namespace {

std::string_view trimBlanks(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t\r\n");
    return s.substr(first, last - first + 1);
}

SortKey parseOneKey(std::string_view piece, const std::vector<jet::Column>& columns) {
    std::string_view name;
    std::string_view direction;
    if (piece.front() == '[') {
        const auto close = piece.find(']');
        if (close == std::string_view::npos)
            raiseAdo(err::AdoArguments, RecordsetSource, "unbalanced [ in Sort");
        name = piece.substr(1, close - 1);
        direction = trimBlanks(piece.substr(close + 1));
    } else {
        name = piece;
        const auto blank = piece.find_last_of(" \t");
        if (blank != std::string_view::npos) {
            const std::string_view last = piece.substr(blank + 1);
            if (platform::equalsNoCase(last, "ASC") || platform::equalsNoCase(last, "DESC")) {
                direction = last;
                name = trimBlanks(piece.substr(0, blank));
            }
        }
    }
    bool descending = false;
    if (platform::equalsNoCase(direction, "DESC"))
        descending = true;
    else if (!direction.empty() && !platform::equalsNoCase(direction, "ASC"))
        raiseAdo(err::AdoArguments, RecordsetSource, "Sort direction " + std::string(direction));
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (platform::equalsNoCase(columns[i].name, name)) return SortKey{i, descending};
    raiseAdo(err::AdoItemNotFound, RecordsetSource, name);
}

std::optional<double> numberOf(const Variant& v) {
    switch (v.type()) {
        case VarType::Integer: return v.asInteger();
        case VarType::Long: return v.asLong();
        case VarType::Double: return v.asDouble();
        case VarType::Currency: return v.asCurrency().toDouble();
        case VarType::Date: return v.asDate().serial();
        case VarType::Boolean: return v.asBoolean() ? -1.0 : 0.0;
        default: return std::nullopt;
    }
}

template <class T>
int threeWay(T a, T b) {
    return a < b ? -1 : b < a ? 1 : 0;
}

}  // namespace

std::vector<SortKey> parseSortKeys(const std::string& text, const std::vector<jet::Column>& columns) {
    std::vector<SortKey> keys;
    if (trimBlanks(text).empty()) return keys;
    std::size_t start = 0;
    bool inBrackets = false;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size()) {
            if (text[i] == '[') inBrackets = true;
            else if (text[i] == ']') inBrackets = false;
            if (text[i] != ',' || inBrackets) continue;
        }
        const std::string_view piece = trimBlanks(std::string_view(text).substr(start, i - start));
        if (piece.empty()) raiseAdo(err::AdoArguments, RecordsetSource, "empty key in Sort");
        keys.push_back(parseOneKey(piece, columns));
        start = i + 1;
    }
    return keys;
}

int compareForSort(const Variant& a, const Variant& b) {
    const bool aNull = a.isNull() || a.isEmpty();
    const bool bNull = b.isNull() || b.isEmpty();
    if (aNull || bNull) return threeWay(!aNull, !bNull);
    if (a.isString() && b.isString()) return platform::compareText(a.asString(), b.asString());
    if (a.type() == VarType::Currency && b.type() == VarType::Currency)
        return threeWay(a.asCurrency().raw(), b.asCurrency().raw());
    const std::optional<double> x = numberOf(a);
    const std::optional<double> y = numberOf(b);
    if (x && y) {
        // NaN first, so that the order stays a strict weak ordering.
        const bool xNan = std::isnan(*x), yNan = std::isnan(*y);
        if (xNan || yNan) return threeWay(!xNan, !yNan);
        return threeWay(*x, *y);
    }
    if (x || y) return x ? -1 : 1;  // numbers before texts and objects
    if (a.isString() || b.isString()) return a.isString() ? -1 : 1;
    return 0;
}

// Rebuilds the sorted view from Sort (an empty Sort is the natural order). The keys are parsed
// before anything changes, so an unknown field leaves the view as it was.
void Recordset::buildOrder() {
    State_& s = *s_;
    std::vector<SortKey> keys = parseSortKeys(s.sort, s.columns);
    if (keys.empty() || s.rows == 0) {
        s.order.clear();
        return;
    }
    if (s.rows > std::numeric_limits<std::uint32_t>::max())
        raiseAdo(err::AdoArguments, RecordsetSource, "too many rows to sort");
    std::vector<std::uint32_t> order(s.rows);
    std::iota(order.begin(), order.end(), std::uint32_t{0});
    const std::size_t width = s.columns.size();
    const std::vector<Variant>& cells = s.cells;
    std::stable_sort(order.begin(), order.end(), [&](std::uint32_t ra, std::uint32_t rb) {
        for (const SortKey& key : keys) {
            const int c = compareForSort(cells[ra * width + key.column], cells[rb * width + key.column]);
            if (c != 0) return key.descending ? c > 0 : c < 0;
        }
        return false;
    });
    s.order = std::move(order);
}

}  // namespace zolk::ado
