#include "consultas/visoes.h"

#include "frame/members.h"

namespace zolk::consultas {

using platform::Variant;

HistoricoDaFicha::HistoricoDaFicha(std::string className, Notas notas, const char* nothingFound)
    : BusinessObject(std::move(className)), notas_(notas), nothingFound_(nothingFound) {}

std::int16_t HistoricoDaFicha::Selecionar(std::int32_t tipoDeLista, std::int16_t tamanhoDaPagina,
                                          const Variant& codigoOuNomeParaFiltro, std::int16_t modo,
                                          double numeroDaFichaClinica, double codigoDoCliente, double codigoDoAnimal) {
    return list("Selecionar", tipoDeLista, tamanhoDaPagina, nothingFound_, [&] {
        return historyStatement(notas_, codigoOuNomeParaFiltro, modo, numeroDaFichaClinica, codigoDoCliente,
                                codigoDoAnimal);
    });
}

clsDiagnTrat::clsDiagnTrat()
    : HistoricoDaFicha("clsDiagnTrat", Notas::DiagnosticoETratamento,
                       "Nenhum ficha clínica encontrado com as especificações informadas.") {}

clsInternacao::clsInternacao()
    : HistoricoDaFicha("clsInternacao", Notas::Internacao,
                       "Nenhum internação encontrada com as especificações informadas.") {}

namespace {

// Both interfaces: Selecionar, the result recordset and the error state; only the name of the
// mode argument differs.
template <class T>
platform::MemberTable viewTable(const char* modeArgument) {
    frame::ClassMembers<T> m;
    m.recordSelection(modeArgument)
        .resultadoDaSelecao()
        .numeroDoErro()
        .descricaoDoErro()
        .localDoErro()
        .descricaoDaFalha();
    return m.build();
}

platform::MemberTable diagnTratTable() { return viewTable<clsDiagnTrat>("lintExamesDaFichaAtualOuDasFichasAnteriores"); }
platform::MemberTable internacaoTable() {
    return viewTable<clsInternacao>("lintInternacoesDaFichaAtualOuDasFichasAnteriores");
}

}  // namespace

const platform::MemberTable& clsDiagnTrat::memberTable() const {
    return frame::ClassMembers<clsDiagnTrat>::shared(diagnTratTable);
}

const platform::MemberTable& clsInternacao::memberTable() const {
    return frame::ClassMembers<clsInternacao>::shared(internacaoTable);
}

}  // namespace zolk::consultas
