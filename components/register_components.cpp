#include "components/register_components.h"

#include "components/provider/objetos_de_dados.h"
#include "components/tratadados/tratamento.h"

namespace zolk::components {

void registerComponents() {
    auto& factory = platform::Factory::instance();
    factory.registerClass(ProviderProgId, [] { return std::make_shared<ObjetosDeDados>(); });
    factory.registerClass(TratamentoProgId, [] { return std::make_shared<Tratamento>(); });
}

}  // namespace zolk::components
