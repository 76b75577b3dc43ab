#include "consultas/register.h"

#include "consultas/analise_diagn.h"
#include "consultas/visoes.h"
#include "platform/dispatch.h"

namespace zolk::consultas {

void registerClasses() {
    auto& factory = platform::Factory::instance();
    factory.registerClass(DiagnTratProgId, [] { return std::make_shared<clsDiagnTrat>(); });
    factory.registerClass(InternacaoProgId, [] { return std::make_shared<clsInternacao>(); });
    factory.registerClass(AnaliseDiagnProgId, [] { return std::make_shared<clsAnaliseDiagn>(); });
}

}  // namespace zolk::consultas
