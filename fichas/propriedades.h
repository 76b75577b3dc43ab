#pragma once
// The anamnesis and examination properties of the clinical record, in interface order. This one
// table drives the typed setters, the dispatch table, and the column lists of the insertion, the
// update, the listing and the printout; each property's column has the property's name.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <span>
#include <string>
#include <string_view>

#include "platform/variant.h"

namespace zolk::fichas {

// How the property is held and written into SQL.
enum class Kind : std::uint8_t {
    Text,         // treated text, quoted
    Boolean,      // True / False
    Measurement,  // a Variant: its number with a decimal point, or Null
    DateText,     // text holding a date: quoted when it is a valid date, else Null
};

// How the listing shows the column.
enum class Listed : std::uint8_t {
    Text,         // IIF(IsNull(...), '', ...)
    YesNo,        // SWITCH(...=True, 'Sim', ...=False, 'Não')
    Plain,        // the column as stored
    Measurement,  // IIF(IsNull(...), 0, Format([...],'#,##0.00'))
    Date,         // FORMAT([...],'DD/MM/YYYY')
};

// X(name, Kind, Listed)
#define ZOLK_FICHAS_PROPERTIES(X)                                   \
    X(QueixaPrincipal, Text, Plain)                                 \
    X(SGIApetite, Text, Text)                                       \
    X(SGIEmese, Boolean, YesNo)                                     \
    X(SGIEmeseFrequencia, Text, Text)                               \
    X(SGIEmeseColoracao, Text, Text)                                \
    X(SGIHematemese, Boolean, YesNo)                                \
    X(SGIDiarreia, Boolean, YesNo)                                  \
    X(SGIMelenaID, Boolean, YesNo)                                  \
    X(SGIHematoquesiaIG, Boolean, YesNo)                            \
    X(SGIDisquesia, Boolean, YesNo)                                 \
    X(SGITenesmo, Boolean, YesNo)                                   \
    X(SGIAquesia, Boolean, YesNo)                                   \
    X(SCRSecrecao, Text, Text)                                      \
    X(SCRDescricaoDaSecrecao, Text, Text)                           \
    X(SCRTosse, Boolean, YesNo)                                     \
    X(SCREspirro, Boolean, YesNo)                                   \
    X(SCRDistricaoRespiratoria, Boolean, YesNo)                     \
    X(SCRSincope, Boolean, YesNo)                                   \
    X(SCRCianose, Boolean, YesNo)                                   \
    X(SCRIntoleranciaAExercicio, Boolean, YesNo)                    \
    X(SCRCansacoFacil, Boolean, YesNo)                              \
    X(SGUDisfuncaoHidrica, Text, Text)                              \
    X(SGUUrinaColoracao, Text, Text)                                \
    X(SGUUrinaVolume, Text, Text)                                   \
    X(SGUUrinaFrequencia, Text, Text)                               \
    X(SGUUrinaOdor, Text, Text)                                     \
    X(SGUHematuria, Boolean, YesNo)                                 \
    X(SGUDisuria, Boolean, YesNo)                                   \
    X(SGUPiuria, Boolean, YesNo)                                    \
    X(SGUEstranguria, Boolean, YesNo)                               \
    X(SGUSecrecao, Boolean, YesNo)                                  \
    X(SGUCastrado, Boolean, YesNo)                                  \
    X(SGUPartosNormais, Boolean, YesNo)                             \
    X(SGUAnticoncepcional, Boolean, YesNo)                          \
    X(SGUCiosRegulares, Boolean, YesNo)                             \
    X(SGUUltimoCio, Text, Text)                                     \
    X(SGUCrias, Text, Text)                                         \
    X(SLClaudicacao, Boolean, YesNo)                                \
    X(SLDescricaoDaClaudicacao, Text, Text)                         \
    X(SLParesia, Boolean, YesNo)                                    \
    X(SLDescricaoDaParesia, Text, Text)                             \
    X(SLDorAoTransporObstaculos, Boolean, YesNo)                    \
    X(SLDescricaoDaDorAoTransporObstaculos, Text, Text)             \
    X(SLImpotenciaFuncional, Boolean, YesNo)                        \
    X(SLDescricaoDaImpotenciaFuncional, Text, Text)                 \
    X(SNConvulsoes, Boolean, YesNo)                                 \
    X(SNDescricaoDasConvulsoes, Text, Text)                         \
    X(SNAlteracoesComportamentais, Boolean, YesNo)                  \
    X(SNDescricaoDasAlteracoesComportamentais, Text, Text)          \
    X(SNAndarEmCirculos, Boolean, YesNo)                            \
    X(SNHeatTilt, Boolean, YesNo)                                   \
    X(SNNistagmo, Boolean, YesNo)                                   \
    X(STPrurido, Boolean, YesNo)                                    \
    X(STDescricaoDoPrurido, Text, Text)                             \
    X(STAlopecia, Boolean, YesNo)                                   \
    X(STDescricaoDaAlopecia, Text, Text)                            \
    X(STDescamacao, Boolean, YesNo)                                 \
    X(STDescricaoDaDescamacao, Text, Text)                          \
    X(STMeneiosCefalicos, Boolean, YesNo)                           \
    X(STSecrecaoOtologica, Boolean, YesNo)                          \
    X(STPuliose, Boolean, YesNo)                                    \
    X(STIxodidiose, Boolean, YesNo)                                 \
    X(EFPeso, Measurement, Measurement)                             \
    X(EFFrequenciaCardiaca, Measurement, Measurement)               \
    X(EFFrequenciaRespiratoria, Measurement, Measurement)           \
    X(EFTemperatura, Measurement, Measurement)                      \
    X(EFTempoDePressaoCapilar, Measurement, Measurement)            \
    X(EFMucosas, Text, Text)                                        \
    X(EFDesidratacao, Text, Text)                                   \
    X(EFInspecao, Text, Plain)                                      \
    X(EFLinfonodos, Text, Text)                                     \
    X(EFDescricaoDeLifonodos, Text, Text)                           \
    X(MNAlimentacao, Text, Text)                                    \
    X(MNContactantes, Text, Text)                                   \
    X(Diagnostico, Text, Text)                                      \
    X(Tratamento, Text, Plain)                                      \
    X(Internacao, Text, Plain)                                      \
    X(DataDeRetorno, DateText, Date)

enum class Property : std::uint8_t {
#define ZOLK_FICHAS_ENUMERATOR(name, kind, listed) name,
    ZOLK_FICHAS_PROPERTIES(ZOLK_FICHAS_ENUMERATOR)
#undef ZOLK_FICHAS_ENUMERATOR
};

struct PropertyInfo {
    std::string_view name;
    Kind kind;
    Listed listed;
};

inline constexpr PropertyInfo properties[] = {
#define ZOLK_FICHAS_INFO(name, kind, listed) {#name, Kind::kind, Listed::listed},
    ZOLK_FICHAS_PROPERTIES(ZOLK_FICHAS_INFO)
#undef ZOLK_FICHAS_INFO
};

inline constexpr std::size_t propertyCount = std::size(properties);

constexpr const PropertyInfo& info(Property p) { return properties[static_cast<std::size_t>(p)]; }
constexpr Property propertyAt(std::size_t index) { return static_cast<Property>(index); }

// The order in which the listing and the printout show the properties: interface order, except
// that the listing names syncope first among the cardiorespiratory signs.
std::span<const Property> listingOrder();

// A property's value as the SQL literal of its kind ("Null" when it becomes Null).
std::string literal(Property p, const platform::Variant& value);

// The value a property holds before anything is set: "", False or an empty Variant.
platform::Variant initialValue(Property p);

}  // namespace zolk::fichas
