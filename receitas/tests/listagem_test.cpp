// Selecionar and the controlled-drug header: their statement texts, the filters and the rows.
#include "receitas/tests/fixture.h"

namespace zolk::receitas::test {
namespace {

using Rows = std::vector<std::string>;

TEST_F(ReceitasTest, CurrentAndEarlierRecordModesAreWrittenToTheLetter) {
    ASSERT_EQ(receita->Selecionar(2, 0, Variant(), 1, 812, 95, 140), 0) << receita->DescricaoDoErro();
    EXPECT_EQ(db.traced("Open").back(), corpus("receitas-lista-ficha-atual"));
    EXPECT_EQ(columnValues(*receita->ResultadoDaSelecaoEmRecordset(), "Numero"), (Rows{"63", "62"}));
    EXPECT_EQ(columnValues(*receita->ResultadoDaSelecaoEmRecordset(), "ReceitaControlada"), (Rows{"Não", "Sim"}));
    // Earlier records, and the client's and animal's prescriptions attached to none (60).
    ASSERT_EQ(receita->Selecionar(1, 10, Variant(), 0, 812, 95, 140), 0);
    EXPECT_EQ(db.traced("Open").back(), corpus("receitas-lista-fichas-anteriores"));
    EXPECT_EQ(columnValues(*receita->ResultadoDaSelecaoEmRecordset(), "Numero"), (Rows{"61", "60"}));
}

TEST_F(ReceitasTest, TheSearchBoxSelectsByNumberAndAnEmptyOneByTheRecord) {
    ASSERT_EQ(receita->Selecionar(2, 0, Variant(62.0), 1, 812, 12, 120), 0) << receita->DescricaoDoErro();
    EXPECT_EQ(db.traced("Open").back(), corpus("receitas-lista-numero"));
    EXPECT_EQ(columnValues(*receita->ResultadoDaSelecaoEmRecordset(), "Numero"), Rows{"62"});
    ASSERT_EQ(receita->Selecionar(2, 0, Variant(""), 1, 812, 12, 120), 0);
    EXPECT_EQ(db.traced("Open").back(), corpus("receitas-lista-ficha-atual"));
    // Omitted trailing arguments arrive as 0: no clinical record, so no condition at all.
    ASSERT_EQ(receita->Selecionar(2, 0, Variant("Thor"), 1), 0) << receita->DescricaoDoErro();
    EXPECT_EQ(db.traced("Open").back(), corpus("receitas-lista-sem-condicao", {{"WHERE ORDER BY", "ORDER BY"}}));
    EXPECT_EQ(columnValues(*receita->ResultadoDaSelecaoEmRecordset(), "Numero"), (Rows{"64", "63", "62", "61", "60"}));
    // "0" is a number, not an empty search box.
    ASSERT_EQ(receita->Selecionar(2, 0, Variant("0"), 1, 812), 0);
    EXPECT_NE(db.traced("Open").back().find("WHERE  (Receitas.Numero = 0) ORDER BY"), std::string::npos);
    EXPECT_EQ(receita->ResultadoDaSelecaoEmRecordset()->RecordCount(), 0);
    EXPECT_EQ(receita->DescricaoDaFalha(), "Nenhuma receita encontrada com as especificações informadas.");
}

TEST_F(ReceitasTest, ControlledHeaderIsWrittenToTheLetterWithNoFilterOnTheKind) {
    ASSERT_EQ(receita->SelecionarReceitaControladaParaImpressao(2, 0, Variant("62")), 0) << receita->DescricaoDoErro();
    EXPECT_EQ(db.traced("Open").back(), corpus("receitas-controlada-impressao"));
    EXPECT_EQ(receita->ResultadoDaSelecaoParaImpressaoEmRecordset()->RecordCount(), 1);
    // Nothing to select by: every header, by ascending number.
    ASSERT_EQ(receita->SelecionarReceitaControladaParaImpressao(2, 0, Variant("")), 0);
    EXPECT_EQ(db.traced("Open").back(), corpus("receitas-controlada-impressao-sem-condicao", {{"WHERE ORDER BY", "ORDER BY"}}));
    EXPECT_EQ(columnValues(*receita->ResultadoDaSelecaoParaImpressaoEmRecordset(), "DadosDoAnimal"),
              (Rows{"140 - Thor", "140 - Thor", "140 - Thor", "140 - Thor", "150 - Rex"}));
}

// A person with blank and missing address pieces, and a company whose type was never filled in.
class ControlledHeaderTest : public ReceitasTest {
protected:
    ControlledHeaderTest() {
        db.native("INSERT INTO Clientes (Codigo, TipoDeCliente, ApelidoOuNomeFantasia, NomeOuRazaoSocial, CPFCNPJ, "
                  "TipoDeLogradouro, Logradouro, Numero, Complemento, Bairro, CEP, Cidade, UF) VALUES "
                  "(501, 'PF', 'Zé', 'José D''Ávila', '01234567890', '  ', 'Rua Sete', '', NULL, NULL, '13010000', "
                  "'Campinas', NULL), "
                  "(502, NULL, 'Pet Center', 'Pet Center Ltda', '12345678000195', 'Avenida', 'Brasil', NULL, "
                  "'Loja 3', 'Centro', '', NULL, 'SP')");
        db.native("INSERT INTO Animais (Codigo, CodigoDoCliente, Nome, CodigoDaEspecie, CodigoDaRaca, Sexo, Cor) VALUES "
                  "(601, 501, 'Nina', 2, 12, 'F', NULL), (602, 502, 'Bolt', 1, 2, NULL, 'Preto')");
    }

    double prescribe(double cliente, double animal) {
        auto r = std::make_shared<clsReceitas>();
        r->DadosDoUsuario(ana);
        r->CodigoDoCliente(cliente);
        r->CodigoDoAnimal(animal);
        r->CodigoDoVeterinario(3);
        r->ReceitaControlada(true);
        r->Prescricao("Fenobarbital 100 mg");
        EXPECT_EQ(r->Adicionar(), 0) << r->DescricaoDoErro();
        return r->NumeroGerado();
    }

    std::string header(double numero, const std::vector<std::string>& columns) {
        EXPECT_EQ(receita->SelecionarReceitaControladaParaImpressao(2, 0, Variant(numero)), 0);
        auto& rs = *receita->ResultadoDaSelecaoParaImpressaoEmRecordset();
        std::string out = std::to_string(rs.RecordCount());
        for (const std::string& c : columns) out += "|" + platform::CStr(rs.value(c));
        return out;
    }
};

TEST_F(ControlledHeaderTest, MasksAndAddressPiecesFollowTheClientsData) {
    const std::vector<std::string> columns{"DadosDoCliente", "CPFCNPJ", "Endereco", "Cidade", "Bairro", "UF", "CEP",
                                           "NomeDaEspecie", "NomeDaRaca", "SexoDoAnimal", "CorDoAnimal"};
    EXPECT_EQ(header(prescribe(501, 601), columns),
              "1|501 - Zé - José D'Ávila|012.345.678-90|Rua Sete|Campinas|||13010-000|Felina|Siamês|F|");
    // No type: the company mask; a Null house number and an empty CEP are left out.
    EXPECT_EQ(header(prescribe(502, 602), columns),
              "1|502 - Pet Center - Pet Center Ltda|12.345.678/0001-95|Avenida Brasil - Loja 3||Centro|SP||Canina|"
              "Labrador Retriever||Preto");
    EXPECT_EQ(header(prescribe(95, 602), {}), "0");  // Bolt is not client 95's
}

}  // namespace
}  // namespace zolk::receitas::test
