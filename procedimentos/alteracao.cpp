// The updates of Alterar: a service rewrites its clinical-record columns, a product only its
// product and amounts; both end with the commission, the kind and the change stamp.
#include "frame/sql_literals.h"
#include "frame/stamp.h"
#include "platform/amounts.h"
#include "procedimentos/lancamento.h"

namespace zolk::procedimentos {

namespace sql = frame::sql;
using platform::amountText2;

namespace {

std::string amounts(const Lancamento& l) {
    return "Quantidade=" + amountText2(l.quantidade) + "," + "ValorUnitario=" + amountText2(l.valorUnitario) + "," +
           "ValorTotal=" + amountText2(l.valorTotal) + "," +
           "DescontoEmPercentual=" + amountText2(l.descontoEmPercentual) + "," +
           "DescontoEmValor=" + amountText2(l.descontoEmValor) + "," + "ValorLiquido=" + amountText2(l.valorLiquido) +
           "," + "Custo=" + amountText2(l.custo) + ",";
}

std::string tail(const Lancamento& l, const frame::Stamp& stamp) {
    std::string t = "FuncionarioComissionado=" + sql::boolean(l.funcionarioComissionado) + ",";
    t += "PercentualDeComissaoDoFuncionario=" + amountText2(l.percentualDeComissao) + ",";
    t += "ValorDaComissaoDoFuncionario=" + amountText2(l.valorDaComissao) + ",";
    t += "TipoDeLancamento=" + sql::text(l.tipoDeLancamento) + ",";
    t += sql::changeStamp(stamp);
    return t + sql::whereKey("NumeroDeLancamento", l.numeroDeLancamento);
}

}  // namespace

std::string serviceUpdate(const Lancamento& l, const frame::Stamp& stamp) {
    std::string u = "UPDATE ServicosEfetuados SET ";
    u += "NumeroDaFichaClinica=" + sql::number(l.numeroDaFichaClinica) + ", ";
    u += "CodigoDoFuncionario=" + sql::number(l.codigoDoVeterinario) + ", ";
    u += "CodigoDoCliente=" + sql::number(l.codigoDoCliente) + ",";
    u += "CodigoDoAnimal=" + sql::number(l.codigoDoAnimal) + ",";
    u += "NumeroDoTipoDeServico=" + sql::number(l.numeroDoTipoDeProcedimento) + ",";
    u += "CodigoDoServico=" + sql::number(l.codigoDoProcedimento) + ",";
    u += "Observacao=" + sql::treatedText(l.observacao) + ",";
    return u + amounts(l) + tail(l, stamp);
}

std::string productUpdate(const Lancamento& l, const frame::Stamp& stamp) {
    std::string u = "UPDATE ProdutosReservados SET ";
    u += "CodigoInternoDoProduto=" + sql::number(l.codigoInternoDoProduto) + ",";
    return u + amounts(l) + tail(l, stamp);
}

}  // namespace zolk::procedimentos
