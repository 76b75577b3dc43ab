#include "platform/amounts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace zolk::platform {
namespace {

Currency cur(std::int64_t raw) { return Currency::fromRaw(raw); }

TEST(Amounts, TwoDecimalText) {
    const struct {
        std::int64_t raw;
        const char* expected;
    } cases[] = {
        {12345000, "1234.50"}, {0, "0.00"},          {-20000, "-2.00"},
        {50, "0.01"},          {49, "0.00"},         {-50, "-0.01"},
        {12345, "1.23"},       {12355, "1.24"},      {123456789012345, "12345678901.23"},
        {9999950, "1000.00"},  {-9999950, "-1000.00"},
    };
    for (const auto& c : cases) EXPECT_EQ(amountText2(cur(c.raw)), c.expected) << c.raw;
}

TEST(Amounts, ThreeDecimalText) {
    const struct {
        std::int64_t raw;
        const char* expected;
    } cases[] = {
        {70000, "7.000"},  {100004, "10.000"},  {12345678, "1234.568"},
        {5, "0.001"},      {-5, "-0.001"},      {4, "0.000"}, {12345000, "1234.500"}, {-20000, "-2.000"},
    };
    for (const auto& c : cases) EXPECT_EQ(amountText3(cur(c.raw)), c.expected) << c.raw;
}

TEST(Amounts, PlainText) {
    const struct {
        std::int64_t raw;
        const char* expected;
    } cases[] = {
        {25000, "2.5"}, {30000, "3"}, {12345, "1.2345"}, {-5000, "-0.5"}, {0, "0"},
        {12345670000, "1234567"}, {1, "0.0001"},
    };
    for (const auto& c : cases) EXPECT_EQ(amountTextPlain(cur(c.raw)), c.expected) << c.raw;
}

TEST(Amounts, StockBalanceRoundsToThreeDecimals) {
    const struct {
        std::int64_t raw;
        std::int64_t expected;
    } cases[] = {
        {100004, 100000}, {12345, 12350},   {-12345, -12350}, {5, 10},
        {-5, -10},        {4, 0},           {70000, 70000},   {12345678, 12345680},
        {99995, 100000},  {-99995, -100000}, {99999000004, 99999000000}, {99999000005, 99999000010},
        {-123456789012345, -123456789012350},
    };
    for (const auto& c : cases) EXPECT_EQ(roundStockBalance(cur(c.raw)).raw(), c.expected) << c.raw;
}

}  // namespace
}  // namespace zolk::platform
