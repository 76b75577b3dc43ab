#pragma once
// Helpers shared by the ado tests: fabricated recordsets, error numbers, a scripted session.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ado/connection.h"
#include "ado/data_types.h"
#include "ado/recordset.h"
#include "jet/engine.h"
#include "platform/runtime_error.h"
#include "platform/variant.h"

namespace zolk::ado::test {

using platform::Variant;

// The number of the RuntimeError `f` raises, 0 when it raises none.
template <class F>
std::int32_t errorOf(F&& f) {
    try {
        f();
    } catch (const platform::RuntimeError& e) {
        return e.number();
    }
    return 0;
}

inline constexpr std::int32_t Nullable = adattr::IsNullable | adattr::MayBeNull;

// A fabricated recordset (Append, Open, AddNew/Update per row), positioned on its first row.
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

// A recordset of `n` rows numbered 1..n in the field "N".
inline std::shared_ptr<Recordset> numbered(int n) {
    std::vector<std::vector<Variant>> rows;
    for (int i = 1; i <= n; ++i) rows.push_back({Variant(static_cast<std::int32_t>(i))});
    return fabricate({{"N", adtype::Integer, 4, adattr::Fixed}}, rows);
}

// An engine session scripted by the test: texts starting with SELECT give `rows`, INSERT,
// UPDATE and DELETE write and report `affected`, texts containing "BAD" do not translate.
// Everything asked of it is written to the shared log.
struct ScriptedSession : jet::Session {
    std::shared_ptr<std::vector<std::string>> log = std::make_shared<std::vector<std::string>>();
    jet::RowSet rows;
    std::int64_t affected = 0;
    bool transaction = false;

    static bool startsWith(std::string_view text, std::string_view word) {
        return text.substr(0, word.size()) == word;
    }
    jet::Translation translate(std::string_view sql) override {
        log->push_back("translate " + std::string(sql));
        if (sql.find("BAD") != std::string_view::npos)
            throw platform::RuntimeError(platform::err::DbErrorsInCommand, "Syntax error.");
        return {"native(" + std::string(sql) + ")",
                startsWith(sql, "INSERT") || startsWith(sql, "UPDATE") || startsWith(sql, "DELETE")};
    }
    jet::ExecResult execute(std::string_view sql) override {
        log->push_back("execute " + std::string(sql));
        jet::ExecResult r;
        if (startsWith(sql, "SELECT")) {
            r.returnsRows = true;
            r.rows = rows;
        } else {
            r.rowsAffected = affected;
        }
        return r;
    }
    void begin() override {
        log->push_back("begin");
        transaction = true;
    }
    void commit() override {
        log->push_back("commit");
        transaction = false;
    }
    void rollback() override {
        log->push_back("rollback");
        transaction = false;
    }
    bool inTransaction() const override { return transaction; }
    std::string engineName() const override { return "scripted"; }
};

}  // namespace zolk::ado::test
