// The budget import, inside Adicionar's transaction: every item becomes a posting with the
// employee's commission, product items leave stock, and the items and the budget are deleted.
#include "frame/operation.h"
#include "frame/sql_literals.h"
#include "frame/stamp.h"
#include "platform/amounts.h"
#include "platform/conversions.h"
#include "procedimentos/movimentacao.h"
#include "procedimentos/procedimentos.h"

namespace zolk::procedimentos {

using platform::Variant;

namespace {

// A number of an item written as its own text. Only a value the platform reads as a number is
// written, so no text in the item recordset can become part of a statement.
std::string ownNumber(const Variant& v) {
    if (!platform::IsNumeric(v)) platform::raise(platform::err::TypeMismatch, "a budget item holds a text where a number goes");
    std::string t = platform::CStr(v);
    for (char& c : t)
        if (c == ',') c = '.';
    return t;
}

std::string plainAmount(const Variant& v) { return platform::amountTextPlain(platform::CCur(v)); }

}  // namespace

void clsProcedimentos::importarOrcamento(frame::Operation& op, const frame::Stamp& stamp) {
    op.ponto(6);
    if (!itens_) platform::raise(platform::err::ObjectNotSet, "DadosDosItensDoOrcamento was not given");
    ado::Recordset& item = *itens_;
    item.MoveFirst();
    const std::string orcamento = ownNumber(item.value("NumeroDoOrcamento"));

    while (!item.EOF_()) {
        op.ponto(7);
        const Variant tipo = item.value("TipoDeLancamento");
        const Variant tipoOuBarras = item.value("NumeroDoTipoDeServicoOuCodigoDeBarrasDoProduto");
        const Variant codigo = item.value("CodigoDoServicoOuCodigoInternoDoProduto");
        const std::int16_t kind = platform::CInt(tipo);
        // A failed lookup leaves the commission as it stood; its error stays in the error state.
        ObterComissaoDoFuncionario(l_.codigoDoVeterinario, kind, platform::CStr(tipoOuBarras), platform::CDbl(codigo));

        op.ponto(8);
        Insercao i = insertionOf(l_, dataDeLancamento_);
        i.quantidade = plainAmount(item.value("Quantidade"));
        i.valorUnitario = plainAmount(item.value("ValorUnitario"));
        i.valorTotal = plainAmount(item.value("ValorTotal"));
        i.descontoEmPercentual = plainAmount(item.value("DescontoEmPercentual"));
        i.descontoEmValor = plainAmount(item.value("DescontoEmValor"));
        i.valorLiquido = plainAmount(item.value("ValorLiquido"));
        i.custo = plainAmount(item.value("Custo"));
        i.percentualDeComissao = platform::amountTextPlain(l_.percentualDeComissao);
        // Computed in floating point, kept as currency (four decimals, halves to even).
        const double comissao = platform::CDbl(item.value("ValorTotal")) / 100 * l_.percentualDeComissao.toDouble();
        i.valorDaComissao = platform::amountTextPlain(Currency::fromDouble(comissao));
        i.tipoDeLancamento = frame::sql::text(platform::CStr(tipo));
        i.tipoDeVenda = frame::sql::text(platform::CStr(item.value("TipoDeVenda")));
        i.stamp = frame::sql::insertionStamp(stamp);

        if (kind == Servico) {
            op.ponto(9);
            i.numeroDoTipoDeServico = ownNumber(tipoOuBarras);
            i.codigoDoServico = ownNumber(codigo);
            op.execute(serviceInsert(i));
        } else {
            op.ponto(10);
            i.codigoInternoDoProduto = ownNumber(codigo);
            const Variant quantidade = item.value("Quantidade");
            moveStock(op, stamp, Movimento::Entrada, i.codigoInternoDoProduto, -platform::CCur(quantidade),
                      ownNumber(quantidade),
                      notaDeSaidaImportada(l_.numeroDaFichaClinica, ownNumber(item.value("NumeroDoItemDoOrcamento"))));
            op.ponto(11);
            op.execute(productInsert(i));
        }

        // Each item goes under its own budget number.
        op.ponto(12);
        op.execute(budgetItemDelete(ownNumber(item.value("NumeroDoOrcamento")),
                                    ownNumber(item.value("NumeroDoItemDoOrcamento"))));
        item.MoveNext();
    }

    op.ponto(13);
    op.execute(budgetDelete(orcamento));
}

std::int16_t clsProcedimentos::ObterComissaoDoFuncionario(double funcionario, std::int16_t tipoDeLancamento,
                                                          const std::string& numeroDoTipoDeServico,
                                                          double codigoDoServicoOuProduto) {
    return run("ObterComissaoDoFuncionario", [&](frame::Operation& op) -> std::int16_t {
        op.ponto(1);
        op.createProvider();
        op.ponto(2);
        if (auto code = op.openConnection()) return *code;

        op.ponto(3);
        const bool produto = tipoDeLancamento != Servico;
        const std::string text =
            produto ? productCommissionQuery(funcionario, codigoDoServicoOuProduto) : serviceCommissionQuery(funcionario);
        op.ponto(4);
        auto rs = op.newRecordset();
        op.openSelection(*rs, text, frame::ListKind::ListaCompleta, 0);
        op.ponto(5);  // disconnected, then the provider's FecharConexao
        op.ponto(6);
        if (auto code = op.disconnect(*rs)) {
            op.release();
            return *code;
        }

        op.ponto(7);
        if (rs->RecordCount() > 0) {
            if (platform::CStr(rs->value("Comissionado")) == "Não") {
                l_.funcionarioComissionado = false;
                l_.percentualDeComissao = Currency();
            } else {
                l_.funcionarioComissionado = true;
                // The service percentages come formatted by the database, with the regional
                // separators that CCur reads back.
                if (produto) {
                    l_.percentualDeComissao = platform::CCur(rs->value("PercentualDeComissao"));
                } else if (platform::CStr(rs->value("ComissaoUnica")) == "Sim") {
                    l_.percentualDeComissao = platform::CCur(rs->value("PercentualDeComissaoUnica"));
                } else if (auto column = commissionColumn(platform::Val(numeroDoTipoDeServico)); !column.empty()) {
                    l_.percentualDeComissao = platform::CCur(rs->value(column));
                }  // a type outside the table keeps the percentage it had
            }
            op.ponto(8);
        } else {
            // No such employee, an inactive one, or a product of no active subgroup.
            op.ponto(9);
            l_.funcionarioComissionado = false;
            l_.percentualDeComissao = Currency();
        }
        op.ponto(10);
        op.release();
        return frame::result::Done;
    });
}

}  // namespace zolk::procedimentos
