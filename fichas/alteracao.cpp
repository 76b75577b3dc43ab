// The statements of Alterar: the record's row and the appointments kept in step with it.
#include "fichas/ficha.h"
#include "frame/sql_literals.h"

namespace zolk::fichas {

namespace sql = frame::sql;

std::string updateStatement(const Ficha& ficha, const Stamp& stamp) {
    std::string s = "UPDATE FichasClinicas SET ";
    s += sql::assign("TipoDeAtendimento", sql::number(std::int64_t{ficha.tipoDeAtendimento}));
    s += sql::assign("CodigoDoCliente", sql::number(ficha.codigoDoCliente));
    s += sql::assign("CodigoDoAnimal", sql::number(ficha.codigoDoAnimal));
    for (std::size_t i = 0; i < properties.size(); ++i) {
        const Property p = properties.id(i);
        s += sql::assign(properties[p].column(), ficha.values.literal(p));
    }
    s += sql::assign("CodigoDoVeterinario", sql::number(ficha.codigoDoVeterinario));
    s += sql::changeStamp(stamp);
    s += sql::whereKey("Numero", ficha.numero);
    return s;
}

std::string appointmentCount(double numeroDaFicha) {
    return " SELECT COUNT(*) FROM Agendamentos WHERE NumeroDaFichaClinica = " +
           sql::number(numeroDaFicha) + ";";
}

std::string appointmentMove(const Ficha& ficha) {
    const std::string& retorno = ficha.text(Property::DataDeRetorno);
    std::string s = "UPDATE Agendamentos SET ";
    s += "DataInicial=" + sql::treatedText(retorno) + ", ";
    s += "DataFinal=" + sql::treatedText(retorno) + " ";
    s += sql::whereKey("NumeroDaFichaClinica", ficha.numero);
    return s;
}

std::string appointmentDelete(double numeroDaFicha) {
    return sql::deletion("Agendamentos", "NumeroDaFichaClinica", numeroDaFicha);
}

}  // namespace zolk::fichas
