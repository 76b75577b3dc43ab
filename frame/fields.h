#pragma once
// A class's table of properties: one row per property in the interface's order, giving its name,
// its kind (how it is held, which Let it has, how it is written into a statement), its column
// and one value of the class's own (how a listing shows it, which run of a catalogue it belongs
// to). A class writes its table once, as a list of rows X(name, kind, extra, column), an empty
// column being spelled as the property, and expands it here:
//
//   #define ZOLK_ENSAIO_CAMPOS(X) X(Texto, Text, {}, ) X(Pago, Boolean, {}, "NotaPaga")
//   ZOLK_FIELD_TABLE(Campo, frame::NoExtra, ZOLK_ENSAIO_CAMPOS, campos)
//
// gives the enumeration `Campo` (Campo::Texto, Campo::Pago) and the table `campos`. Inside the
// class, `ZOLK_FIELD_SETTERS(ZOLK_ENSAIO_CAMPOS)` declares one typed setter per property
// (`Texto(std::string_view)`, `Pago(bool)`), each storing through the class's `letField`.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/dispatch.h"
#include "platform/variant.h"

namespace zolk::frame {

class BusinessObject;

// How a property is held and written into SQL.
enum class FieldKind : std::uint8_t {
    Text,         // the treated text, quoted
    RawText,      // the text as given, quoted with its quotes doubled
    Boolean,      // True / False
    Measurement,  // a Variant: its number with a decimal point, or Null
    DateText,     // treated text holding a date: quoted when it is a valid date, else Null
};

// What a property holds before anything is set: "", False or an empty Variant.
platform::Variant initialValue(FieldKind kind);
// What a Let stores: texts through the owner's text-treatment service (raw texts as given),
// Booleans as Booleans, measurements as given.
platform::Variant letValue(FieldKind kind, const platform::Variant& value, const BusinessObject& owner);
// A held value as the SQL literal of its kind ("Null" when it becomes Null).
std::string literal(FieldKind kind, const platform::Variant& value);
// The declared type of the property's Let.
platform::ParamType letType(FieldKind kind);

// The extra value of a table whose class adds nothing to its rows: written {} in the list.
struct NoExtra {};

template <class Extra>
struct Field {
    std::string_view name;
    FieldKind kind;
    Extra extra;
    std::string_view columnSpelling;  // empty: the column is spelled as the property

    constexpr std::string_view column() const { return columnSpelling.empty() ? name : columnSpelling; }
};

template <class IdType, class Extra, std::size_t N>
struct FieldTable {
    using Id = IdType;
    using Row = Field<Extra>;

    Row rows[N];

    static constexpr std::size_t size() { return N; }
    static constexpr Id id(std::size_t index) { return static_cast<Id>(index); }
    static constexpr std::size_t index(Id id) { return static_cast<std::size_t>(id); }
    constexpr const Row& operator[](Id id) const { return rows[index(id)]; }
    constexpr const Row& at(std::size_t index) const { return rows[index]; }
    constexpr const Row* begin() const { return rows; }
    constexpr const Row* end() const { return rows + N; }
};

// The values a front end set for the properties of one table, held by their kinds' rules.
template <class Table>
class FieldValues {
public:
    using Id = typename Table::Id;

    explicit FieldValues(const Table& table) : table_(&table) {
        for (std::size_t i = 0; i < Table::size(); ++i) values_[i] = initialValue(table.at(i).kind);
    }

    const platform::Variant& operator[](Id id) const { return values_[Table::index(id)]; }
    const std::string& text(Id id) const { return (*this)[id].asString(); }
    bool flag(Id id) const { return (*this)[id].asBoolean(); }
    std::string literal(Id id) const { return frame::literal((*table_)[id].kind, (*this)[id]); }

    void let(Id id, const platform::Variant& value, const BusinessObject& owner) {
        values_[Table::index(id)] = letValue((*table_)[id].kind, value, owner);
    }

private:
    const Table* table_;
    std::array<platform::Variant, Table::size()> values_;
};

// The argument of a property's typed setter, by kind.
template <FieldKind K>
struct SetterArgument {
    using type = std::string_view;
};
template <>
struct SetterArgument<FieldKind::Boolean> {
    using type = bool;
};
template <>
struct SetterArgument<FieldKind::Measurement> {
    using type = const platform::Variant&;
};

inline platform::Variant setterValue(std::string_view text) { return platform::Variant(std::string(text)); }
inline platform::Variant setterValue(bool flag) { return platform::Variant(flag); }
inline const platform::Variant& setterValue(const platform::Variant& value) { return value; }

}  // namespace zolk::frame

#define ZOLK_FIELD_ENUMERATOR(name, kind, extra, column) name,
#define ZOLK_FIELD_ROW(name, kind, extra, column) {#name, ::zolk::frame::FieldKind::kind, extra, "" column},
#define ZOLK_FIELD_ONE(name, kind, extra, column) +1

#define ZOLK_FIELD_TABLE(Id, Extra, LIST, table)                                              \
    enum class Id : std::uint16_t { LIST(ZOLK_FIELD_ENUMERATOR) };                             \
    inline constexpr ::zolk::frame::FieldTable<Id, Extra, 0 LIST(ZOLK_FIELD_ONE)> table{{LIST(ZOLK_FIELD_ROW)}};

// Inside the class: its `FieldId` names the enumeration and `letField(FieldId, const Variant&)` stores.
#define ZOLK_FIELD_SETTER(name, kind, extra, column)                                         \
    void name(::zolk::frame::SetterArgument<::zolk::frame::FieldKind::kind>::type value) {    \
        letField(FieldId::name, ::zolk::frame::setterValue(value));                            \
    }
#define ZOLK_FIELD_SETTERS(LIST) LIST(ZOLK_FIELD_SETTER)
