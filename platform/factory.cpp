#include <utility>

#include "platform/dispatch.h"
#include "platform/runtime_error.h"

namespace zolk::platform {

Factory& Factory::instance() {
    static Factory registry;
    return registry;
}

void Factory::registerClass(std::string progId, Creator creator) {
    for (Entry& e : entries_) {
        if (equalsNoCase(e.progId, progId)) {
            e.creator = std::move(creator);
            return;
        }
    }
    entries_.push_back(Entry{std::move(progId), std::move(creator)});
}

void Factory::declareClass(std::string progId) {
    if (!isKnown(progId)) entries_.push_back(Entry{std::move(progId), nullptr});
}

bool Factory::isKnown(std::string_view progId) const {
    for (const Entry& e : entries_)
        if (equalsNoCase(e.progId, progId)) return true;
    return false;
}

ObjectRef Factory::create(std::string_view progId) const {
    for (const Entry& e : entries_) {
        if (!equalsNoCase(e.progId, progId)) continue;
        if (!e.creator)
            throw RuntimeError(err::ClassNotRegistered,
                               "Class not registered (" + e.progId + ")");
        ObjectRef object = e.creator();
        if (!object)
            throw RuntimeError(err::ClassNotRegistered,
                               "Class not registered (" + e.progId + " made no object)");
        return object;
    }
    throw RuntimeError(err::InvalidClassString, "Invalid class string (" + std::string(progId) + ")");
}

ObjectRef CreateObject(std::string_view progId) { return Factory::instance().create(progId); }

}  // namespace zolk::platform
