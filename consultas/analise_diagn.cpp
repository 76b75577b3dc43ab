#include "consultas/analise_diagn.h"

#include <new>

#include "frame/members.h"
#include "frame/operation.h"
#include "platform/runtime_error.h"

namespace zolk::consultas {

using frame::Operation;
using platform::CallArgs;
using platform::ParamType;
using platform::Variant;

namespace {

// What the user reads instead of the platform's text when the selection does not fit in memory.
constexpr const char* OutOfMemory =
    "Seu computador não tem memória suficiente para exibir todos os registros selecionados.\r\n"
    "Utilize o campo de pesquisa para encontrar o(s) registro(s).\r\n"
    "Observação: Para evitar esta situação aumente na medida do possível a quantidade de memória deste computador.";

std::string statement(std::string_view fragment, bool grouped) {
    std::string s = "         SELECT ";
    s += "   IIF(IsNull(FichasClinicas.Diagnostico), '', FichasClinicas.Diagnostico) AS Diagnostico,";
    s += "   COUNT(FichasClinicas.Diagnostico) AS NumeroDeDiagnosticos ";
    s += "FROM ";
    s += "   FichasClinicas ";
    s += "WHERE ";
    s += "   FichasClinicas.Diagnostico <> '' ";
    s += "   AND FichasClinicas.Diagnostico Is Not Null ";
    s += fragment;
    if (grouped) {
        s += "GROUP BY FichasClinicas.Diagnostico ";
        s += "ORDER BY COUNT(FichasClinicas.Diagnostico) DESC,  FichasClinicas.Diagnostico;";
    }
    return s;
}

}  // namespace

clsAnaliseDiagn::clsAnaliseDiagn() : BusinessObject("clsAnaliseDiagn") {}

std::int16_t clsAnaliseDiagn::Gerar(std::string_view instrucaoSQL, bool instrucaoSQLMontada) {
    return run("Gerar", [&](Operation& op) -> std::int16_t {
        try {
            op.ponto(1);
            op.createProvider();
            op.ponto(2);
            if (auto code = op.openConnection()) return *code;
            auto rs = op.newRecordset();

            // The fragment is trusted, but still runs as part of one reading statement: the
            // engine refuses a second statement after it, and a recordset never writes.
            op.ponto(3);
            op.openSelection(*rs, statement(instrucaoSQL, instrucaoSQLMontada), frame::ListKind::ListaCompleta, 0);
            op.ponto(4);
            rs->ActiveConnection(nullptr);
            op.ponto(5);
            if (auto code = op.closeConnection()) {
                op.release();
                return *code;
            }
            // Stored with or without rows; an empty analysis has no message.
            op.ponto(6);
            setResult(rs);
            op.ponto(7);
            op.release();
            op.ponto(8);
            return frame::result::Done;
        } catch (const std::bad_alloc&) {
            throw platform::RuntimeError(platform::err::OutOfMemory, OutOfMemory);
        } catch (const platform::RuntimeError& e) {
            if (e.number() != platform::err::OutOfMemory) throw;
            throw platform::RuntimeError(e.number(), OutOfMemory, e.source(), e.helpContext());
        }
    });
}

namespace {

platform::MemberTable buildTable() {
    using T = clsAnaliseDiagn;
    frame::ClassMembers<T> m;
    m.numeroDoErro()
        .descricaoDoErro()
        .localDoErro()
        .descricaoDaFalha()
        .resultadoDaSelecao()
        .operation("Gerar", {{"lstrInstrucaoSQL", ParamType::String}, {"lbooInstrucaoSQLMontada", ParamType::Boolean}},
                   ParamType::Integer,
                   [](T& o, CallArgs& a) { return Variant(o.Gerar(a[0].asString(), a[1].asBoolean())); });
    return m.build();
}

}  // namespace

const platform::MemberTable& clsAnaliseDiagn::memberTable() const {
    return frame::ClassMembers<clsAnaliseDiagn>::shared(buildTable);
}

}  // namespace zolk::consultas
