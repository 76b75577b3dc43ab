#include "procedimentos/procedimentos.h"

#include "frame/operation.h"
#include "frame/sql_literals.h"
#include "frame/stamp.h"
#include "platform/amounts.h"
#include "platform/conversions.h"
#include "platform/format.h"
#include "procedimentos/movimentacao.h"

namespace zolk::procedimentos {

using frame::Operation;
using platform::DateTime;
using platform::Variant;
namespace result = frame::result;
namespace sql = frame::sql;

namespace {

constexpr const char* NothingFound = "Nenhum procedimento encontrado com as especificações informadas.";

constexpr const char* RelatedRows =
    "O procedimento não pode ser excluído porque existe:\r\n\r\nregistros relacionados a ele";

// The kind as insertion, change and deletion read it: a strict conversion, so a text that is
// not a number (an empty one too) raises a type mismatch.
double kindOf(const std::string& tipoDeLancamento) { return platform::CDbl(Variant(tipoDeLancamento)); }

}  // namespace

clsProcedimentos::clsProcedimentos() : RecordClass("clsProcedimentos", NothingFound) {}

std::int32_t clsProcedimentos::NumeroDeLancamentoGerado() const { return platform::CLng(Variant(numeroGerado_)); }

void clsProcedimentos::DadosDosItensDoOrcamento(platform::ObjectRef itens) {
    auto rs = std::dynamic_pointer_cast<ado::Recordset>(itens);
    if (itens && !rs) platform::raise(platform::err::TypeMismatch, "DadosDosItensDoOrcamento takes a recordset");
    itens_ = std::move(rs);
}

std::int16_t clsProcedimentos::Adicionar() {
    return run("Adicionar", [&](Operation& op) -> std::int16_t {
        if (!l_.orcamentoImportado) {
            if (auto code = op.openAndValidate(1, 20)) return *code;
        } else {
            // An import is not validated.
            op.ponto(1);
            op.createProvider();
            op.ponto(2);
            if (auto code = op.openConnection()) return *code;
            op.ponto(3);
            op.ponto(4);
        }

        // Here the transaction begins before the clock is read.
        op.ponto(5);
        op.beginTrans();
        const DateTime now = op.updateTime();
        dataDeLancamento_ = sql::issueDateText(now);

        op.ponto(6);
        if (l_.orcamentoImportado) {
            importarOrcamento(op, stamp(now));
        } else {
            op.ponto(14);
            Insercao i = insertionOf(l_, dataDeLancamento_);
            twoDecimalAmounts(l_, i);
            i.tipoDeLancamento = sql::text(l_.tipoDeLancamento);
            i.tipoDeVenda = sql::text(l_.tipoDeVenda);
            if (kindOf(l_.tipoDeLancamento) == Servico) {
                op.ponto(15);
                i.numeroDoTipoDeServico = sql::number(l_.numeroDoTipoDeProcedimento);
                i.codigoDoServico = sql::number(l_.codigoDoProcedimento);
                i.stamp = sql::insertionStamp(stamp(now));
                op.execute(serviceInsert(i));
            } else {
                op.ponto(16);
                const frame::Stamp s = stamp(now);
                i.codigoInternoDoProduto = sql::number(l_.codigoInternoDoProduto);
                moveStock(op, s, Movimento::Saida, i.codigoInternoDoProduto, -l_.quantidade,
                          platform::amountTextPlain(l_.quantidade), notaDeSaida(l_.numeroDaFichaClinica));
                op.ponto(17);
                i.stamp = sql::insertionStamp(s);
                op.execute(productInsert(i));
            }
            // The posting's own insertion is the last one, so this is its number.
            op.ponto(18);
            numeroGerado_ = platform::CDbl(op.executeScalar("SELECT @@Identity"));
        }

        op.ponto(19);
        op.commitTrans();
        return op.done({21});
    });
}

std::int16_t clsProcedimentos::Alterar() {
    return run("Alterar", [&](Operation& op) -> std::int16_t {
        if (auto code = op.openAndValidate(2, 8)) return *code;

        op.ponto(5);
        const DateTime now = op.updateTimeToTheSecond();

        op.ponto(6);
        op.beginTrans();
        const double kind = kindOf(l_.tipoDeLancamento);
        if (kind == Servico) {
            op.execute(serviceUpdate(l_, stamp(now)));
        } else if (kind == Produto) {
            const frame::Stamp s = stamp(now);
            const Reserva old = readReservation(op, l_.numeroDeLancamento);
            moveStock(op, s, Movimento::Entrada, old.codigoInterno, old.quantidade,
                      platform::amountTextPlain(old.quantidade), notaDeAlteracao(l_.numeroDaFichaClinica));
            // Within the transaction: the same product reads the balance just written.
            moveStock(op, s, Movimento::Saida, sql::number(l_.codigoInternoDoProduto), -l_.quantidade,
                      platform::amountTextPlain(l_.quantidade), notaDeSaida(l_.numeroDaFichaClinica));
            op.execute(productUpdate(l_, s));
        } else {
            platform::raise(platform::err::InvalidProcedureCall,
                            "TipoDeLancamento " + l_.tipoDeLancamento + " is neither a service (1) nor a product (2)");
        }

        op.ponto(7);
        op.commitTrans();
        return op.done({9});
    });
}

std::int16_t clsProcedimentos::Excluir() {
    return run(
        "Excluir",
        [&](Operation& op) -> std::int16_t {
            if (auto code = op.openAndValidate(3, 7)) return *code;

            op.ponto(5);
            op.beginTrans();
            const DateTime now = op.updateTime();
            const double kind = kindOf(l_.tipoDeLancamento);
            if (kind == Servico) {
                op.execute(serviceDelete(l_.numeroDeLancamento));
            } else if (kind == Produto) {
                const Reserva old = readReservation(op, l_.numeroDeLancamento);
                moveStock(op, stamp(now), Movimento::Entrada, old.codigoInterno, old.quantidade,
                          platform::amountTextPlain(old.quantidade), notaDeExclusao(l_.numeroDaFichaClinica));
                op.execute(productDelete(l_.numeroDeLancamento));
            }  // any other kind: nothing to delete
            op.commitTrans();

            op.ponto(6);
            return op.done({8});
        },
        deletionRefusal(RelatedRows));
}

std::string clsProcedimentos::listingStatement(const frame::sql::RecordListing& a) const {
    return procedimentos::listingStatement(a.filtro, a.fichaAtualOuAnteriores, a.numeroDaFichaClinica,
                                           a.codigoDoCliente, a.codigoDoAnimal);
}

std::int16_t clsProcedimentos::ValidarDados(std::int16_t operacao, platform::ObjectRef conexao,
                                            platform::ObjectRef& recordset) {
    return validation(conexao, recordset, [&](Operation& op) -> std::int16_t {
        op.ponto(1);
        if (operacao == 1 || operacao == 2) {
            op.ponto(2);
            // Read by leading-number parsing: an empty or non-numeric kind is a product here.
            if (platform::Val(l_.tipoDeLancamento) == Servico) {
                if (l_.numeroDoTipoDeProcedimento == 0)
                    return fieldRuleFailed("Selecione um tipo de procedimento.", "NumeroDoTipoDeProcedimento");
                if (l_.codigoDoProcedimento == 0)
                    return fieldRuleFailed("Informe um procedimento.", "CodigoDoProcedimento");
            } else if (l_.codigoInternoDoProduto == 0) {
                return fieldRuleFailed("Informe o produto.", "CodigoInternoDoProduto");
            }
            if (l_.quantidade == Currency()) return fieldRuleFailed("Informe a quantidade.", "Quantidade");
        } else if (operacao == 3) {
            op.ponto(3);  // a deletion is always accepted
        }
        op.ponto(9);  // every rule passed: the shell drops the references here
        op.ponto(6);
        return result::Done;
    });
}

}  // namespace zolk::procedimentos
