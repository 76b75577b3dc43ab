// The catalog: declared type names to Jet types, and tables that appear after it was read.
#include <gtest/gtest.h>

#include "jet/catalog.h"

namespace zolk::jet::catalog {
namespace {

// The declared names of the practice's own columns are read in the field descriptions of the
// results; here the spellings other tools write.
TEST(Catalog, DeclaredTypeNames) {
    const struct {
        const char* declared;
        JetType type;
        int size;
    } rows[] = {{"varchar(14)", JetType::Text, 14}, {" yesno ", JetType::Boolean, 2}, {"TEXT", JetType::Text, 255},
                {"BIGINT", JetType::Long, 4},       {"REAL", JetType::Double, 8},     {"", JetType::Text, 255}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.declared);
        const auto d = typeFromDeclared(r.declared);
        EXPECT_EQ(d.type, r.type);
        EXPECT_EQ(d.size, r.size);
    }
}

class FakeSource : public TableSource {
public:
    std::vector<std::string> names{"Pessoas"};
    int listed = 0;
    std::vector<std::string> tableNames() override {
        ++listed;
        return names;
    }
    std::optional<Table> describe(const std::string& table) override {
        Table t;
        t.name = table;
        t.columns.push_back({"Codigo", JetType::Long, 4, true, true, true});
        if (table == "Filhos") t.foreignKeys.push_back({"Filhos", "CodigoDoPai", "Pessoas", "Codigo"});
        return t;
    }
};

TEST(Catalog, FindsTablesInAnyCaseAndSeesTablesAddedLater) {
    FakeSource src;
    Catalog cat(src);
    ASSERT_NE(cat.find("PESSOAS"), nullptr);
    EXPECT_EQ(cat.find("pessoas")->name, "Pessoas");
    EXPECT_EQ(cat.find("Filhos"), nullptr);
    src.names.push_back("Filhos");  // a table the practice adds later
    const Table* f = cat.find("filhos");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->find("codigo")->type, JetType::Long);
    const auto refs = cat.referring("Pessoas");
    ASSERT_EQ(refs.size(), 1u);
    EXPECT_EQ(refs[0]->name, "Filhos");
}

}  // namespace
}  // namespace zolk::jet::catalog
