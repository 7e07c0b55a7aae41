#include "model/settings.h"

#include <system_error>

#include "model/programfolders.h"
#include "model/textfile.h"
#include "platform/host.h"

namespace mv {

namespace {

constexpr std::array<std::string_view, kCsvColumnSlots> kImportColKeys{
    "ImportCol0", "ImportCol1", "ImportCol2", "ImportCol3", "ImportCol4"};
constexpr std::array<std::string_view, kCsvColumnSlots> kExportColKeys{
    "ExportCol0", "ExportCol1", "ExportCol2", "ExportCol3", "ExportCol4"};
constexpr std::array<std::string_view, kCsvColumnSlots> kCsvTaiouKeys{
    "CsvTaiou0", "CsvTaiou1", "CsvTaiou2", "CsvTaiou3", "CsvTaiou4"};

// Calls visit(key, field) for every key in the order the file is written. Reading and
// writing both walk this one list, so they cannot disagree about a key or its type.
template <typename Settings, typename Visit>
void VisitKeys(Settings& s, Visit&& visit) {
    visit("Max_TimeTable_01", s.Max_TimeTable_01);
    visit("FPS_TimeTable_01", s.FPS_TimeTable_01);
    visit("FPS_TimeTable_04", s.FPS_TimeTable_04);
    visit("FPS_TimeEdit_01", s.FPS_TimeEdit_01);
    visit("FPS_CsvImport", s.FPS_CsvImport);
    visit("Path_Design", s.Path_Design);
    visit("Path_SelectDesign", s.Path_SelectDesign);
    visit("Plot_DrvName", s.Plot_DrvName);
    visit("Plot_PortName", s.Plot_PortName);
    visit("Plot_Paper", s.Plot_Paper);
    visit("Plot_Orient", s.Plot_Orient);
    visit("Plot_Gray", s.Plot_Gray);
    visit("Plot_Gray2", s.Plot_Gray2);
    visit("Plot_Gray3", s.Plot_Gray3);
    visit("Plot_Gray4", s.Plot_Gray4);
    visit("Plot_Scale", s.Plot_Scale);
    visit("Plot_ResetScl", s.Plot_ResetScl);
    visit("Plot_Color", s.Plot_Color);
    visit("Plot_FixedFC", s.Plot_FixedFC);
    visit("Plot_MgnUp", s.Plot_MgnUp);
    visit("Plot_MgnLeft", s.Plot_MgnLeft);
    visit("Plot_PrintHedder", s.Plot_PrintHedder);
    visit("Plot_PrintDate", s.Plot_PrintDate);
    visit("Plot_PageKyoukai", s.Plot_PageKyoukai);
    visit("DefaultWakuBC", s.DefaultWakuBC);
    visit("Pnl_HtmlBC", s.Pnl_HtmlBC);
    visit("Cmb_HtmlAlign", s.Cmb_HtmlAlign);
    visit("Cmb_HtmlLink", s.Cmb_HtmlLink);
    visit("Chk_HtmlMakeDate", s.Chk_HtmlMakeDate);
    visit("Cmb_TitleLoc", s.Cmb_TitleLoc);
    visit("Cmb_WakuLoc", s.Cmb_WakuLoc);
    visit("GV_DRate", s.GV_DRate);
    visit("GV_TRate", s.GV_TRate);
    visit("GV_TimeDisp", s.GV_TimeDisp);
    visit("GV_DateDisp", s.GV_DateDisp);
    visit("GV_EditKind", s.GV_EditKind);
    visit("GV_TimeH", s.GV_TimeH);
    visit("GV_DateW", s.GV_DateW);
    visit("Mnx_ShowProperty", s.Mnx_ShowProperty);
    visit("Mnx_DragScroll", s.Mnx_DragScroll);
    visit("Mnx_ShareMode", s.Mnx_ShareMode);
    visit("Base_Date", s.Base_Date);
    visit("Edit_Type", s.Edit_Type);
    visit("Holiday", s.Holiday);
    visit("CalDateOnly", s.CalDateOnly);
    visit("CalDraw3D", s.CalDraw3D);
    visit("CalTime", s.CalTime);
    visit("CalFontSize", s.CalFontSize);
    visit("CalFontColor", s.CalFontColor);
    visit("CalDetailSize", s.CalDetailSize);
    visit("Cmb_BeginRead", s.Cmb_BeginRead);
    visit("Cmb_BeginTime", s.Cmb_BeginTime);
    visit("Cmb_BeginFS", s.Cmb_BeginFS);
    visit("Cmb_BeginDivCnt", s.Cmb_BeginDivCnt);
    visit("Cmb_PrtSTime", s.Cmb_PrtSTime);
    visit("Cmb_PrtETime", s.Cmb_PrtETime);
    visit("Chk_PrtTitle", s.Chk_PrtTitle);
    visit("Chk_PrtDate", s.Chk_PrtDate);
    visit("Chk_PrtPage", s.Chk_PrtPage);
    visit("Cmb_DispDate", s.Cmb_DispDate);
    visit("Cmb_FormScale", s.Cmb_FormScale);
    visit("Cmb_frmScale", s.Cmb_frmScale);
    visit("FListWidth", s.FListWidth);
    visit("FListHeight", s.FListHeight);
    visit("Edt_Memo", s.Edt_Memo);
    visit("Cmb_FixedRows", s.Cmb_FixedRows);
    visit("Path_Html", s.Path_Html);
    visit("Path_ImportCsv", s.Path_ImportCsv);
    visit("Path_ExportCsv", s.Path_ExportCsv);
    for (int n = 0; n < kCsvColumnSlots; ++n) {
        visit(kImportColKeys[n], s.ImportCol[n]);
        visit(kExportColKeys[n], s.ExportCol[n]);
    }
    for (int n = 0; n < kCsvColumnSlots; ++n) visit(kCsvTaiouKeys[n], s.CsvTaiou[n]);
}

bool ReadValue(std::string_view line, std::string_view key, bool& value) { return GetBool(line, key, kPlain, value); }
bool ReadValue(std::string_view line, std::string_view key, int& value) { return GetInt(line, key, kPlain, value); }
bool ReadValue(std::string_view line, std::string_view key, Rect& value) { return GetRect(line, key, kPlain, value); }
bool ReadValue(std::string_view line, std::string_view key, Date& value) { return GetDate(line, key, kPlain, value); }
bool ReadValue(std::string_view line, std::string_view key, std::string& value) {
    return GetText(line, key, kPlain, value);
}

std::string WriteItem(std::string_view key, bool value) { return BoolItem(key, value); }
std::string WriteItem(std::string_view key, int value) { return IntItem(key, value); }
std::string WriteItem(std::string_view key, const Rect& value) { return RectItem(key, value); }
std::string WriteItem(std::string_view key, const Date& value) { return DateItem(key, value); }
// A line break inside a text would cut the item short and turn the rest into a line of its
// own, read back as whatever key it happens to start with; stored as 0x7F it is harmless.
std::string WriteItem(std::string_view key, const std::string& value) { return TextItem(key, CrLfToBreaks(value)); }

// One line of the file into the settings. The key is the text before the line's first
// "=": a key name that happens to appear inside a value (a memo or a path) never shadows
// the line's own item, so every text survives being written and read back.
void ReadLine(std::string_view rawLine, EnvSettings& settings) {
    const std::string_view line = Trim(rawLine);
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return;
    const std::string_view lineKey = Trim(line.substr(0, eq));
    bool matched = false;
    VisitKeys(settings, [&](std::string_view key, auto& field) {
        if (matched || !EqualsIgnoringCase(key, lineKey)) return;
        matched = true;
        ReadValue(line, key, field);  // a value that does not convert keeps the default
    });
    if (matched) return;
    if (!ReadGridPrintLine(rawLine, GridPrintOwner::Main, settings.GP))
        ReadGridPrintLine(rawLine, GridPrintOwner::HelpViewer, settings.GPB);
}

}  // namespace

HolidayTable EnvSettings::Holidays() const {
    HolidayTable table;
    table.Parse(Holiday);
    return table;
}

EnvSettings DefaultSettings(const Date& today) {
    EnvSettings settings;
    settings.Base_Date = today;
    return settings;
}

bool LoadSettings(const std::filesystem::path& path, Host& host, EnvSettings& settings) {
    const ClockTime now = host.Now();
    settings = DefaultSettings(Date{now.year, now.month, now.day});
    std::error_code ec;
    // A missing file is the normal first start: no retries, all defaults.
    if (!std::filesystem::exists(path, ec)) return !ec;
    auto lines = ReadLines(path, host);
    if (!lines) return false;
    for (const std::string& line : *lines) ReadLine(line, settings);
    return true;
}

std::vector<std::string> BuildSettingsLines(const EnvSettings& settings) {
    std::vector<std::string> lines;
    lines.reserve(160);
    VisitKeys(settings, [&](std::string_view key, const auto& field) { lines.push_back(WriteItem(key, field)); });
    AppendGridPrintLines(settings.GP, GridPrintOwner::Main, lines);
    AppendGridPrintLines(settings.GPB, GridPrintOwner::HelpViewer, lines);
    return lines;
}

bool SaveSettings(const std::filesystem::path& path, const EnvSettings& settings, Host& host) {
    if (path.has_parent_path()) {
        std::error_code ec;
        // The per-user folder does not exist before the first save; a failure here shows
        // up as a failed write below.
        std::filesystem::create_directories(path.parent_path(), ec);
    }
    return WriteLines(path, BuildSettingsLines(settings), host);
}

std::filesystem::path SettingsFilePath(const Host& host, bool programFolderWritable) {
    return OwnFilesFolder(host, programFolderWritable) / kSettingsFileName;
}

std::filesystem::path SettingsFilePath(const Host& host) {
    return SettingsFilePath(host, IsFolderWritable(host.ProgramFolder()));
}

}  // namespace mv
