#pragma once
// The statement texts the clinical record sends, as the business documents write them.
#include <sstream>
#include <string>

namespace zolk::fichas::test {

// The column names of the insertion, up to "VALUES(".
inline const std::string kInsertColumns =
    "INSERT INTO FichasClinicas (DataDeEmissao, TipoDeAtendimento, CodigoDoCliente, CodigoDoAnimal, QueixaPrincipal, "
    "SGIApetite, SGIEmese, SGIEmeseFrequencia, SGIEmeseColoracao, SGIHematemese, SGIDiarreia, SGIMelenaID, "
    "SGIHematoquesiaIG, SGIDisquesia, SGITenesmo, SGIAquesia, SCRSecrecao, SCRDescricaoDaSecrecao, SCRTosse, "
    "SCREspirro, SCRDistricaoRespiratoria, SCRSincope, SCRCianose, SCRIntoleranciaAExercicio, SCRCansacoFacil, "
    "SGUDisfuncaoHidrica, SGUUrinaColoracao, SGUUrinaVolume, SGUUrinaFrequencia, SGUUrinaOdor, SGUHematuria, "
    "SGUDisuria, SGUPiuria, SGUEstranguria, SGUSecrecao, SGUCastrado, SGUPartosNormais, SGUAnticoncepcional, "
    "SGUCiosRegulares, SGUUltimoCio, SGUCrias, SLClaudicacao, SLDescricaoDaClaudicacao, SLParesia, "
    "SLDescricaoDaParesia, SLDorAoTransporObstaculos, SLDescricaoDaDorAoTransporObstaculos, SLImpotenciaFuncional, "
    "SLDescricaoDaImpotenciaFuncional, SNConvulsoes, SNDescricaoDasConvulsoes, SNAlteracoesComportamentais, "
    "SNDescricaoDasAlteracoesComportamentais, SNAndarEmCirculos, SNHeatTilt, SNNistagmo, STPrurido, "
    "STDescricaoDoPrurido, STAlopecia, STDescricaoDaAlopecia, STDescamacao, STDescricaoDaDescamacao, "
    "STMeneiosCefalicos, STSecrecaoOtologica, STPuliose, STIxodidiose, EFPeso, EFFrequenciaCardiaca, "
    "EFFrequenciaRespiratoria, EFTemperatura, EFTempoDePressaoCapilar, EFMucosas, EFDesidratacao, EFInspecao, "
    "EFLinfonodos, EFDescricaoDeLifonodos, MNAlimentacao, MNContactantes, Diagnostico, Tratamento, Internacao, "
    "DataDeRetorno, CodigoDoVeterinario, CodigoDoUsuarioDaInclusao, DataEHoraDaInclusao,UsuarioDaInclusao)VALUES(";

// The anamnesis and examination columns, QueixaPrincipal to Tratamento, in listing order; the
// letter before each name gives its form: P plain, T text, Y yes/no, M measurement.
inline const char* const kRecordColumnForms =
    "P QueixaPrincipal T SGIApetite Y SGIEmese T SGIEmeseFrequencia T SGIEmeseColoracao Y SGIHematemese "
    "Y SGIDiarreia Y SGIMelenaID Y SGIHematoquesiaIG Y SGIDisquesia Y SGITenesmo Y SGIAquesia T SCRSecrecao "
    "T SCRDescricaoDaSecrecao Y SCRSincope Y SCRTosse Y SCREspirro Y SCRDistricaoRespiratoria Y SCRCianose "
    "Y SCRIntoleranciaAExercicio Y SCRCansacoFacil T SGUDisfuncaoHidrica T SGUUrinaColoracao T SGUUrinaVolume "
    "T SGUUrinaFrequencia T SGUUrinaOdor Y SGUHematuria Y SGUDisuria Y SGUPiuria Y SGUEstranguria Y SGUSecrecao "
    "Y SGUCastrado Y SGUPartosNormais Y SGUAnticoncepcional Y SGUCiosRegulares T SGUUltimoCio T SGUCrias "
    "Y SLClaudicacao T SLDescricaoDaClaudicacao Y SLParesia T SLDescricaoDaParesia Y SLDorAoTransporObstaculos "
    "T SLDescricaoDaDorAoTransporObstaculos Y SLImpotenciaFuncional T SLDescricaoDaImpotenciaFuncional "
    "Y SNConvulsoes T SNDescricaoDasConvulsoes Y SNAlteracoesComportamentais "
    "T SNDescricaoDasAlteracoesComportamentais Y SNAndarEmCirculos Y SNHeatTilt Y SNNistagmo Y STPrurido "
    "T STDescricaoDoPrurido Y STAlopecia T STDescricaoDaAlopecia Y STDescamacao T STDescricaoDaDescamacao "
    "Y STMeneiosCefalicos Y STSecrecaoOtologica Y STPuliose Y STIxodidiose M EFPeso M EFFrequenciaCardiaca "
    "M EFFrequenciaRespiratoria M EFTemperatura M EFTempoDePressaoCapilar T EFMucosas T EFDesidratacao "
    "P EFInspecao T EFLinfonodos T EFDescricaoDeLifonodos T MNAlimentacao T MNContactantes T Diagnostico "
    "P Tratamento";

inline std::string recordColumns() {
    std::istringstream in(kRecordColumnForms);
    std::string form, name, out;
    while (in >> form >> name) {
        const std::string c = "FichasClinicas." + name;
        if (form == "P") out += "   " + c + " AS " + name + ", ";
        if (form == "T") out += "   IIF(IsNull(" + c + "), '', " + c + ") AS " + name + ", ";
        if (form == "Y") out += "   SWITCH(" + c + "=True, 'Sim', " + c + "=False, 'Não') AS " + name + ", ";
        if (form == "M") out += "   IIF(IsNull(" + c + "), 0, Format([" + c + "],'#,##0.00')) AS " + name + ", ";
    }
    return out;
}
inline const std::string kRecordColumns = recordColumns();

// The listing: head, the record columns, then the rest up to "WHERE ".
inline const std::string kListingHead =
    "SELECT    IIF(IsNull(FichasClinicas.Numero), 0, FichasClinicas.Numero) AS Numero, "
    "   FORMAT([FichasClinicas.DataDeEmissao],'DD/MM/YYYY') AS DataDeEmissao, "
    "   IIF(IsNull(FichasClinicas.CodigoDoVeterinario), 0, "
    "FichasClinicas.CodigoDoVeterinario) AS CodigoDoVeterinario,    IIF(IsNull(Funcionarios.Nome), 0, "
    "Funcionarios.Nome) AS NomeDoVeterinario,    IIF(IsNull(Funcionarios.CRMV), '', "
    "Funcionarios.CRMV) AS CRMVDoVeterinario,    IIF(IsNull(FichasClinicas.CodigoDoCliente), 0, "
    "FichasClinicas.CodigoDoCliente) AS CodigoDoCliente,    IIF(IsNull(Clientes.ApelidoOuNomeFantasia), '', "
    "Clientes.ApelidoOuNomeFantasia) AS ApelidoOuNomeFantasiaDoCliente,    IIF(IsNull(Clientes.NomeOuRazaoSocial), "
    "'', Clientes.NomeOuRazaoSocial) AS NomeOuRazaoSocialDoCliente,    IIF(IsNull(FichasClinicas.CodigoDoAnimal), 0, "
    "FichasClinicas.CodigoDoAnimal) AS CodigoDoAnimal,    IIF(IsNull(Animais.Nome), '', "
    "Animais.Nome) AS NomeDoAnimal, ";
inline const std::string kListingTail =
    "   FichasClinicas.Internacao AS Internacao, "
    "   FORMAT([FichasClinicas.DataDeRetorno],'DD/MM/YYYY') AS DataDeRetorno, "
    "   IIF(IsNull(FichasClinicas.CodigoDoUsuarioDaInclusao), 0, "
    "FichasClinicas.CodigoDoUsuarioDaInclusao) AS CodigoDoUsuarioDaInclusao, "
    "   IIF(IsNull(FichasClinicas.NumeroDaVenda), 0, FichasClinicas.NumeroDaVenda) AS NumeroDaVenda, "
    "   IIF(IsNull(FichasClinicas.TipoDeAtendimento), 1, FichasClinicas.TipoDeAtendimento) AS TipoDeAtendimento, "
    "   SWITCH(FichasClinicas.TipoDeAtendimento=1,'Primeiro atendimento',FichasClinicas.TipoDeAtendimento=2,'Retorno'"
    ") AS NomeDoTipoDeAtendimento, "
    "   Format(FichasClinicas.DataEHoraDaInclusao,'DD/MM/YYYY HH:MM:SS') AS DataEHoraDaInclusao, "
    "   IIF(IsNull(FichasClinicas.UsuarioDaInclusao), '', FichasClinicas.UsuarioDaInclusao) AS UsuarioDaInclusao, "
    "   Format(FichasClinicas.DataEHoraDaAlteracao,'DD/MM/YYYY HH:MM:SS') AS DataEHoraDaAlteracao, "
    "   IIF(IsNull(FichasClinicas.UsuarioDaAlteracao), '', "
    "FichasClinicas.UsuarioDaAlteracao) AS UsuarioDaAlteracao FROM     Funcionarios INNER JOIN (Clientes INNER JOIN ("
    "Animais INNER JOIN FichasClinicas ON Animais.Codigo = FichasClinicas.CodigoDoAnimal) ON (Clientes.Codigo = Ficha"
    "sClinicas.CodigoDoCliente) AND (Clientes.Codigo = Animais.CodigoDoCliente)) ON Funcionarios.Codigo = FichasClini"
    "cas.CodigoDoVeterinario WHERE ";

// The printout: head, the three contact items (checked by their values), the animal, the record
// columns, then the rest up to "WHERE ".
inline const std::string kPrintHead =
    "          SELECT    IIF(IsNull(FichasClinicas.Numero), 0, FichasClinicas.Numero) AS Numero, "
    "   FORMAT([FichasClinicas.DataDeEmissao],'DD/MM/YYYY') AS DataDeEmissao, "
    "   SWITCH(FichasClinicas.TipoDeAtendimento=1,'Primeiro atendimento',FichasClinicas.TipoDeAtendimento=2,'Retorno'"
    ") AS NomeDoTipoDeAtendimento,    IIF(IsNull(FichasClinicas.CodigoDoCliente), 0, "
    "FichasClinicas.CodigoDoCliente) AS CodigoDoCliente,    IIF(IsNull(Clientes.TipoDeCliente), 'PF', "
    "Clientes.TipoDeCliente) AS TipoDeCliente,    IIF(IsNull(Clientes.ApelidoOuNomeFantasia), '', "
    "Clientes.ApelidoOuNomeFantasia) AS ApelidoOuNomeFantasiaDoCliente,    IIF(IsNull(Clientes.NomeOuRazaoSocial), "
    "'', Clientes.NomeOuRazaoSocial) AS NomeOuRazaoSocialDoCliente, ";
inline const std::string kPrintAnimal =
    "   IIF(IsNull(FichasClinicas.CodigoDoAnimal), 0, FichasClinicas.CodigoDoAnimal) AS CodigoDoAnimal, "
    "   IIF(IsNull(Animais.Nome), '', Animais.Nome) AS NomeDoAnimal,    SWITCH(Animais.Sexo='M', 'Macho', "
    "Animais.Sexo='F', 'Fêmea') AS SexoDoAnimal,    IIF(IsNull(EspeciesDeAnimais.Nome), '', "
    "EspeciesDeAnimais.Nome) AS NomeDaEspecieDoAnimal,    IIF(IsNull(RacasDeAnimais.Nome), '', "
    "RacasDeAnimais.Nome) AS NomeDaRacaDoAnimal,    IIF(IsNull(Animais.Porte), '', Animais.Porte) AS PorteDoAnimal, "
    "   IIF(IsNull(Animais.DataDeNascimento), '', Animais.DataDeNascimento) AS DataDeNascimentoDoAnimal, "
    "   IIF(IsNull(Animais.Cor), '', Animais.Cor) AS CorDoAnimal,    IIF(IsNull(Animais.RGA), '', "
    "Animais.RGA) AS RGADoAnimal,    IIF(IsNull(Animais.Microchip), '', Animais.Microchip) AS MicrochipDoAnimal, "
    "   SWITCH(Animais.Pedigree=True, 'Sim', Animais.Pedigree=False, 'Não') AS PedigreeDoAnimal, "
    "    Animais.Observacao AS ObservacaoDoAnimal, ";
inline const std::string kPrintTail =
    "   FichasClinicas.Internacao,    FORMAT([FichasClinicas.DataDeRetorno],'DD/MM/YYYY') AS DataDeRetorno, "
    "   IIF(IsNull(Funcionarios.Nome), '', Funcionarios.Nome) AS NomeDoVeterinario, "
    "   IIF(IsNull(Funcionarios.CRMV), '', Funcionarios.CRMV) AS CRMVDoVeterinario, "
    "   Format(FichasClinicas.DataEHoraDaInclusao,'DD/MM/YYYY HH:MM:SS') AS DataEHoraDaInclusao, "
    "   IIF(IsNull(FichasClinicas.UsuarioDaInclusao), '', FichasClinicas.UsuarioDaInclusao) AS UsuarioDaInclusao, "
    "   Format(FichasClinicas.DataEHoraDaAlteracao,'DD/MM/YYYY HH:MM:SS') AS DataEHoraDaAlteracao, "
    "   IIF(IsNull(FichasClinicas.UsuarioDaAlteracao), '', "
    "FichasClinicas.UsuarioDaAlteracao) AS UsuarioDaAlteracao FROM     Funcionarios INNER JOIN ((EspeciesDeAnimais IN"
    "NER JOIN (Animais INNER JOIN (Clientes INNER JOIN FichasClinicas ON Clientes.Codigo = FichasClinicas.CodigoDoCli"
    "ente) ON (Clientes.Codigo = Animais.CodigoDoCliente) AND (Animais.Codigo = FichasClinicas.CodigoDoAnimal)) ON Es"
    "peciesDeAnimais.Codigo = Animais.CodigoDaEspecie) INNER JOIN RacasDeAnimais ON (RacasDeAnimais.Codigo = Animais."
    "CodigoDaRaca) AND (EspeciesDeAnimais.Codigo = RacasDeAnimais.CodigoDaEspecieDeAnimal)) ON Funcionarios.Codigo = "
    "FichasClinicas.CodigoDoVeterinario WHERE ";

}  // namespace zolk::fichas::test
