#pragma once
// The values of one clinical record as the front end set them, and the statement texts built
// from them (each built in its own file: insercao, alteracao, listagem, impressao, validacao).
#include <array>
#include <cstdint>
#include <string>

#include "fichas/propriedades.h"
#include "frame/business_object.h"
#include "platform/date_time.h"
#include "platform/variant.h"

namespace zolk::fichas {

struct Ficha {
    Ficha();

    double numero = 0;
    std::int16_t tipoDeAtendimento = 0;
    double codigoDoCliente = 0;
    double codigoDoAnimal = 0;
    double codigoDoVeterinario = 0;
    // Indexed by Property: String for texts, Boolean, or the Variant of a measurement.
    std::array<platform::Variant, propertyCount> values;

    const platform::Variant& value(Property p) const { return values[static_cast<std::size_t>(p)]; }
    platform::Variant& value(Property p) { return values[static_cast<std::size_t>(p)]; }
    const std::string& text(Property p) const { return value(p).asString(); }
    bool flag(Property p) const { return value(p).asBoolean(); }
};

using frame::Stamp;

// "INSERT INTO FichasClinicas (...)VALUES(...);"
std::string insertStatement(const Ficha& ficha, const std::string& dataDeEmissao, double userCode,
                            const Stamp& stamp);
// The return appointment of record `numeroDaFicha` on the record's return date.
std::string appointmentInsert(const Ficha& ficha, double numeroDaFicha, const Stamp& stamp);

// "UPDATE FichasClinicas SET ... WHERE Numero=n;"
std::string updateStatement(const Ficha& ficha, const Stamp& stamp);
std::string appointmentCount(double numeroDaFicha);
std::string appointmentMove(const Ficha& ficha);
std::string appointmentDelete(double numeroDaFicha);

// The listing of Selecionar.
std::string listingStatement(std::int16_t tamanhoDaPagina, std::int16_t situacao,
                             const platform::Variant& codigoOuNome,
                             const platform::Variant& codigoOuNomeDoCliente,
                             const platform::Variant& codigoOuNomeDoAnimal);
// The one-record selection of SelecionarParaImpressao.
std::string printStatement(double numeroDaFicha);

// The stored record's issue date and creator, for the permission rules.
std::string permissionQuery(double numero);

}  // namespace zolk::fichas
