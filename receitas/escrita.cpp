// The statements of Adicionar, Alterar and Excluir.
#include "frame/sql_literals.h"
#include "frame/stamp.h"
#include "receitas/receita.h"

namespace zolk::receitas {

namespace sql = frame::sql;

std::string insertStatement(const Receita& r, const std::string& dataDeEmissao, const frame::Stamp& stamp) {
    std::string i = "INSERT INTO Receitas (";
    i += "Data,NumeroDaFichaClinica, CodigoDoCliente,CodigoDoAnimal,ReceitaControlada,Prescricao,"
         "CodigoDoVeterinario,DataEHoraDaInclusao,UsuarioDaInclusao)";
    i += " VALUES(";
    i += sql::text(dataDeEmissao) + ",";
    i += sql::number(r.numeroDaFichaClinica) + ",";
    i += sql::number(r.codigoDoCliente) + ",";
    i += sql::number(r.codigoDoAnimal) + ",";
    i += sql::boolean(r.receitaControlada) + ",";
    i += sql::treatedText(r.prescricao) + ",";
    i += sql::number(r.codigoDoVeterinario) + ",";
    return i + sql::insertionStamp(stamp) + ");";
}

std::string updateStatement(const Receita& r, const frame::Stamp& stamp) {
    std::string u = "UPDATE Receitas SET ";
    u += "NumeroDaFichaClinica=" + sql::number(r.numeroDaFichaClinica) + ", ";
    u += "CodigoDoCliente=" + sql::number(r.codigoDoCliente) + ",";
    u += "CodigoDoAnimal=" + sql::number(r.codigoDoAnimal) + ",";
    u += "ReceitaControlada=" + sql::boolean(r.receitaControlada) + ",";
    u += "Prescricao=" + sql::treatedText(r.prescricao) + ",";
    u += "CodigoDoVeterinario=" + sql::number(r.codigoDoVeterinario) + ", ";
    u += sql::changeStamp(stamp);
    return u + sql::whereKey("Numero", r.numero);
}

std::string deleteStatement(double numero) {
    return sql::deletion("Receitas", "Numero", numero);
}

}  // namespace zolk::receitas
