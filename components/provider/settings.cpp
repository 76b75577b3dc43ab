#include "components/provider/settings.h"

#include <cstdlib>

namespace zolk::components {

namespace {
std::string& overrideUrl() {
    static std::string url;
    return url;
}
}  // namespace

void setDatabaseOverride(std::string url) { overrideUrl() = std::move(url); }

std::string defaultDatabasePath() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    std::string base;
    if (xdg && *xdg) {
        base = xdg;
    } else {
        const char* home = std::getenv("HOME");
        base = std::string(home && *home ? home : ".") + "/.local/share";
    }
    return base + "/zolk/practice.db";
}

std::string databaseUrl() {
    if (!overrideUrl().empty()) return overrideUrl();
    const char* env = std::getenv("ZOLK_DATABASE");
    if (env && *env) return env;
    return defaultDatabasePath();
}

}  // namespace zolk::components
