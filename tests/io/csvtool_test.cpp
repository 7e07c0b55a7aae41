// The CSV commands of marovelantis-tool, run as a user runs them.

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

#include "model/codec.h"
#include "support/testhost.h"

namespace mv {
namespace {

class CsvTool : public ::testing::Test {
protected:
    // Runs the tool; returns its exit status, with its standard output in `out`.
    int Run(const std::string& arguments) {
        std::string command = std::string("\"") + MV_TOOL_PATH + "\" " + arguments + " > \"" +
                              (folder / "out.txt").string() + "\" 2> \"" + (folder / "err.txt").string() + "\"";
        int status = std::system(command.c_str());
        out = test::ReadBytes(folder / "out.txt");
        err = test::ReadBytes(folder / "err.txt");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string P(const std::string& name) { return "\"" + (folder / name).string() + "\""; }
    // The holder line of a design the tool wrote: empty when nobody holds the file.
    std::string Holder(const std::string& name) {
        const std::string bytes = test::ReadBytes(folder / name);
        const std::size_t at = bytes.find("#Priority=");
        if (at == std::string::npos) return "<no holder line>";
        return bytes.substr(at + 10, bytes.find('\r', at) - at - 10);
    }

    test::TempFolder folder;
    std::string out, err;
};

TEST_F(CsvTool, ImportThenExportInAnotherOrder) {
    test::WriteBytes(folder / "empty.MVF", "#Marovelantis=#Marovelantis\r\n#BaseYYYY=34\r\n");
    test::WriteBytes(folder / "in.csv", Sjis("件名,開始日,開始時刻,終了日,終了時刻\r\n"
                                             "会議,2024/5/10,9:00,,10:30\r\n"
                                             "\"Dinner, late\",2024/05/10,22:00,2024/05/11,1:00\r\n"
                                             "No date,,9:00,,10:00\r\n"));
    ASSERT_EQ(Run("csv-import " + P("empty.MVF") + " " + P("in.csv") + " " + P("design.MVF")), 0) << err;
    EXPECT_EQ(out, "2\n");
    // The tool ends at once: the design it wrote is held by nobody.
    EXPECT_EQ(Holder("design.MVF"), "");

    ASSERT_EQ(Run("csv-export " + P("design.MVF") + " " + P("out.csv") + " --order 4,0,1,2,3"), 0) << err;
    EXPECT_EQ(out, "3\n");
    EXPECT_EQ(test::ReadBytes(folder / "out.csv"), Sjis("件名,開始日,開始時刻,終了日,終了時刻\r\n"
                                                        "会議,2024/05/10,09:00:00,2024/05/10,10:30:00\r\n"
                                                        "\"Dinner, late\",2024/05/10,22:00:00,2024/05/11,01:00:00\r\n"));

    ASSERT_EQ(Run("csv-export " + P("design.MVF") + " " + P("day.csv") +
                  " --no-heading --from 2024/05/10 --to 2024/05/10"),
              0);
    EXPECT_EQ(out, "2\n");
    EXPECT_EQ(test::ReadBytes(folder / "day.csv").substr(0, 10), "2024/05/10");
}

TEST_F(CsvTool, ImportOptions) {
    test::WriteBytes(folder / "empty.MVF", "#Marovelantis=#Marovelantis\r\n#BaseYYYY=34\r\n");
    test::WriteBytes(folder / "rows.csv", "x,2024/06/01,10:00\r\ny,2024/06/02,11:00\r\n");
    // Nothing frozen, title in column 0, no end columns; kept twice gives two copies.
    const std::string import = "csv-import " + P("empty.MVF") + " " + P("rows.csv") + " " + P("a.MVF") +
                               " --frozen 0 --map 1,2,-,-,0";
    ASSERT_EQ(Run(import), 0) << err;
    EXPECT_EQ(out, "2\n");
    ASSERT_EQ(Run("csv-import " + P("a.MVF") + " " + P("rows.csv") + " " + P("b.MVF") +
                  " --frozen 0 --map 1,2,-,-,0 --dup keep --from 2024/06/02"),
              0);
    EXPECT_EQ(out, "1\n");
    ASSERT_EQ(Run("frames " + P("b.MVF")), 0);
    EXPECT_EQ(out.substr(0, 40).find("2024/06/01\t10:00\t18:00"), 0u) << out;

    // A mistyped end year is refused, and the closing message says so.
    test::WriteBytes(folder / "typo.csv", "2024/05/10,9:00,9999/12/31,10:00,typo\r\n2024/05/11,9:00,,10:00,fine\r\n");
    ASSERT_EQ(Run("csv-import " + P("empty.MVF") + " " + P("typo.csv") + " " + P("d.MVF") + " --frozen 0 --map 0,1,2,3,4"),
              0);
    EXPECT_EQ(out, "1\n");
    EXPECT_NE(err.find("取り込まなかった行数 = 1\n\n開始から終了までが１年を超える行"), std::string::npos) << err;
    ASSERT_EQ(Run("info " + P("d.MVF")), 0);
    EXPECT_NE(out.find("frames: 1\n"), std::string::npos) << out;

    EXPECT_EQ(Run("csv-import " + P("empty.MVF") + " " + P("rows.csv") + " " + P("c.MVF") + " --map -,2,-,-,0"), 1);
    EXPECT_NE(err.find("開始日はインポートの必須項目です。"), std::string::npos) << err;
    EXPECT_EQ(Run("csv-import " + P("empty.MVF") + " " + P("rows.csv") + " " + P("c.MVF") + " --dup twice"), 2);
    EXPECT_EQ(Run("csv-export " + P("empty.MVF") + " " + P("x.csv") + " --order 5,0,1,2,3"), 2);
}

TEST_F(CsvTool, CsvCommandsFollowTheProgramsSettings) {
    // Two fields whose order differs between the free (Y0) and the automatic (Y1) title
    // placement; the program places titles automatically unless its settings say otherwise.
    test::WriteBytes(folder / "design.MVF",
                     "#Marovelantis=#Marovelantis\r\n#BaseYYYY=34\r\n"
                     "Ci_CDate=2024/05/10%!#Ci_Cid=PC01-20240101000000-00001%!#Ci_STime=900%!#Ci_ETime=1000%!#"
                     "#Filed[Fi_FID=0%!#Fi_FTextStr=free%!#Fi_FOff_Y0=10%!#Fi_FOff_Y1=30%!##Filed]"
                     "#Filed[Fi_FID=0%!#Fi_FTextStr=auto%!#Fi_FOff_Y0=30%!#Fi_FOff_Y1=10%!##Filed]\r\n");
    const std::string headings = Sjis("開始日,開始時刻,終了日,終了時刻,件名\r\n");
    const std::string frame = "2024/05/10,09:00:00,2024/05/10,10:00:00,";
    struct Case {
        std::string settings;  // empty: no --settings
        std::string csv;
    };
    const std::vector<Case> cases = {
        {"", headings + frame + "auto\r\n"},
        {"Cmb_TitleLoc=0\r\n", headings + frame + "free\r\n"},
        {"Cmb_TitleLoc=1\r\nExportCol0=4\r\nExportCol1=0\r\nExportCol2=1\r\nExportCol3=2\r\nExportCol4=3\r\n" +
             Sjis("CsvTaiou0=日付\r\nCsvTaiou1=開始\r\nCsvTaiou2=終了日\r\nCsvTaiou3=終了\r\nCsvTaiou4=用件\r\n"),
         Sjis("用件,日付,開始,終了日,終了\r\nauto,2024/05/10,09:00:00,2024/05/10,10:00:00\r\n")},
    };
    for (const Case& c : cases) {
        std::string settings;
        if (!c.settings.empty()) {
            test::WriteBytes(folder / "Marovelantis.Env", c.settings);
            settings = " --settings " + P("Marovelantis.Env");
        }
        ASSERT_EQ(Run("csv-export " + P("design.MVF") + " " + P("out.csv") + settings), 0) << err;
        EXPECT_EQ(test::ReadBytes(folder / "out.csv"), c.csv) << c.settings;
    }

    // The import takes the mapping and the frozen lines of the settings; options still win.
    test::WriteBytes(folder / "empty.MVF", "#Marovelantis=#Marovelantis\r\n#BaseYYYY=34\r\n");
    test::WriteBytes(folder / "rows.csv", "first,2024/06/01\r\nsecond,2024/06/02\r\n");
    test::WriteBytes(folder / "Marovelantis.Env", "ImportCol0=1\r\nImportCol4=0\r\nCmb_FixedRows=0\r\n");
    const std::string import = "csv-import " + P("empty.MVF") + " " + P("rows.csv") + " " + P("a.MVF") +
                               " --settings " + P("Marovelantis.Env");
    ASSERT_EQ(Run(import), 0) << err;
    EXPECT_EQ(out, "2\n");
    ASSERT_EQ(Run(import + " --frozen 1 --map 1,-,-,-,-"), 0) << err;
    EXPECT_EQ(out, "1\n");
    ASSERT_EQ(Run("frames " + P("a.MVF")), 0);
    EXPECT_NE(out.find("2024/06/02\t09:00\t18:00\t"), std::string::npos) << out;
    EXPECT_EQ(out.find("second"), std::string::npos) << out;

    EXPECT_EQ(Run("csv-export " + P("design.MVF") + " " + P("x.csv") + " --settings " + P("missing.Env")), 1);
    EXPECT_NE(err.find("missing.Env"), std::string::npos) << err;
}

TEST_F(CsvTool, SimpleImportWritesANewDesign) {
    test::WriteBytes(folder / "plan.csv", Sjis("簡易インポート タイトル(Week plan)\r\n2023/05/09,07:30,09:00,Early\r\n"));
    ASSERT_EQ(Run("simple-import " + P("plan.csv") + " " + P("plan.MVF")), 0) << err;
    EXPECT_EQ(out, "1\n");
    EXPECT_EQ(Holder("plan.MVF"), "");
    ASSERT_EQ(Run("info " + P("plan.MVF")), 0);
    EXPECT_NE(out.find("base_year: 2023\ntitle: Week plan\n"), std::string::npos) << out;
    EXPECT_NE(out.find("frames: 1\n"), std::string::npos) << out;

    test::WriteBytes(folder / "other.csv", "2023/05/09,07:30,09:00,Early\r\n");
    EXPECT_EQ(Run("simple-import " + P("other.csv") + " " + P("other.MVF")), 1);
    EXPECT_NE(err.find("これは Marovelantis のＣＳＶファイルではありません。"), std::string::npos) << err;
}

}  // namespace
}  // namespace mv
