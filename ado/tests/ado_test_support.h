#pragma once
// Helpers shared by the ado tests: error numbers, fabricated recordsets, a scripted session.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ado/connection.h"
#include "ado/data_types.h"
#include "ado/recordset.h"
#include "platform/runtime_error.h"
#include "testsupport/raised.h"

namespace zolk::ado::test {

using platform::Variant;
namespace err = platform::err;
inline constexpr std::int32_t Nullable = adattr::IsNullable | adattr::MayBeNull;

// The number of the RuntimeError `f` raises, 0 when it raises none.
template <class F>
std::int32_t errorOf(F&& f) { return testsupport::errorNumber(std::forward<F>(f)); }

// Append, Open, then AddNew/Update per row; positioned on the first row.
inline std::shared_ptr<Recordset> fabricate(const std::vector<jet::Column>& fields,
                                            const std::vector<std::vector<Variant>>& rows) {
    auto rs = std::make_shared<Recordset>();
    for (const jet::Column& f : fields) rs->appendField(f.name, f.type, f.definedSize, f.attributes);
    rs->Open();
    for (const auto& row : rows) {
        rs->AddNew();
        for (std::size_t i = 0; i < row.size(); ++i) rs->setValue(static_cast<std::int32_t>(i), row[i]);
        rs->Update();
    }
    if (!rows.empty()) rs->MoveFirst();
    return rs;
}

// Rows numbered 1..n in the field "N".
inline std::shared_ptr<Recordset> numbered(int n) {
    std::vector<std::vector<Variant>> rows;
    for (int i = 1; i <= n; ++i) rows.push_back({Variant(i)});
    return fabricate({{"N", adtype::Integer, 4, adattr::Fixed}}, rows);
}

// A session scripted by the test: SELECT... gives `rows`, INSERT/UPDATE/DELETE write and report
// `affected`, a text containing "BAD" does not translate. Every request goes to `log`.
struct ScriptedSession : jet::Session {
    std::shared_ptr<std::vector<std::string>> log = std::make_shared<std::vector<std::string>>();
    jet::RowSet rows;
    std::int64_t affected = 0;
    bool transaction = false;

    jet::Translation translate(std::string_view sql) override {
        log->push_back("translate " + std::string(sql));
        if (sql.find("BAD") != std::string_view::npos)
            throw platform::RuntimeError(err::DbErrorsInCommand, "Syntax error.");
        const bool writes = sql.starts_with("INSERT") || sql.starts_with("UPDATE") || sql.starts_with("DELETE");
        return {"native(" + std::string(sql) + ")", writes};
    }
    jet::ExecResult execute(std::string_view sql) override {
        log->push_back("execute " + std::string(sql));
        jet::ExecResult r;
        if ((r.returnsRows = sql.starts_with("SELECT"))) r.rows = rows; else r.rowsAffected = affected;
        return r;
    }
    void begin() override { log->push_back("begin"), transaction = true; }
    void commit() override { log->push_back("commit"), transaction = false; }
    void rollback() override { log->push_back("rollback"), transaction = false; }
    bool inTransaction() const override { return transaction; }
    std::string engineName() const override { return "scripted"; }
    int reset() override { return log->push_back("reset"), transaction = false, 0; }
    const std::string& fileIdentity() const override { return identity; }
    std::string identity;  // empty: never kept for another user
};

}  // namespace zolk::ado::test
