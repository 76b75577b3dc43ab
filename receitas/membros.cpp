// The dispatch interface _clsReceitas, members in slot order (0 Adicionar ... 24 NomeDoCampoValidado).
#include "frame/members.h"
#include "receitas/receitas.h"

namespace zolk::receitas {

using platform::CallArgs;
using platform::ParamType;
using platform::Variant;
using T = clsReceitas;

namespace {

platform::MemberTable buildTable() {
    frame::ClassMembers<T> m;
    m.operation("Adicionar", {}, ParamType::Integer, [](T& o, CallArgs&) { return Variant(o.Adicionar()); })
        .operation("Alterar", {}, ParamType::Integer, [](T& o, CallArgs&) { return Variant(o.Alterar()); })
        .operation("Excluir", {}, ParamType::Integer, [](T& o, CallArgs&) { return Variant(o.Excluir()); })
        .operation("Selecionar",
                   {{"lenuTipoDeLista", ParamType::Long},
                    {"lintTamanhoDaPagina", ParamType::Integer},
                    {"lvarCodigoOuNomeParaFiltro", ParamType::Variant},
                    {"lintReceitasDaFichaAtualOuDasFichasAnteriores", ParamType::Integer},
                    {"ldouNumeroDaFichaClinica", ParamType::Double, true},
                    {"ldouCodigoDoCliente", ParamType::Double, true},
                    {"ldouCodigoDoAnimal", ParamType::Double, true}},
                   ParamType::Integer,
                   [](T& o, CallArgs& a) {
                       return Variant(o.Selecionar(a[0].asLong(), a[1].asInteger(), a[2], a[3].asInteger(),
                                                   a[4].asDouble(), a[5].asDouble(), a[6].asDouble()));
                   })
        .operation("SelecionarReceitaControladaParaImpressao",
                   {{"lenuTipoDeLista", ParamType::Long},
                    {"lintTamanhoDaPagina", ParamType::Integer},
                    {"lvarCodigoOuNomeParaFiltro", ParamType::Variant}},
                   ParamType::Integer,
                   [](T& o, CallArgs& a) {
                       return Variant(
                           o.SelecionarReceitaControladaParaImpressao(a[0].asLong(), a[1].asInteger(), a[2]));
                   })
        .resultadoDaSelecao()
        .resultadoDaSelecaoParaImpressao()
        .numeroTotalDeRegistros()
        .get("NumeroGerado", &T::NumeroGerado)
        .let("Numero", &T::Numero)
        .get("DataDeEmissao", &T::DataDeEmissao)
        .let("NumeroDaFichaClinica", &T::NumeroDaFichaClinica)
        .let("CodigoDoCliente", &T::CodigoDoCliente)
        .let("CodigoDoAnimal", &T::CodigoDoAnimal)
        .let("ReceitaControlada", &T::ReceitaControlada)
        .let("Prescricao", &T::Prescricao)
        .let("CodigoDoVeterinario", &T::CodigoDoVeterinario)
        .dataHoraDaAtualizacao()
        .dadosDoUsuario()
        .errorStateAndValidation();
    return m.build();
}

}  // namespace

const platform::MemberTable& clsReceitas::memberTable() const { return frame::ClassMembers<T>::shared(buildTable); }

}  // namespace zolk::receitas
