#include "jet/sqlite/functions.h"

#include <sqlite3.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "jet/evaluators.h"
#include "jet/like_pattern.h"
#include "jet/sqlite/aggregates.h"
#include "jet/sqlite/generator.h"
#include "jet/sqlite/values.h"
#include "platform/conversions.h"
#include "platform/format.h"
#include "platform/runtime_error.h"
#include "platform/text_compare.h"

namespace zolk::jet::sqlite {
namespace {

int collate(void*, int n1, const void* p1, int n2, const void* p2) {
    return platform::compareText(std::string_view(static_cast<const char*>(p1), std::size_t(n1)),
                       std::string_view(static_cast<const char*>(p2), std::size_t(n2)));
}

// A function error carrying a Jet error number: errors.cpp reads it back.
void resultError(sqlite3_context* ctx, std::int32_t number, const std::string& text) {
    const std::string msg = "jet:" + std::to_string(number) + ":" + text;
    sqlite3_result_error(ctx, msg.c_str(), static_cast<int>(msg.size()));
}

void resultText(sqlite3_context* ctx, const std::string& s) {
    sqlite3_result_text(ctx, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
}

std::string_view textOf(sqlite3_value* v) {
    const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return p ? std::string_view(p, std::size_t(sqlite3_value_bytes(v))) : std::string_view();
}

char letter(sqlite3_value* v) {
    const auto s = textOf(v);
    return s.empty() ? 'X' : s[0];
}

// like(pattern, text) as SQLite calls it for `text LIKE pattern`. A constant pattern is read
// once per statement and kept with it.
void likeFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (argc < 2 || sqlite3_value_type(argv[0]) == SQLITE_NULL ||
        sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    try {
        const std::string_view text = textOf(argv[1]);
        if (const auto* kept = static_cast<const LikePattern*>(sqlite3_get_auxdata(ctx, 0))) {
            sqlite3_result_int(ctx, kept->matches(text) ? 1 : 0);
            return;
        }
        auto pattern = std::make_unique<LikePattern>(textOf(argv[0]));
        sqlite3_result_int(ctx, pattern->matches(text) ? 1 : 0);
        sqlite3_set_auxdata(ctx, 0, pattern.release(), [](void* p) { delete static_cast<LikePattern*>(p); });
    } catch (const platform::RuntimeError& e) {
        resultError(ctx, e.number(), e.description());
    } catch (const std::exception& e) {
        resultError(ctx, platform::err::DbGeneralFailure, e.what());
    }
}

// The compiled pattern of a jet_format call site and the buffer its texts are built in. SQLite
// keeps it beside a constant pattern argument for the whole statement, so the pattern is read
// once, not once per row.
struct FormatSite {
    platform::FormatPattern pattern;
    std::string out;
};

// jet_format(value, pattern, kind): VB's Format, the kind saying how the value is stored.
void formatFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    try {
        auto* site = static_cast<FormatSite*>(sqlite3_get_auxdata(ctx, 1));
        std::unique_ptr<FormatSite> fresh;
        if (!site) {
            fresh = std::make_unique<FormatSite>(FormatSite{platform::FormatPattern(textOf(argv[1])), {}});
            site = fresh.get();
        }
        site->out.clear();
        if (site->pattern.appendTo(toVariant(argv[0], letter(argv[2])), site->out))
            sqlite3_result_text(ctx, site->out.data(), static_cast<int>(site->out.size()), SQLITE_TRANSIENT);
        else
            sqlite3_result_null(ctx);
        // Handed over last: SQLite may destroy it at once.
        if (fresh) sqlite3_set_auxdata(ctx, 1, fresh.release(), [](void* p) { delete static_cast<FormatSite*>(p); });
    } catch (const platform::RuntimeError& e) {
        resultError(ctx, e.number(), e.description());
    } catch (const std::exception& e) {
        resultError(ctx, platform::err::DbGeneralFailure, e.what());
    }
}

// jet_text(value, kind): a value as text by the regional rules (what `&` and CStr give).
void textFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    try {
        resultText(ctx, toVariant(argv[0], letter(argv[1])).toString());
    } catch (const platform::RuntimeError& e) {
        resultError(ctx, e.number(), e.description());
    }
}

// jet_date(value): a stored date in its full ISO form, so that a date written by another tool
// without its time ("2024-05-15") or its day ("10:30:00") compares as the same moment.
// Anything that is not a date comes back unchanged.
void dateFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_TEXT) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
        const std::string_view stored(text, static_cast<std::size_t>(sqlite3_value_bytes(argv[0])));
        if (stored.size() != 19) {
            try {
                const platform::Variant v = toVariant(argv[0], 'D');
                if (v.type() == platform::VarType::Date) {
                    resultText(ctx, v.asDate().iso());
                    return;
                }
            } catch (const platform::RuntimeError&) {
            }
        }
    }
    sqlite3_result_value(ctx, argv[0]);
}

