#pragma once
// An order derived from another by moving a few items: each moved item leaves its place and
// stands right after another one (a listing or an interface that names some columns elsewhere
// than the table does).
#include <cstddef>
#include <vector>

namespace zolk::frame {

template <class T>
struct Move {
    T item;
    T after;
};

// The `count` values of the enumeration T in declaration order, with the moves applied.
template <class T, class Moves>
std::vector<T> orderWithMoves(std::size_t count, const Moves& moves) {
    auto moved = [&](T x) {
        for (const Move<T>& m : moves)
            if (m.item == x) return true;
        return false;
    };
    std::vector<T> out;
    out.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const T x = static_cast<T>(i);
        if (moved(x)) continue;
        out.push_back(x);
        for (const Move<T>& m : moves)
            if (m.after == x) out.push_back(m.item);
    }
    return out;
}

}  // namespace zolk::frame
