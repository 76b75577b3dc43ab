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

TEST(Variant, SubtypesAndVarType) {
    const struct {
        Variant value;
        VarType type;
        bool numeric;
    } cases[] = {
        {Empty, VarType::Empty, false},      {Null, VarType::Null, false},
        {i16(1), VarType::Integer, true},    {i32(1), VarType::Long, true},
        {Variant(1.5), VarType::Double, true}, {cur(1), VarType::Currency, true},
        {date(1), VarType::Date, false},     {Variant("x"), VarType::String, false},
        {Variant(true), VarType::Boolean, true}, {Nothing, VarType::Object, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.value.type(), c.type);
        EXPECT_EQ(c.value.isNumericType(), c.numeric) << static_cast<int>(c.type);
    }
}

// `v <> Empty` is False for Empty, 0, False and "", True for "0", Null for Null.
TEST(VariantCompare, AgainstEmpty) {
    for (const Variant& v : {Empty, i16(0), i32(0), Variant(0.0), cur(0), Variant(false), Variant(""), date(0)})
        EXPECT_EQ(vbEquals(v, Empty), true) << static_cast<int>(v.type());
    for (const Variant& v : {Variant("0"), Variant(" "), i16(1), Variant(-0.5), Variant(true), date(1)})
        EXPECT_EQ(vbEquals(v, Empty), false);
    EXPECT_EQ(vbEquals(Null, Empty), std::nullopt);
    EXPECT_EQ(vbCompare(Empty, Variant(-1.0)), 1);
    EXPECT_EQ(vbCompare(Empty, Variant("a")), -1);
    EXPECT_EQ(vbCompare(Variant("a"), Empty), 1);
}

TEST(VariantCompare, NullComparesToNothing) {
    for (const Variant& v : {Null, Empty, i16(1), Variant("x"), Variant(true), date(0)}) {
        EXPECT_EQ(vbCompare(Null, v), std::nullopt);
        EXPECT_EQ(vbCompare(v, Null), std::nullopt);
        EXPECT_EQ(vbEquals(v, Null), std::nullopt);
    }
}

TEST(VariantCompare, NumbersAcrossSubtypes) {
    const struct {
        Variant a, b;
        int result;
    } cases[] = {
        {i16(3), i32(3), 0},
        {i16(-1), Variant(true), 0},  // True is -1
        {Variant(false), Variant(0.0), 0}, {cur(2.5), Variant(2.5), 0}, {cur(0.1), Variant(0.1), 0},
        {cur(0.0001), cur(0.0002), -1}, {i32(2147483647), cur(2147483647.0001), -1},
        {Variant(1.5), i16(1), 1}, {date(45427), i32(45427), 0}, {date(45427.75), Variant(45427.5), 1},
        {date(-1.25), date(-1), -1}, {Variant(true), Variant(false), -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(vbCompare(c.a, c.b), c.result) << c.a.toString();
        EXPECT_EQ(vbCompare(c.b, c.a), -c.result);
        EXPECT_EQ(vbEquals(c.a, c.b), c.result == 0);
    }
}

TEST(VariantCompare, TextsAreBinary) {
    EXPECT_EQ(vbCompare(Variant("abc"), Variant("abc")), 0);
    EXPECT_EQ(vbCompare(Variant("a"), Variant("B")), 1);  // case-sensitive: 'B' < 'a'
    EXPECT_EQ(vbEquals(Variant("Não"), Variant("não")), false);
    EXPECT_EQ(vbEquals(Variant("Nao"), Variant("Não")), false);
    EXPECT_EQ(vbCompare(Variant("ab"), Variant("abc")), -1);
    EXPECT_EQ(vbCompare(Variant("z"), Variant("é")), -1);  // bytes above 0x7F sort after ASCII
    EXPECT_EQ(vbCompare(Variant("10"), Variant("9")), -1);  // no numeric reading of texts
    EXPECT_EQ(vbEquals(Variant("a "), Variant("a")), false);
}

TEST(VariantCompare, NumberIsLessThanText) {
    // A numeric Variant against a String Variant: no conversion, the number is less.
    for (const Variant& n : {i16(5), Variant(1e300), cur(-1), Variant(true), date(45427)}) {
        for (const Variant& s : {Variant("1"), Variant(""), Variant("abc"), Variant("5")}) {
            EXPECT_EQ(vbCompare(n, s), -1);
            EXPECT_EQ(vbCompare(s, n), 1);
            EXPECT_EQ(vbEquals(n, s), false);
        }
    }
}

TEST(VariantCompare, ObjectsRaiseTypeMismatch) {
    EXPECT_EQ(errorNumber([] { vbCompare(Nothing, Empty); }), err::TypeMismatch);
    EXPECT_EQ(errorNumber([] { vbEquals(Variant("x"), Nothing); }), err::TypeMismatch);
    // Null still wins: the comparison is Null before any value is needed.
    EXPECT_EQ(vbCompare(Nothing, Null), std::nullopt);
}

TEST(Variant, Truthiness) {
    for (const Variant& v : {Null, Empty, i16(0), Variant(0.0), cur(0), date(0), Variant(false), Variant("0"),
                             Variant("False"), Variant(" false ")})
        EXPECT_FALSE(v.truthy()) << static_cast<int>(v.type());
    for (const Variant& v : {i16(-1), i32(2), Variant(0.1), cur(0.0001), date(-1), Variant(true), Variant("True"),
                             Variant("-1"), Variant("0,5")})
        EXPECT_TRUE(v.truthy()) << static_cast<int>(v.type());
    EXPECT_EQ(errorNumber([] { Variant("abc").truthy(); }), err::TypeMismatch);
    EXPECT_EQ(errorNumber([] { Variant("").truthy(); }), err::TypeMismatch);
    EXPECT_EQ(errorNumber([] { Nothing.truthy(); }), err::TypeMismatch);
}

TEST(Variant, IdentityIsNotVbEquality) {
    EXPECT_FALSE(i16(1) == i32(1));
    EXPECT_EQ(vbEquals(i16(1), i32(1)), true);
    const Variant fromLiteral("a"), fromString(std::string("a"));
    EXPECT_TRUE(fromLiteral == fromString);
    EXPECT_TRUE(Null == Variant::null());
    EXPECT_FALSE(Null == Empty);
}


// Values survive copies, moves and assignments between every pair of subtypes, in both
// directions, including onto themselves; a text outlives the Variant it was copied from.
TEST(Variant, CopiesAndAssignmentsKeepEveryValue) {
    const std::string longText(100, 'x');
    const std::vector<Variant> values = {Empty,        Null,           i16(-7),  i32(70000),   Variant(2.5),
                                         cur(12.3456), date(45427.25), Variant("curto"), Variant(longText),
                                         Variant(true), Nothing};
    for (const Variant& a : values) {
        for (const Variant& b : values) {
            Variant target = a;
            target = b;
            EXPECT_TRUE(target == b);
            Variant moved = std::move(target);
            EXPECT_TRUE(moved == b);
            target = moved;
            const Variant& same = target;
            target = same;
            EXPECT_TRUE(target == b);
        }
    }
    Variant kept;
    {
        const Variant source(longText + "!");
        kept = source;
    }
    EXPECT_EQ(kept.asString(), longText + "!");
    EXPECT_EQ(values[8].asString(), longText);
    EXPECT_EQ(values[5].asCurrency().raw(), 123456);
    EXPECT_EQ(values[6].asDate().serial(), 45427.25);
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
