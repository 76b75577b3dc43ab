#include "cli/register_library.h"

#include <mutex>

#include "frame/registration.h"

namespace zolk::cli {

void registerLibraryClasses() {
    static std::once_flag once;
    std::call_once(once, [] { frame::registerLibrary(); });
}

}  // namespace zolk::cli
