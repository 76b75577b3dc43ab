#include "platform/dispatch.h"

#include <cstdint>
#include <stdexcept>
#include <utility>

#include "platform/conversions.h"
#include "platform/runtime_error.h"

namespace zolk::platform {

namespace {

const char* dispatchText(std::int32_t number) {
    switch (number) {
        case err::DispMemberNotFound: return "Member not found.";
        case err::DispTypeMismatch: return "Type mismatch.";
        case err::DispUnknownName: return "Unknown name.";
        case err::DispOverflow: return "Out of present range.";
        case err::DispBadParamCount: return "Invalid number of parameters.";
        case err::DispParamNotOptional: return "Parameter not optional.";
        default: return "Exception occurred.";
    }
}

[[noreturn]] void raiseDispatch(std::int32_t number, const std::string& where,
                                const std::string& source = {}) {
    std::string text = dispatchText(number);
    if (!where.empty()) text += " (" + where + ")";
    throw RuntimeError(number, text, source);
}

bool isCoercionError(std::int32_t number) {
    return number == err::DispTypeMismatch || number == err::DispOverflow ||
           number == err::DispParamNotOptional;
}

bool isReadKind(MemberKind kind) {
    return kind == MemberKind::Operation || kind == MemberKind::Get;
}


// Stands for a left-out argument; never called, only recognised by identity.
class MissingArgument final : public Dispatchable {
public:
    std::string className() const override { return "Missing"; }
    const MemberTable& memberTable() const override {
        static const MemberTable none;
        return none;
    }
};

const ObjectRef& missingMarker() {
    static const ObjectRef marker = std::make_shared<MissingArgument>();
    return marker;
}

// The VB conversions raise VB's numbers; automation reports them as its own.
Variant convertScalar(const Variant& value, ParamType type) {
    try {
        switch (type) {
            case ParamType::Integer: return Variant(CInt(value));
            case ParamType::Long: return Variant(CLng(value));
            case ParamType::Double: return Variant(CDbl(value));
            case ParamType::Currency: return Variant(CCur(value));
            case ParamType::Date: return Variant(CDate(value));
            case ParamType::Boolean: return Variant(CBool(value));
            case ParamType::String:
                // VariantChangeType without VARIANT_ALPHABOOL writes a Boolean as a number.
                if (value.type() == VarType::Boolean)
                    return Variant(std::string(value.asBoolean() ? "-1" : "0"));
                return Variant(CStr(value));
            case ParamType::Variant:
            case ParamType::Object:
            case ParamType::Void: break;
        }
    } catch (const RuntimeError& e) {
        switch (e.number()) {
            case err::Overflow: raiseDispatch(err::DispOverflow, {});
            case err::TypeMismatch:
            case err::InvalidUseOfNull:
            case err::InvalidProcedureCall: raiseDispatch(err::DispTypeMismatch, {});
            default: throw;
        }
    }
    return value;
}

}  // namespace

// ---- MemberTable ----

MemberTable& MemberTable::add(Member m) {
    for (const Member& other : members_) {
        if (!equalsNoCase(other.name, m.name)) continue;
        if (other.kind == m.kind)
            throw std::invalid_argument("member table: " + m.name + " declared twice as " +
                                        kindName(m.kind));
        if (isReadKind(other.kind) && isReadKind(m.kind))
            throw std::invalid_argument("member table: " + m.name +
                                        " is both an operation and a Get");
    }
    bool seenOptional = false;
    for (const Param& p : m.params) {
        if (seenOptional && !p.optional)
            throw std::invalid_argument("member table: " + m.name +
                                        " has a required parameter after an optional one");
        seenOptional = seenOptional || p.optional;
    }
    if ((m.kind == MemberKind::Let || m.kind == MemberKind::Set) &&
        (m.params.empty() || m.params.back().optional))
        throw std::invalid_argument("member table: " + m.name + " has no value parameter");
    members_.push_back(std::move(m));
    return *this;
}

const Member* MemberTable::find(std::string_view name, MemberKind kind) const {
    for (const Member& m : members_)
        if (m.kind == kind && equalsNoCase(m.name, name)) return &m;
    return nullptr;
}

bool MemberTable::hasName(std::string_view name) const {
    for (const Member& m : members_)
        if (equalsNoCase(m.name, name)) return true;
    return false;
}

// ---- Missing arguments and coercion ----

Variant missingArgument() { return Variant(missingMarker()); }

bool isMissingArgument(const Variant& value) {
    return value.isObject() && value.asObject() == missingMarker();
}

Variant coerceArgument(const Variant& value, ParamType type) {
    if (isMissingArgument(value)) raiseDispatch(err::DispParamNotOptional, {});
    if (type == ParamType::Variant || type == ParamType::Void) return value;

    if (type == ParamType::Object) {
        if (value.isObject()) return value;
        if (value.isEmpty() || value.isNull()) return Variant(ObjectRef{});
        raiseDispatch(err::DispTypeMismatch, {});
    }

    if (value.isObject()) {
        // An object converts through its default value, as VarXxxFromDisp does.
        const ObjectRef& object = value.asObject();
        if (!object) raiseDispatch(err::DispTypeMismatch, {});
        std::vector<Variant> noArgs;
        Variant inner;
        try {
            inner = object->defaultValue(noArgs);
        } catch (const RuntimeError& e) {
            if (e.number() == err::DispMemberNotFound || e.number() == err::DispUnknownName)
                raiseDispatch(err::DispTypeMismatch, {});
            throw;
        }
        if (inner.isObject()) raiseDispatch(err::DispTypeMismatch, {});
        return coerceArgument(inner, type);
    }

    // Null reaches only Variant parameters.
    if (value.isNull()) raiseDispatch(err::DispTypeMismatch, {});
    return convertScalar(value, type);
}

// ---- Dispatchable ----

Variant Dispatchable::invoke(std::string_view name, MemberKind kind, std::vector<Variant>& args) {
    const MemberTable& table = memberTable();
    const std::string where = className() + "." + std::string(name);

    const Member* member = table.find(name, kind);
    if (!member && isReadKind(kind))
        member = table.find(name, kind == MemberKind::Get ? MemberKind::Operation : MemberKind::Get);
    if (!member) {
        if (table.hasName(name))
            raiseDispatch(err::DispMemberNotFound, where + ", no " + kindName(kind), className());
        raiseDispatch(err::DispUnknownName, where, className());
    }

    const std::vector<Param>& params = member->params;
    std::size_t required = 0;
    while (required < params.size() && !params[required].optional) ++required;
    if (args.size() > params.size() || args.size() < required)
        raiseDispatch(err::DispBadParamCount,
                      where + ", " + std::to_string(args.size()) + " given", className());

    CallArgs call;
    call.values.reserve(params.size());
    for (std::size_t i = 0; i < params.size(); ++i) {
        const Param& p = params[i];
        const bool missing = i >= args.size() || isMissingArgument(args[i]);
        if (missing && !p.optional)
            raiseDispatch(err::DispParamNotOptional, where + ", " + p.name, className());
        try {
            call.values.push_back(coerceArgument(missing ? Variant() : args[i], p.type));
        } catch (const RuntimeError& e) {
            if (!isCoercionError(e.number())) throw;
            raiseDispatch(e.number(), where + ", argument " + std::to_string(i + 1) + " " + p.name,
                          className());
        }
    }

    if (!member->body) raiseDispatch(err::DispMemberNotFound, where + ", not callable", className());
    Variant result = member->body(*this, call);

    for (std::size_t i = 0; i < args.size() && i < call.values.size(); ++i)
        if (params[i].byRef && !isMissingArgument(args[i])) args[i] = std::move(call.values[i]);

    if (member->result == ParamType::Void) return Variant();
    try {
        return coerceArgument(result, member->result);
    } catch (const RuntimeError& e) {
        if (!isCoercionError(e.number())) throw;
        raiseDispatch(e.number(), where + ", result", className());
    }
}

Variant Dispatchable::call(std::string_view name, std::vector<Variant> args) {
    return invoke(name, MemberKind::Operation, args);
}

Variant Dispatchable::get(std::string_view name) {
    std::vector<Variant> args;
    return invoke(name, MemberKind::Get, args);
}

void Dispatchable::let(std::string_view name, Variant value) {
    std::vector<Variant> args;
    args.push_back(std::move(value));
    invoke(name, MemberKind::Let, args);
}

void Dispatchable::set(std::string_view name, ObjectRef value) {
    std::vector<Variant> args;
    args.push_back(Variant(std::move(value)));
    invoke(name, MemberKind::Set, args);
}

Variant Dispatchable::defaultValue(std::vector<Variant>&) {
    raiseDispatch(err::DispMemberNotFound, className() + ", no default member", className());
}

const char* kindName(MemberKind kind) {
    switch (kind) {
        case MemberKind::Operation: return "operation";
        case MemberKind::Let: return "Let";
        case MemberKind::Set: return "Set";
        case MemberKind::Get: return "Get";
    }
    return "member";
}

const char* typeName(ParamType type) {
    switch (type) {
        case ParamType::Variant: return "Variant";
        case ParamType::Integer: return "Integer";
        case ParamType::Long: return "Long";
        case ParamType::Double: return "Double";
        case ParamType::Currency: return "Currency";
        case ParamType::Date: return "Date";
        case ParamType::String: return "String";
        case ParamType::Boolean: return "Boolean";
        case ParamType::Object: return "Object";
        case ParamType::Void: return "Void";
    }
    return "?";
}

}  // namespace zolk::platform
