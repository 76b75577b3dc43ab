#include "cli/suggestions.h"

#include <algorithm>

namespace zolk::cli {

namespace {

// Optimal string alignment distance: insertions, deletions, substitutions and swaps of two
// neighbouring characters each cost one.
std::size_t editDistance(std::string_view a, std::string_view b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
    for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i)
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    return d[a.size()][b.size()];
}

// The long and short names of the options `app` reads, its inherited ones included.
std::vector<std::string> optionNames(const CLI::App& app) {
    std::vector<std::string> names;
    for (const CLI::App* a = &app; a; a = a->get_parent())
        for (const CLI::Option* option : a->get_options({})) {
            for (const std::string& name : option->get_lnames()) names.push_back("--" + name);
            for (const std::string& name : option->get_snames()) names.push_back("-" + name);
        }
    return names;
}

const CLI::App* selectedSubcommand(const CLI::App& app) {
    for (const CLI::App* sub : app.get_subcommands({}))
        if (sub->parsed()) return sub;
    return nullptr;
}

std::string didYouMean(const std::string& nearest) {
    return nearest.empty() ? std::string() : "; did you mean " + nearest + "?";
}

}  // namespace

std::string nearestWord(std::string_view word, const std::vector<std::string>& candidates) {
    // Words this long are too far apart to guess at; they are also not worth the work.
    constexpr std::size_t LongestWord = 64;
    if (word.empty() || word.size() > LongestWord) return {};
    std::string best;
    std::size_t bestDistance = 0;
    for (const std::string& candidate : candidates) {
        const std::size_t distance = editDistance(word, candidate);
        if (best.empty() || distance < bestDistance) {
            best = candidate;
            bestDistance = distance;
        }
    }
    // One edit in a short word, else up to one in three letters (at least two), reads as a
    // typing mistake.
    const std::size_t allowed =
        word.size() <= 3 ? 1 : std::max<std::size_t>(2, std::max(word.size(), best.size()) / 3);
    if (!best.empty() && bestDistance <= allowed) return best;
    // An abbreviation: the only candidate that starts with the word ("--data" for "--database").
    std::string abbreviated;
    for (const std::string& candidate : candidates)
        if (word.size() >= 3 && candidate.size() > word.size() && candidate.compare(0, word.size(), word) == 0) {
            if (!abbreviated.empty() && abbreviated != candidate) return {};
            abbreviated = candidate;
        }
    return abbreviated;
}

std::string unknownWordsMessage(const CLI::App& app) {
    const std::vector<std::string> left = app.remaining(true);
    if (left.empty()) return {};
    const std::string& word = left.front();
    const CLI::App* sub = selectedSubcommand(app);
    const CLI::App& reader = sub ? *sub : app;
    const std::string where = sub ? " for " + sub->get_name() : std::string();
    if (word.size() > 1 && word[0] == '-') {
        const std::string name = word.substr(0, word.find('='));
        return "unknown option " + name + where + didYouMean(nearestWord(name, optionNames(reader)));
    }
    if (!sub) {
        std::vector<std::string> commands;
        for (const CLI::App* command : app.get_subcommands({})) commands.push_back(command->get_name());
        return "unknown command " + word + didYouMean(nearestWord(word, commands));
    }
    return "unexpected argument " + word + where;
}

}  // namespace zolk::cli
