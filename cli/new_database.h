#pragma once
// Where `fichas init` and `fichas demo` may make a practice database.
#include <iosfwd>
#include <string>

namespace zolk::cli {

// Whether a practice database may be made at `url`: nothing there yet (its folder must exist,
// except the default location's, which is made), a file that holds nothing, or, with `force`,
// a practice database. Anything else (a folder, another program's database, a damaged or
// unreadable file, a URL that names no file) is refused with a message on `err` naming the file
// and the reason. Changes nothing in the file.
bool mayMakePracticeDatabase(const std::string& url, bool force, std::ostream& err);

}  // namespace zolk::cli
