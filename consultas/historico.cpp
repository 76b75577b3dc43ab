#include "consultas/historico.h"

#include "frame/select_list.h"
#include "frame/sql_literals.h"
#include "platform/conversions.h"

namespace zolk::consultas {

namespace sql = frame::sql;
using platform::Variant;

namespace {

sql::SelectList columns(Notas notas) {
    sql::SelectList c;
    c.zeroIfNull("FichasClinicas.Numero", "Numero")
        .date("FichasClinicas.DataDeEmissao", "DataDeEmissao")
        .veterinarianClientAnimal("FichasClinicas");
    if (notas == Notas::DiagnosticoETratamento)
        c.emptyIfNull("FichasClinicas.Diagnostico", "Diagnostico").plain("FichasClinicas.Tratamento", "Tratamento");
    else
        c.plain("FichasClinicas.Internacao", "Internacao");
    c.stamps("FichasClinicas");
    return c;
}

// The condition after WHERE; empty when the call gives none.
std::string condition(const Variant& filtro, std::int16_t modo, double numeroDaFichaClinica, double codigoDoCliente,
                      double codigoDoAnimal) {
    if (sql::filterGiven(filtro))
        return platform::IsNumeric(filtro) ? " (FichasClinicas.Numero = " + platform::CStr(filtro) + ") " : "";
    if (numeroDaFichaClinica == 0) return "";
    const std::string ficha = sql::number(numeroDaFichaClinica);
    if (modo == 1) return " (FichasClinicas.Numero = " + ficha + ") ";
    // Earlier records count only with both their diagnosis and their treatment filled in, in
    // either view.
    return " (FichasClinicas.Numero < " + ficha + " " + " OR FichasClinicas.Numero IS Null) " +
           " AND (FichasClinicas.CodigoDoCliente = " + sql::number(codigoDoCliente) + " " +
           " AND FichasClinicas.CodigoDoAnimal = " + sql::number(codigoDoAnimal) + ") " +
           " AND (FichasClinicas.Diagnostico <> '' " + " AND FichasClinicas.Tratamento <> '') ";
}

}  // namespace

std::string historyStatement(Notas notas, const Variant& filtro, std::int16_t modo, double numeroDaFichaClinica,
                             double codigoDoCliente, double codigoDoAnimal) {
    std::string s = "          SELECT ";
    s += columns(notas).str();
    s += "FROM  ";
    s += "   Funcionarios INNER JOIN (Clientes INNER JOIN (Animais INNER JOIN FichasClinicas ON Animais.Codigo = "
         "FichasClinicas.CodigoDoAnimal) ON (Clientes.Codigo = FichasClinicas.CodigoDoCliente) AND (Clientes.Codigo = "
         "Animais.CodigoDoCliente)) ON Funcionarios.Codigo = FichasClinicas.CodigoDoVeterinario ";
    // With no condition the WHERE is left out (the engine refuses "WHERE ORDER BY"): every
    // record is listed, the newest issue date first.
    const std::string where = condition(filtro, modo, numeroDaFichaClinica, codigoDoCliente, codigoDoAnimal);
    if (!where.empty()) s += "WHERE " + where;
    s += "ORDER BY ";
    s += "   FichasClinicas.DataDeEmissao DESC";
    return s + ";";
}

}  // namespace zolk::consultas
