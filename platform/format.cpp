#include "platform/format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/conversions.h"
#include "platform/dispatch.h"
#include "platform/runtime_error.h"

// Patterns are written in US form ('.' decimal, ',' grouping, '/' and ':' separators); the
// output uses the pt-BR symbols. A pattern is typed by its first typing token (outside quotes
// and escapes): '0', '#' or '.' make a number pattern, a date/time token a date pattern, and
// '@', '&', '<', '>', '!' a text pattern. A pattern with none of them formats numbers and
// shows only its literal characters.

namespace zolk::platform {

namespace {

constexpr char DecimalSymbol = ',';
constexpr char GroupSymbol = '.';

// Serial range of VB dates: 01/01/100 up to 31/12/9999 23:59:59.
constexpr double MinDateSerial = -657435.0;  // exclusive
constexpr double MaxDateSerial = 2958466.0;  // exclusive

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool startsWithNoCase(std::string_view s, std::size_t at, std::string_view prefix) {
    return s.size() - at >= prefix.size() && equalsNoCase(s.substr(at, prefix.size()), prefix);
}

// Bytes of the character starting at s[i]: a lead byte and its continuation bytes. Invalid
// sequences degrade to single bytes, so literals are copied through unchanged.
std::size_t charLength(std::string_view s, std::size_t i) {
    std::size_t n = 1;
    if (static_cast<unsigned char>(s[i]) >= 0xC0) {
        while (n < 4 && i + n < s.size() && (static_cast<unsigned char>(s[i + n]) & 0xC0) == 0x80)
            ++n;
    }
    return n;
}

// Reads a quoted or escaped literal starting at s[i] into `out` and advances i.
// Returns false when s[i] starts neither.
bool readQuotedOrEscaped(std::string_view s, std::size_t& i, std::string& out) {
    if (s[i] == '"') {
        const std::size_t close = s.find('"', i + 1);
        const std::size_t end = close == std::string_view::npos ? s.size() : close;
        out.append(s.substr(i + 1, end - i - 1));
        i = close == std::string_view::npos ? s.size() : close + 1;
        return true;
    }
    if (s[i] == '\\') {
        ++i;
        if (i < s.size()) {
            const std::size_t n = charLength(s, i);
            out.append(s.substr(i, n));
            i += n;
        }
        return true;
    }
    return false;
}

// Splits on ';' outside quotes and escapes. VB accepts at most four sections.
std::vector<std::string_view> splitSections(std::string_view pattern) {
    std::vector<std::string_view> sections;
    std::size_t start = 0, i = 0;
    std::string scratch;
    while (i < pattern.size()) {
        if (readQuotedOrEscaped(pattern, i, scratch)) continue;
        if (pattern[i] == ';') {
            sections.push_back(pattern.substr(start, i - start));
            start = ++i;
            continue;
        }
        ++i;
    }
    sections.push_back(pattern.substr(start));
    if (sections.size() > 4) raise(err::InvalidProcedureCall, "too many sections in the format");
    return sections;
}

// The text of a section with quotes and escapes resolved and every other character literal.
std::string literalText(std::string_view section) {
    std::string out;
    std::size_t i = 0;
    while (i < section.size()) {
        if (readQuotedOrEscaped(section, i, out)) continue;
        out += section[i++];
    }
    return out;
}

// ---------------------------------------------------------------------------------------------
// Pattern typing

enum class Kind { Number, Date, Text };

Kind classify(const std::vector<std::string_view>& sections) {
    std::string scratch;
    for (std::string_view s : sections) {
        std::size_t i = 0;
        while (i < s.size()) {
            if (readQuotedOrEscaped(s, i, scratch)) continue;
            const char c = asciiLower(s[i]);
            switch (c) {
                case '0': case '#': case '.':
                    return Kind::Number;
                case '/': case ':': case 'c': case 'd': case 'h': case 'm': case 'n': case 'q':
                case 's': case 'w': case 'y':
                    return Kind::Date;
                case '@': case '&': case '<': case '>': case '!':
                    return Kind::Text;
                case 'a':
                    if (startsWithNoCase(s, i, "am/pm") || startsWithNoCase(s, i, "a/p") ||
                        startsWithNoCase(s, i, "ampm"))
                        return Kind::Date;
                    break;
                case 't':
                    if (startsWithNoCase(s, i, "ttttt")) return Kind::Date;
                    break;
                default:
                    break;
            }
            ++i;
        }
    }
    return Kind::Number;
}

// ---------------------------------------------------------------------------------------------
// Decimal digits of a number

// |value| = 0.d1d2...dn x 10^point; digits carry no leading or trailing zeros, empty for zero.
struct Decimal {
    bool negative = false;
    std::string digits;
    std::int64_t point = 0;

    bool isZero() const { return digits.empty(); }

