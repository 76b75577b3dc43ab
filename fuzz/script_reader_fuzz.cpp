// The reader of `fichas run` scripts on any text: steps, or a syntax error with its place.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "cli/script_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        zolk::cli::readScript(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const zolk::cli::ScriptSyntaxError&) {
        // not JSON: an answer, with its line and column
    }
    return 0;
}
