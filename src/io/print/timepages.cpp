#include "io/print/timepages.h"

#include <algorithm>
#include <cstdio>

namespace mv {

double ScaleToPaper(double printableWidth, int layoutWidth) {
    if (layoutWidth <= 0 || printableWidth <= 0) return 1;
    return printableWidth / layoutWidth;
}

PageTable ComposePages(const PageInput& input) {
    PageTable table;
    table.scale = ScaleToPaper(input.printableWidth, input.layoutWidth);
    table.printableHeight = input.printableHeight / table.scale;
    const int rowCount = static_cast<int>(input.rows.size());
    if (rowCount == 0) {
        table.pages.push_back({});
        return table;
    }
    auto [first, last] = PrintRange(std::clamp(input.firstRow, 0, rowCount - 1), std::clamp(input.lastRow, 0, rowCount - 1));

    // The page-boundary band sits above the rows of every page that does not start the day.
    auto openPage = [&](int row) {
        PrintPage page;
        const bool firstPage = table.pages.empty();
        page.firstRow = row;
        page.lastRow = row;
        page.top = input.rows[static_cast<std::size_t>(row)].top;
        page.bottom = input.rows[static_cast<std::size_t>(row)].bottom;
        page.headerHeight = firstPage || input.headerOnAllPages ? input.headerHeight : 0;
        page.band = !firstPage || row != 0 ? input.boundaryBand : 0;
        return page;
    };
    PrintPage page = openPage(first);
    for (int row = first + 1; row <= last; ++row) {
        const PrintRow& r = input.rows[static_cast<std::size_t>(row)];
        const double used = page.BodyTop(input.headingHeight) + (r.bottom - page.top);
        if (used <= table.printableHeight) {
            page.lastRow = row;
            page.bottom = r.bottom;
            continue;
        }
        table.pages.push_back(page);
        if (static_cast<int>(table.pages.size()) == kMaxPrintPages) {
            table.truncated = true;
            return table;
        }
        page = openPage(row);
    }
    table.pages.push_back(page);

    // The closing date rows follow the last row, or get a page of their own.
    const double left = table.printableHeight - (page.BodyTop(input.headingHeight) + (page.bottom - page.top));
    if (left < input.headingHeight) {
        if (static_cast<int>(table.pages.size()) == kMaxPrintPages) {
            table.truncated = true;
            return table;
        }
        PrintPage closing;
        closing.closingOnly = true;
        closing.headerHeight = input.headerOnAllPages ? input.headerHeight : 0;
        table.pages.push_back(closing);
    }
    return table;
}

MarginsMm MarginsFromIndexes(int leftIndex, int topIndex) {
    MarginsMm margins;
    margins.left = 5.0 * std::clamp(leftIndex, 0, 20);
    margins.top = 5.0 * std::clamp(topIndex, 0, 20);
    return margins;
}

std::pair<int, int> PrintRange(int first, int last) {
    if (first > last) std::swap(first, last);
    return {first, last};
}

std::vector<std::string> PreviewScaleEntries(bool withPercent) {
    std::vector<std::string> entries;
    const std::string unit = withPercent ? " %" : "";
    for (int percent = 20; percent <= 80; percent += 20) entries.push_back(" " + std::to_string(percent) + unit);
    entries.push_back(" 画面に");
    for (int percent = 100; percent <= 300; percent += 20) entries.push_back(" " + std::to_string(percent) + unit);
    return entries;
}

int ScalePercent(int entry) {
    if (entry < kFitScaleEntry) return 20 * (std::max(0, entry) + 1);
    if (entry == kFitScaleEntry) return 0;
    return 100 + 20 * std::min(entry - kHundredScaleEntry, 10);
}

double PreviewScale(int entry, double clientWidth, double clientHeight, double paperWidth, double paperHeight) {
    if (entry != kFitScaleEntry) return ScalePercent(entry) / 100.0;
    if (paperWidth <= 0 || paperHeight <= 0) return 1;
    return std::min(0.99 * clientWidth / paperWidth, 0.99 * clientHeight / paperHeight);
}

int NextScaleEntry(int current, int restore) {
    if (current == kHundredScaleEntry) return restore;
    if (current == restore) return kFitScaleEntry;
    return kHundredScaleEntry;
}

std::string PaperName(int code) {
    switch (code) {
        case 8: return "A3";
        case 9: return "A4";
        case 11: return "A5";
        case 12: return "B4";
        case 13: return "B5";
        default: return "?";
    }
}

bool SupportedPaper(int code) { return PaperName(code) != "?"; }

int PaperCodeByName(const std::string& name) {
    for (int code : {8, 9, 11, 12, 13})
        if (PaperName(code) == name) return code;
    return 0;
}

std::string PaperText(int code, int orientation) {
    const char* orient = orientation == kPortrait ? "縦" : orientation == kLandscape ? "横" : "?";
    return PaperName(code) + " " + orient;
}

std::string PrintedAtText(int year, int month, int day, int hour, int minute, int second) {
    char text[40];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d  %02d:%02d:%02d", year, month, day, hour, minute, second);
    return text;
}

std::string PageCaption(int page, int pages) {
    return " Page  " + std::to_string(page) + " / " + std::to_string(pages) + " ";
}

}  // namespace mv
