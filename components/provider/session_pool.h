#pragma once
// The sessions the provider keeps open between operations. Opening a session costs SQLite a
// reading of the whole practice schema; a kept one is handed out again, one user at a time,
// after it has been reset (no transaction left open, the schema stamps read again). A session
// is kept only while its URL still names the file it holds open: a database replaced in its
// place (`fichas init --force`) closes the sessions on the old file. The sessions on one file
// share one catalog and one cache of translations. Everything kept is closed when the process
// ends.
#include <cstddef>
#include <memory>
#include <string>

#include "jet/engine.h"

namespace zolk::components {

class SessionPool {
public:
    static constexpr std::size_t kIdlePerDatabase = 4;
    static constexpr std::size_t kDatabases = 8;

    SessionPool();
    ~SessionPool();
    SessionPool(const SessionPool&) = delete;
    SessionPool& operator=(const SessionPool&) = delete;

    // The process's pool.
    static SessionPool& shared();

    // A kept session on `url` whose database is stamped `version`, reset for its new user;
    // nullptr when there is none (the caller then looks at the file and opens one). The session
    // goes back to the pool when its user destroys it.
    std::unique_ptr<jet::Session> reuse(const std::string& url, int version);
    // A new session on `url` (raises as jet::openSession does), kept when its user is done.
    std::unique_ptr<jet::Session> open(const std::string& url);
    // Closes every session not in use (before a database is replaced within this process).
    void closeIdle();

    // Sessions opened since the pool was made, and those waiting now.
    std::size_t opened() const;
    std::size_t idle() const;

    struct State;

private:
    void unlease(const std::string& url, const std::string& identity);
    std::shared_ptr<State> state_;
};

// Closes the process pool's idle sessions on every database.
void closeIdleSessions();

}  // namespace zolk::components
