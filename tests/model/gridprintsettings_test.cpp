#include "model/gridprintsettings.h"

#include <gtest/gtest.h>

#include <functional>

#include "model/codec.h"

namespace mv {
namespace {

GridPrintSettings ReadBack(const std::vector<std::string>& lines, GridPrintOwner owner) {
    GridPrintSettings read;
    for (const auto& line : lines) EXPECT_TRUE(ReadGridPrintLine(line, owner, read)) << line;
    return read;
}

// Every field changed away from its default, one case at a time and all together, comes
// back from its lines for both owners; the main set alone does not keep the row numbers.
TEST(GridPrintSettings, EveryFieldSurvivesWritingAndReading) {
    struct Case {
        const char* name;
        std::function<void(GridPrintSettings&)> change;
    };
    const std::vector<Case> cases = {
        {"CellScale", [](auto& s) { s.CellScale = 0; }},
        {"Cmb_LineKind", [](auto& s) { s.Cmb_LineKind = 2; }},
        {"Cmb_MgnUp", [](auto& s) { s.Cmb_MgnUp = 4; }},
        {"Cmb_MgnLeft", [](auto& s) { s.Cmb_MgnLeft = 5; }},
        {"Cmb_Gray", [](auto& s) { s.Cmb_Gray = 3; }},
        {"Cmb_Gray3", [](auto& s) { s.Cmb_Gray3 = 0; }},
        {"Cmb_Color", [](auto& s) { s.Cmb_Color = 1; }},
        {"Cmb_CellWay", [](auto& s) { s.Cmb_CellWay = 1; }},
        {"Cmb_Cal_Font", [](auto& s) { s.Cmb_Cal_Font = 5; }},
        {"Cmb_Cal_RateH", [](auto& s) { s.Cmb_Cal_RateH = 3; }},
        {"Cmb_Cal_RateW", [](auto& s) { s.Cmb_Cal_RateW = 2; }},
        {"Cmb_Cal_Time", [](auto& s) { s.Cmb_Cal_Time = 1; }},
        {"Cmb_Cal_DateOnly", [](auto& s) { s.Cmb_Cal_DateOnly = 1; }},
        {"Cmb_Scale", [](auto& s) { s.Cmb_Scale = 1; }},
        {"Cmb_ResetScl", [](auto& s) { s.Cmb_ResetScl = -7; }},
        {"PrinterIndex", [](auto& s) { s.PrinterIndex = 2; }},
        {"Prt_Orient", [](auto& s) { s.Prt_Orient = "Landscape"; }},
        {"Prt_Paper", [](auto& s) { s.Prt_Paper = "B5"; }},
        // "ソ" and "表" end in a backslash byte, "=" inside the value belongs to it.
        {"SavePath", [](auto& s) { s.SavePath = Sjis("C:\\ソフト\\表=1.csv"); }},
        {"HtmlPath", [](auto& s) { s.HtmlPath = Sjis("/tmp/表 GP_CellScale=3.html"); }},
        {"FixedCenter", [](auto& s) { s.FixedCenter = 0; }},
        {"DataCenter", [](auto& s) { s.DataCenter = 1; }},
        {"TrimSpace", [](auto& s) { s.TrimSpace = 1; }},
        {"DateEdit", [](auto& s) { s.DateEdit = 1; }},
        {"BreakColor", [](auto& s) { s.BreakColor = 255; }},
        {"KaraGyoColor", [](auto& s) { s.KaraGyoColor = 65280; }},
        {"PrintRowNo", [](auto& s) { s.PrintRowNo = 1; }},
        {"PrintColNo", [](auto& s) { s.PrintColNo = 1; }},
        {"PrintFileName", [](auto& s) { s.PrintFileName = 1; }},
        {"PrintPathName", [](auto& s) { s.PrintPathName = 1; }},
        {"PrintDate", [](auto& s) { s.PrintDate = 0; }},
        {"PrintPage", [](auto& s) { s.PrintPage = 0; }},
    };
    GridPrintSettings all;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GridPrintSettings changed;
        c.change(changed);
        c.change(all);
        ASSERT_NE(changed, GridPrintSettings{}) << "the case must change something";
        for (GridPrintOwner owner : {GridPrintOwner::Main, GridPrintOwner::HelpViewer}) {
            std::vector<std::string> lines;
            AppendGridPrintLines(changed, owner, lines);
            GridPrintSettings expected = changed;
            if (owner == GridPrintOwner::Main) expected.PrintRowNo = 0;
            EXPECT_EQ(ReadBack(lines, owner), expected);
            // The other owner's reader takes none of these lines.
            GridPrintSettings other;
            const GridPrintOwner otherOwner =
                owner == GridPrintOwner::Main ? GridPrintOwner::HelpViewer : GridPrintOwner::Main;
            for (const auto& line : lines) EXPECT_FALSE(ReadGridPrintLine(line, otherOwner, other)) << line;
        }
    }
    std::vector<std::string> lines;
    AppendGridPrintLines(all, GridPrintOwner::HelpViewer, lines);
    EXPECT_EQ(ReadBack(lines, GridPrintOwner::HelpViewer), all);
}

TEST(GridPrintSettings, LinesAreMatchedByTheirWholeKeyIgnoringCase) {
    struct Case {
        std::string line;
        bool taken;
        std::function<bool(const GridPrintSettings&)> check;  // what the line did
    };
    const GridPrintSettings d;
    const std::vector<Case> cases = {
        {"gp_cmb_linekind=1", true, [](auto& s) { return s.Cmb_LineKind == 1; }},
        {"  GP_Prt_Paper =  A3  ", true, [](auto& s) { return s.Prt_Paper == "A3"; }},
        {"GP_Cmb_Gray3=7", true, [&](auto& s) { return s.Cmb_Gray3 == 7 && s.Cmb_Gray == d.Cmb_Gray; }},
        {"GP_Cmb_Gray=7", true, [&](auto& s) { return s.Cmb_Gray == 7 && s.Cmb_Gray3 == d.Cmb_Gray3; }},
        {"GP_CellScale=abc", true, [&](auto& s) { return s == d; }},  // bad number: default kept
        {"GP_CellScale", false, [&](auto& s) { return s == d; }},      // no "=": no item
        {"GP_CellScaleX=3", false, [&](auto& s) { return s == d; }},
        {"XGP_CellScale=3", false, [&](auto& s) { return s == d; }},
        {"GPB_CellScale=3", false, [&](auto& s) { return s == d; }},  // the other owner's
        {"GP_=3", false, [&](auto& s) { return s == d; }},
        {"CellScale=3", false, [&](auto& s) { return s == d; }},
        {"GP_PrintRowNo=1", true, [](auto& s) { return s.PrintRowNo == 1; }},
        {"GP_SavePath=" + Sjis("表") + "GP_CellScale=3", true,
         [&](auto& s) { return s.SavePath == Sjis("表") + "GP_CellScale=3" && s.CellScale == d.CellScale; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        GridPrintSettings s;
        EXPECT_EQ(ReadGridPrintLine(c.line, GridPrintOwner::Main, s), c.taken);
        EXPECT_TRUE(c.check(s));
    }
}

}  // namespace
}  // namespace mv
