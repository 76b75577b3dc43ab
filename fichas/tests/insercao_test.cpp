// Adicionar: the insertion and appointment texts, what lands in the database, and roll-back.
#include "fichas/tests/fixture.h"

namespace zolk::fichas::test {
namespace {

TEST_F(FichasTest, InsertionIsWrittenToTheLetter) {
    EXPECT_EQ(ficha->DataDeEmissao(), "");  // nothing issued yet
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
    EXPECT_EQ(db.traced("CommitTrans").size(), 1u);
    EXPECT_EQ(ficha->DataDeEmissao(), dayText(0));

    const std::string n = number(ficha->NumeroGerado());
    EXPECT_EQ(db.scalar("SELECT EFPeso || '|' || IFNULL(EFFrequenciaCardiaca, 'null') || '|' || EFTemperatura || '|' "
                        "|| IFNULL(DataDeRetorno, 'null') || '|' || SCRSincope || '|' || Diagnostico FROM "
                        "FichasClinicas WHERE Numero = " + n),
              "12.5|null|38.5|null|-1|Gastrite d'água");
    EXPECT_EQ(count("Agendamentos", "NumeroDaFichaClinica = " + n), "0");
}

TEST_F(FichasTest, ValidReturnDateBooksOneAppointment) {
    fillValid(*ficha);
    ficha->DataDeRetorno(dayText(7));
    ASSERT_EQ(ficha->Adicionar(), 0) << ficha->DescricaoDoErro();
    const std::string n = number(ficha->NumeroGerado());
    // Its statement is checked where a change books one (alteracao_test.cpp).
    EXPECT_EQ(db.column("SELECT Situacao || '|' || CodigoDoFuncionario || '|' || DataInicial || '|' || DataFinal || '|' "
                        "|| CodigoDoServico || '|' || NomeDoServico || '|' || CodigoDoCliente || '|' || CodigoDoAnimal "
                        "|| '|' || TransporteBuscar || TransporteLevar || '|' || UsuarioDaInclusao FROM Agendamentos "
                        "WHERE NumeroDaFichaClinica = " + n),
              std::vector<std::string>{"1|3|" + dayStored(7) + "|" + dayStored(7) + "|0|Retorno|95|140|00|ana"});
    EXPECT_EQ(db.scalar("SELECT DataDeRetorno FROM FichasClinicas WHERE Numero = " + n), dayStored(7));
}

TEST_F(FichasTest, ALongTextArrivesUnchanged) {
    const std::string longText = std::string(6000, 'x') + "ção'";
    fillValid(*ficha);
    ficha->QueixaPrincipal(longText);
    ASSERT_EQ(ficha->Adicionar(), 0) << ficha->DescricaoDoErro();
    EXPECT_EQ(db.scalar("SELECT QueixaPrincipal FROM FichasClinicas WHERE Numero = " + number(ficha->NumeroGerado())),
              longText);
}

TEST_F(FichasTest, FailedAppointmentRollsTheRecordBack) {
    db.refuse("Agendamentos", "INSERT");
    const std::string before = count("FichasClinicas");
    fillValid(*ficha);
    ficha->DataDeRetorno(dayText(1));
    EXPECT_EQ(ficha->Adicionar(), 1);
    EXPECT_EQ(ficha->NumeroDoErro(), platform::err::DbGeneralFailure);
    EXPECT_EQ(ficha->LocalDoErro(), location("Adicionar", 8));
    EXPECT_EQ(count("FichasClinicas"), before);
    EXPECT_EQ(db.trace().back().op, "RollbackTrans");
}

TEST_F(FichasTest, MissingUserDataIsAnErrorWithNothingWritten) {
    auto anonymous = std::make_shared<clsFichasClinicas>();
    fillValid(*anonymous);
    const std::string before = count("FichasClinicas");
    EXPECT_EQ(anonymous->Adicionar(), 1);
    EXPECT_EQ(anonymous->NumeroDoErro(), platform::err::ObjectNotSet);
    EXPECT_EQ(anonymous->LocalDoErro(), location("Adicionar", 6));
    EXPECT_EQ(count("FichasClinicas"), before);
    EXPECT_EQ(db.trace().back().op, "RollbackTrans");
}

}  // namespace
}  // namespace zolk::fichas::test
