#pragma once
// The frame of a class that lists rows of clinical records (exam requests, prescriptions,
// medications, vaccinations, postings, and the views of the records themselves): its Selecionar
// lists them by the search box, by the current record or by the animal's earlier records, each
// class giving its own statement.
#include <cstdint>
#include <string>

#include "frame/business_object.h"
#include "frame/record_listing.h"

namespace zolk::frame {

class RecordClass : public BusinessObject {
public:
    RecordClass(std::string className, std::string nothingFound);

    // `modo` is the class's listing mode (1 the current record, 2 the earlier ones, and any
    // others the class adds). The last three arrive as 0 when the front end leaves them out.
    std::int16_t Selecionar(std::int32_t tipoDeLista, std::int16_t tamanhoDaPagina,
                            const platform::Variant& codigoOuNomeParaFiltro, std::int16_t modo,
                            double numeroDaFichaClinica = 0, double codigoDoCliente = 0, double codigoDoAnimal = 0);

protected:
    // The message of a selection that found nothing, shared with the class's print selection.
    const std::string& nothingFound() const { return nothingFound_; }

private:
    virtual std::string listingStatement(const sql::RecordListing& args) const = 0;

    std::string nothingFound_;
};

}  // namespace zolk::frame
