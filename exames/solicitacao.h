#pragma once
// The values of one exam request as the front end set them, and the statement texts built from
// them (each built in its own file: insercao, alteracao, listagem).
#include <cstdint>
#include <string>

#include "exames/catalogo.h"
#include "frame/fields.h"
#include "frame/stamp.h"
#include "platform/variant.h"

namespace zolk::exames {

struct Solicitacao {
    double numero = 0;
    double numeroDaFichaClinica = 0;
    double codigoDoVeterinario = 0;
    double codigoDoCliente = 0;
    double codigoDoAnimal = 0;
    double codigoDoLaboratorio = 0;
    // Stored as given, without the text-treatment service.
    std::string relato;
    std::string amostra;
    std::string receberResultadoPor;
    bool examePago = false;
    frame::FieldValues<decltype(catalogo)> exames{catalogo};
    // Stored treated.
    std::string imagemObservacao;
    std::string outrosExames;
    std::string resultadosDeExames;
    std::string observacao;
    // What the front end says; only ValidarDados reads it.
    bool exameSelecionado = false;
};

// "INSERT INTO Exames (...) VALUES(...);" with the issue date 'dd/mm/yyyy'.
std::string insertStatement(const Solicitacao& s, const std::string& dataDeEmissao, const frame::Stamp& stamp);

// The update is split after Biopsia: the first statement carries the numbers, the three untreated
// texts, ExamePago and the exams up to Biopsia; the second the other exams, the treated texts and
// the change stamp.
std::string firstUpdate(const Solicitacao& s);
std::string secondUpdate(const Solicitacao& s, const frame::Stamp& stamp);

std::string deleteStatement(double numero);

// The listing of Selecionar, and the header of the request's printed form.
std::string listingStatement(const platform::Variant& filtro, std::int16_t fichaAtualOuAnteriores,
                             double numeroDaFichaClinica, double codigoDoCliente, double codigoDoAnimal);
std::string printHeaderStatement(const platform::Variant& filtro);

}  // namespace zolk::exames
