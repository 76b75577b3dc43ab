#pragma once
// ADO Connection over a jet session: Execute, transactions, State, Close, and a trace hook.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "jet/engine.h"
#include "platform/dispatch.h"

namespace zolk::ado {

class Recordset;

// One database action, as the provider's statement trace records it.
struct TraceEvent {
    std::string_view op;      // "Execute", "Open", "BeginTrans", "CommitTrans", "RollbackTrans"
    std::string_view sql;     // empty for transaction actions
    const std::string* native = nullptr;  // what the engine ran; null when not translated
};

class Connection : public platform::Dispatchable {
public:
    using TraceHook = std::function<void(const TraceEvent&)>;

    explicit Connection(std::unique_ptr<jet::Session> session);
    ~Connection() override;  // rolls back an open transaction

    static std::shared_ptr<Connection> open(const std::string& url);

    // Returns an open, read-only recordset for a statement that gives rows (recordsAffected
    // then -1), a closed one (State 0) otherwise, with the count of changed rows.
    std::shared_ptr<Recordset> Execute(std::string_view text, std::int64_t* recordsAffected = nullptr);
    std::int32_t BeginTrans();  // 1; no nested transactions (-2147168237)
    void CommitTrans();
    void RollbackTrans();
    std::int32_t State() const;
    void Close();

    void setTraceHook(TraceHook hook);
    // Runs a reading statement for a recordset Open; a statement that writes is traced, then
    // refused with 3219 without running.
    jet::RowSet openForRecordset(std::string_view text);
    jet::Session& session();

    std::string className() const override { return "Connection"; }
    const platform::MemberTable& memberTable() const override;

private:
    void trace(std::string_view op, std::string_view sql, const std::string* native) const;
    void requireOpen() const;

    std::unique_ptr<jet::Session> session_;
    TraceHook hook_;
};

}  // namespace zolk::ado
