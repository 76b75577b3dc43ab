// The statements of Alterar (two updates, split after Biopsia) and of Excluir.
#include "exames/solicitacao.h"
#include "frame/sql_literals.h"

namespace zolk::exames {

namespace sql = frame::sql;

namespace {

bool inFirstUpdate(Exame e) { return catalogo[e].extra <= Run::Biopsia; }

}  // namespace

std::string firstUpdate(const Solicitacao& s) {
    std::string u = "UPDATE Exames SET ";
    u += "NumeroDaFichaClinica=" + sql::number(s.numeroDaFichaClinica) + ", ";
    u += "CodigoDoVeterinario=" + sql::number(s.codigoDoVeterinario) + ", ";
    u += "CodigoDoCliente=" + sql::number(s.codigoDoCliente) + ",";
    u += "CodigoDoAnimal=" + sql::number(s.codigoDoAnimal) + ",";
    u += "CodigoDoLaboratorio=" + sql::number(s.codigoDoLaboratorio) + ",";
    u += "Relato=" + sql::text(s.relato) + ",";
    u += "Amostra=" + sql::text(s.amostra) + ",";
    u += "ReceberResultadoPor=" + sql::text(s.receberResultadoPor) + ",";
    u += "ExamePago=" + sql::boolean(s.examePago);
    for (std::size_t i = 0; i < catalogo.size() && inFirstUpdate(catalogo.id(i)); ++i)
        u += "," + std::string(catalogo.at(i).column()) + "=" + s.exames.literal(catalogo.id(i));
    u += " ";  // Biopsia, the last, is followed by a blank
    return u + sql::whereKey("Numero", s.numero);
}

std::string secondUpdate(const Solicitacao& s, const frame::Stamp& stamp) {
    std::string u = "UPDATE Exames SET ";
    for (std::size_t i = 0; i < catalogo.size(); ++i)
        if (!inFirstUpdate(catalogo.id(i)))
            u += std::string(catalogo.at(i).column()) + "=" + s.exames.literal(catalogo.id(i)) + ",";
    u += "ImagemObservacao=" + sql::treatedText(s.imagemObservacao) + ",";
    u += "OutrosExames=" + sql::treatedText(s.outrosExames) + ",";
    u += "ResultadosDeExames=" + sql::treatedText(s.resultadosDeExames) + ",";
    u += "Observacao=" + sql::treatedText(s.observacao) + ",";
    u += sql::changeStamp(stamp);
    return u + sql::whereKey("Numero", s.numero);
}

std::string deleteStatement(double numero) { return sql::deletion("Exames", "Numero", numero); }

}  // namespace zolk::exames
