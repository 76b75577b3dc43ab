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
    m.writeOperations()
        .recordSelection("lintReceitasDaFichaAtualOuDasFichasAnteriores")
        .printSelection("SelecionarReceitaControladaParaImpressao", &T::SelecionarReceitaControladaParaImpressao)
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
