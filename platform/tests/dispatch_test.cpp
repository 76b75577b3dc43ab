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
            MemberTable t;
            t.add({"Selecionar",
                   MemberKind::Operation,
                   {{"lintTamanho", ParamType::Integer},
                    {"lvarFiltro", ParamType::Variant}, {"ldouNumero", ParamType::Double, true},
                    {"ldouCliente", ParamType::Double, true}},
                   ParamType::Integer,
                   method<Probe>([](Probe& self, CallArgs& a) {
                       self.received = a.values;
                       return Variant(std::int16_t{0});
                   })});
            t.add({"Valor", MemberKind::Let, {{"v", ParamType::Double}}, ParamType::Void,
                   method<Probe>([](Probe& self, CallArgs& a) {
                       self.valor = a[0].asDouble();
                       return Variant(1.0);
                   })});
            t.add({"Valor", MemberKind::Get, {}, ParamType::Double,
                   method<Probe>([](Probe& self, CallArgs&) { return Variant(self.valor); })});
            t.add({"Nome", MemberKind::Let, {{"v", ParamType::String}}, ParamType::Void,
                   method<Probe>([](Probe& self, CallArgs& a) {
                       self.nome = a[0].asString();
                       return Variant();
                   })});
            t.add({"Total", MemberKind::Get, {}, ParamType::Double,
                   [](Dispatchable&, CallArgs&) { return Variant(std::int32_t{7}); }});
            t.add({"Dados", MemberKind::Set, {{"o", ParamType::Object}}, ParamType::Void,
                   method<Probe>([](Probe& self, CallArgs& a) {
                       self.dados = a[0].asObject();
                       return Variant();
                   })});
            t.add({"Paginar",
                   MemberKind::Operation,
                   {{"lintItens", ParamType::Integer},
                    {"lobjPagina", ParamType::Object, false, true},
                    {"ldouLidos", ParamType::Double, true, true}},
                   ParamType::Integer,
                   method<Probe>([](Probe& self, CallArgs& a) {
                       a[1] = Variant(self.shared_from_this());
                       a[2] = Variant(static_cast<double>(a[0].asInteger()) * 2);
                       return Variant(std::int16_t{0});
                   })});
            t.add({"Mover", MemberKind::Operation, {}, ParamType::Void,
                   [](Dispatchable&, CallArgs&) -> Variant {
                       throw RuntimeError(err::AdoNoCurrentRecord, "Either BOF or EOF is True.");
                   }});
            t.add({"Converter", MemberKind::Operation, {}, ParamType::Double,
                   [](Dispatchable&, CallArgs&) -> Variant { raise(err::TypeMismatch); }});
            return t;
        }();
        return table;
    }

    std::vector<Variant> received;
    double valor = 0;
    std::string nome;
    ObjectRef dados;
};

// An object whose default value is a fixed value (a field, a keyed collection entry).
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

std::shared_ptr<Probe> makeProbe() { return std::make_shared<Probe>(); }

// ---- Dispatch by name ----

TEST(Dispatch, OptionalArgumentsMissingOrLeftOutArriveAsZero) {
    auto p = makeProbe();
    EXPECT_EQ(p->call("Selecionar", {Variant(10.0), Variant("x")}), Variant(std::int16_t{0}));
    EXPECT_EQ(p->received, (std::vector<Variant>{Variant(std::int16_t{10}), Variant("x"),
                                                 Variant(0.0), Variant(0.0)}));
    p->call("Selecionar", {Variant(1.0), Variant(), missingArgument(), Variant("95")});
    EXPECT_EQ(p->received[1], Variant());  // Empty stays Empty in a Variant parameter
    EXPECT_EQ(p->received[2], Variant(0.0));
    EXPECT_EQ(p->received[3], Variant(95.0));
    // Empty is a value: it converts, it is not a missing argument.
    p->call("Selecionar", {Variant(), Variant(), Variant()});
    EXPECT_EQ(p->received[0], Variant(std::int16_t{0}));

    RuntimeError e = raised([&] { p->call("Selecionar", {missingArgument(), Variant()}); });
    EXPECT_EQ(e.number(), err::DispParamNotOptional);
    EXPECT_TRUE(mentions(e, "Parameter not optional.") && mentions(e, "lintTamanho"));
    EXPECT_EQ(errorNumber([&] { p->call("Selecionar", {Variant(1.0), missingArgument()}); }),
              err::DispParamNotOptional);
}

