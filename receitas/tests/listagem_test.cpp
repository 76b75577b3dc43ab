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
    for (std::int16_t mode : {0, 2, -1}) {
        ASSERT_EQ(receita->Selecionar(1, 10, Variant(), mode, 812, 95, 140), 0);
        EXPECT_EQ(db.traced("Open").back(), corpus("receitas-lista-fichas-anteriores")) << mode;
        EXPECT_EQ(columnValues(*receita->ResultadoDaSelecaoEmRecordset(), "Numero"), (Rows{"61", "60"})) << mode;
    }
    EXPECT_EQ(receita->ResultadoDaSelecaoEmRecordset()->PageSize(), 10);
}

TEST_F(ReceitasTest, TheSearchBoxSelectsByNumberAndAnEmptyOneByTheRecord) {
    const Rows number62{"62"}, record812{"63", "62"};
    struct Case {
        const char* what;
        Variant filtro;
        const char* corpusCase;
        const Rows& listed;
    };
    for (const Case& c : {Case{"62.0", Variant(62.0), "receitas-lista-numero", number62},
                          Case{"\"62\"", Variant("62"), "receitas-lista-numero", number62},
                          Case{"Null", Variant::null(), "receitas-lista-ficha-atual", record812},
                          Case{"0.0", Variant(0.0), "receitas-lista-ficha-atual", record812},
                          Case{"\"\"", Variant(""), "receitas-lista-ficha-atual", record812}}) {
        ASSERT_EQ(receita->Selecionar(2, 0, c.filtro, 1, 812, 12, 120), 0) << c.what;
        EXPECT_EQ(db.traced("Open").back(), corpus(c.corpusCase)) << c.what;
        EXPECT_EQ(columnValues(*receita->ResultadoDaSelecaoEmRecordset(), "Numero"), c.listed) << c.what;
    }
    // A text is written as typed; "0" is a number, not an empty search box.
    ASSERT_EQ(receita->Selecionar(2, 0, Variant(" 62"), 1, 812), 0);
    EXPECT_NE(db.traced("Open").back().find("WHERE  (Receitas.Numero =  62) ORDER BY"), std::string::npos);
    ASSERT_EQ(receita->Selecionar(2, 0, Variant("0"), 1, 812), 0);
    EXPECT_NE(db.traced("Open").back().find("WHERE  (Receitas.Numero = 0) ORDER BY"), std::string::npos);
    EXPECT_EQ(receita->ResultadoDaSelecaoEmRecordset()->RecordCount(), 0);
    EXPECT_EQ(receita->DescricaoDaFalha(), "Nenhuma receita encontrada com as especificações informadas.");
}

TEST_F(ReceitasTest, WithNothingToSelectByEveryPrescriptionIsListedNewestFirst) {
    // Omitted trailing arguments arrive as 0: no clinical record, so no condition at all.
    for (const Variant& filtro : {Variant(), Variant("Thor")}) {
        ASSERT_EQ(receita->Selecionar(2, 0, filtro, 1), 0) << receita->DescricaoDoErro();
        EXPECT_EQ(db.traced("Open").back(), corpus("receitas-lista-sem-condicao", {{"WHERE ORDER BY", "ORDER BY"}}));
        // 64 is of client 101's Rex; every prescription whose animal, client and vet exist.
        EXPECT_EQ(columnValues(*receita->ResultadoDaSelecaoEmRecordset(), "Numero"), (Rows{"64", "63", "62", "61", "60"}));
    }
}

TEST_F(ReceitasTest, ControlledHeaderIsWrittenToTheLetterWithNoFilterOnTheKind) {
    for (const Variant& filtro : {Variant(62.0), Variant("62")}) {
        ASSERT_EQ(receita->SelecionarReceitaControladaParaImpressao(2, 0, filtro), 0) << receita->DescricaoDoErro();
        EXPECT_EQ(db.traced("Open").back(), corpus("receitas-controlada-impressao"));
    }
    auto& header = *receita->ResultadoDaSelecaoParaImpressaoEmRecordset();
    EXPECT_EQ(header.RecordCount(), 1);
    EXPECT_EQ(platform::CStr(header.value("DadosDoAnimal")), "140 - Thor");
    EXPECT_EQ(platform::CStr(header.value("SexoDoAnimal")), "M");  // as stored
    EXPECT_EQ(receita->ResultadoDaSelecaoEmRecordset(), nullptr);  // the listing is another recordset

    // 63 is not a controlled prescription, and still has its header.
    ASSERT_EQ(receita->SelecionarReceitaControladaParaImpressao(2, 0, Variant(63.0)), 0);
    EXPECT_EQ(receita->ResultadoDaSelecaoParaImpressaoEmRecordset()->RecordCount(), 1);

    // Nothing to select by: every header, by ascending number.
    ASSERT_EQ(receita->SelecionarReceitaControladaParaImpressao(2, 0, Variant("")), 0);
    EXPECT_EQ(db.traced("Open").back(), corpus("receitas-controlada-impressao-sem-condicao", {{"WHERE ORDER BY", "ORDER BY"}}));
    EXPECT_EQ(columnValues(*receita->ResultadoDaSelecaoParaImpressaoEmRecordset(), "DadosDoAnimal"),
              (Rows{"140 - Thor", "140 - Thor", "140 - Thor", "140 - Thor", "150 - Rex"}));
}

