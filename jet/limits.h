#pragma once
// How large a statement may be. Every stage of the translator walks the statement's tree
// recursively, so the tree's height is bounded where it is built (the parser) and checked again
// by each walk; the text and its number of terms are bounded before any work is done. A
// statement past a limit is refused with -2147217900 and a message naming the limit, never left
// to exhaust the stack or the memory of the process.
//
// Stack: a walk spends at most a few hundred bytes per level (the parser's frames are the
// largest), so kWalkDepth levels stay far inside the 256 KiB the engine is tested with on a
// thread of its own.
#include <cstddef>
#include <string_view>

namespace zolk::jet::limits {

// Jet's own ceiling on the text of one statement, in characters.
inline constexpr std::size_t kStatementCharacters = 64000;
// Names, literals, keywords and symbols of one statement.
inline constexpr std::size_t kTerms = 20000;
// Levels of operators, function calls and parentheses inside one another.
inline constexpr int kNesting = 64;
// Calls any one walk of the tree may have open at once: a node costs a walk at most a few
// calls, and the rewrites add a level above some operands.
inline constexpr int kWalkDepth = 4 * kNesting;
// Fields of one select list once every * is expanded, and keys of one ORDER BY (Jet's 255).
inline constexpr std::size_t kFields = 255;
// Tables of one FROM clause (Jet's 32).
inline constexpr std::size_t kTables = 32;

// Refuses the text when it is longer than kStatementCharacters characters.
void checkLength(std::string_view sql);

// -2147217900: "The statement is too complex: <what>."
[[noreturn]] void exceeded(const std::string_view what);

// "more than 64 levels of parentheses, operators and function calls inside one another"
[[noreturn]] void tooDeep();

// One level of a recursive walk: refuses past kWalkDepth open levels of the same counter.
class WalkLevel {
public:
    explicit WalkLevel(int& depth) : depth_(depth) {
        if (++depth_ > kWalkDepth) {
            --depth_;
            tooDeep();
        }
    }
    ~WalkLevel() { --depth_; }
    WalkLevel(const WalkLevel&) = delete;
    WalkLevel& operator=(const WalkLevel&) = delete;

private:
    int& depth_;
};

}  // namespace zolk::jet::limits