TEST(Dispatch, ArgumentCountOutsideTheDeclarationIsBadParamCount) {
    auto p = makeProbe();
    for (std::size_t n : {0u, 1u, 5u}) {
        std::vector<Variant> args(n, Variant(1.0));
        EXPECT_EQ(errorNumber([&] { p->invoke("Selecionar", MemberKind::Operation, args); }),
                  err::DispBadParamCount) << n;
    }
    EXPECT_EQ(errorNumber([&] { p->call("Mover", {Variant(1.0)}); }), err::DispBadParamCount);
    EXPECT_TRUE(p->received.empty());
}

TEST(Dispatch, NamesIgnoreCaseAndUnknownOrMisusedNamesAreReported) {
    auto p = makeProbe();
    p->let("VALOR", Variant("12,5"));
    EXPECT_EQ(p->get("valor"), Variant(12.5));
    RuntimeError e = raised([&] { p->call("Gravar"); });
    EXPECT_EQ(e.number(), err::DispUnknownName);
    EXPECT_TRUE(mentions(e, "Unknown name.") && mentions(e, "Gravar"));
    EXPECT_EQ(errorNumber([&] { p->get("Valo"); }), err::DispUnknownName);
    EXPECT_EQ(errorNumber([&] { p->let("Valorr", Variant(1.0)); }), err::DispUnknownName);
    // A known name used as what it is not is another error.
    EXPECT_EQ(errorNumber([&] { p->get("Nome"); }), err::DispMemberNotFound);  // Let only
    EXPECT_EQ(errorNumber([&] { p->let("Total", Variant(1.0)); }), err::DispMemberNotFound);  // Get only
    EXPECT_EQ(errorNumber([&] { p->set("Valor", nullptr); }), err::DispMemberNotFound);  // Let, no Set
    EXPECT_EQ(errorNumber([&] { p->let("Dados", Variant()); }), err::DispMemberNotFound);  // Set, no Let
    EXPECT_EQ(errorNumber([&] { p->get("Dados"); }), err::DispMemberNotFound);
    EXPECT_EQ(errorNumber([&] { p->let("Selecionar", Variant(1.0)); }), err::DispMemberNotFound);
}

TEST(Dispatch, CallAndGetReachOperationsAndGetsAndConvertTheResult) {
    auto p = makeProbe();
    // The body of Total answers a Long; the member declares a Double.
    EXPECT_EQ(p->call("total"), Variant(7.0));
    EXPECT_EQ(p->get("Total"), Variant(7.0));
    // A Get of an operation runs it: the operation's own error shows it was reached.
    EXPECT_EQ(errorNumber([&] { p->get("Mover"); }), err::AdoNoCurrentRecord);
    EXPECT_EQ(errorNumber([&] { p->get("Selecionar"); }), err::DispBadParamCount);
    // A Let answers nothing whatever its body returns.
    std::vector<Variant> args{Variant(2.0)};
    EXPECT_TRUE(p->invoke("Valor", MemberKind::Let, args).isEmpty());
}

TEST(Dispatch, ArgumentsAreConvertedBeforeTheBodyRuns) {
    auto p = makeProbe();
    p->let("Valor", Variant(true));
    EXPECT_EQ(p->valor, -1.0);
    p->let("Nome", Variant(12.5));
    EXPECT_EQ(p->nome, "12,5");

    RuntimeError e = raised([&] { p->let("Valor", Variant("doze")); });
    EXPECT_EQ(e.number(), err::DispTypeMismatch);
    EXPECT_TRUE(mentions(e, "Type mismatch.") && mentions(e, "Valor"));
    EXPECT_EQ(p->valor, -1.0);  // the body did not run
    EXPECT_EQ(errorNumber([&] { p->call("Selecionar", {Variant(40000.0), Variant()}); }),
              err::DispOverflow);
}

