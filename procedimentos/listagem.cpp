// The listing of Selecionar: service postings and product postings in one shape of 32 columns,
// joined by UNION, newest first.
#include "frame/select_list.h"
#include "frame/sql_literals.h"
#include "platform/conversions.h"
#include "procedimentos/lancamento.h"

namespace zolk::procedimentos {

namespace sql = frame::sql;
using platform::Variant;

namespace {

constexpr std::int16_t FichaAtual = 1;

void money(sql::SelectList& list, const std::string& t, const char* column) {
    const std::string source = t + "." + column;
    list.item("IIF(IsNull(" + source + "), 0, Format(" + source + ",'#,##0.00')) AS " + column);
}

void yesNo(sql::SelectList& list, const std::string& t, const char* column) {
    list.item("IIF(" + t + "." + column + "=True, 'Sim', 'Não') AS " + column);
}

// The columns of one half; `servicos` picks the sources that differ between the halves.
std::string columns(const std::string& t, bool servicos) {
    sql::SelectList list;
    list.zeroIfNull(t + ".NumeroDeLancamento", "NumeroDeLancamento")
        .date(t + ".DataDeLancamento", "DataDeLancamento")
        .zeroIfNull(t + ".NumeroDaFichaClinica", "NumeroDaFichaClinica")
        .zeroIfNull(t + ".CodigoDoFuncionario", "CodigoDoVeterinario")
        .emptyIfNull("Funcionarios.Nome", "NomeDoVeterinario")
        .emptyIfNull("Funcionarios.CRMV", "CRMVDoVeterinario")
        .zeroIfNull(t + ".CodigoDoCliente", "CodigoDoCliente")
        .emptyIfNull("Clientes.ApelidoOuNomeFantasia", "ApelidoOuNomeFantasiaDoCliente")
        .emptyIfNull("Clientes.NomeOuRazaoSocial", "NomeOuRazaoSocialDoCliente");
    if (servicos) {
        list.zeroIfNull(t + ".CodigoDoAnimal", "CodigoDoAnimal")
            .emptyIfNull("Animais.Nome", "NomeDoAnimal")
            .zeroIfNull("Servicos.NumeroDoTipoDeServico", "NumeroDoTipoDeServicoOuCodigoDeBarrasDoProduto")
            .zeroIfNull(t + ".CodigoDoServico", "CodigoDoServicoOuCodigoInternoDoProduto")
            .zeroIfNull("Servicos.Nome", "NomeDoServicoOuNomeDoProduto");  // a missing name gives 0
    } else {
        // Product postings have no animal.
        list.item("'0' AS CodigoDoAnimal")
            .item("'' AS NomeDoAnimal")
            .emptyIfNull("Produtos.CodigoDeBarras", "NumeroDoTipoDeServicoOuCodigoDeBarrasDoProduto")
            .zeroIfNull(t + ".CodigoInternoDoProduto", "CodigoDoServicoOuCodigoInternoDoProduto")
            .zeroIfNull("Produtos.Nome", "NomeDoServicoOuNomeDoProduto");
    }
    list.emptyIfNull(t + ".Observacao", "Observacao");
    if (servicos)
        list.zeroIfNull(t + ".Quantidade", "Quantidade");
    else
        list.item("IIF(IsNull(" + t + ".Quantidade), 0, Format(" + t + ".Quantidade,'#,##0.000')) AS Quantidade");
    for (const char* c : {"ValorUnitario", "ValorTotal", "DescontoEmPercentual", "DescontoEmValor", "ValorLiquido", "Custo"})
        money(list, t, c);
    yesNo(list, t, "FuncionarioComissionado");
    money(list, t, "PercentualDeComissaoDoFuncionario");
    money(list, t, "ValorDaComissaoDoFuncionario");
    list.item("IIF(" + t + ".NumeroDaVenda<>0, 'Sim', 'Não') AS ServicoPago")
        .zeroIfNull(t + ".NumeroDaVenda", "NumeroDaVenda")
        .emptyIfNull(t + ".TipoDeLancamento", "TipoDeLancamento")
        .stamps(t);
    return list.str();
}

// The condition of one half, or "" when there is none (the statement is then refused).
std::string filter(const std::string& t, bool servicos, const Variant& filtro, std::int16_t fichaAtualOuAnteriores,
                   double ficha, double cliente, double animal) {
    if (!sql::filterGiven(filtro)) {
        if (ficha == 0) return "";
        if (fichaAtualOuAnteriores == FichaAtual) return " (" + t + ".NumeroDaFichaClinica = " + sql::number(ficha) + ") ";
        if (servicos)
            return " (" + t + ".CodigoDoCliente = " + sql::number(cliente) + " AND " + t +
                   ".CodigoDoAnimal = " + sql::number(animal) + " AND " + t + ".NumeroDaFichaClinica < " +
                   sql::number(ficha) + ")";
        // Products have no animal; those of no clinical record (0) are left out.
        return " (" + t + ".CodigoDoCliente = " + sql::number(cliente) + " AND " + t + ".NumeroDaFichaClinica > 0" +
               " AND " + t + ".NumeroDaFichaClinica < " + sql::number(ficha) + ")";
    }
    // A number the platform reads as such holds no quote, so its own text is safe.
    if (platform::IsNumeric(filtro)) return " (" + t + ".NumeroDeLancamento = " + platform::CStr(filtro) + ") ";
    return "";
}

}  // namespace

std::string listingStatement(const Variant& filtro, std::int16_t fichaAtualOuAnteriores, double ficha, double cliente,
                             double animal) {
    const std::string s = "ServicosEfetuados", p = "ProdutosReservados";
    std::string text = "          SELECT " + columns(s, true);
    text += "FROM "
            "   ((Animais INNER JOIN (Clientes INNER JOIN (Funcionarios INNER JOIN ServicosEfetuados ON "
            "Funcionarios.Codigo = ServicosEfetuados.CodigoDoFuncionario) ON Clientes.Codigo = "
            "ServicosEfetuados.CodigoDoCliente) ON (Clientes.Codigo = Animais.CodigoDoCliente) AND (Animais.Codigo = "
            "ServicosEfetuados.CodigoDoAnimal)) INNER JOIN TiposDeServicos ON ServicosEfetuados.NumeroDoTipoDeServico "
            "= TiposDeServicos.Numero) INNER JOIN Servicos ON (ServicosEfetuados.CodigoDoServico = Servicos.Codigo) "
            "AND (TiposDeServicos.Numero = Servicos.NumeroDoTipoDeServico) ";
    text += "WHERE " + filter(s, true, filtro, fichaAtualOuAnteriores, ficha, cliente, animal);
    text += "UNION SELECT " + columns(p, false);
    text += "FROM "
            "   ((ProdutosReservados INNER JOIN Clientes ON ProdutosReservados.CodigoDoCliente = Clientes.Codigo) "
            "INNER JOIN Funcionarios ON ProdutosReservados.CodigoDoFuncionario = Funcionarios.Codigo) INNER JOIN "
            "Produtos ON ProdutosReservados.CodigoInternoDoProduto = Produtos.CodigoInterno ";
    text += "WHERE " + filter(p, false, filtro, fichaAtualOuAnteriores, ficha, cliente, animal);
    return text + "ORDER BY    NumeroDeLancamento DESC;";
}

}  // namespace zolk::procedimentos
