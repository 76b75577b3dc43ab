#include "platform/date_time.h"

#include <cmath>
#include <cstdio>
#include <ctime>

#include "platform/runtime_error.h"

namespace zolk::platform {

namespace {

// Days from 0001-03-01-based civil calendar (Howard Hinnant's algorithm), relative to 1970-01-01.
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void civilFromDays(std::int64_t z, int& y, int& m, int& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t yy = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yy + (m <= 2));
}

constexpr std::int64_t OleEpochFromUnix = 25569;  // 1970-01-01 as an OLE day number
constexpr double MinSerial = -657434.0;           // 01/01/100
constexpr double MaxSerial = 2958465.99999;       // 31/12/9999 23:59:59

bool isLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int daysInMonth(int y, int m) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeap(y) ? 29 : days[m - 1];
}

// Splits a serial into whole days and seconds of the day; negative serials keep the
// fraction as time of day (-1.25 is 29/12/1899 06:00).
void split(double serial, std::int64_t& days, std::int64_t& seconds) {
    // Outside 01/01/100 to 31/12/9999 (a number another tool left in a date column, say) there
    // is no calendar date: every part reads as the zero date's.
    if (!(serial >= MinSerial - 1 && serial <= MaxSerial + 1)) serial = 0;
    double whole = std::trunc(serial);
    double fraction = std::fabs(serial - whole);
    std::int64_t secs = std::llround(fraction * 86400.0);
    std::int64_t d = static_cast<std::int64_t>(whole);
    if (secs >= 86400) {
        // The time rounded up to midnight: the next calendar day, whatever the sign
        // (-1.9999999 is 29/12/1899 23:59:59.99..., so 30/12/1899 00:00, day 0).
        secs -= 86400;
        d += 1;
    }
    days = d;
    seconds = secs;
}

}  // namespace

bool DateTime::validParts(int year, int month, int day, int hour, int minute, int second) {
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
    if (day > daysInMonth(year, month)) return false;
    return hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 60;
}

DateTime DateTime::fromParts(int year, int month, int day, int hour, int minute, int second) {
    if (!validParts(year, month, day, hour, minute, second))
        raise(err::InvalidProcedureCall, "invalid date or time");
    const std::int64_t days = daysFromCivil(year, static_cast<unsigned>(month),
                                            static_cast<unsigned>(day)) + OleEpochFromUnix;
    const double time = (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
    return DateTime(days >= 0 ? static_cast<double>(days) + time : static_cast<double>(days) - time);
}

DateTime DateTime::today() { return now().dateOnly(); }

DateTime DateTime::now() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return fromParts(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                     local.tm_min, local.tm_sec);
}

DateParts DateTime::parts() const {
    DateParts p;
    std::int64_t days = 0, seconds = 0;
    split(serial_, days, seconds);
    civilFromDays(days - OleEpochFromUnix, p.year, p.month, p.day);
    p.hour = static_cast<int>(seconds / 3600);
    p.minute = static_cast<int>(seconds / 60 % 60);
    p.second = static_cast<int>(seconds % 60);
    return p;
}

int DateTime::weekday() const {
    std::int64_t days = 0, seconds = 0;
    split(serial_, days, seconds);
    // 30/12/1899 was a Saturday (7).
    std::int64_t w = (days + 6) % 7;
    if (w < 0) w += 7;
    return static_cast<int>(w) + 1;
}

bool DateTime::hasTime() const {
    std::int64_t days = 0, seconds = 0;
    split(serial_, days, seconds);
    return seconds != 0;
}

bool DateTime::hasDate() const {
    std::int64_t days = 0, seconds = 0;
    split(serial_, days, seconds);
    return days != 0;
}

DateTime DateTime::addDays(double days) const {
    std::int64_t d = 0, seconds = 0;
    split(serial_, d, seconds);
    const double whole = static_cast<double>(d) + days;
    const double time = static_cast<double>(seconds) / 86400.0;
    return DateTime(whole >= 0 ? whole + time : whole - time);
}

DateTime DateTime::dateOnly() const {
    std::int64_t d = 0, seconds = 0;
    split(serial_, d, seconds);
    return DateTime(static_cast<double>(d));
}

std::int64_t DateTime::daysBetween(DateTime from, DateTime to) {
    std::int64_t a = 0, b = 0, s = 0;
    split(from.serial_, a, s);
    split(to.serial_, b, s);
    return b - a;
}

std::string DateTime::iso() const {
    const DateParts p = parts();
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", p.year, p.month, p.day, p.hour,
                  p.minute, p.second);
    return buf;
}

}  // namespace zolk::platform
