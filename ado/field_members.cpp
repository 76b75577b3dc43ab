// Field's and Fields' dispatch interfaces.
#include "ado/recordset.h"

namespace zolk::ado {

using platform::CallArgs;
using platform::MemberKind;
using platform::method;
using platform::ObjectRef;
using platform::ParamType;
using platform::Variant;

const platform::MemberTable& Field::memberTable() const {
    using F = Field;
    static const platform::MemberTable table = [] {
        platform::MemberTable t;
        t.add({"Name", MemberKind::Get, {}, ParamType::String,
               method<F>([](F& f, CallArgs&) { return Variant(f.Name()); })});
        t.add({"Type", MemberKind::Get, {}, ParamType::Long,
               method<F>([](F& f, CallArgs&) { return Variant(f.Type()); })});
        t.add({"DefinedSize", MemberKind::Get, {}, ParamType::Long,
               method<F>([](F& f, CallArgs&) { return Variant(f.DefinedSize()); })});
        t.add({"Attributes", MemberKind::Get, {}, ParamType::Long,
               method<F>([](F& f, CallArgs&) { return Variant(f.Attributes()); })});
        t.add({"Value", MemberKind::Get, {}, ParamType::Variant,
               method<F>([](F& f, CallArgs&) { return f.Value(); })});
        t.add({"Value", MemberKind::Let, {{"value", ParamType::Variant}}, ParamType::Void,
               method<F>([](F& f, CallArgs& a) { f.Value(a[0]); return Variant(); })});
        return t;
    }();
    return table;
}

const platform::MemberTable& Fields::memberTable() const {
    using F = Fields;
    static const platform::MemberTable table = [] {
        platform::MemberTable t;
        t.add({"Count", MemberKind::Get, {}, ParamType::Long,
               method<F>([](F& f, CallArgs&) { return Variant(f.Count()); })});
        t.add({"Item", MemberKind::Get, {{"Index", ParamType::Variant}}, ParamType::Object,
               method<F>([](F& f, CallArgs& a) { return Variant(ObjectRef(f.Item(a[0]))); })});
        t.add({"Append", MemberKind::Operation,
               {{"Name", ParamType::String},
                {"Type", ParamType::Long},
                {"DefinedSize", ParamType::Long, true},
                {"Attrib", ParamType::Long, true}},
               ParamType::Void, method<F>([](F& f, CallArgs& a) {
                   f.Append(a[0].asString(), a[1].asLong(), a[2].asLong(), a[3].asLong());
                   return Variant();
               })});
        return t;
    }();
    return table;
}

}  // namespace zolk::ado