TEST(Dispatch, SetTakesObjectsAndNothing) {
    auto p = makeProbe();
    auto h = std::make_shared<Holder>(Variant("ana"));
    p->set("Dados", h);
    EXPECT_EQ(p->dados, h);
    p->set("Dados", nullptr);
    EXPECT_EQ(p->dados, nullptr);
    std::vector<Variant> args{Variant("texto")};
    EXPECT_EQ(errorNumber([&] { p->invoke("Dados", MemberKind::Set, args); }), err::DispTypeMismatch);
}

TEST(Dispatch, ByRefOutputsReachTheCallerAndByValArgumentsStay) {
    auto p = makeProbe();
    std::vector<Variant> args{Variant("3"), Variant(), Variant(0.0)};
    EXPECT_EQ(p->invoke("Paginar", MemberKind::Operation, args), Variant(std::int16_t{0}));
    EXPECT_EQ(args[0], Variant("3"));  // by value: the caller's text is untouched
    ASSERT_TRUE(args[1].isObject());
    EXPECT_EQ(args[1].asObject(), p);
    EXPECT_EQ(args[2], Variant(6.0));

    // An output the caller left out is not added to its arguments.
    std::vector<Variant> shorter{Variant(1.0), Variant()};
    p->invoke("Paginar", MemberKind::Operation, shorter);
    EXPECT_EQ(shorter.size(), 2u);
    EXPECT_TRUE(shorter[1].isObject());
}

TEST(Dispatch, RunTimeErrorsInsideMembersKeepTheirNumber) {
    auto p = makeProbe();
    RuntimeError e = raised([&] { p->call("Mover"); });
    EXPECT_EQ(e.number(), err::AdoNoCurrentRecord);
    EXPECT_EQ(e.description(), "Either BOF or EOF is True.");
    // A VB 13 raised by the body is not turned into the automation type mismatch.
    EXPECT_EQ(errorNumber([&] { p->call("Converter"); }), err::TypeMismatch);

    std::vector<Variant> args{Variant("NomeDeUsuario")};
    EXPECT_EQ(errorNumber([&] { p->defaultValue(args); }), err::DispMemberNotFound);
}

// ---- Member tables ----

TEST(MemberTable, KeepsSlotOrderAndFindsByNameAndKind) {
    const MemberTable& t = makeProbe()->memberTable();
    ASSERT_GE(t.members().size(), 3u);
    EXPECT_EQ(t.members()[0].name, "Selecionar");
    EXPECT_EQ(t.find("vALOR", MemberKind::Get), &t.members()[2]);
    EXPECT_EQ(t.find("Valor", MemberKind::Let), &t.members()[1]);
    EXPECT_EQ(t.find("Valor", MemberKind::Set), nullptr);
    EXPECT_TRUE(t.hasName("NOME"));
    EXPECT_FALSE(t.hasName("Nom"));
    EXPECT_FALSE(equalsNoCase("a[", "A{"));  // differ by 0x20 but are not letters
}

TEST(MemberTable, RefusesAmbiguousOrUncallableDeclarations) {
    auto body = [](Dispatchable&, CallArgs&) { return Variant(); };
    MemberTable t;
    t.add({"A", MemberKind::Operation, {}, ParamType::Void, body});
    t.add({"P", MemberKind::Let, {{"v", ParamType::Double}}, ParamType::Void, body});
    t.add({"P", MemberKind::Set, {{"v", ParamType::Object}}, ParamType::Void, body});
    t.add({"P", MemberKind::Get, {}, ParamType::Double, body});
    EXPECT_THROW((t.add({"a", MemberKind::Operation, {}, ParamType::Void, body})),
                 std::invalid_argument);
    EXPECT_THROW((t.add({"A", MemberKind::Get, {}, ParamType::Double, body})), std::invalid_argument);
    EXPECT_THROW((t.add({"B", MemberKind::Operation,
                         {{"x", ParamType::Double, true}, {"y", ParamType::Double}},
                         ParamType::Void, body})),
                 std::invalid_argument);
    EXPECT_THROW((t.add({"C", MemberKind::Let, {}, ParamType::Void, body})), std::invalid_argument);
    EXPECT_EQ(t.members().size(), 4u);
}

