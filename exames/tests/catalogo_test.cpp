// The exam catalogue against the practice schema, and the shape of its runs.
#include "exames/tests/fixture.h"

namespace zolk::exames::test {
namespace {

TEST_F(ExamesTest, CatalogueNamesEveryExamColumnOfTheSchemaInOrder) {
    const auto columns = schemaExamColumns();
    ASSERT_EQ(columns.size(), exameCount);
    for (std::size_t i = 0; i < exameCount; ++i) {
        EXPECT_EQ(catalogo[i].column(), columns[i]) << "position " << i;
        // A property differs from its column only in letter case, and only this once.
        if (catalogo[i].name != columns[i]) {
            EXPECT_EQ(catalogo[i].name, "HerpesvirusFelinoSN");
            EXPECT_TRUE(platform::equalsNoCase(catalogo[i].name, columns[i]));
        }
    }
    EXPECT_EQ(info(Exame::HerpesvirusFelinoSN).column(), "HerpesVirusFelinoSN");
}

TEST(Catalogo, RunsFollowOneAnotherEachInAlphabeticalOrder) {
    const std::size_t sizes[] = {14, 7, 21, 7, 39, 15, 1, 6, 11, 29, 30, 2};
    auto lower = [](std::string_view s) {
        std::string out(s);
        for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return out;
    };
    std::size_t at = 0;
    for (std::size_t r = 0; r < std::size(sizes); ++r) {
        const exames::Run run = static_cast<exames::Run>(r + 1);
        for (std::size_t k = 0; k < sizes[r]; ++k, ++at) {
            ASSERT_LT(at, exameCount);
            EXPECT_EQ(catalogo[at].run, run) << catalogo[at].name;
            if (k > 0) {
                EXPECT_LT(lower(catalogo[at - 1].name), lower(catalogo[at].name)) << catalogo[at].name;
            }
        }
    }
    EXPECT_EQ(at, exameCount);
    EXPECT_EQ(catalogo[indexOf(Exame::TesteParaAnemiaHemolitica) + 1].name, "ParasitologicosDeFezes");
    EXPECT_EQ(catalogo[indexOf(Exame::Urocultura) + 1].name, "Biopsia");
    EXPECT_EQ(catalogo[indexOf(Exame::Biopsia) + 1].name, "AnaliseDeCalculoUrinario");
}

TEST(Catalogo, InterfaceClosesTheParasiteRunWithParasitologicosDeFezes) {
    const auto order = interfaceOrder();
    ASSERT_EQ(order.size(), exameCount);
    const auto pos = [&](Exame e) { return std::find(order.begin(), order.end(), e) - order.begin(); };
    EXPECT_EQ(pos(Exame::PesquisaDeHematozoariosEMicrofilaria), pos(Exame::TesteParaAnemiaHemolitica) + 1);
    EXPECT_EQ(pos(Exame::ParasitologicosDeFezes), pos(Exame::PesquisaFecalDeCriptosporidiose) + 1);
    EXPECT_EQ(pos(Exame::ACTH), pos(Exame::ParasitologicosDeFezes) + 1);
    // Everything else keeps its catalogue place.
    for (std::size_t i = 0; i < exameCount; ++i) {
        if (info(order[i]).run != exames::Run::Parasitologia) {
            EXPECT_EQ(order[i], exameAt(i));
        }
    }
}

}  // namespace
}  // namespace zolk::exames::test
