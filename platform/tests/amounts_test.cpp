#include "platform/amounts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace zolk::platform {
namespace {

TEST(Amounts, TextsRoundHalfAwayFromZeroAtTheirDecimals) {
    const struct {
        std::string (*text)(Currency);
        std::int64_t raw;
        const char* expected;
    } cases[] = {
        {amountText2, 50, "0.01"}, {amountText2, 49, "0.00"}, {amountText2, -50, "-0.01"},
        {amountText2, 123456789012345, "12345678901.23"}, {amountText2, -9999950, "-1000.00"},
        {amountText3, 100004, "10.000"}, {amountText3, -5, "-0.001"}, {amountText3, 12345000, "1234.500"},
        {amountTextPlain, 25000, "2.5"}, {amountTextPlain, 30000, "3"}, {amountTextPlain, 1, "0.0001"},
        {amountTextPlain, -5000, "-0.5"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.text(Currency::fromRaw(c.raw)), c.expected) << c.raw;
}

TEST(Amounts, StockBalanceRoundsToThreeDecimals) {
    const struct {
        std::int64_t raw;
        std::int64_t expected;
    } cases[] = {
        {100004, 100000}, {-12345, -12350}, {4, 0}, {-99995, -100000}, {99999000005, 99999000010},
        {-123456789012345, -123456789012350},
    };
    for (const auto& c : cases) EXPECT_EQ(roundStockBalance(Currency::fromRaw(c.raw)).raw(), c.expected) << c.raw;
}

}  // namespace
}  // namespace zolk::platform
