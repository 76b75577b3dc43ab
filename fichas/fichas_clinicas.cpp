#include "fichas/fichas_clinicas.h"

#include "frame/operation.h"
#include "frame/sql_literals.h"
#include "platform/conversions.h"
#include "platform/format.h"

namespace zolk::fichas {

using frame::Operation;
using platform::DateTime;
using platform::Variant;
namespace result = frame::result;

namespace {
constexpr const char* NothingFound = "Nenhuma ficha clínica encontrada com as especificações informadas.";
}  // namespace

clsFichasClinicas::clsFichasClinicas() : BusinessObject("clsFichasClinicas") {}

std::int16_t clsFichasClinicas::Adicionar() {
    return run("Adicionar", [&](Operation& op) -> std::int16_t {
        if (auto code = op.openAndValidate(1, 10)) return *code;

        op.ponto(5);
        const DateTime now = op.updateTime();
        dataDeEmissao_ = frame::sql::issueDateText(now);
        op.beginTrans();

        op.ponto(6);
        op.execute(insertStatement(ficha_, dataDeEmissao_, userCode(), stamp(now)));

        op.ponto(7);
        numeroGerado_ = platform::CDbl(op.executeScalar("SELECT @@Identity"));

        op.ponto(8);
        if (frame::sql::isValidDateText(ficha_.text(Property::DataDeRetorno)))
            op.execute(appointmentInsert(ficha_, numeroGerado_, stamp(now)));
        op.commitTrans();

        return op.done({9, 11});
    });
}

std::int16_t clsFichasClinicas::Alterar() {
    return run("Alterar", [&](Operation& op) -> std::int16_t {
        if (auto code = op.openAndValidate(2, 13)) return *code;

        op.ponto(5);
        const DateTime now = op.updateTimeToTheSecond();

        op.ponto(6);
        op.beginTrans();
        op.execute(updateStatement(ficha_, stamp(now)));

        op.ponto(7);
        const std::int16_t appointments = platform::CInt(op.executeScalar(appointmentCount(ficha_.numero)));

        // Given means non-blank; a non-blank text that is not a date was refused by ValidarDados.
        const bool retorno = !platform::Trim(ficha_.text(Property::DataDeRetorno)).empty();
        if (appointments == 0 && retorno) {
            op.ponto(8);
            op.execute(appointmentInsert(ficha_, ficha_.numero, stamp(now)));
        } else if (appointments > 0 && retorno) {
            op.ponto(9);
            op.execute(appointmentMove(ficha_));
        } else if (appointments > 0) {
            op.ponto(10);
            op.execute(appointmentDelete(ficha_.numero));
        }

        op.ponto(11);
        op.commitTrans();
        return op.done({12, 14});
    });
}

std::int16_t clsFichasClinicas::Selecionar(std::int32_t tipoDeLista, std::int16_t tamanhoDaPagina,
                                           std::int16_t situacaoParaFiltro, const Variant& codigoOuNome,
                                           const Variant& codigoOuNomeDoCliente,
                                           const Variant& codigoOuNomeDoAnimal) {
    Selection s;
    s.statement = [&] {
        return listingStatement(tamanhoDaPagina, situacaoParaFiltro, codigoOuNome, codigoOuNomeDoCliente,
                                codigoOuNomeDoAnimal);
    };
    s.kind = static_cast<frame::ListKind>(tipoDeLista);
    s.pageSize = tamanhoDaPagina;
    if (situacaoParaFiltro == 3) s.sort = "Numero DESC";
    s.nothingFound = NothingFound;
    return select("Selecionar", s);
}

std::int16_t clsFichasClinicas::SelecionarParaImpressao(double numeroDaFichaClinica) {
    Selection s;
    s.statement = [&] { return printStatement(numeroDaFichaClinica); };
    s.forPrinting = true;
    s.nothingFound = NothingFound;
    return select("SelecionarParaImpressao", s);
}

}  // namespace zolk::fichas
