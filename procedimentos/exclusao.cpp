// The deletions of Excluir.
#include "frame/sql_literals.h"
#include "procedimentos/lancamento.h"

namespace zolk::procedimentos {

namespace sql = frame::sql;

std::string serviceDelete(double numeroDeLancamento) {
    return "DELETE * FROM ServicosEfetuados WHERE NumeroDeLancamento=" + sql::number(numeroDeLancamento) + ";";
}

std::string productDelete(double numeroDeLancamento) {
    return "DELETE * FROM ProdutosReservados WHERE NumeroDeLancamento=" + sql::number(numeroDeLancamento) + ";";
}

}  // namespace zolk::procedimentos
