// The catalogue against the practice schema.
#include "exames/tests/fixture.h"

namespace zolk::exames::test {
namespace {

TEST_F(ExamesTest, CatalogueNamesEveryExamColumnOfTheSchemaInOrder) {
    const auto columns = schemaExamColumns();
    ASSERT_EQ(columns.size(), catalogo.size());
    for (std::size_t i = 0; i < catalogo.size(); ++i) {
        EXPECT_EQ(catalogo.at(i).column(), columns[i]) << i;
        // Properties are spelled as their columns, but for one letter of one of them.
        if (catalogo.at(i).name != columns[i]) {
            EXPECT_EQ(catalogo.at(i).name, "HerpesvirusFelinoSN");
        }
    }
}

}  // namespace
}  // namespace zolk::exames::test
