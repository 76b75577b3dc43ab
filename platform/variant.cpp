#include "platform/variant.h"

#include <cmath>
#include <iterator>

#include "platform/conversions.h"
#include "platform/runtime_error.h"

namespace zolk::platform {

static_assert(sizeof(Variant) == 16, "a Variant is a subtype and an eight-byte payload");

bool operator==(const Variant& a, const Variant& b) {
    if (a.type_ != b.type_) return false;
    switch (a.type_) {
        case VarType::Empty:
        case VarType::Null: return true;
        case VarType::Integer: return a.u_.integer == b.u_.integer;
        case VarType::Long: return a.u_.long_ == b.u_.long_;
        case VarType::Double:
        case VarType::Date: return a.u_.number == b.u_.number;
        case VarType::Currency: return a.u_.raw == b.u_.raw;
        case VarType::Boolean: return a.u_.boolean == b.u_.boolean;
        case VarType::String: return a.u_.text == b.u_.text || a.u_.text->text == b.u_.text->text;
        case VarType::Object: return a.u_.object->ref == b.u_.object->ref;
    }
    return false;
}

bool Variant::isNumericType() const {
    switch (type()) {
        case VarType::Integer:
        case VarType::Long:
        case VarType::Double:
        case VarType::Currency:
        case VarType::Boolean: return true;
        default: return false;
    }
}

std::string Variant::toString() const { return CStr(*this); }
double Variant::toDouble() const { return CDbl(*this); }
Currency Variant::toCurrency() const { return CCur(*this); }
std::int16_t Variant::toInteger() const { return CInt(*this); }
std::int32_t Variant::toLong() const { return CLng(*this); }
DateTime Variant::toDate() const { return CDate(*this); }
bool Variant::toBoolean() const { return CBool(*this); }

bool Variant::truthy() const {
    switch (type()) {
        case VarType::Empty:
        case VarType::Null: return false;
        case VarType::Integer: return asInteger() != 0;
        case VarType::Long: return asLong() != 0;
        case VarType::Double: return asDouble() != 0;
        case VarType::Currency: return asCurrency().raw() != 0;
        case VarType::Date: return asDate().serial() != 0;
        case VarType::Boolean: return asBoolean();
        case VarType::String:
        case VarType::Object: break;
    }
    return CBool(*this);  // a text must read as True/False or a number; an object raises 13
}

namespace {

// A comparable numeric value: exact (ten-thousandths, for the integer subtypes and Currency)
// or floating (Double, Date).
struct Number {
    bool exact;
    std::int64_t raw;  // when exact
    double value;      // when not exact
    double asDouble() const { return exact ? static_cast<double>(raw) / Currency::Scale : value; }
};

Number numberOf(const Variant& v) {
    switch (v.type()) {
        case VarType::Empty: return {true, 0, 0};
        case VarType::Integer: return {true, std::int64_t{v.asInteger()} * Currency::Scale, 0};
        case VarType::Long: return {true, std::int64_t{v.asLong()} * Currency::Scale, 0};
        case VarType::Boolean: return {true, v.asBoolean() ? -Currency::Scale : 0, 0};
        case VarType::Currency: return {true, v.asCurrency().raw(), 0};
        case VarType::Double: return {false, 0, v.asDouble()};
        case VarType::Date: return {false, 0, v.asDate().serial()};
        default: return {true, 0, 0};
    }
}

template <typename T>
int threeWay(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

int compareNumbers(const Number& a, const Number& b) {
    if (a.exact && b.exact) return threeWay(a.raw, b.raw);
    const double x = a.asDouble(), y = b.asDouble();
    // A NaN cannot come from VB code; order it above every number so the result stays consistent.
    if (std::isnan(x) || std::isnan(y)) return threeWay(std::isnan(x), std::isnan(y));
    return threeWay(x, y);
}

int compareTexts(const std::string& a, const std::string& b) {
    // Binary comparison (Option Compare Binary); std::string compares bytes as unsigned char,
    // which for UTF-8 is code point order.
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

bool isNumberLike(VarType t) {
    return t == VarType::Integer || t == VarType::Long || t == VarType::Double ||
           t == VarType::Currency || t == VarType::Date || t == VarType::Boolean;
}

}  // namespace

std::optional<int> vbCompare(const Variant& a, const Variant& b) {
    const VarType ta = a.type(), tb = b.type();
    if (ta == VarType::Null || tb == VarType::Null) return std::nullopt;
    if (ta == VarType::Object || tb == VarType::Object)
        raise(err::TypeMismatch, "an object cannot be compared as a value");

    static const std::string emptyText;
    if (ta == VarType::String || tb == VarType::String) {
        if (ta == VarType::String && tb == VarType::String) return compareTexts(a.asString(), b.asString());
        // Empty against a text acts as "".
        if (ta == VarType::Empty) return compareTexts(emptyText, b.asString());
        if (tb == VarType::Empty) return compareTexts(a.asString(), emptyText);
        // A numeric Variant is less than any String Variant; no conversion takes place.
        return ta == VarType::String ? 1 : -1;
    }
    // Both numeric (Boolean, Date, Currency included), or Empty acting as 0.
    if ((isNumberLike(ta) || ta == VarType::Empty) && (isNumberLike(tb) || tb == VarType::Empty))
        return compareNumbers(numberOf(a), numberOf(b));
    raise(err::TypeMismatch, "values cannot be compared");
}

std::optional<bool> vbEquals(const Variant& a, const Variant& b) {
    const std::optional<int> c = vbCompare(a, b);
    if (!c) return std::nullopt;
    return *c == 0;
}

}  // namespace zolk::platform
