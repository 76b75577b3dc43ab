#include "frame/registration.h"

#include "components/register_components.h"

namespace zolk::frame {

namespace {

constexpr LibraryIdentity identity{"ZOLK_N_FichasClinicas", "ZOLK - Negócios - Fichas clínicas",
                                   "{A3AFB610-EFEF-443A-8E0F-1AE5794EDDAF}", 24, 1, "2.00.0036"};

constexpr EnumMember listKinds[] = {{"ListaPaginada", 1}, {"ListaCompleta", 2}};
constexpr EnumMember recordSituations[] = {{"TodasAsSituacoes", 0},
                                           {"PrimeiroAtendimento", 1},
                                           {"Retorno", 2},
                                           {"RegistroRecente", 3}};
constexpr EnumMember situations[] = {{"TodasAsSituacoes", 0},
                                     {"RegistroAtivo", 1},
                                     {"RegistroInativo", 2},
                                     {"RegistroRecente", 3}};

constexpr Enumeration enums[] = {
    {"penuTipoDeFichasClinicas", listKinds},
    {"penuTipoDeListaExames", listKinds},
    {"penuTipoDeListaReceitas", listKinds},
    {"penuTipoDeListaMedicacoes", listKinds},
    {"penuTipoDeListaVacinacoes", listKinds},
    {"penuTipoDeListaProcedimentos", listKinds},
    {"penuTipoDeListaDiagnosticosETratamentos", listKinds},
    {"penuTipoDeListaInternacoes", listKinds},
    {"penuSituacaoDeFichasClinicas", recordSituations},
    {"penuSituacao", situations},
};

}  // namespace

const LibraryIdentity& libraryIdentity() { return identity; }
std::span<const Enumeration> enumerations() { return enums; }

const ClassRegistration* findClass(std::span<const ClassRegistration> classes, std::string_view name) {
    for (const ClassRegistration& c : classes)
        if (platform::equalsNoCase(c.progId, name) || platform::equalsNoCase(c.className, name)) return &c;
    return nullptr;
}

void registerLibrary(std::span<const ClassRegistration> classes) {
    components::registerComponents();
    auto& factory = platform::Factory::instance();
    for (const ClassRegistration& c : classes) {
        if (c.create)
            factory.registerClass(std::string(c.progId), c.create);
        else
            factory.declareClass(std::string(c.progId));
    }
}

}  // namespace zolk::frame
