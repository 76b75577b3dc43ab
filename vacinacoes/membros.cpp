// The dispatch interface _clsVacinacoes, members in slot order (0 Adicionar ... 29 NomeDoCampoValidado).
#include "frame/members.h"
#include "vacinacoes/vacinacoes.h"

namespace zolk::vacinacoes {

using platform::CallArgs;
using platform::ParamType;
using platform::Variant;
using T = clsVacinacoes;

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
                    {"lintVacinacoesDaFichaAtualOuDasFichasAnteriores", ParamType::Integer},
                    {"ldouNumeroDaFichaClinica", ParamType::Double, true},
                    {"ldouCodigoDoCliente", ParamType::Double, true},
                    {"ldouCodigoDoAnimal", ParamType::Double, true}},
                   ParamType::Integer,
                   [](T& o, CallArgs& a) {
                       return Variant(o.Selecionar(a[0].asLong(), a[1].asInteger(), a[2], a[3].asInteger(),
                                                   a[4].asDouble(), a[5].asDouble(), a[6].asDouble()));
                   })
        .resultadoDaSelecao()
        .numeroTotalDeRegistros()
        .get("CodigoGerado", &T::CodigoGerado)
        .let("Codigo", &T::Codigo)
        .let("NumeroDaFichaClinica", &T::NumeroDaFichaClinica)
        .let("CodigoDoCliente", &T::CodigoDoCliente)
        .let("CodigoDoAnimal", &T::CodigoDoAnimal)
        .let("CodigoDaVacina", &T::CodigoDaVacina)
        .let("NumeroDaDose", &T::NumeroDaDose)
        .let("NumeroDeDoses", &T::NumeroDeDoses)
        .let("IntervaloEntreAsDoses", &T::IntervaloEntreAsDoses)
        .let("DataDaAplicacao", static_cast<void (T::*)(std::string_view)>(&T::DataDaAplicacao))
        .get("DataDaAplicacao", static_cast<std::string (T::*)() const>(&T::DataDaAplicacao))
        .let("CodigoDoVeterinario", &T::CodigoDoVeterinario)
        .let("VacinaAplicada", &T::VacinaAplicada)
        .let("Partida", &T::Partida)
        .let("Observacao", &T::Observacao)
        .let("Aplicacao", &T::Aplicacao)
        .dataHoraDaAtualizacao()
        .dadosDoUsuario()
        .errorStateAndValidation();
    return m.build();
}

}  // namespace

const platform::MemberTable& clsVacinacoes::memberTable() const { return frame::ClassMembers<T>::shared(buildTable); }

}  // namespace zolk::vacinacoes
