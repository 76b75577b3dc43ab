#pragma once
// The values of one medication entry as the front end set them, and the statement texts built
// from them (escrita: insertion, update and deletion by the entry key; listagem: the listing).
#include <string>

#include "frame/business_object.h"
#include "frame/record_listing.h"
#include "platform/date_time.h"

namespace zolk::medicacoes {

struct Medicacao {
    double codigoDoMedicamento = 0;
    std::string quantidade;  // stored treated
    std::string unidade;     // stored treated
    std::string via;         // stored treated
    platform::DateTime data;
    platform::DateTime hora;
    std::string observacao;  // stored as typed
    double numeroDaFichaClinica = 0;
    double codigoDoVeterinario = 0;
    double codigoDoCliente = 0;
    double codigoDoAnimal = 0;
    // The insertion stamp of the entry to change or delete.
    platform::DateTime dataHoraDeInclusao;
};

// "INSERT INTO Medicacoes (...) VALUES(...);"
std::string insertStatement(const Medicacao& m, const frame::Stamp& stamp);
// The update of the entry found by its key: medicine, quantity, unit, route, time of day and remark.
std::string updateStatement(const Medicacao& m, const frame::Stamp& stamp);
std::string deleteStatement(const Medicacao& m);

// The listing of Selecionar; a number in the search box is a clinical record's.
std::string listingStatement(const frame::sql::RecordListing& args);

}  // namespace zolk::medicacoes
