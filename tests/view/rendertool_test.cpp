// marovelantis-tool render: the picture it writes is the one the renderer paints.

#include <gtest/gtest.h>

#include <QDate>
#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/weekview.h"

namespace mv {
namespace {

using test::RunTool;
const std::string& kWeek = test::kWeekDesign;

TEST(RenderTool, WritesTheViewAsTheRendererPaintsIt) {
    test::TempFolder folder;
    const std::filesystem::path out = folder / "week.png";
    ASSERT_EQ(RunTool("render " + kWeek + " " + out.string() + " --start 2003/06/30 --type 6 --width 1280 --height 800"),
              0);
    QImage written(QString::fromStdString(out.string()));
    ASSERT_FALSE(written.isNull());

    test::WeekView week([](SnapshotRequest& request) {
        const QDate today = QDate::currentDate();
        request.today = {today.year(), today.month(), today.day()};
    });
    ASSERT_TRUE(week.loaded);
    ViewSnapshot& snapshot = *week.snapshot;
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
