#include "cli/manual_page.h"

#include <cctype>
#include <ostream>
#include <sstream>
#include <string>

#include "cli/command_line.h"

namespace zolk::cli {

namespace {

// Text as roff shows it literally: backslashes escaped, hyphens as minus signs (so options
// can be copied and searched), and no line taken for a request.
std::string roff(const std::string& text) {
    std::string r;
    for (char c : text) {
        if (c == '\\') r += "\\e";
        else if (c == '-') r += "\\-";
        else r += c;
    }
    if (!r.empty() && (r[0] == '.' || r[0] == '\'')) r.insert(0, "\\&");
    return r;
}

std::string upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// "--database URL", "--json", "STATEMENT": how an option is written on the command line.
std::string usage(const CLI::Option& option) {
    if (!option.nonpositional()) return "\\fI" + upper(option.get_name(true)) + "\\fR";
    std::string names;
    for (const std::string& name : option.get_snames()) names += (names.empty() ? "-" : ", -") + name;
    for (const std::string& name : option.get_lnames()) names += (names.empty() ? "--" : ", --") + name;
    std::string text = "\\fB" + roff(names) + "\\fR";
    if (!option.get_type_name().empty()) text += " \\fI" + option.get_type_name() + "\\fR";
    return text;
}

void optionList(const CLI::App& app, std::ostream& out) {
    for (const CLI::Option* option : app.get_options({})) {
        out << ".TP\n" << usage(*option) << "\n" << roff(option->get_description()) << "\n";
    }
}

std::string synopsis(const CLI::App& sub) {
    std::string line = "\\fBfichas " + sub.get_name() + "\\fR";
    for (const CLI::Option* option : sub.get_options({})) {
        if (option == sub.get_help_ptr()) continue;
        const bool optional = !option->get_required();
        line += std::string(" ") + (optional ? "[" : "") + usage(*option) + (optional ? "]" : "");
    }
    return line;
}

// "NAME  text" lines of the help footers become tagged paragraphs.
void taggedLines(const std::string& text, std::ostream& out) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t gap = line.find("  ");
        const std::size_t start = line.find_first_not_of(' ', gap == std::string::npos ? 0 : gap);
        if (gap == 0) {
            out << roff(line.substr(start)) << "\n";  // continues the previous entry
        } else {
            out << ".TP\n.B " << roff(line.substr(0, gap)) << "\n" << roff(line.substr(start)) << "\n";
        }
    }
}

}  // namespace

void writeManualPage(const CLI::App& app, std::ostream& out) {
    out << ".TH FICHAS 1 \"\" \"" << roff(versionText()) << "\" \"User Commands\"\n"
        << ".SH NAME\nfichas \\- " << roff(app.get_description()) << "\n"
        << ".SH SYNOPSIS\n";
    for (const CLI::App* sub : app.get_subcommands({})) out << synopsis(*sub) << "\n.br\n";
    out << "\\fBfichas \\-\\-version\\fR\n"
        << ".SH DESCRIPTION\n"
        << "Each subcommand works on the practice database given with \\fB\\-\\-database\\fR (before or "
           "after the subcommand), else on the one the environment names (see ENVIRONMENT).\n"
        << ".SH COMMANDS\n";
    for (const CLI::App* sub : app.get_subcommands({})) {
        out << ".SS " << sub->get_name() << "\n" << roff(sub->get_description()) << "\n";
        optionList(*sub, out);
    }
    out << ".SH OPTIONS\n";
    optionList(app, out);
    out << ".SH ENVIRONMENT\n";
    taggedLines(EnvironmentHelp, out);
    out << ".SH \"EXIT STATUS\"\n";
    taggedLines(ExitStatusHelp, out);
}

}  // namespace zolk::cli
