// The statement of Selecionar: the entries of a clinical record (typed in the search box or
// given as the current record), or the animal's entries of earlier records; by day, and within a
// day the latest time first.
#include "frame/select_list.h"
#include "medicacoes/medicacao.h"

namespace zolk::medicacoes {

namespace sql = frame::sql;

std::string listingStatement(const sql::RecordListing& args) {
    sql::SelectList columns;
    columns.date("Medicacoes.Data", "Data")
        .item("FORMAT([Medicacoes.Hora],'HH:MM') AS Hora")
        .zeroIfNull("Medicacoes.CodigoDoMedicamento", "CodigoDoMedicamento")
        .zeroIfNull("Medicamentos.Nome", "NomeDoMedicamento")  // a missing name gives 0
        .zeroIfNull("Medicacoes.Quantidade", "Quantidade")
        .zeroIfNull("Medicacoes.Unidade", "Unidade")
        .zeroIfNull("Medicacoes.Via", "Via")
        .plain("Medicacoes.Observacao", "Observacao")
        .zeroIfNull("Medicacoes.NumeroDaFichaClinica", "NumeroDaFichaClinica")
        .veterinarianClientAnimal("Medicacoes")
        .stamps("Medicacoes");
    return sql::selectStatement(
        columns,
        "FROM "
        "   ((Medicacoes INNER JOIN Funcionarios ON Medicacoes.CodigoDoVeterinario = Funcionarios.Codigo) INNER JOIN "
        "(Clientes INNER JOIN Animais ON Clientes.Codigo = Animais.CodigoDoCliente) ON (Medicacoes.CodigoDoAnimal = "
        "Animais.Codigo) AND (Medicacoes.CodigoDoCliente = Clientes.Codigo)) INNER JOIN Medicamentos ON "
        "Medicacoes.CodigoDoMedicamento = Medicamentos.Codigo ",
        sql::recordCondition("Medicacoes", "NumeroDaFichaClinica", args), "   Medicacoes.Data, Medicacoes.Hora DESC");
}

}  // namespace zolk::medicacoes
