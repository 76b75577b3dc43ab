// The statement of Selecionar: one entry by its code, the current clinical record's doses, the
// animal's doses applied in earlier records (or in none), and its pending doses overdue or to come.
#include "frame/select_list.h"
#include "frame/sql_literals.h"
#include "platform/conversions.h"
#include "vacinacoes/vacinacao.h"

namespace zolk::vacinacoes {

namespace sql = frame::sql;
using platform::Variant;

namespace {

sql::SelectList columns() {
    sql::SelectList c;
    c.zeroIfNull("Vacinacoes.Codigo", "Codigo")
        .date("Vacinacoes.DataDaAplicacao", "DataDaAplicacao")
        .zeroIfNull("Vacinacoes.NumeroDaFichaClinica", "NumeroDaFichaClinica")
        .veterinarianClientAnimal("Vacinacoes")
        .zeroIfNull("Vacinacoes.CodigoDaVacina", "CodigoDaVacina")
        .emptyIfNull("Vacinas.Nome", "NomeDaVacina")
        .zeroIfNull("Vacinacoes.NumeroDaDose", "NumeroDaDose")
        .zeroIfNull("Vacinacoes.NumeroDeDoses", "NumeroDeDoses")
        .zeroIfNull("Vacinacoes.IntervaloEntreAsDoses", "IntervaloEntreAsDoses")
        .yesNo("Vacinacoes.VacinaAplicada", "VacinaAplicada")
        .emptyIfNull("Vacinacoes.Partida", "Partida")
        .emptyIfNull("Vacinacoes.Observacao", "Observacao")
        .stamps("Vacinacoes");
    return c;
}

// The animal's pending doses, with `comparison` between the due date and today as yyyy/mm/dd
// texts: calendar days, so a dose due today is neither overdue nor to come.
std::string pendingDoses(double codigoDoCliente, double codigoDoAnimal, const char* comparison) {
    return " (Vacinacoes.CodigoDoCliente = " + sql::number(codigoDoCliente) +
           " AND Vacinacoes.CodigoDoAnimal = " + sql::number(codigoDoAnimal) +
           " AND Vacinacoes.VacinaAplicada = False)" +
           " AND (Format(Vacinacoes.DataDaAplicacao,'yyyy/mm/dd') " + comparison +
           " Format(Date(),'yyyy/mm/dd'))";
}

// The condition after WHERE; empty when the call gives none.
std::string condition(const Variant& filtro, std::int16_t modo, double numeroDaFichaClinica, double codigoDoCliente,
                      double codigoDoAnimal) {
    if (sql::filterGiven(filtro))
        return platform::IsNumeric(filtro) ? " (Vacinacoes.Codigo = " + platform::CStr(filtro) + ") " : "";
    const std::string ficha = sql::number(numeroDaFichaClinica);
    switch (static_cast<Modo>(modo)) {
        case Modo::FichaAtual:
            if (numeroDaFichaClinica == 0) return "";
            return " (Vacinacoes.NumeroDaFichaClinica = " + ficha + ") ";
        case Modo::FichasAnteriores:
            if (numeroDaFichaClinica == 0) return "";
            return " (Vacinacoes.NumeroDaFichaClinica < " + ficha + " OR Vacinacoes.NumeroDaFichaClinica IS Null)" +
                   " AND (Vacinacoes.CodigoDoCliente = " + sql::number(codigoDoCliente) +
                   " AND Vacinacoes.CodigoDoAnimal = " + sql::number(codigoDoAnimal) +
                   " AND Vacinacoes.VacinaAplicada = True )";
        // The record number plays no part in these two: an animal seen without a record still
        // has its overdue and upcoming doses listed.
        case Modo::Atrasadas:
            return pendingDoses(codigoDoCliente, codigoDoAnimal, "<");
        case Modo::Proximas:
            return pendingDoses(codigoDoCliente, codigoDoAnimal, ">");
    }
    return "";
}

}  // namespace

std::string listingStatement(const Variant& filtro, std::int16_t modo, double numeroDaFichaClinica,
                             double codigoDoCliente, double codigoDoAnimal) {
    std::string s = "          SELECT ";
    s += columns().str();
    s += "FROM  ";
    s += "   (((Vacinacoes INNER JOIN Clientes ON Vacinacoes.CodigoDoCliente = Clientes.Codigo) INNER JOIN Animais ON "
         "Vacinacoes.CodigoDoAnimal = Animais.Codigo) INNER JOIN Vacinas ON Vacinacoes.CodigoDaVacina = Vacinas.Codigo) "
         "INNER JOIN Funcionarios ON Vacinacoes.CodigoDoVeterinario = Funcionarios.Codigo ";
    // With no condition the WHERE is left out (the engine refuses "WHERE ORDER BY"): every entry
    // is listed, newest first.
    const std::string where = condition(filtro, modo, numeroDaFichaClinica, codigoDoCliente, codigoDoAnimal);
    if (!where.empty()) s += "WHERE " + where;
    s += "ORDER BY ";
    s += "   Vacinacoes.Codigo DESC";
    return s + ";";
}

}  // namespace zolk::vacinacoes
