// Jet's LIKE, read once and matched byte by byte: its folding, wildcards, and the engine's use of it.
#include <gtest/gtest.h>
#include <unicode/uchar.h>

#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "jet/like_pattern.h"
#include "jet/tests/jet_test_support.h"
#include "platform/runtime_error.h"

namespace zolk::jet {
namespace {

// Pieces of text: ASCII of both cases, accented letters of both cases, the two characters above
// ASCII that fold to an ASCII letter (KELVIN SIGN, LONG S), a dotted capital I, a character
// outside the basic plane, and ill-formed bytes.
const std::vector<std::string> kTextPieces = {"a", "A", "b", "K", "k", "s", "S", "z", "1", " ", "%", "_",
                                              "[", "]", "!", "-", "ã", "Ã", "ç", "Ç", "é", "É", "ß",
                                              "\u212A", "\u017F", "\u0130", "\U0001F600", "\xff", "\xe2\x84"};

const std::vector<std::string> kPatternPieces = {
    "%", "%", "_", "a", "A", "k", "K", "s", "ã", "Ç", "é", "1", " ", "*", "?", "#", "!", "-", "]",
    "[abc]", "[a-z]", "[!abc]", "[A-Z]", "[ã-ç]", "[!ãé]", "[]]", "[!]]", "[a-]", "[k]", "[S-S]",
    "\u212A", "\u017F", "\xff"};

std::string randomText(std::mt19937& rng, const std::vector<std::string>& pieces, int maxPieces) {
    std::uniform_int_distribution<int> length(0, maxPieces);
    std::uniform_int_distribution<std::size_t> piece(0, pieces.size() - 1);
    std::string s;
    for (int i = length(rng); i > 0; --i) s += pieces[piece(rng)];
    return s;
}

TEST(LikePattern, CaseFoldedAccentsKeptWildcardsOfAnsi92) {
    struct Case {
        const char* text;
        const char* pattern;
        bool matches;
    };
    const Case cases[] = {
        {"JOÃO DA SILVA", "%joão%", true},   {"JOAO DA SILVA", "%joão%", false},
        {"Conceição", "%CONCEI_ÃO", true},   {"\u212Aelvin", "kelvin", true},
        {"Ma\u017Fa", "%MASA%", true},        {"abc", "a*", false},
        {"a*", "a*", true},                   {"b1", "[abc]1", true},
        {"Q", "[a-z]", true},                 {"ç", "[!abc]", true},
        {"aXbXc", "%b%c", true},              {"aXbXd", "%b%c", false},
        {"", "%", true},                      {"x", "", false},
        {"x\u212Aelvin", "%kelvin", true},    {"Ma\u017Fa", "%a%sa", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LikePattern(c.pattern).matches(c.text), c.matches) << c.text << " LIKE " << c.pattern;
}

TEST(LikePattern, AgreesThroughTheEngineWithAPatternKeptPerStatement) {
    testing::TempDatabase db;
    std::mt19937 rng(7);
    std::vector<std::string> texts;
    std::string fill = "CREATE TABLE Textos (Codigo INTEGER PRIMARY KEY, Texto VARCHAR(255));";
    for (int i = 0; i < 300; ++i) {
        std::string t = randomText(rng, kTextPieces, 10);
        // The engine's texts are whole characters: ill-formed bytes do not reach a table.
        if (t.find('\xff') != std::string::npos || t.find("\xe2\x84") != std::string::npos) t = "Conceição";
        texts.push_back(t);
        std::string quoted;
        for (char ch : t) quoted += ch == '\'' ? std::string("''") : std::string(1, ch);
        fill += "INSERT INTO Textos VALUES (" + std::to_string(i) + ", '" + quoted + "');";
    }
    fill += "INSERT INTO Textos VALUES (300, NULL);";
    auto session = db.create({fill});
    for (const std::string p : {"%ã%", "%k%", "%S%", "_[!a-z]%", "%Ç_", "[a-c]%", "%\u212A%"}) {
        std::set<std::int64_t> expected;
        for (std::size_t i = 0; i < texts.size(); ++i)
            if (likeMatchByCodePoints(texts[i], p)) expected.insert(std::int64_t(i));
        std::set<std::int64_t> got;
        const auto r = session->execute("SELECT Codigo FROM Textos WHERE Texto LIKE '" + p + "'");
        for (const auto& v : r.rows.cells) got.insert(static_cast<std::int64_t>(v.toDouble()));
        EXPECT_EQ(got, expected) << p;
        EXPECT_FALSE(expected.empty()) << p;
    }
}

}  // namespace
}  // namespace zolk::jet
