#pragma once
// clsProcedimentos: services and products posted to a clinical record, with prices, discounts,
// cost and commission. A product posting moves the product's stock, each movement logged; a
// whole budget can be imported, each item's commission looked up from the employee's settings.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "ado/recordset.h"
#include "frame/record_class.h"
#include "procedimentos/lancamento.h"

namespace zolk::frame {
class Operation;
}

namespace zolk::procedimentos {

inline constexpr const char* ProgId = "ZOLK_N_FichasClinicas.clsProcedimentos";

class clsProcedimentos : public frame::RecordClass {
public:
    clsProcedimentos();

    // Operations
    std::int16_t Adicionar();
    std::int16_t Alterar();
    std::int16_t Excluir();
    std::int16_t ValidarDados(std::int16_t operacao, platform::ObjectRef conexao,
                              platform::ObjectRef& recordset) override;

    // What the front end reads back
    std::int32_t NumeroDeLancamentoGerado() const;
    std::string DataDeLancamento() const { return dataDeLancamento_; }
    // Left as the front end set them, or as the budget import's lookup left them.
    bool FuncionarioComissionado() const { return l_.funcionarioComissionado; }
    Currency PercentualDeComissaoDoVeterinario() const { return l_.percentualDeComissao; }

    // What the front end sets
    void NumeroDeLancamento(double v) { l_.numeroDeLancamento = v; }
    void NumeroDaFichaClinica(double v) { l_.numeroDaFichaClinica = v; }
    void NumeroDoOrcamento(double v) { l_.numeroDoOrcamento = v; }
    void CodigoDoCliente(double v) { l_.codigoDoCliente = v; }
    void CodigoDoVeterinario(double v) { l_.codigoDoVeterinario = v; }
    void CodigoDoAnimal(double v) { l_.codigoDoAnimal = v; }
    void NumeroDoTipoDeProcedimento(double v) { l_.numeroDoTipoDeProcedimento = v; }
    void CodigoDoProcedimento(double v) { l_.codigoDoProcedimento = v; }
    void Observacao(std::string_view v) { l_.observacao = treat(v); }
    void ValorUnitario(Currency v) { l_.valorUnitario = v; }
    void DescontoEmPercentual(Currency v) { l_.descontoEmPercentual = v; }
    void DescontoEmValor(Currency v) { l_.descontoEmValor = v; }
    void ValorLiquido(Currency v) { l_.valorLiquido = v; }
    void Custo(Currency v) { l_.custo = v; }
    void FuncionarioComissionado(bool v) { l_.funcionarioComissionado = v; }
    void PercentualDeComissaoDoVeterinario(Currency v) { l_.percentualDeComissao = v; }
    void ValorDaComissaoDoVeterinario(Currency v) { l_.valorDaComissao = v; }
    // Stored exactly as given: the one text that does not pass through the text treatment.
    void TipoDeLancamento(std::string_view v) { l_.tipoDeLancamento = v; }
    void TipoDeVenda(std::int16_t v) { l_.tipoDeVenda = std::to_string(v); }
    void CodigoInternoDoProduto(double v) { l_.codigoInternoDoProduto = v; }
    void Quantidade(Currency v) { l_.quantidade = v; }
    void ValorTotal(Currency v) { l_.valorTotal = v; }
    void OrcamentoImportado(bool v) { l_.orcamentoImportado = v; }
    void DadosDosItensDoOrcamento(platform::ObjectRef itens);

    const Lancamento& lancamento() const { return l_; }

    const platform::MemberTable& memberTable() const override;

private:
    std::string listingStatement(const frame::sql::RecordListing& args) const override;

    // The budget import, inside Adicionar's transaction.
    void importarOrcamento(frame::Operation& op, const frame::Stamp& stamp);
    // Sets FuncionarioComissionado and PercentualDeComissaoDoVeterinario from the employee's
    // settings, on a connection of its own; 0 done, 1 error, 3 provider failure.
    std::int16_t ObterComissaoDoFuncionario(double codigoDoFuncionario, std::int16_t tipoDeLancamento,
                                            const std::string& numeroDoTipoDeServico, double codigoDoServicoOuProduto);

    Lancamento l_;
    std::shared_ptr<ado::Recordset> itens_;
    double numeroGerado_ = 0;
    std::string dataDeLancamento_;
};

}  // namespace zolk::procedimentos
