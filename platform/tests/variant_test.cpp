#include "platform/variant.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <thread>
#include <string>
#include <vector>

#include "platform/runtime_error.h"
#include "testsupport/raised.h"

namespace zolk::platform {
namespace {

using testsupport::errorNumber;

const Variant Empty;
const Variant Null = Variant::null();
const Variant Nothing{ObjectRef{}};

Variant cur(double d) { return Variant(Currency::fromDouble(d)); }
Variant date(double serial) { return Variant(DateTime(serial)); }
Variant i16(int v) { return Variant(static_cast<std::int16_t>(v)); }
Variant i32(int v) { return Variant(static_cast<std::int32_t>(v)); }

// `v <> Empty` is False for Empty, 0, False and "", True for "0", Null for Null.
TEST(VariantCompare, EmptyNullAndNumbersAcrossSubtypes) {
    for (const Variant& v : {Empty, i32(0), cur(0), Variant(false), Variant(""), date(0)})
        EXPECT_EQ(vbEquals(v, Empty), true) << static_cast<int>(v.type());
    for (const Variant& v : {Variant("0"), Variant(-0.5), date(1)}) EXPECT_EQ(vbEquals(v, Empty), false);
    EXPECT_EQ(vbCompare(Empty, Variant("a")), -1);
    for (const Variant& v : {Null, Empty, Variant("x")}) EXPECT_EQ(vbCompare(v, Null), std::nullopt);
    EXPECT_EQ(vbEquals(Null, i16(1)), std::nullopt);

    const struct { Variant a, b; int result; } cases[] = {
        {i16(-1), Variant(true), 0}, {cur(0.1), Variant(0.1), 0}, {i32(2147483647), cur(2147483647.0001), -1},
        {date(45427.75), Variant(45427.5), 1}, {date(-1.25), date(-1), -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(vbCompare(c.a, c.b), c.result) << c.a.toString();
        EXPECT_EQ(vbCompare(c.b, c.a), -c.result);
    }
}

TEST(VariantCompare, TextsAreBinaryAndNumbersLessThanTexts) {
    EXPECT_EQ(vbCompare(Variant("a"), Variant("B")), 1);  // case-sensitive: 'B' < 'a'
    EXPECT_EQ(vbCompare(Variant("z"), Variant("é")), -1);   // bytes above 0x7F sort after ASCII
    // A numeric Variant against a String Variant: no conversion, the number is less.
    for (const Variant& n : {i16(5), cur(-1), Variant(true), date(45427)}) {
        EXPECT_EQ(vbCompare(n, Variant("5")), -1);
        EXPECT_EQ(vbCompare(Variant(""), n), 1);
    }
    EXPECT_EQ(errorNumber([] { vbEquals(Variant("x"), Nothing); }), err::TypeMismatch);
    EXPECT_EQ(vbCompare(Nothing, Null), std::nullopt);  // Null wins before any value is needed
}

TEST(Variant, Truthiness) {
    for (const Variant& v : {Null, Empty, Variant(" false ")}) EXPECT_FALSE(v.truthy()) << static_cast<int>(v.type());
    for (const Variant& v : {cur(0.0001), Variant("0,5")}) EXPECT_TRUE(v.truthy()) << static_cast<int>(v.type());
    EXPECT_EQ(errorNumber([] { Variant("").truthy(); }), err::TypeMismatch);
}

TEST(Variant, CopiesAndAssignmentsKeepEveryValue) {
    const std::vector<Variant> values = {Empty, Null, i16(-7), cur(12.3456), date(45427.25), Variant(std::string(100, 'x')), Nothing};
    for (const Variant& a : values)
        for (const Variant& b : values) {
            Variant target = a;
            target = b;
            Variant moved = std::move(target);
            moved = static_cast<const Variant&>(moved);
            EXPECT_TRUE(moved == b);
        }
}

// One text shared by copies made and dropped on several threads at once stays whole.
TEST(Variant, ATextSharedAcrossThreadsStaysWhole) {
    const Variant shared(std::string(200, 'z'));
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&shared] {
            for (int i = 0; i < 20000; ++i) {
                Variant copy = shared;
                Variant other = copy;
                copy = Variant(1.0);
                if (other.asString().size() != 200) std::abort();
            }
        });
    for (auto& t : threads) t.join();
    EXPECT_EQ(shared.asString(), std::string(200, 'z'));
}

}  // namespace
}  // namespace zolk::platform
