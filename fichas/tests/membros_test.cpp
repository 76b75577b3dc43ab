// The dispatch interface _clsFichasClinicas: slot order and types, and a front end calling by name.
#include "fichas/tests/expected_texts.h"
#include "fichas/tests/fixture.h"

namespace zolk::fichas::test {
namespace {

using platform::ParamType;

// The anamnesis and examination properties as the insertion names its columns, in interface order.
std::vector<std::string> sectionProperties() {
    const std::string first = "CodigoDoAnimal, ", last = ", CodigoDoVeterinario";
    const auto from = kInsertColumns.find(first) + first.size();
    std::string list = kInsertColumns.substr(from, kInsertColumns.find(last) - from) + ", ";
    std::vector<std::string> names;
    for (std::size_t at = 0, next; (next = list.find(", ", at)) != std::string::npos; at = next + 2)
        names.push_back(list.substr(at, next - at));
    return names;
}

TEST_F(FichasTest, InterfaceHasItsMembersInSlotOrder) {
    std::string expected = "Adicionar() Alterar() Selecionar() PaginarResultadoDaSelecaoEmRecordset() "
                           "SelecionarParaImpressao() ResultadoDaSelecaoEmRecordset "
                           "ResultadoDaSelecaoParaImpressaoEmRecordset NumeroTotalDeRegistros NumeroGerado Numero= "
                           "DataDeEmissao TipoDeAtendimento= CodigoDoCliente= CodigoDoAnimal=";
    for (const std::string& name : sectionProperties()) expected += " " + name + "=";
    expected += " CodigoDoVeterinario= DataHoraDaAtualizacao DadosDoUsuario@ NumeroDoErro DescricaoDoErro LocalDoErro "
                "DescricaoDaFalha ValidarDados() NomeDoCampoValidado";
    const auto& members = ficha->memberTable().members();
    ASSERT_EQ(members.size(), 101u);
    EXPECT_EQ(classes::findClass(ProgId)->memberCount, 101);
    EXPECT_EQ(testsupport::memberSlots(ficha->memberTable()), expected);

    auto types = [&](std::size_t slot) {
        std::vector<std::pair<ParamType, bool>> out;
        for (const auto& p : members[slot].params) out.emplace_back(p.type, p.byRef);
        return out;
    };
    using P = std::vector<std::pair<ParamType, bool>>;
    EXPECT_EQ(types(2), (P{{ParamType::Long, false}, {ParamType::Integer, false}, {ParamType::Integer, false},
                           {ParamType::Variant, false}, {ParamType::Variant, false}, {ParamType::Variant, false}}));
    EXPECT_EQ(types(3), (P{{ParamType::Integer, false}, {ParamType::Object, true}}));
    EXPECT_EQ(types(4), (P{{ParamType::Double, false}}));
    EXPECT_EQ(types(99), (P{{ParamType::Integer, false}, {ParamType::Object, false}, {ParamType::Object, true}}));
    EXPECT_EQ(types(14), (P{{ParamType::String, false}}));    // QueixaPrincipal
    EXPECT_EQ(types(16), (P{{ParamType::Boolean, false}}));   // SGIEmese
    EXPECT_EQ(types(76), (P{{ParamType::Variant, false}}));   // EFPeso
    EXPECT_EQ(types(91), (P{{ParamType::String, false}}));    // DataDeRetorno
    EXPECT_EQ(members[0].result, ParamType::Integer);
    EXPECT_EQ(members[8].result, ParamType::Double);
    EXPECT_EQ(members[95].result, ParamType::Long);
}

TEST_F(FichasTest, LetsByNameConvertAsAutomationDoes) {
    platform::ObjectRef f = platform::CreateObject(ProgId);
    f->set("DadosDoUsuario", ana);
    for (const char* member : {"TipoDeAtendimento", "CodigoDoCliente", "CodigoDoAnimal", "CodigoDoVeterinario"})
        f->let(member, Variant(std::string(member) == "TipoDeAtendimento" ? "1" : "3"));
    f->let("QueixaPrincipal", Variant("Tosse d'água"));
    f->let("SCRTosse", Variant("True"));
    f->let("EFPeso", Variant("8,4"));
    ASSERT_EQ(platform::CInt(f->call("Adicionar")), 0) << platform::CStr(f->get("DescricaoDoErro"));
    EXPECT_EQ(db.scalar("SELECT TipoDeAtendimento || CodigoDoAnimal || '|' || QueixaPrincipal || '|' || SCRTosse || "
                        "'|' || EFPeso FROM FichasClinicas WHERE Numero = " + platform::CStr(f->get("NumeroGerado"))),
              "13|Tosse d'água|-1|8.4");
    EXPECT_THROW(f->get("QueixaPrincipal"), platform::RuntimeError);             // write-only
    EXPECT_THROW(f->let("NumeroGerado", Variant(1.0)), platform::RuntimeError);  // read-only
}

}  // namespace
}  // namespace zolk::fichas::test
