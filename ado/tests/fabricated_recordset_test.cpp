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
    rs->AddNew();
    EXPECT_TRUE(rs->value("Nome").isNull()) << "a new record starts with Null values";
    rs->setValue("numero", Variant(7.0));
    rs->Update();
    EXPECT_EQ(rs->value(0), Variant(7.0)) << "the updated record stays current";
    rs->AddNew();
    rs->AddNew();  // closes the pending one first
    EXPECT_EQ(rs->AbsolutePosition(), 3);
    EXPECT_EQ(rs->FieldsCollection()->Item(Variant("NOME"))->Attributes(), adattr::Long | Nullable) << "as appended";
}

TEST(FabricatedRecordset, AppendRefusals) {
    auto rs = std::make_shared<Recordset>();
    rs->appendField("A", adtype::Integer, 4, 0);
    EXPECT_EQ(errorOf([&] { rs->appendField("a", adtype::Double, 8, 0); }), err::AdoAlreadyInCollection);
    EXPECT_EQ(errorOf([&] { rs->appendField("T", 999, 0, 0); }), err::AdoArguments);
    rs->Open();
    EXPECT_EQ(errorOf([&] { rs->appendField("B", adtype::Integer, 4, 0); }), err::AdoNotAllowed);
}

TEST(FabricatedRecordset, ValuesTakeTheFieldType) {
    auto rs = fabricate({{"L", adtype::Integer, 4, 0}, {"I", adtype::SmallInt, 2, 0},
                         {"D", adtype::Double, 8, 0}, {"C", adtype::Currency, 8, 0},
                         {"T", adtype::VarWChar, 5, adattr::IsNullable}, {"Dt", adtype::Date, 8, adattr::MayBeNull},
                         {"B", adtype::Boolean, 2, 0}},
                        {{2.5, 300, 12, "1.234,56", 12.5, "15/05/2024", 1}});
    EXPECT_EQ(rs->value("L"), Variant(2)) << "halves round to even";
    EXPECT_EQ(rs->value("C"), Variant(Currency::fromRaw(12345600)));
    EXPECT_EQ(rs->value("T"), Variant("12,5"));
    EXPECT_EQ(rs->value("Dt"), Variant(DateTime::fromParts(2024, 5, 15)));
    EXPECT_EQ(rs->value("B"), Variant(true));
    rs->setValue("T", Variant("longer than five"));
    EXPECT_EQ(rs->value("T"), Variant("longer than five")) << "DefinedSize does not cut texts";
    for (const auto& bad : std::vector<std::pair<const char*, Variant>>{
             {"L", Variant::null()}, {"L", Variant("abc")}, {"I", Variant(40000)}, {"Dt", Variant("31/02/2024")}})
        EXPECT_EQ(errorOf([&] { rs->setValue(bad.first, bad.second); }), err::DbErrorsOccurred) << bad.first;
    EXPECT_EQ(rs->value("L"), Variant(2)) << "a refused value leaves the field as it was";
}

TEST(FabricatedRecordset, OpenCloseAndClosedState) {
    auto rs = std::make_shared<Recordset>();
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
             [&] { rs->RecordCount(); }, [&] { rs->MoveFirst(); }, [&] { rs->value(0); }, [&] { rs->Close(); }})
        EXPECT_EQ(errorOf(op), err::AdoObjectClosed);
    EXPECT_EQ(rs->fieldCount(), 1) << "appended fields survive Close";
    rs->Open();
    EXPECT_EQ(rs->RecordCount(), 0) << "a reopened fabricated recordset starts empty";
}

TEST(FabricatedRecordset, ValueNeedsAKnownFieldThenACurrentRecord) {
    auto rs = numbered(2);
    EXPECT_EQ(errorOf([&] { rs->value(1); }), err::AdoItemNotFound);
    rs->MoveLast();
    rs->MoveNext();
    EXPECT_EQ(errorOf([&] { rs->value("Missing"); }), err::AdoItemNotFound);
    EXPECT_EQ(errorOf([&] { rs->value("N"); }), err::AdoNoCurrentRecord);
    EXPECT_EQ(errorOf([&] { rs->setValue("N", Variant(1.0)); }), err::AdoNoCurrentRecord);
}

}  // namespace
}  // namespace zolk::ado::test
