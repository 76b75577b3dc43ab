#include "jet/row_builder.h"

#include <algorithm>
#include <iterator>

namespace zolk::jet {

RowBuilder::RowBuilder(RowSet& rows, const std::vector<ResultColumn>& columns)
    : cells_(rows.cells), width_(columns.size()), repeated_(columns.size()), target_(&rows.cells) {
    rows.columns.reserve(width_);
    for (const auto& c : columns) rows.columns.push_back(c.field);
    const std::size_t rowsFirst = std::max<std::size_t>(1, kFirstCells / std::max<std::size_t>(width_, 1));
    cells_.reserve(rowsFirst * width_);
}

void RowBuilder::grow() {
    if (blocks_.empty() && cells_.capacity() < kLargeCells) {
        cells_.reserve(2 * cells_.capacity());
        return;
    }
    const std::size_t rowsPerBlock = std::max<std::size_t>(1, kLargeCells / std::max<std::size_t>(width_, 1));
    blocks_.emplace_back();
    blocks_.back().reserve(rowsPerBlock * width_);
    target_ = &blocks_.back();
}

void RowBuilder::finish() {
    if (!blocks_.empty()) {
        std::size_t total = cells_.size();
        for (const auto& block : blocks_) total += block.size();
        std::vector<platform::Variant> all;
        all.reserve(total);
        std::move(cells_.begin(), cells_.end(), std::back_inserter(all));
        std::vector<platform::Variant>().swap(cells_);
        for (auto& block : blocks_) {
            std::move(block.begin(), block.end(), std::back_inserter(all));
            std::vector<platform::Variant>().swap(block);
        }
        cells_ = std::move(all);
        blocks_.clear();
        target_ = &cells_;
        return;
    }
    // A result that leaves more than an eighth of its storage unused gives the rest back.
    if (cells_.capacity() - cells_.size() > cells_.capacity() / 8) cells_.shrink_to_fit();
}

}  // namespace zolk::jet
