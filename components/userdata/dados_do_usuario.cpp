#include "components/userdata/dados_do_usuario.h"

#include "platform/conversions.h"
#include "platform/runtime_error.h"

namespace zolk::components {

using platform::Variant;

const DadosDoUsuario::Entry* DadosDoUsuario::find(std::string_view key) const {
    for (const Entry& e : entries_)
        if (platform::equalsNoCase(e.key, key)) return &e;
    return nullptr;
}

void DadosDoUsuario::Add(const Variant& item, std::string_view key) {
    for (Entry& e : entries_) {
        if (platform::equalsNoCase(e.key, key)) {
            e.value = item;
            return;
        }
    }
    entries_.push_back({std::string(key), item});
}

const Variant& DadosDoUsuario::Item(std::string_view key) const {
    const Entry* e = find(key);
    if (!e) platform::raise(platform::err::InvalidProcedureCall, "no user data under the key '" + std::string(key) + "'");
    return e->value;
}

bool DadosDoUsuario::Exists(std::string_view key) const { return find(key) != nullptr; }

void DadosDoUsuario::Remove(std::string_view key) {
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (platform::equalsNoCase(it->key, key)) {
            entries_.erase(it);
            return;
        }
    }
    platform::raise(platform::err::InvalidProcedureCall, "no user data under the key '" + std::string(key) + "'");
}

Variant DadosDoUsuario::defaultValue(std::vector<Variant>& args) {
    if (args.size() != 1) platform::raise(platform::err::InvalidProcedureCall, "one key expected");
    return Item(platform::CStr(args[0]));
}

const platform::MemberTable& DadosDoUsuario::memberTable() const {
    using platform::MemberKind;
    using platform::ParamType;
    using platform::CallArgs;
    using platform::method;
    static const platform::MemberTable table = [] {
        platform::MemberTable t;
        t.add({"Item", MemberKind::Get, {{"Key", ParamType::String}}, ParamType::Variant,
               method<DadosDoUsuario>([](DadosDoUsuario& d, CallArgs& a) { return d.Item(a[0].asString()); })});
        t.add({"Add", MemberKind::Operation, {{"Item", ParamType::Variant}, {"Key", ParamType::String}},
               ParamType::Void, method<DadosDoUsuario>([](DadosDoUsuario& d, CallArgs& a) {
                   d.Add(a[0], a[1].asString());
                   return Variant();
               })});
        t.add({"Count", MemberKind::Get, {}, ParamType::Long,
               method<DadosDoUsuario>([](DadosDoUsuario& d, CallArgs&) { return Variant(d.Count()); })});
        t.add({"Remove", MemberKind::Operation, {{"Key", ParamType::String}}, ParamType::Void,
               method<DadosDoUsuario>([](DadosDoUsuario& d, CallArgs& a) {
                   d.Remove(a[0].asString());
                   return Variant();
               })});
        return t;
    }();
    return table;
}

}  // namespace zolk::components
