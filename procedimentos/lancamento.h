#pragma once
// The values of one posting as the front end set them, and the statement texts built from them
// (each built in its own file: insercao, alteracao, exclusao, estoque, listagem, orcamento).
#include <cstdint>
#include <string>
#include <string_view>

#include "frame/stamp.h"
#include "platform/currency.h"
#include "platform/variant.h"

namespace zolk::procedimentos {

using platform::Currency;

// TipoDeLancamento: a service posting goes to ServicosEfetuados, a product posting to
// ProdutosReservados with a stock movement.
inline constexpr double Servico = 1;
inline constexpr double Produto = 2;

struct Lancamento {
    double numeroDeLancamento = 0;
    double numeroDaFichaClinica = 0;
    double numeroDoOrcamento = 0;  // kept; the import takes the budget from its items
    double codigoDoCliente = 0;
    double codigoDoVeterinario = 0;  // the employee: column CodigoDoFuncionario
    double codigoDoAnimal = 0;
    double numeroDoTipoDeProcedimento = 0;  // column NumeroDoTipoDeServico
    double codigoDoProcedimento = 0;        // column CodigoDoServico
    std::string observacao;                 // stored treated
    Currency valorUnitario, descontoEmPercentual, descontoEmValor, valorLiquido, custo;
    bool funcionarioComissionado = false;
    Currency percentualDeComissao;  // PercentualDeComissaoDoVeterinario
    Currency valorDaComissao;       // ValorDaComissaoDoVeterinario
    std::string tipoDeLancamento;   // stored exactly as given, untreated
    std::string tipoDeVenda;        // the decimal text of the 16-bit value given
    double codigoInternoDoProduto = 0;
    Currency quantidade;
    Currency valorTotal;
    bool orcamentoImportado = false;
};

// The values of one insertion, already written as SQL literals: a single posting writes its
// amounts as two-decimal texts, a budget import as plain texts; the statement is the same.
struct Insercao {
    std::string dataDeLancamento;  // quoted
    std::string numeroDaFichaClinica, codigoDoFuncionario, codigoDoCliente;
    std::string codigoDoAnimal, numeroDoTipoDeServico, codigoDoServico;  // services only
    std::string codigoInternoDoProduto;                                  // products only
    std::string observacao;                                              // quoted
    // Quantidade, ValorUnitario, ValorTotal, DescontoEmPercentual, DescontoEmValor, ValorLiquido, Custo
    std::string quantidade, valorUnitario, valorTotal, descontoEmPercentual, descontoEmValor, valorLiquido, custo;
    std::string funcionarioComissionado, percentualDeComissao, valorDaComissao;
    std::string tipoDeLancamento, tipoDeVenda;  // quoted
    std::string stamp;                          // sql::insertionStamp
};

// What every insertion takes from the object: the posting date, the record, the employee, the
// client, the note and whether the employee is commissioned.
Insercao insertionOf(const Lancamento& l, const std::string& dataDeLancamento);
std::string serviceInsert(const Insercao& i);
std::string productInsert(const Insercao& i);
// The amounts of a single posting, as two-decimal texts.
void twoDecimalAmounts(const Lancamento& l, Insercao& i);

// Changes: the service's and the product's own assignments, then the common tail with the stamp.
std::string serviceUpdate(const Lancamento& l, const frame::Stamp& stamp);
std::string productUpdate(const Lancamento& l, const frame::Stamp& stamp);

std::string serviceDelete(double numeroDeLancamento);
std::string productDelete(double numeroDeLancamento);

// The product and quantity of an existing product posting.
std::string reservationQuery(double numeroDeLancamento);

// Stock: the balance of a product, and one movement (the balance written, then its history row).
std::string balanceQuery(std::string_view codigoInterno);
// The movement's code in the history: 3 taken out by a posting, 5 given back or imported.
enum class Movimento : std::int16_t { Saida = 3, Entrada = 5 };
struct MovimentoDeEstoque {
    Movimento codigo;
    std::string codigoInterno;  // the product code as written
    Currency saldoAnterior;
    std::string quantidadeMovimentada;  // as written
    Currency saldoAtual;
    std::string observacao;  // the note, without its quotes
};
std::string stockUpdate(const MovimentoDeEstoque& m);
std::string stockHistory(const MovimentoDeEstoque& m, const frame::Stamp& stamp);
// The notes of the four movements.
std::string notaDeSaida(double numeroDaFichaClinica);
std::string notaDeSaidaImportada(double numeroDaFichaClinica, std::string_view numeroDoItem);
std::string notaDeAlteracao(double numeroDaFichaClinica);
std::string notaDeExclusao(double numeroDaFichaClinica);

// The budget import's deletions.
std::string budgetItemDelete(std::string_view numeroDoOrcamento, std::string_view numeroDoItem);
std::string budgetDelete(std::string_view numeroDoOrcamento);

// The commission lookups: the employee's settings for a service, or the product's subgroup
// percentage beside whether the employee is commissioned.
std::string serviceCommissionQuery(double codigoDoFuncionario);
std::string productCommissionQuery(double codigoDoFuncionario, double codigoDoProduto);
// The column of the employee's percentage for a service type, or "" outside the table.
std::string_view commissionColumn(double numeroDoTipoDeServico);

// The listing of Selecionar: both halves, each with its own filter.
std::string listingStatement(const platform::Variant& filtro, std::int16_t fichaAtualOuAnteriores,
                             double numeroDaFichaClinica, double codigoDoCliente, double codigoDoAnimal);

}  // namespace zolk::procedimentos
