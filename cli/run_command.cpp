#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <system_error>

#include "cli/command.h"
#include "cli/script.h"

namespace zolk::cli {

int runScript(const std::string& file, std::istream& in, std::ostream& out, std::ostream& err) {
    std::string text;
    if (file == "-") {
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } else {
        std::error_code ec;
        std::ifstream stream(file, std::ios::binary);
        if (!stream || std::filesystem::is_directory(file, ec)) {
            err << "fichas: cannot read the script " << file << "\n";
            return ExitUnreadable;
        }
        text.assign(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
    }

    std::vector<Json> steps;
    try {
        steps = readScript(text);
    } catch (const ScriptSyntaxError& e) {
        err << "fichas: the script is not JSON: " << e.what() << "\n";
        return ExitUnreadable;
    }

    ScriptRunner runner(out);
    bool allRan = true;
    for (std::size_t i = 0; i < steps.size(); ++i) allRan = runner.run(i + 1, steps[i]) && allRan;
    return allRan ? ExitOk : ExitFailed;
}

}  // namespace zolk::cli
