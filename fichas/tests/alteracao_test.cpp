// Alterar: the update and appointment texts and the return-date cases.
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
    EXPECT_EQ(db.scalar("SELECT DataInicial || DataFinal FROM Agendamentos WHERE Numero = 302"), dayStored(10) + dayStored(10));
}

TEST_F(FichasTest, AppointmentFollowsTheReturnDate) {
    const std::string num = number(addRecord());
    fillValid(*ficha);
    ficha->Numero(std::stod(num));
    auto change = [&](const std::string& retorno) {
        db.clearTrace();
        ficha->DataDeRetorno(retorno);
        EXPECT_EQ(ficha->Alterar(), 0) << ficha->DescricaoDoErro();
        return db.traced("Execute").back();
    };
    auto booked = [&] { return db.column("SELECT DataInicial FROM Agendamentos WHERE NumeroDaFichaClinica = " + num); };
    EXPECT_EQ(change(""), " SELECT COUNT(*) FROM Agendamentos WHERE NumeroDaFichaClinica = " + num + ";");
    const std::string inserted = change(dayText(3));  // as Adicionar books it
    EXPECT_EQ(inserted, corpus("fichas-insert-agendamento", {{"813", num}, {"05/01/2027", dayText(3)},
                                                             {"15/12/2026 10:30:00", ficha->DataHoraDaAtualizacao()}}));
    EXPECT_EQ(booked(), std::vector<std::string>{dayStored(3)});
    EXPECT_EQ(change(dayText(5)), "UPDATE Agendamentos SET DataInicial='" + dayText(5) + "', DataFinal='" + dayText(5) +
                                      "' WHERE NumeroDaFichaClinica=" + num + ";");
    EXPECT_EQ(booked(), std::vector<std::string>{dayStored(5)});
    EXPECT_EQ(change("   "), "DELETE * FROM Agendamentos WHERE NumeroDaFichaClinica=" + num + ";");
    EXPECT_TRUE(booked().empty());
    EXPECT_EQ(db.scalar("SELECT IFNULL(DataDeRetorno, 'null') FROM FichasClinicas WHERE Numero = " + num), "null");
}

}  // namespace
}  // namespace zolk::fichas::test
