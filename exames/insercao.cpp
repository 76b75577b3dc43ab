// The statement of Adicionar: one row of Exames with every exam of the catalogue.
#include "exames/solicitacao.h"
#include "frame/sql_literals.h"

namespace zolk::exames {

namespace sql = frame::sql;

std::string insertStatement(const Solicitacao& s, const std::string& dataDeEmissao, const frame::Stamp& stamp) {
    // Column names are followed by ", ", values by a bare ",".
    std::string columns = "INSERT INTO Exames (";
    std::string values = " VALUES(";
    auto add = [&](std::string_view column, const std::string& literal) {
        columns += column;
        columns += ", ";
        values += literal + ",";
    };
    add("DataDeEmissao", sql::text(dataDeEmissao));
    add("NumeroDaFichaClinica", sql::number(s.numeroDaFichaClinica));
    add("CodigoDoVeterinario", sql::number(s.codigoDoVeterinario));
    add("CodigoDoCliente", sql::number(s.codigoDoCliente));
    add("CodigoDoAnimal", sql::number(s.codigoDoAnimal));
    add("CodigoDoLaboratorio", sql::number(s.codigoDoLaboratorio));
    add("Relato", sql::text(s.relato));
    add("Amostra", sql::text(s.amostra));
    add("ReceberResultadoPor", sql::text(s.receberResultadoPor));
    add("ExamePago", sql::boolean(s.examePago));
    for (std::size_t i = 0; i < catalogo.size(); ++i) add(catalogo.at(i).column(), s.exames.literal(catalogo.id(i)));
    add("ImagemObservacao", sql::treatedText(s.imagemObservacao));
    add("OutrosExames", sql::treatedText(s.outrosExames));
    add("ResultadosDeExames", sql::treatedText(s.resultadosDeExames));
    add("Observacao", sql::treatedText(s.observacao));
    columns += "DataEHoraDaInclusao,";
    columns += "UsuarioDaInclusao)";
    values += sql::insertionStamp(stamp) + ");";
    return columns + values;
}

}  // namespace zolk::exames
