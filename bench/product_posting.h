#pragma once
// The product posting the posting benchmarks repeat: one box of product 6 sold to client 95 on
// record 812 by veterinarian 3, as user ana.
#include <memory>
#include <string>

#include "components/userdata/dados_do_usuario.h"
#include "procedimentos/procedimentos.h"

namespace zolk::bench {

inline std::shared_ptr<procedimentos::clsProcedimentos> productPosting() {
    using platform::Currency;
    auto user = std::make_shared<components::DadosDoUsuario>();
    user->Add(platform::Variant(std::string("ana")), "NomeDeUsuario");
    auto o = std::make_shared<procedimentos::clsProcedimentos>();
    o->DadosDoUsuario(user);
    o->TipoDeLancamento("2");
    o->TipoDeVenda(1);
    o->NumeroDaFichaClinica(812);
    o->CodigoDoVeterinario(3);
    o->CodigoDoCliente(95);
    o->CodigoInternoDoProduto(6);
    o->Quantidade(Currency::fromDouble(1));
    o->ValorUnitario(Currency::fromDouble(36));
    o->ValorTotal(Currency::fromDouble(36));
    o->ValorLiquido(Currency::fromDouble(36));
    return o;
}

}  // namespace zolk::bench
