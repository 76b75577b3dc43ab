#include "jet/parser.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstdlib>

#include "jet/functions.h"
#include "jet/lexer.h"
#include "jet/limits.h"
#include "platform/runtime_error.h"
#include "platform/text_compare.h"

namespace zolk::jet {
namespace {

using ast::ExprKind;
using ast::ExprPtr;

// Binary operators by precedence, lowest first (VBA's order: Imp < Eqv < Xor < Or < And < Not
// < comparisons < & < + - < Mod < \ < * / < unary minus < ^). NOT and the comparison forms
// written with keywords (IS, LIKE, IN, BETWEEN) are handled beside the table at their levels.
enum Level : int { kImp = 1, kEqv = 2, kXor = 3, kOr = 4, kAnd = 5, kNot = 6, kCompare = 7,
                   kConcat = 8, kAdd = 9, kMod = 10, kIntDiv = 11, kMul = 12, kUnary = 13,
                   kPower = 14 };

struct BinaryOp {
    TokenKind kind;
    Keyword keyword;
    const char* symbol;
    int level;
    ExprKind node;
    int op;
};

constexpr std::array<BinaryOp, 18> kBinary{{
    {TokenKind::Keyword, Keyword::Imp, "", kImp, ExprKind::Imp, 0},
    {TokenKind::Keyword, Keyword::Eqv, "", kEqv, ExprKind::Eqv, 0},
    {TokenKind::Keyword, Keyword::Xor, "", kXor, ExprKind::Xor, 0},
    {TokenKind::Keyword, Keyword::Or, "", kOr, ExprKind::Or, 0},
    {TokenKind::Keyword, Keyword::And, "", kAnd, ExprKind::And, 0},
    {TokenKind::Symbol, Keyword::None, "=", kCompare, ExprKind::Comparison, int(ast::CompareOp::Equal)},
    {TokenKind::Symbol, Keyword::None, "<>", kCompare, ExprKind::Comparison, int(ast::CompareOp::NotEqual)},
    {TokenKind::Symbol, Keyword::None, "<", kCompare, ExprKind::Comparison, int(ast::CompareOp::Less)},
    {TokenKind::Symbol, Keyword::None, "<=", kCompare, ExprKind::Comparison, int(ast::CompareOp::LessEqual)},
    {TokenKind::Symbol, Keyword::None, ">", kCompare, ExprKind::Comparison, int(ast::CompareOp::Greater)},
    {TokenKind::Symbol, Keyword::None, ">=", kCompare, ExprKind::Comparison, int(ast::CompareOp::GreaterEqual)},
    {TokenKind::Symbol, Keyword::None, "&", kConcat, ExprKind::Concat, 0},
    {TokenKind::Symbol, Keyword::None, "+", kAdd, ExprKind::Arithmetic, int(ast::ArithOp::Add)},
    {TokenKind::Symbol, Keyword::None, "-", kAdd, ExprKind::Arithmetic, int(ast::ArithOp::Subtract)},
    {TokenKind::Keyword, Keyword::Mod, "", kMod, ExprKind::Arithmetic, int(ast::ArithOp::Modulo)},
    {TokenKind::Symbol, Keyword::None, "\\", kIntDiv, ExprKind::Arithmetic, int(ast::ArithOp::IntDivide)},
    {TokenKind::Symbol, Keyword::None, "*", kMul, ExprKind::Arithmetic, int(ast::ArithOp::Multiply)},
    {TokenKind::Symbol, Keyword::None, "^", kPower, ExprKind::Arithmetic, int(ast::ArithOp::Power)},
}};
constexpr BinaryOp kDivide{TokenKind::Symbol, Keyword::None, "/", kMul, ExprKind::Arithmetic,
                           int(ast::ArithOp::Divide)};

// The text's tokens, once the text and their number are within the limits.
std::vector<Token> boundedTokens(std::string_view sql) {
    limits::checkLength(sql);
    std::vector<Token> tokens = tokenize(sql);
    if (tokens.size() - 1 > limits::kTerms)
        limits::exceeded("more than " + std::to_string(limits::kTerms) + " terms");
    return tokens;
}

// The height of the tree under a node built from parsed operands; refuses one nested too deeply.
void measure(ast::Expr& e) {
    int below = 0;
    for (const auto& a : e.args) below = std::max(below, int(a->levels));
    if (below + 1 > limits::kNesting) limits::tooDeep();
    e.levels = static_cast<std::uint16_t>(below + 1);
}

class Parser {
public:
    Parser(std::string_view sql) : sql_(sql), tokens_(boundedTokens(sql)) {}

