// The deletions of Excluir.
#include "frame/sql_literals.h"
#include "procedimentos/lancamento.h"

namespace zolk::procedimentos {

namespace sql = frame::sql;

std::string serviceDelete(double numeroDeLancamento) {
    return sql::deletion("ServicosEfetuados", "NumeroDeLancamento", numeroDeLancamento);
}

std::string productDelete(double numeroDeLancamento) {
    return sql::deletion("ProdutosReservados", "NumeroDeLancamento", numeroDeLancamento);
}

}  // namespace zolk::procedimentos
