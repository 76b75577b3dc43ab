#pragma once
// Gathers a query's rows into a RowSet as an engine reads them, cell by cell, whatever the
// engine. Up to a million cells the storage grows by doubling; past that, rows go into blocks of
// that size joined once at the end, so that no cell of a large result is moved more than once
// more and the result never holds twice its size while it grows. A column's texts that repeat
// (Sim and Não, a name on many rows) share one text instead of making another.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "jet/binder.h"
#include "jet/engine.h"
#include "platform/variant.h"

namespace zolk::jet {

class RowBuilder {
public:
    RowBuilder(RowSet& rows, const std::vector<ResultColumn>& columns);

    // Makes room for all the rows at once, when the engine knows how many it has.
    void expectRows(std::size_t rows) {
        if (blocks_.empty() && cells_.empty()) cells_.reserve(rows * width_);
    }
    // Makes room for one more row; then each of its cells is added in column order.
    void beginRow() {
        if (target_->size() + width_ > target_->capacity()) grow();
    }
    void add(platform::Variant v) { target_->push_back(std::move(v)); }
    // Whether texts of `column` are worth comparing with its last ones before one is made.
    bool sharesTexts(std::size_t column) const { return repeated_[column].worthTrying(); }
    void addText(std::size_t column, std::string_view text) { target_->push_back(repeated_[column].take(text)); }

    // Joins the blocks, or gives back storage a result leaves unused.
    void finish();

private:
    // The last two texts of a column. A column whose texts seldom repeat stops looking after a
    // few rows.
    struct RepeatedText {
        platform::Variant recent[2];
        std::uint32_t hits = 0, misses = 0;
        bool worthTrying() const { return misses < 16 || hits >= misses; }
        platform::Variant take(std::string_view text) {
            for (int i = 0; i < 2; ++i) {
                if (recent[i].isString() && recent[i].asString() == text) {
                    ++hits;
                    if (i == 1) std::swap(recent[0], recent[1]);
                    return recent[0];
                }
            }
            ++misses;
            recent[1] = std::move(recent[0]);
            recent[0] = platform::Variant(std::string(text));
            return recent[0];
        }
    };

    void grow();

    static constexpr std::size_t kFirstCells = 4096;
    static constexpr std::size_t kLargeCells = std::size_t{1} << 20;

    std::vector<platform::Variant>& cells_;
    std::size_t width_;
    std::vector<RepeatedText> repeated_;
    std::vector<std::vector<platform::Variant>> blocks_;
    std::vector<platform::Variant>* target_;
};

}  // namespace zolk::jet