    ast::Statement statement() {
        ast::Statement st;
        const Token& t = peek();
        if (isKeyword(Keyword::Select)) {
            st.kind = ast::StatementKind::Select;
            st.select = selectStatement();
        } else if (isKeyword(Keyword::Transform)) {
            crosstabStatement(st);
        } else if (isKeyword(Keyword::Insert)) {
            insertStatement(st);
        } else if (isKeyword(Keyword::Update)) {
            updateStatement(st);
        } else if (isKeyword(Keyword::Delete)) {
            deleteStatement(st);
        } else {
            fail(t, "expected SELECT, TRANSFORM, INSERT, UPDATE or DELETE");
        }
        if (isSymbol(";")) {
            next();
            if (peek().kind != TokenKind::End)
                throw platform::RuntimeError(platform::err::DbErrorsInCommand,
                                             "Characters found after end of SQL statement.");
        }
        if (peek().kind != TokenKind::End) fail(peek(), "expected the end of the statement");
        return st;
    }

private:
    std::string_view sql_;
    std::vector<Token> tokens_;
    std::size_t pos_ = 0;
    int depth_ = 0;            // open recursive calls
    std::size_t tables_ = 0;   // tables named in the FROM clause being read
    bool starAllowed_ = false;

    const Token& peek(std::size_t ahead = 0) const {
        const std::size_t i = pos_ + ahead;
        return i < tokens_.size() ? tokens_[i] : tokens_.back();
    }
    const Token& next() {
        const Token& t = peek();
        if (pos_ < tokens_.size() - 1) ++pos_;
        return t;
    }
    bool isKeyword(Keyword k, std::size_t ahead = 0) const {
        const Token& t = peek(ahead);
        return t.kind == TokenKind::Keyword && t.keyword == k;
    }
    bool isSymbol(const char* s, std::size_t ahead = 0) const {
        const Token& t = peek(ahead);
        return t.kind == TokenKind::Symbol && t.symbol == symbolCode(s);
    }
    bool acceptKeyword(Keyword k) {
        if (!isKeyword(k)) return false;
        next();
        return true;
    }
    void expectKeyword(Keyword k) {
        if (!acceptKeyword(k)) fail(peek(), std::string("expected ") + keywordText(k));
    }
    void expectSymbol(const char* s) {
        if (!isSymbol(s)) fail(peek(), std::string("expected '") + s + "'");
        next();
    }
    [[noreturn]] void fail(const Token& t, const std::string& what) const {
        syntaxError(sql_, t.offset, what);
    }
    bool isName(std::size_t ahead = 0) const {
        const auto k = peek(ahead).kind;
        return k == TokenKind::Identifier || k == TokenKind::Bracketed;
    }
    std::string name(const char* what) {
        if (!isName()) fail(peek(), std::string("expected ") + what);
        return next().text;
    }

    // ---- SELECT -------------------------------------------------------------------------

    // TRANSFORM aggregate [AS name] SELECT ... GROUP BY ... [ORDER BY ...] PIVOT expr [IN (v, ...)]
    void crosstabStatement(ast::Statement& st) {
        st.kind = ast::StatementKind::Select;
        auto ct = std::make_unique<ast::Crosstab>();
        ct->offset = next().offset;
        ct->value = expression();
        if (acceptKeyword(Keyword::As)) name("a name after AS");
        if (!isKeyword(Keyword::Select)) fail(peek(), "expected SELECT after the TRANSFORM value");
        st.select = selectStatement();
        if (!st.select->unions.empty()) fail(peek(), "expected PIVOT: a crosstab query has no UNION");
        expectKeyword(Keyword::Pivot);
        // The pivot is an operand: an IN after it is the list of column values.
        ct->pivot = binary(kConcat);
        if (acceptKeyword(Keyword::In)) {
            expectSymbol("(");
            do {
                ct->values.push_back(binary(kConcat));
                checkFields(ct->values.size(), "the PIVOT list");
            } while (isSymbol(",") && (next(), true));
            expectSymbol(")");
        }
        st.crosstab = std::move(ct);
    }

