#include "schema/practice_database.h"

#include <vector>

#include "jet/engine.h"
#include "schema/embedded_scripts.h"

namespace zolk::schema {

std::string ddl() { return embedded::practiceSqlite; }

std::string demoData() { return embedded::demoData; }

void createPracticeDatabase(const std::string& url, bool demo, bool replace) {
    std::vector<std::string> scripts{ddl()};
    if (demo) scripts.push_back(demoData());
    jet::createDatabase(url, scripts, SchemaVersion, replace);
}

}  // namespace zolk::schema
