// The statements of Alterar (two updates, split after Biopsia) and of Excluir.
#include "exames/solicitacao.h"
#include "frame/sql_literals.h"

namespace zolk::exames {

namespace sql = frame::sql;

namespace {

bool inFirstUpdate(const ExameInfo& e) { return e.run <= Run::Biopsia; }

std::string where(double numero) { return "WHERE Numero=" + sql::number(numero) + ";"; }

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
    for (std::size_t i = 0; i < exameCount && inFirstUpdate(catalogo[i]); ++i)
        u += "," + std::string(catalogo[i].column()) + "=" + sql::boolean(s.exames[i]);
    u += " ";  // Biopsia, the last, is followed by a blank
    return u + where(s.numero);
}

std::string secondUpdate(const Solicitacao& s, const frame::Stamp& stamp) {
    std::string u = "UPDATE Exames SET ";
    for (std::size_t i = 0; i < exameCount; ++i)
        if (!inFirstUpdate(catalogo[i]))
            u += std::string(catalogo[i].column()) + "=" + sql::boolean(s.exames[i]) + ",";
    u += "ImagemObservacao=" + sql::text(s.imagemObservacao) + ",";
    u += "OutrosExames=" + sql::text(s.outrosExames) + ",";
    u += "ResultadosDeExames=" + sql::text(s.resultadosDeExames) + ",";
    u += "Observacao=" + sql::text(s.observacao) + ",";
    u += "DataEHoraDaAlteracao=" + sql::stamp(stamp.time) + ", ";
    u += "UsuarioDaAlteracao='" + stamp.userName + "' ";
    return u + where(s.numero);
}

std::string deleteStatement(double numero) {
    std::string d = "DELETE * ";
    d += "FROM Exames ";
    return d + where(numero);
}

}  // namespace zolk::exames
