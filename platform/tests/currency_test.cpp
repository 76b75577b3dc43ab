#include "platform/currency.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "platform/runtime_error.h"
#include "testsupport/raised.h"

namespace zolk::platform {
namespace {

using testsupport::errorNumber;

TEST(Currency, FromDoubleRoundsToFourDecimalsHalvesToEven) {
    // Each value times 10 000 is, as a Double, exactly the half shown.
    const struct { double value; std::int64_t raw; } cases[] = {
        {0.00025, 2}, {0.00035, 4}, {-0.00025, -2}, {1.23456, 12346}, {2.00004999, 20000},
    };
    for (const auto& c : cases) EXPECT_EQ(Currency::fromDouble(c.value).raw(), c.raw) << c.value;
}

TEST(Currency, ConstructionOverflows) {
    EXPECT_EQ(errorNumber([] { Currency::fromDouble(1e15); }), err::Overflow);
    EXPECT_EQ(errorNumber([] { Currency::fromDouble(std::numeric_limits<double>::quiet_NaN()); }), err::Overflow);
    EXPECT_EQ(Currency::fromDouble(900000000000000.0).raw(), 9000000000000000000);
    EXPECT_EQ(errorNumber([] { Currency::fromInt(std::int64_t{1} << 60); }), err::Overflow);
}

TEST(Currency, ArithmeticOverflowAndDivisionByZero) {
    const Currency max = Currency::fromRaw(std::numeric_limits<std::int64_t>::max());
    const Currency min = Currency::fromRaw(std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(errorNumber([&] { (void)(max + Currency::fromRaw(1)); }), err::Overflow);
    EXPECT_EQ(errorNumber([&] { (void)(-min); }), err::Overflow);
    EXPECT_EQ(errorNumber([] { (void)(Currency::fromInt(1) / Currency()); }), err::DivisionByZero);
}

TEST(Currency, PlainText) {
    const struct { std::int64_t raw; const char* text; } cases[] = {
        {125000, "12.5"}, {30000, "3"}, {-1, "-0.0001"}, {0, "0"},
        {std::numeric_limits<std::int64_t>::min(), "-922337203685477.5808"},
    };
    for (const auto& c : cases) EXPECT_EQ(Currency::fromRaw(c.raw).toPlainText(), c.text) << c.raw;
}

}  // namespace
}  // namespace zolk::platform
