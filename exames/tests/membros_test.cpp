// The dispatch interface _clsExames: slot order and types, and a front end calling by name.
#include <sstream>

#include "cli/command.h"
#include "cli/register_library.h"
#include "exames/tests/fixture.h"

namespace zolk::exames::test {
namespace {

using platform::MemberKind;
using platform::ParamType;
using K = MemberKind;

TEST_F(ExamesTest, InterfaceHasItsMembersInSlotOrder) {
    const auto& members = exame->memberTable().members();
    ASSERT_EQ(members.size(), 215u);
    EXPECT_EQ(frame::findClass(ProgId)->memberCount, 215);

    std::vector<std::pair<std::string, K>> expected = {
        {"Adicionar", K::Operation}, {"Alterar", K::Operation}, {"Excluir", K::Operation},
        {"Selecionar", K::Operation}, {"SelecionarParaImpressaoCabecalho", K::Operation},
        {"ResultadoDaSelecaoEmRecordset", K::Get}, {"ResultadoDaSelecaoParaImpressaoEmRecordset", K::Get},
        {"NumeroTotalDeRegistros", K::Get}, {"NumeroGerado", K::Get}, {"Numero", K::Let}, {"DataDeEmissao", K::Get},
        {"NumeroDaFichaClinica", K::Let}, {"CodigoDoVeterinario", K::Let}, {"CodigoDoCliente", K::Let},
        {"CodigoDoAnimal", K::Let}, {"CodigoDoLaboratorio", K::Let}, {"Relato", K::Let}, {"Amostra", K::Let},
        {"ReceberResultadoPor", K::Let}, {"ExamePago", K::Let}};
    // The exams as the schema orders its columns, the parasite search closing its run.
    std::vector<std::string> exams = schemaExamColumns();
    const auto moved = std::find(exams.begin(), exams.end(), "ParasitologicosDeFezes");
    ASSERT_NE(moved, exams.end());
    exams.erase(moved);
    exams.insert(std::find(exams.begin(), exams.end(), "PesquisaFecalDeCriptosporidiose") + 1, "ParasitologicosDeFezes");
    for (const std::string& name : exams) expected.emplace_back(name == "HerpesVirusFelinoSN" ? "HerpesvirusFelinoSN" : name, K::Let);
    const std::vector<std::pair<std::string, K>> tail = {
        {"ImagemObservacao", K::Let}, {"OutrosExames", K::Let}, {"ResultadosDeExames", K::Let}, {"Observacao", K::Let},
        {"DataHoraDaAtualizacao", K::Get}, {"DadosDoUsuario", K::Set}, {"ExameSelecionado", K::Let},
        {"NumeroDoErro", K::Get}, {"DescricaoDoErro", K::Get}, {"LocalDoErro", K::Get}, {"DescricaoDaFalha", K::Get},
        {"ValidarDados", K::Operation}, {"NomeDoCampoValidado", K::Get}};
    expected.insert(expected.end(), tail.begin(), tail.end());
    ASSERT_EQ(expected.size(), 215u);
    for (std::size_t slot = 0; slot < members.size(); ++slot) {
        EXPECT_EQ(members[slot].name, expected[slot].first) << "slot " << slot;
        EXPECT_EQ(members[slot].kind, expected[slot].second) << "slot " << slot;
    }
    EXPECT_EQ(members[20].name, "ContagemDeReticulocitos");
    EXPECT_EQ(members[40].name, "ParasitologicosDeFezes");
    EXPECT_EQ(members[201].name, "Ultrassom");

    using P = std::vector<std::tuple<std::string, ParamType, bool>>;
    auto params = [&](std::size_t slot) {
        P out;
        for (const auto& p : members[slot].params) out.emplace_back(p.name, p.type, p.optional);
        return out;
    };
    EXPECT_EQ(params(3), (P{{"lenuTipoDeLista", ParamType::Long, false},
                            {"lintTamanhoDaPagina", ParamType::Integer, false},
                            {"lvarCodigoOuNomeParaFiltro", ParamType::Variant, false},
                            {"lintExamesDaFichaAtualOuDasFichasAnteriores", ParamType::Integer, false},
                            {"ldouNumeroDaFichaClinica", ParamType::Double, true},
                            {"ldouCodigoDoCliente", ParamType::Double, true},
                            {"ldouCodigoDoAnimal", ParamType::Double, true}}));
    EXPECT_EQ(params(4), (P{{"lenuTipoDeLista", ParamType::Long, false},
                            {"lintTamanhoDaPagina", ParamType::Integer, false},
                            {"lvarCodigoOuNomeParaFiltro", ParamType::Variant, false}}));
    auto letType = [&](std::size_t slot) { return members[slot].params.at(0).type; };
    for (std::size_t slot : {9, 11, 12, 13, 14, 15}) EXPECT_EQ(letType(slot), ParamType::Double) << slot;
    for (std::size_t slot : {16, 17, 18, 202, 203, 204, 205}) EXPECT_EQ(letType(slot), ParamType::String) << slot;
    for (std::size_t slot = 19; slot <= 201; ++slot) EXPECT_EQ(letType(slot), ParamType::Boolean) << slot;
    EXPECT_EQ(letType(208), ParamType::Boolean);
    for (std::size_t slot : {0, 1, 2, 3, 4, 213}) EXPECT_EQ(members[slot].result, ParamType::Integer) << slot;
    EXPECT_EQ(members[7].result, ParamType::Double);
    EXPECT_EQ(members[8].result, ParamType::Double);
    EXPECT_EQ(members[209].result, ParamType::Long);
}

TEST_F(ExamesTest, FrontEndRequestsByMemberNameAndTheCommandListsTheMembers) {
    cli::registerLibraryClasses();
    platform::ObjectRef e = platform::CreateObject(ProgId);
    EXPECT_EQ(platform::CStr(e->get("DataDeEmissao")), "");
    EXPECT_EQ(platform::CDbl(e->get("NumeroTotalDeRegistros")), 0);
    e->set("DadosDoUsuario", ana);
    e->let("NumeroDaFichaClinica", Variant("812"));
    e->let("CodigoDoVeterinario", Variant(3.0));
    e->let("CodigoDoCliente", Variant(95.0));
    e->let("CodigoDoAnimal", Variant(140.0));
    e->let("CodigoDoLaboratorio", Variant(2.0));
    e->let("HerpesvirusFelinoSN", Variant("True"));
    e->let("ParasitologicosDeFezes", Variant(true));
    e->let("ExameSelecionado", Variant(-1.0));
    e->let("Relato", Variant("Espirros"));
    ASSERT_EQ(platform::CInt(e->call("Adicionar")), 0) << platform::CStr(e->get("DescricaoDoErro"));
    const std::string n = platform::CStr(e->get("NumeroGerado"));
    EXPECT_EQ(db.scalar("SELECT HerpesVirusFelinoSN || ParasitologicosDeFezes || TesteParaAnemiaHemolitica || "
                        "PesquisaFecalDeCriptosporidiose || Relato FROM Exames WHERE Numero = " + n),
              "-1-100Espirros");
    EXPECT_THROW(e->get("Relato"), platform::RuntimeError);             // write-only
    EXPECT_THROW(e->let("NumeroGerado", Variant(1.0)), platform::RuntimeError);  // read-only
    EXPECT_THROW(e->call("PaginarResultadoDaSelecaoEmRecordset", {Variant(1.0), Variant()}), platform::RuntimeError);

    std::ostringstream out, err;
    ASSERT_EQ(cli::listMembers("clsExames", out, err), 0) << err.str();
    std::vector<std::string> lines;
    std::istringstream listed(out.str());
    for (std::string line; std::getline(listed, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), 215u);
    EXPECT_EQ(lines[3].rfind("3\tSelecionar\toperation\t(lenuTipoDeLista As Long", 0), 0u) << lines[3];
    EXPECT_NE(lines[3].find("Optional ldouCodigoDoAnimal As Double) As Integer"), std::string::npos) << lines[3];
    EXPECT_EQ(lines[40], "40\tParasitologicosDeFezes\tLet\t(RHS As Boolean)");
}

}  // namespace
}  // namespace zolk::exames::test
