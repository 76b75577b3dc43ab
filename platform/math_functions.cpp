#include "platform/math_functions.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "platform/conversions.h"
#include "platform/runtime_error.h"

namespace zolk::platform {
namespace {

double doubleArg(const Variant& v) {
    if (v.isNull()) raise(err::InvalidUseOfNull);
    if (v.type() == VarType::Date) return v.asDate().serial();
    return CDbl(v);
}

Variant finite(double d) {
    if (!std::isfinite(d)) raise(err::Overflow);
    return Variant(d);
}

// VB's generator: a 24-bit linear congruential sequence.
struct RndState {
    std::uint32_t seed = 0x50000;
    double last = 0;
    bool any = false;
};
thread_local RndState rnd;

double nextRnd() {
    rnd.seed = static_cast<std::uint32_t>((rnd.seed * 0x43FD43FDull + 0xC39EC3ull) & 0xFFFFFFu);
    rnd.last = static_cast<double>(rnd.seed) / 16777216.0;
    rnd.any = true;
    return rnd.last;
}

}  // namespace

Variant Abs(const Variant& v) {
    switch (v.type()) {
        case VarType::Null: return v;
        case VarType::Empty: return Variant(std::int16_t{0});
        case VarType::Integer:
            if (v.asInteger() == std::numeric_limits<std::int16_t>::min()) return Variant(std::int32_t{32768});
            return Variant(static_cast<std::int16_t>(std::abs(v.asInteger())));
        case VarType::Boolean: return Variant(static_cast<std::int16_t>(v.asBoolean() ? 1 : 0));
        case VarType::Long:
            if (v.asLong() == std::numeric_limits<std::int32_t>::min()) return Variant(2147483648.0);
            return Variant(static_cast<std::int32_t>(std::abs(v.asLong())));
        case VarType::Currency:
            return Variant(v.asCurrency().raw() < 0 ? -v.asCurrency() : v.asCurrency());
        case VarType::Date: return Variant(DateTime(std::fabs(v.asDate().serial())));
        default: return Variant(std::fabs(CDbl(v)));
    }
}

Variant Sgn(const Variant& v) {
    if (v.isNull()) return v;
    const double d = doubleArg(v);
    return Variant(static_cast<std::int16_t>(d > 0 ? 1 : d < 0 ? -1 : 0));
}

Variant Round(const Variant& v, const Variant& digits) {
    if (v.isNull()) return v;
    const std::int32_t n = digits.isNull() ? 0 : CLng(digits);
    if (digits.isNull()) raise(err::InvalidUseOfNull);
    if (n < 0) raise(err::InvalidProcedureCall);
    switch (v.type()) {
        case VarType::Empty:
        case VarType::Integer:
        case VarType::Long:
        case VarType::Boolean: return v.isEmpty() ? Variant(std::int16_t{0}) : v;
        case VarType::Currency: {
            if (n >= 4) return v;
            std::int64_t unit = 1;
            for (int i = n; i < 4; ++i) unit *= 10;
            const std::int64_t raw = v.asCurrency().raw();
            std::int64_t q = raw / unit, r = raw % unit;
            if (2 * std::llabs(r) > unit || (2 * std::llabs(r) == unit && (q % 2) != 0)) q += raw < 0 ? -1 : 1;
            return Variant(Currency::fromRaw(q * unit));
        }
        default: break;
    }
    const double d = doubleArg(v);
    if (n > 22) return Variant(d);
    // The product is taken in extended precision so that the tie test sees the binary value:
    // 2.675 is stored a little below it, so Round(2.675, 2) is 2.67.
    const long double scale = std::pow(10.0L, static_cast<long double>(n));
    const long double scaled = static_cast<long double>(d) * scale;
    if (!std::isfinite(static_cast<double>(scaled)) || std::fabs(scaled) >= 4.5e15L) return Variant(d);
    long double whole = std::floor(scaled);
    const long double fraction = scaled - whole;
    if (fraction > 0.5L || (fraction == 0.5L && std::fmod(whole, 2.0L) != 0)) whole += 1;
    const double r = static_cast<double>(whole / scale);
    if (v.type() == VarType::Date) return Variant(DateTime(r));
    return Variant(r);
}

Variant Sqr(const Variant& v) {
    const double d = doubleArg(v);
    if (d < 0) raise(err::InvalidProcedureCall);
    return Variant(std::sqrt(d));
}

Variant Exp(const Variant& v) { return finite(std::exp(doubleArg(v))); }

Variant Log(const Variant& v) {
    const double d = doubleArg(v);
    if (d <= 0) raise(err::InvalidProcedureCall);
    return Variant(std::log(d));
}

Variant Sin(const Variant& v) { return finite(std::sin(doubleArg(v))); }
Variant Cos(const Variant& v) { return finite(std::cos(doubleArg(v))); }
Variant Tan(const Variant& v) { return finite(std::tan(doubleArg(v))); }
Variant Atn(const Variant& v) { return Variant(std::atan(doubleArg(v))); }

Variant Rnd(const Variant& v) {
    const double d = doubleArg(v);
    if (d < 0) {
        // The argument, as a Single, reseeds the generator.
        const float f = static_cast<float>(d);
        std::uint32_t bits = 0;
        std::memcpy(&bits, &f, sizeof bits);
        rnd.seed = (bits + (bits >> 24)) & 0xFFFFFFu;
        return Variant(nextRnd());
    }
    if (d == 0) return Variant(rnd.any ? rnd.last : static_cast<double>(rnd.seed) / 16777216.0);
    return Variant(nextRnd());
}

}  // namespace zolk::platform
