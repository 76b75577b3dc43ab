// SelecionarParaImpressao: the statement texts, the one-line address and the contact channels.
#include "fichas/tests/fixture.h"

namespace zolk::fichas::test {
namespace {

std::string field(clsFichasClinicas& f, const char* name) { return platform::CStr(f.ResultadoDaSelecaoParaImpressaoEmRecordset()->value(name)); }

// The printout as the corpus writes it, but for the address, telephones and e-mails (checked by value).
void expectPrintStatement(const std::string& sql, const std::string& expected) {
    const std::string before = "AS NomeOuRazaoSocialDoCliente, ", after = "AS EmailsDoCliente, ";
    const std::string head = expected.substr(0, expected.find(before) + before.size());
    const std::string tail = expected.substr(expected.find(after) + after.size());
    ASSERT_GT(sql.size(), head.size() + tail.size());
    EXPECT_EQ(sql.substr(0, head.size()), head);
    EXPECT_EQ(sql.substr(sql.size() - tail.size()), tail);
}

TEST_F(FichasTest, PrintSelectionIsWrittenToTheLetterWithTheClientsAddressAndChannels) {
    struct Case { double record; std::string statement, tipo, address, phones, emails; };
    const std::vector<Case> cases = {
        {810, corpus("fichas-impressao-cliente-pj"), "PJ",
         "Estrada Municipal CAM-010, 4500 - Km 3 - Joaquim Egídio - CEP:13108-000 - Campinas / SP",
         "Comercial: (19) 3298-7700  WhatsApp: (19) 99555-0101",
         "Email financeiro: financeiro@valeverde.exemplo.com.br  Email: contato@valeverde.exemplo.com.br"},
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
    EXPECT_EQ(field(*ficha, "SexoDoAnimal") + "|" + field(*ficha, "DataDeRetorno"), "Macho|18/12/2026");  // 812, the last
}

TEST_F(FichasTest, RecordWithoutBreedPrintsNothingAndAFailureKeepsThePreviousRecordset) {
    fillValid(*ficha);
    ficha->CodigoDoCliente(37);
    ficha->CodigoDoAnimal(175);  // Nina has no breed
    ASSERT_EQ(ficha->Adicionar(), 0);
    ASSERT_EQ(ficha->SelecionarParaImpressao(ficha->NumeroGerado()), 0);
    EXPECT_EQ(ficha->ResultadoDaSelecaoParaImpressaoEmRecordset()->RecordCount(), 0);
    EXPECT_EQ(ficha->DescricaoDaFalha(), "Nenhuma ficha clínica encontrada com as especificações informadas.");
    // A failed selection keeps the previous recordset.
    ASSERT_EQ(ficha->SelecionarParaImpressao(812), 0);
    const auto previous = ficha->ResultadoDaSelecaoParaImpressaoEmRecordset();
    db.native("DROP TABLE RacasDeAnimais");
    EXPECT_EQ(ficha->SelecionarParaImpressao(812), 1);
    EXPECT_EQ(ficha->LocalDoErro(), location("SelecionarParaImpressao", 4));
    EXPECT_EQ(ficha->ResultadoDaSelecaoParaImpressaoEmRecordset(), previous);
}

}  // namespace
}  // namespace zolk::fichas::test
