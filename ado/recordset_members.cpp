// Recordset's dispatch interface.
#include "ado/connection.h"
#include "ado/errors.h"
#include "ado/field_value.h"
#include "ado/recordset.h"
#include "platform/conversions.h"
#include "platform/runtime_error.h"

namespace zolk::ado {

using platform::CallArgs;
using platform::MemberKind;
using platform::method;
using platform::ObjectRef;
using platform::ParamType;
using platform::Variant;

namespace {

using R = Recordset;

// ActiveConnection takes a Connection, a connection URL, or Nothing/Empty/Null to disconnect.
void assignConnection(R& rs, const Variant& v) {
    if (v.isEmpty() || v.isNull() || (v.isObject() && !v.asObject())) {
        rs.ActiveConnection(nullptr);
        return;
    }
    if (v.isObject()) {
        auto connection = std::dynamic_pointer_cast<Connection>(v.asObject());
        if (!connection)
            raiseAdo(platform::err::AdoArguments, RecordsetSource, "ActiveConnection takes a Connection");
        rs.ActiveConnection(std::move(connection));
        return;
    }
    const std::string url = platform::CStr(v);
    rs.ActiveConnection(url.empty() ? nullptr : Connection::open(url));
}

// AddNew and Update take one field (position or name) and its value.
void assignOptional(R& rs, const Variant& field, const Variant& value) {
    if (field.isEmpty()) return;
    rs.setValue(resolveFieldIndex(rs, field), value);
}

Variant open(R& rs, CallArgs& a) {
    if (!a[0].isEmpty()) rs.Source(platform::CStr(a[0]));
    if (!a[1].isEmpty()) assignConnection(rs, a[1]);
    // CursorType, LockType and Options: the cursor is always client-side and static.
    rs.Open();
    return Variant();
}

Variant fields(R& rs, CallArgs& a) {
    auto collection = rs.FieldsCollection();
    if (a[0].isEmpty()) return Variant(ObjectRef(std::move(collection)));
    return Variant(ObjectRef(collection->Item(a[0])));
}

}  // namespace

const platform::MemberTable& Recordset::memberTable() const {
    static const platform::MemberTable table = [] {
        auto opt = [](const char* name, ParamType type = ParamType::Variant) {
            return platform::Param{name, type, true};
        };
        platform::MemberTable t;
        t.add({"Source", MemberKind::Get, {}, ParamType::String,
               method<R>([](R& rs, CallArgs&) { return Variant(rs.Source()); })});
        t.add({"Source", MemberKind::Let, {{"value", ParamType::String}}, ParamType::Void,
               method<R>([](R& rs, CallArgs& a) { rs.Source(a[0].asString()); return Variant(); })});
        t.add({"ActiveConnection", MemberKind::Get, {}, ParamType::Object,
               method<R>([](R& rs, CallArgs&) { return Variant(ObjectRef(rs.ActiveConnection())); })});
        t.add({"ActiveConnection", MemberKind::Set, {{"value", ParamType::Object}}, ParamType::Void,
               method<R>([](R& rs, CallArgs& a) { assignConnection(rs, a[0]); return Variant(); })});
        t.add({"ActiveConnection", MemberKind::Let, {{"value", ParamType::Variant}}, ParamType::Void,
               method<R>([](R& rs, CallArgs& a) { assignConnection(rs, a[0]); return Variant(); })});
        t.add({"Open", MemberKind::Operation,
               {opt("Source"), opt("ActiveConnection"), opt("CursorType", ParamType::Long),
                opt("LockType", ParamType::Long), opt("Options", ParamType::Long)},
               ParamType::Void, method<R>(open)});
        t.add({"Close", MemberKind::Operation, {}, ParamType::Void,
               method<R>([](R& rs, CallArgs&) { rs.Close(); return Variant(); })});
        t.add({"State", MemberKind::Get, {}, ParamType::Long,
               method<R>([](R& rs, CallArgs&) { return Variant(rs.State()); })});
        t.add({"RecordCount", MemberKind::Get, {}, ParamType::Long,
               method<R>([](R& rs, CallArgs&) { return Variant(rs.RecordCount()); })});
        t.add({"PageSize", MemberKind::Get, {}, ParamType::Long,
               method<R>([](R& rs, CallArgs&) { return Variant(rs.PageSize()); })});
        t.add({"PageSize", MemberKind::Let, {{"value", ParamType::Long}}, ParamType::Void,
               method<R>([](R& rs, CallArgs& a) { rs.PageSize(a[0].asLong()); return Variant(); })});
        t.add({"PageCount", MemberKind::Get, {}, ParamType::Long,
               method<R>([](R& rs, CallArgs&) { return Variant(rs.PageCount()); })});
        t.add({"AbsolutePage", MemberKind::Get, {}, ParamType::Long,
               method<R>([](R& rs, CallArgs&) { return Variant(rs.AbsolutePage()); })});
        t.add({"AbsolutePage", MemberKind::Let, {{"value", ParamType::Long}}, ParamType::Void,
               method<R>([](R& rs, CallArgs& a) { rs.AbsolutePage(a[0].asLong()); return Variant(); })});
        t.add({"AbsolutePosition", MemberKind::Get, {}, ParamType::Long,
               method<R>([](R& rs, CallArgs&) { return Variant(rs.AbsolutePosition()); })});
        t.add({"AbsolutePosition", MemberKind::Let, {{"value", ParamType::Long}}, ParamType::Void,
               method<R>([](R& rs, CallArgs& a) { rs.AbsolutePosition(a[0].asLong()); return Variant(); })});
        t.add({"Sort", MemberKind::Get, {}, ParamType::String,
               method<R>([](R& rs, CallArgs&) { return Variant(rs.Sort()); })});
        t.add({"Sort", MemberKind::Let, {{"value", ParamType::String}}, ParamType::Void,
               method<R>([](R& rs, CallArgs& a) { rs.Sort(a[0].asString()); return Variant(); })});
        t.add({"BOF", MemberKind::Get, {}, ParamType::Boolean,
               method<R>([](R& rs, CallArgs&) { return Variant(rs.BOF()); })});
        t.add({"EOF", MemberKind::Get, {}, ParamType::Boolean,
               method<R>([](R& rs, CallArgs&) { return Variant(rs.EOF_()); })});
        t.add({"MoveFirst", MemberKind::Operation, {}, ParamType::Void,
               method<R>([](R& rs, CallArgs&) { rs.MoveFirst(); return Variant(); })});
        t.add({"MoveNext", MemberKind::Operation, {}, ParamType::Void,
               method<R>([](R& rs, CallArgs&) { rs.MoveNext(); return Variant(); })});
        t.add({"MovePrevious", MemberKind::Operation, {}, ParamType::Void,
               method<R>([](R& rs, CallArgs&) { rs.MovePrevious(); return Variant(); })});
        t.add({"MoveLast", MemberKind::Operation, {}, ParamType::Void,
               method<R>([](R& rs, CallArgs&) { rs.MoveLast(); return Variant(); })});
        t.add({"AddNew", MemberKind::Operation, {opt("FieldList"), opt("Values")}, ParamType::Void,
               method<R>([](R& rs, CallArgs& a) {
                   rs.AddNew();
                   assignOptional(rs, a[0], a[1]);
                   return Variant();
               })});
        t.add({"Update", MemberKind::Operation, {opt("Fields"), opt("Values")}, ParamType::Void,
               method<R>([](R& rs, CallArgs& a) {
                   assignOptional(rs, a[0], a[1]);
                   rs.Update();
                   return Variant();
               })});
        t.add({"Fields", MemberKind::Get, {opt("Index")}, ParamType::Object, method<R>(fields)});
        return t;
    }();
    return table;
}

}  // namespace zolk::ado