    // ( SELECT ... ): a select nested in an expression or in FROM. The FROM clause and the
    // select list being read around it are resumed afterwards.
    std::unique_ptr<ast::Select> subquery() {
        limits::WalkLevel level(depth_);
        expectSymbol("(");
        const std::size_t tables = tables_;
        const bool star = starAllowed_;
        starAllowed_ = false;
        auto s = selectStatement();
        tables_ = tables;
        starAllowed_ = star;
        expectSymbol(")");
        return s;
    }

    bool atSubquery() const { return isSymbol("(") && isKeyword(Keyword::Select, 1); }

    std::unique_ptr<ast::Select> selectStatement() {
        auto first = selectCore();
        while (isKeyword(Keyword::Union)) {
            next();
            ast::Select::UnionPart part;
            part.all = acceptKeyword(Keyword::All);
            if (!isKeyword(Keyword::Select)) fail(peek(), "expected SELECT after UNION");
            part.select = selectCore();
            first->unions.push_back(std::move(part));
        }
        if (isKeyword(Keyword::Order)) {
            next();
            expectKeyword(Keyword::By);
            first->orderBy = orderList();
        }
        return first;
    }

    std::unique_ptr<ast::Select> selectCore() {
        expectKeyword(Keyword::Select);
        auto s = std::make_unique<ast::Select>();
        if (acceptKeyword(Keyword::Top)) {
            const Token& n = peek();
            if (n.kind != TokenKind::Number) fail(n, "expected a number after TOP");
            char* end = nullptr;
            errno = 0;
            const long long v = std::strtoll(n.text.c_str(), &end, 10);
            if (errno != 0 || *end != '\0' || v < 0) fail(n, "expected a whole number after TOP");
            s->top = v;
            next();
            if (peek().kind == TokenKind::Identifier && platform::equalsNoCase(peek().text, "PERCENT")) {
                if (v > 100) fail(n, "expected a percentage from 0 to 100 after TOP");
                s->topPercent = true;
                next();
            }
        }
        if (acceptKeyword(Keyword::Distinct)) s->distinct = true;
        else if (acceptKeyword(Keyword::DistinctRow)) s->distinctRow = true;
        else acceptKeyword(Keyword::All);
        do {
            s->items.push_back(selectItem());
            checkFields(s->items.size(), "the select list");
        } while (isSymbol(",") && (next(), true));
        // Jet runs a select list of constants without FROM ("SELECT @@Identity").
        if (acceptKeyword(Keyword::From)) {
            tables_ = 0;
            do {
                s->from.push_back(joinedSource());
            } while (isSymbol(",") && (next(), true));
        }
        if (acceptKeyword(Keyword::Where)) s->where = expression();
        if (isKeyword(Keyword::Group)) {
            next();
            expectKeyword(Keyword::By);
            do {
                s->groupBy.push_back(expression());
                checkFields(s->groupBy.size(), "GROUP BY");
            } while (isSymbol(",") && (next(), true));
        }
        if (acceptKeyword(Keyword::Having)) s->having = expression();
        return s;
    }

    ast::SelectItem selectItem() {
        ast::SelectItem item;
        starAllowed_ = true;
        item.expr = expression();
        starAllowed_ = false;
        if (acceptKeyword(Keyword::As)) {
            const Token& a = peek();
            if (a.kind == TokenKind::Identifier || a.kind == TokenKind::Bracketed ||
                a.kind == TokenKind::String || a.kind == TokenKind::Keyword) {
                item.alias = a.text;
                next();
            } else {
                fail(a, "expected a name after AS");
            }
        }
        return item;
    }

    std::vector<ast::OrderItem> orderList() {
        std::vector<ast::OrderItem> list;
        do {
            ast::OrderItem o;
            o.expr = expression();
            if (acceptKeyword(Keyword::Desc)) o.descending = true;
            else acceptKeyword(Keyword::Asc);
            list.push_back(std::move(o));
            checkFields(list.size(), "ORDER BY");
        } while (isSymbol(",") && (next(), true));
        return list;
    }

