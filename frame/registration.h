#pragma once
// The library's identity, the shape of its class table, its enumerations, and how the
// classes become creatable. The table itself, with the nine rows, lives above the classes
// (classes/class_table.cpp), since only there are the built classes known.
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "platform/dispatch.h"

namespace zolk::frame {

struct LibraryIdentity {
    std::string_view name;
    std::string_view helpString;
    std::string_view libraryId;
    int versionMajor;
    int versionMinor;
    std::string_view fileVersion;
};

struct ClassRegistration {
    std::string_view className;
    std::string_view progId;
    std::string_view classId;
    std::string_view interfaceName;
    std::string_view interfaceId;
    int memberCount;
    // Makes a new object of the class; nullptr while the class is not built.
    platform::ObjectRef (*create)();
};

// The creator of a class's row: create<clsFichasClinicas>.
template <class T>
platform::ObjectRef create() {
    return std::make_shared<T>();
}

struct EnumMember {
    std::string_view name;
    std::int32_t value;
};

struct Enumeration {
    std::string_view name;
    std::span<const EnumMember> members;
};

const LibraryIdentity& libraryIdentity();
std::span<const Enumeration> enumerations();
// The row of `classes` whose ProgID or class name is `progIdOrClassName` (letter case ignored).
const ClassRegistration* findClass(std::span<const ClassRegistration> classes, std::string_view progIdOrClassName);

// Registers the outside components and every row of `classes` with the object factory; a row
// without a creator stays declared ("class not registered").
void registerLibrary(std::span<const ClassRegistration> classes);

}  // namespace zolk::frame
