#include "jet/sqlite/aggregates.h"

#include <sqlite3.h>

#include <cmath>
#include <string>

#include "platform/conversions.h"
#include "platform/runtime_error.h"

namespace zolk::jet::sqlite {
namespace {

// ---- First and Last -------------------------------------------------------------------------

struct Kept {
    sqlite3_value* value;  // a copy owned by the aggregate, or nullptr
};

template <bool kLast>
void keepStep(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return;
    auto* kept = static_cast<Kept*>(sqlite3_aggregate_context(ctx, sizeof(Kept)));
    if (!kept) {
        sqlite3_result_error_nomem(ctx);
        return;
    }
    if (kept->value && !kLast) return;
    sqlite3_value* copy = sqlite3_value_dup(argv[0]);
    if (!copy) {
        sqlite3_result_error_nomem(ctx);
        return;
    }
    sqlite3_value_free(kept->value);
    kept->value = copy;
}

void keepFinal(sqlite3_context* ctx) {
    auto* kept = static_cast<Kept*>(sqlite3_aggregate_context(ctx, 0));
    if (!kept || !kept->value) {
        sqlite3_result_null(ctx);
        return;
    }
    sqlite3_result_value(ctx, kept->value);
    sqlite3_value_free(kept->value);
    kept->value = nullptr;
}

// ---- the one value of a subquery --------------------------------------------------------------

// jet_one(x): the value of the only row (Null without rows); a second row is Jet's error.
struct One {
    std::int64_t rows;
    sqlite3_value* value;
};

void oneStep(sqlite3_context* ctx, int, sqlite3_value** argv) {
    auto* one = static_cast<One*>(sqlite3_aggregate_context(ctx, sizeof(One)));
    if (!one) {
        sqlite3_result_error_nomem(ctx);
        return;
    }
    if (++one->rows > 1) {
        const std::string msg = "jet:" + std::to_string(platform::err::DbGeneralFailure) +
                                ":At most one record can be returned by this subquery.";
        sqlite3_result_error(ctx, msg.c_str(), static_cast<int>(msg.size()));
        return;
    }
    one->value = sqlite3_value_dup(argv[0]);
    if (!one->value) sqlite3_result_error_nomem(ctx);
}

void oneFinal(sqlite3_context* ctx) {
    auto* one = static_cast<One*>(sqlite3_aggregate_context(ctx, 0));
    if (!one || !one->value) {
        sqlite3_result_null(ctx);
        return;
    }
    sqlite3_result_value(ctx, one->value);
    sqlite3_value_free(one->value);
    one->value = nullptr;
}

// ---- deviation and variance -----------------------------------------------------------------

// Welford's running mean and sum of squared differences: stable for values far from zero.
struct Spread {
    std::int64_t count;
    double mean;
    double squares;
};

void spreadStep(sqlite3_context* ctx, int, sqlite3_value** argv) {
    double x = 0;
    switch (sqlite3_value_type(argv[0])) {
        case SQLITE_NULL: return;
        case SQLITE_INTEGER:
        case SQLITE_FLOAT: x = sqlite3_value_double(argv[0]); break;
        default: {
            // A text is read by the regional rules, as VB's CDbl reads it.
            const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
            const std::string text = p ? std::string(p, std::size_t(sqlite3_value_bytes(argv[0]))) : "";
            const auto n = platform::parseRegionalNumber(text);
            if (!n) {
                const std::string msg = "jet:" + std::to_string(platform::err::TypeMismatch) + ":Type mismatch";
                sqlite3_result_error(ctx, msg.c_str(), static_cast<int>(msg.size()));
                return;
            }
            x = *n;
        }
    }
    auto* s = static_cast<Spread*>(sqlite3_aggregate_context(ctx, sizeof(Spread)));
    if (!s) {
        sqlite3_result_error_nomem(ctx);
        return;
    }
    ++s->count;
    const double delta = x - s->mean;
    s->mean += delta / double(s->count);
    s->squares += delta * (x - s->mean);
}

// `sample`: divide by n - 1 (StDev, Var), else by n (StDevP, VarP); `root`: the deviation.
template <bool kSample, bool kRoot>
void spreadFinal(sqlite3_context* ctx) {
    auto* s = static_cast<Spread*>(sqlite3_aggregate_context(ctx, 0));
    const std::int64_t needed = kSample ? 2 : 1;
    if (!s || s->count < needed) {
        sqlite3_result_null(ctx);
        return;
    }
    const double variance = std::max(0.0, s->squares) / double(kSample ? s->count - 1 : s->count);
    sqlite3_result_double(ctx, kRoot ? std::sqrt(variance) : variance);
}

struct AggregateRow {
    const char* name;
    void (*step)(sqlite3_context*, int, sqlite3_value**);
    void (*final)(sqlite3_context*);
};

constexpr AggregateRow kAggregates[] = {
    {"jet_first", keepStep<false>, keepFinal},
    {"jet_last", keepStep<true>, keepFinal},
    {"jet_stdev", spreadStep, spreadFinal<true, true>},
    {"jet_stdevp", spreadStep, spreadFinal<false, true>},
    {"jet_var", spreadStep, spreadFinal<true, false>},
    {"jet_varp", spreadStep, spreadFinal<false, false>},
    {"jet_one", oneStep, oneFinal},
};

}  // namespace

void registerAggregates(sqlite3* db) {
    for (const auto& a : kAggregates)
        sqlite3_create_function(db, a.name, 1, SQLITE_UTF8, nullptr, nullptr, a.step, a.final);
}

}  // namespace zolk::jet::sqlite
