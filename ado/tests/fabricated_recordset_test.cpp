// Recordsets built without a connection: Append, Open, AddNew, Update, values and their errors.
#include <gtest/gtest.h>

#include <functional>

#include "ado_test_support.h"

namespace zolk::ado::test {
namespace {

using platform::Currency;
using platform::DateTime;

TEST(FabricatedRecordset, AppendOpenAddNewUpdate) {
    auto rs = std::make_shared<Recordset>();
    rs->appendField("Numero", adtype::Double, 8, adattr::Fixed);
    rs->appendField("Nome", adtype::LongVarWChar, 536870910, adattr::Long | Nullable);
    rs->Open();
    EXPECT_TRUE(rs->BOF() && rs->EOF_());
    EXPECT_EQ(rs->RecordCount(), 0);
    rs->AddNew();
    EXPECT_TRUE(rs->value("Nome").isNull()) << "a new record starts with Null values";
    rs->setValue("numero", Variant(7.0));
    rs->Update();
    EXPECT_EQ(rs->value(0), Variant(7.0)) << "the updated record stays current";
    rs->AddNew();
    rs->AddNew();  // closes the pending one first
    EXPECT_EQ(rs->RecordCount(), 3);
    EXPECT_EQ(rs->AbsolutePosition(), 3);

    auto nome = rs->FieldsCollection()->Item(Variant("NOME"));
    EXPECT_EQ(nome->Name(), "Nome");
    EXPECT_EQ(nome->Type(), adtype::LongVarWChar);
    EXPECT_EQ(nome->DefinedSize(), 536870910);
    EXPECT_EQ(nome->Attributes(), adattr::Long | Nullable) << "attributes exactly as appended";
    EXPECT_EQ(rs->FieldsCollection()->Item(Variant(0.0))->Attributes(), adattr::Fixed);
}

TEST(FabricatedRecordset, AppendRefusals) {
    auto rs = std::make_shared<Recordset>();
    rs->appendField("A", adtype::Integer, 4, 0);
    EXPECT_EQ(errorOf([&] { rs->appendField("a", adtype::Double, 8, 0); }), err::AdoAlreadyInCollection);
    for (std::int32_t refused : {adtype::Empty, adtype::Variant, adtype::IDispatch, adtype::IUnknown,
                                 adtype::UserDefined, adtype::Chapter, 999})
        EXPECT_EQ(errorOf([&] { rs->appendField("T", refused, 0, 0); }), err::AdoArguments) << refused;
    rs->Open();
    EXPECT_EQ(errorOf([&] { rs->appendField("B", adtype::Integer, 4, 0); }), err::AdoNotAllowed);
    auto connected = std::make_shared<Recordset>();
    connected->ActiveConnection(std::make_shared<Connection>(nullptr));
    EXPECT_EQ(errorOf([&] { connected->appendField("B", adtype::Integer, 4, 0); }), err::AdoNotAllowed);
}

TEST(FabricatedRecordset, ValuesTakeTheFieldType) {
    auto rs = fabricate({{"L", adtype::Integer, 4, 0}, {"I", adtype::SmallInt, 2, 0},
                         {"D", adtype::Double, 8, 0}, {"C", adtype::Currency, 8, 0},
                         {"T", adtype::VarWChar, 5, adattr::IsNullable}, {"Dt", adtype::Date, 8, adattr::MayBeNull},
                         {"B", adtype::Boolean, 2, 0}},
                        {{2.5, 300, 12, "1.234,56", 12.5, "15/05/2024", 1}});
    EXPECT_EQ(rs->value("L"), Variant(2)) << "halves round to even";
    EXPECT_EQ(rs->value("I"), Variant(std::int16_t{300}));
    EXPECT_EQ(rs->value("D"), Variant(12.0));
    EXPECT_EQ(rs->value("C"), Variant(Currency::fromRaw(12345600)));
    EXPECT_EQ(rs->value("T"), Variant("12,5"));
    EXPECT_EQ(rs->value("Dt"), Variant(DateTime::fromParts(2024, 5, 15)));
    EXPECT_EQ(rs->value("B"), Variant(true));
    rs->setValue("T", Variant("longer than five"));
    EXPECT_EQ(rs->value("T"), Variant("longer than five")) << "DefinedSize does not cut texts";
    rs->setValue("T", Variant::null());
    rs->setValue("Dt", Variant::null());
    EXPECT_TRUE(rs->value("T").isNull() && rs->value("Dt").isNull());

    for (const auto& bad : std::vector<std::pair<const char*, Variant>>{
             {"L", Variant::null()}, {"L", Variant("abc")}, {"I", Variant(40000)}, {"Dt", Variant("31/02/2024")}})
        EXPECT_EQ(errorOf([&] { rs->setValue(bad.first, bad.second); }), err::DbErrorsOccurred) << bad.first;
    EXPECT_EQ(rs->value("L"), Variant(2)) << "a refused value leaves the field as it was";
}

TEST(FabricatedRecordset, OpenCloseAndClosedState) {
    auto rs = std::make_shared<Recordset>();
    EXPECT_EQ(errorOf([&] { rs->Open(); }), err::AdoConnectionInvalid) << "nothing to open";
    rs->Source("SELECT 1");
    EXPECT_EQ(errorOf([&] { rs->Open(); }), err::AdoConnectionInvalid) << "Source without connection";
    rs->Source("");
    rs->appendField("N", adtype::Integer, 4, 0);
    rs->Open();
    EXPECT_EQ(errorOf([&] { rs->Open(); }), err::AdoObjectOpen);
    EXPECT_EQ(errorOf([&] { rs->Source("SELECT 2"); }), err::AdoObjectOpen);
    rs->AddNew();
    rs->Close();
    for (const std::function<void()>& op : std::vector<std::function<void()>>{
             [&] { rs->RecordCount(); }, [&] { rs->PageCount(); }, [&] { rs->AbsolutePage(); },
             [&] { rs->AbsolutePosition(1); }, [&] { rs->BOF(); }, [&] { rs->EOF_(); },
             [&] { rs->MoveFirst(); }, [&] { rs->MoveNext(); }, [&] { rs->AddNew(); },
             [&] { rs->Update(); }, [&] { rs->value(0); }, [&] { rs->setValue(0, Variant()); },
             [&] { rs->Close(); }})
        EXPECT_EQ(errorOf(op), err::AdoObjectClosed);
    rs->PageSize(5);  // settings of a closed recordset stay available
    rs->Sort("N DESC");
    EXPECT_EQ(rs->fieldCount(), 1) << "appended fields survive Close";
    rs->Open();
    EXPECT_EQ(rs->RecordCount(), 0) << "a reopened fabricated recordset starts empty";
}

TEST(FabricatedRecordset, ValueNeedsAKnownFieldThenACurrentRecord) {
    auto rs = numbered(2);
    for (std::int32_t bad : {1, -1}) EXPECT_EQ(errorOf([&] { rs->value(bad); }), err::AdoItemNotFound);
    EXPECT_EQ(errorOf([&] { rs->FieldsCollection()->Item(Variant::null()); }), err::AdoItemNotFound);
    rs->MoveLast();
    rs->MoveNext();
    EXPECT_EQ(errorOf([&] { rs->value("Missing"); }), err::AdoItemNotFound);
    EXPECT_EQ(errorOf([&] { rs->value("N"); }), err::AdoNoCurrentRecord);
    EXPECT_EQ(errorOf([&] { rs->setValue("N", Variant(1.0)); }), err::AdoNoCurrentRecord);
    EXPECT_EQ(errorOf([&] { rs->Update(); }), err::AdoNoCurrentRecord);
}

TEST(FabricatedRecordset, NamesAreFoundIgnoringCaseInWideRecordsets) {
    auto rs = std::make_shared<Recordset>();
    for (int i = 39; i >= 0; --i) rs->appendField("Campo" + std::to_string(i), adtype::Integer, 4, 0);
    rs->Open();
    rs->AddNew();
    for (int i = 0; i < 40; ++i) rs->setValue("CAMPO" + std::to_string(i), Variant(i));
    for (int i = 0; i < 40; ++i) EXPECT_EQ(rs->value("cAmPo" + std::to_string(i)), Variant(i));
    for (const char* bad : {"Campo40", "Campo", ""})
        EXPECT_EQ(errorOf([&] { rs->fieldIndex(bad); }), err::AdoItemNotFound) << bad;

    jet::RowSet rows;  // an engine result may repeat a name: the first column answers
    rows.columns = {{"Nome"}, {"Codigo"}, {"NOME"}};
    rows.cells = {Variant("a"), Variant(1), Variant("b")};
    EXPECT_EQ(Recordset::fromRows(std::move(rows), "SELECT")->value("nome"), Variant("a"));
}

TEST(FabricatedRecordset, FieldObjectsFollowTheCursor) {
    auto rs = numbered(3);
    auto field = rs->FieldsCollection()->Item(Variant("n"));
    rs->MoveNext();
    EXPECT_EQ(field->Value(), Variant(2));
    field->Value(Variant(20.0));
    EXPECT_EQ(rs->value("N"), Variant(20));

    Recordset local;  // not owned by a shared_ptr: its fields still work
    local.appendField("X", adtype::VarWChar, 10, 0);
    local.Open();
    local.AddNew();
    local.FieldsCollection()->Item(Variant("x"))->Value(Variant("ok"));
    EXPECT_EQ(local.value("X"), Variant("ok"));
}

}  // namespace
}  // namespace zolk::ado::test
