#include <utility>

#include "ado/field_value.h"
#include "ado/recordset.h"
#include "platform/runtime_error.h"

namespace zolk::ado {

using platform::Variant;

namespace {
[[noreturn]] void badParamCount(const std::string& where) {
    throw platform::RuntimeError(platform::err::DispBadParamCount, "Invalid number of parameters.",
                                 where);
}
}  // namespace

// ---- Field ----

Field::Field(std::shared_ptr<Recordset> owner, std::int32_t index)
    : owner_(std::move(owner)), index_(index) {}

std::string Field::Name() const { return owner_->column(index_).name; }
std::int32_t Field::Type() const { return owner_->column(index_).type; }
std::int32_t Field::DefinedSize() const { return owner_->column(index_).definedSize; }
std::int32_t Field::Attributes() const { return owner_->column(index_).attributes; }
Variant Field::Value() const { return owner_->value(index_); }
void Field::Value(Variant v) { owner_->setValue(index_, std::move(v)); }

Variant Field::defaultValue(std::vector<Variant>& args) {
    if (!args.empty()) badParamCount(className());
    return Value();
}

// ---- Fields ----

Fields::Fields(std::shared_ptr<Recordset> owner) : owner_(std::move(owner)) {}

std::int32_t Fields::Count() const { return owner_->fieldCount(); }

std::shared_ptr<Field> Fields::Item(const Variant& indexOrName) const {
    return std::make_shared<Field>(owner_, resolveFieldIndex(*owner_, indexOrName));
}

void Fields::Append(const std::string& name, std::int32_t type, std::int32_t definedSize,
                    std::int32_t attributes) {
    owner_->appendField(name, type, definedSize, attributes);
}

Variant Fields::defaultValue(std::vector<Variant>& args) {
    if (args.size() != 1) badParamCount(className());
    return Variant(platform::ObjectRef(Item(args[0])));
}

}  // namespace zolk::ado
