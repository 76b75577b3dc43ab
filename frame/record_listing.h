#pragma once
// What the listings of the record classes (exam requests, prescriptions, medications...) share:
// the condition chosen from the search box and the clinical-record arguments, and the assembly
// of the statement around it.
#include <cstdint>
#include <string>
#include <string_view>

#include "frame/select_list.h"
#include "platform/variant.h"

namespace zolk::frame::sql {

// The arguments of a record class's Selecionar after the list kind and the page size.
struct RecordListing {
    const platform::Variant& filtro;
    std::int16_t fichaAtualOuAnteriores;  // 1 the current record, anything else the earlier ones
    double numeroDaFichaClinica = 0;
    double codigoDoCliente = 0;
    double codigoDoAnimal = 0;
};

// " (column = <the search text>) " when the search box holds a number (a number, or a text the
// platform reads as one, written as typed); "" otherwise.
std::string numberCondition(std::string_view column, const platform::Variant& filtro);

// The condition of a listing of `table`, in this order: a number in the search box selects by
// `numberColumn`; an empty search box with a clinical record selects that record's rows
// (current-record mode) or the animal's rows of earlier records and of none; anything else
// gives "" (no condition).
std::string recordCondition(std::string_view table, std::string_view numberColumn, const RecordListing& args);

// "          SELECT ", the columns, `from` with its joins, "WHERE " and the condition, "ORDER BY "
// and `order`, ";". No condition leaves the WHERE out: the engine refuses "WHERE " followed by
// "ORDER BY ", and a call that names nothing to select by lists every row the joins keep.
std::string selectStatement(const SelectList& columns, std::string_view from, const std::string& condition,
                            std::string_view order);

}  // namespace zolk::frame::sql
