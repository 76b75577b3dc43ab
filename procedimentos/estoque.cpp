// Stock: reading a balance or a reservation, and the two statements of one stock movement.
#include "frame/sql_literals.h"
#include "frame/stamp.h"
#include "platform/amounts.h"
#include "platform/conversions.h"
#include "platform/format.h"
#include "procedimentos/lancamento.h"

namespace zolk::procedimentos {

namespace sql = frame::sql;
using platform::Variant;

std::string reservationQuery(double numeroDeLancamento) {
    return "SELECT ProdutosReservados.CodigoInternoDoProduto, ProdutosReservados.Quantidade FROM ProdutosReservados "
           "WHERE ProdutosReservados.NumeroDeLancamento = " +
           sql::number(numeroDeLancamento);
}

std::string balanceQuery(std::string_view codigoInterno) {
    return "SELECT SaldoEmEstoque FROM Produtos WHERE CodigoInterno = " + std::string(codigoInterno);
}

std::string stockUpdate(const MovimentoDeEstoque& m) {
    // The balance is written with two decimals, the history keeps three.
    return "           UPDATE     Produtos  SET     SaldoEmEstoque = " + platform::amountText2(m.saldoAtual) +
           " WHERE     CodigoInterno = " + m.codigoInterno + ";";
}

std::string stockHistory(const MovimentoDeEstoque& m, const frame::Stamp& stamp) {
    const Variant when(stamp.time);
    std::string h = "INSERT INTO HistoricoDeProdutos (DataDoLancamento,HoraDoLancamento,TipoDeLancamento,"
                    "CodigoInternoDoProduto,SaldoAnterior,QuantidadeMovimentada,SaldoAtual,Observacao,Situacao, "
                    "DataEHoraDaInclusao,UsuarioDaInclusao) VALUES(";
    h += "'" + platform::CStr(platform::Format(when, "DD/MM/YYYY")) + "',";
    h += "'" + platform::CStr(platform::Format(when, "HH:MM")) + "',";
    h += std::to_string(static_cast<int>(m.codigo)) + ",";
    h += m.codigoInterno + ",";
    h += platform::amountText3(m.saldoAnterior) + ",";
    h += m.quantidadeMovimentada + ",";
    h += platform::amountText3(m.saldoAtual) + ",";
    h += "'" + m.observacao + "',";
    h += "1 , ";  // Situacao 1: a valid movement
    return h + sql::insertionStamp(stamp) + ");";
}

std::string notaDeSaida(double ficha) { return "Saída por Pré-Venda na ficha clínica no. " + sql::number(ficha); }

std::string notaDeSaidaImportada(double ficha, std::string_view numeroDoItem) {
    return notaDeSaida(ficha) + ", importado do orçamento no. " + std::string(numeroDoItem);
}

std::string notaDeAlteracao(double ficha) {
    return "Entrada por alteração da Pré-Venda na ficha clínica no. " + sql::number(ficha);
}

std::string notaDeExclusao(double ficha) {
    return "Entrada por exclusão da Pré-Venda na ficha clínica no. " + sql::number(ficha);
}

}  // namespace zolk::procedimentos
