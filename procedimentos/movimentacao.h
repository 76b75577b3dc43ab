#pragma once
// Running a stock movement inside an operation's transaction.
#include <string>

#include "frame/operation.h"
#include "procedimentos/lancamento.h"

namespace zolk::procedimentos {

// The balance of a product, read through currency and "#0.000" so it has three decimals.
Currency readBalance(frame::Operation& op, const std::string& codigoInterno);

// Reads the product's balance, writes it changed by `variacao` (negative when the quantity
// leaves the stock) and logs the movement under `codigo`; `quantidadeMovimentada` is the
// quantity as the history shows it.
void moveStock(frame::Operation& op, const frame::Stamp& stamp, Movimento codigo, const std::string& codigoInterno,
               Currency variacao, const std::string& quantidadeMovimentada, const std::string& observacao);

// The product and the quantity (three decimals) of an existing product posting.
struct Reserva {
    std::string codigoInterno;
    Currency quantidade;
};
Reserva readReservation(frame::Operation& op, double numeroDeLancamento);

}  // namespace zolk::procedimentos