void appendRegional(std::string& out, sqlite3_value* v) {
    switch (sqlite3_value_type(v)) {
        case SQLITE_NULL: break;
        case SQLITE_FLOAT: out += platform::doubleToText(sqlite3_value_double(v)); break;
        default: out += textOf(v); break;
    }
}

// jet_concat(a, b, ...): Jet's & over a chain. Null counts as an empty text; the result is Null
// only when every operand is.
void concatFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    // One buffer per thread, reused from row to row; SQLite copies the result out of it.
    thread_local std::string out;
    constexpr std::size_t kKeptCapacity = 64 * 1024;
    out.clear();
    bool allNull = true;
    for (int i = 0; i < argc; ++i) {
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) continue;
        allNull = false;
        appendRegional(out, argv[i]);
    }
    if (allNull) sqlite3_result_null(ctx);
    else resultText(ctx, out);
    if (out.capacity() > kKeptCapacity) std::string().swap(out);
}

// jet_right(text, n): Right, the last n characters; none for n <= 0, Null for a Null argument.
void rightFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto s = textOf(argv[0]);
    std::int64_t wanted = sqlite3_value_int64(argv[1]);
    std::size_t start = s.size();
    while (wanted > 0 && start > 0) {
        --start;
        if ((static_cast<unsigned char>(s[start]) & 0xC0) != 0x80) --wanted;
    }
    resultText(ctx, std::string(s.substr(start)));
}

// jet_case(text, 'U' | 'L'): UCase / LCase for every script.
void caseFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto s = textOf(argv[0]);
    icu::UnicodeString u = icu::UnicodeString::fromUTF8(icu::StringPiece(s.data(), int32_t(s.size())));
    if (letter(argv[1]) == 'U') u.toUpper(); else u.toLower();
    std::string out;
    u.toUTF8String(out);
    resultText(ctx, out);
}

// jet_cast(value, target, kind): CDbl (N), CLng (L), CInt (I), CCur (C), CDate (D), CBool (B),
// Val (V), Int (F), Fix (T). Null stays Null; VB's conversion errors become the query's error.
void castFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    try {
        const platform::Variant v = toVariant(argv[0], letter(argv[2]));
        switch (letter(argv[1])) {
            case 'N': sqlite3_result_double(ctx, platform::CDbl(v)); break;
            case 'L': sqlite3_result_int64(ctx, platform::CLng(v)); break;
            case 'I': sqlite3_result_int64(ctx, platform::CInt(v)); break;
            case 'C': sqlite3_result_double(ctx, platform::CCur(v).toDouble()); break;
            case 'D': resultText(ctx, platform::CDate(v).iso()); break;
            case 'B': sqlite3_result_int(ctx, platform::CBool(v) ? -1 : 0); break;
            case 'V': sqlite3_result_double(ctx, platform::Val(v)); break;
            case 'F':
            case 'T': {
                if (sqlite3_value_type(argv[0]) == SQLITE_INTEGER) {
                    sqlite3_result_int64(ctx, sqlite3_value_int64(argv[0]));
                    break;
                }
                const double d = platform::CDbl(v);
                sqlite3_result_double(ctx, letter(argv[1]) == 'F' ? std::floor(d) : std::trunc(d));
                break;
            }
            default: sqlite3_result_null(ctx); break;
        }
    } catch (const platform::RuntimeError& e) {
        resultError(ctx, e.number(), e.description());
    }
}

