#include "platform/date_functions.h"

#include <cmath>
#include <cstdint>

#include "platform/conversions.h"
#include "platform/runtime_error.h"
#include "platform/text_compare.h"

namespace zolk::platform {
namespace {

enum class Interval { Year, Quarter, Month, DayOfYear, Day, Weekday, Week, Hour, Minute, Second };

Interval intervalOf(const Variant& v) {
    if (v.isNull()) raise(err::InvalidUseOfNull);
    const std::string s = v.isString() ? v.asString() : CStr(v);
    static constexpr std::pair<const char*, Interval> kLetters[] = {
        {"yyyy", Interval::Year}, {"q", Interval::Quarter},    {"m", Interval::Month},
        {"y", Interval::DayOfYear}, {"d", Interval::Day},      {"w", Interval::Weekday},
        {"ww", Interval::Week},   {"h", Interval::Hour},       {"n", Interval::Minute},
        {"s", Interval::Second},
    };
    for (const auto& [letters, interval] : kLetters)
        if (equalsNoCase(s, letters)) return interval;
    raise(err::InvalidProcedureCall, "unknown interval '" + s + "'");
}

std::int64_t longArg(const Variant& v) {
    if (v.isNull()) raise(err::InvalidUseOfNull);
    return CLng(v);
}

// 1 (Sunday) .. 7 (Saturday); 0 is the system's first day, Sunday in Brazil.
int firstDay(const Variant& v) {
    const std::int64_t d = longArg(v);
    if (d < 0 || d > 7) raise(err::InvalidProcedureCall);
    return d == 0 ? 1 : static_cast<int>(d);
}

int firstWeek(const Variant& v) {
    const std::int64_t w = longArg(v);
    if (w < 0 || w > 3) raise(err::InvalidProcedureCall);
    return w == 0 ? 1 : static_cast<int>(w);
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// Whole days since the zero date, and seconds into the day.
std::int64_t dayNumber(DateTime d) { return DateTime::daysBetween(DateTime(0), d); }
std::int64_t secondsOf(DateTime d) {
    const DateParts p = d.parts();
    return dayNumber(d) * 86400 + p.hour * 3600 + p.minute * 60 + p.second;
}

// A moment given as seconds since the zero date, refused outside 100..9999.
DateTime fromSeconds(std::int64_t seconds) {
    std::int64_t days = seconds / 86400;
    if (seconds % 86400 != 0 && seconds < 0) --days;
    const std::int64_t rest = seconds - days * 86400;
    if (days < -657434 || days > 2958465) raise(err::InvalidProcedureCall, "date out of range");
    const double time = static_cast<double>(rest) / 86400.0;
    return DateTime(days >= 0 ? static_cast<double>(days) + time : static_cast<double>(days) - time);
}

// Day of week 1..7 counted from `first`.
int relativeWeekday(DateTime d, int first) { return (d.weekday() - first + 7) % 7 + 1; }

// The day number on which week 1 of `year` starts.
std::int64_t weekOneStart(int year, int first, int rule) {
    const DateTime jan1 = DateTime::fromParts(year, 1, 1);
    const int offset = relativeWeekday(jan1, first) - 1;  // days of the week before 1 January
    const std::int64_t start = dayNumber(jan1) - offset;
    switch (rule) {
        case 2: return offset <= 3 ? start : start + 7;   // four days of it in the new year
        case 3: return offset == 0 ? start : start + 7;  // the whole week in the new year
        default: return start;
    }
}

int weekOfYear(DateTime d, int first, int rule) {
    const int year = d.year();
    const std::int64_t day = dayNumber(d);
    std::int64_t start = weekOneStart(year, first, rule);
    if (day < start && year > 100) start = weekOneStart(year - 1, first, rule);
    if (year < 9999 && day >= weekOneStart(year + 1, first, rule)) return 1;
    return static_cast<int>((day - start) / 7 + 1);
}

// Floor division, for counting boundaries crossed before the zero date too.
std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

DateTime addMonths(DateTime d, std::int64_t months) {
    const DateParts p = d.parts();
    const std::int64_t total = static_cast<std::int64_t>(p.year) * 12 + (p.month - 1) + months;
    const std::int64_t year = floorDiv(total, 12);
    const int month = static_cast<int>(total - year * 12) + 1;
    if (year < 100 || year > 9999) raise(err::InvalidProcedureCall, "date out of range");
    const int day = std::min(p.day, daysInMonth(static_cast<int>(year), month));
    return DateTime::fromParts(static_cast<int>(year), month, day, p.hour, p.minute, p.second);
}

}  // namespace

DateTime dateArgument(const Variant& v) {
    if (v.type() == VarType::Date) return v.asDate();
    return CDate(v);
}

Variant DateAdd(const Variant& interval, const Variant& number, const Variant& date) {
    const Interval what = intervalOf(interval);
    if (number.isNull()) raise(err::InvalidUseOfNull);
    const double amount = std::trunc(CDbl(number));
    if (date.isNull()) return date;
    if (std::fabs(amount) > 1e12) raise(err::InvalidProcedureCall, "date out of range");
    const DateTime d = dateArgument(date);
    const auto n = static_cast<std::int64_t>(amount);
    switch (what) {
        case Interval::Year: return Variant(addMonths(d, n * 12));
        case Interval::Quarter: return Variant(addMonths(d, n * 3));
        case Interval::Month: return Variant(addMonths(d, n));
        case Interval::DayOfYear:
        case Interval::Day:
        case Interval::Weekday: return Variant(fromSeconds(secondsOf(d) + n * 86400));
        case Interval::Week: return Variant(fromSeconds(secondsOf(d) + n * 7 * 86400));
        case Interval::Hour: return Variant(fromSeconds(secondsOf(d) + n * 3600));
        case Interval::Minute: return Variant(fromSeconds(secondsOf(d) + n * 60));
        case Interval::Second: return Variant(fromSeconds(secondsOf(d) + n));
    }
    return Variant::null();
}

Variant DateDiff(const Variant& interval, const Variant& date1, const Variant& date2,
                 const Variant& firstDayOfWeek, const Variant& firstWeekOfYear) {
    const Interval what = intervalOf(interval);
    const int first = firstDay(firstDayOfWeek);
    (void)firstWeek(firstWeekOfYear);
    if (date1.isNull() || date2.isNull()) return Variant::null();
    const DateTime a = dateArgument(date1), b = dateArgument(date2);
    const DateParts pa = a.parts(), pb = b.parts();
    std::int64_t r = 0;
    switch (what) {
        case Interval::Year: r = pb.year - pa.year; break;
        case Interval::Quarter:
            r = (pb.year * 4 + (pb.month - 1) / 3) - (pa.year * 4 + (pa.month - 1) / 3);
            break;
        case Interval::Month: r = (pb.year * 12 + pb.month) - (pa.year * 12 + pa.month); break;
        case Interval::DayOfYear:
        case Interval::Day: r = dayNumber(b) - dayNumber(a); break;
        // Whole weeks between them.
        case Interval::Weekday: r = (dayNumber(b) - dayNumber(a)) / 7; break;
        // First days of week crossed: counts date2's week but not date1's.
        case Interval::Week: {
            const std::int64_t shift = first - 1;  // day number 0 (30/12/1899) is a Saturday
            r = floorDiv(dayNumber(b) + 6 - shift, 7) - floorDiv(dayNumber(a) + 6 - shift, 7);
            break;
        }
        case Interval::Hour: r = floorDiv(secondsOf(b), 3600) - floorDiv(secondsOf(a), 3600); break;
        case Interval::Minute: r = floorDiv(secondsOf(b), 60) - floorDiv(secondsOf(a), 60); break;
        case Interval::Second: r = secondsOf(b) - secondsOf(a); break;
    }
    if (r > INT32_MAX || r < INT32_MIN) raise(err::Overflow);
    return Variant(static_cast<std::int32_t>(r));
}

Variant DatePart(const Variant& interval, const Variant& date, const Variant& firstDayOfWeek,
                 const Variant& firstWeekOfYear) {
    const Interval what = intervalOf(interval);
    const int first = firstDay(firstDayOfWeek);
    const int rule = firstWeek(firstWeekOfYear);
    if (date.isNull()) return date;
    const DateTime d = dateArgument(date);
    const DateParts p = d.parts();
    int r = 0;
    switch (what) {
        case Interval::Year: r = p.year; break;
        case Interval::Quarter: r = (p.month - 1) / 3 + 1; break;
        case Interval::Month: r = p.month; break;
        case Interval::DayOfYear:
            r = static_cast<int>(dayNumber(d) - dayNumber(DateTime::fromParts(p.year, 1, 1))) + 1;
            break;
        case Interval::Day: r = p.day; break;
        case Interval::Weekday: r = relativeWeekday(d, first); break;
        case Interval::Week: r = weekOfYear(d, first, rule); break;
        case Interval::Hour: r = p.hour; break;
        case Interval::Minute: r = p.minute; break;
        case Interval::Second: r = p.second; break;
    }
    return Variant(static_cast<std::int16_t>(r));
}

Variant DateComponent(const char* interval, const Variant& date) {
    return DatePart(Variant(interval), date);
}

Variant DateSerial(const Variant& year, const Variant& month, const Variant& day) {
    if (year.isNull() || month.isNull() || day.isNull()) raise(err::InvalidUseOfNull);
    std::int64_t y = CInt(year);
    if (y >= 0 && y <= 29) y += 2000;
    else if (y >= 30 && y <= 99) y += 1900;
    const std::int64_t total = y * 12 + (CInt(month) - 1);
    const std::int64_t yy = floorDiv(total, 12);
    const int mm = static_cast<int>(total - yy * 12) + 1;
    if (yy < 100 || yy > 9999) raise(err::InvalidProcedureCall, "date out of range");
    const DateTime first = DateTime::fromParts(static_cast<int>(yy), mm, 1);
    return Variant(fromSeconds(secondsOf(first) + (static_cast<std::int64_t>(CInt(day)) - 1) * 86400));
}

Variant TimeSerial(const Variant& hour, const Variant& minute, const Variant& second) {
    if (hour.isNull() || minute.isNull() || second.isNull()) raise(err::InvalidUseOfNull);
    const std::int64_t s = static_cast<std::int64_t>(CInt(hour)) * 3600 +
                           static_cast<std::int64_t>(CInt(minute)) * 60 + CInt(second);
    return Variant(fromSeconds(s));
}

Variant DateValue(const Variant& v) {
    if (v.isNull()) raise(err::InvalidUseOfNull);
    return Variant(dateArgument(v).dateOnly());
}

Variant TimeValue(const Variant& v) {
    if (v.isNull()) raise(err::InvalidUseOfNull);
    const DateParts p = dateArgument(v).parts();
    return Variant(DateTime::fromParts(1899, 12, 30, p.hour, p.minute, p.second));
}

Variant Weekday(const Variant& date, const Variant& firstDayOfWeek) {
    const int first = firstDay(firstDayOfWeek);
    if (date.isNull()) return date;
    return Variant(static_cast<std::int16_t>(relativeWeekday(dateArgument(date), first)));
}

Variant WeekdayName(const Variant& weekday, const Variant& abbreviate, const Variant& firstDayOfWeek) {
    static constexpr const char* kNames[] = {"domingo", "segunda-feira", "terça-feira", "quarta-feira",
                                             "quinta-feira", "sexta-feira", "sábado"};
    static constexpr const char* kShort[] = {"dom", "seg", "ter", "qua", "qui", "sex", "sáb"};
    const std::int64_t n = longArg(weekday);
    if (abbreviate.isNull()) raise(err::InvalidUseOfNull);
    const int first = firstDay(firstDayOfWeek);
    if (n < 1 || n > 7) raise(err::InvalidProcedureCall);
    const auto index = static_cast<std::size_t>((n - 1 + first - 1) % 7);
    return Variant(CBool(abbreviate) ? kShort[index] : kNames[index]);
}

Variant MonthName(const Variant& month, const Variant& abbreviate) {
    static constexpr const char* kNames[] = {"janeiro", "fevereiro", "março",    "abril",
                                             "maio",    "junho",     "julho",    "agosto",
                                             "setembro", "outubro",  "novembro", "dezembro"};
    static constexpr const char* kShort[] = {"jan", "fev", "mar", "abr", "mai", "jun",
                                             "jul", "ago", "set", "out", "nov", "dez"};
    const std::int64_t n = longArg(month);
    if (abbreviate.isNull()) raise(err::InvalidUseOfNull);
    if (n < 1 || n > 12) raise(err::InvalidProcedureCall);
    return Variant(CBool(abbreviate) ? kShort[n - 1] : kNames[n - 1]);
}

}  // namespace zolk::platform
