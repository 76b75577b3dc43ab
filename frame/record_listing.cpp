#include "frame/record_listing.h"

#include "frame/sql_literals.h"
#include "platform/conversions.h"

namespace zolk::frame::sql {

namespace {
constexpr std::int16_t FichaAtual = 1;
std::string s(std::string_view v) { return std::string(v); }
}  // namespace

std::string numberCondition(std::string_view column, const platform::Variant& filtro) {
    if (!filterGiven(filtro) || !platform::IsNumeric(filtro)) return "";
    return " (" + s(column) + " = " + platform::CStr(filtro) + ") ";
}

std::string recordCondition(std::string_view table, std::string_view numberColumn, const RecordListing& args) {
    if (filterGiven(args.filtro)) return numberCondition(s(table) + "." + s(numberColumn), args.filtro);
    if (args.numeroDaFichaClinica == 0) return "";
    const std::string t = s(table) + ".";
    const std::string ficha = number(args.numeroDaFichaClinica);
    if (args.fichaAtualOuAnteriores == FichaAtual) return " (" + t + "NumeroDaFichaClinica = " + ficha + ") ";
    // The animal's rows of earlier records and those attached to no record.
    return " (" + t + "NumeroDaFichaClinica < " + ficha + " " + " OR " + t + "NumeroDaFichaClinica IS Null) " +
           " AND (" + t + "CodigoDoCliente = " + number(args.codigoDoCliente) + " " + " AND " + t +
           "CodigoDoAnimal = " + number(args.codigoDoAnimal) + ") ";
}

std::string selectStatement(const SelectList& columns, std::string_view from, const std::string& condition,
                            std::string_view order) {
    std::string statement = "          SELECT ";
    statement += columns.str();
    statement += from;
    if (!condition.empty()) statement += "WHERE " + condition;
    statement += "ORDER BY ";
    statement += order;
    return statement + ";";
}

}  // namespace zolk::frame::sql
