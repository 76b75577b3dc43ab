#include "jet/sqlite/engine.h"

#include "jet/engine_registry.h"

namespace zolk::jet::sqlite {

const EngineEntry& entry() {
    static constexpr std::string_view kSchemes[] = {"sqlite"};
    static const EngineEntry e{"SQLite", kSchemes, true, &open, &identity, &inspect, &create};
    return e;
}

}  // namespace zolk::jet::sqlite