    static void checkFields(std::size_t count, const char* where) {
        if (count > limits::kFields)
            limits::exceeded("more than " + std::to_string(limits::kFields) + " fields in " + where);
    }

    // source: primary ( [INNER | LEFT [OUTER] | RIGHT [OUTER]] JOIN primary ON expr )*
    std::unique_ptr<ast::TableRef> joinedSource() {
        limits::WalkLevel level(depth_);
        auto left = primarySource();
        while (true) {
            ast::JoinKind kind = ast::JoinKind::Inner;
            const Token& at = peek();
            if (isKeyword(Keyword::Inner)) {
                next();
            } else if (isKeyword(Keyword::Left) || isKeyword(Keyword::Right)) {
                kind = isKeyword(Keyword::Left) ? ast::JoinKind::Left : ast::JoinKind::Right;
                next();
                acceptKeyword(Keyword::Outer);
            } else if (!isKeyword(Keyword::Join)) {
                break;
            }
            expectKeyword(Keyword::Join);
            auto join = std::make_unique<ast::TableRef>();
            join->kind = ast::TableRef::Kind::Join;
            join->offset = at.offset;
            join->join = kind;
            join->left = std::move(left);
            join->right = primarySource();
            expectKeyword(Keyword::On);
            join->on = expression();
            left = std::move(join);
        }
        return left;
    }

    std::unique_ptr<ast::TableRef> primarySource() {
        if (atSubquery()) {
            if (++tables_ > limits::kTables)
                limits::exceeded("more than " + std::to_string(limits::kTables) + " tables in FROM");
            auto t = std::make_unique<ast::TableRef>();
            t->kind = ast::TableRef::Kind::Derived;
            t->offset = peek().offset;
            t->written = true;
            t->derived = subquery();
            if (acceptKeyword(Keyword::As)) t->alias = name("an alias");
            else if (peek().kind == TokenKind::Identifier) t->alias = next().text;
            return t;
        }
        if (isSymbol("(")) {
            next();
            auto inner = joinedSource();
            expectSymbol(")");
            return inner;
        }
        if (++tables_ > limits::kTables)
            limits::exceeded("more than " + std::to_string(limits::kTables) + " tables in FROM");
        auto t = std::make_unique<ast::TableRef>();
        t->offset = peek().offset;
        t->name = name("a table name");
        if (acceptKeyword(Keyword::As)) t->alias = name("an alias");
        else if (peek().kind == TokenKind::Identifier) t->alias = next().text;
        if (t->alias.empty()) t->alias = t->name;
        return t;
    }

    // ---- INSERT / UPDATE / DELETE -------------------------------------------------------

    void tableName(ast::Statement& st) {
        st.tableOffset = peek().offset;
        st.tableName = name("a table name");
    }

    // A column being written: C, [C], T.C, [T].[C] or [T.C].
    std::string targetColumn(const ast::Statement& st) {
        std::string first = name("a column name");
        if (isSymbol(".")) {
            next();
            return name("a column name");
        }
        const auto dot = first.find('.');
        if (dot != std::string::npos && dot > 0 && dot + 1 < first.size()) {
            (void)st;
            return first.substr(dot + 1);
        }
        return first;
    }

    void insertStatement(ast::Statement& st) {
        st.kind = ast::StatementKind::Insert;
        next();
        expectKeyword(Keyword::Into);
        tableName(st);
        std::vector<std::pair<std::string, std::uint32_t>> columns;
        if (isSymbol("(")) {
            next();
            do {
                const std::uint32_t at = peek().offset;
                columns.emplace_back(targetColumn(st), at);
            } while (isSymbol(",") && (next(), true));
            expectSymbol(")");
        }
        if (isKeyword(Keyword::Select)) {
            st.select = selectStatement();
            for (auto& [c, at] : columns) {
                ast::Assignment a;
                a.columnName = c;
                a.offset = at;
                st.assignments.push_back(std::move(a));
            }
            return;
        }
        const Token& values = peek();
        expectKeyword(Keyword::Values);
        expectSymbol("(");
        std::vector<ExprPtr> exprs;
        do {
            exprs.push_back(expression());
        } while (isSymbol(",") && (next(), true));
        expectSymbol(")");
        if (columns.empty()) fail(values, "expected the list of columns before VALUES");
        if (exprs.size() != columns.size())
            throw platform::RuntimeError(
                platform::err::DbErrorsInCommand,
                "Number of query values and destination fields are not the same (" +
                    std::to_string(exprs.size()) + " values for " + std::to_string(columns.size()) +
                    " fields).");
        for (std::size_t i = 0; i < columns.size(); ++i) {
            ast::Assignment a;
            a.columnName = columns[i].first;
            a.offset = columns[i].second;
            a.value = std::move(exprs[i]);
            st.assignments.push_back(std::move(a));
        }
    }

