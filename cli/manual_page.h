#pragma once
// The manual page fichas(1), written from the same description as --help.
#include <CLI/CLI.hpp>

#include <iosfwd>

namespace zolk::cli {

// Writes the page in man(7) form: each subcommand with its options, the options every
// subcommand takes, the environment and the exit statuses.
void writeManualPage(const CLI::App& app, std::ostream& out);

}  // namespace zolk::cli
