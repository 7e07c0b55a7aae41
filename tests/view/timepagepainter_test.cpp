// The printed pages drawn by the view's renderer: the page's first hour row follows the
// heading, and the colour modes shade the fixed areas with their densities.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "io/print/timepagepainter.h"
#include "support/weekview.h"

namespace mv {
namespace {

TEST(TimePagePainter, ShadesTheFixedAreasOfTheFirstPrintedRowByColourMode) {
    test::WeekView week([](SnapshotRequest& request) { request.forOutput = true; });
    ASSERT_TRUE(week.loaded);
    ViewSnapshot& snapshot = *week.snapshot;

    struct Case {
        int color;
        int expectedGray;  // of the left time column beside the first printed row
    };
    for (const Case& c : std::vector<Case>{{0, 200}, {1, 100}, {2, 255}}) {
        TimePrintChoices choices;
        choices.color = c.color;
        choices.gray[0] = 200;
        choices.gray[2] = 100;
        choices.firstRow = choices.lastRow = 4;  // 9:00 only
        TimePagePainter pages(snapshot.Layout(), snapshot.Days(), snapshot.Options(), choices, {"T", 2003, ""});
        QImage image(1123, 794, QImage::Format_RGB32);  // A4 landscape at 96 dpi
        pages.Compose(image.size(), 96);
        ASSERT_EQ(pages.PageCount(), 1) << c.color;
        {
            QPainter painter(&image);
            pages.DrawPage(painter, 0);
        }
        const PrintPage& page = pages.Table().pages[0];
        const ViewLayout& layout = snapshot.Layout();
        const RowCell& row = layout.Rows()[4];
        EXPECT_EQ(page.top, row.rect.top);
        // Layout units to device pixels: the margins (10 mm each by default), then the scale.
        const double unit = 96 / 25.4, scale = pages.Table().scale;
        const double y = 10 * unit + (page.BodyTop(layout.HeaderHeight()) + row.rect.Height() / 2.0) * scale;
        const double x = 10 * unit + layout.Metrics().timeColumnWidth * 0.15 * scale;
        EXPECT_EQ(qGray(image.pixel(static_cast<int>(x), static_cast<int>(y))), c.expectedGray) << c.color;
        // Above the header nothing but paper.
        EXPECT_EQ(image.pixel(5, 5), qRgb(255, 255, 255));
    }
}

}  // namespace
}  // namespace mv
