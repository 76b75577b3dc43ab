// The zolk_jet extension's C entry points: each reads its arguments as the platform's values and
// calls the same C++ code SQLite registers (the platform's Format, conversions and operators,
// Jet's LIKE, the evaluators). No exception crosses into the server: each entry point catches
// and reports through PostgreSQL's error mechanism, with SQLSTATE JET00 and "NUMBER:text".
extern "C" {
#include "postgres.h"
#include "fmgr.h"
#include "catalog/pg_type.h"
#include "utils/array.h"
#include "utils/builtins.h"
#include "utils/date.h"
#include "utils/datetime.h"
#include "utils/lsyscache.h"
#include "utils/memutils.h"
#include "utils/numeric.h"
#include "utils/timestamp.h"

PG_MODULE_MAGIC;
}

#include <unicode/unistr.h>

#include <cmath>
#include <cstdio>
#include <new>
#include <string>
#include <vector>

#include "jet/evaluators.h"
#include "jet/like_pattern.h"
#include "jet/stored_value.h"
#include "platform/conversions.h"
#include "platform/format.h"
#include "platform/runtime_error.h"

namespace {

using zolk::jet::Storage;
using zolk::jet::StoredValue;
namespace platform = zolk::platform;

// Runs `body`; a C++ exception becomes the server's error, raised once every C++ object of the
// call is destroyed.
template <class Body>
Datum guarded(Body body) {
    char* failure = nullptr;
    try {
        return body();
    } catch (const platform::RuntimeError& e) {
        failure = pstrdup((std::to_string(e.number()) + ":" + e.description()).c_str());
    } catch (const std::bad_alloc&) {
        failure = pstrdup((std::to_string(platform::err::OutOfMemory) + ":Out of memory").c_str());
    } catch (const std::exception& e) {
        failure = pstrdup((std::to_string(platform::err::DbGeneralFailure) + ":" + e.what()).c_str());
    }
    ereport(ERROR, (errcode(MAKE_SQLSTATE('J', 'E', 'T', '0', '0')), errmsg("%s", failure)));
    return 0;
}

std::string isoText(Timestamp t) {
    struct pg_tm tm;
    fsec_t fsec;
    if (TIMESTAMP_NOT_FINITE(t) || timestamp2tm(t, nullptr, &tm, &fsec, nullptr, nullptr) != 0)
        throw platform::RuntimeError(platform::err::Overflow, "Overflow", "zolk_jet", 0);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", tm.tm_year, tm.tm_mon, tm.tm_mday, tm.tm_hour,
                  tm.tm_min, tm.tm_sec);
    return buf;
}

// Argument `i` as the engine-neutral reader takes it; texts are kept in `keep`.
StoredValue argument(FunctionCallInfo fcinfo, int i, std::string& keep) {
    StoredValue v;
    if (PG_ARGISNULL(i)) return v;
    const Oid type = getBaseType(get_fn_expr_argtype(fcinfo->flinfo, i));
    const Datum d = PG_GETARG_DATUM(i);
    switch (type) {
        case INT2OID: v.storage = Storage::Integer; v.integer = DatumGetInt16(d); return v;
        case INT4OID: v.storage = Storage::Integer; v.integer = DatumGetInt32(d); return v;
        case INT8OID: v.storage = Storage::Integer; v.integer = DatumGetInt64(d); return v;
        case BOOLOID: v.storage = Storage::Integer; v.integer = DatumGetBool(d) ? -1 : 0; return v;
        case FLOAT4OID: v.storage = Storage::Float; v.real = DatumGetFloat4(d); return v;
        case FLOAT8OID: v.storage = Storage::Float; v.real = DatumGetFloat8(d); return v;
        case NUMERICOID:
            v.storage = Storage::Float;
            v.real = DatumGetFloat8(DirectFunctionCall1(numeric_float8, d));
            return v;
        case TIMESTAMPOID:
        case TIMESTAMPTZOID: keep = isoText(DatumGetTimestamp(d)); break;
        case DATEOID: keep = isoText(static_cast<Timestamp>(DatumGetDateADT(d)) * USECS_PER_DAY); break;
        case UNKNOWNOID:
        case CSTRINGOID: keep = DatumGetCString(d); break;
        case TEXTOID:
        case VARCHAROID:
        case BPCHAROID: {
            text* t = DatumGetTextPP(d);
            keep.assign(VARDATA_ANY(t), VARSIZE_ANY_EXHDR(t));
            break;
        }
        default: {
            Oid output;
            bool varlena;
            getTypeOutputInfo(type, &output, &varlena);
            keep = OidOutputFunctionCall(output, d);
        }
    }
    v.storage = Storage::Text;
    v.text = keep;
    return v;
}

