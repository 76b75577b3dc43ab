#include "cli/script.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <new>
#include <utility>

#include "ado/data_types.h"
#include "ado/recordset.h"
#include "cli/database.h"
#include "components/userdata/dados_do_usuario.h"
#include "platform/runtime_error.h"

namespace zolk::cli {

using platform::MemberKind;
using platform::ObjectRef;
using platform::RuntimeError;
using platform::Variant;
namespace err = platform::err;

namespace {

[[noreturn]] void badStep(const std::string& what) {
    throw RuntimeError(err::InvalidProcedureCall, "Invalid procedure call or argument (" + what + ")");
}

const std::string& stringField(const Json& step, const char* key) {
    const auto it = step.find(key);
    if (it == step.end() || !it->is_string()) badStep(std::string("\"") + key + "\" must be a text");
    return it->get_ref<const std::string&>();
}

std::int32_t intField(const Json& definition, const char* key, std::int32_t fallback) {
    const auto it = definition.find(key);
    if (it == definition.end()) return fallback;
    const double number = it->is_number() ? it->get<double>() : 0.5;
    if (number != std::trunc(number) || number < INT32_MIN || number > INT32_MAX)
        badStep(std::string("\"") + key + "\" must be a whole number");
    return static_cast<std::int32_t>(number);
}

// Arguments left out at the end reach the member as missing ones, as a late-bound call that
// names fewer arguments: an optional parameter gets its zero, a required one is reported.
void padMissingArguments(const platform::Dispatchable& object, const std::string& name, MemberKind kind,
                         std::vector<Variant>& args) {
    const platform::MemberTable& table = object.memberTable();
    const platform::Member* member = table.find(name, kind);
    if (!member) member = table.find(name, kind == MemberKind::Get ? MemberKind::Operation : MemberKind::Get);
    if (!member) return;
    while (args.size() < member->params.size()) args.push_back(platform::missingArgument());
}

bool isOutArgument(const Json& arg) {
    return arg.is_object() && arg.size() == 1 && arg.contains("out");
}

}  // namespace

const Variant* ScriptRunner::find(const std::string& name) const {
    const auto it = names_.find(name);
    return it == names_.end() ? nullptr : &it->second;
}

bool ScriptRunner::run(std::size_t number, const Json& step) {
    Json line;
    line["step"] = number;
    try {
        if (!step.is_object()) badStep("a step is a JSON object");
        Json printed;
        if (step.contains("new")) printed = newStep(step);
        else if (step.contains("let")) printed = letStep(step);
        else if (step.contains("set")) printed = setStep(step);
        else if (step.contains("get")) printed = getStep(step);
        else if (step.contains("call")) printed = callStep(step);
        else if (step.contains("dump")) printed = dumpStep(step);
        else if (step.contains("sql")) printed = sqlStep(step);
        else if (step.contains("release")) printed = releaseStep(step);
        else badStep("no step kind: new, let, set, get, call, dump, sql or release");
        for (auto it = printed.begin(); it != printed.end(); ++it) line[it.key()] = std::move(it.value());
        out_ << jsonLine(line) << '\n' << std::flush;
        return true;
    } catch (const RuntimeError& e) {
        line["error"] = Json{{"number", e.number()}, {"description", e.description()}};
    } catch (const std::bad_alloc&) {
        line["error"] = Json{{"number", err::OutOfMemory}, {"description", "Out of memory."}};
    } catch (const std::exception& e) {
        line["error"] = Json{{"number", err::DispException},
                             {"description", std::string("Exception occurred. (") + e.what() + ")"}};
    }
    out_ << jsonLine(line) << '\n' << std::flush;
    return false;
}

Json ScriptRunner::newStep(const Json& step) {
    const std::string& name = stringField(step, "new");
    Json printed{{"ok", true}};
    ObjectRef object;
    if (step.contains("progid")) object = platform::CreateObject(stringField(step, "progid"));
    else if (step.contains("userdata")) object = newUserData(step["userdata"]);
    else if (step.contains("recordset")) object = newRecordset(step["recordset"], printed);
    else badStep("\"new\" needs \"progid\", \"userdata\" or \"recordset\"");
    keep(name, Variant(std::move(object)));
    return printed;
}

ObjectRef ScriptRunner::newUserData(const Json& entries) {
    if (!entries.is_object()) badStep("\"userdata\" must be an object of keys and values");
    auto data = std::make_shared<components::DadosDoUsuario>();
    for (auto it = entries.begin(); it != entries.end(); ++it) data->Add(value(it.value()), it.key());
    return data;
}

ObjectRef ScriptRunner::newRecordset(const Json& definition, Json& printed) {
    if (!definition.is_object()) badStep("\"recordset\" must be an object");
    std::shared_ptr<ado::Recordset> recordset;
    if (definition.contains("sql")) {
        recordset = openDisconnected(stringField(definition, "sql"));
    } else {
        const auto fields = definition.find("fields");
        if (fields == definition.end() || !fields->is_array()) badStep("\"recordset\" needs \"sql\" or \"fields\"");
        recordset = std::make_shared<ado::Recordset>();
        auto collection = recordset->FieldsCollection();
        for (const Json& field : *fields) {
            if (!field.is_object()) badStep("a field is an object with name, type and definedSize");
            collection->Append(stringField(field, "name"), intField(field, "type", 0),
                               intField(field, "definedSize", 0),
                               intField(field, "attributes", ado::adattr::IsNullable | ado::adattr::MayBeNull));
        }
        recordset->Open();
        const auto rows = definition.find("rows");
        if (rows != definition.end()) {
            if (!rows->is_array()) badStep("\"rows\" must be an array of rows");
            const std::size_t width = fields->size();
            for (const Json& row : *rows) {
                if (!row.is_array() || row.size() != width)
                    throw RuntimeError(err::AdoArguments,
                                       "Arguments are of the wrong type, are out of acceptable range, or "
                                       "are in conflict with one another. (a row needs " +
                                           std::to_string(width) + " values)");
                recordset->AddNew();
                for (std::size_t i = 0; i < width; ++i)
                    recordset->setValue(static_cast<std::int32_t>(i), value(row[i]));
                recordset->Update();
            }
        }
    }
    printed["recordCount"] = recordset->RecordCount();
    return recordset;
}

Json ScriptRunner::letStep(const Json& step) {
    const Target target = resolve(step["let"]);
    if (!step.contains("value")) badStep("\"let\" needs a \"value\"");
    std::vector<Variant> args;
    if (const auto extra = step.find("args"); extra != step.end()) {
        if (!extra->is_array()) badStep("\"args\" must be an array");
        for (const Json& a : *extra) args.push_back(value(a));
    }
    args.push_back(value(step["value"]));
    target.object->invoke(target.member, MemberKind::Let, args);
    return Json{{"ok", true}};
}

Json ScriptRunner::setStep(const Json& step) {
    const Target target = resolve(step["set"]);
    const auto object = step.find("object");
    if (object == step.end() || !(object->is_string() || object->is_null()))
        badStep("\"set\" needs \"object\": a name, or null for Nothing");
    std::vector<Variant> args;
    ObjectRef assigned;
    if (object->is_string()) {
        const Variant& kept = named(object->get<std::string>());
        if (!kept.isObject()) platform::raise(err::ObjectRequired, "'" + object->get<std::string>() + "'");
        assigned = kept.asObject();
    }
    args.push_back(Variant(std::move(assigned)));
    target.object->invoke(target.member, MemberKind::Set, args);
    return Json{{"ok", true}};
}

Json ScriptRunner::getStep(const Json& step) {
    const Target target = resolve(step["get"]);
    std::vector<Variant> args;
    if (const auto given = step.find("args"); given != step.end()) {
        if (!given->is_array()) badStep("\"args\" must be an array");
        for (const Json& a : *given) args.push_back(value(a));
    }
    padMissingArguments(*target.object, target.member, MemberKind::Get, args);
    Variant result = target.object->invoke(target.member, MemberKind::Get, args);
    Json printed{{"value", toJson(result)}};
    if (step.contains("as")) keep(stringField(step, "as"), std::move(result));
    return printed;
}

Json ScriptRunner::callStep(const Json& step) {
    const Target target = resolve(step["call"]);
    std::vector<Variant> args;
    std::vector<std::pair<std::size_t, std::string>> outs;
    if (const auto given = step.find("args"); given != step.end()) {
        if (!given->is_array()) badStep("\"args\" must be an array");
        for (const Json& a : *given) {
            if (isOutArgument(a)) {
                outs.emplace_back(args.size(), stringField(a, "out"));
                args.emplace_back();
            } else {
                args.push_back(value(a));
            }
        }
    }
    const std::string as = step.contains("as") ? stringField(step, "as") : std::string();

    padMissingArguments(*target.object, target.member, MemberKind::Operation, args);
    Variant result = target.object->invoke(target.member, MemberKind::Operation, args);
    Json printed{{"result", toJson(result)}};
    if (!outs.empty()) {
        Json out = Json::object();
        for (const auto& [index, name] : outs) out[name] = toJson(args[index]);
        printed["out"] = std::move(out);
    }
    for (const auto& [index, name] : outs) keep(name, std::move(args[index]));
    if (!as.empty()) keep(as, std::move(result));
    return printed;
}

Json ScriptRunner::dumpStep(const Json& step) {
    const std::string& name = stringField(step, "dump");
    const ObjectRef object = objectNamed(name);
    auto* recordset = dynamic_cast<ado::Recordset*>(object.get());
    if (!recordset) platform::raise(err::TypeMismatch, "'" + name + "' is not a recordset");
    return Json{{"recordset", dumpRecordset(*recordset)}};
}

Json ScriptRunner::sqlStep(const Json& step) {
    const StatementResult result = executeStatement(stringField(step, "sql"));
    if (result.recordset) return Json{{"recordset", dumpRecordset(*result.recordset)}};
    return Json{{"rowsAffected", result.rowsAffected}};
}

Json ScriptRunner::releaseStep(const Json& step) {
    const std::string& name = stringField(step, "release");
    named(name);
    // Erasing drops the script's reference: an object nobody else holds ends here.
    names_.erase(name);
    return Json{{"ok", true}};
}

Variant ScriptRunner::value(const Json& json) const {
    if (json.is_object() && json.size() == 1) {
        if (const auto object = json.find("object"); object != json.end()) {
            if (object->is_null()) return Variant(ObjectRef());
            if (!object->is_string()) badStep("\"object\" must name an object");
            return named(object->get<std::string>());
        }
        if (json.contains("out")) badStep("{\"out\": N} is only an argument of \"call\"");
    }
    return scalarFromJson(json);
}

const Variant& ScriptRunner::named(const std::string& name) const {
    const Variant* found = find(name);
    if (!found)
        throw RuntimeError(err::DispUnknownName, "Unknown name. (nothing is kept under '" + name + "')");
    return *found;
}

ObjectRef ScriptRunner::objectNamed(const std::string& name) const {
    const Variant& kept = named(name);
    if (!kept.isObject()) platform::raise(err::ObjectRequired, "'" + name + "'");
    if (!kept.asObject()) platform::raise(err::ObjectNotSet, "'" + name + "' is Nothing");
    return kept.asObject();
}

ScriptRunner::Target ScriptRunner::resolve(const Json& path) const {
    if (!path.is_string()) badStep("the target must be a text \"Name.Member\"");
    const std::string& text = path.get_ref<const std::string&>();
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const std::size_t dot = text.find('.', start);
        parts.push_back(text.substr(start, dot == std::string::npos ? std::string::npos : dot - start));
        if (dot == std::string::npos) break;
        start = dot + 1;
    }
    if (parts.size() < 2 || std::any_of(parts.begin(), parts.end(), [](const std::string& p) { return p.empty(); }))
        badStep("the target must be \"Name.Member\", not '" + text + "'");

    ObjectRef object = objectNamed(parts.front());
    for (std::size_t i = 1; i + 1 < parts.size(); ++i) {
        Variant next = object->get(parts[i]);
        if (!next.isObject() || !next.asObject()) platform::raise(err::ObjectRequired, "'" + parts[i] + "'");
        object = next.asObject();
    }
    return Target{std::move(object), parts.back()};
}

void ScriptRunner::keep(const std::string& name, Variant value) { names_[name] = std::move(value); }

}  // namespace zolk::cli
