#include "model/settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "model/codec.h"
#include "support/testhost.h"

namespace mv {
namespace {

using test::FakeHost;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

std::string CrLf(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (std::string_view line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

// The whole file an untouched first start writes (the host's today is 2003/07/01).
const std::string kDefaultFile = CrLf({
    "Max_TimeTable_01=True",
    "FPS_TimeTable_01=-1,-1,-1,-1",
    "FPS_TimeTable_04=-1,-1,-1,-1",
    "FPS_TimeEdit_01=-1,-1,-1,-1",
    "FPS_CsvImport=-1,-1,-1,-1",
    "Path_Design=",
    "Path_SelectDesign=",
    "Plot_DrvName=",
    "Plot_PortName=",
    "Plot_Paper=",
    "Plot_Orient=",
    "Plot_Gray=234",
    "Plot_Gray2=234",
    "Plot_Gray3=128",
    "Plot_Gray4=160",
    "Plot_Scale=5",
    "Plot_ResetScl=8",
    "Plot_Color=0",
    "Plot_FixedFC=0",
    "Plot_MgnUp=2",
    "Plot_MgnLeft=2",
    "Plot_PrintHedder=1",
    "Plot_PrintDate=1",
    "Plot_PageKyoukai=1",
    "DefaultWakuBC=12171705",
    "Pnl_HtmlBC=6250335",
    "Cmb_HtmlAlign=0",
    "Cmb_HtmlLink=0",
    "Chk_HtmlMakeDate=0",
    "Cmb_TitleLoc=1",
    "Cmb_WakuLoc=1",
    "GV_DRate=0",
    "GV_TRate=0",
    "GV_TimeDisp=True",
    "GV_DateDisp=True",
    "GV_EditKind=0",
    "GV_TimeH=9",
    "GV_DateW=9",
    "Mnx_ShowProperty=False",
    "Mnx_DragScroll=True",
    "Mnx_ShareMode=False",
    "Base_Date=2003/07/01",
    "Edit_Type=-1",
    "Holiday=0101,0115,0211,0321,0429,0503,0504,0505,0720,0915,0923,1010,1103,1123,1223,",
    "CalDateOnly=0",
    "CalDraw3D=0",
    "CalTime=0",
    "CalFontSize=0",
    "CalFontColor=0",
    "CalDetailSize=0",
    "Cmb_BeginRead=1",
    "Cmb_BeginTime=3",
    "Cmb_BeginFS=9",
    "Cmb_BeginDivCnt=0",
    "Cmb_PrtSTime=0",
    "Cmb_PrtETime=23",
    "Chk_PrtTitle=1",
    "Chk_PrtDate=1",
    "Chk_PrtPage=1",
    "Cmb_DispDate=0",
    "Cmb_FormScale=-1",
    "Cmb_frmScale=-1",
    "FListWidth=-1",
    "FListHeight=-1",
    "Edt_Memo=",
    "Cmb_FixedRows=1",
    "Path_Html=",
    "Path_ImportCsv=",
    "Path_ExportCsv=",
    "ImportCol0=-1",
    "ExportCol0=-1",
    "ImportCol1=-1",
    "ExportCol1=-1",
    "ImportCol2=-1",
    "ExportCol2=-1",
    "ImportCol3=-1",
    "ExportCol3=-1",
    "ImportCol4=-1",
    "ExportCol4=-1",
    "CsvTaiou0=",
    "CsvTaiou1=",
    "CsvTaiou2=",
    "CsvTaiou3=",
    "CsvTaiou4=",
    // The grid print window's two sets, the help viewer's with its row-number line.
    "GP_CellScale=6", "GP_Cmb_LineKind=0", "GP_Cmb_MgnUp=1", "GP_Cmb_MgnLeft=1",
    "GP_Cmb_Gray=1", "GP_Cmb_Gray3=1", "GP_Cmb_Color=0", "GP_Cmb_CellWay=0",
    "GP_Cmb_Cal_Font=2", "GP_Cmb_Cal_RateH=0", "GP_Cmb_Cal_RateW=0", "GP_Cmb_Cal_Time=0",
    "GP_Cmb_Cal_DateOnly=0", "GP_Cmb_Scale=0", "GP_Cmb_ResetScl=0", "GP_PrinterIndex=-1",
    "GP_Prt_Orient=", "GP_Prt_Paper=A4", "GP_SavePath=", "GP_HtmlPath=",
    "GP_FixedCenter=1", "GP_DataCenter=0", "GP_TrimSpace=0", "GP_DateEdit=0",
    "GP_BreakColor=0", "GP_KaraGyoColor=0", "GP_PrintColNo=0", "GP_PrintFileName=0",
    "GP_PrintPathName=0", "GP_PrintDate=1", "GP_PrintPage=1",
    "GPB_CellScale=6", "GPB_Cmb_LineKind=0", "GPB_Cmb_MgnUp=1", "GPB_Cmb_MgnLeft=1",
    "GPB_Cmb_Gray=1", "GPB_Cmb_Gray3=1", "GPB_Cmb_Color=0", "GPB_Cmb_CellWay=0",
    "GPB_Cmb_Cal_Font=2", "GPB_Cmb_Cal_RateH=0", "GPB_Cmb_Cal_RateW=0", "GPB_Cmb_Cal_Time=0",
    "GPB_Cmb_Cal_DateOnly=0", "GPB_Cmb_Scale=0", "GPB_Cmb_ResetScl=0", "GPB_PrinterIndex=-1",
    "GPB_Prt_Orient=", "GPB_Prt_Paper=A4", "GPB_SavePath=", "GPB_HtmlPath=",
    "GPB_FixedCenter=1", "GPB_DataCenter=0", "GPB_TrimSpace=0", "GPB_DateEdit=0",
    "GPB_BreakColor=0", "GPB_KaraGyoColor=0", "GPB_PrintRowNo=0", "GPB_PrintColNo=0",
    "GPB_PrintFileName=0", "GPB_PrintPathName=0", "GPB_PrintDate=1", "GPB_PrintPage=1",
});

const Date kToday{2003, 7, 1};

EnvSettings LoadText(const std::string& text) {
    TempFolder folder;
    FakeHost host;
    WriteBytes(folder / "Marovelantis.Env", text);
    EnvSettings settings;
    EXPECT_TRUE(LoadSettings(folder / "Marovelantis.Env", host, settings));
    return settings;
}

std::string SavedText(const EnvSettings& settings) {
    TempFolder folder;
    FakeHost host;
    EXPECT_TRUE(SaveSettings(folder / "Marovelantis.Env", settings, host));
    return ReadBytes(folder / "Marovelantis.Env");
}

TEST(Settings, MissingFileGivesEveryDefaultAndTheDefaultFile) {
    TempFolder folder;
    FakeHost host;
    EnvSettings settings;
    settings.Plot_Gray = 1;  // whatever was there before is replaced
    settings.GP.CellScale = 3;
    EXPECT_TRUE(LoadSettings(folder / "Marovelantis.Env", host, settings));
    EXPECT_EQ(settings, DefaultSettings(kToday));
    EXPECT_EQ(host.waitedMs, 0) << "a missing file is no reason to retry";
    EXPECT_EQ(SavedText(settings), kDefaultFile);
    EXPECT_TRUE(settings.Holidays().IsSet(5, 5));
    EXPECT_FALSE(settings.Holidays().IsSet(5, 6));
}

TEST(Settings, ALoneShareModeLineKeepsEveryOtherDefault) {
    EnvSettings expected = DefaultSettings(kToday);
    expected.Mnx_ShareMode = true;
    EXPECT_EQ(LoadText("Mnx_ShareMode=True\r\n"), expected);
    // Without a final line end, in lower case and with blanks, the line still counts.
    EXPECT_EQ(LoadText("  mnx_sharemode =  true  "), expected);
}

TEST(Settings, EachLineSetsOnlyTheKeyItNames) {
    EnvSettings s = LoadText(CrLf({
        "Plot_Gray2=5",
        "FPS_TimeTable_04=10,20,300,400",
        "Cmb_BeginFSX=1",   // not Cmb_BeginFS
        "XPlot_Gray3=1",    // not Plot_Gray3
        "#Plot_Gray4=1",    // not Plot_Gray4
        "ImportCol3=7",
        "CsvTaiou4=a,b",
    }));
    EXPECT_EQ(s.Plot_Gray, 234);
    EXPECT_EQ(s.Plot_Gray2, 5);
    EXPECT_EQ(s.Plot_Gray3, 128);
    EXPECT_EQ(s.Plot_Gray4, 160);
    EXPECT_EQ(s.FPS_TimeTable_01, EnvSettings::kNoRect);
    EXPECT_EQ(s.FPS_TimeTable_04, (Rect{10, 20, 300, 400}));
    EXPECT_EQ(s.Cmb_BeginFS, 9);
    EXPECT_EQ(s.ImportCol, (std::array<int, 5>{-1, -1, -1, 7, -1}));
    EXPECT_EQ(s.ExportCol, (std::array<int, 5>{-1, -1, -1, -1, -1}));
    EXPECT_EQ(s.CsvTaiou[4], "a,b");
}

TEST(Settings, KeyNamesInsideTextsDoNotShadowTheirLine) {
    // A memo or a path may hold what looks like another item; it must neither set that key
    // nor lose the text.
    const std::string memo = Sjis("会議 Plot_Gray=1") + "\x7f" + Sjis(",Cmb_BeginRead=0 ソ=表");
    EnvSettings s = LoadText(CrLf({
        "Edt_Memo=" + memo,
        "Path_Design=/data/x #Max_TimeTable_01=False/plan.MVF",
    }));
    EXPECT_EQ(s.Edt_Memo, memo);
    EXPECT_EQ(s.Path_Design, "/data/x #Max_TimeTable_01=False/plan.MVF");
    EXPECT_EQ(s.Plot_Gray, 234);
    EXPECT_EQ(s.Cmb_BeginRead, 1);
    EXPECT_TRUE(s.Max_TimeTable_01);
}

TEST(Settings, MalformedValuesKeepTheirDefaults) {
    EnvSettings s = LoadText(CrLf({
        "Plot_Gray=abc",
        "GV_TimeH=",
        "Edit_Type=3x",
        "DefaultWakuBC=99999999999",
        "FPS_TimeTable_01=1,2,3",
        "FPS_TimeEdit_01=1,2,3,4,5",
        "FPS_CsvImport=1,,3,4",
        "Base_Date=2003/02/30",
        "Cmb_BeginTime",  // no "=": not an item at all
        "Mnx_DragScroll=yes",  // a boolean is true only for "True"
        "Plot_Gray3=12",  // good lines around bad ones still count
    }));
    EXPECT_EQ(s.Plot_Gray, 234);
    EXPECT_EQ(s.GV_TimeH, 9);
    EXPECT_EQ(s.Edit_Type, -1);
    EXPECT_EQ(s.DefaultWakuBC, 12171705);
    EXPECT_EQ(s.FPS_TimeTable_01, EnvSettings::kNoRect);
    EXPECT_EQ(s.FPS_TimeEdit_01, EnvSettings::kNoRect);
    EXPECT_EQ(s.FPS_CsvImport, EnvSettings::kNoRect);
    EXPECT_EQ(s.Base_Date, kToday);
    EXPECT_EQ(s.Cmb_BeginTime, 3);
    EXPECT_FALSE(s.Mnx_DragScroll);
    EXPECT_EQ(s.Plot_Gray3, 12);
}

TEST(Settings, LaterLineForTheSameKeyWins) {
    EnvSettings s = LoadText(CrLf({"GV_DateW=3", "GV_DateW=4", "GV_DateW=bad"}));
    EXPECT_EQ(s.GV_DateW, 4);
}

EnvSettings ChangedSettings() {
    EnvSettings s = DefaultSettings(Date{2004, 1, 2});
    s.Max_TimeTable_01 = false;
    s.FPS_TimeTable_01 = {12, 34, 1024, 700};
    s.Path_Design = Sjis("/home/ユーザー/予定表.MVF");  // "ー" and "表" have backslash-like trail bytes
    s.Plot_Gray4 = 0;
    s.DefaultWakuBC = 0x00FFFFFF;
    s.Mnx_ShareMode = true;
    s.Edit_Type = 9;
    s.Holiday = "0101,0505,";
    s.Edt_Memo = Sjis("一行目") + "\x7f" + Sjis("二行目 = ソ");
    s.ExportCol[2] = 11;
    s.CsvTaiou[0] = Sjis("開始,終了");
    s.GP.CellScale = 3;
    s.GP.SavePath = Sjis("C:\\表\\a.csv");
    s.GPB.PrintRowNo = 1;
    s.GPB.Prt_Orient = "Landscape";
    return s;
}

TEST(Settings, WritingAndReadingBackChangesNothing) {
    for (const EnvSettings& original : {DefaultSettings(kToday), ChangedSettings()}) {
        TempFolder folder;
        FakeHost host;
        const auto path = folder / "Marovelantis.Env";
        ASSERT_TRUE(SaveSettings(path, original, host));
        const std::string first = ReadBytes(path);
        EnvSettings read;
        ASSERT_TRUE(LoadSettings(path, host, read));
        EXPECT_EQ(read, original);
        ASSERT_TRUE(SaveSettings(path, read, host));
        EXPECT_EQ(ReadBytes(path), first);
    }
}

TEST(Settings, GridPrintLinesAreReadIntoTheirSetAndWrittenLast) {
    // "表" ends in a backslash byte; the key search must neither stop nor start there.
    const std::string path = Sjis("Ｃ：￥表\\保存.txt");
    EnvSettings s = LoadText(CrLf({
        "GPB_Cmb_Gray=234", "Plot_Gray=100", "GP_Cmb_LineKind=2", "Unknown_Key=5", "  GP_SavePath = " + path + "  ",
        "GPX_Other=1", "GP-Dash=1", "gpb_printrowno=1", "GP_Cmb_MgnUp=x", "just text",
    }));
    EnvSettings expected = DefaultSettings(kToday);
    expected.Plot_Gray = 100;
    expected.GP.Cmb_LineKind = 2;
    expected.GP.SavePath = path;
    expected.GPB.Cmb_Gray = 234;
    expected.GPB.PrintRowNo = 1;
    EXPECT_EQ(s, expected) << "unknown lines are dropped, a bad number keeps its default";

    std::vector<std::string> gpLines, gpbLines;
    AppendGridPrintLines(expected.GP, GridPrintOwner::Main, gpLines);
    AppendGridPrintLines(expected.GPB, GridPrintOwner::HelpViewer, gpbLines);
    ASSERT_EQ(gpLines.size(), 31u);
    ASSERT_EQ(gpbLines.size(), 32u);
    EXPECT_EQ(gpLines[1], "GP_Cmb_LineKind=2");
    EXPECT_EQ(gpLines[18], "GP_SavePath=" + path);
    EXPECT_EQ(gpbLines[4], "GPB_Cmb_Gray=234");
    EXPECT_EQ(gpbLines[26], "GPB_PrintRowNo=1");
    EXPECT_EQ(gpbLines[27], "GPB_PrintColNo=0");

    std::string tail;
    for (const auto& line : gpLines) tail += line + "\r\n";
    for (const auto& line : gpbLines) tail += line + "\r\n";
    const std::string file = SavedText(s);
    ASSERT_GT(file.size(), tail.size());
    EXPECT_EQ(file.substr(file.size() - tail.size()), tail);
    EXPECT_EQ(file.find("GP_"), file.size() - tail.size()) << "no grid-print line before the tail";
}

TEST(Settings, LineBreaksInsideTextsCannotAddLines) {
    EnvSettings s = DefaultSettings(kToday);
    s.Edt_Memo = "a\r\nPlot_Gray=1\nb\rc";
    EnvSettings read = LoadText(SavedText(s));
    EXPECT_EQ(read.Plot_Gray, 234);
    EXPECT_EQ(read.Edt_Memo, "a\x7fPlot_Gray=1\x7f" "b\x7f" "c");
}

TEST(Settings, SaveCreatesTheFolderAndReportsFailure) {
    TempFolder folder;
    FakeHost host;
    const EnvSettings s = DefaultSettings(kToday);
    const auto nested = folder / "config" / "marovelantis" / "Marovelantis.Env";
    EXPECT_TRUE(SaveSettings(nested, s, host));
    EXPECT_EQ(ReadBytes(nested), kDefaultFile);

    // A folder that cannot exist (its parent is a file): failure, never success.
    WriteBytes(folder / "plain", "x");
    EXPECT_FALSE(SaveSettings(folder / "plain" / "Marovelantis.Env", s, host));

    // An unreadable existing file is told apart from a missing one.
    std::filesystem::create_directory(folder / "dir.Env");
    EnvSettings read;
    read.Plot_Gray = 1;
    EXPECT_FALSE(LoadSettings(folder / "dir.Env", host, read));
    EXPECT_EQ(read, s);
}

// Makes a folder read-only for the test's duration; reports whether writes really fail
// (they do not for a privileged user, nor for permission bits on every platform).
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(std::filesystem::path path) : mPath(std::move(path)) {
        std::filesystem::create_directory(mPath);
        std::filesystem::permissions(mPath, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        std::ofstream probe(mPath / "write-test", std::ios::binary);
        mEnforced = !probe;
    }
    ~ReadOnlyFolder() {
        std::filesystem::permissions(mPath, std::filesystem::perms::owner_all);
        std::error_code ec;
        std::filesystem::remove(mPath / "write-test", ec);
    }
    bool Enforced() const { return mEnforced; }

private:
    std::filesystem::path mPath;
    bool mEnforced = false;
};

TEST(SettingsLocation, ProgramFolderWhenWritableElseTheUserFolder) {
    FakeHost host;
    host.programFolder = "/opt/marovelantis";
    host.settingsFolder = "/home/u/.config/marovelantis";
    EXPECT_EQ(SettingsFilePath(host, true), std::filesystem::path("/opt/marovelantis/Marovelantis.Env"));
    EXPECT_EQ(SettingsFilePath(host, false), std::filesystem::path("/home/u/.config/marovelantis/Marovelantis.Env"));
}

TEST(SettingsLocation, ProbesTheRealProgramFolder) {
    TempFolder folder;
    FakeHost host;
    host.programFolder = folder / "program";
    host.settingsFolder = folder / "user";

    // Missing program folder: nothing can be written there.
    EXPECT_EQ(SettingsFilePath(host), host.settingsFolder / "Marovelantis.Env");
    // Files the program writes for itself follow the settings file, into a folder made for them.
    EXPECT_EQ(OwnFilesFolder(host), host.settingsFolder);
    EXPECT_TRUE(std::filesystem::is_directory(host.settingsFolder));

    std::filesystem::create_directory(host.programFolder);
    EXPECT_EQ(SettingsFilePath(host), host.programFolder / "Marovelantis.Env");
    EXPECT_TRUE(std::filesystem::is_empty(host.programFolder)) << "the probe must not leave a file behind";

    host.programFolder = folder / "readonly";
    ReadOnlyFolder readOnly(host.programFolder);
    if (!readOnly.Enforced()) GTEST_SKIP() << "this user can write into a read-only folder";
    EXPECT_FALSE(IsFolderWritable(host.programFolder));
    const auto path = SettingsFilePath(host);
    EXPECT_EQ(path, host.settingsFolder / "Marovelantis.Env");
    EXPECT_TRUE(SaveSettings(path, DefaultSettings(kToday), host));
    EXPECT_EQ(ReadBytes(path), kDefaultFile);
}

// The help texts come from the program's folder when they lie there, else from the installed
// data folder beside bin/, named without "..".
TEST(HelpTextLocation, ProgramFolderWhenItHoldsThemElseShare) {
    struct Case {
        const char* programFolder;
        bool holdsHelp;
        const char* expected;
    };
    const Case cases[] = {
        {"/usr/bin", false, "/usr/share/marovelantis"},
        {"/usr/local/bin/", false, "/usr/local/share/marovelantis"},
        {"/opt/mv/bin", true, "/opt/mv/bin"},
        {"/home/u/Marovelantis", true, "/home/u/Marovelantis"},
        {"build", false, "share/marovelantis"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.programFolder);
        EXPECT_EQ(HelpTextFolder(c.programFolder, c.holdsHelp), std::filesystem::path(c.expected));
    }
}

// File dialogs start beside a program kept in a writable folder of its own, else in the
// user's home (the settings folder without one), never in an installed read-only bin/.
TEST(DocumentLocation, ProgramFolderWhenWritableElseHome) {
    FakeHost host;
    host.programFolder = "/usr/bin";
    host.settingsFolder = "/home/u/.config/marovelantis";
    struct Case {
        bool writable;
        const char* home;
        const char* expected;
    };
    const Case cases[] = {
        {true, "/home/u", "/usr/bin"},
        {false, "/home/u", "/home/u"},
        {false, "", "/home/u/.config/marovelantis"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.home);
        EXPECT_EQ(DocumentFolder(host, c.writable, c.home), std::filesystem::path(c.expected));
    }
}

TEST(HelpTextLocation, LooksIntoTheProgramFolder) {
    TempFolder folder;
    FakeHost host;
    host.programFolder = folder / "bin";
    std::filesystem::create_directories(host.programFolder);
    std::filesystem::create_directories(folder / "share" / "marovelantis");
    WriteBytes(folder / "share" / "marovelantis" / "Doc_Marovelantis_Begin.Txt", "x\r\n");
    EXPECT_EQ(HelpTextFolder(host), (folder / "share" / "marovelantis").lexically_normal());
    WriteBytes(host.programFolder / "Doc_Marovelantis_Begin.Txt", "x\r\n");
    EXPECT_EQ(HelpTextFolder(host), host.programFolder);
}

}  // namespace
}  // namespace mv
