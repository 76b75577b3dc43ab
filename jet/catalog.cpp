#include "jet/catalog.h"

#include <cctype>
#include <cstdlib>

#include "platform/text_compare.h"

namespace zolk::jet::catalog {
namespace {

std::string upper(std::string_view s) {
    std::string u(s);
    for (auto& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return u;
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

struct TypeName {
    const char* name;
    JetType type;
    int size;
};

// The declared type names the practice schema is written with, and what each means to Jet.
constexpr TypeName kTypeNames[] = {
    {"LONGTEXT", JetType::Memo, 536870910},
    {"BYTE", JetType::Byte, 1},
    {"SMALLINT", JetType::SmallInt, 2},
    {"INTEGER", JetType::Long, 4},
    {"DOUBLE", JetType::Double, 8},
    {"CURRENCY", JetType::Currency, 8},
    {"DATETIME", JetType::Date, 8},
    {"YESNO", JetType::Boolean, 2},
};

}  // namespace

DeclaredType typeFromDeclared(std::string_view declared) {
    const std::string d = upper(trim(declared));
    if (d.rfind("VARCHAR", 0) == 0) {
        int size = 255;
        const auto open = d.find('(');
        if (open != std::string::npos) {
            const int n = std::atoi(d.c_str() + open + 1);
            if (n > 0) size = n;
        }
        return {JetType::Text, size};
    }
    for (const auto& t : kTypeNames)
        if (d == t.name) return {t.type, t.size};
    // Not one of ours (a table made by hand): the nearest kind by SQLite's affinity rules.
    if (d.find("INT") != std::string::npos) return {JetType::Long, 4};
    if (d.find("CHAR") != std::string::npos || d.find("TEXT") != std::string::npos ||
        d.find("CLOB") != std::string::npos || d.empty())
        return {JetType::Text, 255};
    if (d.find("REAL") != std::string::npos || d.find("FLOA") != std::string::npos ||
        d.find("DOUB") != std::string::npos || d.find("NUMERIC") != std::string::npos ||
        d.find("DECIMAL") != std::string::npos)
        return {JetType::Double, 8};
    if (d.find("DATE") != std::string::npos || d.find("TIME") != std::string::npos)
        return {JetType::Date, 8};
    if (d.find("BOOL") != std::string::npos) return {JetType::Boolean, 2};
    return {JetType::Text, 255};
}

const Column* Table::find(std::string_view column) const {
    if (!byName_.empty()) {
        const auto it = byName_.find(upper(column));
        return it == byName_.end() ? nullptr : &columns[it->second];
    }
    for (const auto& c : columns)
        if (platform::equalsNoCase(c.name, column)) return &c;
    return nullptr;
}

void Table::buildIndex() {
    byName_.clear();
    for (std::size_t i = 0; i < columns.size(); ++i) byName_.emplace(upper(columns[i].name), i);
}

void Catalog::loadNames() {
    names_ = source_.tableNames();
    namesLoaded_ = true;
}

const Table* Catalog::find(std::string_view name) {
    const std::string key = upper(name);
    if (auto it = tables_.find(key); it != tables_.end()) return it->second.get();
    if (!namesLoaded_) loadNames();
    auto known = [&] {
        for (const auto& n : names_)
            if (platform::equalsNoCase(n, name)) return n;
        return std::string();
    };
    std::string real = known();
    if (real.empty()) {
        loadNames();  // a table created since the names were read
        real = known();
        if (real.empty()) return nullptr;
    }
    auto described = source_.describe(real);
    if (!described) return nullptr;
    auto table = std::make_unique<Table>(std::move(*described));
    table->buildIndex();
    const Table* result = table.get();
    tables_[key] = std::move(table);
    return result;
}

std::vector<const Table*> Catalog::referring(std::string_view parent) {
    if (!namesLoaded_) loadNames();
    std::vector<const Table*> out;
    const std::vector<std::string> names = names_;
    for (const auto& n : names) {
        const Table* t = find(n);
        if (!t) continue;
        for (const auto& fk : t->foreignKeys) {
            if (platform::equalsNoCase(fk.parentTable, parent)) {
                out.push_back(t);
                break;
            }
        }
    }
    return out;
}

void Catalog::reset() {
    tables_.clear();
    names_.clear();
    namesLoaded_ = false;
}

}  // namespace zolk::jet::catalog
