#pragma once
// VB's Variant: the value type that crosses every automation call and every recordset field.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>

#include "platform/currency.h"
#include "platform/date_time.h"

namespace zolk::platform {

class Dispatchable;
using ObjectRef = std::shared_ptr<Dispatchable>;

enum class VarType : std::int16_t {
    Empty = 0,
    Null = 1,
    Integer = 2,
    Long = 3,
    Double = 5,
    Currency = 6,
    Date = 7,
    String = 8,
    Object = 9,
    Boolean = 11,
};

struct NullTag {
    friend constexpr bool operator==(NullTag, NullTag) { return true; }
};

class Variant {
public:
    Variant() = default;  // Empty
    static Variant null() { return Variant(NullTag{}); }
    Variant(NullTag) : v_(NullTag{}) {}
    Variant(std::int16_t i) : v_(i) {}
    Variant(std::int32_t l) : v_(l) {}
    Variant(double d) : v_(d) {}
    Variant(Currency c) : v_(c) {}
    Variant(DateTime d) : v_(d) {}
    Variant(std::string s) : v_(std::move(s)) {}
    Variant(const char* s) : v_(std::string(s)) {}
    Variant(bool b) : v_(BoolBox{b}) {}
    Variant(ObjectRef o) : v_(std::move(o)) {}

    VarType type() const;
    bool isEmpty() const { return v_.index() == 0; }
    bool isNull() const { return std::holds_alternative<NullTag>(v_); }
    bool isObject() const { return std::holds_alternative<ObjectRef>(v_); }
    bool isString() const { return std::holds_alternative<std::string>(v_); }
    // Integer, Long, Double, Currency, Boolean (VB's numeric subtypes; Date excluded).
    bool isNumericType() const;

    // Direct access to the stored subtype; precondition: type() matches.
    std::int16_t asInteger() const { return std::get<std::int16_t>(v_); }
    std::int32_t asLong() const { return std::get<std::int32_t>(v_); }
    double asDouble() const { return std::get<double>(v_); }
    Currency asCurrency() const { return std::get<Currency>(v_); }
    DateTime asDate() const { return std::get<DateTime>(v_); }
    const std::string& asString() const { return std::get<std::string>(v_); }
    bool asBoolean() const { return std::get<BoolBox>(v_).value; }
    const ObjectRef& asObject() const { return std::get<ObjectRef>(v_); }

    // VB conversions (pt-BR); they raise 13, 6 or 94 as VB does.
    std::string toString() const;  // CStr
    double toDouble() const;       // CDbl
    Currency toCurrency() const;   // CCur
    std::int16_t toInteger() const;  // CInt
    std::int32_t toLong() const;     // CLng
    DateTime toDate() const;         // CDate
    bool toBoolean() const;          // CBool
    // `If v Then`: Null is False, numbers are True when non-zero, texts go through CBool.
    bool truthy() const;

    // VB's `=` between Variants; std::nullopt is Null (either side Null).
    friend std::optional<bool> vbEquals(const Variant& a, const Variant& b);
    // VB's comparison: <0, 0, >0, or std::nullopt for Null.
    friend std::optional<int> vbCompare(const Variant& a, const Variant& b);

    // Exact identity (same subtype and value); for tests and containers, not VB semantics.
    friend bool operator==(const Variant& a, const Variant& b) { return a.v_ == b.v_; }

private:
    struct BoolBox {
        bool value;
        friend constexpr bool operator==(BoolBox a, BoolBox b) { return a.value == b.value; }
    };
    std::variant<std::monostate, NullTag, std::int16_t, std::int32_t, double, Currency, DateTime,
                 std::string, BoolBox, ObjectRef>
        v_;
};

std::optional<bool> vbEquals(const Variant& a, const Variant& b);
std::optional<int> vbCompare(const Variant& a, const Variant& b);

}  // namespace zolk::platform
