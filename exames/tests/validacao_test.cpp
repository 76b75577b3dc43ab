// ValidarDados: the laboratory rule, then the exam rule; nothing for deletions.
#include "exames/tests/fixture.h"

namespace zolk::exames::test {
namespace {

class ValidacaoTest : public ExamesTest {
protected:
    std::int16_t validate(std::int16_t operacao) {
        platform::ObjectRef recordset;
        return exame->ValidarDados(operacao, nullptr, recordset);
    }
};

TEST_F(ValidacaoTest, LaboratoryIsCheckedFirstThenTheExam) {
    for (std::int16_t operacao : {1, 2}) {
        for (double laboratorio : {0.0, -1.0}) {
            exame->CodigoDoLaboratorio(laboratorio);
            exame->ExameSelecionado(false);
            EXPECT_EQ(validate(operacao), 2);
            EXPECT_EQ(exame->DescricaoDaFalha(), "Selecione o laboratório.");
            EXPECT_EQ(exame->NomeDoCampoValidado(), "CodigoDoLaboratorio");
        }
        // Every flag ticked does not count: only what the front end says.
        exame->CodigoDoLaboratorio(2);
        for (std::size_t i = 0; i < exameCount; ++i) exame->exame(exameAt(i), true);
        EXPECT_EQ(validate(operacao), 2);
        EXPECT_EQ(exame->DescricaoDaFalha(), "Selecione um exame.");
        EXPECT_EQ(exame->NomeDoCampoValidado(), "HemogramaCompleto");
    }
    EXPECT_EQ(exame->NumeroDoErro(), 0);
    EXPECT_EQ(exame->LocalDoErro(), "");
}

TEST_F(ValidacaoTest, PassingLeavesTheEarlierMessageAndOtherOperationsHaveNoRule) {
    EXPECT_EQ(validate(1), 2);  // nothing set
    exame->CodigoDoLaboratorio(2);
    exame->ExameSelecionado(true);  // with no flag ticked
    EXPECT_EQ(validate(1), 0);
    EXPECT_EQ(validate(2), 0);
    EXPECT_EQ(exame->DescricaoDaFalha(), "Selecione o laboratório.");
    EXPECT_EQ(exame->NomeDoCampoValidado(), "CodigoDoLaboratorio");

    auto empty = std::make_shared<clsExames>();
    for (std::int16_t operacao : {3, 0, -1, 4}) {
        platform::ObjectRef recordset;
        EXPECT_EQ(empty->ValidarDados(operacao, nullptr, recordset), 0) << operacao;
    }
    EXPECT_EQ(empty->DescricaoDaFalha(), "");
}

TEST_F(ValidacaoTest, FrontEndCallGetsItsRecordsetReferenceDropped) {
    fillValid(*exame);
    std::vector<Variant> args{Variant(1.0), Variant(), Variant(platform::ObjectRef(std::make_shared<ado::Recordset>()))};
    EXPECT_EQ(platform::CInt(exame->invoke("ValidarDados", platform::MemberKind::Operation, args)), 0);
    EXPECT_TRUE(args[2].isEmpty() || (args[2].isObject() && !args[2].asObject()));
}

}  // namespace
}  // namespace zolk::exames::test
