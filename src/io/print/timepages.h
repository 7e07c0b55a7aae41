#pragma once
// How the timetable is cut into printed pages: the dates run across every page, the hour
// rows down the pages. Pure arithmetic in layout units (the view's screen pixels), so that
// the print window, its preview, the command-line tool and the tests share one page table.

#include <string>
#include <utility>
#include <vector>

namespace mv {

inline constexpr int kMaxPrintPages = 101;
inline constexpr int kFitScaleEntry = 4;      // " 画面に" in the preview scale list
inline constexpr int kHundredScaleEntry = 5;  // " 100 %"

// One hour row of the layout: its top and bottom below the date heading, in layout units.
struct PrintRow {
    int top = 0, bottom = 0;
};

// What the page table is computed from.
struct PageInput {
    std::vector<PrintRow> rows;  // the 24 hour rows
    int firstRow = 0, lastRow = 23;  // Cmb_PrtSTime, Cmb_PrtETime; swapped when first > last
    int layoutWidth = 0;         // both time columns and every date column
    int headingHeight = 0;       // the date heading rows
    int headerHeight = 0;        // the header lines, where they are printed
    bool headerOnAllPages = false;    // Cmb_PrintHedder " 2."
    int boundaryBand = 0;        // reserved above a page's rows after a page boundary
    double printableWidth = 0;   // device units
    double printableHeight = 0;  // device units
};

struct PrintPage {
    int firstRow = 0, lastRow = -1;  // hour rows; none on a closing-rows page
    int top = 0, bottom = 0;         // top of the first row, bottom of the last (layout units)
    bool closingOnly = false;        // holds only the closing date rows
    int headerHeight = 0;            // header lines printed on this page
    int band = 0;                    // page-boundary band above the rows
    // Layout y of the page's body top (below header and date heading) on the page.
    int BodyTop(int headingHeight) const { return headerHeight + headingHeight + band; }
};

struct PageTable {
    double scale = 1;              // device units per layout unit
    double printableHeight = 0;    // layout units
    std::vector<PrintPage> pages;  // at least one
    bool truncated = false;        // more rows than kMaxPrintPages pages hold
};

// Device units per layout unit: the layout fills the printable width.
double ScaleToPaper(double printableWidth, int layoutWidth);
PageTable ComposePages(const PageInput& input);

// Margins in millimetres from the margin list indexes (×5 mm); right and bottom stay 5 mm.
struct MarginsMm {
    double left = 10, top = 10, right = 5, bottom = 5;
};
MarginsMm MarginsFromIndexes(int leftIndex, int topIndex);

// The pages to print in order: the two selections swapped when the first is after the last.
std::pair<int, int> PrintRange(int first, int last);

// The preview scale list: " 20 %" .. " 80 %", " 画面に", " 100 %" .. " 300 %" (UTF-8); the restore
// list holds the same entries without " %".
std::vector<std::string> PreviewScaleEntries(bool withPercent);
// The percentage of an entry; 0 for " 画面に".
int ScalePercent(int entry);
// The preview scale of an entry: fit-to-window takes the smaller fit of width and height.
double PreviewScale(int entry, double clientWidth, double clientHeight, double paperWidth, double paperHeight);
// "表示切替": 100 % goes to the restore scale, the restore scale to fit, anything else to 100 %.
int NextScaleEntry(int current, int restore);

// Paper codes as printers number them (A3 8, A4 9, A5 11, B4 12, B5 13) and orientations
// (1 portrait, 2 landscape), the way the settings keep them.
inline constexpr int kPaperA4 = 9;
inline constexpr int kPortrait = 1, kLandscape = 2;
// "A4", or "?" for a paper outside the five the page drawing supports.
std::string PaperName(int code);
bool SupportedPaper(int code);
// The code of "A3" .. "B5"; 0 for any other name.
int PaperCodeByName(const std::string& name);
// "A4 横": the paper name, a blank and "縦" portrait, "横" landscape, else "?"; UTF-8.
std::string PaperText(int code, int orientation);

// The print date and time of the header: "YYYY/MM/DD  HH:NN:SS".
std::string PrintedAtText(int year, int month, int day, int hour, int minute, int second);

// The page group's caption " Page  n / pages ".
std::string PageCaption(int page, int pages);

}  // namespace mv
