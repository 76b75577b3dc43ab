#include "frame/fields.h"

#include "frame/business_object.h"
#include "frame/sql_literals.h"
#include "platform/conversions.h"

namespace zolk::frame {

using platform::Variant;

Variant initialValue(FieldKind kind) {
    switch (kind) {
        case FieldKind::Text:
        case FieldKind::RawText:
        case FieldKind::DateText: return Variant(std::string());
        case FieldKind::Boolean: return Variant(false);
        case FieldKind::Measurement: return Variant();
    }
    return Variant();
}

Variant letValue(FieldKind kind, const Variant& value, const BusinessObject& owner) {
    switch (kind) {
        case FieldKind::Text:
        case FieldKind::DateText: return Variant(owner.treat(platform::CStr(value)));
        case FieldKind::RawText: return Variant(platform::CStr(value));
        case FieldKind::Boolean: return Variant(platform::CBool(value));
        case FieldKind::Measurement: return value;
    }
    return value;
}

std::string literal(FieldKind kind, const Variant& value) {
    switch (kind) {
        case FieldKind::Text: return sql::treatedText(value.asString());
        case FieldKind::RawText: return sql::text(value.asString());
        case FieldKind::Boolean: return sql::boolean(value.asBoolean());
        case FieldKind::Measurement: return sql::measurement(value);
        case FieldKind::DateText: return sql::dateText(value.asString());
    }
    return "Null";
}

platform::ParamType letType(FieldKind kind) {
    switch (kind) {
        case FieldKind::Text:
        case FieldKind::RawText:
        case FieldKind::DateText: return platform::ParamType::String;
        case FieldKind::Boolean: return platform::ParamType::Boolean;
        case FieldKind::Measurement: return platform::ParamType::Variant;
    }
    return platform::ParamType::Variant;
}

}  // namespace zolk::frame
