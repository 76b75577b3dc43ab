#include "fichas/propriedades.h"

#include <vector>

#include "frame/order.h"
#include "frame/sql_literals.h"

namespace zolk::fichas {

namespace sql = frame::sql;

static_assert(propertyCount == 78, "slots 14 to 91 of the interface");

std::span<const Property> listingOrder() {
    // The listing names syncope first among the cardiorespiratory signs.
    static const frame::Move<Property> moves[] = {{Property::SCRSincope, Property::SCRDescricaoDaSecrecao}};
    static const std::vector<Property> order = frame::orderWithMoves<Property>(propertyCount, moves);
    return order;
}

std::string literal(Property p, const platform::Variant& value) {
    switch (info(p).kind) {
        case Kind::Text: return sql::text(value.asString());
        case Kind::Boolean: return sql::boolean(value.asBoolean());
        case Kind::Measurement: return sql::measurement(value);
        case Kind::DateText: return sql::dateText(value.asString());
    }
    return "Null";
}

platform::Variant initialValue(Property p) {
    switch (info(p).kind) {
        case Kind::Text:
        case Kind::DateText: return platform::Variant(std::string());
        case Kind::Boolean: return platform::Variant(false);
        case Kind::Measurement: return platform::Variant();
    }
    return platform::Variant();
}

}  // namespace zolk::fichas
