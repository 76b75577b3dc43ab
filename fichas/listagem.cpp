// The statement of Selecionar: records with their client, animal and veterinarian, newest
// first, filtered by visit type and by the three search values typed by the user.
#include "fichas/colunas.h"
#include "fichas/ficha.h"
#include "frame/select_list.h"
#include "frame/sql_literals.h"
#include "platform/conversions.h"
#include "platform/format.h"

namespace zolk::fichas {

namespace sql = frame::sql;
using platform::Variant;

namespace {

enum Situacao : std::int16_t { TodasAsSituacoes = 0, PrimeiroAtendimento = 1, Retorno = 2, RegistroRecente = 3 };

// VB's Len of the value's text: characters, not bytes.
std::size_t length(const std::string& text) {
    std::size_t n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

std::string situationFilter(std::int16_t situacao) {
    switch (situacao) {
        case TodasAsSituacoes:
        case RegistroRecente:
            return "   (FichasClinicas.TipoDeAtendimento=1 OR FichasClinicas.TipoDeAtendimento=2) ";
        case PrimeiroAtendimento: return "   FichasClinicas.TipoDeAtendimento=1 ";
        case Retorno: return "   FichasClinicas.TipoDeAtendimento=2 ";
        default: return "";  // nothing after WHERE: the database rejects the statement
    }
}

// The record's number, an issue month (05/2024), an issue or return day (15/05/2024), or a
// veterinarian's nickname or name.
std::string recordFilter(const Variant& value) {
    const std::string v = platform::CStr(value);
    if (platform::IsNumeric(value)) return " AND (FichasClinicas.Numero = " + v + ") ";
    if (platform::IsDate(value)) {
        const Variant date(platform::CDate(value));
        if (length(v) == 7) {
            const double month = platform::Val(platform::CStr(platform::Format(date, "MM")));
            const double year = platform::Val(platform::CStr(platform::Format(date, "YYYY")));
            return "AND (((Month(FichasClinicas.DataDeEmissao))=" + sql::number(month) +
                   ") AND ((Year(FichasClinicas.DataDeEmissao))=" + sql::number(year) + ")) ";
        }
        if (length(v) == 10) {
            const std::string day = sql::filterDate(date.asDate());
            return " AND (FichasClinicas.DataDeEmissao = " + day + " OR FichasClinicas.DataDeRetorno = " + day + ") ";
        }
        return "";
    }
    return " AND (Funcionarios.Apelido " + sql::like(v) + " " + " OR Funcionarios.Nome " + sql::like(v) + ") ";
}

// The client's code, a tax number of 11 or 14 digits, or a name or street.
std::string clientFilter(const Variant& value) {
    const std::string v = platform::CStr(value);
    if (platform::IsNumeric(value)) {
        const std::size_t digits = length(platform::Trim(v));
        if (digits == 11 || digits == 14)
            return " AND (Clientes.Codigo = " + v + " " + " OR Clientes.CPFCNPJ " + sql::like(v) + ") ";
        return " AND (Clientes.Codigo = " + v + ") ";
    }
    return " AND (Clientes.ApelidoOuNomeFantasia " + sql::like(v) + " " +
           " OR Clientes.NomeOuRazaoSocial " + sql::like(v) + " " + " OR Clientes.Logradouro " + sql::like(v) + ") ";
}

// The animal's code or name, and always its microchip.
std::string animalFilter(const Variant& value) {
    const std::string v = platform::CStr(value);
    if (platform::IsNumeric(value))
        return " AND (Animais.Codigo = " + v + " " + " OR Animais.Microchip " + sql::like(v) + ") ";
    return " AND (Animais.Nome " + sql::like(v) + " " + " OR Animais.Microchip " + sql::like(v) + ") ";
}

}  // namespace

std::string listingStatement(std::int16_t tamanhoDaPagina, std::int16_t situacao,
                             const Variant& codigoOuNome, const Variant& codigoOuNomeDoCliente,
                             const Variant& codigoOuNomeDoAnimal) {
    std::string s = situacao == RegistroRecente
                        ? "SELECT TOP " + std::to_string(tamanhoDaPagina) + " "
                        : std::string("SELECT ");

    sql::SelectList columns;
    columns.zeroIfNull("FichasClinicas.Numero", "Numero")
        .date("FichasClinicas.DataDeEmissao", "DataDeEmissao")
        .veterinarianClientAnimal("FichasClinicas");
    addRecordColumns(columns);
    columns.zeroIfNull("FichasClinicas.CodigoDoUsuarioDaInclusao", "CodigoDoUsuarioDaInclusao")
        .zeroIfNull("FichasClinicas.NumeroDaVenda", "NumeroDaVenda")
        .item("IIF(IsNull(FichasClinicas.TipoDeAtendimento), 1, FichasClinicas.TipoDeAtendimento) AS "
              "TipoDeAtendimento")
        .item(nomeDoTipoDeAtendimento)
        .stamps("FichasClinicas");
    s += columns.str();

    s += "FROM  ";
    s += "   Funcionarios INNER JOIN (Clientes INNER JOIN (Animais INNER JOIN FichasClinicas ON "
         "Animais.Codigo = FichasClinicas.CodigoDoAnimal) ON (Clientes.Codigo = "
         "FichasClinicas.CodigoDoCliente) AND (Clientes.Codigo = Animais.CodigoDoCliente)) ON "
         "Funcionarios.Codigo = FichasClinicas.CodigoDoVeterinario ";
    s += "WHERE ";
    s += situationFilter(situacao);
    if (sql::filterGiven(codigoOuNome)) s += recordFilter(codigoOuNome);
    if (sql::filterGiven(codigoOuNomeDoCliente)) s += clientFilter(codigoOuNomeDoCliente);
    if (sql::filterGiven(codigoOuNomeDoAnimal)) s += animalFilter(codigoOuNomeDoAnimal);
    s += "ORDER BY ";
    s += "   FichasClinicas.Numero DESC";
    s += ";";
    return s;
}

}  // namespace zolk::fichas
