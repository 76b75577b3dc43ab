#pragma once

namespace zolk::cli {

// Makes every class the command can create known to the object factory; safe to call again.
void registerLibraryClasses();

}  // namespace zolk::cli
