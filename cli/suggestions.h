#pragma once
// "Did you mean ...?" for a mistyped subcommand or option.
#include <CLI/CLI.hpp>

#include <string>
#include <string_view>
#include <vector>

namespace zolk::cli {

// The candidate nearest to `word` by edit distance (a swap of two neighbouring letters counts
// as one edit), or the one `word` begins, when it is near enough to be what the user meant;
// empty otherwise. Ties go to the earlier candidate.
std::string nearestWord(std::string_view word, const std::vector<std::string>& candidates);

// The message for the words a parse of `app` left unread (empty when there are none): an
// unknown subcommand or option named with the nearest known one, or an unexpected argument.
std::string unknownWordsMessage(const CLI::App& app);

}  // namespace zolk::cli
