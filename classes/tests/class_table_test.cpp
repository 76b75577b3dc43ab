// The class table: every row is creatable by its ProgID when its class is built, answers "class
// not registered" otherwise, and a built class has as many members as its row says.
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
        EXPECT_EQ(row.progId, "ZOLK_N_FichasClinicas." + std::string(row.className));
        EXPECT_EQ(row.interfaceName, "_" + std::string(row.className));
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

TEST(ClassTable, ARowIsFoundByProgIdOrClassNameInAnyLetterCase) {
    ASSERT_NE(findClass("clsexames"), nullptr);
    EXPECT_EQ(findClass("clsexames")->memberCount, 215);
    EXPECT_EQ(findClass("zolk_n_fichasclinicas.CLSFICHASCLINICAS")->className, "clsFichasClinicas");
    EXPECT_EQ(findClass("clsOutra"), nullptr);
}

}  // namespace
}  // namespace zolk::classes
