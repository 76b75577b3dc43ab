#include "frame/record_class.h"

namespace zolk::frame {

RecordClass::RecordClass(std::string className, std::string nothingFound)
    : BusinessObject(std::move(className)), nothingFound_(std::move(nothingFound)) {}

std::int16_t RecordClass::Selecionar(std::int32_t tipoDeLista, std::int16_t tamanhoDaPagina,
                                     const platform::Variant& codigoOuNomeParaFiltro, std::int16_t modo,
                                     double numeroDaFichaClinica, double codigoDoCliente, double codigoDoAnimal) {
    return list("Selecionar", tipoDeLista, tamanhoDaPagina, nothingFound_, [&] {
        return listingStatement({codigoOuNomeParaFiltro, modo, numeroDaFichaClinica, codigoDoCliente, codigoDoAnimal});
    });
}

}  // namespace zolk::frame
