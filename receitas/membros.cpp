// The dispatch interface _clsReceitas, members in slot order (0 Adicionar ... 24 NomeDoCampoValidado).
#include "frame/members.h"
#include "receitas/receitas.h"

namespace zolk::receitas {

using T = clsReceitas;

const platform::MemberTable& clsReceitas::memberTable() const {
    return frame::ClassMembers<T>::shared([] {
        return frame::ClassMembers<T>()
            .recordOperations("lintReceitasDaFichaAtualOuDasFichasAnteriores")
            .printSelection("SelecionarReceitaControladaParaImpressao", &T::SelecionarReceitaControladaParaImpressao)
            .resultadoDaSelecao()
            .resultadoDaSelecaoParaImpressao()
            .numeroTotalDeRegistros()
            .numberAndIssueDate()
            .let("NumeroDaFichaClinica", &T::NumeroDaFichaClinica)
            .let("CodigoDoCliente", &T::CodigoDoCliente)
            .let("CodigoDoAnimal", &T::CodigoDoAnimal)
            .let("ReceitaControlada", &T::ReceitaControlada)
            .let("Prescricao", &T::Prescricao)
            .let("CodigoDoVeterinario", &T::CodigoDoVeterinario)
            .closingMembers()
            .build();
    });
}

}  // namespace zolk::receitas
