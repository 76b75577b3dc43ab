#pragma once
// The values of one clinical record as the front end set them, and the statement texts built
// from them (each built in its own file: insercao, alteracao, listagem, impressao, validacao).
#include <cstdint>
#include <string>

#include "fichas/propriedades.h"
#include "frame/fields.h"
#include "frame/stamp.h"
#include "platform/variant.h"

namespace zolk::fichas {

struct Ficha {
    double numero = 0;
    std::int16_t tipoDeAtendimento = 0;
    double codigoDoCliente = 0;
    double codigoDoAnimal = 0;
    double codigoDoVeterinario = 0;
    frame::FieldValues<decltype(properties)> values{properties};

    const std::string& text(Property p) const { return values.text(p); }
    bool flag(Property p) const { return values.flag(p); }
};

using frame::Stamp;

// "INSERT INTO FichasClinicas (...)VALUES(...);" with the issue date 'dd/mm/yyyy'.
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
