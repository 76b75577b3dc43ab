#include <ostream>

#include "cli/command.h"
#include "classes/class_table.h"
#include "platform/dispatch.h"
#include "platform/runtime_error.h"

namespace zolk::cli {

namespace {

using platform::kindName;
using platform::ParamType;
using platform::typeName;

// "(Optional ByRef lintX As Integer, ...) As Long", as the type library would show it.
std::string signature(const platform::Member& member) {
    std::string text = "(";
    for (std::size_t i = 0; i < member.params.size(); ++i) {
        const platform::Param& p = member.params[i];
        if (i > 0) text += ", ";
        if (p.optional) text += "Optional ";
        if (p.byRef) text += "ByRef ";
        text += p.name + " As " + typeName(p.type);
    }
    text += ")";
    if (member.result != ParamType::Void) text += std::string(" As ") + typeName(member.result);
    return text;
}

}  // namespace

int listMembers(const std::string& progId, std::ostream& out, std::ostream& err) {
    std::string id = progId;
    // A library class may be named by its class name as well.
    if (!platform::Factory::instance().isKnown(id))
        if (const auto* c = classes::findClass(id)) id = std::string(c->progId);

    platform::ObjectRef object;
    try {
        object = platform::CreateObject(id);
    } catch (const platform::RuntimeError& e) {
        if (e.number() == platform::err::ClassNotRegistered)
            err << "fichas: " << id << " is not built yet, so it has no member table (class not registered)\n";
        else if (e.number() == platform::err::InvalidClassString)
            err << "fichas: unknown ProgID " << progId << " (invalid class string)\n";
        else
            err << "fichas: cannot create " << id << ": " << e.description() << "\n";
        return ExitFailed;
    }

    const auto& members = object->memberTable().members();
    for (std::size_t slot = 0; slot < members.size(); ++slot) {
        const platform::Member& m = members[slot];
        out << slot << '\t' << m.name << '\t' << kindName(m.kind) << '\t' << signature(m) << '\n';
    }
    return ExitOk;
}

}  // namespace zolk::cli