    void updateStatement(ast::Statement& st) {
        st.kind = ast::StatementKind::Update;
        next();
        tableName(st);
        expectKeyword(Keyword::Set);
        do {
            ast::Assignment a;
            a.offset = peek().offset;
            a.columnName = targetColumn(st);
            expectSymbol("=");
            a.value = expression();
            st.assignments.push_back(std::move(a));
        } while (isSymbol(",") && (next(), true));
        if (acceptKeyword(Keyword::Where)) st.where = expression();
    }

    void deleteStatement(ast::Statement& st) {
        st.kind = ast::StatementKind::Delete;
        next();
        // DELETE * FROM t, DELETE t.* FROM t, DELETE FROM t: the star names nothing.
        if (isSymbol("*")) {
            next();
        } else if (isName() && isSymbol(".", 1) && isSymbol("*", 2)) {
            next();
            next();
            next();
        }
        expectKeyword(Keyword::From);
        tableName(st);
        if (acceptKeyword(Keyword::Where)) st.where = expression();
    }

    // ---- expressions ----------------------------------------------------------------------

    ExprPtr expression() { return binary(kImp); }

    const BinaryOp* binaryAt() const {
        const Token& t = peek();
        if (t.kind != TokenKind::Symbol && t.kind != TokenKind::Keyword) return nullptr;
        if (t.kind == TokenKind::Symbol && t.symbol == symbolCode("/")) return &kDivide;
        for (const auto& op : kBinary) {
            if (op.kind != t.kind) continue;
            if (op.kind == TokenKind::Keyword ? op.keyword == t.keyword : t.symbol == symbolCode(op.symbol))
                return &op;
        }
        return nullptr;
    }

    ExprPtr binary(int minLevel) {
        limits::WalkLevel level(depth_);
        ExprPtr left = prefix(minLevel);
        while (true) {
            if (minLevel <= kCompare) {
                if (ExprPtr e = keywordComparison(left)) {
                    measure(*e);
                    left = std::move(e);
                    continue;
                }
            }
            const BinaryOp* op = binaryAt();
            if (!op || op->level < minLevel) break;
            next();
            if (op->node == ExprKind::Comparison &&
                (isKeyword(Keyword::Any) || isKeyword(Keyword::Some) || isKeyword(Keyword::All))) {
                // x op ANY|SOME|ALL (SELECT ...)
                auto e = ast::makeExpr(ExprKind::Quantified, left->offset);
                e->op = op->op;
                e->all = next().keyword == Keyword::All;
                if (!atSubquery()) fail(peek(), "expected a subquery after ANY, SOME or ALL");
                e->args.push_back(std::move(left));
                e->query = subquery();
                measure(*e);
                left = std::move(e);
                continue;
            }
            ExprPtr right = binary(op->level + 1);
            // Chains of AND, OR and & are kept flat.
            const bool flat = op->node == ExprKind::And || op->node == ExprKind::Or ||
                              op->node == ExprKind::Concat;
            if (flat && left->kind == op->node) {
                if (right->levels + 1 > left->levels) {
                    if (right->levels + 1 > limits::kNesting) limits::tooDeep();
                    left->levels = static_cast<std::uint16_t>(right->levels + 1);
                }
                left->args.push_back(std::move(right));
                continue;
            }
            auto e = ast::makeExpr(op->node, left->offset);
            e->op = op->op;
            e->args.push_back(std::move(left));
            e->args.push_back(std::move(right));
            measure(*e);
            left = std::move(e);
        }
        return left;
    }

