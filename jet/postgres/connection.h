#pragma once
// A libpq connection for the engine: opened from a libpq URL with a connection timeout, dates
// in ISO form, a bound on the work and the waits of each statement. Results are freed by
// their owner.
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>

// libpq's PGconn and PGresult.
struct pg_conn;
struct pg_result;

namespace zolk::jet::postgres {

inline constexpr const char* kErrorSource = "Jet engine (PostgreSQL)";

struct ResultFree {
    void operator()(pg_result* r) const;
};
using Result = std::unique_ptr<pg_result, ResultFree>;

// Whether a result reports success (commands and queries alike).
bool succeeded(const pg_result* r);

class Connection {
public:
    // Raises -2147467259 naming the server and libpq's reason when it cannot connect (no server,
    // refused credentials, no such database, no answer within the timeout).
    explicit Connection(const std::string& url);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    pg_conn* raw() const { return conn_; }
    // One statement by the extended protocol (which takes exactly one), text parameters $1...
    Result run(const std::string& sql, std::initializer_list<const char*> params = {});
    // Statements by the simple protocol, for the engine's own control texts; raises on failure.
    void control(const std::string& sql);
    // The same, returning the result whatever it says.
    Result exec(const std::string& sql);
    // Whether the server connection was lost; reconnect() tries once to open it again.
    bool lost() const;
    void reconnect();

private:
    void quiet();
    pg_conn* conn_ = nullptr;
};

// Requests this process has sent to servers (each a round trip), for the benchmarks' counts.
std::uint64_t roundTrips();

// The URL without its password, for messages.
std::string describeUrl(const std::string& url);

}  // namespace zolk::jet::postgres
