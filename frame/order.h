#pragma once
// An order derived from another by moving a few items: each moved item leaves its place and
// stands right after another one (a listing or an interface that names some columns elsewhere
// than the table does).
#include <vector>

namespace zolk::frame {

template <class T>
struct Move {
    T item;
    T after;
};

template <class T, class Moves>
std::vector<T> withMoves(const std::vector<T>& order, const Moves& moves) {
    auto moved = [&](const T& x) {
        for (const Move<T>& m : moves)
            if (m.item == x) return true;
        return false;
    };
    std::vector<T> out;
    out.reserve(order.size());
    for (const T& x : order) {
        if (moved(x)) continue;
        out.push_back(x);
        for (const Move<T>& m : moves)
            if (m.after == x) out.push_back(m.item);
    }
    return out;
}

}  // namespace zolk::frame
