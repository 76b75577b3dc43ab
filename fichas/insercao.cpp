// The statements of Adicionar: the record's row and its return appointment.
#include "fichas/ficha.h"
#include "frame/sql_literals.h"

namespace zolk::fichas {

namespace sql = frame::sql;

std::string insertStatement(const Ficha& ficha, const std::string& dataDeEmissao, double userCode,
                            const Stamp& stamp) {
    std::string columns = "INSERT INTO FichasClinicas (";
    columns += "DataDeEmissao, TipoDeAtendimento, CodigoDoCliente, CodigoDoAnimal, ";
    std::string values = "VALUES(";
    values += sql::text(dataDeEmissao) + ",";
    values += sql::number(std::int64_t{ficha.tipoDeAtendimento}) + ", ";
    values += sql::number(ficha.codigoDoCliente) + ", ";
    values += sql::number(ficha.codigoDoAnimal) + ", ";
    for (const auto& property : properties) columns += std::string(property.column()) + ", ";
    for (std::size_t i = 0; i < properties.size(); ++i) values += ficha.values.literal(properties.id(i)) + ", ";
    columns += "CodigoDoVeterinario, CodigoDoUsuarioDaInclusao, ";
    columns += "DataEHoraDaInclusao,";
    columns += "UsuarioDaInclusao)";
    values += sql::number(ficha.codigoDoVeterinario) + ", ";
    values += sql::number(userCode) + ", ";
    values += sql::insertionStamp(stamp) + ");";
    return columns + values;
}

std::string appointmentInsert(const Ficha& ficha, double numeroDaFicha, const Stamp& stamp) {
    const std::string& retorno = ficha.text(Property::DataDeRetorno);
    const std::string numero = sql::number(numeroDaFicha);
    std::string s = "INSERT INTO Agendamentos (";
    s += "Situacao,";
    s += "CodigoDoFuncionario,";
    s += "DataInicial,";
    s += "DataFinal,";
    s += "CodigoDoServico,";
    s += "NomeDoServico,";
    s += "NumeroDaFichaClinica,";
    s += "CodigoDoCliente,";
    s += "CodigoDoAnimal,";
    s += "Observacao,";
    s += "TransporteBuscar,";
    s += "TransporteLevar,";
    s += "DataEHoraDaInclusao,";
    s += "UsuarioDaInclusao)";
    s += " VALUES(";
    s += "1 , ";
    s += sql::number(ficha.codigoDoVeterinario) + ", ";
    s += sql::treatedText(retorno) + ", ";
    s += sql::treatedText(retorno) + ", ";
    s += "0, ";
    s += "'Retorno', ";
    s += numero + ",";
    s += sql::number(ficha.codigoDoCliente) + ",";
    s += sql::number(ficha.codigoDoAnimal) + ",";
    s += "'Agendamento referente a ficha clínica nº " + numero + "'" + ", ";
    s += "False, ";
    s += "False, ";
    s += sql::insertionStamp(stamp) + ");";
    return s;
}

}  // namespace zolk::fichas
