// The statements of Selecionar (requests by number, of the current clinical record, or of the
// animal's earlier records) and of SelecionarParaImpressaoCabecalho (one request with its header).
#include "exames/solicitacao.h"
#include "frame/record_listing.h"
#include "frame/select_list.h"
#include "frame/sql_literals.h"
#include "platform/conversions.h"

namespace zolk::exames {

namespace sql = frame::sql;
using platform::Variant;

namespace {

// Every exam of the catalogue as 'Sim' or 'Não', aliased as its column.
void addExames(sql::SelectList& list) {
    for (const auto& e : catalogo) {
        const std::string column(e.column());
        list.yesNo("Exames." + column, column, "Switch");
    }
}

void addNotes(sql::SelectList& list) {
    for (const char* column : {"ImagemObservacao", "OutrosExames", "ResultadosDeExames", "Observacao"})
        list.plain(std::string("Exames.") + column, column);
}

// The four communication channels of a client or an employee, each type before its value.
void addChannels(sql::SelectList& list, const std::string& table, const std::string& suffix) {
    for (int n = 1; n <= 4; ++n) {
        const std::string type = "TipoDeCanalDeComunicacao" + std::to_string(n);
        const std::string channel = "CanalDeComunicacao" + std::to_string(n);
        list.emptyIfNull(table + "." + type, type + suffix).emptyIfNull(table + "." + channel, channel + suffix);
    }
}

}  // namespace

std::string listingStatement(const Variant& filtro, std::int16_t fichaAtualOuAnteriores, double numeroDaFichaClinica,
                             double codigoDoCliente, double codigoDoAnimal) {
    sql::SelectList columns;
    columns.zeroIfNull("Exames.Numero", "Numero")
        .date("Exames.DataDeEmissao", "DataDeEmissao")
        .zeroIfNull("Exames.NumeroDaFichaClinica", "NumeroDaFichaClinica")
        .veterinarianClientAnimal("Exames")
        .zeroIfNull("Exames.CodigoDoLaboratorio", "CodigoDoLaboratorio")
        .emptyIfNull("Laboratorios.NomeFantasia", "NomeFantasiaDoLaboratorio")
        .emptyIfNull("Laboratorios.RazaoSocial", "RazaoSocialDoLaboratorio")
        .emptyIfNull("Exames.Relato", "Relato")
        .emptyIfNull("Exames.Amostra", "Amostra")
        .emptyIfNull("Exames.ReceberResultadoPor", "ReceberResultadoPor")
        .yesNo("Exames.ExamePago", "ExamePago", "Switch");
    addExames(columns);
    addNotes(columns);
    columns.stamps("Exames");

    const std::string condition = sql::recordCondition(
        "Exames", "Numero", {filtro, fichaAtualOuAnteriores, numeroDaFichaClinica, codigoDoCliente, codigoDoAnimal});

    return sql::selectStatement(columns,
                                "FROM  "
                                "   Clientes INNER JOIN (Laboratorios INNER JOIN (Funcionarios INNER JOIN (Animais INNER "
                                "JOIN Exames ON Animais.Codigo = Exames.CodigoDoAnimal) ON Funcionarios.Codigo = "
                                "Exames.CodigoDoVeterinario) ON Laboratorios.Codigo = Exames.CodigoDoLaboratorio) ON "
                                "(Clientes.Codigo = Exames.CodigoDoCliente) AND (Clientes.Codigo = Animais.CodigoDoCliente) ",
                                condition, "   Exames.Numero DESC");
}

std::string printHeaderStatement(const Variant& filtro) {
    sql::SelectList columns;
    columns.date("Exames.DataDeEmissao", "DataDeEmissao")
        .zeroIfNull("Exames.Numero", "NumeroDaSolicitacao")
        .zeroIfNull("Exames.CodigoDoAnimal", "CodigoDoAnimal")
        .emptyIfNull("Animais.Nome", "NomeDoAnimal")
        .emptyIfNull("EspeciesDeAnimais.Nome", "EspecieDoAnimal")
        .emptyIfNull("RacasDeAnimais.Nome", "RacaDoAnimal")
        .date("Animais.DataDeNascimento", "DataDeNascimentoDoAnimal")
        .item("SWITCH(Animais.Sexo='M', 'Macho', Animais.Sexo='F', 'Fêmea') As SexoDoAnimal")
        .emptyIfNull("Clientes.TipoDeCliente", "TipoDeCliente")
        .zeroIfNull("Exames.CodigoDoCliente", "CodigoDoCliente")
        .emptyIfNull("Clientes.ApelidoOuNomeFantasia", "ApelidoOuNomeFantasiaDoCliente")
        .emptyIfNull("Clientes.NomeOuRazaoSocial", "NomeOuRazaoSocialDoCliente");
    addChannels(columns, "Clientes", "DoCliente");
    columns.zeroIfNull("Exames.CodigoDoVeterinario", "CodigoDoVeterinario")
        .zeroIfNull("Funcionarios.Nome", "NomeDoVeterinario")  // a missing name gives 0
        .emptyIfNull("Funcionarios.CRMV", "CRMVDoVeterinario");
    addChannels(columns, "Funcionarios", "DoVeterinario");
    columns
        .item("IIF(IsNull(Laboratorios.RazaoSocial), '', Laboratorios.NomeFantasia & '-' & Laboratorios.RazaoSocial) "
              "AS NomeDoLaboratorio")
        .emptyIfNull("Exames.Relato", "Relato")
        .emptyIfNull("Exames.Amostra", "Amostra")
        .yesNo("Exames.ExamePago", "ExamePago")
        .emptyIfNull("Exames.ReceberResultadoPor", "ReceberResultadoPor");
    addExames(columns);
    addNotes(columns);

    return sql::selectStatement(
        columns,
        "FROM "
        "     Laboratorios INNER JOIN (Funcionarios INNER JOIN ((EspeciesDeAnimais INNER JOIN (Clientes INNER JOIN "
        "(Animais INNER JOIN Exames ON Animais.Codigo = Exames.CodigoDoAnimal) ON (Clientes.Codigo = "
        "Exames.CodigoDoCliente) AND (Clientes.Codigo = Animais.CodigoDoCliente)) ON EspeciesDeAnimais.Codigo = "
        "Animais.CodigoDaEspecie) INNER JOIN RacasDeAnimais ON (RacasDeAnimais.Codigo = Animais.CodigoDaRaca) AND "
        "(EspeciesDeAnimais.Codigo = RacasDeAnimais.CodigoDaEspecieDeAnimal)) ON Funcionarios.Codigo = "
        "Exames.CodigoDoVeterinario) ON Laboratorios.Codigo = Exames.CodigoDoLaboratorio ",
        sql::numberCondition("Exames.Numero", filtro), "   Exames.Numero ASC");
}

}  // namespace zolk::exames
