#pragma once
// Where the provider finds the practice database: the command line's --database, else the
// ZOLK_DATABASE environment variable, else $XDG_DATA_HOME/zolk/practice.db.
#include <string>

namespace zolk::components {

void setDatabaseOverride(std::string url);  // empty clears it
std::string databaseUrl();
// The default location, ~/.local/share/zolk/practice.db when XDG_DATA_HOME is unset.
std::string defaultDatabasePath();

}  // namespace zolk::components
