#include "ado/connection.h"

#include <utility>

#include "ado/errors.h"
#include "ado/recordset.h"
#include "platform/runtime_error.h"

namespace zolk::ado {

namespace err = platform::err;

Connection::Connection(std::unique_ptr<jet::Session> session) : session_(std::move(session)) {}

Connection::~Connection() {
    if (!session_) return;
    try {
        if (session_->inTransaction()) session_->rollback();
    } catch (...) {
        // Nothing can be reported from a release; closing the session discards the work anyway.
    }
}

std::shared_ptr<Connection> Connection::open(const std::string& url) {
    return std::make_shared<Connection>(jet::openSession(url));
}

void Connection::requireOpen() const {
    if (!session_) raiseAdo(err::AdoObjectClosed, ConnectionSource);
}

void Connection::trace(std::string_view op, std::string_view sql, const std::string* native) const {
    if (hook_) hook_(TraceEvent{op, sql, native});
}

void Connection::setTraceHook(TraceHook hook) { hook_ = std::move(hook); }

jet::Session& Connection::session() {
    requireOpen();
    return *session_;
}

// The statement is traced before it runs, so a statement the engine refuses is traced too
// (with no native text when it could not even be translated).
std::shared_ptr<Recordset> Connection::Execute(std::string_view text, std::int64_t* recordsAffected) {
    requireOpen();
    jet::Translation translation;
    try {
        translation = session_->translate(text);
    } catch (...) {
        trace("Execute", text, nullptr);
        throw;
    }
    trace("Execute", text, &translation.native);
    jet::ExecResult result = session_->execute(text);
    if (!result.returnsRows) {
        if (recordsAffected) *recordsAffected = result.rowsAffected;
        return std::make_shared<Recordset>();
    }
    // A statement that gives rows reports no count, as ADO does.
    if (recordsAffected) *recordsAffected = -1;
    auto recordset = Recordset::fromRows(std::move(result.rows), std::string(text));
    if (auto self = weak_from_this().lock())
        recordset->ActiveConnection(std::static_pointer_cast<Connection>(self));
    return recordset;
}

jet::RowSet Connection::openForRecordset(std::string_view text) {
    requireOpen();
    jet::Translation translation;
    try {
        translation = session_->translate(text);
    } catch (...) {
        trace("Open", text, nullptr);
        throw;
    }
    trace("Open", text, &translation.native);
    // A recordset only reads: nothing typed into a search box may change data.
    if (translation.writes)
        raiseAdo(err::AdoNotAllowed, RecordsetSource, "a recordset cannot run a statement that writes");
    jet::ExecResult result = session_->execute(text);
    if (!result.returnsRows) return {};
    return std::move(result.rows);
}

std::int32_t Connection::BeginTrans() {
    requireOpen();
    trace("BeginTrans", {}, nullptr);
    if (session_->inTransaction()) raiseAdo(TransactionExists, ConnectionSource);
    session_->begin();
    return 1;
}

void Connection::CommitTrans() {
    requireOpen();
    trace("CommitTrans", {}, nullptr);
    if (!session_->inTransaction()) raiseAdo(err::NoTransaction, ConnectionSource);
    session_->commit();
}

void Connection::RollbackTrans() {
    requireOpen();
    trace("RollbackTrans", {}, nullptr);
    if (!session_->inTransaction()) raiseAdo(err::NoTransaction, ConnectionSource);
    session_->rollback();
}

std::int32_t Connection::State() const { return session_ ? 1 : 0; }

void Connection::Close() {
    requireOpen();
    if (session_->inTransaction()) raiseAdo(err::AdoCloseInTransaction, ConnectionSource);
    session_.reset();
}

}  // namespace zolk::ado
