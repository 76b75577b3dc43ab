#include "platform/conversions.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <vector>

#include "platform/runtime_error.h"

namespace zolk::platform {

namespace {

// ---------------------------------------------------------------------------------------------
// Character helpers (ASCII only: <cctype> is locale-dependent and undefined for negative chars).

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
char toLowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
bool isHighByte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

// Blanks around a number or a date: blank, tab, carriage return, line feed.
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view stripBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

bool startsWith(std::string_view s, std::size_t at, std::string_view prefix) {
    return s.size() - at >= prefix.size() && s.substr(at, prefix.size()) == prefix;
}

int digitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9') v = c - '0';
    else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
    return v < base ? v : -1;
}

// A short, printable excerpt of a text for an error description: at most 40 bytes, cut on a
// character boundary; control characters and bytes that are not UTF-8 become '?'.
std::string excerpt(std::string_view text) {
    constexpr std::size_t limit = 40;
    std::string out = "\"";
    std::size_t i = 0;
    while (i < text.size() && out.size() <= limit) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t len = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        bool valid = len != 0 && i + len <= text.size();
        for (std::size_t k = 1; valid && k < len; ++k)
            valid = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
        if (!valid) {
            out += '?';
            ++i;
        } else if (len == 1) {
            out += c < 0x20 || c == 0x7F ? '?' : static_cast<char>(c);
            ++i;
        } else {
            out.append(text.substr(i, len));
            i += len;
        }
    }
    if (i < text.size()) out += "...";
    return out + "\"";
}

// ---------------------------------------------------------------------------------------------
// Numbers read from text.

// digits × 10^exponent, digits without leading zeros (empty for zero).
struct Decimal {
    bool negative = false;
    std::string digits;
    std::int64_t exponent = 0;
};

struct ScannedNumber {
    enum Kind { Digits, Whole, OutOfRange } kind = Digits;
    Decimal decimal;
    std::int64_t integer = 0;  // &H / &O values
};

constexpr std::int64_t ExponentLimit = 1'000'000;  // far beyond any Double; keeps sums in range

void normalise(Decimal& d) {
    std::size_t lead = 0;
    while (lead < d.digits.size() && d.digits[lead] == '0') ++lead;
    d.digits.erase(0, lead);
    std::size_t trail = 0;
    while (trail < d.digits.size() && d.digits[d.digits.size() - 1 - trail] == '0') ++trail;
    d.digits.resize(d.digits.size() - trail);
    d.exponent = d.digits.empty() ? 0 : d.exponent + static_cast<std::int64_t>(trail);
    if (d.digits.empty()) d.negative = false;
}

// The nearest Double; ±infinity when the value is beyond the Double range.
double toDouble(const Decimal& d) {
    if (d.digits.empty()) return 0.0;
    const std::int64_t magnitude = static_cast<std::int64_t>(d.digits.size()) + d.exponent;
    if (magnitude > 400) return d.negative ? -HUGE_VAL : HUGE_VAL;
    if (magnitude < -400) return d.negative ? -0.0 : 0.0;
    // Digits and an exponent only: no decimal point, so strtod's locale plays no part.
    const std::string text = d.digits + "e" + std::to_string(d.exponent);
    const double v = std::strtod(text.c_str(), nullptr);
    return d.negative ? -v : v;
}

