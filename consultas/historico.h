#pragma once
// The statement of the two read-only views of the clinical records: the diagnoses and treatments,
// or the hospitalisation notes, of one record or of the same animal's earlier records.
#include <cstdint>
#include <string>

#include "platform/variant.h"

namespace zolk::consultas {

// What each row of the view carries besides the record, the veterinarian, the client and the animal.
enum class Notas { DiagnosticoETratamento, Internacao };

// `modo` 1 lists the record `numeroDaFichaClinica`; any other value the animal's earlier records
// whose diagnosis and treatment are filled in. A numeric filter is a record number and wins.
std::string historyStatement(Notas notas, const platform::Variant& filtro, std::int16_t modo,
                             double numeroDaFichaClinica, double codigoDoCliente, double codigoDoAnimal);

}  // namespace zolk::consultas
