// The dispatch interface _clsProcedimentos, members in slot order (0 Adicionar ... 39
// DadosDosItensDoOrcamento). The commission lookup is private and not a member.
#include "frame/members.h"
#include "procedimentos/procedimentos.h"

namespace zolk::procedimentos {

using platform::CallArgs;
using platform::ParamType;
using platform::Variant;
using T = clsProcedimentos;

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
                    {"lintProcedimentosDaFichaAtualOuDasFichasAnteriores", ParamType::Integer},
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
        .dataHoraDaAtualizacao()
        .dadosDoUsuario()
        .numeroDoErro()
        .descricaoDoErro()
        .localDoErro()
        .descricaoDaFalha()
        .validarDados()
        .nomeDoCampoValidado()
        .let("OrcamentoImportado", &T::OrcamentoImportado)
        .set("DadosDosItensDoOrcamento", &T::DadosDosItensDoOrcamento);
    return m.build();
}

}  // namespace

const platform::MemberTable& clsProcedimentos::memberTable() const {
    return frame::ClassMembers<T>::shared(buildTable);
}

}  // namespace zolk::procedimentos
