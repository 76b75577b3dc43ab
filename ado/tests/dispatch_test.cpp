// The ADO objects called by member name, as scripts and late-bound callers use them.
#include <gtest/gtest.h>

#include "ado_test_support.h"
#include "platform/dispatch.h"

namespace zolk::ado::test {
namespace {

namespace err = platform::err;
using platform::ObjectRef;

std::shared_ptr<Recordset> pets() {
    return fabricate({{"Codigo", adtype::Integer, 4, adattr::Fixed}, {"Nome", adtype::VarWChar, 50, Nullable}},
                     {{1, "Rex"}, {2, "Mia"}});
}

TEST(RecordsetByName, CursorAndDefaultMember) {
    auto rs = pets();
    std::vector<Variant> byName{Variant("nome")};
    EXPECT_EQ(rs->defaultValue(byName), Variant("Rex"));
    rs->call("MoveNext");
    std::vector<Variant> byPosition{Variant(std::int16_t{0})};
    EXPECT_EQ(rs->defaultValue(byPosition), Variant(std::int32_t{2}));
    EXPECT_EQ(rs->get("EOF"), Variant(false));
    rs->call("MoveNext");
    EXPECT_EQ(rs->get("EOF"), Variant(true));
    EXPECT_EQ(rs->get("BOF"), Variant(false));
    EXPECT_EQ(rs->get("RecordCount"), Variant(std::int32_t{2}));
    EXPECT_EQ(errorOf([&] { rs->call("MoveNext"); }), err::AdoNoCurrentRecord);
    std::vector<Variant> unknown{Variant("Raca")};
    EXPECT_EQ(errorOf([&] { rs->defaultValue(unknown); }), err::AdoItemNotFound);

    std::vector<Variant> none;
    Variant fields = rs->defaultValue(none);
    ASSERT_TRUE(fields.isObject());
    EXPECT_EQ(fields.asObject()->get("Count"), Variant(std::int32_t{2}));
}

TEST(RecordsetByName, PropertiesCoerceTheirArguments) {
    auto rs = pets();
    rs->let("PageSize", Variant(1.0));
    EXPECT_EQ(rs->get("PageCount"), Variant(std::int32_t{2}));
    rs->let("AbsolutePage", Variant("2"));
    EXPECT_EQ(rs->get("AbsolutePosition"), Variant(std::int32_t{2}));
    rs->let("Sort", Variant("Nome"));
    EXPECT_EQ(rs->get("Sort"), Variant("Nome"));
    std::vector<Variant> first{Variant(std::int32_t{1})};
    EXPECT_EQ(rs->defaultValue(first), Variant("Mia"));
    EXPECT_EQ(errorOf([&] { rs->let("PageSize", Variant(std::int32_t{0})); }), err::AdoArguments);
    EXPECT_EQ(errorOf([&] { rs->let("RecordCount", Variant(std::int32_t{1})); }), err::DispMemberNotFound);
    EXPECT_EQ(errorOf([&] { rs->call("Requery"); }), err::DispUnknownName);
}

TEST(RecordsetByName, FabricateThroughDispatch) {
    auto rs = std::make_shared<Recordset>();
    ObjectRef fields = rs->get("Fields").asObject();
    // DefinedSize and Attrib left out: 0, so the field refuses Null.
    fields->call("Append", {Variant("Codigo"), Variant(3.0)});
    fields->call("Append", {Variant("Nome"), Variant(std::int32_t{adtype::VarWChar}), Variant(50.0),
                            Variant(std::int32_t{Nullable})});
    rs->call("Open");
    EXPECT_EQ(rs->get("State"), Variant(std::int32_t{1}));
    rs->call("AddNew", {Variant("Codigo"), Variant("12")});
    std::vector<Variant> nomeArg{Variant("NOME")};
    ObjectRef nome = rs->invoke("Fields", platform::MemberKind::Get, nomeArg).asObject();
    nome->let("Value", Variant("Tom"));
    rs->call("Update");
    EXPECT_EQ(rs->value("Codigo"), Variant(std::int32_t{12}));
    EXPECT_EQ(nome->get("Value"), Variant("Tom"));
    std::vector<Variant> none;
    EXPECT_EQ(nome->defaultValue(none), Variant("Tom"));
    EXPECT_EQ(nome->get("Type"), Variant(std::int32_t{adtype::VarWChar}));
    EXPECT_EQ(nome->get("DefinedSize"), Variant(std::int32_t{50}));
    EXPECT_EQ(nome->get("Attributes"), Variant(std::int32_t{Nullable}));
    EXPECT_EQ(errorOf([&] { fields->get("Item"); }), err::DispBadParamCount) << "Item needs its index";
    std::vector<Variant> zero{Variant(std::int32_t{0})};
    ObjectRef first = fields->defaultValue(zero).asObject();
    EXPECT_EQ(first->get("Name"), Variant("Codigo"));
    EXPECT_EQ(first->get("Attributes"), Variant(std::int32_t{0}));
    EXPECT_EQ(errorOf([&] { first->let("Value", Variant::null()); }), err::DbErrorsOccurred);
    EXPECT_EQ(errorOf([&] { fields->call("Append", {Variant("X"), Variant(3.0)}); }), err::AdoNotAllowed);
}

TEST(RecordsetByName, ActiveConnectionSetAndCleared) {
    auto rs = pets();
    auto connection = std::make_shared<Connection>(std::make_unique<ScriptedSession>());
    rs->set("ActiveConnection", connection);
    EXPECT_EQ(rs->get("ActiveConnection").asObject(), connection);
    rs->set("ActiveConnection", nullptr);
    EXPECT_EQ(rs->ActiveConnection(), nullptr);
    rs->let("ActiveConnection", Variant(ObjectRef(connection)));
    EXPECT_EQ(rs->ActiveConnection(), connection);
    rs->let("ActiveConnection", Variant());
    EXPECT_EQ(rs->ActiveConnection(), nullptr);
    EXPECT_EQ(errorOf([&] { rs->set("ActiveConnection", pets()); }), err::AdoArguments);
}

}  // namespace
}  // namespace zolk::ado::test
