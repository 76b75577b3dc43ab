// The standard printer with no engine rules: the SQL an engine inherits unless its rules say
// otherwise, and a clear refusal where standard SQL has no form.
#include <gtest/gtest.h>

#include "jet/catalog.h"
#include "jet/printer.h"
#include "jet/translator.h"
#include "platform/runtime_error.h"

namespace zolk::jet {
namespace {

class OneTable final : public catalog::TableSource {
public:
    std::vector<std::string> tableNames() override { return {"Pessoas"}; }
    std::optional<catalog::Table> describe(const std::string& name) override {
        if (name != "Pessoas") return std::nullopt;
        catalog::Table t;
        t.name = "Pessoas";
        t.columns = {{"Codigo", JetType::Long, 4, true, true, true},
                     {"Nome", JetType::Text, 50},
                     {"Nascimento", JetType::Date, 8},
                     {"Peso", JetType::Double, 8}};
        t.uniqueKeys = {{"Codigo"}};
        t.buildIndex();
        return t;
    }
};

std::string print(const char* jet) {
    OneTable source;
    catalog::Catalog cat(source);
    const PrinterRules standard;
    const RulesGenerator gen(standard);
    return prepare(jet, cat, gen).translation.native;
}

TEST(StandardPrinter, WritesStandardFormsWhereNoRuleOverrides) {
    struct Case {
        const char* jet;
        const char* native;
    };
    const Case cases[] = {
        {"SELECT Trim(Nome) FROM Pessoas", R"(SELECT TRIM(BOTH ' ' FROM "Pessoas"."Nome") AS "Expr1000" FROM "Pessoas")"},
        {"SELECT Year(Nascimento) FROM Pessoas",
         R"(SELECT CAST(EXTRACT(YEAR FROM "Pessoas"."Nascimento") AS INTEGER) AS "Expr1000" FROM "Pessoas")"},
        {"SELECT Len(Nome), Mid(Nome, 2) FROM Pessoas",
         R"(SELECT CHAR_LENGTH("Pessoas"."Nome") AS "Expr1000", SUBSTRING("Pessoas"."Nome" FROM 2) AS "Expr1001" FROM "Pessoas")"},
        {"SELECT Max(Nome), Count(*) FROM Pessoas",
         R"(SELECT MAX("Pessoas"."Nome" COLLATE "jet") AS "Expr1000", COUNT(*) AS "Expr1001" FROM "Pessoas")"},
        // Dates meet numbers through the VB operator, which every engine carries.
        {"SELECT Nascimento + 1 FROM Pessoas",
         R"(SELECT jet_op('+', "Pessoas"."Nascimento", 'D', 1, 'L') AS "Expr1000" FROM "Pessoas")"},
        {"SELECT Codigo FROM Pessoas WHERE Nome BETWEEN Nome AND 'b'",
         R"(SELECT "Pessoas"."Codigo" AS "Codigo" FROM "Pessoas" WHERE ("Pessoas"."Nome" COLLATE "jet" BETWEEN LEAST("Pessoas"."Nome" COLLATE "jet", 'b') AND GREATEST("Pessoas"."Nome" COLLATE "jet", 'b')))"},
        {"SELECT Peso > 1 FROM Pessoas",
         R"(SELECT -CAST(("Pessoas"."Peso" > 1) AS INTEGER) AS "Expr1000" FROM "Pessoas")"},
    };
    for (const Case& c : cases) EXPECT_EQ(print(c.jet), c.native) << c.jet;
}

TEST(StandardPrinter, RefusesWhatHasNoStandardForm) {
    for (const char* jet : {"SELECT @@Identity", "SELECT DISTINCTROW P.Nome FROM Pessoas AS P, Pessoas AS Q"}) {
        try {
            print(jet);
            ADD_FAILURE() << jet;
        } catch (const platform::RuntimeError& e) {
            EXPECT_EQ(e.number(), platform::err::DbErrorsInCommand) << jet;
            EXPECT_NE(e.description().find("cannot be expressed on Standard."), std::string::npos) << e.description();
        }
    }
}

}  // namespace
}  // namespace zolk::jet