platform::Variant variantArgument(FunctionCallInfo fcinfo, int i, char kind) {
    std::string keep;
    return zolk::jet::readArgument(argument(fcinfo, i, keep), kind);
}

std::string textArgument(FunctionCallInfo fcinfo, int i) {
    std::string keep;
    const StoredValue v = argument(fcinfo, i, keep);
    if (v.storage == Storage::Integer) return std::to_string(v.integer);
    if (v.storage == Storage::Float) return platform::doubleToText(v.real);
    return std::string(v.text);
}

char letter(FunctionCallInfo fcinfo, int i) {
    if (PG_ARGISNULL(i)) return 'X';
    text* t = PG_GETARG_TEXT_PP(i);
    return VARSIZE_ANY_EXHDR(t) ? VARDATA_ANY(t)[0] : 'X';
}

Datum textResult(const std::string& s) {
    return PointerGetDatum(cstring_to_text_with_len(s.data(), static_cast<int>(s.size())));
}

// A variant as the text the printer's cast reads back: numbers with '.', dates in ISO form,
// Yes/No as -1/0.
Datum variantResult(FunctionCallInfo fcinfo, const platform::Variant& v) {
    using platform::VarType;
    switch (v.type()) {
        case VarType::Empty:
        case VarType::Null: fcinfo->isnull = true; return 0;
        case VarType::Boolean: return textResult(v.asBoolean() ? "-1" : "0");
        case VarType::Integer: return textResult(std::to_string(v.asInteger()));
        case VarType::Long: return textResult(std::to_string(v.asLong()));
        case VarType::Double: {
            const double d = v.asDouble();
            if (std::isnan(d)) return textResult("NaN");
            if (std::isinf(d)) return textResult(d > 0 ? "Infinity" : "-Infinity");
            char buf[40];
            std::snprintf(buf, sizeof buf, "%.17g", d);
            return textResult(buf);
        }
        case VarType::Currency: return textResult(v.asCurrency().toPlainText());
        case VarType::Date: return textResult(v.asDate().iso());
        case VarType::String: return textResult(v.asString());
        default: throw platform::RuntimeError(platform::err::TypeMismatch, "Type mismatch", "zolk_jet", 0);
    }
}

// A compiled pattern kept for the call site while its text stays the same, destroyed with the
// call site's memory.
template <class Compiled>
struct Kept {
    std::string source;
    Compiled compiled;
};

template <class Compiled>
const Compiled& kept(FunctionCallInfo fcinfo, const std::string& source) {
    auto* k = static_cast<Kept<Compiled>*>(fcinfo->flinfo->fn_extra);
    if (k && k->source == source) return k->compiled;
    if (k) {
        k->~Kept<Compiled>();
        fcinfo->flinfo->fn_extra = nullptr;
    }
    void* memory = MemoryContextAlloc(fcinfo->flinfo->fn_mcxt, sizeof(Kept<Compiled>) + sizeof(MemoryContextCallback));
    k = new (memory) Kept<Compiled>{source, Compiled(source)};
    auto* callback = reinterpret_cast<MemoryContextCallback*>(static_cast<char*>(memory) + sizeof(Kept<Compiled>));
    callback->func = [](void* p) { static_cast<Kept<Compiled>*>(p)->~Kept<Compiled>(); };
    callback->arg = k;
    MemoryContextRegisterResetCallback(fcinfo->flinfo->fn_mcxt, callback);
    fcinfo->flinfo->fn_extra = k;
    return k->compiled;
}

}  // namespace

