#include "jet/limits.h"

#include <string>

#include "platform/runtime_error.h"

namespace zolk::jet::limits {

void checkLength(std::string_view sql) {
    // Characters, not bytes: accented letters take two bytes in UTF-8.
    if (sql.size() <= kStatementCharacters) return;
    std::size_t characters = 0;
    for (const char c : sql)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++characters;
    if (characters > kStatementCharacters)
        exceeded("the text is longer than " + std::to_string(kStatementCharacters) + " characters");
}

void exceeded(const std::string_view what) {
    throw platform::RuntimeError(platform::err::DbErrorsInCommand,
                                 "The statement is too complex: " + std::string(what) + ".");
}

void tooDeep() {
    exceeded("more than " + std::to_string(kNesting) +
             " levels of parentheses, operators and function calls inside one another");
}

}  // namespace zolk::jet::limits
