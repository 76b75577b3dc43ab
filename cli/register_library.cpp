#include "cli/register_library.h"

#include <mutex>

#include "exames/register.h"
#include "fichas/register.h"
#include "frame/registration.h"

namespace zolk::cli {

void registerLibraryClasses() {
    static std::once_flag once;
    std::call_once(once, [] {
        // The library declares its nine ProgIDs; each class built so far then gets its creator.
        frame::registerLibrary();
        fichas::registerClass();
        exames::registerClass();
    });
}

}  // namespace zolk::cli
