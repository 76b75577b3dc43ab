// clsDiagnTrat and clsInternacao: the record's notes, the animal's earlier records, a record by
// number, nothing found, no condition, and calls by name.
#include "consultas/tests/fixture.h"

namespace zolk::consultas::test {
namespace {

class VisoesTest : public ConsultasTest {
protected:
    template <class View>
    Rows listed(View& view, std::int16_t modo, double ficha, double animal = 140, const Variant& filtro = Variant()) {
        db.clearTrace();
        EXPECT_EQ(view.Selecionar(2, 0, filtro, modo, ficha, 95, animal), 0) << view.DescricaoDoErro();
        return rows(view.ResultadoDaSelecaoEmRecordset(), {"Numero"});
    }
    clsDiagnTrat diagn;
    clsInternacao internacao;
};

TEST_F(VisoesTest, DiagnosesOfTheRecordAndOfTheAnimalsEarlierRecords) {
    EXPECT_EQ(listed(diagn, 1, 812), Rows{"812"});
    EXPECT_EQ(opened(), corpus("diagnosticos-ficha-atual"));
    EXPECT_EQ(rows(diagn.ResultadoDaSelecaoEmRecordset(), {"Diagnostico", "NomeDoAnimal", "NomeDoVeterinario"}),
              Rows{"Gastroenterite aguda|Thor|Ana Paula Martins"});
    // The current record is listed even without a treatment; an earlier one is not.
    EXPECT_EQ(listed(diagn, 1, 805), Rows{"805"});
    EXPECT_EQ(opened(), corpus("diagnosticos-ficha-atual-sem-tratamento"));
    EXPECT_EQ(listed(diagn, 2, 812), Rows{"798"});
    EXPECT_EQ(opened(), corpus("diagnosticos-fichas-anteriores"));
    // Any mode other than 1 means earlier records.
    EXPECT_EQ(listed(diagn, 0, 812), Rows{"798"});

    // A numeric filter is a record number, whatever the mode.
    EXPECT_EQ(listed(diagn, 2, 812, 140, Variant("790")), Rows{"790"});
    EXPECT_EQ(opened(), corpus("diagnosticos-numero"));

    EXPECT_EQ(listed(diagn, 2, 798), Rows{});
    EXPECT_EQ(opened(), corpus("diagnosticos-fichas-anteriores-nenhuma"));
    EXPECT_EQ(diagn.DescricaoDaFalha(), "Nenhum ficha clínica encontrado com as especificações informadas.");
    ASSERT_TRUE(diagn.ResultadoDaSelecaoEmRecordset());
}

TEST_F(VisoesTest, HospitalisationsFollowTheDiagnosisRuleForEarlierRecords) {
    EXPECT_EQ(listed(internacao, 1, 812), Rows{"812"});
    EXPECT_EQ(opened(), corpus("internacoes-ficha-atual"));
    EXPECT_EQ(rows(internacao.ResultadoDaSelecaoEmRecordset(), {"Internacao"}),
              Rows{"Internado no canil 2, fluidoterapia 60 ml/h."});

    // An earlier record with a hospitalisation note but no diagnosis is not listed; 798, with
    // a diagnosis, a treatment and no note, is.
    db.native("INSERT INTO FichasClinicas (Numero, DataDeEmissao, TipoDeAtendimento, CodigoDoCliente, CodigoDoAnimal, "
              "CodigoDoVeterinario, Diagnostico, Tratamento, Internacao) VALUES (811, '2026-11-18 00:00:00', 1, 95, 140, "
              "3, '', 'Observação', 'Internado em observação por uma noite.')");
    EXPECT_EQ(listed(internacao, 2, 812), Rows{"798"});
    EXPECT_EQ(opened(), corpus("internacoes-fichas-anteriores"));
    EXPECT_EQ(rows(internacao.ResultadoDaSelecaoEmRecordset(), {"Internacao"}), Rows{""});

    EXPECT_EQ(listed(internacao, 1, 4242), Rows{});
    EXPECT_EQ(opened(), corpus("internacoes-nada"));
    EXPECT_EQ(internacao.DescricaoDaFalha(), "Nenhum internação encontrada com as especificações informadas.");
}

TEST_F(VisoesTest, NoConditionListsEveryRecordNewestFirst) {
    const Rows all{"812", "810", "809", "805", "801", "798", "790"};
    for (const Variant& filtro : {Variant(), Variant("Gastro")}) {
        EXPECT_EQ(listed(diagn, 1, 0, 140, filtro), all);
        EXPECT_EQ(opened().find("WHERE"), std::string::npos);
        EXPECT_EQ(listed(internacao, 2, 0, 140, filtro), all);
    }
    EXPECT_NE(opened().find("FichasClinicas.CodigoDoVeterinario ORDER BY    FichasClinicas.DataDeEmissao DESC;"),
              std::string::npos);
}

TEST_F(VisoesTest, EachViewNamesItsModeAndIsCalledByName) {
    for (const auto& [progId, modeArgument] :
         {std::pair<std::string, std::string>{DiagnTratProgId, "lintExamesDaFichaAtualOuDasFichasAnteriores"},
          {InternacaoProgId, "lintInternacoesDaFichaAtualOuDasFichasAnteriores"}}) {
        platform::ObjectRef view = platform::CreateObject(progId);
        EXPECT_EQ(view->memberTable().members()[0].params[3].name, modeArgument);
        // The optional arguments left out: the filter alone picks record 812.
        EXPECT_EQ(platform::CInt(view->call("Selecionar", {Variant(2.0), Variant(0.0), Variant(812.0), Variant(1.0)})), 0);
        EXPECT_EQ(platform::CLng(view->get("ResultadoDaSelecaoEmRecordset").asObject()->get("RecordCount")), 1);
    }
}

}  // namespace
}  // namespace zolk::consultas::test