// value × 10^scale rounded to a whole number, halves to even, exactly on the decimal digits;
// std::nullopt beyond the int64 range.
std::optional<std::int64_t> roundScaled(const Decimal& d, int scale) {
    if (d.digits.empty()) return 0;
    const std::int64_t shift = d.exponent + scale;
    const auto size = static_cast<std::int64_t>(d.digits.size());
    if (size + shift > 19) return std::nullopt;
    std::uint64_t value = 0;
    const std::int64_t kept = shift >= 0 ? size : size + shift;
    for (std::int64_t k = 0; k < kept; ++k) value = value * 10 + static_cast<std::uint64_t>(d.digits[k] - '0');
    for (std::int64_t k = 0; k < shift; ++k)
        if (__builtin_mul_overflow(value, std::uint64_t{10}, &value)) return std::nullopt;
    if (kept < size && kept >= 0) {
        // digits[kept] is the first dropped digit; normalise() left no trailing zeros, so any
        // digit after it makes the rest more than half.
        const char first = d.digits[kept];
        const bool more = kept + 1 < size;
        if (first > '5' || (first == '5' && (more || value % 2 == 1))) {
            if (__builtin_add_overflow(value, std::uint64_t{1}, &value)) return std::nullopt;
        }
    }
    constexpr std::uint64_t maxPositive = std::numeric_limits<std::int64_t>::max();
    if (d.negative) {
        if (value > maxPositive + 1) return std::nullopt;
        return value == maxPositive + 1 ? std::numeric_limits<std::int64_t>::min()
                                        : -static_cast<std::int64_t>(value);
    }
    if (value > maxPositive) return std::nullopt;
    return static_cast<std::int64_t>(value);
}

// Reads the exponent digits at s[i...], clamped to ExponentLimit.
std::int64_t readExponentDigits(std::string_view s, std::size_t& i) {
    std::int64_t e = 0;
    while (i < s.size() && isDigit(s[i])) {
        if (e < ExponentLimit) e = e * 10 + (s[i] - '0');
        ++i;
    }
    return e;
}

// The regional (pt-BR) number forms that CDbl and IsNumeric accept: blanks around, a leading or
// trailing sign or parentheses, the currency symbol R$, "." as grouping anywhere in the integer
// part, "," as the decimal separator, an exponent, or &H / &O alone.
std::optional<ScannedNumber> scanRegionalNumber(std::string_view text) {
    const std::string_view s = stripBlanks(text);
    const std::size_t n = s.size();
    std::size_t i = 0;
    ScannedNumber out;

    if (n >= 2 && s[0] == '&') {
        const char kind = toLowerAscii(s[1]);
        const int base = kind == 'h' ? 16 : kind == 'o' ? 8 : 0;
        if (base == 0) return std::nullopt;
        std::uint64_t v = 0;
        bool tooBig = false;
        for (i = 2; i < n; ++i) {
            const int digit = digitValue(s[i], base);
            if (digit < 0) return std::nullopt;
            if (!tooBig) v = v * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
            tooBig = tooBig || v > 0xFFFFFFFFu;
        }
        if (n == 2) return std::nullopt;
        if (tooBig) {
            out.kind = ScannedNumber::OutOfRange;
            return out;
        }
        // Eight hex digits are a 32-bit pattern: &HFFFFFFFF is -1.
        out.kind = ScannedNumber::Whole;
        out.integer = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
        return out;
    }

    bool negative = false, sign = false, paren = false, symbol = false;
    auto skipBlanks = [&] {
        while (i < n && isBlank(s[i])) ++i;
    };
    for (;;) {
        skipBlanks();
        if (i < n && (s[i] == '+' || s[i] == '-') && !sign && !paren) {
            sign = true;
            negative = s[i] == '-';
            ++i;
        } else if (i < n && s[i] == '(' && !sign && !paren) {
            paren = true;
            ++i;
        } else if (!symbol && startsWith(s, i, "R$")) {
            symbol = true;
            i += 2;
        } else {
            break;
        }
    }

    Decimal& d = out.decimal;
    bool anyDigit = false;
    std::int64_t fractionDigits = 0;
    while (i < n && (isDigit(s[i]) || s[i] == '.')) {
        if (s[i] != '.') {
            d.digits += s[i];
            anyDigit = true;
        }
        ++i;
    }
    if (i < n && s[i] == ',') {
        ++i;
        while (i < n && isDigit(s[i])) {
            d.digits += s[i++];
            ++fractionDigits;
            anyDigit = true;
        }
    }
    if (!anyDigit) return std::nullopt;
    std::int64_t exponent = 0;
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        bool expNegative = false;
        if (i < n && (s[i] == '+' || s[i] == '-')) expNegative = s[i++] == '-';
        if (i >= n || !isDigit(s[i])) return std::nullopt;
        exponent = readExponentDigits(s, i);
        if (expNegative) exponent = -exponent;
    }
    d.exponent = exponent - fractionDigits;

    bool closed = false;
    for (;;) {
        skipBlanks();
        if (!symbol && startsWith(s, i, "R$")) {
            symbol = true;
            i += 2;
        } else if (i < n && (s[i] == '+' || s[i] == '-') && !sign && !paren) {
            sign = true;
            negative = s[i] == '-';
            ++i;
        } else if (i < n && s[i] == ')' && paren && !closed) {
            closed = true;
            ++i;
        } else {
            break;
        }
    }
    if (i != n || paren != closed) return std::nullopt;
    d.negative = negative || paren;
    normalise(d);
    return out;
}

