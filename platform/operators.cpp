#include "platform/operators.h"

#include <cmath>
#include <limits>

#include "platform/conversions.h"
#include "platform/runtime_error.h"

namespace zolk::platform {
namespace {

bool isWhole(VarType t) {
    return t == VarType::Integer || t == VarType::Long || t == VarType::Boolean || t == VarType::Empty;
}

// A whole result keeps a Long while it fits, as VB widens Integer and Long results.
Variant wholeOrDouble(double d) {
    if (d >= std::numeric_limits<std::int32_t>::min() && d <= std::numeric_limits<std::int32_t>::max())
        return Variant(static_cast<std::int32_t>(d));
    return Variant(d);
}

double serialOf(const Variant& v) {
    return v.type() == VarType::Date ? v.asDate().serial() : CDbl(v);
}

// A Date value from a serial, refused outside 01/01/100 .. 31/12/9999.
Variant dateResult(double serial) {
    if (!(serial >= -657434.0 && serial < 2958466.0)) raise(err::Overflow, "date out of range");
    return Variant(DateTime(serial));
}

// Date and time values add on the time line: a negative serial's fraction still counts
// forwards from midnight, so the serials are made linear before adding.
double linear(double serial) {
    if (serial >= 0) return serial;
    const double days = std::ceil(serial);
    return days - (serial - days);
}
double fromLinear(double value) {
    if (value >= 0) return value;
    const double days = std::floor(value);
    return days - (value - days);
}

void checkDivisor(double b) {
    if (b == 0) raise(err::DivisionByZero);
}

Variant addOrSubtract(bool add, const Variant& a, const Variant& b) {
    const VarType ta = a.type(), tb = b.type();
    const bool dateA = ta == VarType::Date, dateB = tb == VarType::Date;
    if (dateA || dateB) {
        const double x = linear(serialOf(a)), y = linear(serialOf(b));
        // Date - Date is the number of days between them; any other mix is a moment.
        if (!add && dateA && dateB) return Variant(x - y);
        return dateResult(fromLinear(add ? x + y : x - y));
    }
    if (ta == VarType::Currency || tb == VarType::Currency) {
        if (ta != VarType::Double && tb != VarType::Double && ta != VarType::String &&
            tb != VarType::String) {
            const Currency x = CCur(a), y = CCur(b);
            return Variant(add ? x + y : x - y);
        }
    }
    const double x = CDbl(a), y = CDbl(b);
    const double r = add ? x + y : x - y;
    if (isWhole(ta) && isWhole(tb)) return wholeOrDouble(r);
    return Variant(r);
}

std::int32_t roundedLong(const Variant& v) {
    if (v.type() == VarType::Date) return CLng(Variant(v.asDate().serial()));
    return CLng(v);
}

}  // namespace

Variant arithmetic(ArithOp op, const Variant& a, const Variant& b) {
    if (a.isNull() || b.isNull()) return Variant::null();
    const VarType ta = a.type(), tb = b.type();
    switch (op) {
        case ArithOp::Add:
            if (ta == VarType::String && tb == VarType::String) return Variant(a.asString() + b.asString());
            return addOrSubtract(true, a, b);
        case ArithOp::Subtract: return addOrSubtract(false, a, b);
        case ArithOp::Multiply: {
            const double r = serialOf(a) * serialOf(b);
            if (isWhole(ta) && isWhole(tb)) return wholeOrDouble(r);
            if ((ta == VarType::Currency && isWhole(tb)) || (tb == VarType::Currency && isWhole(ta)) ||
                (ta == VarType::Currency && tb == VarType::Currency))
                return Variant(Currency::fromDouble(r));
            return Variant(r);
        }
        case ArithOp::Divide: {
            const double x = serialOf(a), y = serialOf(b);
            checkDivisor(y);
            return Variant(x / y);
        }
        case ArithOp::IntDivide:
        case ArithOp::Modulo: {
            const std::int32_t x = roundedLong(a), y = roundedLong(b);
            checkDivisor(y);
            // INT_MIN \ -1 does not fit a Long.
            if (x == std::numeric_limits<std::int32_t>::min() && y == -1) {
                if (op == ArithOp::Modulo) return Variant(std::int32_t{0});
                raise(err::Overflow);
            }
            return Variant(op == ArithOp::IntDivide ? x / y : x % y);
        }
        case ArithOp::Power: {
            const double x = serialOf(a), y = serialOf(b);
            if (x < 0 && std::trunc(y) != y) raise(err::InvalidProcedureCall);
            if (x == 0 && y < 0) raise(err::DivisionByZero);
            const double r = std::pow(x, y);
            if (std::isinf(r)) raise(err::Overflow);
            return Variant(r);
        }
    }
    return Variant::null();
}

Variant negate(const Variant& a) {
    switch (a.type()) {
        case VarType::Null: return a;
        case VarType::Empty: return Variant(std::int16_t{0});
        case VarType::Integer:
            if (a.asInteger() == std::numeric_limits<std::int16_t>::min()) return Variant(std::int32_t{32768});
            return Variant(static_cast<std::int16_t>(-a.asInteger()));
        case VarType::Boolean: return Variant(static_cast<std::int16_t>(a.asBoolean() ? 1 : 0));
        case VarType::Long: return wholeOrDouble(-static_cast<double>(a.asLong()));
        case VarType::Currency: return Variant(-a.asCurrency());
        case VarType::Date: return dateResult(-a.asDate().serial());
        default: return Variant(-CDbl(a));
    }
}

}  // namespace zolk::platform
