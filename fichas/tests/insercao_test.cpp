// Adicionar: the insertion text, what lands in the database, and a missing user.
#include "fichas/tests/fixture.h"

namespace zolk::fichas::test {
namespace {

TEST_F(FichasTest, InsertionIsWrittenToTheLetter) {
    fillValid(*ficha);
    ficha->SGIEmese(true);
    ficha->SGIEmeseFrequencia("Duas vezes");
    ficha->SGIEmeseColoracao("Amarelada");
    ficha->SCRSincope(true);
    ficha->EFPeso(Variant("12,5"));
    ficha->EFFrequenciaCardiaca(Variant("abc"));
    ficha->EFTemperatura(Variant(38.5));
    ficha->Diagnostico("Gastrite d'água");
    ASSERT_EQ(ficha->Adicionar(), 0) << ficha->DescricaoDoErro();

    const std::string values =
        "'" + ficha->DataDeEmissao() + "',1, 95, 140, 'Vômitos há dois dias', '', True, 'Duas vezes', 'Amarelada', "
        "False, False, False, False, False, False, False, "                                  // SGI
        "'', '', False, False, False, True, False, False, False, "                           // SCR
        "'', '', '', '', '', False, False, False, False, False, False, False, False, False, '', '', "  // SGU
        "False, '', False, '', False, '', False, '', "                                       // SL
        "False, '', False, '', False, False, False, "                                        // SN
        "False, '', False, '', False, '', False, False, False, False, "                      // ST
        "12.5, Null, Null, 38.5, Null, '', '', '', '', '', '', '', 'Gastrite d''água', '', '', Null, "
        "3, 1, '" + ficha->DataHoraDaAtualizacao() + "','ana');";
    const auto executed = db.traced("Execute");
    ASSERT_EQ(executed.size(), 3u);  // clock, insertion, identity: no return date, no appointment
    EXPECT_EQ(executed[0], " SELECT NOW AS DataHoraDoServidor ");
    EXPECT_EQ(executed[1], insertColumns() + values);
    EXPECT_EQ(executed[2], "SELECT @@Identity");
    EXPECT_EQ(ficha->DataDeEmissao(), dayText(0));
}

TEST_F(FichasTest, ValidReturnDateBooksOneAppointment) {
    fillValid(*ficha);
    ficha->DataDeRetorno(dayText(7));
    ASSERT_EQ(ficha->Adicionar(), 0) << ficha->DescricaoDoErro();
    const std::string n = number(ficha->NumeroGerado());
    EXPECT_EQ(db.column("SELECT Situacao || '|' || CodigoDoFuncionario || '|' || DataInicial || '|' || DataFinal || '|' "
                        "|| CodigoDoServico || '|' || NomeDoServico || '|' || CodigoDoCliente || '|' || CodigoDoAnimal "
                        "|| '|' || TransporteBuscar || TransporteLevar || '|' || UsuarioDaInclusao FROM Agendamentos "
                        "WHERE NumeroDaFichaClinica = " + n),
              std::vector<std::string>{"1|3|" + dayStored(7) + "|" + dayStored(7) + "|0|Retorno|95|140|00|ana"});
}

TEST_F(FichasTest, MissingUserDataIsAnErrorWithNothingWritten) {
    auto anonymous = std::make_shared<clsFichasClinicas>();
    fillValid(*anonymous);
    const std::string before = count("FichasClinicas");
    EXPECT_EQ(anonymous->Adicionar(), 1);
    EXPECT_EQ(anonymous->NumeroDoErro(), platform::err::ObjectNotSet);
    EXPECT_EQ(anonymous->LocalDoErro(), location("Adicionar", 6));
    EXPECT_EQ(count("FichasClinicas"), before);
}

}  // namespace
}  // namespace zolk::fichas::test
