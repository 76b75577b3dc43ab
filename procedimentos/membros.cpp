// The dispatch interface _clsProcedimentos, members in slot order (0 Adicionar ... 39
// DadosDosItensDoOrcamento). The commission lookup is private and not a member.
#include "frame/members.h"
#include "procedimentos/procedimentos.h"

namespace zolk::procedimentos {

using T = clsProcedimentos;

const platform::MemberTable& clsProcedimentos::memberTable() const {
    return frame::ClassMembers<T>::shared([] {
        return frame::ClassMembers<T>()
            .recordOperations("lintProcedimentosDaFichaAtualOuDasFichasAnteriores")
            .resultadoDaSelecao()
            .numeroTotalDeRegistros()
            .get("NumeroDeLancamentoGerado", &T::NumeroDeLancamentoGerado)
            .let("NumeroDeLancamento", &T::NumeroDeLancamento)
            .get("DataDeLancamento", &T::DataDeLancamento)
            .let("NumeroDaFichaClinica", &T::NumeroDaFichaClinica)
            .let("NumeroDoOrcamento", &T::NumeroDoOrcamento)
            .let("CodigoDoCliente", &T::CodigoDoCliente)
            .let("CodigoDoVeterinario", &T::CodigoDoVeterinario)
            .let("CodigoDoAnimal", &T::CodigoDoAnimal)
            .let("NumeroDoTipoDeProcedimento", &T::NumeroDoTipoDeProcedimento)
            .let("CodigoDoProcedimento", &T::CodigoDoProcedimento)
            .let("Observacao", &T::Observacao)
            .let("ValorUnitario", &T::ValorUnitario)
            .let("DescontoEmPercentual", &T::DescontoEmPercentual)
            .let("DescontoEmValor", &T::DescontoEmValor)
            .let("ValorLiquido", &T::ValorLiquido)
            .let("Custo", &T::Custo)
            .let("FuncionarioComissionado", static_cast<void (T::*)(bool)>(&T::FuncionarioComissionado))
            .let("PercentualDeComissaoDoVeterinario",
                 static_cast<void (T::*)(platform::Currency)>(&T::PercentualDeComissaoDoVeterinario))
            .let("ValorDaComissaoDoVeterinario", &T::ValorDaComissaoDoVeterinario)
            .let("TipoDeLancamento", &T::TipoDeLancamento)
            .let("TipoDeVenda", &T::TipoDeVenda)
            .let("CodigoInternoDoProduto", &T::CodigoInternoDoProduto)
            .let("Quantidade", &T::Quantidade)
            .let("ValorTotal", &T::ValorTotal)
            .closingMembers()
            .let("OrcamentoImportado", &T::OrcamentoImportado)
            .set("DadosDosItensDoOrcamento", &T::DadosDosItensDoOrcamento)
            .build();
    });
}

}  // namespace zolk::procedimentos
