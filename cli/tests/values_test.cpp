#include "cli/values.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "platform/runtime_error.h"

namespace zolk::cli {
namespace {

using platform::Currency;
using platform::DateTime;
using platform::Variant;
namespace err = platform::err;

std::int32_t errorOf(const char* json) {
    try { scalarFromJson(Json::parse(json)); } catch (const platform::RuntimeError& e) { return e.number(); }
    return 0;
}

TEST(Values, PrintedForms) {
    EXPECT_EQ(toJson(Variant(std::int16_t{-7})).dump(), "-7");
    EXPECT_EQ(toJson(Variant(0.1)).dump(), "0.1");
    EXPECT_EQ(toJson(Variant(DateTime::fromParts(1899, 12, 30, 9, 5, 7))).dump(), R"({"date":"1899-12-30 09:05:07"})");
    EXPECT_EQ(toJson(Variant(Currency::fromRaw(-100))).dump(), R"({"currency":"-0.0100"})");
    EXPECT_EQ(currencyText(Currency::fromRaw(INT64_MIN)), "-922337203685477.5808");
    EXPECT_EQ(toJson(Variant(platform::ObjectRef())).dump(), R"({"object":null})");
}

TEST(Values, CurrencyTextIsExactAndRoundsHalfToEvenBeyondFourDecimals) {
    EXPECT_EQ(parseScriptCurrency("1.00005").raw(), 10000);
    EXPECT_EQ(parseScriptCurrency("-2.00015").raw(), -20002);
    EXPECT_EQ(parseScriptCurrency("-922337203685477.5808").raw(), INT64_MIN);
}

TEST(Values, MalformedValuesAreTypeMismatchesAndHugeAmountsOverflow) {
    for (const char* bad : {R"({"date":"15/05/2024"})", R"({"currency":"12,50"})", "[1]", R"({"when":"2024-05-15"})"})
        EXPECT_EQ(errorOf(bad), err::DispTypeMismatch) << bad;
    EXPECT_EQ(errorOf(R"({"currency":"99999999999999999999"})"), err::DispOverflow);
}

}  // namespace
}  // namespace zolk::cli
