// The dispatch interface: its members in slot order, the sections as the insertion names their columns.
#include "fichas/tests/fixture.h"

namespace zolk::fichas::test {
namespace {

TEST_F(FichasTest, InterfaceHasItsMembersInSlotOrder) {
    std::string expected = "Adicionar() Alterar() Selecionar() PaginarResultadoDaSelecaoEmRecordset() "
                           "SelecionarParaImpressao() ResultadoDaSelecaoEmRecordset "
                           "ResultadoDaSelecaoParaImpressaoEmRecordset NumeroTotalDeRegistros NumeroGerado Numero= "
                           "DataDeEmissao TipoDeAtendimento= CodigoDoCliente= CodigoDoAnimal=";
    const std::string columns = insertColumns(), first = "CodigoDoAnimal, ", last = ", CodigoDoVeterinario";
    std::string list = columns.substr(columns.find(first) + first.size());
    list = list.substr(0, list.find(last)) + ", ";
    for (std::size_t at = 0, next; (next = list.find(", ", at)) != std::string::npos; at = next + 2)
        expected += " " + list.substr(at, next - at) + "=";
    expected += " CodigoDoVeterinario= DataHoraDaAtualizacao DadosDoUsuario@ NumeroDoErro DescricaoDoErro LocalDoErro "
                "DescricaoDaFalha ValidarDados() NomeDoCampoValidado";
    EXPECT_EQ(testsupport::memberSlots(ficha->memberTable()), expected);
}

}  // namespace
}  // namespace zolk::fichas::test
