#pragma once
// The automation object model: member tables in slot order, calls by name, coercion of
// arguments to the declared types, automation errors.
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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

struct Member {
    std::string name;
    MemberKind kind = MemberKind::Operation;
    std::vector<Param> params;
    ParamType result = ParamType::Void;
    // Body; receives coerced arguments (byRef ones may be assigned) and returns the result.
    std::function<Variant(CallArgs&)> body;
};

class MemberTable {
public:
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
    // propagates with its own number.
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

bool equalsNoCase(std::string_view a, std::string_view b);

}  // namespace zolk::platform