// ---- Coercion ----

struct Case {
    Variant in;
    ParamType type;
    Variant out;
};

TEST(Coerce, ConvertsLikeVariantChangeTypeInPortuguese) {
    using P = ParamType;
    const std::vector<Case> cases = {
        {Variant("12"), P::Double, Variant(12.0)},       {Variant("12,5"), P::Double, Variant(12.5)},
        {Variant(2.5), P::Integer, Variant(std::int16_t{2})},
        {Variant("12,5"), P::Integer, Variant(std::int16_t{12})},
        {Variant(std::int16_t{7}), P::Long, Variant(std::int32_t{7})},
        {Variant(2.5), P::Long, Variant(std::int32_t{2})},
        {Variant(), P::Double, Variant(0.0)},            {Variant(), P::String, Variant("")},
        {Variant(), P::Integer, Variant(std::int16_t{0})},
        {Variant(), P::Long, Variant(std::int32_t{0})},  {Variant(), P::Boolean, Variant(false)},
        {Variant(), P::Currency, Variant(Currency{})},   {Variant(), P::Date, Variant(DateTime(0.0))},
        {Variant(true), P::Double, Variant(-1.0)},       {Variant(true), P::String, Variant("-1")},
        {Variant(true), P::Integer, Variant(std::int16_t{-1})},
        {Variant(false), P::Long, Variant(std::int32_t{0})},
        {Variant(false), P::String, Variant("0")},       {Variant(-1.0), P::Boolean, Variant(true)},
        {Variant(0.25), P::Boolean, Variant(true)},      {Variant(0.0), P::Boolean, Variant(false)},
        {Variant(12.5), P::String, Variant("12,5")},
        {Variant(DateTime(45427.5)), P::Double, Variant(45427.5)},
        {Variant(45427.0), P::Date, Variant(DateTime(45427.0))},
        {Variant(1.23455), P::Currency, Variant(Currency::fromRaw(12346))},
        {Variant(Currency::fromRaw(125000)), P::Double, Variant(12.5)},
        {Variant(32767.4), P::Integer, Variant(std::int16_t{32767})},
        {Variant(-32768.0), P::Integer, Variant(std::int16_t{-32768})},
        {Variant::null(), P::Variant, Variant::null()},  {Variant("abc"), P::Variant, Variant("abc")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.type));
        Variant got = coerceArgument(c.in, c.type);
        EXPECT_EQ(got, c.out) << "in type " << static_cast<int>(c.in.type()) << " got type "
                              << static_cast<int>(got.type());
    }
}

TEST(Coerce, RaisesTypeMismatchOrOverflow) {
    const std::vector<std::pair<Variant, ParamType>> mismatches = {
        {Variant("abc"), ParamType::Double},  {Variant(""), ParamType::Double},
        {Variant("abc"), ParamType::Integer}, {Variant("abc"), ParamType::Boolean},
        {Variant::null(), ParamType::Double}, {Variant::null(), ParamType::String},
        {Variant::null(), ParamType::Boolean}, {Variant::null(), ParamType::Date},
        {Variant("x"), ParamType::Object},    {Variant(12.0), ParamType::Object},
    };
    for (const auto& c : mismatches) {
        SCOPED_TRACE(static_cast<int>(c.second));
        EXPECT_EQ(errorNumber([&] { coerceArgument(c.first, c.second); }), err::DispTypeMismatch);
    }
    const std::vector<std::pair<Variant, ParamType>> overflows = {
        {Variant(32767.5), ParamType::Integer}, {Variant(-32769.0), ParamType::Integer},
        {Variant(std::int32_t{40000}), ParamType::Integer}, {Variant("40000"), ParamType::Integer},
        {Variant(3e9), ParamType::Long},        {Variant(1e300), ParamType::Currency},
    };
    for (const auto& c : overflows) {
        SCOPED_TRACE(static_cast<int>(c.second));
        EXPECT_EQ(errorNumber([&] { coerceArgument(c.first, c.second); }), err::DispOverflow);
    }
}

