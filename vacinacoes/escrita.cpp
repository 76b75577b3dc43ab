// The statements of Adicionar, Alterar and Excluir. None runs in a transaction.
#include "frame/sql_literals.h"
#include "platform/conversions.h"
#include "platform/format.h"
#include "vacinacoes/vacinacao.h"

namespace zolk::vacinacoes {

namespace sql = frame::sql;
using platform::Variant;

namespace {

// The application date of an update: the stored text as dd/mm/yyyy when it reads as a date;
// anything else is written as Null.
std::string applicationDate(const std::string& stored) {
    const std::string formatted = platform::CStr(platform::Format(Variant(stored), "dd/mm/yyyy"));
    if (!sql::isValidDateText(formatted)) return "DataDaAplicacao=Null,";
    return "DataDaAplicacao=" + sql::text(formatted) + ",";
}

}  // namespace

std::string insertStatement(const Vacinacao& v, const frame::Stamp& stamp) {
    std::string s = "INSERT INTO Vacinacoes (";
    s += "DataDaAplicacao,NumeroDaFichaClinica, CodigoDoCliente,CodigoDoAnimal,CodigoDaVacina,NumeroDaDose,";
    s += "NumeroDeDoses,IntervaloEntreAsDoses,CodigoDoVeterinario,VacinaAplicada,Partida,Observacao, ";
    s += "DataEHoraDaInclusao,UsuarioDaInclusao)";
    s += " VALUES(";
    s += sql::text(v.dataDaAplicacao) + ",";
    // A dose of no clinical record: blank, Null, comma, blank.
    s += v.numeroDaFichaClinica != 0 ? sql::number(v.numeroDaFichaClinica) + "," : std::string(" Null, ");
    s += sql::number(v.codigoDoCliente) + ",";
    s += sql::number(v.codigoDoAnimal) + ",";
    s += sql::number(v.codigoDaVacina) + ",";
    s += sql::number(std::int64_t{v.numeroDaDose}) + ",";
    s += sql::number(std::int64_t{v.numeroDeDoses}) + ",";
    s += sql::number(std::int64_t{v.intervaloEntreAsDoses}) + ",";
    s += sql::number(v.codigoDoVeterinario) + ",";
    s += v.vacinaAplicada + ",";
    s += sql::treatedText(v.partida) + ",";
    s += sql::treatedText(v.observacao) + ",";
    return s + sql::insertionStamp(stamp) + ");";
}

std::string updateStatement(const Vacinacao& v, const frame::Stamp& stamp) {
    std::string s = "UPDATE Vacinacoes SET ";
    // Only the application call moves the dose to the clinical record given.
    if (v.aplicacao) s += "NumeroDaFichaClinica=" + sql::number(v.numeroDaFichaClinica) + ",";
    s += "CodigoDoCliente=" + sql::number(v.codigoDoCliente) + ",";
    s += "CodigoDoAnimal=" + sql::number(v.codigoDoAnimal) + ",";
    s += "CodigoDaVacina=" + sql::number(v.codigoDaVacina) + ",";
    s += "NumeroDaDose=" + sql::number(std::int64_t{v.numeroDaDose}) + ",";
    s += "NumeroDeDoses=" + sql::number(std::int64_t{v.numeroDeDoses}) + ",";
    s += "IntervaloEntreAsDoses=" + sql::number(std::int64_t{v.intervaloEntreAsDoses}) + ",";
    s += applicationDate(v.dataDaAplicacao);
    s += "CodigoDoVeterinario=" + sql::number(v.codigoDoVeterinario) + ",";
    s += "VacinaAplicada=" + v.vacinaAplicada + ",";
    s += "Partida=" + sql::treatedText(v.partida) + ",";
    s += "Observacao=" + sql::treatedText(v.observacao) + ", ";
    s += sql::changeStamp(stamp);
    return s + sql::whereKey("Codigo", v.codigo);
}

std::string deleteStatement(double codigo) { return sql::deletion("Vacinacoes", "Codigo", codigo); }

}  // namespace zolk::vacinacoes