// A Variant as SQLite stores it: dates as ISO text, Yes/No as -1/0, Currency as a number.
void resultVariant(sqlite3_context* ctx, const platform::Variant& v) {
    using platform::VarType;
    switch (v.type()) {
        case VarType::Empty:
        case VarType::Null: sqlite3_result_null(ctx); break;
        case VarType::Integer: sqlite3_result_int(ctx, v.asInteger()); break;
        case VarType::Long: sqlite3_result_int(ctx, v.asLong()); break;
        case VarType::Boolean: sqlite3_result_int(ctx, v.asBoolean() ? -1 : 0); break;
        case VarType::Double: sqlite3_result_double(ctx, v.asDouble()); break;
        case VarType::Currency: sqlite3_result_double(ctx, v.asCurrency().toDouble()); break;
        case VarType::Date: resultText(ctx, v.asDate().iso()); break;
        case VarType::String: resultText(ctx, v.asString()); break;
        default: resultError(ctx, platform::err::TypeMismatch, "Type mismatch"); break;
    }
}

// jet_<name>(kinds, arg, ...): a function of the table evaluated by the platform; `kinds`
// holds the kind letter of each argument.
void evaluatorFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    const auto* row = static_cast<const EvaluatorRow*>(sqlite3_user_data(ctx));
    try {
        const std::string kinds(textOf(argv[0]));
        std::vector<platform::Variant> args;
        args.reserve(static_cast<std::size_t>(argc));
        for (int i = 1; i < argc; ++i) {
            const auto k = static_cast<std::size_t>(i - 1);
            args.push_back(toVariant(argv[i], k < kinds.size() ? kinds[k] : 'X'));
        }
        resultVariant(ctx, row->evaluate(args));
    } catch (const platform::RuntimeError& e) {
        resultError(ctx, e.number(), e.description());
    } catch (const std::exception& e) {
        resultError(ctx, platform::err::DbGeneralFailure, e.what());
    }
}

// jet_op(op, a, kind of a, b, kind of b): VB's arithmetic where SQL's would differ (texts read
// by the regional rules, division by zero, dates, powers).
void operatorFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    try {
        const char op = letter(argv[0]);
        const platform::Variant a = toVariant(argv[1], letter(argv[2]));
        const platform::Variant b = toVariant(argv[3], letter(argv[4]));
        resultVariant(ctx, evaluateOperator(op, a, b));
    } catch (const platform::RuntimeError& e) {
        resultError(ctx, e.number(), e.description());
    } catch (const std::exception& e) {
        resultError(ctx, platform::err::DbGeneralFailure, e.what());
    }
}

struct FunctionRow {
    const char* name;
    int arity;
    void (*fn)(sqlite3_context*, int, sqlite3_value**);
    bool deterministic;
};

// Every function registered on a connection.
constexpr FunctionRow kFunctions[] = {
    {"like", 2, likeFunction, true},
    {"like", 3, likeFunction, true},
    {"jet_format", 3, formatFunction, true},
    {"jet_text", 2, textFunction, true},
    {"jet_concat", -1, concatFunction, true},
    {"jet_case", 2, caseFunction, true},
    {"jet_right", 2, rightFunction, true},
    {"jet_cast", 3, castFunction, true},
    {"jet_date", 1, dateFunction, true},
    {"jet_op", 5, operatorFunction, true},
};

}  // namespace

void registerFunctions(sqlite3* db) {
    sqlite3_create_collation(db, kCollation, SQLITE_UTF8, nullptr, collate);
    for (const auto& f : kFunctions) {
        const int flags = SQLITE_UTF8 | (f.deterministic ? SQLITE_DETERMINISTIC : 0);
        sqlite3_create_function(db, f.name, f.arity, flags, nullptr, f.fn, nullptr, nullptr);
    }
    registerAggregates(db);
    for (const EvaluatorRow& row : evaluators()) {
        const int flags = SQLITE_UTF8 | (row.deterministic ? SQLITE_DETERMINISTIC : 0);
        sqlite3_create_function(db, evaluatorName(row.id).c_str(), -1, flags,
                                const_cast<EvaluatorRow*>(&row), evaluatorFunction, nullptr, nullptr);
    }
}

}  // namespace zolk::jet::sqlite
