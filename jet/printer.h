#pragma once
// The printer of standard SQL: a bound, rewritten tree as the text an engine runs. What is Jet's
// own and has no SQL form (regional text of values, VB arithmetic, Format, the conversions, the
// platform's functions) is printed as calls of the jet_* functions every engine provides (SQLite
// registers them on its connections, a server carries them in an extension). An engine states
// only where its SQL differs, in its PrinterRules: a writer per node kind, a write pattern per
// function, and a few spellings.
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "jet/ast.h"
#include "jet/dialect.h"
#include "jet/functions.h"

namespace zolk::jet {

class Printer;

// Writes node `e` in the engine's own form; returns false to leave it to the standard form. A
// writer of a truth-valued kind (LIKE, comparisons, ...) writes the condition SQL tests.
using NodeWriter = bool (*)(Printer& p, const ast::Expr& e);

// A function call as a pattern: $n is argument n as a value, %n as an operand, #n the kind
// letter of argument n; text between [ and ] is written only when the argument it names exists.
struct FunctionWrite {
    Builtin id;
    const char* pattern;
    bool variant = false;  // a jet_* call whose value is a variant, typed by the engine (variantType)
};

// `name` as a quoted SQL identifier, its double quotes doubled.
void quoteIdentifier(std::string& out, std::string_view name);

inline constexpr std::size_t kExprKinds = static_cast<std::size_t>(ast::ExprKind::RowId) + 1;

// An engine's differences; what it leaves as it is stays standard.
struct PrinterRules {
    EngineTraits traits{"Standard"};
    const char* textCollation = "\"jet\"";     // the collation of Jet's text comparisons
    std::array<NodeWriter, kExprKinds> nodes{};   // nullptr: the standard form
    std::span<const FunctionWrite> functions;     // looked up before the standard patterns
    const char* positiveInfinity = "CAST('Infinity' AS DOUBLE PRECISION)";  // a Double past the range
    const char* negativeInfinity = "CAST('-Infinity' AS DOUBLE PRECISION)";
    const char* nulCharacter = "chr(0)";          // a NUL inside a text literal
    const char* least = "LEAST";                  // the smaller of two values
    const char* greatest = "GREATEST";
    const char* rowsTiedWith = ") IS NOT DISTINCT FROM ";  // (keys) <this> (SELECT the n-th row's keys)
    const char* truthAsValueOpen = "-CAST((";     // a truth value as Jet's -1, 0 or Null
    const char* truthAsValueClose = ") AS INTEGER)";
    bool collateGroups = true;  // GROUP BY a text under the text collation (else the column's own)
    const char* derivedAlias = " AS \"jet_d\"";  // the name of a derived table the statement left unnamed
    // TOP n over keys rows may share as FETCH FIRST n ROWS WITH TIES, instead of the
    // construction from the n-th row's keys.
    bool fetchWithTies = false;
    // A UNION column whose parts give values of different kinds (numbers, dates, texts) is
    // written as text in every part; the result column's type reads the values back.
    bool unionKindsAsText = false;
    // The SQL type a call of a variant-valued jet_* function (jet_op, jet_cast, the platform's
    // evaluators) is cast to, by the Jet type the binder gave the call; nullptr when the engine
    // takes the call's value as it comes (an engine without static types).
    const char* (*variantType)(JetType) = nullptr;
};

// The kind letter the jet_* functions read a stored value by (D, C, N, B, L, T, X).
char kindLetter(JetType t);

class Printer {
public:
    explicit Printer(const PrinterRules& rules) : rules_(rules) {}

    void statement(const ast::Statement& st);

    // The pieces an engine's writers build with.
    std::string out;
    void value(const ast::Expr& e);
    void operand(const ast::Expr& e);    // parenthesised unless atomic
    void condition(const ast::Expr& e);  // where SQL expects a truth value
    void comparand(const ast::Expr& e);  // a compared date column in its full stored form
    void collate(const ast::Expr& e);    // the text collation after a text expression
    void identifier(const std::string& name);
    void text(const std::string& literal);
    void pattern(const ast::Expr& e, const char* p);
    void standardValue(const ast::Expr& e);  // the standard form, ignoring the engine's writer
    void standardPredicate(const ast::Expr& e);
    void query(const ast::Select& s) { select(s, true); }  // a subquery, its columns by internal name

private:
    const PrinterRules& rules_;
    int depth_ = 0;  // open recursive calls

    template <class Items, class Print>
    void commaList(const Items& items, Print print);
    void where(const ast::Expr* e);
    void select(const ast::Select& s, bool derived);
    void compound(const ast::Select& s, bool derived, bool collateItems);
    void rowsOfTop(const ast::Select& s);
    void topWithTies(const ast::Select& s, bool derived);
    void rowsWithKeys(const ast::Select& s, bool keysOnly);
    void keyOrder(const ast::Select& s);
    void tiedWithTheLast(const ast::Select& s);
    void selectCore(const ast::Select& s, bool derived, bool collateItems, const std::vector<bool>* asText = nullptr);
    void fromToHaving(const ast::Select& s);
    void source(const ast::TableRef& t, bool nested);
    void number(double v, bool whole);
    void truthPair(const ast::Expr& e, const char* open, const char* middle, const char* close);
    void bounds(const ast::Expr& a, const ast::Expr& b);
    void predicate(const ast::Expr& e);
    void membership(const ast::Expr& e, const char* word);
    void concat(const std::vector<ast::ExprPtr>& args, std::size_t first, std::size_t last);
    void vbOperator(const ast::Expr& e);
    void vbCall(const ast::Expr& e, char op);
    void arithmetic(const ast::Expr& e);
    void quantified(const ast::Expr& e);
    void aggregate(const ast::Expr& e);
    void evaluated(const ast::Expr& e, Builtin id);
    void evaluatedCall(const ast::Expr& e, Builtin id);
    template <class Write>
    void typedCall(JetType type, Write write);
    void choose(const ast::Expr& e);
    void function(const ast::Expr& e);
};

// A generator that prints with `rules` (which must outlive it).
class RulesGenerator final : public Generator {
public:
    explicit RulesGenerator(const PrinterRules& rules) : rules_(rules) {}
    const EngineTraits& traits() const override { return rules_.traits; }
    std::string statement(const ast::Statement& st) const override;

private:
    const PrinterRules& rules_;
};

}  // namespace zolk::jet
