#include "fichas/register.h"

#include "fichas/fichas_clinicas.h"
#include "platform/dispatch.h"

namespace zolk::fichas {

void registerClass() {
    platform::Factory::instance().registerClass(ProgId, [] { return std::make_shared<clsFichasClinicas>(); });
}

}  // namespace zolk::fichas
