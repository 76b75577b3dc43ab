#include "components/provider/session_pool.h"

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <mutex>
#include <utility>
#include <vector>

namespace zolk::components {

using Sessions = std::vector<std::unique_ptr<jet::Session>>;

struct SessionPool::State {
    struct Database {
        std::string identity;  // the file the sessions and the cache belong to
        std::shared_ptr<jet::SchemaCache> cache;
        Sessions idle;
        std::size_t leased = 0;  // sessions in use now
        std::uint64_t lastUse = 0;
    };

    mutable std::mutex mutex;
    std::map<std::string, Database> byUrl;
    std::uint64_t clock = 0;
    std::size_t opened = 0;
    pid_t owner = ::getpid();

    ~State() { leaveWhenForked(); }

    // A child process must not use, nor close, the connections it inherited: closing one would
    // let it end the write-ahead log its parent still uses. They are left behind, unused.
    void leaveWhenForked() {
        if (owner == ::getpid()) return;
        for (auto& [url, db] : byUrl)
            for (auto& s : db.idle) static_cast<void>(s.release());
        byUrl.clear();
        owner = ::getpid();
    }

    // The entry of `url` for the file `identity`; an entry of another file is emptied first
    // (its sessions moved to `closing`). Makes room by closing the least recently used database.
    Database& entry(const std::string& url, const std::string& identity, Sessions& closing) {
        auto it = byUrl.find(url);
        if (it == byUrl.end()) {
            if (byUrl.size() >= kDatabases) {
                auto oldest = std::min_element(byUrl.begin(), byUrl.end(), [](const auto& a, const auto& b) {
                    return a.second.lastUse < b.second.lastUse;
                });
                for (auto& s : oldest->second.idle) closing.push_back(std::move(s));
                byUrl.erase(oldest);
            }
            it = byUrl.emplace(url, Database{}).first;
        }
        Database& db = it->second;
        if (db.identity != identity || !db.cache) {
            for (auto& s : db.idle) closing.push_back(std::move(s));
            db.idle.clear();
            db.leased = 0;  // those still in use hold the old file: they are closed when done
            db.identity = identity;
            db.cache = jet::makeSchemaCache();
        }
        db.lastUse = ++clock;
        return db;
    }

    // A session whose user is done: kept when its file is still the one of its URL's entry.
    void giveBack(const std::string& url, const std::string& identity, std::unique_ptr<jet::Session> session,
                  bool keep) {
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (owner != ::getpid()) {
                static_cast<void>(session.release());
                return;
            }
        }
        try {
            // A transaction left open would hold the write lock while the session waits.
            while (session->inTransaction()) session->rollback();
        } catch (...) {
            return;  // closed: a session that cannot end its transaction is not handed out again
        }
        Sessions closing;
        std::lock_guard<std::mutex> lock(mutex);
        const auto it = byUrl.find(url);
        if (it != byUrl.end() && it->second.identity == identity && it->second.leased > 0) --it->second.leased;
        if (!keep || it == byUrl.end() || session->fileIdentity().empty() ||
            it->second.identity != session->fileIdentity() || it->second.idle.size() >= kIdlePerDatabase) {
            closing.push_back(std::move(session));
            return;
        }
        it->second.idle.push_back(std::move(session));
    }
};

namespace {

// What the pool hands out: the session itself to its user, given back when the user is done.
class Lease final : public jet::Session {
public:
    Lease(std::weak_ptr<SessionPool::State> pool, std::string url, std::unique_ptr<jet::Session> session)
        : pool_(std::move(pool)), url_(std::move(url)), session_(std::move(session)) {}
    ~Lease() override {
        const std::string identity = session_->fileIdentity();
        if (auto pool = pool_.lock()) pool->giveBack(url_, identity, std::move(session_), keep_);
    }
    // Closes the session when its user is done instead of keeping it.
    void discard() { keep_ = false; }

    jet::Translation translate(std::string_view jetSql) override { return session_->translate(jetSql); }
    jet::ExecResult execute(std::string_view jetSql) override { return session_->execute(jetSql); }
    void begin() override { session_->begin(); }
    void commit() override { session_->commit(); }
    void rollback() override { session_->rollback(); }
    bool inTransaction() const override { return session_->inTransaction(); }
    std::string engineName() const override { return session_->engineName(); }
    int reset() override { return session_->reset(); }
    const std::string& fileIdentity() const override { return session_->fileIdentity(); }

private:
    std::weak_ptr<SessionPool::State> pool_;
    std::string url_;
    std::unique_ptr<jet::Session> session_;
    bool keep_ = true;
};

}  // namespace

