// Connection's dispatch interface.
#include <limits>

#include "ado/connection.h"
#include "ado/data_types.h"
#include "ado/recordset.h"

namespace zolk::ado {

using platform::CallArgs;
using platform::MemberKind;
using platform::method;
using platform::ParamType;
using platform::Variant;

namespace {

std::int32_t toLong(std::int64_t n) {
    if (n > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    if (n < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(n);
}

Variant execute(Connection& c, CallArgs& a) {
    std::int64_t affected = 0;
    std::shared_ptr<Recordset> rs = c.Execute(a[0].asString(), &affected);
    a[1] = Variant(toLong(affected));
    if (a[2].asLong() & adExecuteNoRecords) return Variant(platform::ObjectRef());
    return Variant(platform::ObjectRef(std::move(rs)));
}

}  // namespace

const platform::MemberTable& Connection::memberTable() const {
    using C = Connection;
    static const platform::MemberTable table = [] {
        platform::MemberTable t;
        t.add({"Execute", MemberKind::Operation,
               {{"CommandText", ParamType::String},
                {"RecordsAffected", ParamType::Variant, true, true},
                {"Options", ParamType::Long, true}},
               ParamType::Object, method<C>(execute)});
        t.add({"BeginTrans", MemberKind::Operation, {}, ParamType::Long,
               method<C>([](C& c, CallArgs&) { return Variant(c.BeginTrans()); })});
        t.add({"CommitTrans", MemberKind::Operation, {}, ParamType::Void,
               method<C>([](C& c, CallArgs&) { c.CommitTrans(); return Variant(); })});
        t.add({"RollbackTrans", MemberKind::Operation, {}, ParamType::Void,
               method<C>([](C& c, CallArgs&) { c.RollbackTrans(); return Variant(); })});
        t.add({"State", MemberKind::Get, {}, ParamType::Long,
               method<C>([](C& c, CallArgs&) { return Variant(c.State()); })});
        t.add({"Close", MemberKind::Operation, {}, ParamType::Void,
               method<C>([](C& c, CallArgs&) { c.Close(); return Variant(); })});
        return t;
    }();
    return table;
}

}  // namespace zolk::ado
