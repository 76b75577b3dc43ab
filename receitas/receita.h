#pragma once
// The values of one prescription as the front end set them, and the statement texts built from
// them (escrita: insertion, update, deletion; listagem: the listing and the controlled-drug header).
#include <cstdint>
#include <string>

#include "frame/business_object.h"
#include "frame/record_listing.h"

namespace zolk::receitas {

struct Receita {
    double numero = 0;
    double numeroDaFichaClinica = 0;
    double codigoDoCliente = 0;
    double codigoDoAnimal = 0;
    bool receitaControlada = false;
    std::string prescricao;  // stored treated
    double codigoDoVeterinario = 0;
};

// "INSERT INTO Receitas (...) VALUES(...);" with the issue date 'dd/mm/yyyy'.
std::string insertStatement(const Receita& r, const std::string& dataDeEmissao, const frame::Stamp& stamp);
// "UPDATE Receitas SET ... WHERE Numero=n;": everything but the issue date.
std::string updateStatement(const Receita& r, const frame::Stamp& stamp);
std::string deleteStatement(double numero);

// The listing of Selecionar, and the header of the controlled-drug form.
std::string listingStatement(const frame::sql::RecordListing& args);
std::string controlledHeaderStatement(const platform::Variant& filtro);

}  // namespace zolk::receitas
