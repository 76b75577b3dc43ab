// ValidarDados: the field rules of an insertion or update, then the rules on who may change a
// record issued on an earlier day or by another user.
#include "ado/connection.h"
#include "fichas/fichas_clinicas.h"
#include "frame/operation.h"
#include "frame/sql_literals.h"
#include "platform/conversions.h"
#include "platform/runtime_error.h"

namespace zolk::fichas {

using frame::Operation;
using platform::DateTime;
using platform::Variant;
namespace result = frame::result;

namespace {

// A Boolean whose description becomes compulsory when it is true.
struct PairedDescription {
    std::int16_t ponto;
    Property flag;
    Property description;
    const char* message;
};

constexpr PairedDescription pairedDescriptions[] = {
    {6, Property::SGIEmese, Property::SGIEmeseFrequencia, "Digite a frequência da êmese."},
    {6, Property::SGIEmese, Property::SGIEmeseColoracao, "Digite a coloração da êmese."},
    {7, Property::SLClaudicacao, Property::SLDescricaoDaClaudicacao, "Digite a descrição da claudicação."},
    {8, Property::SLParesia, Property::SLDescricaoDaParesia, "Digite a descrição da paresia."},
    {9, Property::SLDorAoTransporObstaculos, Property::SLDescricaoDaDorAoTransporObstaculos,
     "Digite a descrição da dor ao transpor obstáculos."},
    {10, Property::SLImpotenciaFuncional, Property::SLDescricaoDaImpotenciaFuncional,
     "Digite a descrição da impotência funcional."},
    {11, Property::SNConvulsoes, Property::SNDescricaoDasConvulsoes, "Digite a descrição das convulções."},
    {12, Property::SNAlteracoesComportamentais, Property::SNDescricaoDasAlteracoesComportamentais,
     "Digite a descrição das alterações comportamentais."},
    {13, Property::STPrurido, Property::STDescricaoDoPrurido, "Digite a descrição do prurido."},
    {14, Property::STAlopecia, Property::STDescricaoDaAlopecia, "Digite a descrição da alopecia."},
    {15, Property::STDescamacao, Property::STDescricaoDaDescamacao, "Digite a descrição da descamação."},
};

const char* const RetroactiveRefused =
    "Alterações na ficha clínica com data retroativa não são permitidas para este usuário. Exceto as "
    "alterações do campo da internação.";

std::string otherUserRefused(const std::string& creator, bool retroactive) {
    return "Alterações na ficha clínica do usuário '" + creator + "'" +
           (retroactive ? " com data retroativa, não são permitidas" : " não são permitidas") +
           " para o usuário logado. Exceto as alterações do campo da internação.";
}

std::shared_ptr<ado::Connection> connectionOf(const platform::ObjectRef& conexao) {
    if (!conexao) platform::raise(platform::err::ObjectNotSet, "lobjConexao");
    auto connection = std::dynamic_pointer_cast<ado::Connection>(conexao);
    if (!connection) platform::raise(platform::err::TypeMismatch, "lobjConexao is not a connection");
    return connection;
}

}  // namespace

std::string permissionQuery(double numero) {
    std::string s = "          SELECT ";
    s += "     FichasClinicas.DataDeEmissao AS DataDeEmissao, ";
    s += "     FichasClinicas.CodigoDoUsuarioDaInclusao AS CodigoDoUsuarioDaInclusao, ";
    s += "     Usuarios.NomeDeUsuario AS NomeDeUsuario, ";
    s += "     Usuarios.PermissaoDoModuloConsultasAlterarFichaClinicaComDataRetroativa AS "
         "PermissaoDoModuloConsultasAlterarFichaClinicaComDataRetroativa ";
    s += "FROM ";
    s += "     Usuarios ";
    s += "     INNER JOIN FichasClinicas ON Usuarios.Codigo = FichasClinicas.CodigoDoUsuarioDaInclusao ";
    s += "WHERE ";
    s += "     FichasClinicas.Numero = " + frame::sql::number(numero) + ";";
    return s;
}

std::optional<std::int16_t> clsFichasClinicas::fieldRules(Operation& op) {
    auto empty = [&](Property p) { return ficha_.text(p).empty(); };

    op.ponto(2);
    if (ficha_.codigoDoVeterinario == 0) return fieldRuleFailed("Selecione um veterinário.", "CodigoDoVeterinario");
    op.ponto(3);
    if (ficha_.codigoDoCliente == 0) return fieldRuleFailed("Informe um cliente.", "CodigoDoCliente");
    op.ponto(4);
    if (ficha_.codigoDoAnimal == -1) return fieldRuleFailed("Selecione um animal.", "CodigoDoAnimal");
    op.ponto(5);
    if (empty(Property::QueixaPrincipal)) return fieldRuleFailed("Digite a queixa principal.", "QueixaPrincipal");

    for (const PairedDescription& rule : pairedDescriptions) {
        op.ponto(rule.ponto);
        if (ficha_.flag(rule.flag) && empty(rule.description))
            return fieldRuleFailed(rule.message, std::string(properties[rule.description].name));
    }

    op.ponto(16);
    const std::string& retorno = ficha_.text(Property::DataDeRetorno);
    if (!platform::Trim(retorno).empty() && !frame::sql::isValidDateText(retorno))
        return fieldRuleFailed("Informe uma data de retorno válida.", "DataDeRetorno");
    if (frame::sql::isValidDateText(retorno)) {
        const DateTime today = DateTime::today();
        if (platform::CDate(Variant(retorno)) < today)
            return fieldRuleFailed("Informe uma data de retorno igual ou maior que hoje (" +
                                       platform::CStr(Variant(today)) + ").",
                                   "DataDeRetorno");
    }
    return std::nullopt;
}

std::optional<std::int16_t> clsFichasClinicas::permissionRules(Operation&, const platform::ObjectRef& conexao,
                                                               platform::ObjectRef& recordset) {
    auto rs = connectionOf(conexao)->Execute(permissionQuery(ficha_.numero));
    recordset = rs;
    if (rs->EOF_()) {
        rs->Close();
        return std::nullopt;
    }

    const Variant issued = rs->value("DataDeEmissao");
    const double creator = platform::CDbl(rs->value("CodigoDoUsuarioDaInclusao"));
    const std::string creatorName = platform::CStr(rs->value("NomeDeUsuario"));
    // DateDiff of a Null issue date is Null, which is not greater than 0: it counts as today.
    const bool earlierDay =
        !issued.isNull() && DateTime::daysBetween(platform::CDate(issued), DateTime::today()) > 0;

    // Each condition reads every value it names, as VB's And does not stop early.
    auto anotherUsersRecord = [&]() {
        const bool notTheCreator = userCode() != creator;
        const bool allowed = userFlag("PermissaoDoModuloConsultasAlterarFichaClinicaDeOutroUsuario");
        return notTheCreator && !allowed;
    };
    std::optional<std::int16_t> refusal;
    if (earlierDay) {
        if (!userFlag("PermissaoDoModuloConsultasAlterarFichaClinicaComDataRetroativa"))
            refusal = refused(RetroactiveRefused);
        else if (anotherUsersRecord())
            refusal = refused(otherUserRefused(creatorName, true));
    } else {
        const bool protectedRecord = anotherUsersRecord();
        if (creator != 0 && protectedRecord) refusal = refused(otherUserRefused(creatorName, false));
    }
    rs->Close();
    return refusal;
}

std::int16_t clsFichasClinicas::ValidarDados(std::int16_t operacao, platform::ObjectRef conexao,
                                             platform::ObjectRef& recordset) {
    return validation(conexao, recordset, [&](Operation& op) -> std::int16_t {
        if (operacao == 1 || operacao == 2) {
            if (auto failed = fieldRules(op)) return *failed;
            if (operacao == 2 && !userFlag("Administrador")) {
                if (auto refusal = permissionRules(op, conexao, recordset)) return *refusal;
            }
        } else if (operacao == 3) {
            op.ponto(17);
        }
        op.ponto(18);  // every rule passed: the shell drops the references here
        op.ponto(19);
        return result::Done;
    });
}

}  // namespace zolk::fichas
