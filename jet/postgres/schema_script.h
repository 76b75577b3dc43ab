#pragma once
// The practice's native scripts (written with the declared types VARCHAR(n), LONGTEXT, YESNO,
// CURRENCY, DATETIME, ... and SQLite's INTEGER PRIMARY KEY AUTOINCREMENT) as PostgreSQL runs
// them: names quoted so that they keep their letter case, texts under the "jet" collation and
// of any length (VARCHAR(n) as a domain "varchar(n)" over text, as SQLite keeps a longer text
// whole), AutoNumber as an identity column. The declared types are the extension's domains,
// so the catalog reads them back by the same names.
#include <string>
#include <string_view>

namespace zolk::jet::postgres {

std::string nativeScript(std::string_view script);

}  // namespace zolk::jet::postgres
