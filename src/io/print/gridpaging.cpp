#include "io/print/gridpaging.h"

#include <algorithm>
#include <cmath>

namespace mv {

int ScaledSize(int size, double scale) {
    return std::max(0, static_cast<int>(std::lround(size * scale)));
}

std::vector<GridBand> SplitGridBands(const std::vector<int>& sizes, int first, int available) {
    const int count = static_cast<int>(sizes.size());
    first = std::clamp(first, 0, count);
    if (first == count) return {GridBand{first, first}};
    std::vector<GridBand> bands;
    for (int i = first; i < count;) {
        const int start = i;
        long long used = 0;
        // The first item of a band always goes in, however large: no band is empty.
        while (i < count && (i == start || used + sizes[i] <= available)) used += sizes[i++];
        bands.push_back({start, i});
    }
    return bands;
}

std::vector<GridPage> PaginateGrid(const GridPagingInput& input) {
    auto scaled = [&](const std::vector<int>& sizes, int fixed, int& fixedTotal) {
        std::vector<int> out(sizes.size());
        fixedTotal = 0;
        for (std::size_t i = 0; i < sizes.size(); ++i) {
            out[i] = ScaledSize(sizes[i], input.scale);
            if (static_cast<int>(i) < fixed) fixedTotal += out[i];
        }
        return out;
    };
    int fixedWidth = 0, fixedHeight = 0;
    const std::vector<int> widths = scaled(input.colWidths, input.fixedCols, fixedWidth);
    const std::vector<int> heights = scaled(input.rowHeights, input.fixedRows, fixedHeight);
    // Fixed parts wider than the page leave no room: every other column then gets a page
    // of its own (SplitGridBands keeps one per band).
    const auto across = SplitGridBands(widths, input.fixedCols, input.pageWidth - fixedWidth);
    const auto down = SplitGridBands(heights, input.fixedRows, input.pageHeight - fixedHeight);
    std::vector<GridPage> pages;
    pages.reserve(across.size() * down.size());
    if (input.order == GridPageOrder::DownThenAcross) {
        for (const GridBand& c : across)
            for (const GridBand& r : down) pages.push_back({c.first, c.end, r.first, r.end});
    } else {
        for (const GridBand& r : down)
            for (const GridBand& c : across) pages.push_back({c.first, c.end, r.first, r.end});
    }
    return pages;
}

}  // namespace mv
