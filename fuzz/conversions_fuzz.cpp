// The text-to-number and text-to-date conversions on any text: CDbl, CCur, CDate, IsNumeric,
// IsDate and Val. What IsNumeric accepts CDbl converts, and what IsDate accepts CDate converts.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/conversions.h"
#include "platform/runtime_error.h"
#include "platform/variant.h"

namespace {

template <class Convert>
bool converts(Convert convert) {
    try {
        convert();
        return true;
    } catch (const zolk::platform::RuntimeError&) {
        return false;  // type mismatch or overflow: an answer
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    namespace p = zolk::platform;
    const p::Variant text(std::string(reinterpret_cast<const char*>(data), size));
    const bool numeric = p::IsNumeric(text);
    const bool date = p::IsDate(text);
    const bool toDouble = converts([&] { p::CDbl(text); });
    converts([&] { p::CCur(text); });
    const bool toDate = converts([&] { p::CDate(text); });
    converts([&] { p::Val(text); });  // Val too overflows past the Double range
    if (numeric && !toDouble) std::abort();  // IsNumeric promised a number
    if (date && !toDate) std::abort();       // IsDate promised a date
    return 0;
}
