// The budget import's statements: the commission lookups and the deletion of the imported items
// and of the budget.
#include <array>
#include <utility>

#include "frame/sql_literals.h"
#include "procedimentos/lancamento.h"

namespace zolk::procedimentos {

namespace sql = frame::sql;

namespace {

// The employee's percentage columns, the single one first.
constexpr std::array<const char*, 9> percentageColumns{
    "PercentualDeComissaoUnica",           "PercentualDeComissaoEmClinicos",
    "PercentualDeComissaoEmCirurgiaSimples", "PercentualDeComissaoEmCirurgiaMedia",
    "PercentualDeComissaoEmCirurgiaComplexa", "PercentualDeComissaoEmBanhosTosasEEsteticas",
    "PercentualDeComissaoEmHospedagens",   "PercentualDeComissaoEmAdestramentos",
    "PercentualDeComissaoEmOutros"};

// The service type numbers and the column each selects.
constexpr std::array<std::pair<int, const char*>, 8> columnOfType{{{1, "PercentualDeComissaoEmClinicos"},
                                                                    {2, "PercentualDeComissaoEmCirurgiaSimples"},
                                                                    {3, "PercentualDeComissaoEmCirurgiaMedia"},
                                                                    {4, "PercentualDeComissaoEmCirurgiaComplexa"},
                                                                    {5, "PercentualDeComissaoEmBanhosTosasEEsteticas"},
                                                                    {6, "PercentualDeComissaoEmHospedagens"},
                                                                    {7, "PercentualDeComissaoEmAdestramentos"},
                                                                    {99, "PercentualDeComissaoEmOutros"}}};

}  // namespace

std::string_view commissionColumn(double numeroDoTipoDeServico) {
    for (const auto& [type, column] : columnOfType)
        if (numeroDoTipoDeServico == type) return column;
    return {};
}

std::string serviceCommissionQuery(double codigoDoFuncionario) {
    std::string s = "          SELECT "
                    "   IIF(Funcionarios.Comissionado=True, 'Sim', 'Não') AS Comissionado, "
                    "   IIF(Funcionarios.ComissaoUnica=True, 'Sim', 'Não') AS ComissaoUnica, ";
    for (std::size_t i = 0; i < percentageColumns.size(); ++i) {
        const std::string c = percentageColumns[i];
        // The database formats them; they are read back with its separators.
        s += "   IIF(IsNull(Funcionarios." + c + "), Format(0,'#,##0.00'), Format([Funcionarios." + c +
             "],'#,##0.00')) AS " + c + (i + 1 < percentageColumns.size() ? ", " : " ");
    }
    return s + "FROM    Funcionarios WHERE    (Funcionarios.Codigo = " + sql::number(codigoDoFuncionario) +
           ")    AND (Funcionarios.Situacao = 1) ;";
}

std::string productCommissionQuery(double codigoDoFuncionario, double codigoDoProduto) {
    return "          SELECT    SubGruposDeProdutos.PercentualDeComissao AS PercentualDeComissao,    "
           "IIF(Funcionarios.Comissionado=True, 'Sim', 'Não') AS Comissionado FROM    Funcionarios, "
           "SubGruposDeProdutos INNER JOIN Produtos ON SubGruposDeProdutos.Codigo = Produtos.CodigoDoSubGrupo "
           "WHERE    ((Produtos.CodigoInterno = " +
           sql::number(codigoDoProduto) + "   AND SubGruposDeProdutos.Situacao = 1)    AND (Funcionarios.Codigo = " +
           sql::number(codigoDoFuncionario) + "   AND Funcionarios.Situacao = 1));";
}

std::string budgetItemDelete(std::string_view orcamento, std::string_view item) {
    return "          DELETE        * FROM          ItensDoOrcamento WHERE         NumeroDoOrcamento = " +
           std::string(orcamento) + "       AND NumeroDoItemDoOrcamento = " + std::string(item) + ";";
}

std::string budgetDelete(std::string_view orcamento) {
    return "          DELETE        * FROM          Orcamentos WHERE         NumeroDoOrcamento=" + std::string(orcamento) +
           ";";
}

}  // namespace zolk::procedimentos
