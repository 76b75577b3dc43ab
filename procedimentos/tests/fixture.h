#pragma once
// A posting object on a fresh demo practice; the statement corpus is the oracle of the texts.
// Record 812: Thor (140) of client 95, vet 3; product 5 (Meloxicam) starts with 40 in stock.
#include "platform/amounts.h"
#include "procedimentos/procedimentos.h"
#include "testsupport/class_fixture.h"

namespace zolk::procedimentos::test {

using platform::Currency;
using platform::Variant;

using testsupport::userNamed;

inline Currency cur(double v) { return Currency::fromDouble(v); }

class ProcedimentosTest : public testsupport::ClassTest<clsProcedimentos> {
protected:
    std::string corpus(const std::string& caseName, std::vector<std::pair<std::string, std::string>> edits = {}) const {
        return testsupport::corpus("procedimentos.sql", caseName, edits);
    }
    // The corpus's date, hour and stamp of `time` ("15/12/2026 10:30:00"), as the object wrote them.
    std::vector<std::pair<std::string, std::string>> stampedAt(const std::string& time) const {
        const std::string now = p->DataHoraDaAtualizacao();
        return {{"'" + time + "'", "'" + now + "'"},
                {"'" + time.substr(0, 10) + "'", "'" + now.substr(0, 10) + "'"},
                {"'" + time.substr(11, 5) + "'", "'" + now.substr(11, 5) + "'"}};
    }

    // Dipirona (service 3, type 1) for Thor in record 812, as the corpus posts it.
    static void fillService(clsProcedimentos& o) {
        o.TipoDeLancamento("1");
        o.TipoDeVenda(1);
        o.NumeroDaFichaClinica(812);
        o.CodigoDoVeterinario(3);
        o.CodigoDoCliente(95);
        o.CodigoDoAnimal(140);
        o.NumeroDoTipoDeProcedimento(1);
        o.CodigoDoProcedimento(3);
        o.Observacao("Dipirona IV");
        o.Quantidade(cur(1));
        o.ValorUnitario(cur(30));
        o.ValorTotal(cur(30));
        o.ValorLiquido(cur(30));
        o.Custo(cur(5.5));
        o.FuncionarioComissionado(true);
        o.PercentualDeComissaoDoVeterinario(cur(15));
        o.ValorDaComissaoDoVeterinario(cur(4.5));
    }
    // One Meloxicam (product 5) sold at the desk in record 812, as the corpus posts it.
    static void fillProduct(clsProcedimentos& o, double produto = 5, double quantidade = 1) {
        o.TipoDeLancamento("2");
        o.TipoDeVenda(1);
        o.NumeroDaFichaClinica(812);
        o.CodigoDoVeterinario(3);
        o.CodigoDoCliente(95);
        o.CodigoInternoDoProduto(produto);
        o.Quantidade(cur(quantidade));
        o.ValorUnitario(cur(41.5));
        o.ValorTotal(cur(41.5));
        o.ValorLiquido(cur(41.5));
        o.Custo(cur(22));
        o.FuncionarioComissionado(true);
        o.PercentualDeComissaoDoVeterinario(cur(5));
        o.ValorDaComissaoDoVeterinario(cur(2.075));
    }

    std::string balance(int produto) const {
        return db.scalar("SELECT printf('%.4f', SaldoEmEstoque) FROM Produtos WHERE CodigoInterno = " + std::to_string(produto));
    }
    // The history rows of a product, oldest first: "code|before|moved|after|note".
    std::vector<std::string> history(int produto) const {
        return db.column("SELECT TipoDeLancamento || '|' || printf('%.4f', SaldoAnterior) || '|' || "
                         "printf('%.4f', QuantidadeMovimentada) || '|' || printf('%.4f', SaldoAtual) || '|' || Observacao "
                         "FROM HistoricoDeProdutos WHERE CodigoInternoDoProduto = " + std::to_string(produto) +
                         " ORDER BY Numero");
    }
    std::shared_ptr<clsProcedimentos>& p = object;
};

}  // namespace zolk::procedimentos::test
