#pragma once
// The user's settings and the state remembered between runs, kept in memory as
// `EnvSettings` and on disk as "Marovelantis.Env": Shift-JIS, one key=value item per line,
// CR LF. The file is read once when the main window is created and written once when it
// closes. Fields carry the names of their keys so that code and file read alike; texts are
// Shift-JIS bytes, multi-line texts with the byte 0x7F for each line break.

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "model/date.h"
#include "model/gridprintsettings.h"
#include "model/holidaytable.h"
#include "model/keyvalueline.h"
#include "model/programfolders.h"

namespace mv {

class Host;

inline constexpr std::string_view kSettingsFileName = "Marovelantis.Env";
inline constexpr int kCsvColumnSlots = 5;
// The three standard frame colours ("標準１" to "標準３"), 0x00BBGGRR.
inline constexpr int kStandardFrameColours[3] = {12171705, 13089473, 11517093};

struct EnvSettings {
    static constexpr Rect kNoRect{-1, -1, -1, -1};

    // Window state.
    bool Max_TimeTable_01 = true;
    Rect FPS_TimeTable_01 = kNoRect;  // main window, last normal-state rectangle
    Rect FPS_TimeTable_04 = kNoRect;  // calendar window
    Rect FPS_TimeEdit_01 = kNoRect;   // frame property window
    Rect FPS_CsvImport = kNoRect;     // CSV grid window

    std::string Path_Design;        // opened at start-up when Cmb_BeginRead is 1
    std::string Path_SelectDesign;  // last partial design file

    // Print window.
    std::string Plot_DrvName, Plot_PortName, Plot_Paper, Plot_Orient;
    int Plot_Gray = 234, Plot_Gray2 = 234, Plot_Gray3 = 128, Plot_Gray4 = 160;
    int Plot_Scale = 5, Plot_ResetScl = 8;
    int Plot_Color = 0, Plot_FixedFC = 0;
    int Plot_MgnUp = 2, Plot_MgnLeft = 2;
    int Plot_PrintHedder = 1, Plot_PrintDate = 1, Plot_PageKyoukai = 1;

    // Colours are 0x00BBGGRR.
    int DefaultWakuBC = 12171705;  // fill of a new frame
    int Pnl_HtmlBC = 6250335;      // HTML background

    int Cmb_HtmlAlign = 0;     // 0 left, 1 centre
    int Cmb_HtmlLink = 0;      // 0 same page, 1 other page
    int Chk_HtmlMakeDate = 0;  // 0/1
    int Cmb_TitleLoc = 1;      // 0 free, 1 automatic
    int Cmb_WakuLoc = 1;       // 0 free, 1 automatic side by side

    // View.
    int GV_DRate = 0;  // 0 "横：100", 1 "横：Fit"
    int GV_TRate = 0;  // 0 "縦：100", 1 "縦：Fit", 2 "縦：50", 3 "縦：70"
    bool GV_TimeDisp = true;
    bool GV_DateDisp = true;
    int GV_EditKind = 0;  // 0 edit, 1 packed display
    int GV_TimeH = 9;     // item index of the time-row height list
    int GV_DateW = 9;     // item index of the date-column width list

    // Menu switches.
    bool Mnx_ShowProperty = false;
    bool Mnx_DragScroll = true;
    bool Mnx_ShareMode = false;

    Date Base_Date;      // view start date at the last exit; today when never stored
    int Edit_Type = -1;  // display type 0-9; -1 stands for 6 (one week)
    std::string Holiday{HolidayTable::kDefaultText};

    // Calendar window.
    int CalDateOnly = 0, CalDraw3D = 0, CalTime = 0;  // 0/1
    int CalFontSize = 0, CalFontColor = 0, CalDetailSize = 0;

    // Start-up and new frames.
    int Cmb_BeginRead = 1;    // 0 open nothing, 1 open Path_Design
    int Cmb_BeginTime = 3;    // hour row scrolled to the top
    int Cmb_BeginFS = 9;      // font size of new frames = index + 1
    int Cmb_BeginDivCnt = 0;  // columns of new frames = index + 1

    // Printing.
    int Cmb_PrtSTime = 0, Cmb_PrtETime = 23;
    int Chk_PrtTitle = 1, Chk_PrtDate = 1, Chk_PrtPage = 1;  // 0/1

    int Cmb_DispDate = 0;   // 0 today, 1 the day before, 2 Base_Date
    int Cmb_FormScale = -1;  // -1: none chosen
    int Cmb_frmScale = -1;   // -1: the entry for 100 percent
    int FListWidth = -1, FListHeight = -1;
    std::string Edt_Memo;
    int Cmb_FixedRows = 1;  // 0 none, n rows (1-10)
    std::string Path_Html;
    std::string Path_ImportCsv, Path_ExportCsv;

    // CSV column mapping: ImportCol0..4, ExportCol0..4, CsvTaiou0..4.
    std::array<int, kCsvColumnSlots> ImportCol{-1, -1, -1, -1, -1};
    std::array<int, kCsvColumnSlots> ExportCol{-1, -1, -1, -1, -1};
    std::array<std::string, kCsvColumnSlots> CsvTaiou;

    // The grid print window's choices: GP when it prints for the main window's callers (the
    // calendar), GPB when it prints for the help viewer; written last, GP before GPB.
    GridPrintSettings GP, GPB;

    HolidayTable Holidays() const;
    void SetHolidays(const HolidayTable& table) { Holiday = table.Format(); }

    friend bool operator==(const EnvSettings&, const EnvSettings&) = default;
};

// Every default; Base_Date is `today`.
EnvSettings DefaultSettings(const Date& today);

// Sets every default (Base_Date: the host's today), then reads the file when it exists.
// Each line sets the one key it names (matched ignoring case, so a line for Plot_Gray2 never
// sets Plot_Gray); a value that does not convert leaves the default; a line that names no
// such key is offered to the grid-print sets; every other line is ignored; for a key given
// twice the later line wins.
// False when the file exists but could not be read: the settings are then the defaults.
bool LoadSettings(const std::filesystem::path& path, Host& host, EnvSettings& settings);

// The file's lines: every key in its fixed order, the CSV keys, then the "GP_" and the
// "GPB_" grid-print lines.
std::vector<std::string> BuildSettingsLines(const EnvSettings& settings);

// Writes the file atomically (the previous file stays whole when writing fails), creating
// its folder when missing. False when the file could not be written.
bool SaveSettings(const std::filesystem::path& path, const EnvSettings& settings, Host& host);

// Where the settings file lives: in the program's folder when that folder is writable, so a
// copied or unpacked program keeps its settings beside it; otherwise in the per-user
// settings folder, so an installed program still remembers them.
std::filesystem::path SettingsFilePath(const Host& host, bool programFolderWritable);
// The same, finding out whether the program's folder is writable.
std::filesystem::path SettingsFilePath(const Host& host);

}  // namespace mv
