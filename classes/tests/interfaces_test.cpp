// The dispatch interface of each class in slot order, and how `fichas members` shows a member.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "classes/class_table.h"
#include "cli/command.h"
#include "testsupport/business_objects.h"

namespace zolk::classes {
namespace {

const std::string closing = " DataHoraDaAtualizacao DadosDoUsuario@ NumeroDoErro DescricaoDoErro LocalDoErro "
                            "DescricaoDaFalha ValidarDados() NomeDoCampoValidado";
const std::string records = "Adicionar() Alterar() Excluir() Selecionar() ";

TEST(Interfaces, EachClassHasItsMembersInSlotOrder) {
    registerClasses();
    struct Case {
        const char* className;
        std::string slots;
    };
    const Case cases[] = {
        {"clsReceitas", records + "SelecionarReceitaControladaParaImpressao() ResultadoDaSelecaoEmRecordset "
                                  "ResultadoDaSelecaoParaImpressaoEmRecordset NumeroTotalDeRegistros NumeroGerado Numero= "
                                  "DataDeEmissao NumeroDaFichaClinica= CodigoDoCliente= CodigoDoAnimal= ReceitaControlada= "
                                  "Prescricao= CodigoDoVeterinario=" + closing},
        {"clsMedicacoes", records + "ResultadoDaSelecaoEmRecordset NumeroTotalDeRegistros CodigoDoMedicamento= Quantidade= "
                                    "Unidade= Via= Data= Hora= Observacao= NumeroDaFichaClinica= CodigoDoVeterinario= "
                                    "CodigoDoCliente= CodigoDoAnimal= DataHoraDeInclusao=" + closing},
        {"clsVacinacoes", records + "ResultadoDaSelecaoEmRecordset NumeroTotalDeRegistros CodigoGerado Codigo= "
                                    "NumeroDaFichaClinica= CodigoDoCliente= CodigoDoAnimal= CodigoDaVacina= NumeroDaDose= "
                                    "NumeroDeDoses= IntervaloEntreAsDoses= DataDaAplicacao= DataDaAplicacao "
                                    "CodigoDoVeterinario= VacinaAplicada= Partida= Observacao= Aplicacao=" + closing},
        {"clsProcedimentos",
         records + "ResultadoDaSelecaoEmRecordset NumeroTotalDeRegistros NumeroDeLancamentoGerado NumeroDeLancamento= "
                   "DataDeLancamento NumeroDaFichaClinica= NumeroDoOrcamento= CodigoDoCliente= CodigoDoVeterinario= "
                   "CodigoDoAnimal= NumeroDoTipoDeProcedimento= CodigoDoProcedimento= Observacao= ValorUnitario= "
                   "DescontoEmPercentual= DescontoEmValor= ValorLiquido= Custo= FuncionarioComissionado= "
                   "PercentualDeComissaoDoVeterinario= ValorDaComissaoDoVeterinario= TipoDeLancamento= TipoDeVenda= "
                   "CodigoInternoDoProduto= Quantidade= ValorTotal=" + closing +
                   " OrcamentoImportado= DadosDosItensDoOrcamento@"},
        {"clsDiagnTrat", "Selecionar() ResultadoDaSelecaoEmRecordset NumeroDoErro DescricaoDoErro LocalDoErro DescricaoDaFalha"},
        {"clsInternacao", "Selecionar() ResultadoDaSelecaoEmRecordset NumeroDoErro DescricaoDoErro LocalDoErro DescricaoDaFalha"},
        {"clsAnaliseDiagn", "NumeroDoErro DescricaoDoErro LocalDoErro DescricaoDaFalha ResultadoDaSelecaoEmRecordset Gerar()"},
    };
    for (const Case& c : cases) {
        const frame::ClassRegistration* row = findClass(c.className);
        ASSERT_TRUE(row && row->create) << c.className;
        EXPECT_EQ(testsupport::memberSlots(row->create()->memberTable()), c.slots) << c.className;
    }
}

TEST(Interfaces, TheMembersCommandShowsEachMembersSlotKindAndTypes) {
    registerClasses();
    auto selecionar = [](const std::string& mode) {
        return "3\tSelecionar\toperation\t(lenuTipoDeLista As Long, lintTamanhoDaPagina As Integer, "
               "lvarCodigoOuNomeParaFiltro As Variant, " + mode + " As Integer, Optional ldouNumeroDaFichaClinica As "
               "Double, Optional ldouCodigoDoCliente As Double, Optional ldouCodigoDoAnimal As Double) As Integer\n";
    };
    const std::pair<const char*, std::string> cases[] = {
        {"ZOLK_N_FichasClinicas.clsProcedimentos", selecionar("lintProcedimentosDaFichaAtualOuDasFichasAnteriores")},
        {"clsProcedimentos", "\n39\tDadosDosItensDoOrcamento\tSet\t(RHS As Object)\n"},
        {"clsExames", selecionar("lintExamesDaFichaAtualOuDasFichasAnteriores")},
        {"clsReceitas", "\n14\tReceitaControlada\tLet\t(RHS As Boolean)\n"},
    };
    for (const auto& [progId, line] : cases) {
        std::ostringstream out, err;
        ASSERT_EQ(cli::listMembers(progId, out, err), 0) << err.str();
        EXPECT_NE(out.str().find(line), std::string::npos) << progId << ": " << line;
    }
}

}  // namespace
}  // namespace zolk::classes
