// ValidarDados, and the dispatch interface in slot order (the exams in schema order).
#include "exames/tests/fixture.h"

namespace zolk::exames::test {
namespace {

TEST_F(ExamesTest, LaboratoryRuleThenExamRuleAndNoneForDeletions) {
    platform::ObjectRef rs;
    for (std::int16_t operacao : {1, 2}) {
        exame->CodigoDoLaboratorio(operacao == 1 ? 0 : -1);
        EXPECT_EQ(exame->ValidarDados(operacao, nullptr, rs), 2);
        EXPECT_EQ(exame->DescricaoDaFalha() + "|" + exame->NomeDoCampoValidado(), "Selecione o laboratório.|CodigoDoLaboratorio");
        exame->CodigoDoLaboratorio(2);
        for (std::size_t i = 0; i < catalogo.size(); ++i) exame->letField(catalogo.id(i), true);  // the flags are not counted
        EXPECT_EQ(exame->ValidarDados(operacao, nullptr, rs), 2);
        EXPECT_EQ(exame->DescricaoDaFalha() + "|" + exame->NomeDoCampoValidado(), "Selecione um exame.|HemogramaCompleto");
    }
    exame->CodigoDoLaboratorio(0);
    EXPECT_EQ(exame->ValidarDados(3, nullptr, rs), 0);

    db.clearTrace();
    exame->ExameSelecionado(false);
    EXPECT_EQ(exame->Adicionar(), 2);
    EXPECT_TRUE(db.traced("Execute").empty());
}

TEST_F(ExamesTest, InterfaceHasItsMembersInSlotOrder) {
    std::vector<std::string> expected = {
        "Adicionar", "Alterar", "Excluir", "Selecionar", "SelecionarParaImpressaoCabecalho",
        "ResultadoDaSelecaoEmRecordset", "ResultadoDaSelecaoParaImpressaoEmRecordset", "NumeroTotalDeRegistros",
        "NumeroGerado", "Numero", "DataDeEmissao", "NumeroDaFichaClinica", "CodigoDoVeterinario", "CodigoDoCliente",
        "CodigoDoAnimal", "CodigoDoLaboratorio", "Relato", "Amostra", "ReceberResultadoPor", "ExamePago"};
    // The exams in schema order, but the parasite search closes its run.
    for (const std::string& c : schemaExamColumns())
        if (c != "ParasitologicosDeFezes") {
            expected.push_back(c == "HerpesVirusFelinoSN" ? "HerpesvirusFelinoSN" : c);
            if (c == "PesquisaFecalDeCriptosporidiose") expected.push_back("ParasitologicosDeFezes");
        }
    for (const char* name : {"ImagemObservacao", "OutrosExames", "ResultadosDeExames", "Observacao",
                             "DataHoraDaAtualizacao", "DadosDoUsuario", "ExameSelecionado", "NumeroDoErro",
                             "DescricaoDoErro", "LocalDoErro", "DescricaoDaFalha", "ValidarDados", "NomeDoCampoValidado"})
        expected.push_back(name);
    const auto& members = exame->memberTable().members();
    ASSERT_EQ(members.size(), 215u);
    ASSERT_EQ(expected.size(), 215u);
    for (std::size_t slot = 0; slot < 215; ++slot) EXPECT_EQ(members[slot].name, expected[slot]) << slot;
}

}  // namespace
}  // namespace zolk::exames::test
