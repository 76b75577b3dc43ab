#pragma once
// The SQLite engine's entry points, gathered into its registry entry (engine.cpp).
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "jet/engine.h"

namespace zolk::jet::sqlite {

std::unique_ptr<Session> open(const std::string& url, std::shared_ptr<SchemaCache> cache);
std::string identity(const std::string& url);
DatabaseFile inspect(const std::string& url);
void create(const std::string& url, const std::vector<std::string>& nativeScripts, int version, bool replace,
            std::int32_t applicationId);

}  // namespace zolk::jet::sqlite