// ---------------------------------------------------------------------------------------------
// Dates read from text.

enum class Order { DayFirst, MonthFirst };

struct DateToken {
    enum Kind { Number, Month, Meridiem, Separator } kind = Number;
    int value = 0;   // number, month 1..12, or 1 for PM / 0 for AM
    int digits = 0;  // numbers: how many digits were written
    char separator = 0;
};

int monthFromName(const std::string& word) {
    static constexpr std::string_view full[] = {"janeiro", "fevereiro", "março",    "abril",
                                                "maio",    "junho",     "julho",    "agosto",
                                                "setembro", "outubro",  "novembro", "dezembro"};
    static constexpr std::string_view brief[] = {"jan", "fev", "mar", "abr", "mai", "jun",
                                                 "jul", "ago", "set", "out", "nov", "dez"};
    for (int m = 0; m < 12; ++m)
        if (word == full[m] || word == brief[m]) return m + 1;
    if (word == "marco") return 3;  // typed without the cedilla
    return 0;
}

// Lower case of a word: ASCII letters, and the Latin-1 capitals (À..Þ) written in UTF-8.
std::string lowerWord(std::string_view w) {
    std::string out(w);
    for (std::size_t k = 0; k < out.size(); ++k) {
        out[k] = toLowerAscii(out[k]);
        if (static_cast<unsigned char>(out[k]) == 0xC3 && k + 1 < out.size()) {
            const auto next = static_cast<unsigned char>(out[k + 1]);
            if (next >= 0x80 && next <= 0x9E && next != 0x97) out[k + 1] = static_cast<char>(next + 0x20);
            ++k;
        }
    }
    return out;
}

bool tokenizeDate(std::string_view s, std::vector<DateToken>& tokens, bool& sawFiller) {
    std::size_t i = 0;
    while (i < s.size()) {
        const char c = s[i];
        if (isBlank(c)) {
            ++i;
        } else if (isDigit(c)) {
            DateToken t;
            t.kind = DateToken::Number;
            while (i < s.size() && isDigit(s[i])) {
                if (++t.digits > 4) return false;
                t.value = t.value * 10 + (s[i++] - '0');
            }
            tokens.push_back(t);
        } else if (c == '/' || c == '-' || c == ':' || c == ',') {
            DateToken t;
            t.kind = DateToken::Separator;
            t.separator = c;
            tokens.push_back(t);
            ++i;
        } else if (isAsciiLetter(c) || isHighByte(c)) {
            const std::size_t start = i;
            while (i < s.size() && (isAsciiLetter(s[i]) || isHighByte(s[i]))) ++i;
            if (i - start > 16) return false;
            const std::string word = lowerWord(s.substr(start, i - start));
            if (word == "de") {  // "15 de maio de 2024"
                sawFiller = true;
                continue;
            }
            if (word == "am" || word == "pm") {
                DateToken t;
                t.kind = DateToken::Meridiem;
                t.value = word == "pm";
                tokens.push_back(t);
                continue;
            }
            const int month = monthFromName(word);
            if (month == 0) return false;
            DateToken t;
            t.kind = DateToken::Month;
            t.value = month;
            tokens.push_back(t);
        } else {
            return false;  // '.', other punctuation, control characters
        }
    }
    return true;
}

