#pragma once
// OLE Automation date-times: days since 30/12/1899, the fraction is the time of day.
#include <cstdint>
#include <string>

namespace zolk::platform {

struct DateParts {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0;
};

class DateTime {
public:
    constexpr DateTime() = default;
    constexpr explicit DateTime(double serial) : serial_(serial) {}

    // Raises 5 when the parts do not name a valid date-time in 100..9999.
    static DateTime fromParts(int year, int month, int day, int hour = 0, int minute = 0,
                              int second = 0);
    static bool validParts(int year, int month, int day, int hour = 0, int minute = 0,
                           int second = 0);
    static DateTime today();  // local date at 00:00
    static DateTime now();    // local date-time in whole seconds

    constexpr double serial() const { return serial_; }
    DateParts parts() const;  // rounded to the nearest second
    int year() const { return parts().year; }
    int month() const { return parts().month; }
    int day() const { return parts().day; }
    int hour() const { return parts().hour; }
    int minute() const { return parts().minute; }
    int second() const { return parts().second; }
    int weekday() const;  // 1 = Sunday ... 7 = Saturday
    bool hasTime() const;
    bool hasDate() const;

    DateTime addDays(double days) const;
    DateTime dateOnly() const;
    // Whole days between the two dates' midnights (VB DateDiff "d").
    static std::int64_t daysBetween(DateTime from, DateTime to);

    // ISO storage text "YYYY-MM-DD HH:MM:SS".
    std::string iso() const;
    friend constexpr bool operator==(DateTime a, DateTime b) { return a.serial_ == b.serial_; }
    friend constexpr auto operator<=>(DateTime a, DateTime b) { return a.serial_ <=> b.serial_; }

private:
    double serial_ = 0;
};

}  // namespace zolk::platform
