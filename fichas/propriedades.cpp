#include "fichas/propriedades.h"

#include <vector>

#include "frame/order.h"

namespace zolk::fichas {

static_assert(properties.size() == 78, "slots 14 to 91 of the interface");

std::span<const Property> listingOrder() {
    static const frame::Move<Property> moves[] = {{Property::SCRSincope, Property::SCRDescricaoDaSecrecao}};
    static const std::vector<Property> order = frame::orderWithMoves<Property>(properties.size(), moves);
    return order;
}

}  // namespace zolk::fichas
