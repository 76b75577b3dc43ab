#include "fichas/colunas.h"

#include <optional>

namespace zolk::fichas {

namespace {

void add(frame::sql::SelectList& list, Property p) {
    const std::string name(properties[p].name);
    const std::string source = "FichasClinicas." + name;
    switch (properties[p].extra) {
        case Listed::Text: list.emptyIfNull(source, name); break;
        case Listed::YesNo: list.yesNo(source, name); break;
        case Listed::Plain: list.plain(source, name); break;
        case Listed::Measurement: list.formatted(source, name, "#,##0.00"); break;
        case Listed::Date: list.date(source, name); break;
    }
}

void addUntil(frame::sql::SelectList& list, std::optional<Property> stop) {
    for (Property p : listingOrder()) {
        if (stop && p == *stop) return;
        add(list, p);
    }
}

}  // namespace

void addRecordColumns(frame::sql::SelectList& list, Property stop) { addUntil(list, stop); }

void addRecordColumns(frame::sql::SelectList& list) { addUntil(list, std::nullopt); }

}  // namespace zolk::fichas