extern "C" {

PG_FUNCTION_INFO_V1(jet_like);
PG_FUNCTION_INFO_V1(jet_text);
PG_FUNCTION_INFO_V1(jet_format);
PG_FUNCTION_INFO_V1(jet_concat);
PG_FUNCTION_INFO_V1(jet_case);
PG_FUNCTION_INFO_V1(jet_right);
PG_FUNCTION_INFO_V1(jet_cast);
PG_FUNCTION_INFO_V1(jet_op);
PG_FUNCTION_INFO_V1(jet_evaluate);
PG_FUNCTION_INFO_V1(jet_evaluator_names);

// jet_like(text, pattern): Jet's LIKE (wildcards * ? # [..] and %, case ignored, accents kept).
Datum jet_like(PG_FUNCTION_ARGS) {
    return guarded([&] {
        const std::string text = textArgument(fcinfo, 0);
        const zolk::jet::LikePattern& p = kept<zolk::jet::LikePattern>(fcinfo, textArgument(fcinfo, 1));
        return BoolGetDatum(p.matches(text));
    });
}

// jet_text(value, kind): a value as text by the regional rules (what & and CStr give).
Datum jet_text(PG_FUNCTION_ARGS) {
    return guarded([&] { return textResult(variantArgument(fcinfo, 0, letter(fcinfo, 1)).toString()); });
}

// jet_format(value, pattern, kind): VB's Format.
Datum jet_format(PG_FUNCTION_ARGS) {
    return guarded([&]() -> Datum {
        const std::string pattern = PG_ARGISNULL(1) ? std::string() : textArgument(fcinfo, 1);
        const platform::FormatPattern& p = kept<platform::FormatPattern>(fcinfo, pattern);
        std::string out;
        if (!p.appendTo(variantArgument(fcinfo, 0, letter(fcinfo, 2)), out)) {
            fcinfo->isnull = true;
            return 0;
        }
        return textResult(out);
    });
}

// jet_concat(a, b, ...): Jet's & over a chain; Null only when every operand is.
Datum jet_concat(PG_FUNCTION_ARGS) {
    return guarded([&]() -> Datum {
        std::string out;
        bool allNull = true;
        for (int i = 0; i < PG_NARGS(); ++i) {
            if (PG_ARGISNULL(i)) continue;
            allNull = false;
            out += textArgument(fcinfo, i);
        }
        if (allNull) {
            fcinfo->isnull = true;
            return 0;
        }
        return textResult(out);
    });
}

// jet_case(text, 'U' | 'L'): UCase / LCase for every script.
Datum jet_case(PG_FUNCTION_ARGS) {
    return guarded([&] {
        const std::string s = textArgument(fcinfo, 0);
        icu::UnicodeString u = icu::UnicodeString::fromUTF8(icu::StringPiece(s.data(), int32_t(s.size())));
        if (letter(fcinfo, 1) == 'U') u.toUpper();
        else u.toLower();
        std::string out;
        u.toUTF8String(out);
        return textResult(out);
    });
}

// jet_right(text, n): the last n characters; none for n <= 0.
Datum jet_right(PG_FUNCTION_ARGS) {
    return guarded([&] {
        const std::string s = textArgument(fcinfo, 0);
        std::int64_t wanted = platform::CLng(variantArgument(fcinfo, 1, 'X'));
        std::size_t start = s.size();
        while (wanted > 0 && start > 0) {
            --start;
            if ((static_cast<unsigned char>(s[start]) & 0xC0) != 0x80) --wanted;
        }
        return textResult(s.substr(start));
    });
}

// jet_cast(value, target, kind): CDbl (N), CLng (L), CInt (I), CCur (C), CDate (D), CBool (B),
// Val (V), Int (F), Fix (T).
Datum jet_cast(PG_FUNCTION_ARGS) {
    return guarded([&]() -> Datum {
        const platform::Variant v = variantArgument(fcinfo, 0, letter(fcinfo, 2));
        switch (letter(fcinfo, 1)) {
            case 'N': return variantResult(fcinfo, platform::Variant(platform::CDbl(v)));
            case 'L': return variantResult(fcinfo, platform::Variant(platform::CLng(v)));
            case 'I': return variantResult(fcinfo, platform::Variant(platform::CInt(v)));
            case 'C': return variantResult(fcinfo, platform::Variant(platform::CCur(v)));
            case 'D': return variantResult(fcinfo, platform::Variant(platform::CDate(v)));
            case 'B': return variantResult(fcinfo, platform::Variant(platform::CBool(v)));
            case 'V': return variantResult(fcinfo, platform::Variant(platform::Val(v)));
            case 'F':
            case 'T': {
                if (v.type() == platform::VarType::Integer || v.type() == platform::VarType::Long)
                    return variantResult(fcinfo, v);
                const double d = platform::CDbl(v);
                return variantResult(fcinfo, platform::Variant(letter(fcinfo, 1) == 'F' ? std::floor(d) : std::trunc(d)));
            }
            default: fcinfo->isnull = true; return 0;
        }
    });
}

// jet_op(op, a, kind of a, b, kind of b): VB's arithmetic operators.
Datum jet_op(PG_FUNCTION_ARGS) {
    return guarded([&] {
        const platform::Variant a = variantArgument(fcinfo, 1, letter(fcinfo, 2));
        const platform::Variant b = variantArgument(fcinfo, 3, letter(fcinfo, 4));
        return variantResult(fcinfo, zolk::jet::evaluateOperator(letter(fcinfo, 0), a, b));
    });
}

// jet_<name>(kinds, arg, ...): the function of the table the called name stands for.
Datum jet_evaluate(PG_FUNCTION_ARGS) {
    return guarded([&] {
        auto* row = static_cast<const zolk::jet::EvaluatorRow*>(fcinfo->flinfo->fn_extra);
        if (!row) {
            const char* name = get_func_name(fcinfo->flinfo->fn_oid);
            for (const zolk::jet::EvaluatorRow& r : zolk::jet::evaluators())
                if (name && zolk::jet::evaluatorName(r.id) == name) row = &r;
            if (!row) throw platform::RuntimeError(platform::err::DbGeneralFailure, "Unknown function", "zolk_jet", 0);
            fcinfo->flinfo->fn_extra = const_cast<zolk::jet::EvaluatorRow*>(row);
        }
        const std::string kinds = PG_ARGISNULL(0) ? std::string() : textArgument(fcinfo, 0);
        std::vector<platform::Variant> args;
        for (int i = 1; i < PG_NARGS(); ++i) {
            const auto k = static_cast<std::size_t>(i - 1);
            args.push_back(variantArgument(fcinfo, i, k < kinds.size() ? kinds[k] : 'X'));
        }
        return variantResult(fcinfo, row->evaluate(args));
    });
}

// The names the extension's script creates the evaluators under.
Datum jet_evaluator_names(PG_FUNCTION_ARGS) {
    (void)fcinfo;
    const auto rows = zolk::jet::evaluators();
    Datum* names = static_cast<Datum*>(palloc(sizeof(Datum) * rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) names[i] = textResult(zolk::jet::evaluatorName(rows[i].id));
    PG_RETURN_ARRAYTYPE_P(construct_array(names, static_cast<int>(rows.size()), TEXTOID, -1, false, TYPALIGN_INT));
}

}  // extern "C"
