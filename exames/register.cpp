#include "exames/register.h"

#include "exames/exames.h"
#include "platform/dispatch.h"

namespace zolk::exames {

void registerClass() {
    platform::Factory::instance().registerClass(ProgId, [] { return std::make_shared<clsExames>(); });
}

}  // namespace zolk::exames
