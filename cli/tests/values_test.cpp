#include "cli/values.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "platform/runtime_error.h"

namespace zolk::cli {
namespace {

using platform::Currency;
using platform::DateTime;
using platform::RuntimeError;
using platform::Variant;
namespace err = platform::err;

std::int32_t errorOf(const Json& json) {
    try {
        scalarFromJson(json);
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

class Thing : public platform::Dispatchable {
public:
    std::string className() const override { return "clsThing"; }
    const platform::MemberTable& memberTable() const override {
        static const platform::MemberTable none;
        return none;
    }
};

TEST(PrintedValues, NumbersKeepTheirKindAndWholeDoublesLoseTheFraction) {
    EXPECT_EQ(toJson(Variant(std::int16_t{-7})).dump(), "-7");
    EXPECT_EQ(toJson(Variant(std::int32_t{70000})).dump(), "70000");
    EXPECT_EQ(toJson(Variant(812.0)).dump(), "812");
    EXPECT_EQ(toJson(Variant(-3.0)).dump(), "-3");
    EXPECT_EQ(toJson(Variant(2.5)).dump(), "2.5");
    EXPECT_EQ(toJson(Variant(0.1)).dump(), "0.1");
    EXPECT_EQ(toJson(Variant(1e300)).dump(), "1e+300");
}

TEST(PrintedValues, TaggedFormsForEmptyDatesAndCurrency) {
    EXPECT_EQ(toJson(Variant()).dump(), R"({"empty":true})");
    EXPECT_EQ(toJson(Variant::null()).dump(), "null");
    EXPECT_EQ(toJson(Variant(true)).dump(), "true");
    EXPECT_EQ(toJson(Variant(false)).dump(), "false");
    EXPECT_EQ(toJson(Variant("Rex")).dump(), R"("Rex")");
    EXPECT_EQ(toJson(Variant(DateTime::fromParts(2024, 5, 15))).dump(),
              R"({"date":"2024-05-15 00:00:00"})");
    EXPECT_EQ(toJson(Variant(DateTime::fromParts(2024, 5, 15, 9, 5, 7))).dump(),
              R"({"date":"2024-05-15 09:05:07"})");
    EXPECT_EQ(toJson(Variant(Currency::fromRaw(125000))).dump(), R"({"currency":"12.5000"})");
    EXPECT_EQ(toJson(Variant(Currency::fromRaw(-100))).dump(), R"({"currency":"-0.0100"})");
    EXPECT_EQ(currencyText(Currency::fromRaw(INT64_MIN)), "-922337203685477.5808");
}

TEST(PrintedValues, ObjectsByClassNameAndNothing) {
    EXPECT_EQ(toJson(Variant(platform::ObjectRef(std::make_shared<Thing>()))).dump(),
              R"({"object":"clsThing"})");
    EXPECT_EQ(toJson(Variant(platform::ObjectRef())).dump(), R"({"object":null})");
}

TEST(ScriptValues, EveryFormReadsBackAsItIsPrinted) {
    for (const char* text : {R"({"empty":true})", "null", "true", "false", R"("texto")", "42", "2.5",
                             R"({"date":"2024-05-15 00:00:00"})", R"({"date":"1899-12-30 13:45:00"})",
                             R"({"currency":"12.3456"})", R"({"currency":"-7.0000"})"}) {
        const Json json = Json::parse(text);
        EXPECT_EQ(toJson(scalarFromJson(json)), json) << text;
    }
}

TEST(ScriptValues, NumbersAreDoublesAndDatesMayLeaveOutTheTime) {
    EXPECT_EQ(scalarFromJson(Json(3)).type(), platform::VarType::Double);
    EXPECT_EQ(scalarFromJson(Json::parse(R"({"date":"2024-02-29"})")),
              Variant(DateTime::fromParts(2024, 2, 29)));
    EXPECT_EQ(scalarFromJson(Json::parse(R"({"currency":"12.5"})")), Variant(Currency::fromRaw(125000)));
    EXPECT_EQ(scalarFromJson(Json::parse(R"({"currency":".5"})")), Variant(Currency::fromRaw(5000)));
}

TEST(ScriptValues, CurrencyBeyondFourDecimalsRoundsHalfToEven) {
    EXPECT_EQ(parseScriptCurrency("1.00005").raw(), 10000);
    EXPECT_EQ(parseScriptCurrency("1.00015").raw(), 10002);
    EXPECT_EQ(parseScriptCurrency("1.000050001").raw(), 10001);
    EXPECT_EQ(parseScriptCurrency("-2.00025").raw(), -20002);
    EXPECT_EQ(parseScriptCurrency("922337203685477.5807").raw(), INT64_MAX);
    EXPECT_EQ(parseScriptCurrency("-922337203685477.5808").raw(), INT64_MIN);
}

TEST(ScriptValues, MalformedValuesAreTypeMismatchesAndHugeAmountsOverflow) {
    EXPECT_EQ(errorOf(Json::parse(R"({"date":"15/05/2024"})")), err::DispTypeMismatch);
    EXPECT_EQ(errorOf(Json::parse(R"({"date":"2024-02-30"})")), err::DispTypeMismatch);
    EXPECT_EQ(errorOf(Json::parse(R"({"date":"2024-05-15 25:00:00"})")), err::DispTypeMismatch);
    EXPECT_EQ(errorOf(Json::parse(R"({"date":"2024-05-15 10:00"})")), err::DispTypeMismatch);
    EXPECT_EQ(errorOf(Json::parse(R"({"currency":"12,50"})")), err::DispTypeMismatch);
    EXPECT_EQ(errorOf(Json::parse(R"({"currency":"-"})")), err::DispTypeMismatch);
    EXPECT_EQ(errorOf(Json::parse(R"({"currency":"922337203685477.5808"})")), err::DispOverflow);
    EXPECT_EQ(errorOf(Json::parse(R"({"currency":"99999999999999999999"})")), err::DispOverflow);
    EXPECT_EQ(errorOf(Json::parse("[1, 2]")), err::DispTypeMismatch);
    EXPECT_EQ(errorOf(Json::parse(R"({"when":"2024-05-15"})")), err::DispTypeMismatch);
    EXPECT_EQ(errorOf(Json::parse(R"({"empty":false})")), err::DispTypeMismatch);
}

}  // namespace
}  // namespace zolk::cli
