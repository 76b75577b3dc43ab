// SelecionarParaImpressao: the statement texts, the one-line address and the contact channels.
#include "fichas/tests/fixture.h"

namespace zolk::fichas::test {
namespace {

std::string field(clsFichasClinicas& f, const char* name) {
    return platform::CStr(f.ResultadoDaSelecaoParaImpressaoEmRecordset()->value(name));
}

// The printout as the corpus writes it, but for the address, telephones and e-mails, which this
// class writes in its own form and which are checked by the values they give.
void expectPrintStatement(const std::string& sql, const std::string& expected) {
    const std::string before = "AS NomeOuRazaoSocialDoCliente, ", after = "AS EmailsDoCliente, ";
    const std::string head = expected.substr(0, expected.find(before) + before.size());
    const std::string tail = expected.substr(expected.find(after) + after.size());
    ASSERT_GT(sql.size(), head.size() + tail.size());
    EXPECT_EQ(sql.substr(0, head.size()), head);
    EXPECT_EQ(sql.substr(sql.size() - tail.size()), tail);
}

TEST_F(FichasTest, PrintSelectionIsWrittenToTheLetterWithTheClientsAddressAndChannels) {
    auto bia = another();
    fillValid(*bia);
    bia->CodigoDoCliente(37);
    bia->CodigoDoAnimal(130);
    ASSERT_EQ(bia->Adicionar(), 0);
    const std::string biaNumber = number(bia->NumeroGerado());
    struct Case {
        double record;
        std::string statement, tipo, address, phones, emails;
    };
    const std::vector<Case> cases = {
        {801, corpus("fichas-impressao-cliente-sem-endereco"), "PF", "Sítio Recanto Feliz - Valinhos / SP",
         "Celular: (19) 99700-1234", ""},
        {810, corpus("fichas-impressao-cliente-pj"), "PJ",
         "Estrada Municipal CAM-010, 4500 - Km 3 - Joaquim Egídio - CEP:13108-000 - Campinas / SP",
         "Comercial: (19) 3298-7700  WhatsApp: (19) 99555-0101",
         "Email financeiro: financeiro@valeverde.exemplo.com.br  Email: contato@valeverde.exemplo.com.br"},
        {bia->NumeroGerado(), corpus("fichas-impressao", {{"Numero = 812)", "Numero = " + biaNumber + ")"}}), "PF",
         "Avenida Brasil, 1500 - Centro - CEP:13010-000 - Campinas / SP",
         "Residencial: (19) 3232-1100 Celular: (19) 99876-5432",
         "Email pessoal: bia.lima@exemplo.com.br Email comercial: beatriz@escritorio.exemplo.com.br"},
        {812, corpus("fichas-impressao"), "PF", "Rua Barão de Jaguara, 1234 - Centro - CEP:13015-001 - Campinas / SP",
         "Celular: (19) 99123-4567  Residencial: (19) 3241-5566", "Email: cida.souza@exemplo.com.br"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address);
        db.clearTrace();
        ASSERT_EQ(ficha->SelecionarParaImpressao(c.record), 0) << ficha->DescricaoDoErro();
        ASSERT_EQ(db.traced("Open").size(), 1u);
        expectPrintStatement(db.traced("Open")[0], c.statement);
        ASSERT_EQ(ficha->ResultadoDaSelecaoParaImpressaoEmRecordset()->RecordCount(), 1);
        EXPECT_EQ(field(*ficha, "TipoDeCliente"), c.tipo);
        EXPECT_EQ(field(*ficha, "EnderecoCompletoComCEP"), c.address);
        EXPECT_EQ(field(*ficha, "TelefonesDoCliente"), c.phones);
        EXPECT_EQ(field(*ficha, "EmailsDoCliente"), c.emails);
    }
    // 812's animal and record, the last selected.
    EXPECT_EQ(field(*ficha, "SexoDoAnimal") + "|" + field(*ficha, "PedigreeDoAnimal") + "|" +
                  field(*ficha, "NomeDaRacaDoAnimal") + "|" + field(*ficha, "DataDeRetorno"),
              "Macho|Sim|Labrador Retriever|18/12/2026");
    EXPECT_EQ(field(*ficha, "Internacao"), "Internado no canil 2, fluidoterapia 60 ml/h.");
}

TEST_F(FichasTest, RecordWithoutBreedOrNumberPrintsNothing) {
    fillValid(*ficha);
    ficha->CodigoDoCliente(37);
    ficha->CodigoDoAnimal(175);  // Nina has no breed
    ASSERT_EQ(ficha->Adicionar(), 0);
    for (double record : {ficha->NumeroGerado(), 99999.0}) {
        ASSERT_EQ(ficha->SelecionarParaImpressao(812), 0);
        ASSERT_EQ(ficha->SelecionarParaImpressao(record), 0);
        EXPECT_EQ(ficha->ResultadoDaSelecaoParaImpressaoEmRecordset()->RecordCount(), 0);
        EXPECT_EQ(ficha->DescricaoDaFalha(), "Nenhuma ficha clínica encontrada com as especificações informadas.");
    }
}

TEST_F(FichasTest, FailedPrintSelectionKeepsThePreviousRecordset) {
    ASSERT_EQ(ficha->SelecionarParaImpressao(812), 0);
    const auto previous = ficha->ResultadoDaSelecaoParaImpressaoEmRecordset();
    db.native("DROP TABLE RacasDeAnimais");
    EXPECT_EQ(ficha->SelecionarParaImpressao(812), 1);
    EXPECT_EQ(ficha->LocalDoErro(), location("SelecionarParaImpressao", 4));
    EXPECT_EQ(ficha->ResultadoDaSelecaoParaImpressaoEmRecordset(), previous);
}

}  // namespace
}  // namespace zolk::fichas::test
