// The reader of `fichas run` scripts: the three forms of a script, and texts that are not scripts
// refused with their place, never with an exception of the JSON library.
#include <gtest/gtest.h>

#include <string>

#include "cli/script_reader.h"

namespace zolk::cli {
namespace {

TEST(ScriptReader, ArraysSingleObjectsAndJsonLines) {
    EXPECT_EQ(readScript("[{\"get\": \"a.B\"}, {\"get\": \"a.C\"}]").size(), 2u);
    EXPECT_EQ(readScript("\xEF\xBB\xBF{\n \"get\": \"a.B\"\n}\n").size(), 1u);
    EXPECT_EQ(readScript("{\"get\": \"a.B\"}\n\n{\"get\": \"a.C\"}\n").size(), 2u);
    EXPECT_TRUE(readScript(" \n\t").empty());
}

TEST(ScriptReader, TextsThatAreNotScriptsNameTheirPlace) {
    struct Case { const char* text; std::size_t line, column; const char* inMessage; } cases[] = {
        {"[{\"get\": }]", 1, 10, "syntax error"},
        {"{\"get\": \"a.B\"}\n{\"let\": 1e999}", 2, 1, "number overflow"},
    };
    for (const Case& c : cases) {
        try {
            readScript(c.text);
            ADD_FAILURE() << c.text;
        } catch (const ScriptSyntaxError& e) {
            EXPECT_EQ(e.line(), c.line) << c.text << ": " << e.what();
            EXPECT_EQ(e.column(), c.column) << c.text << ": " << e.what();
            EXPECT_NE(std::string(e.what()).find(c.inMessage), std::string::npos) << e.what();
        }
    }
}

}  // namespace
}  // namespace zolk::cli