struct Ymd {
    int year, month, day;
};

bool isYearLike(const DateToken& t) { return t.digits >= 3 || t.value > 31; }

// Two-digit years: 00-29 are 20xx, 30-99 are 19xx.
int expandYear(const DateToken& t) {
    if (t.digits <= 2) return t.value < 30 ? 2000 + t.value : 1900 + t.value;
    return t.value;
}

std::optional<Ymd> firstValid(std::initializer_list<Ymd> candidates) {
    for (const Ymd& c : candidates)
        if (DateTime::validParts(c.year, c.month, c.day)) return c;
    return std::nullopt;
}

std::optional<Ymd> resolveDate(const std::vector<DateToken>& nums, int monthName, Order order) {
    // The current year, read from the clock only for the forms that need it.
    auto currentYear = [] { return DateTime::today().year(); };
    if (monthName != 0) {
        if (nums.size() == 1) {
            if (isYearLike(nums[0])) return firstValid({{expandYear(nums[0]), monthName, 1}});
            return firstValid({{currentYear(), monthName, nums[0].value}});
        }
        if (nums.size() == 2) {
            if (isYearLike(nums[0]) && !isYearLike(nums[1]))
                return firstValid({{expandYear(nums[0]), monthName, nums[1].value}});
            return firstValid({{expandYear(nums[1]), monthName, nums[0].value}});
        }
        return std::nullopt;
    }
    if (nums.size() == 3) {
        const DateToken &a = nums[0], &b = nums[1], &c = nums[2];
        if (a.digits >= 3) return firstValid({{a.value, b.value, c.value}});  // year first (ISO)
        const int y = expandYear(c);
        if (order == Order::DayFirst) return firstValid({{y, b.value, a.value}, {y, a.value, b.value}});
        return firstValid({{y, a.value, b.value}, {y, b.value, a.value}});
    }
    if (nums.size() == 2) {
        const DateToken &a = nums[0], &b = nums[1];
        // Of two numbers, one that can only be a year makes the other the month (day 1).
        if (isYearLike(a) && isYearLike(b)) return std::nullopt;
        if (isYearLike(b)) return firstValid({{expandYear(b), a.value, 1}});
        if (isYearLike(a)) return firstValid({{expandYear(a), b.value, 1}});
        const int y = currentYear();
        if (order == Order::DayFirst) return firstValid({{y, b.value, a.value}, {y, a.value, b.value}});
        return firstValid({{y, a.value, b.value}, {y, b.value, a.value}});
    }
    return std::nullopt;
}