    void normalize() {
        const std::size_t first = digits.find_first_not_of('0');
        if (first == std::string::npos) {
            digits.clear();
            point = 0;
            return;
        }
        digits.erase(0, first);
        point -= static_cast<std::int64_t>(first);
        digits.erase(digits.find_last_not_of('0') + 1);
    }

    // Digit `k` places left of the decimal point (0 = units), or right of it for k < 0.
    char digitAt(std::int64_t k) const {
        const std::int64_t pos = point - 1 - k;
        if (pos < 0 || pos >= static_cast<std::int64_t>(digits.size())) return '0';
        return digits[static_cast<std::size_t>(pos)];
    }

    std::int64_t integerDigits() const { return isZero() ? 0 : std::max<std::int64_t>(point, 0); }

    // Keeps `places` digits after the point, halves away from zero; the decimal digits
    // are exact, so the first dropped digit decides.
    void roundTo(std::int64_t places) {
        if (isZero()) return;
        const std::int64_t keep = point + places;
        if (keep >= static_cast<std::int64_t>(digits.size())) return;
        if (keep < 0) {
            digits.clear();
            point = 0;
            return;
        }
        const bool up = digits[static_cast<std::size_t>(keep)] >= '5';
        digits.resize(static_cast<std::size_t>(keep));
        if (up) {
            std::size_t i = digits.size();
            while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
            if (i == 0) {
                digits.insert(digits.begin(), '1');
                ++point;
            } else {
                ++digits[i - 1];
            }
        }
        normalize();
    }
};

Decimal decimalFromUnsigned(std::uint64_t magnitude, bool negative, int decimals) {
    Decimal d;
    d.negative = negative;
    d.digits = std::to_string(magnitude);
    d.point = static_cast<std::int64_t>(d.digits.size()) - decimals;
    d.normalize();
    return d;
}

Decimal decimalFromInteger(std::int64_t value) {
    const bool negative = value < 0;
    const std::uint64_t magnitude = negative ? std::uint64_t{0} - static_cast<std::uint64_t>(value)
                                             : static_cast<std::uint64_t>(value);
    return decimalFromUnsigned(magnitude, negative, 0);
}

Decimal decimalFromCurrency(Currency c) {
    const std::int64_t raw = c.raw();
    const bool negative = raw < 0;
    const std::uint64_t magnitude = negative ? std::uint64_t{0} - static_cast<std::uint64_t>(raw)
                                             : static_cast<std::uint64_t>(raw);
    return decimalFromUnsigned(magnitude, negative, 4);
}

// A Double is formatted from its 15-significant-digit decimal text, as VB does.
Decimal decimalFromDouble(double x) {
    if (!std::isfinite(x)) raise(err::Overflow, "number cannot be formatted");
    char buf[48];
    const auto written = std::to_chars(buf, buf + sizeof buf - 1, x, std::chars_format::scientific, 14);
    *written.ptr = '\0';
    Decimal d;
    d.negative = x < 0;
    const char* p = buf;
    if (*p == '-') ++p;
    for (; *p != '\0' && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') d.digits += *p;
    const long exponent = *p == 'e' ? std::strtol(p + 1, nullptr, 10) : 0;
    d.point = exponent + 1;
    d.normalize();
    return d;
}

// Plain decimal text with a decimal comma, used when the chosen section is empty.
std::string plainText(const Decimal& d) {
    if (d.isZero()) return "0";
    std::string out = d.negative ? "-" : "";
    const std::int64_t whole = d.integerDigits();
    if (whole == 0) out += '0';
    for (std::int64_t k = whole - 1; k >= 0; --k) out += d.digitAt(k);
    const std::int64_t fraction = static_cast<std::int64_t>(d.digits.size()) - d.point;
    if (fraction > 0) {
        out += DecimalSymbol;
        for (std::int64_t k = 1; k <= fraction; ++k) out += d.digitAt(-k);
    }
    return out;
}

// ---------------------------------------------------------------------------------------------
// Number sections

struct NumToken {
    enum Type { Digit, Point, Comma, Percent, Exponent, ExponentDigit, Literal } type;
    char symbol = 0;  // Digit/ExponentDigit: '0' or '#'; Exponent: 'E' or 'e'
    char sign = 0;    // Exponent: '+' or '-'
    std::string text; // Literal
};

struct NumberSection {
    std::vector<NumToken> tokens;
    bool hasPoint = false;
    bool scientific = false;
    bool grouping = false;
    bool percent = false;
    std::int64_t thousandsScale = 0;  // divisions by 1000
    std::size_t integerPlaces = 0;
    std::size_t fractionPlaces = 0;
    std::string fractionSymbols;  // '0' or '#' per fraction placeholder
    std::size_t exponentZeros = 0;
    std::size_t minIntegerDigits = 0;  // integer places that show '0' when the number has no digit
    bool hasPlaceholders() const { return integerPlaces + fractionPlaces > 0; }
};

NumberSection parseNumberSection(std::string_view s) {
    NumberSection sec;
    auto literal = [&](std::string text) {
        if (!sec.tokens.empty() && sec.tokens.back().type == NumToken::Literal)
            sec.tokens.back().text += text;
        else
            sec.tokens.push_back({NumToken::Literal, 0, 0, std::move(text)});
    };
    std::size_t i = 0;
    while (i < s.size()) {
        std::string quoted;
        if (readQuotedOrEscaped(s, i, quoted)) {
            literal(std::move(quoted));
            continue;
        }
        const char c = s[i];
        if (c == '0' || c == '#') {
            if (sec.scientific) {
                sec.tokens.push_back({NumToken::ExponentDigit, c, 0, {}});
                if (c == '0') ++sec.exponentZeros;
            } else {
                sec.tokens.push_back({NumToken::Digit, c, 0, {}});
                if (sec.hasPoint) {
                    ++sec.fractionPlaces;
                    sec.fractionSymbols += c;
                } else {
                    ++sec.integerPlaces;
                }
            }
            ++i;
        } else if (c == '.' && !sec.hasPoint && !sec.scientific) {
            sec.tokens.push_back({NumToken::Point, 0, 0, {}});
            sec.hasPoint = true;
            ++i;
        } else if (c == ',' && !sec.scientific) {
            sec.tokens.push_back({NumToken::Comma, 0, 0, {}});
            ++i;
        } else if (c == '%') {
            sec.tokens.push_back({NumToken::Percent, 0, 0, {}});
            sec.percent = true;
            ++i;
        } else if ((c == 'E' || c == 'e') && !sec.scientific && i + 1 < s.size() &&
                   (s[i + 1] == '+' || s[i + 1] == '-') && sec.hasPlaceholders()) {
            sec.tokens.push_back({NumToken::Exponent, c, s[i + 1], {}});
            sec.scientific = true;
            i += 2;
        } else {
            const std::size_t n = charLength(s, i);
            literal(std::string(s.substr(i, n)));
            i += n;
        }
    }
    // Before the point, a run of commas followed (past literals) by an integer placeholder
    // groups thousands. A run with no placeholder of its part after it divides by 1000 per
    // comma; other commas show nothing.
    bool afterPoint = false;
    for (std::size_t t = 0; t < sec.tokens.size(); ++t) {
        if (sec.tokens[t].type == NumToken::Point) afterPoint = true;
        if (sec.tokens[t].type != NumToken::Comma) continue;
        std::size_t run = 0;
        while (t + run < sec.tokens.size() && sec.tokens[t + run].type == NumToken::Comma) ++run;
        bool placeholderFollows = false;
        for (std::size_t u = t + run; u < sec.tokens.size(); ++u) {
            const NumToken::Type type = sec.tokens[u].type;
            if (type == NumToken::Digit) {
                placeholderFollows = true;
                break;
            }
            if (type == NumToken::Point || type == NumToken::Exponent) break;
        }
        if (!placeholderFollows)
            sec.thousandsScale += static_cast<std::int64_t>(run);
        else if (!afterPoint)
            sec.grouping = true;
        t += run - 1;
    }
    // Integer placeholders counted from the right: from the leftmost '0' onwards they always
    // show a digit.
    std::size_t r = sec.integerPlaces;
    for (const NumToken& t : sec.tokens) {
        if (t.type != NumToken::Digit) continue;
        if (r == 0) break;  // past the integer part
        if (t.symbol == '0') {
            sec.minIntegerDigits = r;
            break;
        }
        --r;
    }
    return sec;
}

// Formats the magnitude of `d` with one section into `out`; the caller adds any sign.
void renderNumber(const NumberSection& sec, Decimal d, std::string& out) {
    if (!d.isZero()) {
        if (sec.percent) d.point += 2;
        d.point -= 3 * sec.thousandsScale;
    }
    std::int64_t exponent = 0;
    const auto integerPlaces = static_cast<std::int64_t>(sec.integerPlaces);
    const auto fractionPlaces = static_cast<std::int64_t>(sec.fractionPlaces);
    if (sec.scientific) {
        if (!d.isZero()) {
            d.roundTo(integerPlaces + fractionPlaces - d.point);
            if (!d.isZero()) {
                exponent = d.point - integerPlaces;
                d.point = integerPlaces;
            }
        }
    } else {
        d.roundTo(fractionPlaces);
    }

    // Integer placeholders, right to left: placeholder r shows digit r; those from the
    // leftmost '0' onwards (minDigits of them) show '0' when the number has no digit there; the
    // leftmost one also takes every digit beyond the placeholders.
    const std::int64_t digitsShown = d.integerDigits();
    auto digitWithGroup = [&](std::int64_t k) {
        out += d.digitAt(k);
        if (sec.grouping && k > 0 && k % 3 == 0) out += GroupSymbol;
    };
    auto integerPiece = [&](std::size_t r) {
        if (r + 1 == sec.integerPlaces)
            for (std::int64_t k = digitsShown - 1; k >= integerPlaces; --k) digitWithGroup(k);
        const auto k = static_cast<std::int64_t>(r);
        if (k < digitsShown || r < sec.minIntegerDigits) digitWithGroup(k);
    };

    // Fraction placeholders, left to right; trailing zeros on '#' placeholders are dropped.
    std::size_t fractionShown = sec.fractionPlaces;
    while (fractionShown > 0 && sec.fractionSymbols[fractionShown - 1] == '#' &&
           d.digitAt(-static_cast<std::int64_t>(fractionShown)) == '0')
        --fractionShown;

    std::size_t integerIndex = 0, fractionIndex = 0;
    bool afterPoint = false;
    for (const NumToken& t : sec.tokens) {
        switch (t.type) {
            case NumToken::Digit:
                if (afterPoint) {
                    if (fractionIndex < fractionShown) out += d.digitAt(-static_cast<std::int64_t>(fractionIndex) - 1);
                    ++fractionIndex;
                } else {
                    integerPiece(sec.integerPlaces - 1 - integerIndex++);
                }
                break;
            case NumToken::Point:
                // Without integer placeholders the whole part still shows before the point.
                if (sec.integerPlaces == 0)
                    for (std::int64_t k = digitsShown - 1; k >= 0; --k) out += d.digitAt(k);
                out += DecimalSymbol;
                afterPoint = true;
                break;
            case NumToken::Percent:
                out += '%';
                break;
            case NumToken::Exponent: {
                out += t.symbol;
                if (exponent < 0)
                    out += '-';
                else if (t.sign == '+')
                    out += '+';
                const std::string digits = std::to_string(exponent < 0 ? -exponent : exponent);
                if (digits.size() < sec.exponentZeros) out.append(sec.exponentZeros - digits.size(), '0');
                out += digits;
                break;
            }
            case NumToken::Literal:
                out += t.text;
                break;
            case NumToken::Comma:
            case NumToken::ExponentDigit:
                break;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Date sections

constexpr const char* MonthNames[] = {"janeiro", "fevereiro", "março",    "abril",
                                      "maio",    "junho",     "julho",    "agosto",
                                      "setembro", "outubro",  "novembro", "dezembro"};
constexpr const char* MonthAbbrev[] = {"jan", "fev", "mar", "abr", "mai", "jun",
                                       "jul", "ago", "set", "out", "nov", "dez"};
constexpr const char* DayNames[] = {"domingo",     "segunda-feira", "terça-feira", "quarta-feira",
                                    "quinta-feira", "sexta-feira",  "sábado"};
constexpr const char* DayAbbrev[] = {"dom", "seg", "ter", "qua", "qui", "sex", "sáb"};

struct DateToken {
    enum Type {
        Literal, Day, WeekDay, Week, Month, Minute, Quarter, DayOfYear, Year2, Year4,
        Hour, Second, AmPm, General, LongTime
    } type;
    int count = 0;     // Day 1..6, Month 1..4, Hour/Minute/Second 1..2
    std::string text;  // Literal text; AmPm: the designator as written
};

std::vector<DateToken> parseDateSection(std::string_view s) {
    std::vector<DateToken> tokens;
    auto literal = [&](std::string_view text) {
        if (!tokens.empty() && tokens.back().type == DateToken::Literal)
            tokens.back().text += text;
        else
            tokens.push_back({DateToken::Literal, 0, std::string(text)});
    };
    auto runLength = [&](std::size_t at, char lower, std::size_t max) {
        std::size_t n = 0;
        while (n < max && at + n < s.size() && asciiLower(s[at + n]) == lower) ++n;
        return n;
    };
    std::size_t i = 0;
    while (i < s.size()) {
        std::string quoted;
        if (readQuotedOrEscaped(s, i, quoted)) {
            literal(quoted);
            continue;
        }
        const char c = asciiLower(s[i]);
        std::size_t n = 1;
        switch (c) {
            case 'd':
                n = runLength(i, 'd', 6);
                tokens.push_back({DateToken::Day, static_cast<int>(n), {}});
                break;
            case 'm':
                n = runLength(i, 'm', 4);
                tokens.push_back({DateToken::Month, static_cast<int>(n), {}});
                break;
            case 'y':
                n = runLength(i, 'y', 4);
                if (n == 3) n = 2;
                tokens.push_back({n == 1 ? DateToken::DayOfYear
                                         : n == 2 ? DateToken::Year2 : DateToken::Year4,
                                  0, {}});
                break;
            case 'h':
                n = runLength(i, 'h', 2);
                tokens.push_back({DateToken::Hour, static_cast<int>(n), {}});
                break;
            case 'n':
                n = runLength(i, 'n', 2);
                tokens.push_back({DateToken::Minute, static_cast<int>(n), {}});
                break;
            case 's':
                n = runLength(i, 's', 2);
                tokens.push_back({DateToken::Second, static_cast<int>(n), {}});
                break;
            case 'w':
                n = runLength(i, 'w', 2);
                tokens.push_back({n == 1 ? DateToken::WeekDay : DateToken::Week, 0, {}});
                break;
            case 'q':
                tokens.push_back({DateToken::Quarter, 0, {}});
                break;
            case 'c':
                tokens.push_back({DateToken::General, 0, {}});
                break;
            case 't':
                if (startsWithNoCase(s, i, "ttttt")) {
                    n = 5;
                    tokens.push_back({DateToken::LongTime, 0, {}});
                } else {
                    literal(s.substr(i, 1));
                }
                break;
            case 'a':
                if (startsWithNoCase(s, i, "am/pm")) n = 5;
                else if (startsWithNoCase(s, i, "ampm")) n = 4;
                else if (startsWithNoCase(s, i, "a/p")) n = 3;
                else n = 0;
                if (n > 0) {
                    tokens.push_back({DateToken::AmPm, 0, std::string(s.substr(i, n))});
                } else {
                    n = 1;
                    literal(s.substr(i, 1));
                }
                break;
            default:
                n = charLength(s, i);
                literal(s.substr(i, n));  // '/' and ':' are the pt-BR separators as written
                break;
        }
        i += n;
    }
    // m or mm right after an hour token (separators and literals between) is minutes.
    DateToken::Type previous = DateToken::Literal;
    for (DateToken& t : tokens) {
        if (t.type == DateToken::Literal) continue;
        if (t.type == DateToken::Month && t.count <= 2 && previous == DateToken::Hour)
            t.type = DateToken::Minute;
        previous = t.type;
    }
    return tokens;
}

bool isLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int dayOfYear(const DateParts& p) {
    static constexpr int before[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    return before[p.month - 1] + p.day + (p.month > 2 && isLeapYear(p.year) ? 1 : 0);
}

// Decimal digits of a date part (a few digits, written once per value and token).
void appendNumber(std::string& out, long long v) {
    char buf[24];
    char* end = buf + sizeof buf;
    char* p = end;
    const bool negative = v < 0;
    unsigned long long m = negative ? 0ull - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
    do {
        *--p = static_cast<char>('0' + m % 10);
        m /= 10;
    } while (m != 0);
    if (negative) *--p = '-';
    out.append(p, static_cast<std::size_t>(end - p));
}

void appendTwoDigits(std::string& out, int v) {
    if (v >= 0 && v < 10) out += '0';
    appendNumber(out, v);
}

// A date section read once: its tokens, and whether an AM/PM designator makes it 12-hour.
struct DateSection {
    std::vector<DateToken> tokens;
    bool twelveHour = false;
};

DateSection compileDateSection(std::string_view section) {
    DateSection d;
    d.tokens = parseDateSection(section);
    d.twelveHour = std::any_of(d.tokens.begin(), d.tokens.end(),
                               [](const DateToken& t) { return t.type == DateToken::AmPm; });
    return d;
}

void renderDate(const DateSection& sec, DateTime date, std::string& out) {
    DateParts p = date.parts();
    // parts() rounds to the second; a serial at the very top of the range can round into
    // the year 10000, which VB never shows: keep it at the last second of 9999.
    if (p.year > 9999) p = DateParts{9999, 12, 31, 23, 59, 59};
    const int weekday = date.weekday();
    for (const DateToken& t : sec.tokens) {
        switch (t.type) {
            case DateToken::Literal:
                out += t.text;
                break;
            case DateToken::Day:
                switch (t.count) {
                    case 1: appendNumber(out, p.day); break;
                    case 2: appendTwoDigits(out, p.day); break;
                    case 3: out += DayAbbrev[weekday - 1]; break;
                    case 4: out += DayNames[weekday - 1]; break;
                    case 5:
                        appendTwoDigits(out, p.day);
                        out += '/';
                        appendTwoDigits(out, p.month);
                        out += '/';
                        appendNumber(out, p.year);
                        break;
                    default:
                        out += DayNames[weekday - 1];
                        out += ", ";
                        appendNumber(out, p.day);
                        out += " de ";
                        out += MonthNames[p.month - 1];
                        out += " de ";
                        appendNumber(out, p.year);
                        break;
                }
                break;
            case DateToken::WeekDay:
                appendNumber(out, weekday);
                break;
            case DateToken::Week: {
                // Weeks start on Sunday; the first week holds 1 January.
                const int doy = dayOfYear(p);
                const int jan1 = ((weekday - 1 - (doy - 1)) % 7 + 7) % 7;  // 0 = Sunday
                appendNumber(out, (doy - 1 + jan1) / 7 + 1);
                break;
            }
            case DateToken::Month:
                switch (t.count) {
                    case 1: appendNumber(out, p.month); break;
                    case 2: appendTwoDigits(out, p.month); break;
                    case 3: out += MonthAbbrev[p.month - 1]; break;
                    default: out += MonthNames[p.month - 1]; break;
                }
                break;
            case DateToken::Minute:
                if (t.count == 1) appendNumber(out, p.minute);
                else appendTwoDigits(out, p.minute);
                break;
            case DateToken::Second:
                if (t.count == 1) appendNumber(out, p.second);
                else appendTwoDigits(out, p.second);
                break;
            case DateToken::Hour: {
                int h = p.hour;
                if (sec.twelveHour) {
                    h %= 12;
                    if (h == 0) h = 12;
                }
                if (t.count == 1) appendNumber(out, h);
                else appendTwoDigits(out, h);
                break;
            }
            case DateToken::Quarter:
                appendNumber(out, (p.month - 1) / 3 + 1);
                break;
            case DateToken::DayOfYear:
                appendNumber(out, dayOfYear(p));
                break;
            case DateToken::Year2:
                appendTwoDigits(out, p.year % 100);
                break;
            case DateToken::Year4:
                appendNumber(out, p.year);
                break;
            case DateToken::AmPm: {
                const bool am = p.hour < 12;
                if (t.text.size() == 5)  // AM/PM in the case written
                    out += am ? std::string_view(t.text).substr(0, 2) : std::string_view(t.text).substr(3, 2);
                else if (t.text.size() == 3)  // A/P
                    out += am ? std::string_view(t.text).substr(0, 1) : std::string_view(t.text).substr(2, 1);
                else  // AMPM: the regional designators
                    out += am ? "AM" : "PM";
                break;
            }
            case DateToken::General:
                out += dateToText(date);
                break;
            case DateToken::LongTime:
                appendTwoDigits(out, p.hour);
                out += ':';
                appendTwoDigits(out, p.minute);
                out += ':';
                appendTwoDigits(out, p.second);
                break;
        }
    }
}

bool inDateRange(double serial) { return serial > MinDateSerial && serial < MaxDateSerial; }

// ---------------------------------------------------------------------------------------------
// Text sections

// Case mapping of ASCII and the Latin-1 letters (the accented letters of Portuguese).
std::string changeCase(std::string_view s, bool upper) {
    std::string out(s);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto c = static_cast<unsigned char>(out[i]);
        if (upper && c >= 'a' && c <= 'z') {
            out[i] = static_cast<char>(c - 32);
        } else if (!upper && c >= 'A' && c <= 'Z') {
            out[i] = static_cast<char>(c + 32);
        } else if (c == 0xC3 && i + 1 < out.size()) {
            // U+00E0..U+00FE and U+00C0..U+00DE pair up, except the signs × and ÷.
            const auto n = static_cast<unsigned char>(out[i + 1]);
            if (upper && n >= 0xA0 && n <= 0xBE && n != 0xB7)
                out[i + 1] = static_cast<char>(n - 0x20);
            else if (!upper && n >= 0x80 && n <= 0x9E && n != 0x97)
                out[i + 1] = static_cast<char>(n + 0x20);
            ++i;
        }
    }
    return out;
}

// A text section read once: '@' shows a character or a blank, '&' a character or nothing;
// placeholders fill from the right unless '!' is present; characters beyond the placeholders
// follow the output.
struct TextSection {
    struct Piece {
        bool placeholder;
        char symbol;
        std::string text;
    };
    std::vector<Piece> pieces;
    std::size_t slots = 0;
    bool lower = false, upper = false, leftToRight = false;
};

TextSection compileTextSection(std::string_view section) {
    TextSection sec;
    std::size_t i = 0;
    while (i < section.size()) {
        std::string quoted;
        if (readQuotedOrEscaped(section, i, quoted)) {
            sec.pieces.push_back({false, 0, std::move(quoted)});
            continue;
        }
        const char c = section[i];
        if (c == '@' || c == '&') {
            sec.pieces.push_back({true, c, {}});
            ++sec.slots;
            ++i;
        } else if (c == '<' || c == '>' || c == '!') {
            (c == '<' ? sec.lower : c == '>' ? sec.upper : sec.leftToRight) = true;
            ++i;
        } else {
            const std::size_t n = charLength(section, i);
            sec.pieces.push_back({false, 0, std::string(section.substr(i, n))});
            i += n;
        }
    }
    return sec;
}

void renderText(const TextSection& sec, std::string_view value, std::string& out) {
    std::string text = sec.lower ? changeCase(value, false) : sec.upper ? changeCase(value, true)
                                                                    : std::string(value);
    std::vector<std::string_view> chars;
    for (std::size_t k = 0; k < text.size();) {
        const std::size_t n = charLength(text, k);
        chars.emplace_back(std::string_view(text).substr(k, n));
        k += n;
    }
    const std::size_t blanks = chars.size() < sec.slots ? sec.slots - chars.size() : 0;
    std::size_t slot = 0, next = 0;
    for (const TextSection::Piece& p : sec.pieces) {
        if (!p.placeholder) {
            out += p.text;
            continue;
        }
        const bool filler = sec.leftToRight ? next >= chars.size() : slot < blanks;
        if (filler) {
            if (p.symbol == '@') out += ' ';
        } else {
            out += chars[next++];
        }
        ++slot;
    }
    for (; next < chars.size(); ++next) out += chars[next];
}

// ---------------------------------------------------------------------------------------------
// Values

std::optional<Decimal> numberOf(const Variant& value) {
    switch (value.type()) {
        case VarType::Empty: return Decimal{};
        case VarType::Integer: return decimalFromInteger(value.asInteger());
        case VarType::Long: return decimalFromInteger(value.asLong());
        case VarType::Boolean: return decimalFromInteger(value.asBoolean() ? -1 : 0);
        case VarType::Double: return decimalFromDouble(value.asDouble());
        case VarType::Currency: return decimalFromCurrency(value.asCurrency());
        case VarType::Date: return decimalFromDouble(value.asDate().serial());
        case VarType::String:
            if (auto n = parseRegionalNumber(value.asString())) return decimalFromDouble(*n);
            if (auto d = parseRegionalDate(value.asString())) return decimalFromDouble(d->serial());
            return std::nullopt;
        default:
            raise(err::TypeMismatch);
    }
}

// The date a value stands for; nullopt for a text that reads as no date.
std::optional<DateTime> dateOf(const Variant& value) {
    double serial = 0;
    switch (value.type()) {
        case VarType::Date: serial = value.asDate().serial(); break;
        case VarType::Integer: serial = value.asInteger(); break;
        case VarType::Long: serial = value.asLong(); break;
        case VarType::Boolean: serial = value.asBoolean() ? -1 : 0; break;
        case VarType::Double: serial = value.asDouble(); break;
        case VarType::Currency: serial = value.asCurrency().toDouble(); break;
        case VarType::String:
            if (auto n = parseRegionalNumber(value.asString())) {
                if (!inDateRange(*n)) return std::nullopt;
                return DateTime(*n);
            }
            return parseRegionalDate(value.asString());
        default:
            raise(err::TypeMismatch);
    }
    if (!inDateRange(serial)) raise(err::Overflow, "value out of the date range");
    return DateTime(serial);
}

std::optional<std::string> namedPattern(std::string_view name) {
    static constexpr std::pair<std::string_view, std::string_view> Named[] = {
        {"Currency", "R$ #,##0.00"},
        {"Fixed", "0.00"},
        {"Standard", "#,##0.00"},
        {"Percent", "0.00%"},
        {"Scientific", "0.00E+00"},
        {"Yes/No", "\\Y\\e\\s;\\Y\\e\\s;\\N\\o"},
        {"True/False", "\\T\\r\\u\\e;\\T\\r\\u\\e;\\F\\a\\l\\s\\e"},
        {"On/Off", "\\O\\n;\\O\\n;\\O\\f\\f"},
        {"General Date", "c"},
        {"Long Date", "dddddd"},
        {"Medium Date", "dd-mmm-yy"},
        {"Short Date", "ddddd"},
        {"Long Time", "ttttt"},
        {"Medium Time", "hh:nn AM/PM"},
        {"Short Time", "hh:nn"},
    };
    for (const auto& [n, p] : Named)
        if (equalsNoCase(name, n)) return std::string(p);
    return std::nullopt;
}

// "General Number": the number as CStr shows it.
Variant generalNumber(const Variant& value) {
    switch (value.type()) {
        case VarType::Null: return Variant::null();
        case VarType::Empty: return Variant("0");
        case VarType::Boolean: return Variant(value.asBoolean() ? "-1" : "0");
        case VarType::Date: return Variant(doubleToText(value.asDate().serial()));
        case VarType::String: {
            std::optional<double> n = parseRegionalNumber(value.asString());
            if (!n) {
                const std::optional<DateTime> d = parseRegionalDate(value.asString());
                if (!d) return value;
                n = d->serial();
            }
            if (!std::isfinite(*n)) raise(err::Overflow, "number cannot be formatted");
            return Variant(doubleToText(*n));
        }
        case VarType::Object: raise(err::TypeMismatch);
        default: return Variant(CStr(value));
    }
}

}  // namespace

// Everything about a pattern that does not depend on the value: the named pattern resolved,
// the sections split and typed, and each section parsed.
struct FormatPattern::Compiled {
    enum class Form { Empty, GeneralNumber, Number, Date, Text };
    Form form = Form::Empty;
    std::string pattern;             // the pattern the sections point into
    std::size_t sectionCount = 0;
    std::vector<NumberSection> numbers;  // Number: one per section, empty sections unparsed
    std::vector<bool> emptySection;      // Number: which sections are empty
    std::string nullText;                // Number and Date: the fourth section's text
    DateSection date;                    // Date: the first section
    std::vector<TextSection> texts;      // Text: the first two sections
};

FormatPattern::FormatPattern(std::string_view pattern) {
    auto compiled = std::make_shared<Compiled>();
    Compiled& c = *compiled;
    c_ = compiled;
    if (pattern.empty()) return;
    if (equalsNoCase(pattern, "General Number")) {
        c.form = Compiled::Form::GeneralNumber;
        return;
    }
    const std::optional<std::string> named = namedPattern(pattern);
    c.pattern = named ? *named : std::string(pattern);
    const std::vector<std::string_view> sections = splitSections(c.pattern);
    c.sectionCount = sections.size();
    if (sections.size() >= 4) c.nullText = literalText(sections[3]);
    switch (classify(sections)) {
        case Kind::Text:
            c.form = Compiled::Form::Text;
            for (std::size_t i = 0; i < sections.size() && i < 2; ++i)
                c.texts.push_back(compileTextSection(sections[i]));
            break;
        case Kind::Date:
            c.form = Compiled::Form::Date;
            c.date = compileDateSection(sections[0]);
            break;
        case Kind::Number:
            c.form = Compiled::Form::Number;
            for (std::string_view section : sections) {
                c.emptySection.push_back(section.empty());
                c.numbers.push_back(section.empty() ? NumberSection{} : parseNumberSection(section));
            }
            break;
    }
}

bool FormatPattern::appendTo(const Variant& value, std::string& out) const {
    if (value.isObject()) raise(err::TypeMismatch);
    const Compiled& c = *c_;
    switch (c.form) {
        case Compiled::Form::Empty:
            if (value.isNull()) return false;
            out += value.isString() ? value.asString() : CStr(value);
            return true;
        case Compiled::Form::GeneralNumber: {
            const Variant r = generalNumber(value);
            if (r.isNull()) return false;
            out += r.asString();
            return true;
        }
        case Compiled::Form::Text: {
            if (value.isNull()) {
                if (c.sectionCount < 2) return false;
                renderText(c.texts[1], "", out);
                return true;
            }
            if (value.isString()) {
                const std::string& text = value.asString();
                renderText(c.texts[text.empty() && c.sectionCount >= 2 ? 1 : 0], text, out);
                return true;
            }
            const std::string text = CStr(value);
            renderText(c.texts[text.empty() && c.sectionCount >= 2 ? 1 : 0], text, out);
            return true;
        }
        case Compiled::Form::Date: {
            if (value.isNull()) {
                if (c.sectionCount < 4) return false;
                out += c.nullText;
                return true;
            }
            if (value.isEmpty()) return true;
            const std::optional<DateTime> date = dateOf(value);
            if (!date) out += value.asString();  // a text that reads as no date comes back as it is
            else renderDate(c.date, *date, out);
            return true;
        }
        case Compiled::Form::Number: {
            if (value.isNull()) {
                if (c.sectionCount < 4) return false;
                out += c.nullText;
                return true;
            }
            std::optional<Decimal> number = numberOf(value);
            if (!number) {
                out += value.asString();  // a text that reads as no number comes back as it is
                return true;
            }
            std::size_t section = 0;
            bool showMinus = false;
            if (number->isZero()) {
                if (c.sectionCount >= 3 && !c.emptySection[2]) section = 2;
            } else if (number->negative) {
                if (c.sectionCount >= 2 && !c.emptySection[1]) section = 1;
                else showMinus = true;
            }
            if (c.emptySection[section]) {
                out += plainText(*number);
                return true;
            }
            number->negative = false;
            if (showMinus) out += '-';
            renderNumber(c.numbers[section], std::move(*number), out);
            return true;
        }
    }
    return false;
}

Variant FormatPattern::apply(const Variant& value) const {
    if (value.isObject()) raise(err::TypeMismatch);
    // An empty pattern gives a text value back as it is, without copying through a buffer.
    if (c_->form == Compiled::Form::Empty && value.isString()) return value;
    std::string out;
    if (!appendTo(value, out)) return Variant::null();
    return Variant(std::move(out));
}

Variant Format(const Variant& value, std::string_view pattern) {
    if (value.isObject()) raise(err::TypeMismatch);
    return FormatPattern(pattern).apply(value);
}

}  // namespace zolk::platform
