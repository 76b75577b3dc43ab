#pragma once
// The exam catalogue: the 182 exams a request can tick, in the order every statement names them
// (the catalogue order), each with the run it belongs to. This one table drives the typed setters,
// the dispatch table, the insertion, both updates, the listing and the print header. Each exam's
// column bears its property's name, except where the entry spells the column otherwise.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <span>
#include <string_view>

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

// X(property, run, column): the column is left empty when it is spelled as the property.
#define ZOLK_EXAMES_CATALOGO(X)                                                 \
    X(ContagemDeReticulocitos, Sangue, )                                    \
    X(ContagemPlaquetaria, Sangue, )                                        \
    X(DosagemDeFibrinogenio, Sangue, )                                      \
    X(Eritrograma, Sangue, )                                                \
    X(HematocritoVG, Sangue, )                                              \
    X(Hematoscopia, Sangue, )                                               \
    X(HemogramaCompleto, Sangue, )                                          \
    X(Leucograma, Sangue, )                                                 \
    X(PesquisaDeCelulasLE, Sangue, )                                        \
    X(PesquisaDeCorpusculoDeLentz, Sangue, )                                \
    X(PesquisaDeHematozoarios, Sangue, )                                    \
    X(PesquisaDeInclusaoViral, Sangue, )                                    \
    X(ProvaDeCompatibilidadeSanguinea, Sangue, )                            \
    X(TesteParaAnemiaHemolitica, Sangue, )                                  \
    X(ParasitologicosDeFezes, Parasitologia, )                              \
    X(PesquisaDeHematozoariosEMicrofilaria, Parasitologia, )                \
    X(PesquisaDeMicrofilaria, Parasitologia, )                              \
    X(PesquisaDeMycoplasmaHemofelis, Parasitologia, )                       \
    X(PesquisaDeSangueOculto, Parasitologia, )                              \
    X(PesquisaDeSarna, Parasitologia, )                                     \
    X(PesquisaFecalDeCriptosporidiose, Parasitologia, )                     \
    X(ACTH, Hormonios, )                                                    \
    X(CortisolAposDexametasona, Hormonios, )                                \
    X(CortisolBasal, Hormonios, )                                           \
    X(EstimulacaoPorACTH, Hormonios, )                                      \
    X(EstrogenosTotais, Hormonios, )                                        \
    X(FSH, Hormonios, )                                                     \
    X(HipertiroidismoFelino, Hormonios, )                                   \
    X(Insulina, Hormonios, )                                                \
    X(LH, Hormonios, )                                                      \
    X(PMSG, Hormonios, )                                                    \
    X(Progesterona, Hormonios, )                                            \
    X(RelacaoCortisolCreatininaUrinaria, Hormonios, )                       \
    X(T3Total, Hormonios, )                                                 \
    X(T4Livre, Hormonios, )                                                 \
    X(T4LivrePorDialise, Hormonios, )                                       \
    X(T4Total, Hormonios, )                                                 \
    X(TesteDeReposicaoHormonal, Hormonios, )                                \
    X(Testoterona, Hormonios, )                                             \
    X(TSH, Hormonios, )                                                     \
    X(VitaminaB12AcidoFolico, Hormonios, )                                  \
    X(VitaminaB12AcidoFolicoTripsinogenio, Hormonios, )                     \
    X(AnaliseToxicologica, Toxicologia, )                                   \
    X(BrometoDePotassio, Toxicologia, )                                     \
    X(DeteccaoDeBenzodiazepinicoUrina, Toxicologia, )                       \
    X(DeteccaoDeCannabisUrina, Toxicologia, )                               \
    X(DeteccaoDeCocainaUrina, Toxicologia, )                                \
    X(Digoxina, Toxicologia, )                                              \
    X(Fenobarbital, Toxicologia, )                                          \
    X(AcidosBiliaresTotais, Bioquimica, )                                   \
    X(AcidoUrico, Bioquimica, )                                             \
    X(Albumina, Bioquimica, )                                               \
    X(ALTTGP, Bioquimica, )                                                 \
    X(Amilase, Bioquimica, )                                                \
    X(Arsenico, Bioquimica, )                                               \
    X(ASTTGO, Bioquimica, )                                                 \
    X(Bilirrubinas, Bioquimica, )                                           \
    X(Cadmio, Bioquimica, )                                                 \
    X(Calcio, Bioquimica, )                                                 \
    X(Chumbo, Bioquimica, )                                                 \
    X(CK, Bioquimica, )                                                     \
    X(Cloretos, Bioquimica, )                                               \
    X(Cobalto, Bioquimica, )                                                \
    X(ColesterolTotal, Bioquimica, )                                        \
    X(Creatinina, Bioquimica, )                                             \
    X(DesidrogenaseLatica, Bioquimica, )                                    \
    X(EletroforeseDeProteinas, Bioquimica, )                                \
    X(Fenitoina, Bioquimica, )                                              \
    X(FerroSerico, Bioquimica, )                                            \
    X(Fibrinogenio, Bioquimica, )                                           \
    X(FosfataseAcida, Bioquimica, )                                         \
    X(FosfataseAcidaProstatica, Bioquimica, )                               \
    X(FosfataseAlcalina, Bioquimica, )                                      \
    X(Fosforo, Bioquimica, )                                                \
    X(Frutosamina, Bioquimica, )                                            \
    X(GGT, Bioquimica, )                                                    \
    X(Glicose, Bioquimica, )                                                \
    X(LDH, Bioquimica, )                                                    \
    X(Lipase, Bioquimica, )                                                 \
    X(LipidiosTotais, Bioquimica, )                                         \
    X(Litio, Bioquimica, )                                                  \
    X(Magnesio, Bioquimica, )                                               \
    X(Mercurio, Bioquimica, )                                               \
    X(Potassio, Bioquimica, )                                               \
    X(ProteinasTotais, Bioquimica, )                                        \
    X(Sodio, Bioquimica, )                                                  \
    X(Triglicerideos, Bioquimica, )                                         \
    X(Ureia, Bioquimica, )                                                  \
    X(Coprocultura, Culturas, )                                             \
    X(CulturaDeDermatofitos, Culturas, )                                    \
    X(CulturaDeFungos, Culturas, )                                          \
    X(CulturaEAntibiogramaAerobios, Culturas, )                             \
    X(CulturaEAntibiogramaAnaerobios, Culturas, )                           \
    X(CulturaEAntibiogramaFezes, Culturas, )                                \
    X(CulturaEAntibiogramaOtologico, Culturas, )                            \
    X(CulturaEAntibiogramaUrina, Culturas, )                                \
    X(GramMicroscopia, Culturas, )                                          \
    X(Hemocultura, Culturas, )                                              \
    X(MicologicoDireto, Culturas, )                                         \
    X(PesquisaDeCriptococose, Culturas, )                                   \
    X(PesquisaDeEsporotricose, Culturas, )                                  \
    X(RaspadoDePele, Culturas, )                                            \
    X(Urocultura, Culturas, )                                               \
    X(Biopsia, Biopsia, )                                                   \
    X(AnaliseDeCalculoUrinario, Urina, )                                    \
    X(BacterioscopiaGram, Urina, )                                          \
    X(CreatininaUrinaria, Urina, )                                          \
    X(EAS, Urina, )                                                         \
    X(EASRelacaoProteina, Urina, )                                          \
    X(RelacaoProteina, Urina, )                                             \
    X(AnaliseDoLiquidoCavitario, Citologia, )                               \
    X(CitologiaDaMedulaOssea, Citologia, )                                  \
    X(CitologiaOtologica, Citologia, )                                      \
    X(CitologiaVaginal, Citologia, )                                        \
    X(ExameCitologico, Citologia, )                                         \
    X(ExameHistopatologicoCadeiaMamaria, Citologia, )                       \
    X(ExameHistopatologicoFragmentoOrgao, Citologia, )                      \
    X(ImunoHistoquimica, Citologia, )                                       \
    X(LiquidoAbdominal, Citologia, )                                        \
    X(LiquidoAscitico, Citologia, )                                         \
    X(LiquidoCefaloRaquitico, Citologia, )                                  \
    X(AnticorpoAntiNucleo, Sorologia, )                                     \
    X(Brucelose, Sorologia, )                                               \
    X(CinomoseElisa, Sorologia, )                                           \
    X(CinomoseIgG, Sorologia, )                                             \
    X(ClamidioseIFI, Sorologia, )                                           \
    X(CoombsDireto, Sorologia, )                                            \
    X(Criptococose, Sorologia, )                                            \
    X(DeteccaoDeAntigenoDoVirusDaCinomoseCanina, Sorologia, )               \
    X(DirofilarioseElisa, Sorologia, )                                      \
    X(DoencaDeVonWillebrandt, Sorologia, )                                  \
    X(ErhlichioseElisa, Sorologia, )                                        \
    X(FatorRematoideCanino, Sorologia, )                                    \
    X(FIVFELVElisa, Sorologia, )                                            \
    X(HepatiteInfecciosaCaninaSN, Sorologia, )                              \
    X(HerpesvirusFelinoSN, Sorologia, "HerpesVirusFelinoSN")                \
    X(ImunodeficienciaFelinaFAIDS, Sorologia, )                             \
    X(LeishmanioseElisa, Sorologia, )                                       \
    X(LeishmanioseIF, Sorologia, )                                          \
    X(LeptospiroseSoroaglutinacao, Sorologia, )                             \
    X(LeucemiaFelinaElisa, Sorologia, )                                     \
    X(NeosporaCaninoSN, Sorologia, )                                        \
    X(PanleucopeniaViralFelinaElisa, Sorologia, )                           \
    X(ParvoviroseElisa, Sorologia, )                                        \
    X(PerfilRespiratorioFelino, Sorologia, )                                \
    X(TesteElisaTriploDilofiralioseEhrlichioseLyme, Sorologia, )            \
    X(TLI, Sorologia, )                                                     \
    X(ToxoplasmoseHA, Sorologia, )                                          \
    X(ToxoplasmoseIFI, Sorologia, )                                         \
    X(ToxoplasmoseIgG, Sorologia, )                                         \
    X(AdenovirusTipo1Canino, Agentes, )                                     \
    X(AdenovirusTipo2Canino, Agentes, )                                     \
    X(BabesiaSP, Agentes, )                                                 \
    X(BordetellaBrochiseptica, Agentes, )                                   \
    X(BorreliaBurgdoferi, Agentes, )                                        \
    X(BrucellaSP, Agentes, )                                                \
    X(CalcivirusFelinoFCV, Agentes, )                                       \
    X(ChlamydiaPsittaci, Agentes, )                                         \
    X(CinomoseCDV, Agentes, )                                               \
    X(ClostridiumPerfringensTipoE, Agentes, )                               \
    X(CoronavirusCaninoCVV, Agentes, )                                      \
    X(DilofilariaImmitis, Agentes, )                                        \
    X(EhrlichiaCanis, Agentes, )                                            \
    X(EhrlichiaPlatys, Agentes, )                                           \
    X(HelicobacterPylori, Agentes, )                                        \
    X(HerpesvirusCaninoCHV, Agentes, )                                      \
    X(HerpesvirusFelino1, Agentes, )                                        \
    X(LeishmaniaSP, Agentes, )                                              \
    X(LepstospiraInterrogans, Agentes, )                                    \
    X(MycobacteriumSP, Agentes, )                                           \
    X(MycoplasmaHemofelisHaemobartonellaFelis, Agentes, )                   \
    X(PanleucopeniaFelina, Agentes, )                                       \
    X(PapilomavirusCanino, Agentes, )                                       \
    X(PapilomavirusFelinoCutaneoFdPV1, Agentes, )                           \
    X(ParvovirusCaninoCPV2Enterico, Agentes, )                              \
    X(PeritoniteInfecciosaFelinaFCoV, Agentes, )                            \
    X(SalmonellaSP, Agentes, )                                              \
    X(ToxoplasmaGondii, Agentes, )                                          \
    X(VirusDaImunodeficienciaFelinaFIV, Agentes, )                          \
    X(VirusDaLeucemiaFelinaFeLV, Agentes, )                                 \
    X(RaioX, Imagem, )                                                      \
    X(Ultrassom, Imagem, )

