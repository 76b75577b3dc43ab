#include "fichas/propriedades.h"

#include <array>

#include "frame/sql_literals.h"

namespace zolk::fichas {

namespace sql = frame::sql;

static_assert(propertyCount == 78, "slots 14 to 91 of the interface");

namespace {

// A property shown by the listing right after another one instead of in interface order.
struct ListingMove {
    Property property;
    Property after;
};

constexpr ListingMove listingMoves[] = {
    {Property::SCRSincope, Property::SCRDescricaoDaSecrecao},
};

std::array<Property, propertyCount> buildListingOrder() {
    std::array<Property, propertyCount> order{};
    std::size_t n = 0;
    auto moved = [](Property p) {
        for (const ListingMove& m : listingMoves)
            if (m.property == p) return true;
        return false;
    };
    for (std::size_t i = 0; i < propertyCount; ++i) {
        const Property p = propertyAt(i);
        if (moved(p)) continue;
        order[n++] = p;
        for (const ListingMove& m : listingMoves)
            if (m.after == p) order[n++] = m.property;
    }
    return order;
}

}  // namespace

std::span<const Property> listingOrder() {
    static const std::array<Property, propertyCount> order = buildListingOrder();
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
