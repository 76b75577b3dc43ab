#pragma once
// The typed statement tree. Nodes are named by meaning; the parser builds them, the binder
// fills in names and types, the rewrites reshape them and an engine's generator prints them.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zolk::jet {

struct FunctionDef;

// Jet value types: what a column holds or an expression yields.
enum class JetType : std::uint8_t {
    Unknown,  // not yet inferred
    Null,     // the Null literal: fits any other type
    Boolean,  // Yes/No, -1/0
    Byte,
    SmallInt,
    Long,
    Double,
    Currency,
    Date,
    Text,
    Memo,
};

bool isNumeric(JetType t);  // Boolean, Byte, SmallInt, Long, Double, Currency
bool isText(JetType t);     // Text, Memo
bool isInteger(JetType t);  // Boolean, Byte, SmallInt, Long

namespace catalog {
struct Table;
struct Column;
}  // namespace catalog

namespace ast {

enum class ExprKind : std::uint8_t {
    NullLiteral,
    NumberLiteral,   // `number`, `whole`
    TextLiteral,     // `text`
    DateLiteral,     // `text` is the ISO form once bound (what was between # before)
    BooleanLiteral,  // True/False: `number` is -1 or 0
    Column,          // `qualifier`.`text`
    Star,            // * or qualifier.* (select list, Count(*))
    Identity,        // @@Identity: the last generated number on the connection
    Negate,          // -x
    Not,             // NOT x
    Arithmetic,      // args[0] op args[1]: + - * / \ Mod ^
    Concat,          // & over args (a chain, flattened by the rewrite)
    Comparison,      // args[0] op args[1]: = <> < <= > >=
    And,             // args
    Or,              // args
    Xor,             // args[0] Xor args[1]: true when exactly one is true
    Eqv,             // args[0] Eqv args[1]: true when both are true or both false
    Imp,             // args[0] Imp args[1]: false only when args[0] is true and args[1] false
    Like,            // args[0] LIKE args[1]; `negated` for NOT LIKE
    In,              // args[0] IN (args[1..]); `negated`
    Between,         // args[0] BETWEEN args[1] AND args[2]; `negated`
    NullTest,        // args[0] IS NULL; `negated` for IS NOT NULL. A value of -1/0 as an operand
    Conditional,     // CASE: args = cond1, value1, cond2, value2, ..., [else when `hasElse`]
    NullDefault,     // Nz: args[0] unless it is Null, then args[1]
    TextOf,          // args[0] turned into text by the regional rules (from `&`)
    FormatText,      // Format(args[0], args[1])
    Trim,            // Trim, LTrim, RTrim by `function`: blanks only
    DatePart,        // Year, Month, Day, Hour, Minute, Second by `function`
    Today,           // Date()
    Now,             // Now() / NOW
    Aggregate,       // Count, Sum, Max, Min, Avg, First, Last, StDev, StDevP, Var, VarP by
                     // `function`; Count(*) has no arg
    Scalar,          // the other functions of the table, by `function`
    OutputRef,       // a column of a derived table, by `text` (the internal name)
    Subquery,        // (SELECT one value): `query`
    Exists,          // EXISTS (SELECT ...): `query`
    InQuery,         // args[0] IN (SELECT one column): `query`; `negated`
    Quantified,      // args[0] op ANY|SOME|ALL (SELECT one column): `op` CompareOp, `all`, `query`
    RowId,           // the row identity of the source named `source` (DISTINCTROW's key)
};

enum class ArithOp : std::uint8_t { Add, Subtract, Multiply, Divide, IntDivide, Modulo, Power };
enum class CompareOp : std::uint8_t { Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual };

struct Expr;
struct Select;
using ExprPtr = std::unique_ptr<Expr>;

struct Expr {
    ExprKind kind = ExprKind::NullLiteral;
    std::uint32_t offset = 0;  // where it starts in the statement text
    std::uint16_t levels = 1;  // height of the tree from here down, kept by the parser
    int op = 0;                // ArithOp, CompareOp
    bool negated = false;
    bool whole = false;        // number literal without fraction or exponent
    bool hasElse = false;
    bool distinct = false;     // Count(DISTINCT x) is not Jet; kept false
    bool all = false;          // Quantified: ALL rather than ANY/SOME
    double number = 0;
    std::string text;
    std::string qualifier;
    std::vector<ExprPtr> args;
    const FunctionDef* function = nullptr;
    std::unique_ptr<Select> query;  // Subquery, Exists, InQuery, Quantified

