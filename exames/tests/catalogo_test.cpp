// The catalogue against the practice schema, and the shape of its runs.
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

TEST(Catalogo, RunsFollowOneAnotherEachInAlphabeticalOrder) {
    const std::size_t sizes[] = {14, 7, 21, 7, 39, 15, 1, 6, 11, 29, 30, 2};
    auto lower = [](std::string_view s) {
        std::string out(s);
        for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return out;
    };
    std::size_t at = 0;
    for (std::size_t r = 0; r < std::size(sizes); ++r)
        for (std::size_t k = 0; k < sizes[r]; ++k, ++at) {
            ASSERT_EQ(catalogo.at(at).extra, static_cast<exames::Run>(r + 1)) << catalogo.at(at).name;
            if (k > 0) {
                EXPECT_LT(lower(catalogo.at(at - 1).name), lower(catalogo.at(at).name));
            }
        }
    EXPECT_EQ(at, catalogo.size());
}

}  // namespace
}  // namespace zolk::exames::test
