// The html command of marovelantis-tool on two small designs, each page compared whole with
// its golden file. The design window's "3. HTML 形式で保存する" is compared with the same
// golden file (tests/window/htmlactions_test.cpp), so tool and window write the same bytes.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/wait.h>

#include "support/testhost.h"

namespace mv {
namespace {

const std::string kData = MV_TEST_DATA_DIR;

TEST(HtmlToolTest, PagesOfSmallDesignsMatchTheirGoldenFiles) {
    struct Case {
        std::string design, arguments, golden;
    };
    const Case cases[] = {
        // Overlapping frames, 9:00-10:30, an empty date, escaped texts and links.
        {"html_week.MVF", "--start 2026/03/23 --type 6", "html_week.html"},
        // The weekday view without dates and clock times, centred, links to another page.
        {"html_plain.MVF", "--start 2026/03/23 --type 9 --settings \"" + kData + "/html_plain.Env\"", "html_plain.html"},
    };
    for (const Case& c : cases) {
        test::TempFolder folder;
        const std::string out = (folder / "page.html").string();
        const std::string command = std::string("\"") + MV_TOOL_PATH + "\" html \"" + kData + "/" + c.design +
                                    "\" \"" + out + "\" " + c.arguments + " 2> \"" + (folder / "err.txt").string() + "\"";
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << test::ReadBytes(folder / "err.txt");
        EXPECT_TRUE(test::ReadBytes(out) == test::ReadBytes(kData + "/" + c.golden)) << c.design;
    }
}

TEST(HtmlToolTest, AFailedWriteIsReportedAndNotSuccess) {
    test::TempFolder folder;
    const std::string command = std::string("\"") + MV_TOOL_PATH + "\" html \"" + kData + "/html_week.MVF\" \"" +
                                (folder / "missing" / "page.html").string() + "\" 2> \"" +
                                (folder / "err.txt").string() + "\"";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
    EXPECT_NE(test::ReadBytes(folder / "err.txt").find("cannot write"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
}

}  // namespace
}  // namespace mv