enum class Exame : std::uint8_t {
#define ZOLK_EXAMES_ENUMERATOR(name, run, column) name,
    ZOLK_EXAMES_CATALOGO(ZOLK_EXAMES_ENUMERATOR)
#undef ZOLK_EXAMES_ENUMERATOR
};

struct ExameInfo {
    std::string_view name;
    Run run;
    std::string_view columnSpelling;  // empty: the column is spelled as the property

    constexpr std::string_view column() const { return columnSpelling.empty() ? name : columnSpelling; }
};

inline constexpr ExameInfo catalogo[] = {
// "" column glues an empty argument into "" and a spelled one into that spelling.
#define ZOLK_EXAMES_INFO(name, run, column) {#name, Run::run, "" column},
    ZOLK_EXAMES_CATALOGO(ZOLK_EXAMES_INFO)
#undef ZOLK_EXAMES_INFO
};

inline constexpr std::size_t exameCount = std::size(catalogo);

constexpr const ExameInfo& info(Exame e) { return catalogo[static_cast<std::size_t>(e)]; }
constexpr Exame exameAt(std::size_t index) { return static_cast<Exame>(index); }
constexpr std::size_t indexOf(Exame e) { return static_cast<std::size_t>(e); }

// The order of the exams' Let members in the interface: catalogue order, except that
// ParasitologicosDeFezes closes its run instead of opening it.
std::span<const Exame> interfaceOrder();

}  // namespace zolk::exames
