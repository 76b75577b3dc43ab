#pragma once
// The functions of the table whose meaning is the platform's own code (one implementation for
// VB code and SQL): each engine calls them through its own registration, by the name
// evaluatorName gives. An evaluator takes the call's arguments as Variants, in the order
// written, and applies Jet's defaults for those left out (text compare for InStr, InStrRev,
// Replace and StrComp).
#include <span>
#include <string>

#include "jet/functions.h"
#include "platform/variant.h"

namespace zolk::jet {

using Evaluator = platform::Variant (*)(std::span<const platform::Variant> args);

struct EvaluatorRow {
    Builtin id;
    Evaluator evaluate;
    bool deterministic;  // false: a different result on each call (Rnd)
};

// The row of a function evaluated by the platform, or nullptr when engines print it in SQL.
const EvaluatorRow* evaluatorOf(Builtin id);
std::span<const EvaluatorRow> evaluators();

// "jet_" and the function's name in lower case: the name an engine registers it under.
std::string evaluatorName(Builtin id);

// The arithmetic operators of VB on two values, by the operator's letter: + - * / \ m (Mod)
// ^; and n for negation, which ignores its second value.
platform::Variant evaluateOperator(char op, const platform::Variant& a, const platform::Variant& b);

}  // namespace zolk::jet
