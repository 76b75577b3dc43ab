// Jet text to rows: any statement run on the demo practice database, inside a transaction that
// is rolled back, so every input meets the same data.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/practice_session.h"
#include "platform/runtime_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zolk::jet::Session& session = zolk::fuzz::practiceSession();
    session.begin();
    try {
        session.execute(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const zolk::platform::RuntimeError&) {
        // refused or failed with an error number: an answer
    }
    if (session.inTransaction()) session.rollback();
    return 0;
}
