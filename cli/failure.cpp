#include <ostream>

#include "cli/command.h"
#include "platform/runtime_error.h"

namespace zolk::cli {

int reportFailure(std::ostream& err) {
    try {
        throw;
    } catch (const platform::RuntimeError& e) {
        err << "fichas: " << e.description() << " (error " << e.number() << ")\n";
    } catch (const std::exception& e) {
        err << "fichas: " << e.what() << "\n";
    }
    return ExitFailed;
}

}  // namespace zolk::cli
