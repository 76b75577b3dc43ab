#include "procedimentos/movimentacao.h"

#include "platform/amounts.h"
#include "platform/conversions.h"

namespace zolk::procedimentos {

Currency readBalance(frame::Operation& op, const std::string& codigoInterno) {
    return platform::roundStockBalance(platform::CCur(op.executeScalar(balanceQuery(codigoInterno))));
}

void moveStock(frame::Operation& op, const frame::Stamp& stamp, Movimento codigo, const std::string& codigoInterno,
               Currency variacao, const std::string& quantidadeMovimentada, const std::string& observacao) {
    MovimentoDeEstoque m{codigo, codigoInterno, readBalance(op, codigoInterno), quantidadeMovimentada, {}, observacao};
    // No check of the balance: it may go below zero.
    m.saldoAtual = m.saldoAnterior + variacao;
    op.execute(stockUpdate(m));
    op.execute(stockHistory(m, stamp));
}

Reserva readReservation(frame::Operation& op, double numeroDeLancamento) {
    auto rs = op.connection()->Execute(reservationQuery(numeroDeLancamento));
    // No such posting: reading the first row raises "no current record".
    Reserva r{std::to_string(platform::CLng(rs->value(0))), platform::roundStockBalance(platform::CCur(rs->value(1)))};
    rs->ActiveConnection(nullptr);
    rs->Close();
    return r;
}

}  // namespace zolk::procedimentos
