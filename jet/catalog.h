#pragma once
// What the translator knows of the open database: tables, their columns and Jet types. Column
// types come from the declared type names through one fixed list (typeFromDeclared), so a table
// the practice adds later is typed as well. An engine fills the catalog through a TableSource.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "jet/ast.h"

namespace zolk::jet::catalog {

struct Column {
    std::string name;
    JetType type = JetType::Text;
    int size = 255;            // DefinedSize
    bool notNull = false;
    bool primaryKey = false;
    bool autoIncrement = false;
};

struct ForeignKey {
    std::string table;          // the referring table
    std::string column;         // its column
    std::string parentTable;    // the referred table
    std::string parentColumn;
};

struct Table {
    std::string name;
    std::vector<Column> columns;
    std::vector<ForeignKey> foreignKeys;  // this table's references to others
    // Sets of columns that no two rows share and that can never be Null (the primary key and
    // each unique index), by column name: what tells an ORDER BY without ties.
    std::vector<std::vector<std::string>> uniqueKeys;
    const Column* find(std::string_view column) const;
    // Indexes the columns by name; the catalog does it once a table is described.
    void buildIndex();

private:
    std::unordered_map<std::string, std::size_t> byName_;  // upper-case name -> position
};

struct DeclaredType {
    JetType type;
    int size;
};

// The fixed list of declared type names: VARCHAR(n), LONGTEXT, BYTE, SMALLINT, INTEGER, DOUBLE,
// CURRENCY, DATETIME, YESNO (any letter case). Anything else is typed by its nearest kind.
DeclaredType typeFromDeclared(std::string_view declared);

// Where an engine lists its tables and describes one.
class TableSource {
public:
    virtual ~TableSource() = default;
    virtual std::vector<std::string> tableNames() = 0;
    virtual std::optional<Table> describe(const std::string& table) = 0;
};

class Catalog {
public:
    explicit Catalog(TableSource& source) : source_(source) {}
    // The table of that name (any case), loading it on first use; nullptr when there is none.
    const Table* find(std::string_view name);
    // Tables whose foreign keys refer to `parent`.
    std::vector<const Table*> referring(std::string_view parent);
    // Forgets everything, so that tables created since are seen.
    void reset();

private:
    void loadNames();
    TableSource& source_;
    bool namesLoaded_ = false;
    std::vector<std::string> names_;
    std::map<std::string, std::unique_ptr<Table>> tables_;  // by upper-case name
};

}  // namespace zolk::jet::catalog
