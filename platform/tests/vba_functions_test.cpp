// The VB side of the functions SQL shares: VB's own defaults (binary compare) and result subtypes.
#include <gtest/gtest.h>

#include "platform/math_functions.h"
#include "platform/operators.h"
#include "platform/runtime_error.h"
#include "platform/text_functions.h"
#include "testsupport/raised.h"

namespace zolk::platform {
namespace {

using testsupport::errorNumber;

TEST(TextFunctions, VbCodeComparesBinaryByDefault) {
    EXPECT_EQ(InStr(Variant(std::int32_t{1}), Variant("XXpXXpXXPXXP"), Variant("P")), Variant(std::int32_t{9}));
    EXPECT_EQ(Replace(Variant("XXpXXPXXp"), Variant("p"), Variant("Y")), Variant("XXYXXPXXY"));
    EXPECT_EQ(Replace(Variant("XXpXXPXXp"), Variant("p"), Variant("Y"), Variant(std::int32_t{3})), Variant("YXXPXXY"));
    EXPECT_EQ(StrComp(Variant("abcd"), Variant("ABCD")), Variant(std::int32_t{1}));
    EXPECT_EQ(Hex(Variant(std::int16_t{-1})), Variant("FFFF"));
}

TEST(Operators, KeepVbsResultSubtypes) {
    const struct { ArithOp op; Variant a, b, expected; } cases[] = {
        {ArithOp::Add, Variant(std::int16_t{2}), Variant(std::int32_t{3}), Variant(std::int32_t{5})},
        {ArithOp::Add, Variant(std::int32_t{2147483647}), Variant(std::int32_t{1}), Variant(2147483648.0)},
        {ArithOp::Multiply, Variant(Currency::fromDouble(250)), Variant(std::int32_t{10}), Variant(Currency::fromDouble(2500))},
        {ArithOp::Add, Variant("1.025"), Variant(std::int32_t{12}), Variant(1037.0)},
        {ArithOp::Subtract, Variant(DateTime::fromParts(2024, 5, 16)), Variant(DateTime::fromParts(2024, 5, 15)), Variant(1.0)},
        {ArithOp::Add, Variant(DateTime(-1.25)), Variant(std::int32_t{1}), Variant(DateTime(0.25))},
        {ArithOp::IntDivide, Variant(7.5), Variant(std::int32_t{2}), Variant(std::int32_t{4})},
        {ArithOp::Modulo, Variant(std::int32_t{-7}), Variant(std::int32_t{3}), Variant(std::int32_t{-1})},
    };
    for (const auto& c : cases) EXPECT_EQ(arithmetic(c.op, c.a, c.b), c.expected) << int(c.op);
    EXPECT_EQ(errorNumber([] { arithmetic(ArithOp::Divide, Variant(1.0), Variant(std::int32_t{0})); }), err::DivisionByZero);
    EXPECT_EQ(errorNumber([] { arithmetic(ArithOp::Multiply, Variant("x"), Variant(1.0)); }), err::TypeMismatch);
    EXPECT_EQ(errorNumber([] { arithmetic(ArithOp::IntDivide, Variant(-2147483648.0), Variant(std::int32_t{-1})); }), err::Overflow);
    EXPECT_EQ(negate(Variant(std::int16_t{-32768})), Variant(std::int32_t{32768}));
}

TEST(MathFunctions, RoundIsBankersOnTheBinaryValue) {
    EXPECT_EQ(Round(Variant(2.675), Variant(std::int32_t{2})), Variant(2.67));  // 2.67499999...
    EXPECT_EQ(Round(Variant(Currency::fromDouble(2.125)), Variant(std::int32_t{2})), Variant(Currency::fromDouble(2.12)));
    EXPECT_EQ(Round(Variant(Currency::fromDouble(-2.135)), Variant(std::int32_t{2})), Variant(Currency::fromDouble(-2.14)));
    EXPECT_EQ(errorNumber([] { Sqr(Variant::null()); }), err::InvalidUseOfNull);
    // The same generator sequence as VB after reseeding with the same number.
    const Variant first = Rnd(Variant(-3.0));
    const Variant next = Rnd();
    EXPECT_EQ(Rnd(Variant(-3.0)), first);
    EXPECT_EQ(Rnd(), next);
    EXPECT_EQ(Rnd(Variant(0.0)), next);
}

}  // namespace
}  // namespace zolk::platform
