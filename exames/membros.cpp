// The dispatch interface _clsExames, members in slot order (0 Adicionar ... 214 NomeDoCampoValidado).
#include "exames/exames.h"
#include "frame/members.h"

namespace zolk::exames {

using T = clsExames;

const platform::MemberTable& clsExames::memberTable() const {
    return frame::ClassMembers<T>::shared([] {
        return frame::ClassMembers<T>()
            .recordOperations("lintExamesDaFichaAtualOuDasFichasAnteriores")
            .printSelection("SelecionarParaImpressaoCabecalho", &T::SelecionarParaImpressaoCabecalho)
            .resultadoDaSelecao()
            .resultadoDaSelecaoParaImpressao()
            .numeroTotalDeRegistros()
            .numberAndIssueDate()
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
            .errorStateAndValidation()
            .build();
    });
}

}  // namespace zolk::exames
