// Recordsets built without a connection: the page copy's Append, Open, AddNew, Update.
#include <gtest/gtest.h>

#include "ado_test_support.h"

namespace zolk::ado::test {
namespace {

using platform::Currency;
using platform::DateTime;
using platform::VarType;
namespace err = platform::err;

TEST(FabricatedRecordset, AppendOpenAddNewUpdate) {
    auto rs = std::make_shared<Recordset>();
    rs->appendField("Numero", adtype::Double, 8, adattr::Fixed);
    rs->appendField("Nome", adtype::VarWChar, 50, Nullable);
    EXPECT_EQ(rs->State(), 0);
    rs->Open();
    EXPECT_EQ(rs->State(), 1);
    EXPECT_EQ(rs->RecordCount(), 0);
    EXPECT_TRUE(rs->BOF());
    EXPECT_TRUE(rs->EOF_());

    rs->AddNew();
    EXPECT_TRUE(rs->value("Nome").isNull()) << "a new record starts with Null values";
    rs->setValue("Numero", Variant(7.0));
    rs->setValue("nome", Variant("Rex"));
    rs->Update();
    EXPECT_EQ(rs->RecordCount(), 1);
    EXPECT_FALSE(rs->EOF_()) << "the updated record stays current";
    EXPECT_EQ(rs->value("Nome"), Variant("Rex"));

    rs->AddNew();
    rs->setValue(0, Variant(8.0));
    rs->AddNew();  // closes the pending one first
    rs->setValue(0, Variant(9.0));
    rs->Update();
    EXPECT_EQ(rs->RecordCount(), 3);
    EXPECT_EQ(rs->AbsolutePosition(), 3);

    rs->MoveFirst();
    std::vector<double> seen;
    while (!rs->EOF_()) {
        seen.push_back(rs->value(0).asDouble());
        rs->MoveNext();
    }
    EXPECT_EQ(seen, (std::vector<double>{7.0, 8.0, 9.0}));
}

TEST(FabricatedRecordset, FieldsReportExactlyWhatWasAppended) {
    auto rs = std::make_shared<Recordset>();
    rs->appendField("Codigo", adtype::Integer, 4, 0);
    rs->appendField("Texto", adtype::LongVarWChar, 536870910, adattr::Long | Nullable);
    rs->appendField("Chave", adtype::Double, 8, adattr::KeyColumn | adattr::Fixed);
    auto fields = rs->FieldsCollection();
    ASSERT_EQ(fields->Count(), 3);
    auto texto = fields->Item(Variant("TEXTO"));
    EXPECT_EQ(texto->Name(), "Texto");
    EXPECT_EQ(texto->Type(), adtype::LongVarWChar);
    EXPECT_EQ(texto->DefinedSize(), 536870910);
    EXPECT_EQ(texto->Attributes(), adattr::Long | Nullable);
    EXPECT_EQ(fields->Item(Variant(std::int32_t{0}))->Attributes(), 0);
    EXPECT_EQ(fields->Item(Variant(std::int16_t{2}))->Attributes(), adattr::KeyColumn | adattr::Fixed);
    EXPECT_EQ(fields->Item(Variant(2.0))->Name(), "Chave");
}

TEST(FabricatedRecordset, AppendRefusals) {
    auto rs = std::make_shared<Recordset>();
    rs->appendField("A", adtype::Integer, 4, 0);
    EXPECT_EQ(errorOf([&] { rs->appendField("a", adtype::Double, 8, 0); }), err::AdoAlreadyInCollection);
    for (std::int32_t refused : {adtype::Empty, adtype::Variant, adtype::IDispatch, adtype::IUnknown,
                                 adtype::UserDefined, adtype::Chapter, 999})
        EXPECT_EQ(errorOf([&] { rs->appendField("T", refused, 0, 0); }), err::AdoArguments) << refused;
    EXPECT_EQ(rs->fieldCount(), 1);

    rs->Open();
    EXPECT_EQ(errorOf([&] { rs->appendField("B", adtype::Integer, 4, 0); }), err::AdoNotAllowed);

    auto connected = std::make_shared<Recordset>();
    connected->ActiveConnection(std::make_shared<Connection>(nullptr));
    EXPECT_EQ(errorOf([&] { connected->appendField("B", adtype::Integer, 4, 0); }), err::AdoNotAllowed);
    connected->ActiveConnection(nullptr);
    EXPECT_EQ(errorOf([&] { connected->appendField("B", adtype::Integer, 4, 0); }), 0);
}

TEST(FabricatedRecordset, ValueTakesTheFieldType) {
    auto rs = fabricate({{"L", adtype::Integer, 4, 0},
                         {"I", adtype::SmallInt, 2, 0},
                         {"D", adtype::Double, 8, 0},
                         {"C", adtype::Currency, 8, 0},
                         {"T", adtype::VarWChar, 5, 0},
                         {"Dt", adtype::Date, 8, 0},
                         {"B", adtype::Boolean, 2, 0}},
                        {{}});
    rs->setValue("L", Variant(2.5));
    EXPECT_EQ(rs->value("L"), Variant(std::int32_t{2})) << "CLng rounds halves to even";
    rs->setValue("I", Variant(std::int32_t{300}));
    EXPECT_EQ(rs->value("I"), Variant(std::int16_t{300}));
    rs->setValue("D", Variant(std::int32_t{12}));
    EXPECT_EQ(rs->value("D"), Variant(12.0));
    rs->setValue("D", Variant(12.5));
    EXPECT_EQ(rs->value("D"), Variant(12.5));
    rs->setValue("C", Variant("1.234,56"));
    EXPECT_EQ(rs->value("C"), Variant(Currency::fromRaw(12345600)));
    rs->setValue("T", Variant(12.5));
    EXPECT_EQ(rs->value("T"), Variant("12,5"));
    rs->setValue("T", Variant("longer than five"));
    EXPECT_EQ(rs->value("T"), Variant("longer than five")) << "DefinedSize does not cut texts";
    rs->setValue("Dt", Variant("15/05/2024"));
    EXPECT_EQ(rs->value("Dt"), Variant(DateTime::fromParts(2024, 5, 15)));
    rs->setValue("B", Variant(std::int32_t{1}));
    EXPECT_EQ(rs->value("B"), Variant(true));
}

TEST(FabricatedRecordset, UnstorableValuesAreRefused) {
    auto rs = fabricate({{"L", adtype::Integer, 4, 0},
                         {"I", adtype::SmallInt, 2, 0},
                         {"N", adtype::VarWChar, 50, adattr::IsNullable},
                         {"M", adtype::VarWChar, 50, adattr::MayBeNull},
                         {"Dt", adtype::Date, 8, Nullable}},
                        {{Variant(std::int32_t{5}), Variant(std::int16_t{1}), Variant("x"), Variant("y"),
                          Variant::null()}});
    EXPECT_EQ(errorOf([&] { rs->setValue("L", Variant::null()); }), err::DbErrorsOccurred);
    EXPECT_EQ(errorOf([&] { rs->setValue("L", Variant("abc")); }), err::DbErrorsOccurred);
    EXPECT_EQ(errorOf([&] { rs->setValue("I", Variant(std::int32_t{40000})); }), err::DbErrorsOccurred);
    EXPECT_EQ(errorOf([&] { rs->setValue("Dt", Variant("31/02/2024")); }), err::DbErrorsOccurred);
    EXPECT_EQ(rs->value("L"), Variant(std::int32_t{5})) << "a refused value leaves the field as it was";
    EXPECT_EQ(rs->value("I"), Variant(std::int16_t{1}));

    rs->setValue("N", Variant::null());
    rs->setValue("M", Variant::null());
    EXPECT_TRUE(rs->value("N").isNull());
    EXPECT_TRUE(rs->value("M").isNull());
}

TEST(FabricatedRecordset, OpenAndCloseRules) {
    auto rs = std::make_shared<Recordset>();
    EXPECT_EQ(errorOf([&] { rs->Open(); }), err::AdoConnectionInvalid) << "nothing to open";
    rs->Source("SELECT 1");
    EXPECT_EQ(errorOf([&] { rs->Open(); }), err::AdoConnectionInvalid) << "Source without connection";
    rs->Source("");
    EXPECT_EQ(errorOf([&] { rs->Close(); }), err::AdoObjectClosed);

    rs->appendField("A", adtype::Integer, 4, 0);
    rs->Open();
    EXPECT_EQ(errorOf([&] { rs->Open(); }), err::AdoObjectOpen);
    EXPECT_EQ(errorOf([&] { rs->Source("SELECT 2"); }), err::AdoObjectOpen);
    rs->AddNew();
    rs->setValue(0, Variant(std::int32_t{1}));
    rs->Update();
    rs->Close();
    EXPECT_EQ(rs->State(), 0);
    EXPECT_EQ(rs->fieldCount(), 1) << "appended fields survive Close";
    rs->Open();
    EXPECT_EQ(rs->RecordCount(), 0) << "reopening a fabricated recordset starts it empty";
}

TEST(FabricatedRecordset, ClosedRecordsetRefusesEverythingWithRows) {
    auto rs = numbered(3);
    rs->Close();
    for (auto op : std::vector<std::function<void()>>{
             [&] { rs->RecordCount(); }, [&] { rs->PageCount(); }, [&] { rs->AbsolutePage(); },
             [&] { rs->AbsolutePage(1); }, [&] { rs->AbsolutePosition(); }, [&] { rs->BOF(); },
             [&] { rs->EOF_(); }, [&] { rs->MoveFirst(); }, [&] { rs->MoveNext(); },
             [&] { rs->MovePrevious(); }, [&] { rs->MoveLast(); }, [&] { rs->AddNew(); },
             [&] { rs->Update(); }, [&] { rs->value(0); }, [&] { rs->setValue(0, Variant()); },
             [&] { rs->Close(); }})
        EXPECT_EQ(errorOf(op), err::AdoObjectClosed);
    // Settings that belong to a closed recordset stay available.
    rs->PageSize(5);
    EXPECT_EQ(rs->PageSize(), 5);
    rs->Sort("N DESC");
    EXPECT_EQ(rs->Sort(), "N DESC");
}

TEST(FabricatedRecordset, ValueNeedsACurrentRecordAndAKnownField) {
    auto rs = numbered(2);
    EXPECT_EQ(errorOf([&] { rs->value("Missing"); }), err::AdoItemNotFound);
    EXPECT_EQ(errorOf([&] { rs->value(1); }), err::AdoItemNotFound);
    EXPECT_EQ(errorOf([&] { rs->value(-1); }), err::AdoItemNotFound);
    rs->MoveLast();
    rs->MoveNext();
    ASSERT_TRUE(rs->EOF_());
    EXPECT_EQ(errorOf([&] { rs->value("N"); }), err::AdoNoCurrentRecord);
    EXPECT_EQ(errorOf([&] { rs->setValue("N", Variant(1.0)); }), err::AdoNoCurrentRecord);
    EXPECT_EQ(errorOf([&] { rs->Update(); }), err::AdoNoCurrentRecord);
    EXPECT_EQ(errorOf([&] { rs->value("Missing"); }), err::AdoItemNotFound) << "the name is checked first";

    auto empty = numbered(0);
    EXPECT_EQ(errorOf([&] { empty->value(0); }), err::AdoNoCurrentRecord);
}

TEST(FabricatedRecordset, NamesAreFoundIgnoringCaseInWideRecordsets) {
    auto rs = std::make_shared<Recordset>();
    for (int i = 39; i >= 0; --i) rs->appendField("Campo" + std::to_string(i), adtype::Integer, 4, 0);
    rs->Open();
    rs->AddNew();
    for (int i = 0; i < 40; ++i) rs->setValue("CAMPO" + std::to_string(i), Variant(std::int32_t{i}));
    for (int i = 0; i < 40; ++i) {
        EXPECT_EQ(rs->fieldIndex("campo" + std::to_string(i)), 39 - i);
        EXPECT_EQ(rs->value("cAmPo" + std::to_string(i)), Variant(std::int32_t{i}));
    }
    EXPECT_EQ(errorOf([&] { rs->fieldIndex("Campo40"); }), err::AdoItemNotFound);
    EXPECT_EQ(errorOf([&] { rs->fieldIndex("Campo"); }), err::AdoItemNotFound);
    EXPECT_EQ(errorOf([&] { rs->fieldIndex(""); }), err::AdoItemNotFound);

    // An engine result may repeat a name: the first column answers.
    jet::RowSet rows;
    rows.columns = {{"Nome"}, {"Codigo"}, {"NOME"}};
    rows.cells = {Variant("a"), Variant(1), Variant("b")};
    auto joined = Recordset::fromRows(std::move(rows), "SELECT");
    EXPECT_EQ(joined->value("nome"), Variant("a"));
}

TEST(FabricatedRecordset, FieldObjectsShareTheRecordsetState) {
    auto rs = numbered(3);
    auto field = rs->FieldsCollection()->Item(Variant("n"));
    EXPECT_EQ(field->Value(), Variant(std::int32_t{1}));
    rs->MoveNext();
    EXPECT_EQ(field->Value(), Variant(std::int32_t{2})) << "a Field follows the cursor";
    field->Value(Variant(20.0));
    EXPECT_EQ(rs->value("N"), Variant(std::int32_t{20}));
    EXPECT_EQ(errorOf([&] { rs->FieldsCollection()->Item(Variant(std::int32_t{1})); }), err::AdoItemNotFound);
    EXPECT_EQ(errorOf([&] { rs->FieldsCollection()->Item(Variant::null()); }), err::AdoItemNotFound);

    // A recordset that no shared_ptr owns still hands out working fields.
    Recordset local;
    local.appendField("X", adtype::VarWChar, 10, 0);
    local.Open();
    local.AddNew();
    local.FieldsCollection()->Item(Variant("x"))->Value(Variant("ok"));
    EXPECT_EQ(local.value("X"), Variant("ok"));
}

}  // namespace
}  // namespace zolk::ado::test
