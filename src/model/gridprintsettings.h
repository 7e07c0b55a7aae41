#pragma once
// The grid print window's choices, kept with the settings file as plain key=value lines.
// The window prints for two callers and keeps one set for each: keys "GP_..." for the main
// window's callers (the calendar), keys "GPB_..." for the help viewer. Fields carry the
// names of their keys; texts are Shift-JIS bytes. Combo-box fields hold the chosen item's
// index into the window's choice lists (io/print/gridprintoptions.h).

#include <string>
#include <string_view>
#include <vector>

namespace mv {

enum class GridPrintOwner {
    Main,        // "GP_": printing from the main window's callers
    HelpViewer,  // "GPB_": printing from the help viewer
};

std::string_view GridPrintPrefix(GridPrintOwner owner);

struct GridPrintSettings {
    int CellScale = 6;         // scale choice: 0 fit to page width, 6 = 100 %
    int Cmb_LineKind = 0;      // grid lines: 0 solid, 1 dotted, 2 none
    int Cmb_MgnUp = 1;         // top margin choice: 1 = 10 mm
    int Cmb_MgnLeft = 1;       // left margin choice: 1 = 10 mm
    int Cmb_Gray = 1;          // shade of fixed cells: 1 light gray
    int Cmb_Gray3 = 1;         // colour of grid lines: 1 gray
    int Cmb_Color = 0;         // 0 colour, 1 monochrome
    int Cmb_CellWay = 0;       // page order: 0 down then across, 1 across then down
    int Cmb_Cal_Font = 2;      // calendar item font choice: 2 = 8 pt
    int Cmb_Cal_RateH = 0;     // share of the page height a calendar takes: 0 = 100 %
    int Cmb_Cal_RateW = 0;     // share of the page width a calendar takes: 0 = 100 %
    int Cmb_Cal_Time = 0;      // 1: calendar items show their time before the title
    int Cmb_Cal_DateOnly = 0;  // 1: calendar cells show the day numbers only
    int Cmb_Scale = 0;         // preview zoom: 0 whole page, 1 page width
    int Cmb_ResetScl = 0;      // kept as read; the window does not use it
    int PrinterIndex = -1;     // index in the installed printers; -1 the default printer
    std::string Prt_Orient;    // "Portrait", "Landscape"; empty: landscape for a month, else portrait
    std::string Prt_Paper = "A4";  // "A3", "A4", "A5", "B4", "B5"
    std::string SavePath;      // last text, CSV or PDF file written
    std::string HtmlPath;      // kept as read; the window does not use it
    int FixedCenter = 1;       // 1: fixed cells centred
    int DataCenter = 0;        // 1: other cells centred
    int TrimSpace = 0;         // 1: blanks around cell texts removed
    int DateEdit = 0;          // kept as read; the window does not use it
    int BreakColor = 0;        // kept as read; the window does not use it
    int KaraGyoColor = 0;      // kept as read; the window does not use it
    int PrintRowNo = 0;        // 1: row numbers at the left (stored for the help viewer only)
    int PrintColNo = 0;        // 1: column numbers at the top
    int PrintFileName = 0;     // kept as read; the window does not use it
    int PrintPathName = 0;     // kept as read; the window does not use it
    int PrintDate = 1;         // 1: the print date at the foot of every page
    int PrintPage = 1;         // 1: "n / total" at the foot of every page

    friend bool operator==(const GridPrintSettings&, const GridPrintSettings&) = default;
};

// Reads one settings-file line into `settings` when its key (the text before its first "=",
// trimmed, compared ignoring case) is the owner's prefix and a field name; a value that does
// not convert keeps what the field held. True when the key was one of the owner's.
bool ReadGridPrintLine(std::string_view line, GridPrintOwner owner, GridPrintSettings& settings);

// Appends the owner's lines in their fixed order (the main set has no PrintRowNo line).
void AppendGridPrintLines(const GridPrintSettings& settings, GridPrintOwner owner, std::vector<std::string>& lines);

}  // namespace mv
