#include "exames/catalogo.h"

#include <vector>

#include "frame/order.h"

namespace zolk::exames {

static_assert(catalogo.size() == 182, "slots 21 to 202 of the interface");
static_assert(catalogo[Exame::Biopsia].extra == Run::Biopsia);

std::span<const Exame> interfaceOrder() {
    static const frame::Move<Exame> moves[] = {{Exame::ParasitologicosDeFezes, Exame::PesquisaFecalDeCriptosporidiose}};
    static const std::vector<Exame> order = frame::orderWithMoves<Exame>(catalogo.size(), moves);
    return order;
}

}  // namespace zolk::exames
