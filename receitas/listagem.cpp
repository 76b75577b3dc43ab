// The statements of Selecionar (prescriptions by number, of the current clinical record, or of
// the animal's earlier records) and of SelecionarReceitaControladaParaImpressao (the header of
// the controlled-drug form: veterinarian, client with tax number and address, animal).
#include "frame/select_list.h"
#include "receitas/receita.h"

namespace zolk::receitas {

namespace sql = frame::sql;

namespace {

// Street type, street, ", " and house number, " - " and complement, each only when not blank.
constexpr const char* EnderecoPieces[] = {
    "   IIf(Trim(Clientes.TipoDeLogradouro)<>\"\",Clientes.TipoDeLogradouro ",
    "& \" \",\"\") ",
    "   & IIf(Trim(Clientes.Logradouro)<>\"\", Clientes.Logradouro,\"\") ",
    "   & IIf(Trim(Clientes.Numero)<>\"\"",
    ", ",
    "\", \"",
    " & Clientes.Numero ,\"\") ",
    "   & IIf(Trim(Clientes.Complemento)<>\"\"",
    ", ",
    "\" - \"",
    " & Clientes.Complemento,\"\") AS Endereco",
};

std::string endereco() {
    std::string e;
    for (const char* piece : EnderecoPieces) e += piece;
    return e;
}

}  // namespace

std::string listingStatement(const sql::RecordListing& args) {
    sql::SelectList columns;
    columns.zeroIfNull("Receitas.Numero", "Numero")
        .date("Receitas.Data", "Data")
        .zeroIfNull("Receitas.NumeroDaFichaClinica", "NumeroDaFichaClinica")
        .veterinarianClientAnimal("Receitas")
        .plain("Receitas.Prescricao", "Prescricao")
        .yesNo("Receitas.ReceitaControlada", "ReceitaControlada")
        .stamps("Receitas");
    return sql::selectStatement(
        columns,
        "FROM  "
        "   Funcionarios INNER JOIN (Clientes INNER JOIN (Animais INNER JOIN Receitas ON Animais.Codigo = "
        "Receitas.CodigoDoAnimal) ON Clientes.Codigo = Animais.CodigoDoCliente) ON Funcionarios.Codigo = "
        "Receitas.CodigoDoVeterinario ",
        sql::recordCondition("Receitas", "Numero", args), "   Receitas.Numero DESC");
}

std::string controlledHeaderStatement(const platform::Variant& filtro) {
    sql::SelectList columns;
    columns
        .item("Funcionarios.Codigo & ' - ' & Funcionarios.Apelido & ' - ' & Funcionarios.Nome AS DadosDoVeterinario")
        .emptyIfNull("Funcionarios.CRMV", "CRMV")
        .item("Clientes.Codigo & ' - ' & Clientes.ApelidoOuNomeFantasia & ' - ' & Clientes.NomeOuRazaoSocial AS "
              "DadosDoCliente")
        .item("IIF(IsNull(Clientes.CPFCNPJ), '', IIF(Clientes.TipoDeCliente='PF', IIF(Clientes.CPFCNPJ<>'', "
              "Format([Clientes.CPFCNPJ],'000\\.000\\.000\\-00'), ''), "
              "IIF(Clientes.CPFCNPJ<>'',Format([Clientes.CPFCNPJ],'00\\.000\\.000\\/0000-00'),''))) AS CPFCNPJ")
        .verbatim(endereco())
        .emptyIfNull("Clientes.Cidade", "Cidade")
        .emptyIfNull("Clientes.Bairro", "Bairro")
        .emptyIfNull("Clientes.UF", "UF")
        .item("IIF(IsNull(Clientes.CEP), '',  IIF(Clientes.CEP<>'',Format([Clientes.CEP],'00000-000'),'')) AS CEP")
        .item("Animais.Codigo & ' - ' & Animais.Nome AS DadosDoAnimal")
        .item("FORMAT([Animais.DataDeNascimento],'dd/mm/yyyy') AS DataDeNascimento")
        .emptyIfNull("EspeciesDeAnimais.Nome", "NomeDaEspecie")
        .emptyIfNull("RacasDeAnimais.Nome", "NomeDaRaca")
        .emptyIfNull("Animais.Sexo", "SexoDoAnimal")
        .emptyIfNull("Animais.Cor", "CorDoAnimal");
    return sql::selectStatement(
        columns,
        "FROM "
        "     (EspeciesDeAnimais INNER JOIN (Funcionarios INNER JOIN (Clientes INNER JOIN (Animais INNER JOIN "
        "Receitas ON Animais.Codigo = Receitas.CodigoDoAnimal) ON (Clientes.Codigo = Receitas.CodigoDoCliente) AND "
        "(Clientes.Codigo = Animais.CodigoDoCliente)) ON Funcionarios.Codigo = Receitas.CodigoDoVeterinario) ON "
        "EspeciesDeAnimais.Codigo = Animais.CodigoDaEspecie) INNER JOIN RacasDeAnimais ON (RacasDeAnimais.Codigo = "
        "Animais.CodigoDaRaca) AND (EspeciesDeAnimais.Codigo = RacasDeAnimais.CodigoDaEspecieDeAnimal) ",
        sql::numberCondition("Receitas.Numero", filtro), "   Receitas.Numero ASC");
}

}  // namespace zolk::receitas
