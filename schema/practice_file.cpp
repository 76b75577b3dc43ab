#include "schema/practice_file.h"

#include <algorithm>

#include "jet/engine.h"
#include "schema/practice_database.h"

namespace zolk::schema {

ExistingDatabase examineDatabase(const std::string& url) {
    const jet::DatabaseFile file = jet::inspectDatabase(url);
    ExistingDatabase result;
    result.path = file.path;
    result.exists = file.exists;
    result.version = file.userVersion;
    result.server = file.server;
    const bool stamped = file.userVersion != 0 || file.applicationId != 0;
    if (!stamped) {
        result.holding = file.tables.empty() ? Holding::Nothing : Holding::Unstamped;
        return result;
    }
    // Databases made before the application id was stamped carry the version and our tables.
    const bool ours = file.applicationId == ApplicationId ||
                      (file.applicationId == 0 &&
                       std::find(file.tables.begin(), file.tables.end(), "FichasClinicas") != file.tables.end());
    result.holding = ours ? Holding::Practice : Holding::OtherProgram;
    return result;
}

}  // namespace zolk::schema
