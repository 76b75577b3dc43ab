#pragma once
// The values of one vaccination entry as the front end set them, and the statement texts built
// from them (escrita: insertion, update, deletion; listagem: the four listing modes).
#include <cstdint>
#include <string>

#include "frame/stamp.h"
#include "platform/variant.h"

namespace zolk::vacinacoes {

struct Vacinacao {
    double codigo = 0;
    double numeroDaFichaClinica = 0;  // 0: the dose belongs to no clinical record
    double codigoDoCliente = 0;
    double codigoDoAnimal = 0;
    double codigoDaVacina = 0;  // -1: no vaccine chosen
    std::int16_t numeroDaDose = 0;
    std::int16_t numeroDeDoses = 0;
    std::int16_t intervaloEntreAsDoses = 0;
    // Applied on, or due on for a pending dose; stored as typed, without the text-treatment service.
    std::string dataDaAplicacao;
    double codigoDoVeterinario = 0;
    // The word True or False; empty until the front end sets it, which breaks the statements.
    std::string vacinaAplicada;
    // Stored treated.
    std::string partida;
    std::string observacao;
    // The next Alterar is an application call: it dates the dose today and attaches it to the record.
    bool aplicacao = false;
};

// The listing modes of Selecionar.
enum class Modo : std::int16_t { FichaAtual = 1, FichasAnteriores = 2, Atrasadas = 3, Proximas = 4 };

std::string insertStatement(const Vacinacao& v, const frame::Stamp& stamp);
std::string updateStatement(const Vacinacao& v, const frame::Stamp& stamp);
std::string deleteStatement(double codigo);

std::string listingStatement(const platform::Variant& filtro, std::int16_t modo, double numeroDaFichaClinica,
                             double codigoDoCliente, double codigoDoAnimal);

}  // namespace zolk::vacinacoes
