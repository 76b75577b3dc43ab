#pragma once
// VB's date functions on Variants. A date argument may be a Date, a number (its serial) or a
// text read by the regional rules ("15/05/2024"); a Null date gives Null. The interval letters
// are VB's: yyyy q m y d w ww h n s. First day of week: 0 = the system's (Sunday in Brazil),
// 1 = Sunday ... 7 = Saturday. First week of year: 0 = the system's (the week of 1 January),
// 1 = the week of 1 January, 2 = the first week with four days, 3 = the first full week.
#include "platform/variant.h"

namespace zolk::platform {

Variant DateAdd(const Variant& interval, const Variant& number, const Variant& date);
Variant DateDiff(const Variant& interval, const Variant& date1, const Variant& date2,
                 const Variant& firstDayOfWeek = Variant(std::int32_t{1}),
                 const Variant& firstWeekOfYear = Variant(std::int32_t{1}));
Variant DatePart(const Variant& interval, const Variant& date,
                 const Variant& firstDayOfWeek = Variant(std::int32_t{1}),
                 const Variant& firstWeekOfYear = Variant(std::int32_t{1}));
// Year 0..29 is 2000..2029 and 30..99 is 1930..1999; months and days outside their range
// carry into the next or previous ones (month 13 is January of the next year, day 0 the last
// day of the previous month).
Variant DateSerial(const Variant& year, const Variant& month, const Variant& day);
Variant TimeSerial(const Variant& hour, const Variant& minute, const Variant& second);
Variant DateValue(const Variant& v);  // the date part; Null raises 94
Variant TimeValue(const Variant& v);  // the time of day on the zero date; Null raises 94
Variant Weekday(const Variant& date, const Variant& firstDayOfWeek = Variant(std::int32_t{1}));
// Names in the regional language: "segunda-feira" / "seg", "maio" / "mai".
Variant WeekdayName(const Variant& weekday, const Variant& abbreviate = Variant(false),
                    const Variant& firstDayOfWeek = Variant(std::int32_t{0}));
Variant MonthName(const Variant& month, const Variant& abbreviate = Variant(false));
// Year, Month, Day, Hour, Minute, Second of a date argument as above: interval letter of
// DatePart ("yyyy", "m", "d", "h", "n", "s").
Variant DateComponent(const char* interval, const Variant& date);

// A date argument as VB reads it (text by the regional rules); 13 when it is not a date.
DateTime dateArgument(const Variant& v);

}  // namespace zolk::platform
