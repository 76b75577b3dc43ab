#pragma once
// The automation object model: member tables in slot order, calls by name, coercion of
// arguments to the declared types, automation errors.
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text_compare.h"
#include "platform/variant.h"

namespace zolk::platform {

enum class MemberKind { Operation, Let, Set, Get };

// Declared automation types of parameters and results.
enum class ParamType {
    Variant,   // passed as is
    Integer,   // 16-bit
    Long,      // 32-bit (and enumerations)
    Double,
    Currency,
    Date,
    String,
    Boolean,
    Object,    // any object or Nothing
    Void,      // results only
};

struct Param {
    std::string name;
    ParamType type = ParamType::Variant;
    bool optional = false;
    bool byRef = false;  // an output the callee may assign
};

// A call's arguments: values in, and by-reference slots the callee may replace.
struct CallArgs {
    std::vector<Variant> values;
    // Missing trailing optional arguments are filled in before the body runs.
    Variant& operator[](std::size_t i) { return values[i]; }
    const Variant& operator[](std::size_t i) const { return values[i]; }
    std::size_t size() const { return values.size(); }
};

class Dispatchable;

// For Let and Set members the last parameter is the value assigned.
struct Member {
    std::string name;
    MemberKind kind = MemberKind::Operation;
    std::vector<Param> params;
    ParamType result = ParamType::Void;
    // Body; receives coerced arguments (byRef ones may be assigned) and returns the result.
    // `self` is the object the member is invoked on, so one static table serves every instance.
    std::function<Variant(Dispatchable& self, CallArgs& args)> body;
};

class MemberTable {
public:
    // Rejects (std::invalid_argument) a table the object model cannot call unambiguously:
    // the same name and kind twice, an operation and a Get sharing a name, a required
    // parameter after an optional one, a Let or Set without its value parameter.
    MemberTable& add(Member m);
    const std::vector<Member>& members() const { return members_; }
    // Case-insensitive lookup of a member by name and use; nullptr when none.
    const Member* find(std::string_view name, MemberKind kind) const;
    bool hasName(std::string_view name) const;

private:
    std::vector<Member> members_;
};

class Dispatchable : public std::enable_shared_from_this<Dispatchable> {
public:
    virtual ~Dispatchable() = default;
    virtual std::string className() const = 0;
    virtual const MemberTable& memberTable() const = 0;

    // Invokes a member by name. `kind` tells the use (call, property get, let, set).
    // Raises RuntimeError with the automation numbers: unknown name, bad parameter count,
    // parameter not optional, type mismatch, overflow; a run-time error inside the member
    // propagates with its own number. A call and a Get each reach an operation or a Get
    // member, as VB's late binding asks for either; Let and Set reach only their own kind.
    // After the call, by-reference arguments in `args` hold what the member assigned.
    Variant invoke(std::string_view name, MemberKind kind, std::vector<Variant>& args);
    Variant call(std::string_view name, std::vector<Variant> args = {});
    Variant get(std::string_view name);
    void let(std::string_view name, Variant value);
    void set(std::string_view name, ObjectRef value);
    // The default member read with arguments (rs("Name"), collection("Key")).
    virtual Variant defaultValue(std::vector<Variant>& args);
};

// Converts a Variant to a declared automation type as IDispatch::Invoke does
// (VariantChangeType): raises DispTypeMismatch or DispOverflow.
Variant coerceArgument(const Variant& value, ParamType type);

// An argument left out in the middle of a call (VB's `obj.Foo(, 2)`; COM passes it as
// DISP_E_PARAMNOTFOUND). An optional parameter then gets its zero; a required one raises
// DispParamNotOptional. Empty is not missing: it is a value and converts to 0, "" or False.
Variant missingArgument();
bool isMissingArgument(const Variant& value);

// Creates objects by programmatic identifier.
class Factory {
public:
    using Creator = std::function<ObjectRef()>;
    static Factory& instance();
    // A registered identifier without a creator answers "class not registered".
    void registerClass(std::string progId, Creator creator);
    void declareClass(std::string progId);
    bool isKnown(std::string_view progId) const;
    ObjectRef create(std::string_view progId) const;  // raises InvalidClassString / ClassNotRegistered

private:
    struct Entry {
        std::string progId;
        Creator creator;
    };
    std::vector<Entry> entries_;
};

ObjectRef CreateObject(std::string_view progId);

// Wraps a body written against the concrete class: method<Recordset>([](Recordset& rs, CallArgs& a) {...}).
template <class T, class F>
std::function<Variant(Dispatchable&, CallArgs&)> method(F f) {
    return [f](Dispatchable& self, CallArgs& args) -> Variant { return f(static_cast<T&>(self), args); };
}

// "operation", "Let", "Set", "Get"; and the automation name of a declared type ("Integer"...).
const char* kindName(MemberKind kind);
const char* typeName(ParamType type);

}  // namespace zolk::platform
