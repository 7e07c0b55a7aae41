// marovelantis-tool render: the picture it writes is the one the renderer paints.

#include <gtest/gtest.h>

#include <QDate>
#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "model/designfile.h"
#include "model/identity.h"
#include "support/testhost.h"
#include "view/snapshot.h"

namespace mv {
namespace {

int RunTool(const std::string& arguments) {
    const std::string command = std::string(MV_TOOL_PATH) + " " + arguments + " 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

const std::string kWeek = std::string(MV_TEST_DATA_DIR) + "/week.MVF";

TEST(RenderTool, WritesTheViewAsTheRendererPaintsIt) {
    test::TempFolder folder;
    const std::filesystem::path out = folder / "week.png";
    ASSERT_EQ(RunTool("render " + kWeek + " " + out.string() + " --start 2003/06/30 --type 6 --width 1280 --height 800"),
              0);
    QImage written(QString::fromStdString(out.string()));
    ASSERT_FALSE(written.isNull());

    test::FakeHost host;
    test::FakeDialogs dialogs;
    FrameIdSource ids(host);
    DesignDocument design(host, dialogs, ids);
    ASSERT_TRUE(design.ReadDesignFile(kWeek, false));
    SnapshotRequest request;
    request.start = {2003, 6, 30};
    request.sizes.windowWidth = request.sizes.screenWidth = 1280;
    request.sizes.screenHeight = 800;
    const QDate today = QDate::currentDate();
    request.today = {today.year(), today.month(), today.day()};
    ViewSnapshot snapshot(design.Store(), design.BaseYear());
    snapshot.Build(request);
    const QImage expected = snapshot.Image();
    ASSERT_EQ(written.size(), expected.size());
    EXPECT_TRUE(written.convertToFormat(QImage::Format_RGB32) == expected);
    // 07/01 holds two overlapping frames, laid side by side.
    const DayBoxes& day = snapshot.Days()[1];
    ASSERT_EQ(day.size(), 3u);
    EXPECT_EQ(day[0].laneCount, 2);
    EXPECT_LT(day[0].rect.right, day[1].rect.right);
}

TEST(RenderTool, RefusesBadArgumentsAndMissingDesigns) {
    test::TempFolder folder;
    const std::filesystem::path out = folder / "x.png";
    EXPECT_EQ(RunTool("render " + kWeek), 2);
    EXPECT_EQ(RunTool("render " + kWeek + " " + out.string() + " --type 12"), 2);
    EXPECT_EQ(RunTool("render " + kWeek + " " + out.string() + " --start 2003/02/30"), 2);
    EXPECT_EQ(RunTool("render " + kWeek + " " + out.string() + " --colour red"), 2);
    EXPECT_EQ(RunTool("render " + (folder / "none.MVF").string() + " " + out.string()), 1);
    EXPECT_FALSE(std::filesystem::exists(out));
}

}  // namespace
}  // namespace mv
