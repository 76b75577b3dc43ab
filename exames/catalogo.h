#pragma once
// The exam catalogue: the 182 exams a request can tick, in the order every statement names them
// (the catalogue order), each with the run it belongs to. This one table drives the typed setters,
// the dispatch table, the insertion, both updates, the listing and the print header. Each exam's
// column bears its property's name, except where the entry spells the column otherwise.
#include <cstdint>
#include <span>

#include "frame/fields.h"

namespace zolk::exames {

// The twelve runs of the catalogue, in catalogue order; within a run the names stand in
// ascending alphabetical order. The update is split after the biopsy run.
enum class Run : std::uint8_t {
    Sangue = 1,     // blood and haematology
    Parasitologia,  // parasites and other searches
    Hormonios,      // hormones and vitamins
    Toxicologia,    // drugs and toxicology
    Bioquimica,     // biochemistry, electrolytes, metals and drug levels
    Culturas,       // cultures and microbiology
    Biopsia,
    Urina,
    Citologia,      // cytology, fluids and histopathology
    Sorologia,      // serology, immunology and special tests
    Agentes,        // detection of infectious agents
    Imagem,
};

// X(property, kind, run, column): the column is left empty when it is spelled as the property.
#define ZOLK_EXAMES_CATALOGO(X)                                                 \
    X(ContagemDeReticulocitos, Boolean, Run::Sangue, )                          \
    X(ContagemPlaquetaria, Boolean, Run::Sangue, )                              \
    X(DosagemDeFibrinogenio, Boolean, Run::Sangue, )                            \
    X(Eritrograma, Boolean, Run::Sangue, )                                      \
    X(HematocritoVG, Boolean, Run::Sangue, )                                    \
    X(Hematoscopia, Boolean, Run::Sangue, )                                     \
    X(HemogramaCompleto, Boolean, Run::Sangue, )                                \
    X(Leucograma, Boolean, Run::Sangue, )                                       \
    X(PesquisaDeCelulasLE, Boolean, Run::Sangue, )                              \
    X(PesquisaDeCorpusculoDeLentz, Boolean, Run::Sangue, )                      \
    X(PesquisaDeHematozoarios, Boolean, Run::Sangue, )                          \
    X(PesquisaDeInclusaoViral, Boolean, Run::Sangue, )                          \
    X(ProvaDeCompatibilidadeSanguinea, Boolean, Run::Sangue, )                  \
    X(TesteParaAnemiaHemolitica, Boolean, Run::Sangue, )                        \
    X(ParasitologicosDeFezes, Boolean, Run::Parasitologia, )                    \
    X(PesquisaDeHematozoariosEMicrofilaria, Boolean, Run::Parasitologia, )      \
    X(PesquisaDeMicrofilaria, Boolean, Run::Parasitologia, )                    \
    X(PesquisaDeMycoplasmaHemofelis, Boolean, Run::Parasitologia, )             \
    X(PesquisaDeSangueOculto, Boolean, Run::Parasitologia, )                    \
    X(PesquisaDeSarna, Boolean, Run::Parasitologia, )                           \
    X(PesquisaFecalDeCriptosporidiose, Boolean, Run::Parasitologia, )           \
    X(ACTH, Boolean, Run::Hormonios, )                                          \
    X(CortisolAposDexametasona, Boolean, Run::Hormonios, )                      \
    X(CortisolBasal, Boolean, Run::Hormonios, )                                 \
    X(EstimulacaoPorACTH, Boolean, Run::Hormonios, )                            \
    X(EstrogenosTotais, Boolean, Run::Hormonios, )                              \
    X(FSH, Boolean, Run::Hormonios, )                                           \
    X(HipertiroidismoFelino, Boolean, Run::Hormonios, )                         \
    X(Insulina, Boolean, Run::Hormonios, )                                      \
    X(LH, Boolean, Run::Hormonios, )                                            \
    X(PMSG, Boolean, Run::Hormonios, )                                          \
    X(Progesterona, Boolean, Run::Hormonios, )                                  \
    X(RelacaoCortisolCreatininaUrinaria, Boolean, Run::Hormonios, )             \
    X(T3Total, Boolean, Run::Hormonios, )                                       \
    X(T4Livre, Boolean, Run::Hormonios, )                                       \
    X(T4LivrePorDialise, Boolean, Run::Hormonios, )                             \
    X(T4Total, Boolean, Run::Hormonios, )                                       \
    X(TesteDeReposicaoHormonal, Boolean, Run::Hormonios, )                      \
    X(Testoterona, Boolean, Run::Hormonios, )                                   \
    X(TSH, Boolean, Run::Hormonios, )                                           \
    X(VitaminaB12AcidoFolico, Boolean, Run::Hormonios, )                        \
    X(VitaminaB12AcidoFolicoTripsinogenio, Boolean, Run::Hormonios, )           \
    X(AnaliseToxicologica, Boolean, Run::Toxicologia, )                         \
    X(BrometoDePotassio, Boolean, Run::Toxicologia, )                           \
    X(DeteccaoDeBenzodiazepinicoUrina, Boolean, Run::Toxicologia, )             \
    X(DeteccaoDeCannabisUrina, Boolean, Run::Toxicologia, )                     \
    X(DeteccaoDeCocainaUrina, Boolean, Run::Toxicologia, )                      \
    X(Digoxina, Boolean, Run::Toxicologia, )                                    \
    X(Fenobarbital, Boolean, Run::Toxicologia, )                                \
    X(AcidosBiliaresTotais, Boolean, Run::Bioquimica, )                         \
    X(AcidoUrico, Boolean, Run::Bioquimica, )                                   \
    X(Albumina, Boolean, Run::Bioquimica, )                                     \
    X(ALTTGP, Boolean, Run::Bioquimica, )                                       \
    X(Amilase, Boolean, Run::Bioquimica, )                                      \
    X(Arsenico, Boolean, Run::Bioquimica, )                                     \
    X(ASTTGO, Boolean, Run::Bioquimica, )                                       \
    X(Bilirrubinas, Boolean, Run::Bioquimica, )                                 \
    X(Cadmio, Boolean, Run::Bioquimica, )                                       \
    X(Calcio, Boolean, Run::Bioquimica, )                                       \
    X(Chumbo, Boolean, Run::Bioquimica, )                                       \
    X(CK, Boolean, Run::Bioquimica, )                                           \
    X(Cloretos, Boolean, Run::Bioquimica, )                                     \
    X(Cobalto, Boolean, Run::Bioquimica, )                                      \
    X(ColesterolTotal, Boolean, Run::Bioquimica, )                              \
    X(Creatinina, Boolean, Run::Bioquimica, )                                   \
    X(DesidrogenaseLatica, Boolean, Run::Bioquimica, )                          \
    X(EletroforeseDeProteinas, Boolean, Run::Bioquimica, )                      \
    X(Fenitoina, Boolean, Run::Bioquimica, )                                    \
    X(FerroSerico, Boolean, Run::Bioquimica, )                                  \
    X(Fibrinogenio, Boolean, Run::Bioquimica, )                                 \
    X(FosfataseAcida, Boolean, Run::Bioquimica, )                               \
    X(FosfataseAcidaProstatica, Boolean, Run::Bioquimica, )                     \
    X(FosfataseAlcalina, Boolean, Run::Bioquimica, )                            \
    X(Fosforo, Boolean, Run::Bioquimica, )                                      \
    X(Frutosamina, Boolean, Run::Bioquimica, )                                  \
    X(GGT, Boolean, Run::Bioquimica, )                                          \
    X(Glicose, Boolean, Run::Bioquimica, )                                      \
    X(LDH, Boolean, Run::Bioquimica, )                                          \
    X(Lipase, Boolean, Run::Bioquimica, )                                       \
    X(LipidiosTotais, Boolean, Run::Bioquimica, )                               \
    X(Litio, Boolean, Run::Bioquimica, )                                        \
    X(Magnesio, Boolean, Run::Bioquimica, )                                     \
    X(Mercurio, Boolean, Run::Bioquimica, )                                     \
    X(Potassio, Boolean, Run::Bioquimica, )                                     \
    X(ProteinasTotais, Boolean, Run::Bioquimica, )                              \
    X(Sodio, Boolean, Run::Bioquimica, )                                        \
    X(Triglicerideos, Boolean, Run::Bioquimica, )                               \
    X(Ureia, Boolean, Run::Bioquimica, )                                        \
    X(Coprocultura, Boolean, Run::Culturas, )                                   \
    X(CulturaDeDermatofitos, Boolean, Run::Culturas, )                          \
    X(CulturaDeFungos, Boolean, Run::Culturas, )                                \
    X(CulturaEAntibiogramaAerobios, Boolean, Run::Culturas, )                   \
    X(CulturaEAntibiogramaAnaerobios, Boolean, Run::Culturas, )                 \
    X(CulturaEAntibiogramaFezes, Boolean, Run::Culturas, )                      \
    X(CulturaEAntibiogramaOtologico, Boolean, Run::Culturas, )                  \
    X(CulturaEAntibiogramaUrina, Boolean, Run::Culturas, )                      \
    X(GramMicroscopia, Boolean, Run::Culturas, )                                \
    X(Hemocultura, Boolean, Run::Culturas, )                                    \
    X(MicologicoDireto, Boolean, Run::Culturas, )                               \
    X(PesquisaDeCriptococose, Boolean, Run::Culturas, )                         \
    X(PesquisaDeEsporotricose, Boolean, Run::Culturas, )                        \
    X(RaspadoDePele, Boolean, Run::Culturas, )                                  \
    X(Urocultura, Boolean, Run::Culturas, )                                     \
    X(Biopsia, Boolean, Run::Biopsia, )                                         \
    X(AnaliseDeCalculoUrinario, Boolean, Run::Urina, )                          \
    X(BacterioscopiaGram, Boolean, Run::Urina, )                                \
    X(CreatininaUrinaria, Boolean, Run::Urina, )                                \
    X(EAS, Boolean, Run::Urina, )                                               \
    X(EASRelacaoProteina, Boolean, Run::Urina, )                                \
    X(RelacaoProteina, Boolean, Run::Urina, )                                   \
    X(AnaliseDoLiquidoCavitario, Boolean, Run::Citologia, )                     \
    X(CitologiaDaMedulaOssea, Boolean, Run::Citologia, )                        \
    X(CitologiaOtologica, Boolean, Run::Citologia, )                            \
    X(CitologiaVaginal, Boolean, Run::Citologia, )                              \
    X(ExameCitologico, Boolean, Run::Citologia, )                               \
    X(ExameHistopatologicoCadeiaMamaria, Boolean, Run::Citologia, )             \
    X(ExameHistopatologicoFragmentoOrgao, Boolean, Run::Citologia, )            \
    X(ImunoHistoquimica, Boolean, Run::Citologia, )                             \
    X(LiquidoAbdominal, Boolean, Run::Citologia, )                              \
    X(LiquidoAscitico, Boolean, Run::Citologia, )                               \
    X(LiquidoCefaloRaquitico, Boolean, Run::Citologia, )                        \
    X(AnticorpoAntiNucleo, Boolean, Run::Sorologia, )                           \
    X(Brucelose, Boolean, Run::Sorologia, )                                     \
    X(CinomoseElisa, Boolean, Run::Sorologia, )                                 \
    X(CinomoseIgG, Boolean, Run::Sorologia, )                                   \
    X(ClamidioseIFI, Boolean, Run::Sorologia, )                                 \
    X(CoombsDireto, Boolean, Run::Sorologia, )                                  \
    X(Criptococose, Boolean, Run::Sorologia, )                                  \
    X(DeteccaoDeAntigenoDoVirusDaCinomoseCanina, Boolean, Run::Sorologia, )     \
    X(DirofilarioseElisa, Boolean, Run::Sorologia, )                            \
    X(DoencaDeVonWillebrandt, Boolean, Run::Sorologia, )                        \
    X(ErhlichioseElisa, Boolean, Run::Sorologia, )                              \
    X(FatorRematoideCanino, Boolean, Run::Sorologia, )                          \
    X(FIVFELVElisa, Boolean, Run::Sorologia, )                                  \
    X(HepatiteInfecciosaCaninaSN, Boolean, Run::Sorologia, )                    \
    X(HerpesvirusFelinoSN, Boolean, Run::Sorologia, "HerpesVirusFelinoSN")      \
    X(ImunodeficienciaFelinaFAIDS, Boolean, Run::Sorologia, )                   \
    X(LeishmanioseElisa, Boolean, Run::Sorologia, )                             \
    X(LeishmanioseIF, Boolean, Run::Sorologia, )                                \
    X(LeptospiroseSoroaglutinacao, Boolean, Run::Sorologia, )                   \
    X(LeucemiaFelinaElisa, Boolean, Run::Sorologia, )                           \
    X(NeosporaCaninoSN, Boolean, Run::Sorologia, )                              \
    X(PanleucopeniaViralFelinaElisa, Boolean, Run::Sorologia, )                 \
    X(ParvoviroseElisa, Boolean, Run::Sorologia, )                              \
    X(PerfilRespiratorioFelino, Boolean, Run::Sorologia, )                      \
    X(TesteElisaTriploDilofiralioseEhrlichioseLyme, Boolean, Run::Sorologia, )  \
    X(TLI, Boolean, Run::Sorologia, )                                           \
    X(ToxoplasmoseHA, Boolean, Run::Sorologia, )                                \
    X(ToxoplasmoseIFI, Boolean, Run::Sorologia, )                               \
    X(ToxoplasmoseIgG, Boolean, Run::Sorologia, )                               \
    X(AdenovirusTipo1Canino, Boolean, Run::Agentes, )                           \
    X(AdenovirusTipo2Canino, Boolean, Run::Agentes, )                           \
    X(BabesiaSP, Boolean, Run::Agentes, )                                       \
    X(BordetellaBrochiseptica, Boolean, Run::Agentes, )                         \
    X(BorreliaBurgdoferi, Boolean, Run::Agentes, )                              \
    X(BrucellaSP, Boolean, Run::Agentes, )                                      \
    X(CalcivirusFelinoFCV, Boolean, Run::Agentes, )                             \
    X(ChlamydiaPsittaci, Boolean, Run::Agentes, )                               \
    X(CinomoseCDV, Boolean, Run::Agentes, )                                     \
    X(ClostridiumPerfringensTipoE, Boolean, Run::Agentes, )                     \
    X(CoronavirusCaninoCVV, Boolean, Run::Agentes, )                            \
    X(DilofilariaImmitis, Boolean, Run::Agentes, )                              \
    X(EhrlichiaCanis, Boolean, Run::Agentes, )                                  \
    X(EhrlichiaPlatys, Boolean, Run::Agentes, )                                 \
    X(HelicobacterPylori, Boolean, Run::Agentes, )                              \
    X(HerpesvirusCaninoCHV, Boolean, Run::Agentes, )                            \
    X(HerpesvirusFelino1, Boolean, Run::Agentes, )                              \
    X(LeishmaniaSP, Boolean, Run::Agentes, )                                    \
    X(LepstospiraInterrogans, Boolean, Run::Agentes, )                          \
    X(MycobacteriumSP, Boolean, Run::Agentes, )                                 \
    X(MycoplasmaHemofelisHaemobartonellaFelis, Boolean, Run::Agentes, )         \
    X(PanleucopeniaFelina, Boolean, Run::Agentes, )                             \
    X(PapilomavirusCanino, Boolean, Run::Agentes, )                             \
    X(PapilomavirusFelinoCutaneoFdPV1, Boolean, Run::Agentes, )                 \
    X(ParvovirusCaninoCPV2Enterico, Boolean, Run::Agentes, )                    \
    X(PeritoniteInfecciosaFelinaFCoV, Boolean, Run::Agentes, )                  \
    X(SalmonellaSP, Boolean, Run::Agentes, )                                    \
    X(ToxoplasmaGondii, Boolean, Run::Agentes, )                                \
    X(VirusDaImunodeficienciaFelinaFIV, Boolean, Run::Agentes, )                \
    X(VirusDaLeucemiaFelinaFeLV, Boolean, Run::Agentes, )                       \
    X(RaioX, Boolean, Run::Imagem, )                                            \
    X(Ultrassom, Boolean, Run::Imagem, )

ZOLK_FIELD_TABLE(Exame, Run, ZOLK_EXAMES_CATALOGO, catalogo)

// The order of the exams' Let members in the interface: catalogue order, except that
// ParasitologicosDeFezes closes its run instead of opening it.
std::span<const Exame> interfaceOrder();

}  // namespace zolk::exames
