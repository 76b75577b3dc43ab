#pragma once
// VB's FormatNumber, FormatCurrency, FormatPercent and FormatDateTime, with the regional
// settings' defaults (two decimals, leading zero, no parentheses, grouped digits, R$). They
// build a Format pattern, so their rounding and symbols are Format's. Tristate arguments:
// -1 True, 0 False, -2 the regional default. A Null value raises 94.
#include "platform/variant.h"

namespace zolk::platform {

Variant FormatNumber(const Variant& value, const Variant& digits = Variant(std::int32_t{-1}),
                     const Variant& leadingDigit = Variant(std::int32_t{-2}),
                     const Variant& parentheses = Variant(std::int32_t{-2}),
                     const Variant& groupDigits = Variant(std::int32_t{-2}));
Variant FormatCurrency(const Variant& value, const Variant& digits = Variant(std::int32_t{-1}),
                       const Variant& leadingDigit = Variant(std::int32_t{-2}),
                       const Variant& parentheses = Variant(std::int32_t{-2}),
                       const Variant& groupDigits = Variant(std::int32_t{-2}));
Variant FormatPercent(const Variant& value, const Variant& digits = Variant(std::int32_t{-1}),
                      const Variant& leadingDigit = Variant(std::int32_t{-2}),
                      const Variant& parentheses = Variant(std::int32_t{-2}),
                      const Variant& groupDigits = Variant(std::int32_t{-2}));
// 0 general date, 1 long date, 2 short date, 3 long time, 4 short time.
Variant FormatDateTime(const Variant& value, const Variant& namedFormat = Variant(std::int32_t{0}));

}  // namespace zolk::platform