std::optional<DateTime> parseDate(std::string_view text, Order order) {
    std::vector<DateToken> tokens;
    bool sawFiller = false;
    if (!tokenizeDate(text, tokens, sawFiller) || tokens.empty()) return std::nullopt;

    std::vector<DateToken> nums;
    int monthName = 0;
    bool haveTime = false, sawComma = false, needElement = false, lastWasElement = false;
    std::size_t elementsBeforeTime = 0, elements = 0;
    int hour = 0, minute = 0, second = 0;
    auto at = [&](std::size_t k, DateToken::Kind kind, char sep = 0) {
        return k < tokens.size() && tokens[k].kind == kind && (sep == 0 || tokens[k].separator == sep);
    };

    for (std::size_t k = 0; k < tokens.size();) {
        const DateToken& t = tokens[k];
        const bool timeStart = t.kind == DateToken::Number &&
                               (at(k + 1, DateToken::Separator, ':') || at(k + 1, DateToken::Meridiem));
        if (timeStart) {
            if (haveTime || needElement || t.digits > 2) return std::nullopt;
            haveTime = true;
            elementsBeforeTime = elements;
            hour = t.value;
            ++k;
            if (at(k, DateToken::Separator, ':')) {
                if (!at(k + 1, DateToken::Number) || tokens[k + 1].digits > 2) return std::nullopt;
                minute = tokens[k + 1].value;
                k += 2;
                if (at(k, DateToken::Separator, ':')) {
                    if (!at(k + 1, DateToken::Number) || tokens[k + 1].digits > 2) return std::nullopt;
                    second = tokens[k + 1].value;
                    k += 2;
                }
            }
            if (at(k, DateToken::Meridiem)) {
                if (hour < 0 || hour > 12) return std::nullopt;
                if (hour == 12) hour = 0;
                if (tokens[k].value == 1) hour += 12;
                ++k;
            }
            lastWasElement = false;
            continue;
        }
        switch (t.kind) {
            case DateToken::Number:
            case DateToken::Month:
                if (haveTime && elementsBeforeTime > 0) return std::nullopt;  // time inside the date
                if (t.kind == DateToken::Month) {
                    if (monthName != 0) return std::nullopt;
                    monthName = t.value;
                } else {
                    nums.push_back(t);
                }
                ++elements;
                needElement = false;
                lastWasElement = true;
                break;
            case DateToken::Separator:
                if (t.separator == ':' || !lastWasElement) return std::nullopt;
                sawComma = sawComma || t.separator == ',';
                needElement = true;
                lastWasElement = false;
                break;
            case DateToken::Meridiem: return std::nullopt;
        }
        ++k;
    }
    if (needElement || ((sawComma || sawFiller) && monthName == 0)) return std::nullopt;
    if (!DateTime::validParts(2000, 1, 1, hour, minute, second)) return std::nullopt;

    if (elements == 0) {
        if (!haveTime) return std::nullopt;
        return DateTime::fromParts(1899, 12, 30, hour, minute, second);
    }
    const std::optional<Ymd> ymd = resolveDate(nums, monthName, order);
    if (!ymd || !DateTime::validParts(ymd->year, ymd->month, ymd->day, hour, minute, second))
        return std::nullopt;
    return DateTime::fromParts(ymd->year, ymd->month, ymd->day, hour, minute, second);
}

// ---------------------------------------------------------------------------------------------
// Conversion helpers.

[[noreturn]] void nullError() { raise(err::InvalidUseOfNull); }
[[noreturn]] void objectError() {
    raise(err::TypeMismatch, "an object has no value that can be converted here");
}

double textToDouble(const std::string& text) {
    const std::optional<ScannedNumber> n = scanRegionalNumber(text);
    if (!n) raise(err::TypeMismatch, "the text " + excerpt(text) + " is not a number");
    if (n->kind == ScannedNumber::Whole) return static_cast<double>(n->integer);
    const double v = n->kind == ScannedNumber::Digits ? toDouble(n->decimal) : HUGE_VAL;
    if (!std::isfinite(v)) raise(err::Overflow, "the number " + excerpt(text) + " is out of the Double range");
    return v;
}

// A value rounded to a whole number (halves to even) and checked against [low, high].
std::int64_t roundedWhole(const Variant& v, std::int64_t low, std::int64_t high, const char* typeName) {
    std::optional<std::int64_t> whole;
    switch (v.type()) {
        case VarType::Empty: whole = 0; break;
        case VarType::Null: nullError();
        case VarType::Object: objectError();
        case VarType::Integer: whole = v.asInteger(); break;
        case VarType::Long: whole = v.asLong(); break;
        case VarType::Boolean: whole = v.asBoolean() ? -1 : 0; break;
        case VarType::Currency: {
            Decimal d;
            const std::int64_t raw = v.asCurrency().raw();
            d.negative = raw < 0;
            const std::uint64_t magnitude = raw < 0 ? 0 - static_cast<std::uint64_t>(raw)
                                                    : static_cast<std::uint64_t>(raw);
            d.digits = std::to_string(magnitude);
            d.exponent = -4;
            normalise(d);
            whole = roundScaled(d, 0);
            break;
        }
        case VarType::String: {
            const std::optional<ScannedNumber> n = scanRegionalNumber(v.asString());
            if (!n) raise(err::TypeMismatch, "the text " + excerpt(v.asString()) + " is not a number");
            if (n->kind == ScannedNumber::Whole) whole = n->integer;
            else if (n->kind == ScannedNumber::Digits) whole = roundScaled(n->decimal, 0);
            break;
        }
        case VarType::Double:
        case VarType::Date: {
            const double d = roundHalfEven(v.type() == VarType::Double ? v.asDouble() : v.asDate().serial());
            if (d >= -9.2e18 && d <= 9.2e18) whole = static_cast<std::int64_t>(d);
            break;
        }
    }
    if (!whole || *whole < low || *whole > high)
        raise(err::Overflow, std::string("the value is out of the ") + typeName + " range");
    return *whole;
}

