// The statement of SelecionarParaImpressao: one record with everything its printout shows.
#include "fichas/colunas.h"
#include "fichas/ficha.h"
#include "frame/select_list.h"
#include "frame/sql_literals.h"

namespace zolk::fichas {

namespace sql = frame::sql;

namespace {

// One part of the postal address: added, after its separator, only when the column holds more
// than blanks.
struct AddressPart {
    const char* column;
    const char* before;
    const char* after;
    const char* pattern;  // Format pattern of the value, or nullptr
};

constexpr AddressPart addressParts[] = {
    {"TipoDeLogradouro", "", " ", nullptr},
    {"Logradouro", "", "", nullptr},
    {"Numero", ", ", "", nullptr},
    {"Complemento", " - ", "", nullptr},
    {"Bairro", " - ", "", nullptr},
    {"CEP", " - CEP:", "", "00000-000"},
    {"Cidade", " - ", "", nullptr},
    {"UF", " / ", "", nullptr},
};

std::string quoted(const char* text) { return "'" + std::string(text) + "'"; }

std::string addressExpression() {
    std::string e;
    for (const AddressPart& part : addressParts) {
        const std::string column = std::string("Clientes.") + part.column;
        std::string value = part.pattern ? "Format(" + column + ",'" + part.pattern + "')" : column;
        if (*part.before) value = quoted(part.before) + " & " + value;
        if (*part.after) value += " & " + quoted(part.after);
        if (!e.empty()) e += " & ";
        e += "IIf(Trim(" + column + ")<>'', " + value + ", '')";
    }
    return e + " AS EnderecoCompletoComCEP";
}

// The client's four channels of one kind, each as "type: value". Channels 2 to 4 that hold a
// value add their blank before the type test, so a channel of the other kind still leaves one;
// the outer TRIM removes only those at the ends.
std::string channelsExpression(const char* test, const char* alias) {
    std::string e = "TRIM(";
    for (int n = 1; n <= 4; ++n) {
        const std::string i = std::to_string(n);
        const std::string type = "Clientes.TipoDeCanalDeComunicacao" + i;
        const std::string value = "Clientes.CanalDeComunicacao" + i;
        const std::string typeTest = "Left(" + type + ",5)" + test + "'Email'";
        const std::string shown = type + " & ': ' & " + value;
        if (n == 1) {
            e += "IIf(Trim(" + value + ")<>'' AND " + typeTest + ", " + shown + ", '')";
        } else {
            e += " & IIf(Trim(" + value + ")<>'', ' ' & IIf(" + typeTest + ", " + shown + ", ''), '')";
        }
    }
    return e + ") AS " + alias;
}

}  // namespace

std::string printStatement(double numeroDaFicha) {
    std::string s = "          SELECT ";

    sql::SelectList columns;
    columns.zeroIfNull("FichasClinicas.Numero", "Numero")
        .date("FichasClinicas.DataDeEmissao", "DataDeEmissao")
        .item(nomeDoTipoDeAtendimento)
        .zeroIfNull("FichasClinicas.CodigoDoCliente", "CodigoDoCliente")
        .item("IIF(IsNull(Clientes.TipoDeCliente), 'PF', Clientes.TipoDeCliente) AS TipoDeCliente")
        .emptyIfNull("Clientes.ApelidoOuNomeFantasia", "ApelidoOuNomeFantasiaDoCliente")
        .emptyIfNull("Clientes.NomeOuRazaoSocial", "NomeOuRazaoSocialDoCliente")
        .item(addressExpression())
        .item(channelsExpression("<>", "TelefonesDoCliente"))
        .item(channelsExpression("=", "EmailsDoCliente"))
        .zeroIfNull("FichasClinicas.CodigoDoAnimal", "CodigoDoAnimal")
        .emptyIfNull("Animais.Nome", "NomeDoAnimal")
        .item("SWITCH(Animais.Sexo='M', 'Macho', Animais.Sexo='F', 'Fêmea') AS SexoDoAnimal")
        .emptyIfNull("EspeciesDeAnimais.Nome", "NomeDaEspecieDoAnimal")
        .emptyIfNull("RacasDeAnimais.Nome", "NomeDaRacaDoAnimal")
        .emptyIfNull("Animais.Porte", "PorteDoAnimal")
        .emptyIfNull("Animais.DataDeNascimento", "DataDeNascimentoDoAnimal")
        .emptyIfNull("Animais.Cor", "CorDoAnimal")
        .emptyIfNull("Animais.RGA", "RGADoAnimal")
        .emptyIfNull("Animais.Microchip", "MicrochipDoAnimal")
        .yesNo("Animais.Pedigree", "PedigreeDoAnimal")
        .verbatim("    Animais.Observacao AS ObservacaoDoAnimal");
    addRecordColumns(columns, Property::Internacao);
    columns.item("FichasClinicas.Internacao")
        .date("FichasClinicas.DataDeRetorno", "DataDeRetorno")
        .emptyIfNull("Funcionarios.Nome", "NomeDoVeterinario")
        .emptyIfNull("Funcionarios.CRMV", "CRMVDoVeterinario")
        .stamps("FichasClinicas");
    s += columns.str();

    s += "FROM ";
    s += "    Funcionarios INNER JOIN ((EspeciesDeAnimais INNER JOIN (Animais INNER JOIN (Clientes "
         "INNER JOIN FichasClinicas ON Clientes.Codigo = FichasClinicas.CodigoDoCliente) ON "
         "(Clientes.Codigo = Animais.CodigoDoCliente) AND (Animais.Codigo = "
         "FichasClinicas.CodigoDoAnimal)) ON EspeciesDeAnimais.Codigo = Animais.CodigoDaEspecie) "
         "INNER JOIN RacasDeAnimais ON (RacasDeAnimais.Codigo = Animais.CodigoDaRaca) AND "
         "(EspeciesDeAnimais.Codigo = RacasDeAnimais.CodigoDaEspecieDeAnimal)) ON "
         "Funcionarios.Codigo = FichasClinicas.CodigoDoVeterinario ";
    s += "WHERE ";
    s += "  (FichasClinicas.Numero = " + sql::number(numeroDaFicha) + ") ";
    s += "ORDER BY ";
    s += "   FichasClinicas.Numero ";
    s += ";";
    return s;
}

}  // namespace zolk::fichas
