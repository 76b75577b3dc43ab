#include "platform/amounts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace zolk::platform {
namespace {

TEST(Amounts, TextsRoundHalfAwayFromZeroAtTheirDecimals) {
    const struct { std::string (*text)(Currency); std::int64_t raw; const char* expected; } cases[] = {
        {amountText2, 50, "0.01"}, {amountText2, 49, "0.00"}, {amountText2, -50, "-0.01"},
        {amountText2, -9999950, "-1000.00"}, {amountText3, 100004, "10.000"}, {amountText3, -5, "-0.001"},
        {amountTextPlain, 25000, "2.5"}, {amountTextPlain, 30000, "3"}, {amountTextPlain, 1, "0.0001"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.text(Currency::fromRaw(c.raw)), c.expected) << c.raw;
}

}  // namespace
}  // namespace zolk::platform