TEST(Coerce, ObjectsPassAsThemselvesOrThroughTheirDefaultValue) {
    auto h = std::make_shared<Holder>(Variant("12,5"));
    EXPECT_EQ(coerceArgument(Variant(ObjectRef(h)), ParamType::Object).asObject(), h);
    EXPECT_EQ(coerceArgument(Variant(ObjectRef(h)), ParamType::Double), Variant(12.5));
    Variant nothingFromEmpty = coerceArgument(Variant(), ParamType::Object);
    ASSERT_TRUE(nothingFromEmpty.isObject());
    EXPECT_EQ(nothingFromEmpty.asObject(), nullptr);
    EXPECT_EQ(coerceArgument(Variant::null(), ParamType::Object).asObject(), nullptr);

    auto p = makeProbe();  // no default member
    EXPECT_EQ(errorNumber([&] { coerceArgument(Variant(ObjectRef(p)), ParamType::String); }),
              err::DispTypeMismatch);
    EXPECT_EQ(errorNumber([&] { coerceArgument(Variant(ObjectRef()), ParamType::Double); }),
              err::DispTypeMismatch);
}

TEST(Coerce, MissingMarkerIsRecognisedOnlyAsItself) {
    EXPECT_TRUE(isMissingArgument(missingArgument()));
    EXPECT_FALSE(isMissingArgument(Variant()));
    EXPECT_FALSE(isMissingArgument(Variant(ObjectRef())));
    EXPECT_EQ(errorNumber([] { coerceArgument(missingArgument(), ParamType::Variant); }),
              err::DispParamNotOptional);
}

// ---- Factory ----

TEST(Factory, CreatesANewObjectEachTimeByIdentifierIgnoringCase) {
    Factory& f = Factory::instance();
    static int made = 0;
    f.registerClass("ZolkDispatchTest.clsProbe", [] {
        ++made;
        return ObjectRef(makeProbe());
    });
    ObjectRef a = CreateObject("ZOLKDISPATCHTEST.CLSPROBE");
    ObjectRef b = f.create("zolkdispatchtest.clsprobe");
    ASSERT_NE(a, nullptr);
    EXPECT_NE(a, b);
    EXPECT_EQ(made, 2);
    a->let("Valor", Variant("3"));
    EXPECT_EQ(a->get("Valor"), Variant(3.0));
    EXPECT_TRUE(f.isKnown("zolkdispatchtest.CLSPROBE"));
    EXPECT_FALSE(f.isKnown("ZolkDispatchTest.clsOutra"));
    EXPECT_EQ(errorNumber([] { CreateObject("ZolkDispatchTest.clsNenhuma"); }), err::InvalidClassString);
}

TEST(Factory, UnknownAndUnbuiltClassesHaveTheirOwnErrors) {
    Factory f;
    f.declareClass("Teste.clsFutura");
    EXPECT_TRUE(f.isKnown("Teste.clsFutura"));
    RuntimeError unknown = raised([&] { f.create("Teste.clsInexistente"); });
    EXPECT_EQ(unknown.number(), err::InvalidClassString);
    EXPECT_TRUE(mentions(unknown, "Invalid class string"));
    RuntimeError unbuilt = raised([&] { f.create("teste.clsfutura"); });
    EXPECT_EQ(unbuilt.number(), err::ClassNotRegistered);
    EXPECT_TRUE(mentions(unbuilt, "Class not registered"));

    // Building the class later makes the declared identifier creatable; declaring it
    // again does not take the creator away.
    f.registerClass("TESTE.CLSFUTURA", [] { return ObjectRef(makeProbe()); });
    f.declareClass("Teste.clsFutura");
    EXPECT_NE(f.create("Teste.clsFutura"), nullptr);
}

}  // namespace
}  // namespace zolk::platform
