#include "platform/currency.h"

#include <cmath>
#include <limits>

#include "platform/runtime_error.h"

namespace zolk::platform {

Currency Currency::fromDouble(double value) {
    if (std::isnan(value)) raise(err::Overflow, "not a number");
    const double scaled = value * Scale;
    // The int64 range bounds, as doubles; anything at or beyond them overflows.
    if (!(scaled > -9223372036854775808.0 && scaled < 9223372036854775808.0))
        raise(err::Overflow, "value out of the Currency range");
    const double whole = std::nearbyint(scaled);  // default rounding mode: halves to even
    if (!(whole > -9223372036854775808.0 && whole < 9223372036854775808.0))
        raise(err::Overflow, "value out of the Currency range");
    return fromRaw(static_cast<std::int64_t>(whole));
}

Currency Currency::fromInt(std::int64_t units) {
    std::int64_t r;
    if (__builtin_mul_overflow(units, Scale, &r)) raise(err::Overflow, "value out of the Currency range");
    return fromRaw(r);
}

Currency Currency::operator+(Currency other) const {
    std::int64_t r;
    if (__builtin_add_overflow(raw_, other.raw_, &r)) raise(err::Overflow);
    return fromRaw(r);
}

Currency Currency::operator-(Currency other) const {
    std::int64_t r;
    if (__builtin_sub_overflow(raw_, other.raw_, &r)) raise(err::Overflow);
    return fromRaw(r);
}

Currency Currency::operator-() const {
    if (raw_ == std::numeric_limits<std::int64_t>::min()) raise(err::Overflow);
    return fromRaw(-raw_);
}

double Currency::operator/(Currency other) const {
    if (other.raw_ == 0) raise(err::DivisionByZero);
    return toDouble() / other.toDouble();
}

std::string Currency::toPlainText() const {
    const bool negative = raw_ < 0;
    // Work in unsigned to keep INT64_MIN representable.
    const std::uint64_t magnitude =
        negative ? static_cast<std::uint64_t>(0) - static_cast<std::uint64_t>(raw_)
                 : static_cast<std::uint64_t>(raw_);
    std::string text = std::to_string(magnitude / Scale);
    std::uint64_t fraction = magnitude % Scale;
    if (fraction != 0) {
        std::string digits = std::to_string(fraction);
        digits.insert(0, 4 - digits.size(), '0');
        while (!digits.empty() && digits.back() == '0') digits.pop_back();
        text += "." + digits;
    }
    return negative ? "-" + text : text;
}

}  // namespace zolk::platform