    // Filled by the binder.
    JetType type = JetType::Unknown;
    const catalog::Table* table = nullptr;    // Column: the table it belongs to
    const catalog::Column* column = nullptr;  // Column: its definition
    std::string source;                       // Column: the name of the source (alias) in FROM
    std::uint8_t outer = 0;                   // Column: how many selects out its source is

    Expr();
    ~Expr();
    Expr(Expr&&) noexcept;
    Expr& operator=(Expr&&) noexcept;
    explicit Expr(ExprKind k, std::uint32_t at = 0);
};

ExprPtr makeExpr(ExprKind k, std::uint32_t at = 0);
ExprPtr clone(const Expr& e);
std::size_t nodeCount(const Expr& e);  // e and every node under it, subqueries included

enum class JoinKind : std::uint8_t { Inner, Left, Right };

struct TableRef {
    enum class Kind : std::uint8_t { Table, Join, Derived } kind = Kind::Table;
    std::uint32_t offset = 0;
    std::string name;   // Table: as written
    std::string alias;  // Table/Derived: alias (defaults to the name)
    JoinKind join = JoinKind::Inner;
    std::unique_ptr<TableRef> left, right;  // Join
    ExprPtr on;                             // Join
    std::unique_ptr<Select> derived;        // Derived
    bool written = false;                   // Derived: written in the statement, so its columns
                                            // go by their names (a rewrite's by internal names)
    const catalog::Table* table = nullptr;  // bound (a Derived one: the columns it gives)
    std::shared_ptr<const catalog::Table> derivedColumns;  // Derived: owns what `table` points to
};

struct SelectItem {
    ExprPtr expr;
    std::string alias;     // as written after AS; empty when none
    std::string name;      // output name once bound (alias, column name or ExprNNNN)
    std::string internal;  // the name the generated text gives the column (c0, c1, ...)
};

struct OrderItem {
    ExprPtr expr;
    bool descending = false;
    int outputIndex = -1;  // for a compound select: the output column it names
};

struct Select {
    std::optional<std::int64_t> top;
    bool topPercent = false;   // TOP n PERCENT
    bool orderUnique = false;  // no two result rows share their ORDER BY values (set by a rewrite)
    bool distinct = false;
    bool distinctRow = false;  // DISTINCTROW: one row per combination of the selected tables' rows
    std::vector<SelectItem> items;
    std::vector<std::unique_ptr<TableRef>> from;  // comma-separated sources
    ExprPtr where;
    std::vector<ExprPtr> groupBy;
    ExprPtr having;
    std::vector<OrderItem> orderBy;  // of the whole compound when `unions` is not empty
    struct UnionPart {
        bool all = false;
        std::unique_ptr<Select> select;
    };
    std::vector<UnionPart> unions;
};

std::unique_ptr<Select> clone(const Select& s);
std::unique_ptr<TableRef> clone(const TableRef& t);

// TRANSFORM value SELECT ... PIVOT pivot [IN (values)]: one column per pivot value.
struct Crosstab {
    ExprPtr value;                 // an aggregate
    ExprPtr pivot;
    std::vector<ExprPtr> values;   // the IN list; empty: every value the rows hold
    std::uint32_t offset = 0;
};

struct Assignment {
    std::string columnName;
    std::uint32_t offset = 0;
    const catalog::Column* column = nullptr;
    ExprPtr value;
};

enum class StatementKind : std::uint8_t { Select, Insert, Update, Delete };

struct Statement {
    StatementKind kind = StatementKind::Select;
    std::unique_ptr<Select> select;  // Select, and INSERT INTO t (..) SELECT
    std::unique_ptr<Crosstab> crosstab;  // a Select written as TRANSFORM ... PIVOT
    // Insert / Update / Delete
    std::string tableName;
    std::uint32_t tableOffset = 0;
    const catalog::Table* table = nullptr;
    std::vector<Assignment> assignments;  // Insert: columns with their values; Update: SET list
    ExprPtr where;
};

}  // namespace ast
}  // namespace zolk::jet