bool parseBooleanWord(std::string_view text, bool& value) {
    const std::string_view s = stripBlanks(text);
    if (s.size() != 4 && s.size() != 5) return false;
    const std::string word = lowerWord(s);
    if (word == "true") value = true;
    else if (word == "false") value = false;
    else return false;
    return true;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Text forms.

std::string doubleToText(double d) {
    if (std::isnan(d)) return "-1,#IND";
    if (std::isinf(d)) return d < 0 ? "-1,#INF" : "1,#INF";
    if (d == 0) return "0";  // negative zero too
    // Fifteen significant digits, as "%.15G" rounds them, with the exponent of the leading digit.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14E", d);
    const std::string_view text(buf);
    const bool negative = text.front() == '-';
    const std::size_t ePos = text.find('E');
    std::string digits;
    for (std::size_t k = negative ? 1 : 0; k < ePos; ++k)
        if (text[k] != '.') digits += text[k];
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const int exponent = std::atoi(buf + ePos + 1);

    std::string out = negative ? "-" : "";
    if (exponent >= -5 && exponent <= 14) {
        if (exponent >= 0) {
            const auto intDigits = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= intDigits) {
                out += digits + std::string(intDigits - digits.size(), '0');
            } else {
                out += digits.substr(0, intDigits) + "," + digits.substr(intDigits);
            }
        } else {
            out += "0," + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
        }
        return out;
    }
    out += digits.substr(0, 1);
    if (digits.size() > 1) out += "," + digits.substr(1);
    char exp[16];
    std::snprintf(exp, sizeof exp, "E%c%02d", exponent < 0 ? '-' : '+', exponent < 0 ? -exponent : exponent);
    return out + exp;
}

std::string currencyToText(Currency c) {
    std::string text = c.toPlainText();
    for (char& ch : text)
        if (ch == '.') ch = ',';
    return text;
}

std::string dateToText(DateTime d) {
    const DateParts p = d.parts();
    const bool date = d.hasDate(), time = d.hasTime();
    char buf[48];
    if (date && time)
        std::snprintf(buf, sizeof buf, "%02d/%02d/%04d %02d:%02d:%02d", p.day, p.month, p.year, p.hour,
                      p.minute, p.second);
    else if (date)
        std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", p.day, p.month, p.year);
    else
        std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", p.hour, p.minute, p.second);
    return buf;
}

// ---------------------------------------------------------------------------------------------
// Parsers.

std::optional<double> parseRegionalNumber(std::string_view text) {
    // A number beyond the Double range is no Double either (CDbl raises 6 for it, not 13).
    const std::optional<ScannedNumber> n = scanRegionalNumber(text);
    if (!n || n->kind == ScannedNumber::OutOfRange) return std::nullopt;
    if (n->kind == ScannedNumber::Whole) return static_cast<double>(n->integer);
    const double d = toDouble(n->decimal);
    if (!std::isfinite(d)) return std::nullopt;
    return d;
}

std::optional<DateTime> parseRegionalDate(std::string_view text) { return parseDate(text, Order::DayFirst); }

std::optional<DateTime> parseHashDate(std::string_view text) {
    std::string_view s = stripBlanks(text);
    if (s.size() >= 2 && s.front() == '#' && s.back() == '#') s = s.substr(1, s.size() - 2);
    return parseDate(s, Order::MonthFirst);
}