SessionPool::SessionPool() : state_(std::make_shared<State>()) {}

SessionPool::~SessionPool() = default;

SessionPool& SessionPool::shared() {
    static SessionPool pool;
    return pool;
}

std::unique_ptr<jet::Session> SessionPool::reuse(const std::string& url, int version) {
    std::string identity;
    try {
        identity = jet::fileIdentity(url);
    } catch (...) {
        return nullptr;  // not a file URL: the caller's look at it says why
    }
    Sessions closing;
    std::unique_ptr<jet::Session> session;
    std::shared_ptr<jet::SchemaCache> cache;
    {
        std::lock_guard<std::mutex> lock(state_->mutex);
        state_->leaveWhenForked();
        const auto it = state_->byUrl.find(url);
        if (it == state_->byUrl.end()) return nullptr;
        if (identity.empty() || it->second.identity != identity) {
            // The file was replaced, removed or had its permissions changed: nothing kept for it
            // may serve again.
            closing = std::move(it->second.idle);
            state_->byUrl.erase(it);
            return nullptr;
        }
        if (it->second.idle.empty()) {
            // Every session on the file is in use: another one is opened without looking at the
            // file again (reading its header would drop this process's locks on it).
            if (it->second.leased == 0) return nullptr;
            cache = it->second.cache;
            ++state_->opened;
        } else {
            session = std::move(it->second.idle.back());
            it->second.idle.pop_back();
        }
        ++it->second.leased;
        it->second.lastUse = ++state_->clock;
    }
    if (!session) {
        try {
            session = jet::openSession(url, cache);
        } catch (...) {
            unlease(url, identity);
            return nullptr;  // the caller's look at the file says why
        }
    }
    // Once leased, the session goes back through the pool whatever happens next.
    auto leased = std::make_unique<Lease>(state_, url, std::move(session));
    try {
        if (leased->fileIdentity() == identity && leased->reset() == version) return leased;
    } catch (...) {
    }
    leased->discard();  // the caller reports the version or the failure, looking at the file
    return nullptr;
}

std::unique_ptr<jet::Session> SessionPool::open(const std::string& url) {
    std::unique_ptr<jet::Session> session;
    // The file may be replaced between the look at it and the opening: the session is kept only
    // when it holds the file the cache it shares was made for.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const std::string identity = jet::fileIdentity(url);
        std::shared_ptr<jet::SchemaCache> cache;
        Sessions closing;
        {
            std::lock_guard<std::mutex> lock(state_->mutex);
            state_->leaveWhenForked();
            State::Database& db = state_->entry(url, identity, closing);
            cache = db.cache;
            ++db.leased;
            ++state_->opened;
        }
        try {
            session = jet::openSession(url, cache);
        } catch (...) {
            unlease(url, identity);
            throw;
        }
        if (!identity.empty() && session->fileIdentity() == identity) {
            auto leased = std::make_unique<Lease>(state_, url, std::move(session));
            try {
                leased->reset();
            } catch (...) {
                leased->discard();
                throw;
            }
            return leased;
        }
        unlease(url, identity);
        if (session->fileIdentity().empty()) break;  // read-only: served, never kept
        session.reset();
    }
    if (!session) session = jet::openSession(url);
    return session;
}

void SessionPool::unlease(const std::string& url, const std::string& identity) {
    std::lock_guard<std::mutex> lock(state_->mutex);
    const auto it = state_->byUrl.find(url);
    if (it != state_->byUrl.end() && it->second.identity == identity && it->second.leased > 0) --it->second.leased;
}

void SessionPool::closeIdle() {
    Sessions closing;
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->leaveWhenForked();
    for (auto it = state_->byUrl.begin(); it != state_->byUrl.end();) {
        for (auto& s : it->second.idle) closing.push_back(std::move(s));
        it->second.idle.clear();
        it = it->second.leased > 0 ? std::next(it) : state_->byUrl.erase(it);
    }
}

std::size_t SessionPool::opened() const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->opened;
}

std::size_t SessionPool::idle() const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    std::size_t n = 0;
    for (const auto& [url, db] : state_->byUrl) n += db.idle.size();
    return n;
}

void closeIdleSessions() { SessionPool::shared().closeIdle(); }

}  // namespace zolk::components
