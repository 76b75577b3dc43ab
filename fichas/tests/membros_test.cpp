// The dispatch interface _clsFichasClinicas: its members in slot order.
#include "fichas/tests/fixture.h"

namespace zolk::fichas::test {
namespace {

// The anamnesis and examination properties as the insertion names its columns, in interface order.
std::vector<std::string> sectionProperties() {
    const std::string columns = insertColumns(), first = "CodigoDoAnimal, ", last = ", CodigoDoVeterinario";
    const auto from = columns.find(first) + first.size();
    std::string list = columns.substr(from, columns.find(last) - from) + ", ";
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
    EXPECT_EQ(classes::findClass(ProgId)->memberCount, 101);
    EXPECT_EQ(testsupport::memberSlots(ficha->memberTable()), expected);
}

}  // namespace
}  // namespace zolk::fichas::test
