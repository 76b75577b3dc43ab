// The dispatch interface _clsVacinacoes, members in slot order (0 Adicionar ... 29 NomeDoCampoValidado).
#include "frame/members.h"
#include "vacinacoes/vacinacoes.h"

namespace zolk::vacinacoes {

using T = clsVacinacoes;

const platform::MemberTable& clsVacinacoes::memberTable() const {
    return frame::ClassMembers<T>::shared([] {
        return frame::ClassMembers<T>()
            .recordOperations("lintVacinacoesDaFichaAtualOuDasFichasAnteriores")
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
            .closingMembers()
            .build();
    });
}

}  // namespace zolk::vacinacoes
