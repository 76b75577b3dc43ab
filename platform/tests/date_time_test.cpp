#include "platform/date_time.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

#include "platform/runtime_error.h"
#include "testsupport/raised.h"

namespace zolk::platform {
namespace {

struct SerialCase {
    double serial;
    DateParts parts;
};

void expectParts(const DateParts& got, const DateParts& want, double serial) {
    EXPECT_EQ(got.year, want.year) << serial;
    EXPECT_EQ(got.month, want.month) << serial;
    EXPECT_EQ(got.day, want.day) << serial;
    EXPECT_EQ(got.hour, want.hour) << serial;
    EXPECT_EQ(got.minute, want.minute) << serial;
    EXPECT_EQ(got.second, want.second) << serial;
}

const SerialCase serialCases[] = {
    {0.5, {1899, 12, 30, 12, 0, 0}}, {2, {1900, 1, 1, 0, 0, 0}},
    {60, {1900, 2, 28, 0, 0, 0}},  // no 29/02/1900 in OLE dates
    {61, {1900, 3, 1, 0, 0, 0}}, {45427.75, {2024, 5, 15, 18, 0, 0}}, {45351, {2024, 2, 29, 0, 0, 0}},
    {-1.25, {1899, 12, 29, 6, 0, 0}},  // negative days, the fraction still the time of day
    {-657434, {100, 1, 1, 0, 0, 0}}, {2958465, {9999, 12, 31, 0, 0, 0}},
};

TEST(DateTime, PartsOfSerialsAndBack) {
    for (const auto& c : serialCases) {
        expectParts(DateTime(c.serial).parts(), c.parts, c.serial);
        const DateParts& p = c.parts;
        EXPECT_DOUBLE_EQ(DateTime::fromParts(p.year, p.month, p.day, p.hour, p.minute, p.second).serial(), c.serial);
    }
    // A negative serial above -1 is still day 0 (fromParts writes it as +0.25).
    expectParts(DateTime(-0.25).parts(), {1899, 12, 30, 6, 0, 0}, -0.25);
    EXPECT_EQ(DateTime(-1.25).iso(), "1899-12-29 06:00:00");
    EXPECT_EQ(testsupport::errorNumber([] { DateTime::fromParts(2024, 2, 30); }), err::InvalidProcedureCall);
}

// A serial outside the calendar (a number another tool left in a date column) reads as the
// zero date in every part, the weekday included.
TEST(DateTime, SerialsOutsideTheCalendarReadAsTheZeroDate) {
    for (double serial : {1e300, 2958467.0, -657436.0, std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_EQ(DateTime(serial).iso(), "1899-12-30 00:00:00") << serial;
        EXPECT_EQ(DateTime(serial).weekday(), 7) << serial;
    }
    EXPECT_EQ(DateTime(2958465.5).iso(), "9999-12-31 12:00:00");
}

TEST(DateTime, PartsRoundToTheNearestSecond) {
    const double second = 1.0 / 86400;
    expectParts(DateTime(45427 + 10.6 * second).parts(), {2024, 5, 15, 0, 0, 11}, 0);
    // Rounding up to midnight gives the next calendar day, on either side of the zero date.
    expectParts(DateTime(45427.9999999).parts(), {2024, 5, 16, 0, 0, 0}, 45427.9999999);
    expectParts(DateTime(-1.9999999).parts(), {1899, 12, 30, 0, 0, 0}, -1.9999999);
    EXPECT_FALSE(DateTime(-1.9999999).hasDate());
    EXPECT_TRUE(DateTime(-1.25).hasDate() && DateTime(-1.25).hasTime());
    EXPECT_FALSE(DateTime(45427).hasTime());
}

TEST(DateTime, ValidParts) {
    EXPECT_TRUE(DateTime::validParts(2000, 2, 29, 23, 59, 59));
    EXPECT_FALSE(DateTime::validParts(1900, 2, 29, 0, 0, 0));
    EXPECT_FALSE(DateTime::validParts(2024, 4, 31, 0, 0, 0));
    EXPECT_FALSE(DateTime::validParts(99, 1, 1, 0, 0, 0));
    EXPECT_FALSE(DateTime::validParts(10000, 1, 1, 0, 0, 0));
    EXPECT_FALSE(DateTime::validParts(2024, 1, 1, 24, 0, 0));
}

TEST(DateTime, WeekdayAndDayArithmetic) {
    // 30/12/1899 was a Saturday, 15/05/2024 a Wednesday; a time of day does not change the day.
    const std::pair<double, int> cases[] = {{45427.9, 4}, {-1.5, 6}, {-7, 7}};
    for (const auto& [serial, weekday] : cases) EXPECT_EQ(DateTime(serial).weekday(), weekday) << serial;
    EXPECT_DOUBLE_EQ(DateTime(-1.25).dateOnly().serial(), -1);
    // Crossing the zero date keeps the time of day.
    expectParts(DateTime(0.25).addDays(-2).parts(), {1899, 12, 28, 6, 0, 0}, -2.25);
    expectParts(DateTime(-1.25).addDays(2).parts(), {1899, 12, 31, 6, 0, 0}, 1.25);
    // DateDiff("d") counts midnights crossed.
    const DateTime late = DateTime::fromParts(2024, 5, 15, 23, 59);
    const DateTime early = DateTime::fromParts(2024, 5, 16, 0, 1);
    EXPECT_EQ(DateTime::daysBetween(early, late), -1);
    EXPECT_EQ(DateTime::daysBetween(DateTime(-1.25), DateTime(0.5)), 1);
}

TEST(DateTime, TodayAndNow) {
    const DateTime today = DateTime::today();
    const DateTime now = DateTime::now();
    EXPECT_FALSE(today.hasTime());
    EXPECT_LE(today, now);
    EXPECT_LT(now.serial() - today.serial(), 1.0 + 1e-6);  // the date may turn between the two calls
}

}  // namespace
}  // namespace zolk::platform
