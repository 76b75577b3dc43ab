#include "classes/class_table.h"

#include <mutex>

#include "consultas/analise_diagn.h"
#include "consultas/visoes.h"
#include "exames/exames.h"
#include "fichas/fichas_clinicas.h"
#include "procedimentos/procedimentos.h"
#include "medicacoes/medicacoes.h"
#include "receitas/receitas.h"
#include "vacinacoes/vacinacoes.h"

namespace zolk::classes {

namespace {

using frame::create;

// A class not built yet has nullptr for its creator: creating it answers "class not registered".
constexpr frame::ClassRegistration table[] = {
    {"clsFichasClinicas", "ZOLK_N_FichasClinicas.clsFichasClinicas", "{BD6DFCB4-68A7-4131-86CF-2A6A94DD1A66}",
     "_clsFichasClinicas", "{CBCA6E8B-C34F-4039-B8C4-ED26FC397320}", 101, create<fichas::clsFichasClinicas>},
    {"clsExames", "ZOLK_N_FichasClinicas.clsExames", "{18046D08-8415-4B1C-A73C-6C1C704665C4}",
     "_clsExames", "{FEA81933-1EC6-495B-9102-E2A7460D99B9}", 215, create<exames::clsExames>},
    {"clsReceitas", "ZOLK_N_FichasClinicas.clsReceitas", "{9E0F6921-9596-4E2D-ABC7-9D0BF3D3789B}",
     "_clsReceitas", "{F51EC1F7-EB4A-4B8B-807C-8DC6ACAFF9D9}", 25, create<receitas::clsReceitas>},
    {"clsMedicacoes", "ZOLK_N_FichasClinicas.clsMedicacoes", "{139450CD-7578-4709-B3FB-03F9B2CB6F34}",
     "_clsMedicacoes", "{A6D0727A-6E13-4049-BE9E-52ABF89ABFEC}", 26,
     create<medicacoes::clsMedicacoes>},
    {"clsVacinacoes", "ZOLK_N_FichasClinicas.clsVacinacoes", "{801ABED0-4E75-4BA6-AFF3-A55B04E41755}",
     "_clsVacinacoes", "{A8F74719-0852-4679-8782-FC97413A1FA1}", 30,
     create<vacinacoes::clsVacinacoes>},
    {"clsProcedimentos", "ZOLK_N_FichasClinicas.clsProcedimentos", "{5237612E-3FA7-47C1-9D71-7A72B9AE7D25}",
     "_clsProcedimentos", "{0B0CC52C-6248-4470-96AA-2038913AD18B}", 40,
     create<procedimentos::clsProcedimentos>},
    {"clsDiagnTrat", "ZOLK_N_FichasClinicas.clsDiagnTrat", "{C6F689FD-116F-4209-A6A7-3AB26E33C8C4}",
     "_clsDiagnTrat", "{1DD38F33-57DE-4490-B328-07E02178826A}", 6,
     create<consultas::clsDiagnTrat>},
    {"clsAnaliseDiagn", "ZOLK_N_FichasClinicas.clsAnaliseDiagn", "{66DB2641-D83F-45E4-B7E4-1230D13344A8}",
     "_clsAnaliseDiagn", "{D2F8EEAA-8B06-4519-A90F-04DDF0F26FD3}", 6,
     create<consultas::clsAnaliseDiagn>},
    {"clsInternacao", "ZOLK_N_FichasClinicas.clsInternacao", "{79FCB5BC-C876-4C28-92C7-4EA84F6033E4}",
     "_clsInternacao", "{33835699-7882-48C2-AF82-566C19AB877E}", 6,
     create<consultas::clsInternacao>},
};

}  // namespace

std::span<const frame::ClassRegistration> classTable() { return table; }

const frame::ClassRegistration* findClass(std::string_view name) { return frame::findClass(table, name); }

void registerClasses() {
    static std::once_flag once;
    std::call_once(once, [] { frame::registerLibrary(table); });
}

}  // namespace zolk::classes
