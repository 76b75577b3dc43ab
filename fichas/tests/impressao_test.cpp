// SelecionarParaImpressao: the statement text, the one-line address and the contact channels.
#include "fichas/tests/expected_texts.h"
#include "fichas/tests/fixture.h"

namespace zolk::fichas::test {
namespace {

std::string field(clsFichasClinicas& f, const char* name) {
    return platform::CStr(f.ResultadoDaSelecaoParaImpressaoEmRecordset()->value(name));
}

TEST_F(FichasTest, PrintSelectionIsWrittenToTheLetter) {
    ASSERT_EQ(ficha->SelecionarParaImpressao(812), 0) << ficha->DescricaoDoErro();
    const std::string sql = db.traced("Open").at(0);
    const std::string tail = kPrintAnimal + kRecordColumns + kPrintTail +
                             "  (FichasClinicas.Numero = 812) ORDER BY    FichasClinicas.Numero ;";
    ASSERT_GT(sql.size(), kPrintHead.size() + tail.size());
    EXPECT_EQ(sql.substr(0, kPrintHead.size()), kPrintHead);
    EXPECT_EQ(sql.substr(sql.size() - tail.size()), tail);
    // Between them: the address, the telephones and the e-mails, one item each.
    const std::string contacts = sql.substr(kPrintHead.size(), sql.size() - tail.size() - kPrintHead.size());
    EXPECT_EQ(contacts.substr(0, 3), "   ");
    EXPECT_NE(contacts.find(") AS EnderecoCompletoComCEP,    "), std::string::npos);
    EXPECT_NE(contacts.find(") AS TelefonesDoCliente,    TRIM("), std::string::npos);
    const std::string last = ") AS EmailsDoCliente, ";
    EXPECT_EQ(contacts.substr(contacts.size() - last.size()), last);

    EXPECT_EQ(field(*ficha, "Numero"), "812");
    EXPECT_EQ(field(*ficha, "SexoDoAnimal"), "Macho");
    EXPECT_EQ(field(*ficha, "PedigreeDoAnimal"), "Sim");
    EXPECT_EQ(field(*ficha, "NomeDaRacaDoAnimal"), "Labrador Retriever");
    EXPECT_EQ(field(*ficha, "Internacao"), "Internado no canil 2, fluidoterapia 60 ml/h.");
    EXPECT_EQ(field(*ficha, "DataDeRetorno"), "18/12/2026");
}

TEST_F(FichasTest, AddressAndChannelsKeepTheirSeparatorsAndBlanks) {
    auto bia = another();
    fillValid(*bia);
    bia->CodigoDoCliente(37);
    bia->CodigoDoAnimal(130);
    ASSERT_EQ(bia->Adicionar(), 0);
    struct Case {
        double record;
        std::string tipo, address, phones, emails;
    };
    const std::vector<Case> cases = {
        {812, "PF", "Rua Barão de Jaguara, 1234 - Centro - CEP:13015-001 - Campinas / SP",
         "Celular: (19) 99123-4567  Residencial: (19) 3241-5566", "Email: cida.souza@exemplo.com.br"},
        {790, "PF", "Rua das Acácias, 210 - Apto 52 - Jardim Botânico - CEP:13087-210 - Campinas / SP",
         "Celular: (19) 98123-4567", "Email: joao.ferreira@exemplo.com.br"},
        {801, "PF", "Sítio Recanto Feliz - Valinhos / SP", "Celular: (19) 99700-1234", ""},
        {810, "PJ", "Estrada Municipal CAM-010, 4500 - Km 3 - Joaquim Egídio - CEP:13108-000 - Campinas / SP",
         "Comercial: (19) 3298-7700  WhatsApp: (19) 99555-0101",
         "Email financeiro: financeiro@valeverde.exemplo.com.br  Email: contato@valeverde.exemplo.com.br"},
        {bia->NumeroGerado(), "PF", "Avenida Brasil, 1500 - Centro - CEP:13010-000 - Campinas / SP",
         "Residencial: (19) 3232-1100 Celular: (19) 99876-5432",
         "Email pessoal: bia.lima@exemplo.com.br Email comercial: beatriz@escritorio.exemplo.com.br"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address);
        ASSERT_EQ(ficha->SelecionarParaImpressao(c.record), 0) << ficha->DescricaoDoErro();
        ASSERT_EQ(ficha->ResultadoDaSelecaoParaImpressaoEmRecordset()->RecordCount(), 1);
        EXPECT_EQ(field(*ficha, "TipoDeCliente"), c.tipo);
        EXPECT_EQ(field(*ficha, "EnderecoCompletoComCEP"), c.address);
        EXPECT_EQ(field(*ficha, "TelefonesDoCliente"), c.phones);
        EXPECT_EQ(field(*ficha, "EmailsDoCliente"), c.emails);
    }
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
