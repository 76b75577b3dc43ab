#include "jet/schema_cache.h"

#include "platform/runtime_error.h"

#include "jet/engine.h"

namespace zolk::jet {

std::shared_ptr<SchemaCache> makeSchemaCache() { return std::make_shared<SchemaCache>(); }

std::vector<std::string> SchemaCache::Source::tableNames() {
    return current ? current->tableNames() : std::vector<std::string>{};
}

std::optional<catalog::Table> SchemaCache::Source::describe(const std::string& table) {
    return current ? current->describe(table) : std::nullopt;
}

SchemaCache::Use::Use(SchemaCache& cache, catalog::TableSource& source) : lock_(cache.mutex_), cache_(cache) {
    cache_.source_.current = &source;
}

SchemaCache::Use::~Use() { cache_.source_.current = nullptr; }

bool SchemaCache::Use::observe(std::int64_t stamp) {
    if (stamp == cache_.stamp_) return false;
    cache_.clear();
    cache_.stamp_ = stamp;
    return true;
}

std::shared_ptr<const PreparedStatement> SchemaCache::Use::find(std::string_view text) {
    const auto it = cache_.byText_.find(text);
    if (it == cache_.byText_.end()) return nullptr;
    cache_.recent_.splice(cache_.recent_.begin(), cache_.recent_, it->second);
    return it->second->second;
}

void SchemaCache::Use::keep(std::string_view text, std::shared_ptr<const PreparedStatement> prepared) {
    if (text.size() > kMaxTextBytes || cache_.byText_.count(text)) return;
    cache_.recent_.emplace_front(std::string(text), std::move(prepared));
    const Entry& added = cache_.recent_.front();
    cache_.byText_.emplace(std::string_view(added.first), cache_.recent_.begin());
    cache_.bytes_ += weight(added);
    while (cache_.recent_.size() > kMaxStatements || cache_.bytes_ > kMaxTotalBytes) {
        const Entry& oldest = cache_.recent_.back();
        cache_.bytes_ -= weight(oldest);
        cache_.byText_.erase(std::string_view(oldest.first));
        cache_.recent_.pop_back();
    }
}

void SchemaCache::Use::forget() { cache_.clear(); }

void SchemaCache::clear() {
    byText_.clear();
    recent_.clear();
    bytes_ = 0;
    catalog_.reset();
}

std::size_t SchemaCache::statements() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return recent_.size();
}

std::shared_ptr<const PreparedStatement> SchemaCache::Use::prepared(std::string_view text, const Generator& gen,
                                                                    const ColumnQuery& values,
                                                                    const std::function<std::int64_t()>& schemaNow) {
    if (auto kept = find(text)) return kept;
    bool readRows = false;
    const ColumnQuery counted = [&](const std::string& native, JetType type) {
        readRows = true;
        return values(native, type);
    };
    const ColumnQuery& pivot = values ? counted : values;
    std::shared_ptr<const PreparedStatement> p;
    try {
        p = std::make_shared<const PreparedStatement>(prepare(text, catalog(), gen, pivot));
    } catch (const platform::RuntimeError& e) {
        const bool unknownName =
            e.description().rfind("Unknown", 0) == 0 || e.description().rfind("Cannot find", 0) == 0;
        if (e.number() != platform::err::DbErrorsInCommand || !unknownName || !observe(schemaNow())) throw;
        p = std::make_shared<const PreparedStatement>(prepare(text, catalog(), gen, pivot));
    }
    if (!readRows) keep(text, p);
    return p;
}

}  // namespace zolk::jet
