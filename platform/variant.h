#pragma once
// VB's Variant: the value type that crosses every automation call and every recordset field.
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
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

// Sixteen bytes: the subtype and an eight-byte payload. Texts and objects live in a shared,
// never-changed block, so copying a Variant never copies a text and a cell of a large result
// stays small.
class Variant {
public:
    Variant() noexcept {}  // Empty
    static Variant null() { return Variant(NullTag{}); }
    Variant(NullTag) noexcept : type_(VarType::Null) {}
    Variant(std::int16_t i) noexcept : type_(VarType::Integer) { u_.integer = i; }
    Variant(std::int32_t l) noexcept : type_(VarType::Long) { u_.long_ = l; }
    Variant(double d) noexcept : type_(VarType::Double) { u_.number = d; }
    Variant(Currency c) noexcept : type_(VarType::Currency) { u_.raw = c.raw(); }
    Variant(DateTime d) noexcept : type_(VarType::Date) { u_.number = d.serial(); }
    Variant(std::string s) : type_(VarType::String) { u_.text = new TextBlock{1, std::move(s)}; }
    Variant(const char* s) : Variant(std::string(s)) {}
    Variant(bool b) noexcept : type_(VarType::Boolean) { u_.boolean = b; }
    Variant(ObjectRef o) : type_(VarType::Object) { u_.object = new ObjectBlock{1, std::move(o)}; }

    Variant(const Variant& other) noexcept : type_(other.type_), u_(other.u_) { retain(); }
    Variant(Variant&& other) noexcept : type_(other.type_), u_(other.u_) { other.type_ = VarType::Empty; }
    Variant& operator=(const Variant& other) noexcept {
        Variant copy(other);
        swap(copy);
        return *this;
    }
    Variant& operator=(Variant&& other) noexcept {
        Variant moved(std::move(other));
        swap(moved);
        return *this;
    }
    ~Variant() { release(); }
    void swap(Variant& other) noexcept {
        std::swap(type_, other.type_);
        std::swap(u_, other.u_);
    }

    VarType type() const { return type_; }
    bool isEmpty() const { return type_ == VarType::Empty; }
    bool isNull() const { return type_ == VarType::Null; }
    bool isObject() const { return type_ == VarType::Object; }
    bool isString() const { return type_ == VarType::String; }
    // Integer, Long, Double, Currency, Boolean (VB's numeric subtypes; Date excluded).
    bool isNumericType() const;

    // Direct access to the stored subtype; precondition: type() matches (a wrong subtype
    // throws std::bad_variant_access).
    std::int16_t asInteger() const { return expect(VarType::Integer).integer; }
    std::int32_t asLong() const { return expect(VarType::Long).long_; }
    double asDouble() const { return expect(VarType::Double).number; }
    Currency asCurrency() const { return Currency::fromRaw(expect(VarType::Currency).raw); }
    DateTime asDate() const { return DateTime(expect(VarType::Date).number); }
    const std::string& asString() const { return expect(VarType::String).text->text; }
    bool asBoolean() const { return expect(VarType::Boolean).boolean; }
    const ObjectRef& asObject() const { return expect(VarType::Object).object->ref; }

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
    friend bool operator==(const Variant& a, const Variant& b);

private:
    struct TextBlock {
        std::atomic<std::uint32_t> refs;
        std::string text;
    };
    struct ObjectBlock {
        std::atomic<std::uint32_t> refs;
        ObjectRef ref;
    };
    union Payload {
        std::int16_t integer;
        std::int32_t long_;
        double number;     // Double, and the serial of a Date
        std::int64_t raw;  // Currency's ten-thousandths
        bool boolean;
        TextBlock* text;
        ObjectBlock* object;
    };

    const Payload& expect(VarType t) const {
        if (type_ != t) throw std::bad_variant_access();
        return u_;
    }
    void retain() const noexcept {
        if (type_ == VarType::String) u_.text->refs.fetch_add(1, std::memory_order_relaxed);
        else if (type_ == VarType::Object) u_.object->refs.fetch_add(1, std::memory_order_relaxed);
    }
    void release() noexcept {
        if (type_ == VarType::String) {
            if (u_.text->refs.fetch_sub(1, std::memory_order_acq_rel) == 1) delete u_.text;
        } else if (type_ == VarType::Object) {
            if (u_.object->refs.fetch_sub(1, std::memory_order_acq_rel) == 1) delete u_.object;
        }
    }

    VarType type_ = VarType::Empty;
    Payload u_{};
};

std::optional<bool> vbEquals(const Variant& a, const Variant& b);
std::optional<int> vbCompare(const Variant& a, const Variant& b);
bool operator==(const Variant& a, const Variant& b);

}  // namespace zolk::platform
