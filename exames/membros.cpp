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
    m.writeOperations()
        .recordSelection("lintExamesDaFichaAtualOuDasFichasAnteriores")
        .printSelection("SelecionarParaImpressaoCabecalho", &T::SelecionarParaImpressaoCabecalho)
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
