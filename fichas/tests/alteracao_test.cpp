// Alterar: the update and appointment texts, the return-date cases, what stays and roll-back.
#include "fichas/tests/fixture.h"

namespace zolk::fichas::test {
namespace {

std::string updateText(const std::string& retorno) {
    return "UPDATE FichasClinicas SET TipoDeAtendimento=1, CodigoDoCliente=95, CodigoDoAnimal=140, "
           "QueixaPrincipal='Vômitos há dois dias', SGIApetite='Normal', SGIEmese=False, SGIEmeseFrequencia='', "
           "SGIEmeseColoracao='', SGIHematemese=False, SGIDiarreia=False, SGIMelenaID=False, SGIHematoquesiaIG=False, "
           "SGIDisquesia=False, SGITenesmo=False, SGIAquesia=False, SCRSecrecao='', SCRDescricaoDaSecrecao='', "
           "SCRTosse=False, SCREspirro=False, SCRDistricaoRespiratoria=False, SCRSincope=False, SCRCianose=False, "
           "SCRIntoleranciaAExercicio=False, SCRCansacoFacil=False, SGUDisfuncaoHidrica='', SGUUrinaColoracao='', "
           "SGUUrinaVolume='', SGUUrinaFrequencia='', SGUUrinaOdor='', SGUHematuria=False, SGUDisuria=False, "
           "SGUPiuria=False, SGUEstranguria=False, SGUSecrecao=False, SGUCastrado=False, SGUPartosNormais=False, "
           "SGUAnticoncepcional=False, SGUCiosRegulares=False, SGUUltimoCio='', SGUCrias='', SLClaudicacao=False, "
           "SLDescricaoDaClaudicacao='', SLParesia=False, SLDescricaoDaParesia='', SLDorAoTransporObstaculos=False, "
           "SLDescricaoDaDorAoTransporObstaculos='', SLImpotenciaFuncional=False, SLDescricaoDaImpotenciaFuncional='', "
           "SNConvulsoes=False, SNDescricaoDasConvulsoes='', SNAlteracoesComportamentais=False, "
           "SNDescricaoDasAlteracoesComportamentais='', SNAndarEmCirculos=False, SNHeatTilt=False, SNNistagmo=False, "
           "STPrurido=True, STDescricaoDoPrurido='Coça', STAlopecia=False, STDescricaoDaAlopecia='', STDescamacao=False, "
           "STDescricaoDaDescamacao='', STMeneiosCefalicos=False, STSecrecaoOtologica=False, STPuliose=False, "
           "STIxodidiose=False, EFPeso=7.25, EFFrequenciaCardiaca=Null, EFFrequenciaRespiratoria=Null, EFTemperatura=Null, "
           "EFTempoDePressaoCapilar=Null, EFMucosas='', EFDesidratacao='', EFInspecao='', EFLinfonodos='', "
           "EFDescricaoDeLifonodos='', MNAlimentacao='', MNContactantes='', Diagnostico='', Tratamento='', Internacao='', "
           "DataDeRetorno=" + retorno + ", CodigoDoVeterinario=3, ";
}

TEST_F(FichasTest, UpdateAndAppointmentMoveAreWrittenToTheLetter) {
    fillValid(*ficha);
    ficha->Numero(812);  // demo record with its return appointment 302
    ficha->SGIApetite("Normal");
    ficha->STPrurido(true);
    ficha->STDescricaoDoPrurido("Coça");
    ficha->EFPeso(Variant("7,25"));
    ficha->DataDeRetorno(dayText(10));
    ASSERT_EQ(ficha->Alterar(), 0) << ficha->DescricaoDoErro();
    const auto executed = db.traced("Execute");
    ASSERT_EQ(executed.size(), 4u);  // an administrator's change runs no permission query
    EXPECT_EQ(executed[1], updateText("'" + dayText(10) + "'") + "DataEHoraDaAlteracao='" +
                               ficha->DataHoraDaAtualizacao() + "', UsuarioDaAlteracao='ana' WHERE Numero=812;");
    EXPECT_EQ(executed[2], " SELECT COUNT(*) FROM Agendamentos WHERE NumeroDaFichaClinica = 812;");
    EXPECT_EQ(executed[3], "UPDATE Agendamentos SET DataInicial='" + dayText(10) + "', DataFinal='" + dayText(10) +
                               "' WHERE NumeroDaFichaClinica=812;");
    EXPECT_EQ(db.scalar("SELECT DataInicial || DataFinal FROM Agendamentos WHERE Numero = 302"),
              dayStored(10) + dayStored(10));
}

TEST_F(FichasTest, AppointmentFollowsTheReturnDate) {
    const double n = addRecord();
    const std::string num = number(n);
    struct Step {
        std::string retorno;
        std::string statement;  // the last statement run ("" when it is the count)
        std::string appointments;
        std::string stored;  // DataDeRetorno in the database
    };
    const std::vector<Step> steps = {
        {"", "", "", "null"},
        {dayText(3), "INSERT INTO Agendamentos", dayStored(3), dayStored(3)},
        {dayText(5), "UPDATE Agendamentos SET DataInicial='" + dayText(5) + "', DataFinal='" + dayText(5) +
                         "' WHERE NumeroDaFichaClinica=" + num + ";",
         dayStored(5), dayStored(5)},
        {"   ", "DELETE * FROM Agendamentos WHERE NumeroDaFichaClinica=" + num + ";", "", "null"},
    };
    fillValid(*ficha);
    ficha->Numero(n);
    for (const Step& step : steps) {
        SCOPED_TRACE("return date '" + step.retorno + "'");
        db.clearTrace();
        ficha->DataDeRetorno(step.retorno);
        ASSERT_EQ(ficha->Alterar(), 0) << ficha->DescricaoDoErro();
        const std::string last = db.traced("Execute").back();
        if (step.statement.empty()) {
            EXPECT_EQ(last, " SELECT COUNT(*) FROM Agendamentos WHERE NumeroDaFichaClinica = " + num + ";");
        } else if (step.statement == "INSERT INTO Agendamentos") {
            // As Adicionar books it, with the record's number and this change's time.
            EXPECT_EQ(last, corpus("fichas-insert-agendamento", {{"813", num}, {"05/01/2027", step.retorno},
                                                                  {"15/12/2026 10:30:00", ficha->DataHoraDaAtualizacao()}}));
        } else {
            EXPECT_EQ(last, step.statement);
        }
        const auto dates = db.column("SELECT DataInicial FROM Agendamentos WHERE NumeroDaFichaClinica = " + num);
        EXPECT_EQ(dates, step.appointments.empty() ? std::vector<std::string>{}
                                                   : std::vector<std::string>{step.appointments});
        EXPECT_EQ(db.scalar("SELECT IFNULL(DataDeRetorno, 'null') FROM FichasClinicas WHERE Numero = " + num),
                  step.stored);
    }
}

TEST_F(FichasTest, NumberWithoutRecordStillBooksItsAppointment) {
    const std::string before = db.scalar("SELECT group_concat(Numero || QueixaPrincipal) FROM FichasClinicas");
    fillValid(*ficha);
    ficha->Numero(99999);
    ficha->DataDeRetorno(dayText(2));
    ASSERT_EQ(ficha->Alterar(), 0) << ficha->DescricaoDoErro();
    EXPECT_EQ(db.scalar("SELECT group_concat(Numero || QueixaPrincipal) FROM FichasClinicas"), before);
    EXPECT_EQ(count("Agendamentos", "NumeroDaFichaClinica = 99999 AND Observacao LIKE '%nº 99999'"), "1");
}

TEST_F(FichasTest, FailedAppointmentMoveLeavesRecordAndAppointmentAsTheyWere) {
    db.refuse("Agendamentos", "UPDATE");
    const std::string record = "SELECT QueixaPrincipal || DataDeRetorno FROM FichasClinicas WHERE Numero = 812";
    const std::string before = db.scalar(record);
    fillValid(*ficha);
    ficha->Numero(812);
    ficha->DataDeRetorno(dayText(4));
    EXPECT_EQ(ficha->Alterar(), 1);
    EXPECT_EQ(ficha->LocalDoErro(), location("Alterar", 9));
    EXPECT_EQ(db.scalar(record), before);
    EXPECT_EQ(db.scalar("SELECT DataInicial FROM Agendamentos WHERE Numero = 302"), "2026-12-18 00:00:00");
}

}  // namespace
}  // namespace zolk::fichas::test
