#pragma once
// VB's math functions on Variants. Abs, Sgn and Round take a Variant (Null gives Null); Sqr,
// Exp, Log and the trigonometric functions take a Double (Null raises 94).
#include "platform/variant.h"

namespace zolk::platform {

Variant Abs(const Variant& v);
Variant Sgn(const Variant& v);
// Round(x, digits): halves to even on the binary value (Round(2.5) = 2, Round(0.125, 2) = 0.12);
// a negative digit count raises 5. Currency stays Currency, whole numbers stay whole.
Variant Round(const Variant& v, const Variant& digits = Variant(std::int32_t{0}));
Variant Sqr(const Variant& v);  // negative: 5
Variant Exp(const Variant& v);  // beyond the Double range: 6
Variant Log(const Variant& v);  // zero or negative: 5
Variant Sin(const Variant& v);
Variant Cos(const Variant& v);
Variant Tan(const Variant& v);
Variant Atn(const Variant& v);
// Rnd(): the next number of VB's generator, in [0, 1); Rnd(negative) the same number for the
// same argument (and reseeds); Rnd(0) the last number given. The sequence is per thread and
// starts from VB's seed, so a program that does not reseed sees VB's sequence.
Variant Rnd(const Variant& v = Variant(1.0));

}  // namespace zolk::platform
