#pragma once
// What the sessions on one database share: the catalog and the translations of the statement
// texts seen before. Both describe one schema; a session that reads a different schema stamp
// from the database empties the cache before using it again. Bounded: texts beyond the limits
// are translated every time and the least recently used translations make room for new ones.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "jet/catalog.h"
#include "jet/translator.h"

namespace zolk::jet {

class SchemaCache {
public:
    static constexpr std::size_t kMaxStatements = 512;
    static constexpr std::size_t kMaxTextBytes = 64 * 1024;        // a longer text is not kept
    static constexpr std::size_t kMaxTotalBytes = 8 * 1024 * 1024;  // texts and native texts kept

    SchemaCache() = default;
    SchemaCache(const SchemaCache&) = delete;
    SchemaCache& operator=(const SchemaCache&) = delete;

    // One session's exclusive use of the cache; the catalog reads the database through `source`.
    class Use {
    public:
        Use(SchemaCache& cache, catalog::TableSource& source);
        ~Use();
        Use(const Use&) = delete;
        Use& operator=(const Use&) = delete;

        catalog::Catalog& catalog() { return cache_.catalog_; }
        // Empties the cache when `stamp` is not the one it was filled under; true when it did.
        bool observe(std::int64_t stamp);
        std::shared_ptr<const PreparedStatement> find(std::string_view text);
        void keep(std::string_view text, std::shared_ptr<const PreparedStatement> prepared);
        // Forgets the catalog and every translation (tables created or changed since).
        void forget();

        // The translation of a text seen before, else a new one kept for next time. When a name
        // is unknown and the schema changed since the catalog was read (`schemaNow` reads the
        // database's stamp; another connection may have changed it), translates once more
        // against the schema as it is now. A translation that read rows (a crosstab's pivot
        // values) holds for this run only and is not kept.
        std::shared_ptr<const PreparedStatement> prepared(std::string_view text, const Generator& gen,
                                                          const ColumnQuery& values,
                                                          const std::function<std::int64_t()>& schemaNow);

    private:
        std::unique_lock<std::mutex> lock_;
        SchemaCache& cache_;
    };

    // Translations held now.
    std::size_t statements() const;

private:
    // The catalog reads through whichever session is using the cache.
    class Source final : public catalog::TableSource {
    public:
        catalog::TableSource* current = nullptr;
        std::vector<std::string> tableNames() override;
        std::optional<catalog::Table> describe(const std::string& table) override;
    };
    using Entry = std::pair<std::string, std::shared_ptr<const PreparedStatement>>;

    static std::size_t weight(const Entry& e) { return e.first.size() + e.second->translation.native.size(); }
    void clear();

    mutable std::mutex mutex_;
    Source source_;
    catalog::Catalog catalog_{source_};
    std::int64_t stamp_ = -1;
    std::list<Entry> recent_;  // most recently used first
    std::unordered_map<std::string_view, std::list<Entry>::iterator> byText_;
    std::size_t bytes_ = 0;
};

}  // namespace zolk::jet