    // IS [NOT] NULL, [NOT] LIKE, [NOT] IN (...), [NOT] BETWEEN a AND b, after an operand.
    ExprPtr keywordComparison(ExprPtr& left) {
        bool negated = false;
        std::size_t ahead = 0;
        if (isKeyword(Keyword::Is)) {
            next();
            negated = acceptKeyword(Keyword::Not);
            expectKeyword(Keyword::Null);
            auto e = ast::makeExpr(ExprKind::NullTest, left->offset);
            e->negated = negated;
            e->args.push_back(std::move(left));
            return e;
        }
        if (isKeyword(Keyword::Not)) {
            negated = true;
            ahead = 1;
        }
        if (isKeyword(Keyword::Like, ahead)) {
            if (negated) next();
            next();
            auto e = ast::makeExpr(ExprKind::Like, left->offset);
            e->negated = negated;
            e->args.push_back(std::move(left));
            e->args.push_back(binary(kConcat));
            return e;
        }
        if (isKeyword(Keyword::In, ahead)) {
            if (negated) next();
            next();
            if (atSubquery()) {
                auto e = ast::makeExpr(ExprKind::InQuery, left->offset);
                e->negated = negated;
                e->args.push_back(std::move(left));
                e->query = subquery();
                return e;
            }
            auto e = ast::makeExpr(ExprKind::In, left->offset);
            e->negated = negated;
            e->args.push_back(std::move(left));
            expectSymbol("(");
            do {
                e->args.push_back(expression());
            } while (isSymbol(",") && (next(), true));
            expectSymbol(")");
            return e;
        }
        if (isKeyword(Keyword::Between, ahead)) {
            if (negated) next();
            next();
            auto e = ast::makeExpr(ExprKind::Between, left->offset);
            e->negated = negated;
            e->args.push_back(std::move(left));
            e->args.push_back(binary(kConcat));
            expectKeyword(Keyword::And);
            e->args.push_back(binary(kConcat));
            return e;
        }
        return nullptr;
    }

    ExprPtr prefix(int minLevel) {
        const Token& t = peek();
        if (t.kind == TokenKind::Keyword && t.keyword == Keyword::Not && minLevel <= kNot) {
            next();
            auto e = ast::makeExpr(ExprKind::Not, t.offset);
            e->args.push_back(binary(kNot));
            measure(*e);
            return e;
        }
        if (t.kind == TokenKind::Symbol && (t.text == "-" || t.text == "+")) {
            const bool minus = t.text == "-";
            next();
            // The operand takes the powers after it: -10^2 negates 100.
            ExprPtr operand = binary(kPower);
            if (!minus) return operand;
            if (operand->kind == ExprKind::NumberLiteral) {
                operand->number = -operand->number;
                operand->offset = t.offset;
                return operand;
            }
            auto e = ast::makeExpr(ExprKind::Negate, t.offset);
            e->args.push_back(std::move(operand));
            measure(*e);
            return e;
        }
        return primary();
    }

