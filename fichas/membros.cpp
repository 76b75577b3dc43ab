// The dispatch interface _clsFichasClinicas, members in slot order (0 Adicionar ... 100
// NomeDoCampoValidado).
#include "fichas/fichas_clinicas.h"
#include "frame/members.h"

namespace zolk::fichas {

using platform::CallArgs;
using platform::ParamType;
using platform::Variant;
using T = clsFichasClinicas;

const platform::MemberTable& clsFichasClinicas::memberTable() const {
    return frame::ClassMembers<T>::shared([] {
        return frame::ClassMembers<T>()
            .operation("Adicionar", {}, ParamType::Integer, [](T& o, CallArgs&) { return Variant(o.Adicionar()); })
            .operation("Alterar", {}, ParamType::Integer, [](T& o, CallArgs&) { return Variant(o.Alterar()); })
            .operation("Selecionar",
                       {{"lenuTipoDeLista", ParamType::Long},
                        {"lintTamanhoDaPagina", ParamType::Integer},
                        {"lintSituacaoParaFiltro", ParamType::Integer},
                        {"lvarCodigoOuNomeParaFiltro", ParamType::Variant},
                        {"lvarCodigoOuNomeDoClienteParaFiltro", ParamType::Variant},
                        {"lvarCodigoOuNomeDoAnimalParaFiltro", ParamType::Variant}},
                       ParamType::Integer,
                       [](T& o, CallArgs& a) {
                           return Variant(o.Selecionar(a[0].asLong(), a[1].asInteger(), a[2].asInteger(), a[3],
                                                       a[4], a[5]));
                       })
            .paginar()
            .operation("SelecionarParaImpressao", {{"ldouNumeroDaFichaClinica", ParamType::Double}},
                       ParamType::Integer,
                       [](T& o, CallArgs& a) { return Variant(o.SelecionarParaImpressao(a[0].asDouble())); })
            .resultadoDaSelecao()
            .resultadoDaSelecaoParaImpressao()
            .numeroTotalDeRegistros()
            .numberAndIssueDate()
            .let("TipoDeAtendimento", &T::TipoDeAtendimento)
            .let("CodigoDoCliente", &T::CodigoDoCliente)
            .let("CodigoDoAnimal", &T::CodigoDoAnimal)
            .fields(properties)
            .let("CodigoDoVeterinario", &T::CodigoDoVeterinario)
            .closingMembers()
            .build();
    });
}

}  // namespace zolk::fichas
