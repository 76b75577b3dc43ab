#pragma once
// The library's nine classes as the object factory knows them: each row's identifiers, member
// count and creator. Whoever creates classes by ProgID (the fichas command, the tests that
// create by name) calls registerClasses() first.
#include <span>
#include <string_view>

#include "frame/registration.h"

namespace zolk::classes {

std::span<const frame::ClassRegistration> classTable();
// The row of a class by ProgID or class name, letter case ignored; nullptr for another name.
const frame::ClassRegistration* findClass(std::string_view progIdOrClassName);
// Registers the outside components and the nine classes, the built ones with their creators;
// safe to call again.
void registerClasses();

}  // namespace zolk::classes