    ExprPtr primary() {
        limits::WalkLevel level(depth_);
        const Token& t = peek();
        switch (t.kind) {
            case TokenKind::Number: {
                next();
                auto e = ast::makeExpr(ExprKind::NumberLiteral, t.offset);
                e->number = std::strtod(t.text.c_str(), nullptr);
                const bool plain = t.text.find_first_of(".eE") == std::string::npos;
                e->whole = plain && e->number <= double(INT32_MAX);
                return e;
            }
            case TokenKind::String: {
                next();
                auto e = ast::makeExpr(ExprKind::TextLiteral, t.offset);
                e->text = t.text;
                return e;
            }
            case TokenKind::Date: {
                next();
                auto e = ast::makeExpr(ExprKind::DateLiteral, t.offset);
                e->text = t.text;
                return e;
            }
            case TokenKind::Identity:
                next();
                return ast::makeExpr(ExprKind::Identity, t.offset);
            case TokenKind::Keyword:
                if (t.keyword == Keyword::True || t.keyword == Keyword::False) {
                    next();
                    auto e = ast::makeExpr(ExprKind::BooleanLiteral, t.offset);
                    e->number = t.keyword == Keyword::True ? -1 : 0;
                    e->whole = true;
                    return e;
                }
                if (t.keyword == Keyword::Null) {
                    next();
                    return ast::makeExpr(ExprKind::NullLiteral, t.offset);
                }
                if (t.keyword == Keyword::Exists) {
                    next();
                    if (!atSubquery()) fail(peek(), "expected a subquery after EXISTS");
                    auto e = ast::makeExpr(ExprKind::Exists, t.offset);
                    e->query = subquery();
                    return e;
                }
                // Left(x, n), Right(x, n) and Asc(x) share their spelling with keywords.
                if ((t.keyword == Keyword::Left || t.keyword == Keyword::Right ||
                     t.keyword == Keyword::Asc) &&
                    isSymbol("(", 1))
                    return call();
                fail(t, "expected an expression");
            case TokenKind::Symbol:
                if (atSubquery()) {
                    auto e = ast::makeExpr(ExprKind::Subquery, t.offset);
                    e->query = subquery();
                    return e;
                }
                if (t.text == "(") {
                    next();
                    const bool star = starAllowed_;
                    starAllowed_ = false;
                    ExprPtr inner = expression();
                    starAllowed_ = star;
                    expectSymbol(")");
                    return inner;
                }
                if (t.text == "*" && starAllowed_) {
                    next();
                    return ast::makeExpr(ExprKind::Star, t.offset);
                }
                fail(t, "expected an expression");
            case TokenKind::Identifier:
                if (isSymbol("(", 1)) return call();
                return columnReference();
            case TokenKind::Bracketed:
                return columnReference();
            case TokenKind::End:
                fail(t, "expected an expression");
        }
        fail(t, "expected an expression");
    }

    ExprPtr call() {
        const Token& nameToken = next();
        const FunctionDef* def = findFunction(nameToken.text);
        if (!def)
            throw platform::RuntimeError(platform::err::DbErrorsInCommand,
                                         "Undefined function '" + nameToken.text +
                                             "' in expression (character " +
                                             std::to_string(characterPosition(sql_, nameToken.offset)) +
                                             ").");
        expectSymbol("(");
        std::vector<ExprPtr> args;
        const bool star = starAllowed_;
        if (!isSymbol(")")) {
            do {
                starAllowed_ = def->id == Builtin::Count;
                args.push_back(expression());
            } while (isSymbol(",") && (next(), true));
        }
        starAllowed_ = star;
        expectSymbol(")");
        const bool arityOk = args.size() >= def->minArgs &&
                             (def->maxArgs == 255 || args.size() <= def->maxArgs) &&
                             (!def->pairs || args.size() % 2 == 0);
        if (!arityOk)
            throw platform::RuntimeError(platform::err::DbErrorsInCommand,
                                         "Wrong number of arguments used with function '" +
                                             nameToken.text + "' in query expression (character " +
                                             std::to_string(characterPosition(sql_, nameToken.offset)) +
                                             ").");
        ExprPtr e = def->build(*def, std::move(args), nameToken.offset);
        measure(*e);
        return e;
    }

    // C, [C], T.C, [T].[C], [T.C], T.*
    ExprPtr columnReference() {
        const Token& first = next();
        auto e = ast::makeExpr(ExprKind::Column, first.offset);
        if (isSymbol(".")) {
            next();
            if (isSymbol("*") && starAllowed_) {
                next();
                e->kind = ExprKind::Star;
                e->qualifier = first.text;
                return e;
            }
            e->qualifier = first.text;
            e->text = name("a column name");
            return e;
        }
        if (first.kind == TokenKind::Bracketed) {
            const auto dot = first.text.find('.');
            if (dot != std::string::npos && dot > 0 && dot + 1 < first.text.size()) {
                e->qualifier = first.text.substr(0, dot);
                e->text = first.text.substr(dot + 1);
                return e;
            }
        }
        e->text = first.text;
        return e;
    }
};

}  // namespace

ast::Statement parseStatement(std::string_view sql) {
    Parser p(sql);
    return p.statement();
}

}  // namespace zolk::jet
