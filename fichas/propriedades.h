#pragma once
// The anamnesis and examination properties of the clinical record, in interface order, with how
// the listing shows each. This one table drives the typed setters, the dispatch table, and the
// column lists of the insertion, the update, the listing and the printout; each property's
// column has the property's name.
#include <span>

#include "frame/fields.h"

namespace zolk::fichas {

// How the listing shows the column.
enum class Listed : std::uint8_t {
    Text,         // IIF(IsNull(...), '', ...)
    YesNo,        // SWITCH(...=True, 'Sim', ...=False, 'Não')
    Plain,        // the column as stored
    Measurement,  // IIF(IsNull(...), 0, Format([...],'#,##0.00'))
    Date,         // FORMAT([...],'DD/MM/YYYY')
};

// X(name, kind, listed, column)
#define ZOLK_FICHAS_PROPERTIES(X)                                     \
    X(QueixaPrincipal, Text, Listed::Plain, )                         \
    X(SGIApetite, Text, Listed::Text, )                               \
    X(SGIEmese, Boolean, Listed::YesNo, )                             \
    X(SGIEmeseFrequencia, Text, Listed::Text, )                       \
    X(SGIEmeseColoracao, Text, Listed::Text, )                        \
    X(SGIHematemese, Boolean, Listed::YesNo, )                        \
    X(SGIDiarreia, Boolean, Listed::YesNo, )                          \
    X(SGIMelenaID, Boolean, Listed::YesNo, )                          \
    X(SGIHematoquesiaIG, Boolean, Listed::YesNo, )                    \
    X(SGIDisquesia, Boolean, Listed::YesNo, )                         \
    X(SGITenesmo, Boolean, Listed::YesNo, )                           \
    X(SGIAquesia, Boolean, Listed::YesNo, )                           \
    X(SCRSecrecao, Text, Listed::Text, )                              \
    X(SCRDescricaoDaSecrecao, Text, Listed::Text, )                   \
    X(SCRTosse, Boolean, Listed::YesNo, )                             \
    X(SCREspirro, Boolean, Listed::YesNo, )                           \
    X(SCRDistricaoRespiratoria, Boolean, Listed::YesNo, )             \
    X(SCRSincope, Boolean, Listed::YesNo, )                           \
    X(SCRCianose, Boolean, Listed::YesNo, )                           \
    X(SCRIntoleranciaAExercicio, Boolean, Listed::YesNo, )            \
    X(SCRCansacoFacil, Boolean, Listed::YesNo, )                      \
    X(SGUDisfuncaoHidrica, Text, Listed::Text, )                      \
    X(SGUUrinaColoracao, Text, Listed::Text, )                        \
    X(SGUUrinaVolume, Text, Listed::Text, )                           \
    X(SGUUrinaFrequencia, Text, Listed::Text, )                       \
    X(SGUUrinaOdor, Text, Listed::Text, )                             \
    X(SGUHematuria, Boolean, Listed::YesNo, )                         \
    X(SGUDisuria, Boolean, Listed::YesNo, )                           \
    X(SGUPiuria, Boolean, Listed::YesNo, )                            \
    X(SGUEstranguria, Boolean, Listed::YesNo, )                       \
    X(SGUSecrecao, Boolean, Listed::YesNo, )                          \
    X(SGUCastrado, Boolean, Listed::YesNo, )                          \
    X(SGUPartosNormais, Boolean, Listed::YesNo, )                     \
    X(SGUAnticoncepcional, Boolean, Listed::YesNo, )                  \
    X(SGUCiosRegulares, Boolean, Listed::YesNo, )                     \
    X(SGUUltimoCio, Text, Listed::Text, )                             \
    X(SGUCrias, Text, Listed::Text, )                                 \
    X(SLClaudicacao, Boolean, Listed::YesNo, )                        \
    X(SLDescricaoDaClaudicacao, Text, Listed::Text, )                 \
    X(SLParesia, Boolean, Listed::YesNo, )                            \
    X(SLDescricaoDaParesia, Text, Listed::Text, )                     \
    X(SLDorAoTransporObstaculos, Boolean, Listed::YesNo, )            \
    X(SLDescricaoDaDorAoTransporObstaculos, Text, Listed::Text, )     \
    X(SLImpotenciaFuncional, Boolean, Listed::YesNo, )                \
    X(SLDescricaoDaImpotenciaFuncional, Text, Listed::Text, )         \
    X(SNConvulsoes, Boolean, Listed::YesNo, )                         \
    X(SNDescricaoDasConvulsoes, Text, Listed::Text, )                 \
    X(SNAlteracoesComportamentais, Boolean, Listed::YesNo, )          \
    X(SNDescricaoDasAlteracoesComportamentais, Text, Listed::Text, )  \
    X(SNAndarEmCirculos, Boolean, Listed::YesNo, )                    \
    X(SNHeatTilt, Boolean, Listed::YesNo, )                           \
    X(SNNistagmo, Boolean, Listed::YesNo, )                           \
    X(STPrurido, Boolean, Listed::YesNo, )                            \
    X(STDescricaoDoPrurido, Text, Listed::Text, )                     \
    X(STAlopecia, Boolean, Listed::YesNo, )                           \
    X(STDescricaoDaAlopecia, Text, Listed::Text, )                    \
    X(STDescamacao, Boolean, Listed::YesNo, )                         \
    X(STDescricaoDaDescamacao, Text, Listed::Text, )                  \
    X(STMeneiosCefalicos, Boolean, Listed::YesNo, )                   \
    X(STSecrecaoOtologica, Boolean, Listed::YesNo, )                  \
    X(STPuliose, Boolean, Listed::YesNo, )                            \
    X(STIxodidiose, Boolean, Listed::YesNo, )                         \
    X(EFPeso, Measurement, Listed::Measurement, )                     \
    X(EFFrequenciaCardiaca, Measurement, Listed::Measurement, )       \
    X(EFFrequenciaRespiratoria, Measurement, Listed::Measurement, )   \
    X(EFTemperatura, Measurement, Listed::Measurement, )              \
    X(EFTempoDePressaoCapilar, Measurement, Listed::Measurement, )    \
    X(EFMucosas, Text, Listed::Text, )                                \
    X(EFDesidratacao, Text, Listed::Text, )                           \
    X(EFInspecao, Text, Listed::Plain, )                              \
    X(EFLinfonodos, Text, Listed::Text, )                             \
    X(EFDescricaoDeLifonodos, Text, Listed::Text, )                   \
    X(MNAlimentacao, Text, Listed::Text, )                            \
    X(MNContactantes, Text, Listed::Text, )                           \
    X(Diagnostico, Text, Listed::Text, )                              \
    X(Tratamento, Text, Listed::Plain, )                              \
    X(Internacao, Text, Listed::Plain, )                              \
    X(DataDeRetorno, DateText, Listed::Date, )

ZOLK_FIELD_TABLE(Property, Listed, ZOLK_FICHAS_PROPERTIES, properties)

// The order in which the listing and the printout show the properties: interface order, except
// that the listing names syncope first among the cardiorespiratory signs.
std::span<const Property> listingOrder();

}  // namespace zolk::fichas
