#pragma once
// The catalog's view of a PostgreSQL database: the tables of the current schema, their columns
// with the declared types of the practice schema (the extension's domains) or the nearest
// ones, their keys and their foreign keys.
#include "jet/catalog.h"
#include "jet/postgres/connection.h"

namespace zolk::jet::postgres {

class TableSource final : public catalog::TableSource {
public:
    explicit TableSource(Connection& c) : c_(c) {}
    std::vector<std::string> tableNames() override;
    std::optional<catalog::Table> describe(const std::string& table) override;

private:
    Connection& c_;
};

}  // namespace zolk::jet::postgres