double roundHalfEven(double d) {
    if (!std::isfinite(d)) return d;
    const double floor = std::floor(d);
    const double fraction = d - floor;  // exact for every finite double
    if (fraction < 0.5) return floor;
    if (fraction > 0.5) return floor + 1;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

// ---------------------------------------------------------------------------------------------
// Conversions.

std::string CStr(const Variant& v) {
    switch (v.type()) {
        case VarType::Empty: return {};
        case VarType::Null: nullError();
        case VarType::Integer: return std::to_string(v.asInteger());
        case VarType::Long: return std::to_string(v.asLong());
        case VarType::Double: return doubleToText(v.asDouble());
        case VarType::Currency: return currencyToText(v.asCurrency());
        case VarType::Date: return dateToText(v.asDate());
        case VarType::String: return v.asString();
        case VarType::Boolean: return v.asBoolean() ? "True" : "False";
        case VarType::Object: break;
    }
    objectError();
}

double CDbl(const Variant& v) {
    switch (v.type()) {
        case VarType::Empty: return 0;
        case VarType::Null: nullError();
        case VarType::Integer: return v.asInteger();
        case VarType::Long: return v.asLong();
        case VarType::Double: return v.asDouble();
        case VarType::Currency: return v.asCurrency().toDouble();
        case VarType::Date: return v.asDate().serial();
        case VarType::String: return textToDouble(v.asString());
        case VarType::Boolean: return v.asBoolean() ? -1 : 0;
        case VarType::Object: break;
    }
    objectError();
}

Currency CCur(const Variant& v) {
    switch (v.type()) {
        case VarType::Empty: return Currency();
        case VarType::Null: nullError();
        case VarType::Integer: return Currency::fromInt(v.asInteger());
        case VarType::Long: return Currency::fromInt(v.asLong());
        case VarType::Double: return Currency::fromDouble(v.asDouble());
        case VarType::Currency: return v.asCurrency();
        case VarType::Date: return Currency::fromDouble(v.asDate().serial());
        case VarType::Boolean: return Currency::fromInt(v.asBoolean() ? -1 : 0);
        case VarType::String: {
            // Rounded on the decimal digits as written, not on a binary approximation.
            const std::string& text = v.asString();
            const std::optional<ScannedNumber> n = scanRegionalNumber(text);
            if (!n) raise(err::TypeMismatch, "the text " + excerpt(text) + " is not a number");
            if (n->kind == ScannedNumber::Whole) return Currency::fromInt(n->integer);
            std::optional<std::int64_t> raw;
            if (n->kind == ScannedNumber::Digits) raw = roundScaled(n->decimal, 4);
            if (!raw) raise(err::Overflow, "the number " + excerpt(text) + " is out of the Currency range");
            return Currency::fromRaw(*raw);
        }
        case VarType::Object: break;
    }
    objectError();
}

std::int16_t CInt(const Variant& v) {
    return static_cast<std::int16_t>(roundedWhole(v, -32768, 32767, "Integer"));
}

std::int32_t CLng(const Variant& v) {
    return static_cast<std::int32_t>(roundedWhole(v, std::numeric_limits<std::int32_t>::min(),
                                                  std::numeric_limits<std::int32_t>::max(), "Long"));
}

DateTime CDate(const Variant& v) {
    double serial = 0;
    switch (v.type()) {
        case VarType::Empty: return DateTime();
        case VarType::Null: nullError();
        case VarType::Object: objectError();
        case VarType::Date: return v.asDate();
        case VarType::String: {
            const std::optional<DateTime> d = parseRegionalDate(v.asString());
            if (!d) raise(err::TypeMismatch, "the text " + excerpt(v.asString()) + " is not a date");
            return *d;
        }
        case VarType::Integer: serial = v.asInteger(); break;
        case VarType::Long: serial = v.asLong(); break;
        case VarType::Double: serial = v.asDouble(); break;
        case VarType::Currency: serial = v.asCurrency().toDouble(); break;
        case VarType::Boolean: serial = v.asBoolean() ? -1 : 0; break;
    }
    // 01/01/100 00:00 is -657434; its times run down to -657434.99999.
    if (!(serial > -657435.0 && serial < 2958466.0)) raise(err::Overflow, "the value is out of the Date range");
    return DateTime(serial);
}

bool CBool(const Variant& v) {
    switch (v.type()) {
        case VarType::Empty: return false;
        case VarType::Null: nullError();
        case VarType::Object: objectError();
        case VarType::Boolean: return v.asBoolean();
        case VarType::String: {
            bool word = false;
            if (parseBooleanWord(v.asString(), word)) return word;
            const std::optional<ScannedNumber> n = scanRegionalNumber(v.asString());
            if (!n) raise(err::TypeMismatch, "the text " + excerpt(v.asString()) + " is not True, False or a number");
            return CDbl(v) != 0;
        }
        default: return CDbl(v) != 0;
    }
}

bool IsNumeric(const Variant& v) {
    switch (v.type()) {
        case VarType::Empty:
        case VarType::Integer:
        case VarType::Long:
        case VarType::Double:
        case VarType::Currency:
        case VarType::Boolean: return true;
        case VarType::String: return parseRegionalNumber(v.asString()).has_value();
        default: return false;  // Null, Date, Object
    }
}

bool IsDate(const Variant& v) {
    if (v.type() == VarType::Date) return true;
    if (v.type() == VarType::String) return parseRegionalDate(v.asString()).has_value();
    return false;
}

double Val(const Variant& v) {
    if (v.isNull()) nullError();
    if (v.isString()) return Val(std::string_view(v.asString()));
    return Val(std::string_view(CStr(v)));  // Val(12.5) reads "12,5": 12
}

double Val(std::string_view s) {
    // Blanks, tabs and line feeds are skipped anywhere; "." is the decimal point; the number
    // ends at the first character that cannot continue it.
    std::size_t i = 0;
    auto peek = [&]() -> char {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == '\n')) ++i;
        return i < s.size() ? s[i] : '\0';
    };

    if (peek() == '&') {
        ++i;
        const char kind = toLowerAscii(peek());
        const int base = kind == 'h' ? 16 : kind == 'o' ? 8 : 0;
        if (base == 0) return 0;
        ++i;
        std::uint64_t v = 0;
        for (int digit; (digit = digitValue(peek(), base)) >= 0; ++i) {
            const std::uint64_t next = v * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
            if (next > 0xFFFFFFFFu) break;
            v = next;
        }
        // As in a VB literal: up to &HFFFF an Integer (&HFFFF is -1), beyond a Long;
        // a trailing & asks for a Long (&HFFFF& is 65535).
        if (v <= 0xFFFF && peek() != '&') return static_cast<std::int16_t>(static_cast<std::uint16_t>(v));
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    }

    Decimal d;
    if (peek() == '+' || peek() == '-') d.negative = s[i++] == '-';
    bool point = false;
    std::int64_t fractionDigits = 0;
    for (char c; (c = peek()) != '\0'; ++i) {
        if (isDigit(c)) {
            d.digits += c;
            if (point) ++fractionDigits;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    std::int64_t exponent = 0;
    if (!d.digits.empty() && (toLowerAscii(peek()) == 'e' || toLowerAscii(peek()) == 'd')) {
        const std::size_t mark = i++;
        bool negative = false;
        if (peek() == '+' || peek() == '-') negative = s[i++] == '-';
        if (isDigit(peek())) {
            while (isDigit(peek())) {
                if (exponent < ExponentLimit) exponent = exponent * 10 + (s[i] - '0');
                ++i;
            }
            if (negative) exponent = -exponent;
        } else {
            i = mark;
        }
    }
    d.exponent = exponent - fractionDigits;
    normalise(d);
    const double value = toDouble(d);
    if (!std::isfinite(value)) raise(err::Overflow, "the number " + excerpt(s) + " is out of the Double range");
    return value;
}

std::string Trim(std::string_view s) { return LTrim(RTrim(s)); }

std::string LTrim(std::string_view s) {
    const std::size_t first = s.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(s.substr(first));
}

std::string RTrim(std::string_view s) {
    const std::size_t last = s.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(s.substr(0, last + 1));
}

}  // namespace zolk::platform
