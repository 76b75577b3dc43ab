#include "platform/dispatch.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/runtime_error.h"
#include "testsupport/raised.h"

namespace zolk::platform {
namespace {

using testsupport::errorNumber;
using testsupport::raised;

bool mentions(const RuntimeError& e, const std::string& text) {
    return e.description().find(text) != std::string::npos;
}

// A small object with one member of each shape the library's classes use.
class Probe : public Dispatchable {
public:
    std::string className() const override { return "clsProbe"; }
    const MemberTable& memberTable() const override {
        static const MemberTable table = [] {
            using P = ParamType;
            MemberTable t;
            t.add({"Selecionar", MemberKind::Operation,
                   {{"lintTamanho", P::Integer}, {"lvarFiltro", P::Variant}, {"ldouNumero", P::Double, true},
                    {"ldouCliente", P::Double, true}},
                   P::Integer,
                   method<Probe>([](Probe& o, CallArgs& a) { return o.received = a.values, Variant(std::int16_t{0}); })});
            t.add({"Valor", MemberKind::Let, {{"v", P::Double}}, P::Void,
                   method<Probe>([](Probe& o, CallArgs& a) { return o.valor = a[0].asDouble(), Variant(1.0); })});
            t.add({"Valor", MemberKind::Get, {}, P::Double,
                   method<Probe>([](Probe& o, CallArgs&) { return Variant(o.valor); })});
            t.add({"Total", MemberKind::Get, {}, P::Double,
                   [](Dispatchable&, CallArgs&) { return Variant(std::int32_t{7}); }});
            t.add({"Dados", MemberKind::Set, {{"o", P::Object}}, P::Void,
                   method<Probe>([](Probe& o, CallArgs& a) { return o.dados = a[0].asObject(), Variant(); })});
            t.add({"Paginar", MemberKind::Operation,
                   {{"lintItens", P::Integer}, {"lobjPagina", P::Object, false, true},
                    {"ldouLidos", P::Double, true, true}},
                   P::Integer, method<Probe>([](Probe& o, CallArgs& a) {
                       a[1] = Variant(o.shared_from_this());
                       a[2] = Variant(a[0].asInteger() * 2.0);
                       return Variant(std::int16_t{0});
                   })});
            t.add({"Mover", MemberKind::Operation, {}, P::Void, [](Dispatchable&, CallArgs&) -> Variant {
                       throw RuntimeError(err::AdoNoCurrentRecord, "Either BOF or EOF is True.");
                   }});
            t.add({"Converter", MemberKind::Operation, {}, P::Double,
                   [](Dispatchable&, CallArgs&) -> Variant { raise(err::TypeMismatch); }});
            return t;
        }();
        return table;
    }

