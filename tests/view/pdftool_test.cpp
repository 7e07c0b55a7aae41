// marovelantis-tool pdf: the printed pages as a PDF file, read back for their count and size.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>

#include "support/weekview.h"

namespace mv {
namespace {

using test::RunTool;
const std::string& kWeek = test::kWeekDesign;

struct PdfPages {
    int count = 0;
    std::string mediaBox;  // of the first page, in points, rounded: "842 595"
};

// The page objects of an uncompressed page tree and the first page's media box.
PdfPages ReadPages(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    PdfPages pages;
    const std::regex page(R"(/Type\s*/Page[^s])");
    pages.count = static_cast<int>(std::distance(std::sregex_iterator(bytes.begin(), bytes.end(), page),
                                                 std::sregex_iterator()));
    std::smatch box;
    const std::regex media(R"(/MediaBox\s*\[\s*0\s+0\s+([0-9.]+)\s+([0-9.]+)\s*\])");
    if (std::regex_search(bytes, box, media))
        pages.mediaBox = std::to_string(std::lround(std::stod(box[1]))) + " " +
                         std::to_string(std::lround(std::stod(box[2])));
    return pages;
}

std::filesystem::path WriteSettings(const std::filesystem::path& folder, const std::string& lines) {
    const std::filesystem::path path = folder / "Marovelantis.Env";
    std::ofstream(path, std::ios::binary) << lines;
    return path;
}

TEST(PdfTool, PagesAndPaperOfTheWrittenFile) {
    test::TempFolder folder;
    struct Case {
        const char* what;
        std::string settings;  // lines of a settings file
        std::string options;
        int pages;             // 0: more than one
        const char* mediaBox;
    };
    const std::vector<Case> cases = {
        {"one hour is one page", "Cmb_PrtSTime=4\r\nCmb_PrtETime=4\r\n", "--landscape", 1, "842 595"},
        {"the whole day on A3 portrait takes several pages", "", "--paper A3", 0, "842 1191"},
        {"B5 is the Japanese size", "Cmb_PrtSTime=4\r\nCmb_PrtETime=6\r\n", "--paper B5", 1, "516 729"},
    };
    for (const Case& c : cases) {
        const std::filesystem::path out = folder / "week.pdf";
        const std::filesystem::path env = WriteSettings(folder.Path(), c.settings);
        ASSERT_EQ(RunTool("pdf " + kWeek + " " + out.string() + " --start 2003/06/30 --type 6 --settings " +
                          env.string() + " " + c.options),
                  0)
            << c.what;
        const PdfPages pages = ReadPages(out);
        if (c.pages == 0)
            EXPECT_GT(pages.count, 1) << c.what;
        else
            EXPECT_EQ(pages.count, c.pages) << c.what;
        EXPECT_EQ(pages.mediaBox, c.mediaBox) << c.what;
    }
}

TEST(PdfTool, RefusesBadArgumentsAndWritesNothing) {
    test::TempFolder folder;
    const std::filesystem::path out = folder / "x.pdf";
    EXPECT_EQ(RunTool("pdf " + kWeek + " " + out.string() + " --paper Letter"), 2);
    EXPECT_EQ(RunTool("pdf " + kWeek + " " + out.string() + " --width 1280 --colour red"), 2);
    EXPECT_EQ(RunTool("pdf " + kWeek + " " + out.string() + " --settings " + (folder / "none.Env").string()), 1);
    EXPECT_EQ(RunTool("pdf " + (folder / "none.MVF").string() + " " + out.string()), 1);
    EXPECT_FALSE(std::filesystem::exists(out));
}

}  // namespace
}  // namespace mv
