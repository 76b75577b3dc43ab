// The dispatch interface _clsMedicacoes, members in slot order (0 Adicionar ... 25 NomeDoCampoValidado).
#include "frame/members.h"
#include "medicacoes/medicacoes.h"

namespace zolk::medicacoes {

using T = clsMedicacoes;

const platform::MemberTable& clsMedicacoes::memberTable() const {
    return frame::ClassMembers<T>::shared([] {
        return frame::ClassMembers<T>()
            .recordOperations("lintMedicacoesDaFichaAtualOuDasFichasAnteriores")
            .resultadoDaSelecao()
            .numeroTotalDeRegistros()
            .let("CodigoDoMedicamento", &T::CodigoDoMedicamento)
            .let("Quantidade", &T::Quantidade)
            .let("Unidade", &T::Unidade)
            .let("Via", &T::Via)
            .let("Data", &T::Data)
            .let("Hora", &T::Hora)
            .let("Observacao", &T::Observacao)
            .let("NumeroDaFichaClinica", &T::NumeroDaFichaClinica)
            .let("CodigoDoVeterinario", &T::CodigoDoVeterinario)
            .let("CodigoDoCliente", &T::CodigoDoCliente)
            .let("CodigoDoAnimal", &T::CodigoDoAnimal)
            .let("DataHoraDeInclusao", &T::DataHoraDeInclusao)
            .closingMembers()
            .build();
    });
}

}  // namespace zolk::medicacoes