    std::vector<Variant> received;
    double valor = 0;
    ObjectRef dados;
};

class Holder : public Dispatchable {
public:
    explicit Holder(Variant v) : value_(std::move(v)) {}
    std::string className() const override { return "Holder"; }
    const MemberTable& memberTable() const override { return table_; }
    Variant defaultValue(std::vector<Variant>&) override { return value_; }

private:
    Variant value_;
    MemberTable table_;
};

TEST(Dispatch, OptionalArgumentsMissingOrLeftOutArriveAsZero) {
    auto p = std::make_shared<Probe>();
    EXPECT_EQ(p->call("Selecionar", {Variant(10.0), Variant("x")}), Variant(std::int16_t{0}));
    EXPECT_EQ(p->received, (std::vector<Variant>{Variant(std::int16_t{10}), Variant("x"), Variant(0.0), Variant(0.0)}));
    p->call("Selecionar", {Variant(), Variant(), missingArgument(), Variant("95")});
    EXPECT_EQ(p->received[0], Variant(std::int16_t{0}));  // Empty is a value, not a missing argument
    EXPECT_EQ(p->received[3], Variant(95.0));

    RuntimeError e = raised([&] { p->call("Selecionar", {missingArgument(), Variant()}); });
    EXPECT_EQ(e.number(), err::DispParamNotOptional);
    EXPECT_TRUE(mentions(e, "Parameter not optional.") && mentions(e, "lintTamanho"));
    std::vector<Variant> five(5, Variant(1.0));
    EXPECT_EQ(errorNumber([&] { p->invoke("Selecionar", MemberKind::Operation, five); }), err::DispBadParamCount);
}

TEST(Dispatch, NamesIgnoreCaseAndUnknownOrMisusedNamesAreReported) {
    auto p = std::make_shared<Probe>();
    p->let("VALOR", Variant(true));  // converted before the body runs
    EXPECT_EQ(p->get("valor"), Variant(-1.0));
    RuntimeError e = raised([&] { p->call("Gravar"); });
    EXPECT_EQ(e.number(), err::DispUnknownName);
    EXPECT_TRUE(mentions(e, "Unknown name.") && mentions(e, "Gravar"));
    EXPECT_EQ(errorNumber([&] { p->let("Total", Variant(1.0)); }), err::DispMemberNotFound);
    EXPECT_EQ(errorNumber([&] { p->get("Dados"); }), err::DispMemberNotFound);
    // A Get reaches an operation, and converts the body's Long to the declared Double.
    EXPECT_EQ(p->get("Total"), Variant(7.0));
    EXPECT_EQ(errorNumber([&] { p->get("Mover"); }), err::AdoNoCurrentRecord);
}

TEST(Dispatch, BadArgumentsStopTheCallAndMembersKeepTheirErrors) {
    auto p = std::make_shared<Probe>();
    RuntimeError e = raised([&] { p->let("Valor", Variant("doze")); });
    EXPECT_EQ(e.number(), err::DispTypeMismatch);
    EXPECT_TRUE(mentions(e, "Type mismatch.") && mentions(e, "Valor"));
    EXPECT_EQ(p->valor, 0.0);  // the body did not run
    EXPECT_EQ(errorNumber([&] { p->call("Selecionar", {Variant(40000.0), Variant()}); }), err::DispOverflow);

    RuntimeError inside = raised([&] { p->call("Mover"); });
    EXPECT_EQ(inside.number(), err::AdoNoCurrentRecord);
    EXPECT_EQ(inside.description(), "Either BOF or EOF is True.");
    // A VB 13 raised by the body is not turned into the automation type mismatch.
    EXPECT_EQ(errorNumber([&] { p->call("Converter"); }), err::TypeMismatch);
}

TEST(Dispatch, SetAndByRefOutputs) {
    auto p = std::make_shared<Probe>();
    auto h = std::make_shared<Holder>(Variant("ana"));
    p->set("Dados", h);
    EXPECT_EQ(p->dados, h);
    std::vector<Variant> text{Variant("texto")};
    EXPECT_EQ(errorNumber([&] { p->invoke("Dados", MemberKind::Set, text); }), err::DispTypeMismatch);

    std::vector<Variant> args{Variant("3"), Variant(), Variant(0.0)};
    EXPECT_EQ(p->invoke("Paginar", MemberKind::Operation, args), Variant(std::int16_t{0}));
    EXPECT_EQ(args[0], Variant("3"));  // by value: the caller's text is untouched
    EXPECT_EQ(args[1].asObject(), p);
    EXPECT_EQ(args[2], Variant(6.0));
}

TEST(Coerce, ConvertsLikeVariantChangeTypeInPortuguese) {
    using P = ParamType;
    const struct { Variant in; ParamType type; Variant out; } cases[] = {
        {Variant("12,5"), P::Double, Variant(12.5)}, {Variant(2.5), P::Integer, Variant(std::int16_t{2})},
        {Variant(), P::Date, Variant(DateTime(0.0))}, {Variant(true), P::String, Variant("-1")},
        {Variant(1.23455), P::Currency, Variant(Currency::fromRaw(12346))}, {Variant::null(), P::Variant, Variant::null()},
    };
    for (const auto& c : cases) EXPECT_EQ(coerceArgument(c.in, c.type), c.out) << static_cast<int>(c.type);

    for (const auto& c : std::vector<std::pair<Variant, ParamType>>{
             {Variant(""), P::Double}, {Variant("abc"), P::Boolean}, {Variant::null(), P::String}, {Variant(12.0), P::Object}})
        EXPECT_EQ(errorNumber([&] { coerceArgument(c.first, c.second); }), err::DispTypeMismatch) << static_cast<int>(c.second);
    EXPECT_EQ(errorNumber([&] { coerceArgument(Variant(3e9), P::Long); }), err::DispOverflow);
    EXPECT_EQ(errorNumber([] { coerceArgument(missingArgument(), ParamType::Variant); }), err::DispParamNotOptional);
}

TEST(Factory, CreatesANewObjectEachTimeAndTellsUnknownFromUnbuilt) {
    Factory& shared = Factory::instance();
    shared.registerClass("ZolkDispatchTest.clsProbe", [] { return ObjectRef(std::make_shared<Probe>()); });
    ObjectRef a = CreateObject("ZOLKDISPATCHTEST.CLSPROBE");
    ASSERT_NE(a, nullptr);
    EXPECT_NE(a, shared.create("zolkdispatchtest.clsprobe"));

    Factory f;
    f.declareClass("Teste.clsFutura");
    RuntimeError unknown = raised([&] { f.create("Teste.clsInexistente"); });
    EXPECT_TRUE(unknown.number() == err::InvalidClassString && mentions(unknown, "Invalid class string"));
    RuntimeError unbuilt = raised([&] { f.create("teste.clsfutura"); });
    EXPECT_TRUE(unbuilt.number() == err::ClassNotRegistered && mentions(unbuilt, "Class not registered"));
}

}  // namespace
}  // namespace zolk::platform
