// The statements of Adicionar, Alterar and Excluir. An entry has no number of its own: the update
// and the deletion find it by medicine, clinical record, client, animal and insertion stamp.
#include "frame/sql_literals.h"
#include "frame/stamp.h"
#include "medicacoes/medicacao.h"

namespace zolk::medicacoes {

namespace sql = frame::sql;

namespace {

// The stamp is written month first: between # signs the engine reads a day-first text month
// first whenever the day is 12 or less, and the key would then name another day.
std::string entryKey(const Medicacao& m) {
    std::string k = "WHERE ";
    k += "   CodigoDoMedicamento = " + sql::number(m.codigoDoMedicamento);
    k += "   AND NumeroDaFichaClinica= " + sql::number(m.numeroDaFichaClinica);
    k += "   AND CodigoDoCliente = " + sql::number(m.codigoDoCliente);
    k += "   AND CodigoDoAnimal = " + sql::number(m.codigoDoAnimal);
    k += "   AND DataEHoraDaInclusao = " + sql::filterDateTime(m.dataHoraDeInclusao);
    return k + ";";
}

}  // namespace

std::string insertStatement(const Medicacao& m, const frame::Stamp& stamp) {
    std::string i = "INSERT INTO Medicacoes (";
    i += "CodigoDoMedicamento, Quantidade, Unidade, Via, Data,Hora,Observacao, NumeroDaFichaClinica, "
         "CodigoDoVeterinario,CodigoDoCliente,CodigoDoAnimal,DataEHoraDaInclusao,UsuarioDaInclusao)";
    i += " VALUES(";
    i += sql::number(m.codigoDoMedicamento) + ", ";
    i += sql::treatedText(m.quantidade) + ", ";
    i += sql::treatedText(m.unidade) + ", ";
    i += sql::treatedText(m.via) + ", ";
    // Data and Hora in the default date-to-text conversion: the date alone at midnight, the time
    // of day alone on the zero date ('00:00:00' when unset).
    i += sql::stamp(m.data) + ", ";
    i += sql::stamp(m.hora) + ", ";
    i += sql::text(m.observacao) + ", ";
    i += sql::number(m.numeroDaFichaClinica) + ",";
    i += sql::number(m.codigoDoVeterinario) + ",";
    i += sql::number(m.codigoDoCliente) + ",";
    i += sql::number(m.codigoDoAnimal) + ",";
    return i + sql::insertionStamp(stamp) + ");";
}

std::string updateStatement(const Medicacao& m, const frame::Stamp& stamp) {
    std::string u = "          UPDATE Medicacoes SET ";
    u += "   CodigoDoMedicamento=" + sql::number(m.codigoDoMedicamento) + ", ";
    u += "   Quantidade=" + sql::treatedText(m.quantidade) + ", ";
    u += "   Unidade=" + sql::treatedText(m.unidade) + ", ";
    u += "   Via=" + sql::treatedText(m.via) + ", ";
    u += "   Hora=" + sql::stamp(m.hora) + ", ";
    u += "   Observacao=" + sql::text(m.observacao) + ", ";
    u += "   DataEHoraDaAlteracao=" + stamp.timeLiteral() + ", ";
    u += "   UsuarioDaAlteracao=" + stamp.userLiteral() + " ";
    return u + entryKey(m);
}

std::string deleteStatement(const Medicacao& m) {
    return std::string("          DELETE ") + "   * " + "FROM " + "   Medicacoes " + entryKey(m);
}

}  // namespace zolk::medicacoes
