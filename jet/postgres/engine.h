#pragma once
// The PostgreSQL engine's entry points, gathered into its registry entry (engine.cpp).
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "jet/engine.h"

namespace zolk::jet::postgres {

std::unique_ptr<Session> open(const std::string& url, std::shared_ptr<SchemaCache> cache);
std::string identity(const std::string& url);
DatabaseFile inspect(const std::string& url);
void create(const std::string& url, const std::vector<std::string>& nativeScripts, int version, bool replace,
            std::int32_t applicationId);

// The one-row table that carries the schema version and the application id (a server database
// has no user_version); not one of the practice's tables.
inline constexpr const char* kStampTable = "zolk_database";

}  // namespace zolk::jet::postgres
