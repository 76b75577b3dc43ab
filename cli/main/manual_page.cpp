// Writes the manual page of fichas to standard output (run by the build).
#include <iostream>

#include "cli/command_line.h"
#include "cli/manual_page.h"

int main() {
    zolk::cli::CommandLineValues values;
    zolk::cli::writeManualPage(*zolk::cli::describeCommandLine(values), std::cout);
    return std::cout.good() ? 0 : 1;
}
