// The insertions of a posting: a service into ServicosEfetuados, a product into
// ProdutosReservados. A single posting and each imported budget item share them.
#include "frame/sql_literals.h"
#include "platform/amounts.h"
#include "procedimentos/lancamento.h"

namespace zolk::procedimentos {

namespace sql = frame::sql;

Insercao insertionOf(const Lancamento& l, const std::string& dataDeLancamento) {
    Insercao i;
    i.dataDeLancamento = sql::text(dataDeLancamento);
    i.numeroDaFichaClinica = sql::number(l.numeroDaFichaClinica);
    i.codigoDoFuncionario = sql::number(l.codigoDoVeterinario);
    i.codigoDoCliente = sql::number(l.codigoDoCliente);
    i.codigoDoAnimal = sql::number(l.codigoDoAnimal);
    i.observacao = sql::treatedText(l.observacao);
    i.funcionarioComissionado = sql::boolean(l.funcionarioComissionado);
    return i;
}

void twoDecimalAmounts(const Lancamento& l, Insercao& i) {
    using platform::amountText2;
    i.quantidade = amountText2(l.quantidade);
    i.valorUnitario = amountText2(l.valorUnitario);
    i.valorTotal = amountText2(l.valorTotal);
    i.descontoEmPercentual = amountText2(l.descontoEmPercentual);
    i.descontoEmValor = amountText2(l.descontoEmValor);
    i.valorLiquido = amountText2(l.valorLiquido);
    i.custo = amountText2(l.custo);
    i.percentualDeComissao = amountText2(l.percentualDeComissao);
    i.valorDaComissao = amountText2(l.valorDaComissao);
}

namespace {

std::string amounts(const Insercao& i) {
    return i.quantidade + "," + i.valorUnitario + "," + i.valorTotal + "," + i.descontoEmPercentual + "," +
           i.descontoEmValor + "," + i.valorLiquido + "," + i.custo + ",";
}

std::string commission(const Insercao& i) {
    return i.funcionarioComissionado + "," + i.percentualDeComissao + "," + i.valorDaComissao + ",";
}

std::string tail(const Insercao& i) {
    return i.tipoDeLancamento + "," + i.tipoDeVenda + "," + i.stamp + ");";
}

}  // namespace

std::string serviceInsert(const Insercao& i) {
    std::string s = "INSERT INTO ServicosEfetuados (";
    s += "DataDeLancamento,NumeroDaFichaClinica, CodigoDoFuncionario,CodigoDoCliente,CodigoDoAnimal,";
    s += "NumeroDoTipoDeServico,CodigoDoServico,Observacao,Quantidade,ValorUnitario,ValorTotal,";
    s += "DescontoEmPercentual,DescontoEmValor,ValorLiquido,Custo,FuncionarioComissionado,";
    s += "PercentualDeComissaoDoFuncionario,ValorDaComissaoDoFuncionario,TipoDeLancamento,TipoDeVenda,";
    s += "DataEHoraDaInclusao,UsuarioDaInclusao) VALUES(";
    s += i.dataDeLancamento + "," + i.numeroDaFichaClinica + "," + i.codigoDoFuncionario + "," + i.codigoDoCliente +
         "," + i.codigoDoAnimal + "," + i.numeroDoTipoDeServico + "," + i.codigoDoServico + "," + i.observacao + ",";
    return s + amounts(i) + commission(i) + tail(i);
}

std::string productInsert(const Insercao& i) {
    std::string s = "INSERT INTO ProdutosReservados (";
    s += "DataDeLancamento,CodigoDoFuncionario,CodigoDoCliente,CodigoInternoDoProduto,Observacao,Quantidade,";
    s += "ValorUnitario,ValorTotal,DescontoEmPercentual,DescontoEmValor,ValorLiquido,Custo,";
    s += "FuncionarioComissionado,PercentualDeComissaoDoFuncionario,ValorDaComissaoDoFuncionario,";
    s += "NumeroDaVenda,NumeroDaVendaCancelada,NumeroDaFichaClinica, TipoDeLancamento,TipoDeVenda,";
    s += "DataEHoraDaInclusao,UsuarioDaInclusao) VALUES(";
    s += i.dataDeLancamento + "," + i.codigoDoFuncionario + "," + i.codigoDoCliente + "," + i.codigoInternoDoProduto +
         "," + i.observacao + ",";
    // Not sold yet: NumeroDaVenda and NumeroDaVendaCancelada are 0.
    return s + amounts(i) + commission(i) + "0,0," + i.numeroDaFichaClinica + "," + tail(i);
}

}  // namespace zolk::procedimentos