// Two clients of this test's own: a person with blank and missing address pieces, and a
// company whose type was never filled in.
class ControlledHeaderTest : public ReceitasTest {
protected:
    ControlledHeaderTest() {
        db.native("INSERT INTO Clientes (Codigo, TipoDeCliente, ApelidoOuNomeFantasia, NomeOuRazaoSocial, CPFCNPJ, "
                  "TipoDeLogradouro, Logradouro, Numero, Complemento, Bairro, CEP, Cidade, UF) VALUES "
                  "(501, 'PF', 'Zé', 'José D''Ávila', '01234567890', '  ', 'Rua Sete', '', NULL, NULL, '13010000', "
                  "'Campinas', NULL), "
                  "(502, NULL, 'Pet Center', 'Pet Center Ltda', '12345678000195', 'Avenida', 'Brasil', NULL, "
                  "'Loja 3', 'Centro', '', NULL, 'SP'), "
                  "(503, 'PF', 'Lia', 'Lia Reis', '123.456.789-09', 'Rua', 'Um', '10', 'Casa 2', 'Cambuí', NULL, "
                  "'Campinas', 'SP')");
        db.native("INSERT INTO Animais (Codigo, CodigoDoCliente, Nome, CodigoDaEspecie, CodigoDaRaca, Sexo, Cor) VALUES "
                  "(601, 501, 'Nina', 2, 12, 'F', NULL), (602, 502, 'Bolt', 1, 2, NULL, 'Preto'), "
                  "(603, 503, 'Teco', 1, 1, 'M', 'Branco'), (604, 503, 'Sem espécie', 9, 2, 'M', NULL)");
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

    std::string header(double numero, const std::string& columns) {
        EXPECT_EQ(receita->SelecionarReceitaControladaParaImpressao(2, 0, Variant(numero)), 0);
        auto& rs = *receita->ResultadoDaSelecaoParaImpressaoEmRecordset();
        if (rs.RecordCount() != 1) return "rows: " + std::to_string(rs.RecordCount());
        std::string out;
        std::size_t from = 0;
        while (from <= columns.size()) {
            const std::size_t to = std::min(columns.find(',', from), columns.size());
            out += (out.empty() ? "" : "|") + platform::CStr(rs.value(columns.substr(from, to - from)));
            from = to + 1;
        }
        return out;
    }
};

TEST_F(ControlledHeaderTest, MasksAndAddressPiecesFollowTheClientsData) {
    const std::string columns = "DadosDoCliente,CPFCNPJ,Endereco,Cidade,Bairro,UF,CEP,NomeDaEspecie,NomeDaRaca,SexoDoAnimal,CorDoAnimal";
    EXPECT_EQ(header(prescribe(501, 601), columns),
              "501 - Zé - José D'Ávila|012.345.678-90|Rua Sete|Campinas|||13010-000|Felina|Siamês|F|");
    // No type: the company mask; a Null house number and an empty CEP are left out.
    EXPECT_EQ(header(prescribe(502, 602), columns),
              "502 - Pet Center - Pet Center Ltda|12.345.678/0001-95|Avenida Brasil - Loja 3||Centro|SP||Canina|"
              "Labrador Retriever||Preto");
    // A tax number typed with its punctuation is shown as typed.
    EXPECT_EQ(header(prescribe(503, 603), "CPFCNPJ,Endereco,CEP"), "123.456.789-09|Rua Um, 10 - Casa 2|");
}

TEST_F(ControlledHeaderTest, NoHeaderWithoutSpeciesMatchingBreedOrTheAnimalsOwnClient) {
    EXPECT_EQ(header(prescribe(503, 604), "DadosDoAnimal"), "rows: 0");  // no such species
    EXPECT_EQ(receita->DescricaoDaFalha(), "Nenhuma receita encontrada com as especificações informadas.");
    db.native("UPDATE Animais SET CodigoDaRaca = 12 WHERE Codigo = 603");  // a cat's breed on a dog
    EXPECT_EQ(header(prescribe(503, 603), "DadosDoAnimal"), "rows: 0");
    EXPECT_EQ(header(prescribe(95, 602), "DadosDoAnimal"), "rows: 0");  // Bolt is not client 95's
}

}  // namespace
}  // namespace zolk::receitas::test
