#pragma once
// The guided tour of `fichas demo`: a consultation recorded, listed, printed and changed through
// the clinical-record class, as a front end drives it, each step told for a person to read.
#include <iosfwd>
#include <string>

namespace zolk::cli {

// Makes a fresh demo practice database at `databaseUrl` (where nothing is yet, or, with `replace`,
// over a practice database), selects it for the data-object provider and runs the tour, writing
// to `out`. Returns 0 when every step went as the tour expects, 1 when one did not (the step says
// what happened).
int runDemoTour(const std::string& databaseUrl, std::ostream& out, bool replace = false);

}  // namespace zolk::cli
