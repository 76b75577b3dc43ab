#include "exames/catalogo.h"

#include <vector>

#include "frame/order.h"

namespace zolk::exames {

static_assert(exameCount == 182, "slots 21 to 202 of the interface");
static_assert(info(Exame::Biopsia).run == Run::Biopsia);

std::span<const Exame> interfaceOrder() {
    static const std::vector<Exame> order = [] {
        std::vector<Exame> catalogueOrder;
        for (std::size_t i = 0; i < exameCount; ++i) catalogueOrder.push_back(exameAt(i));
        const frame::Move<Exame> moves[] = {{Exame::ParasitologicosDeFezes, Exame::PesquisaFecalDeCriptosporidiose}};
        return frame::withMoves(catalogueOrder, moves);
    }();
    return order;
}

}  // namespace zolk::exames
