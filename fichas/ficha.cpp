#include "fichas/ficha.h"

namespace zolk::fichas {

Ficha::Ficha() {
    for (std::size_t i = 0; i < propertyCount; ++i) values[i] = initialValue(propertyAt(i));
}

}  // namespace zolk::fichas
