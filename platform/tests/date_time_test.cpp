#include "platform/date_time.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "platform/runtime_error.h"
#include "testsupport/raised.h"

namespace zolk::platform {
namespace {

struct SerialCase { double serial; DateParts parts; };

void expectParts(const DateParts& g, const DateParts& w, double serial) {
    EXPECT_EQ(std::tie(g.year, g.month, g.day, g.hour, g.minute, g.second),
              std::tie(w.year, w.month, w.day, w.hour, w.minute, w.second)) << serial;
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

TEST(DateTime, PartsRoundToTheNearestSecond) {
    const double second = 1.0 / 86400;
    expectParts(DateTime(45427 + 10.6 * second).parts(), {2024, 5, 15, 0, 0, 11}, 0);
    // Rounding up to midnight gives the next calendar day, on either side of the zero date.
    expectParts(DateTime(45427.9999999).parts(), {2024, 5, 16, 0, 0, 0}, 45427.9999999);
    expectParts(DateTime(-1.9999999).parts(), {1899, 12, 30, 0, 0, 0}, -1.9999999);
    EXPECT_FALSE(DateTime(-1.9999999).hasDate());
}

TEST(DateTime, WeekdayAndDayArithmetic) {
    // 30/12/1899 was a Saturday, 15/05/2024 a Wednesday; a time of day does not change the day.
    const std::pair<double, int> cases[] = {{45427.9, 4}, {-1.5, 6}, {-7, 7}};
    for (const auto& [serial, weekday] : cases) EXPECT_EQ(DateTime(serial).weekday(), weekday) << serial;
    EXPECT_DOUBLE_EQ(DateTime(-1.25).dateOnly().serial(), -1);
    expectParts(DateTime(-1.25).addDays(2).parts(), {1899, 12, 31, 6, 0, 0}, 1.25);
    EXPECT_EQ(DateTime::daysBetween(DateTime::fromParts(2024, 5, 16, 0, 1), DateTime::fromParts(2024, 5, 15, 23, 59)), -1);
    EXPECT_EQ(DateTime::daysBetween(DateTime(-1.25), DateTime(0.5)), 1);
}

}  // namespace
}  // namespace zolk::platform
