#pragma once
// Scripts of `fichas run`: reading them, and running their steps against the library the way a
// late-bound front end does.
#include <cstddef>
#include <map>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "cli/script_reader.h"
#include "cli/values.h"
#include "platform/dispatch.h"

namespace zolk::cli {

class ScriptRunner {
public:
    explicit ScriptRunner(std::ostream& out) : out_(out) {}
    ScriptRunner(const ScriptRunner&) = delete;
    ScriptRunner& operator=(const ScriptRunner&) = delete;

    // Runs one step and prints its line; false when the line is an error.
    bool run(std::size_t number, const Json& step);

    // What the script keeps under a name; nullptr when nothing is.
    const platform::Variant* find(const std::string& name) const;

private:
    struct Target {
        platform::ObjectRef object;
        std::string member;
    };

    Json newStep(const Json& step);
    Json letStep(const Json& step);
    Json setStep(const Json& step);
    Json getStep(const Json& step);
    Json callStep(const Json& step);
    Json dumpStep(const Json& step);
    Json sqlStep(const Json& step);
    Json releaseStep(const Json& step);

    platform::ObjectRef newRecordset(const Json& definition, Json& printed);
    platform::ObjectRef newUserData(const Json& entries);

    // An argument or value: scalars, or {"object": N}.
    platform::Variant value(const Json& json) const;
    const platform::Variant& named(const std::string& name) const;  // unknown -> unknown name
    platform::ObjectRef objectNamed(const std::string& name) const;  // not an object -> 424
    // "N.Member" or "N.A.B.Member": the object (after reading the intermediate properties)
    // and the member the step uses.
    Target resolve(const Json& path) const;
    void keep(const std::string& name, platform::Variant value);

    std::ostream& out_;
    std::map<std::string, platform::Variant> names_;
};

}  // namespace zolk::cli
