// The dispatch interface _clsExames, members in slot order (0 Adicionar ... 214 NomeDoCampoValidado).
#include "exames/exames.h"
#include "frame/members.h"

namespace zolk::exames {

using platform::CallArgs;
using platform::ParamType;
using platform::Variant;
using T = clsExames;

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
                    {"lintExamesDaFichaAtualOuDasFichasAnteriores", ParamType::Integer},
                    {"ldouNumeroDaFichaClinica", ParamType::Double, true},
                    {"ldouCodigoDoCliente", ParamType::Double, true},
                    {"ldouCodigoDoAnimal", ParamType::Double, true}},
                   ParamType::Integer,
                   [](T& o, CallArgs& a) {
                       return Variant(o.Selecionar(a[0].asLong(), a[1].asInteger(), a[2], a[3].asInteger(),
                                                   a[4].asDouble(), a[5].asDouble(), a[6].asDouble()));
                   })
        .operation("SelecionarParaImpressaoCabecalho",
                   {{"lenuTipoDeLista", ParamType::Long},
                    {"lintTamanhoDaPagina", ParamType::Integer},
                    {"lvarCodigoOuNomeParaFiltro", ParamType::Variant}},
                   ParamType::Integer,
                   [](T& o, CallArgs& a) {
                       return Variant(o.SelecionarParaImpressaoCabecalho(a[0].asLong(), a[1].asInteger(), a[2]));
                   })
        .resultadoDaSelecao()
        .resultadoDaSelecaoParaImpressao()
        .numeroTotalDeRegistros()
        .get("NumeroGerado", &T::NumeroGerado)
        .let("Numero", &T::Numero)
        .get("DataDeEmissao", &T::DataDeEmissao)
        .let("NumeroDaFichaClinica", &T::NumeroDaFichaClinica)
        .let("CodigoDoVeterinario", &T::CodigoDoVeterinario)
        .let("CodigoDoCliente", &T::CodigoDoCliente)
        .let("CodigoDoAnimal", &T::CodigoDoAnimal)
        .let("CodigoDoLaboratorio", &T::CodigoDoLaboratorio)
        .let("Relato", &T::Relato)
        .let("Amostra", &T::Amostra)
        .let("ReceberResultadoPor", &T::ReceberResultadoPor)
        .let("ExamePago", &T::ExamePago)
        .fields(catalogo, interfaceOrder())
        .let("ImagemObservacao", &T::ImagemObservacao)
        .let("OutrosExames", &T::OutrosExames)
        .let("ResultadosDeExames", &T::ResultadosDeExames)
        .let("Observacao", &T::Observacao)
        .dataHoraDaAtualizacao()
        .dadosDoUsuario()
        .let("ExameSelecionado", &T::ExameSelecionado)
        .errorStateAndValidation();
    return m.build();
}

}  // namespace

const platform::MemberTable& clsExames::memberTable() const { return frame::ClassMembers<T>::shared(buildTable); }

}  // namespace zolk::exames
