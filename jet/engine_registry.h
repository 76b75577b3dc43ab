#pragma once
// The engines this build carries, each found by the scheme of a database URL. Only the registry
// knows which engines exist; callers go through the functions of engine.h.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "jet/engine.h"

namespace zolk::jet {

struct EngineEntry {
    const char* name;                        // as Session::engineName() gives it
    std::span<const std::string_view> schemes;  // "sqlite" serves "sqlite:..." and "sqlite://..."
    bool servesBarePaths;                    // a URL without a scheme is a file of this engine
    std::unique_ptr<Session> (*open)(const std::string& url, std::shared_ptr<SchemaCache> cache);
    std::string (*identity)(const std::string& url);
    DatabaseFile (*inspect)(const std::string& url);
    void (*create)(const std::string& url, const std::vector<std::string>& nativeScripts, int version,
                   bool replace, std::int32_t applicationId);
};

// The scheme of `url` ("postgresql" of "postgresql://..."), lower case; empty for a bare path.
// A path such as "notes:2024.db" has no scheme unless an engine claims the word.
std::string urlScheme(std::string_view url);

// The engine serving `url`; raises -2147467259 naming the scheme when none of this build does.
const EngineEntry& engineFor(std::string_view url);

// Every engine of this build.
std::span<const EngineEntry* const> engines();

}  // namespace zolk::jet
