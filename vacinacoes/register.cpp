#include "vacinacoes/register.h"

#include "platform/dispatch.h"
#include "vacinacoes/vacinacoes.h"

namespace zolk::vacinacoes {

void registerClass() {
    platform::Factory::instance().registerClass(ProgId, [] { return std::make_shared<clsVacinacoes>(); });
}

}  // namespace zolk::vacinacoes
