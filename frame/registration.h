#pragma once
// The library's identity, its nine classes with their identifiers, and its enumerations.
#include <cstdint>
#include <span>
#include <string_view>

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
};

struct EnumMember {
    std::string_view name;
    std::int32_t value;
};

struct Enumeration {
    std::string_view name;
    std::span<const EnumMember> members;
};

const LibraryIdentity& libraryIdentity();
std::span<const ClassRegistration> classRegistrations();
std::span<const Enumeration> enumerations();
const ClassRegistration* findClass(std::string_view progIdOrClassName);

// Registers the outside components and declares the nine programmatic identifiers; a class
// that is not built yet stays declared without a creator ("class not registered").
void registerLibrary();

}  // namespace zolk::frame
