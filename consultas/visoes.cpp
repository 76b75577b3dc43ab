#include "consultas/visoes.h"

#include "frame/members.h"

namespace zolk::consultas {

HistoricoDaFicha::HistoricoDaFicha(std::string className, Notas notas, const char* nothingFound)
    : RecordClass(std::move(className), nothingFound), notas_(notas) {}

std::string HistoricoDaFicha::listingStatement(const frame::sql::RecordListing& a) const {
    return historyStatement(notas_, a.filtro, a.fichaAtualOuAnteriores, a.numeroDaFichaClinica, a.codigoDoCliente,
                            a.codigoDoAnimal);
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
