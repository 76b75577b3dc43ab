#pragma once
// Search texts written to break a statement or the code around it: quotes, brackets, wildcards,
// comment markers, a second statement, control bytes, invalid UTF-8, direction marks, numbers
// at the edge of every conversion, and long runs of each. Generated from a fixed seed, so every
// run tries the same texts.
#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace zolk::reliability {

// The pieces the texts are built from, each hostile alone.
inline std::vector<std::string> hostileFragments() {
    using namespace std::string_literals;
    return {
        // quotes, as typed and as a name holds them
        "'", "''", "'''", "\"", "\"\"", "`", "\xE2\x80\x99", "\\'", "\\", "D'Ávila", "Sant'Anna",
        // brackets and Jet's wildcards and date delimiters
        "[", "]", "[]", "[a-z]", "[!a]", "[%]", "[_]", "(", ")", "()", "{", "}", "%", "%%", "_", "*", "?", "#",
        "#1/1/2000#", "&", "|", "^", "~", "!", "=", "<>", "<", ">",
        // comment markers and statement ends
        "--", "/*", "*/", "/**/", "//", ";", ";;", "\n--\n",
        // a second statement, a widened condition and a union
        "; DELETE * FROM FichasClinicas", "'; DELETE FROM Agendamentos; --", "' OR '1'='1", "' OR 1=1 --",
        "'); DROP TABLE FichasClinicas; --", "\"; UPDATE Produtos SET SaldoEmEstoque = 0; --",
        "' UNION SELECT Numero FROM FichasClinicas --", "%' AND 1=(SELECT COUNT(*) FROM Animais) AND '%'='",
        "'||(SELECT 1)||'", "' + Chr(39) + '", "'; INSERT INTO Agendamentos (Situacao) VALUES (1); --",
        "; ATTACH DATABASE '/tmp/x.db' AS x", "; PRAGMA writable_schema=1", "; VACUUM",
        // words the languages treat specially
        "NULL", "Null", "Empty", "True", "False", "Nothing", "SELECT", "WHERE", "LIKE", "ESCAPE", "Is Null",
        // control bytes and NUL
        "\0"s, "a\0b"s, "\0'; DELETE FROM Agendamentos; --"s, "\n", "\r\n", "\t", "\x1B[2J", "\x7F", "\x01",
        // invalid UTF-8: a lone continuation byte, a cut sequence, overlong, a surrogate, past U+10FFFF
        "\x80", "\xFF", "\xC3", "\xC3(", "\xE2\x82", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xFE\xFF",
        // direction marks, invisible characters and wide ones
        "\xE2\x80\xAE", "\xE2\x80\x8F", "\xE2\x80\xAD", "\xEF\xBB\xBF", "\xE2\x80\x8B", "\xE2\x80\xA8",
        "e\xCC\x81", "\xF0\x9D\x95\x8F", "\xF0\x9F\x90\xB6", "Çãõ", "ﬁ",
        // numbers at the edge of every conversion, and texts that look like numbers or dates
        "812", " 812 ", "-1", "0", "-0", "1e308", "1e309", "-1e309", "1e-400", "1,5", "1.5", "1.000,50",
        "&H7FFFFFFF", "&H80000000", "&HFFFFFFFFFFFF", "&O777", "2147483648", "-2147483649", "32768",
        "99999999999999999999999999999", "1d2", "$5", "(5)", "5-", "+", "-", ".", ",", "NaN", "Inf",
        "Infinity", "31/12/9999", "00/00/0000", "29/02/2023", "12:61:00",
        // ordinary words, so the texts also match real rows
        "Thor", "Rex", "ana", "", " ", "   ",
    };
}

// At least `count` distinct texts: every fragment alone, every fragment inside a word and doubled,
// long runs of some of them, then random joins of two to five fragments from `seed`.
inline std::vector<std::string> hostileTexts(std::size_t count, std::uint32_t seed = 20261206) {
    const std::vector<std::string> fragments = hostileFragments();
    std::vector<std::string> texts;
    std::set<std::string> seen;
    auto add = [&](std::string text) {
        if (seen.insert(text).second) texts.push_back(std::move(text));
    };
    for (const std::string& f : fragments) {
        add(f);
        add("Thor" + f);
        add(f + f);
    }
    for (const char* run : {"'", "[", "(", "%", "_", "-", "/*", "\xE2\x80\xAE", "\xFF", "9"})
        for (std::size_t n : {255u, 256u, 4096u, 65537u}) {
            std::string text;
            while (text.size() < n) text += run;
            add(text);
        }
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::size_t> pick(0, fragments.size() - 1);
    std::uniform_int_distribution<int> parts(2, 5);
    while (texts.size() < count) {
        std::string text;
        for (int n = parts(random); n > 0; --n) text += fragments[pick(random)];
        add(std::move(text));
    }
    return texts;
}

// One text of a megabyte mixing the worst of the fragments.
inline std::string megabyteText() {
    const std::string piece = "'%[_]--/*;\"\xE2\x80\xAE\xFF*/";
    std::string text;
    text.reserve((1u << 20) + piece.size());
    while (text.size() < (1u << 20)) text += piece;
    return text;
}

}  // namespace zolk::reliability
