// Recordset, Fields and Field called by member name, as scripts and late-bound callers use them.
#include <gtest/gtest.h>

#include "ado_test_support.h"
#include "platform/dispatch.h"

namespace zolk::ado::test {
namespace {

using platform::ObjectRef;

TEST(RecordsetByName, FabricateAndRead) {
    auto rs = std::make_shared<Recordset>();
    ObjectRef fields = rs->get("Fields").asObject();
    fields->call("Append", {Variant("Codigo"), Variant(3.0)});  // DefinedSize, Attrib left out: 0
    fields->call("Append", {Variant("Nome"), Variant(adtype::VarWChar), Variant(50.0), Variant(Nullable)});
    rs->call("Open");
    rs->call("AddNew", {Variant("Codigo"), Variant("12")});
    std::vector<Variant> nomeArg{Variant("NOME")};
    ObjectRef nome = rs->invoke("Fields", platform::MemberKind::Get, nomeArg).asObject();
    nome->let("Value", Variant("Tom"));
    rs->call("Update");
    rs->call("AddNew", {Variant(std::int16_t{0}), Variant(13)});
    rs->call("Update");

    std::vector<Variant> args{Variant("nome")};
    rs->call("MoveFirst");
    EXPECT_EQ(rs->defaultValue(args), Variant("Tom")) << "rs(\"nome\") is the field's value";
    std::vector<Variant> none;
    EXPECT_EQ(nome->defaultValue(none), Variant("Tom"));
    EXPECT_EQ(nome->get("Attributes"), Variant(Nullable));
    rs->call("MoveNext");
    args = {Variant(0.0)};
    EXPECT_EQ(rs->defaultValue(args), Variant(13));
    EXPECT_EQ(rs->get("EOF"), Variant(false));
    rs->call("MoveNext");
    EXPECT_EQ(rs->get("EOF"), Variant(true));
    EXPECT_EQ(errorOf([&] { rs->call("MoveNext"); }), err::AdoNoCurrentRecord);

    args = {Variant(std::int32_t{0})};
    ObjectRef codigo = fields->defaultValue(args).asObject();
    EXPECT_EQ(codigo->get("Attributes"), Variant(0));
    rs->call("MoveFirst");
    EXPECT_EQ(errorOf([&] { codigo->let("Value", Variant::null()); }), err::DbErrorsOccurred);
    EXPECT_EQ(errorOf([&] { fields->call("Append", {Variant("X"), Variant(3.0)}); }), err::AdoNotAllowed);
}

TEST(RecordsetByName, PropertiesAndConnection) {
    auto rs = fabricate({{"Nome", adtype::VarWChar, 50, 0}}, {{"Rex"}, {"Mia"}});
    rs->let("PageSize", Variant(1.0));
    EXPECT_EQ(rs->get("PageCount"), Variant(2));
    rs->let("AbsolutePage", Variant("2"));
    EXPECT_EQ(rs->get("AbsolutePosition"), Variant(2));
    rs->let("Sort", Variant("Nome"));
    EXPECT_EQ(rs->get("Sort"), Variant("Nome"));
    EXPECT_EQ(errorOf([&] { rs->let("PageSize", Variant(0)); }), err::AdoArguments);
    EXPECT_EQ(errorOf([&] { rs->let("RecordCount", Variant(1)); }), err::DispMemberNotFound);

    auto connection = std::make_shared<Connection>(std::make_unique<ScriptedSession>());
    rs->set("ActiveConnection", connection);
    EXPECT_EQ(rs->get("ActiveConnection").asObject(), connection);
    rs->let("ActiveConnection", Variant());
    EXPECT_EQ(rs->ActiveConnection(), nullptr);
    EXPECT_EQ(errorOf([&] { rs->set("ActiveConnection", rs); }), err::AdoArguments);
}

}  // namespace
}  // namespace zolk::ado::test
