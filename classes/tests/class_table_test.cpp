// The class table: a built row is creatable with its member count, the others are not registered.
#include <gtest/gtest.h>

#include "classes/class_table.h"
#include "platform/dispatch.h"
#include "platform/runtime_error.h"

namespace zolk::classes {
namespace {

TEST(ClassTable, BuiltClassesAreCreatedByProgIdWithTheirMembersAndTheOthersAreNotRegistered) {
    registerClasses();
    ASSERT_EQ(classTable().size(), 9u);
    for (const frame::ClassRegistration& row : classTable()) {
        if (row.create) {
            platform::ObjectRef object = platform::CreateObject(row.progId);
            ASSERT_TRUE(object) << row.className;
            EXPECT_EQ(object->className(), row.className);
            EXPECT_EQ(object->memberTable().members().size(), static_cast<std::size_t>(row.memberCount))
                << row.className;
        } else {
            try {
                platform::CreateObject(row.progId);
                ADD_FAILURE() << row.className << " was created without a creator";
            } catch (const platform::RuntimeError& e) {
                EXPECT_EQ(e.number(), platform::err::ClassNotRegistered) << row.className;
            }
        }
    }
}

}  // namespace
}  // namespace zolk::classes
