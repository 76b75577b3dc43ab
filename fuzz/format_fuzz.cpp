// Format(value, pattern). The input is "K\nVALUE\nPATTERN": K says what the value is (N a
// Double, C a Currency, D a date serial, T a text, B a Yes/No, E Empty, L Null) and VALUE is
// read as that; everything after the second line break is the pattern.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/currency.h"
#include "platform/date_time.h"
#include "platform/format.h"
#include "platform/runtime_error.h"
#include "platform/variant.h"

namespace {

using zolk::platform::Variant;

Variant valueOf(char kind, const std::string& text) {
    const double number = std::strtod(text.c_str(), nullptr);
    switch (kind) {
        case 'N': return Variant(number);
        case 'C': return Variant(zolk::platform::Currency::fromDouble(number));
        case 'D': return Variant(zolk::platform::DateTime(number));
        case 'B': return Variant(number != 0);
        case 'E': return Variant();
        case 'L': return Variant::null();
        default: return Variant(text);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const char kind = input.empty() ? 'T' : input[0];
    const std::size_t first = input.find('\n');
    const std::size_t second = first == std::string_view::npos ? first : input.find('\n', first + 1);
    const std::string value(first == std::string_view::npos ? std::string_view()
                                                            : input.substr(first + 1, second - first - 1));
    const std::string_view pattern = second == std::string_view::npos ? std::string_view() : input.substr(second + 1);
    try {
        const Variant v = valueOf(kind, value);
        zolk::platform::Format(v, pattern);
    } catch (const zolk::platform::RuntimeError&) {
        // a value that does not fit (overflow) or a pattern Format refuses: an answer
    }
    return 0;
}
