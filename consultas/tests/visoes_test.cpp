// clsDiagnTrat and clsInternacao: the record's notes, the animal's earlier records, nothing found.
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
    EXPECT_EQ(listed(diagn, 1, 805), Rows{"805"});
    EXPECT_EQ(opened(), corpus("diagnosticos-ficha-atual-sem-tratamento"));
    EXPECT_EQ(listed(diagn, 2, 812), Rows{"798"});
    EXPECT_EQ(opened(), corpus("diagnosticos-fichas-anteriores"));
    EXPECT_EQ(listed(diagn, 2, 812, 140, Variant("790")), Rows{"790"});
    EXPECT_EQ(opened(), corpus("diagnosticos-numero"));

    EXPECT_EQ(listed(diagn, 2, 798), Rows{});
    EXPECT_EQ(opened(), corpus("diagnosticos-fichas-anteriores-nenhuma"));
    EXPECT_EQ(diagn.DescricaoDaFalha(), "Nenhum ficha clínica encontrado com as especificações informadas.");
}

TEST_F(VisoesTest, HospitalisationsFollowTheDiagnosisRuleForEarlierRecords) {
    EXPECT_EQ(listed(internacao, 1, 812), Rows{"812"});
    EXPECT_EQ(opened(), corpus("internacoes-ficha-atual"));

    EXPECT_EQ(listed(internacao, 2, 812), Rows{"798"});
    EXPECT_EQ(opened(), corpus("internacoes-fichas-anteriores"));

    EXPECT_EQ(listed(internacao, 1, 4242), Rows{});
    EXPECT_EQ(opened(), corpus("internacoes-nada"));
    EXPECT_EQ(internacao.DescricaoDaFalha(), "Nenhum internação encontrada com as especificações informadas.");
}

}  // namespace
}  // namespace zolk::consultas::test
