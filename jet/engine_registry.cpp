#include "jet/engine_registry.h"

#include <algorithm>

#include "platform/runtime_error.h"

namespace zolk::jet {

// Each engine folder defines its entry; the list below is the only place that names them.
namespace sqlite {
const EngineEntry& entry();
}
namespace postgres {
const EngineEntry& entry();
}

namespace {

bool claimed(std::string_view scheme) {
    for (const EngineEntry* e : engines())
        for (std::string_view s : e->schemes)
            if (s == scheme) return true;
    return false;
}

}  // namespace

std::span<const EngineEntry* const> engines() {
    static const EngineEntry* const list[] = {&sqlite::entry(), &postgres::entry()};
    return list;
}

std::string urlScheme(std::string_view url) {
    const std::size_t colon = url.find(':');
    if (colon == std::string_view::npos || colon == 0) return {};
    std::string scheme;
    for (std::size_t i = 0; i < colon; ++i) {
        const char c = url[i];
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        const bool other = (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
        if (!letter && !(i > 0 && other)) return {};
        scheme += static_cast<char>(letter && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    // "word://" is always a scheme; "word:" only when an engine serves that word.
    if (url.substr(colon + 1, 2) == "//" || claimed(scheme)) return scheme;
    return {};
}

const EngineEntry& engineFor(std::string_view url) {
    // Longer than any path or server address: refused before an engine sees it.
    constexpr std::size_t kMaxUrl = 4096;
    if (url.size() > kMaxUrl)
        throw platform::RuntimeError(platform::err::DbGeneralFailure,
                                     "The database URL is too long (" + std::to_string(url.size()) +
                                         " characters; at most " + std::to_string(kMaxUrl) + ").",
                                     "Jet engine", 0);
    const std::string scheme = urlScheme(url);
    for (const EngineEntry* e : engines()) {
        if (scheme.empty() ? e->servesBarePaths
                           : std::find(e->schemes.begin(), e->schemes.end(), scheme) != e->schemes.end())
            return *e;
    }
    std::string served;
    for (const EngineEntry* e : engines()) {
        if (!served.empty()) served += ", ";
        served += e->name;
    }
    throw platform::RuntimeError(platform::err::DbGeneralFailure,
                                 "No database engine of this build serves '" + scheme +
                                     ":' URLs (it has: " + served + ").",
                                 "Jet engine", 0);
}

std::unique_ptr<Session> openSession(const std::string& url) { return engineFor(url).open(url, nullptr); }

std::unique_ptr<Session> openSession(const std::string& url, std::shared_ptr<SchemaCache> cache) {
    return engineFor(url).open(url, std::move(cache));
}

std::string fileIdentity(const std::string& url) { return engineFor(url).identity(url); }

DatabaseFile inspectDatabase(const std::string& url) { return engineFor(url).inspect(url); }

int databaseVersion(const std::string& url) { return inspectDatabase(url).userVersion; }

void createDatabase(const std::string& url, const std::vector<std::string>& nativeScripts, int version,
                    bool replace, std::int32_t applicationId) {
    engineFor(url).create(url, nativeScripts, version, replace, applicationId);
}

}  // namespace zolk::jet
