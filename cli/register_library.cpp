#include "cli/register_library.h"

#include <mutex>

#include "consultas/register.h"
#include "exames/register.h"
#include "fichas/register.h"
#include "frame/registration.h"
#include "vacinacoes/register.h"

namespace zolk::cli {

void registerLibraryClasses() {
    static std::once_flag once;
    std::call_once(once, [] {
        // The library declares its nine ProgIDs; each class built so far then gets its creator.
        frame::registerLibrary();
        fichas::registerClass();
        exames::registerClass();
        vacinacoes::registerClass();
        consultas::registerClasses();
    });
}

}  // namespace zolk::cli
