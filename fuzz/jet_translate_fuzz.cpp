// Jet text to SQLite text: the parser, binder, rewrites and generator on any statement text,
// against the practice database's tables.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/practice_session.h"
#include "platform/runtime_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zolk::jet::Session& session = zolk::fuzz::practiceSession();
    try {
        session.translate(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const zolk::platform::RuntimeError&) {
        // refused with an error number: an answer
    }
    return 0;
}
