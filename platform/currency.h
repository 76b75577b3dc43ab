#pragma once
// VB Currency: a 64-bit count of ten-thousandths with exact + - and VB rounding.
#include <cstdint>
#include <string>

namespace zolk::platform {

class Currency {
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromRaw(std::int64_t tenThousandths) {
        Currency c;
        c.raw_ = tenThousandths;
        return c;
    }
    // Double to Currency rounds to four decimals, halves to even; out of range raises 6.
    static Currency fromDouble(double value);
    static Currency fromInt(std::int64_t units);

    constexpr std::int64_t raw() const { return raw_; }
    double toDouble() const { return static_cast<double>(raw_) / Scale; }

    Currency operator+(Currency other) const;  // overflow raises 6
    Currency operator-(Currency other) const;
    Currency operator-() const;
    // Currency * Currency and / go through Double as VB does (result type Double).
    double operator*(Currency other) const { return toDouble() * other.toDouble(); }
    double operator/(Currency other) const;  // division by zero raises 11

    constexpr auto operator<=>(const Currency&) const = default;

    // Plain decimal text with '.' and up to four decimals, no trailing zeros ("12.5", "3").
    std::string toPlainText() const;

private:
    std::int64_t raw_ = 0;
};

}  // namespace zolk::platform
