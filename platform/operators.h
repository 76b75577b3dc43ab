#pragma once
// VB's arithmetic operators on Variants, as VB code and Jet's SQL both use them: a numeric
// text is read by CDbl's regional rules (13 when it is not a number), Null gives Null, two
// texts joined by + are concatenated, dates add and subtract as their serials.
#include "platform/variant.h"

namespace zolk::platform {

enum class ArithOp { Add, Subtract, Multiply, Divide, IntDivide, Modulo, Power };

// a op b. Errors: 11 for a zero divisor of /, \ and Mod; 13 for a text that is not a number;
// 6 when \ or Mod operands do not fit a Long; 5 for a negative base with a fractional exponent.
Variant arithmetic(ArithOp op, const Variant& a, const Variant& b);

// -a: Null stays Null, a text is read as a number.
Variant negate(const Variant& a);

}  // namespace zolk::platform
