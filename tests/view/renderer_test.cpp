// The renderer, checked on the pixels it paints into images (offscreen, no display).

#include "view/renderer.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "model/codec.h"
#include "model/holidaytable.h"
#include "model/recordline.h"
#include "view/fonts.h"
#include "view/geometry/placement.h"
#include "view/paintkit.h"
#include "view/previewpainter.h"

namespace mv {
namespace {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "mv_render_tests";
        static char* argv[] = {name, nullptr};
        mApp = new QGuiApplication(argc, argv);
        SubstituteFonts();
    }
    void TearDown() override { delete mApp; }

private:
    QGuiApplication* mApp = nullptr;
};

[[maybe_unused]] ::testing::Environment* const kQt = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

QRgb Rgb(int colour) { return ColourToRgb(colour); }

// One week from Monday 2026/03/16, columns 100 wide, hour rows 40 high. Frames go on the
// given date.
class RendererTest : public ::testing::Test {
protected:
    void SetUp() override {
        layout.BuildWithSizes({2026, 3, 16}, 6, ComputeMetrics({13, 7, 13}, 6, 1920, true), 100, 40);
        holidays = HolidayTable::Default();  // 03/21 is a holiday (a Saturday in 2026)
        options.holidays = &holidays;
        options.today = {2026, 1, 1};
        frames.resize(7);
    }

    TCInf& Add(int column, int start, int end, int fill) {
        auto frame = std::make_unique<TCInf>();
        frame->CDate = layout.Columns()[column].date;
        frame->STime = start;
        frame->ETime = end;
        frame->WakuBC = fill;
        frame->Cid = "id" + std::to_string(column) + "_" + std::to_string(frames[column].size());
        frame->Fields.clear();
        frames[column].push_back(std::move(frame));
        return *frames[column].back();
    }

    void Lay() {
        days.assign(7, {});
        for (int c = 0; c < 7; ++c) days[c] = OrderedBoxes(frames[c]);
        LayOutFrames(layout, days, options.framePlacement);
    }

    QImage Grid() {
        Lay();
        QImage image(layout.GridWidth(), layout.GridHeight(), QImage::Format_RGB32);
        QPainter painter(&image);
        TimetableRenderer(layout, days, options).PaintGrid(painter);
        return image;
    }

    QImage Header() {
        QImage image(layout.GridWidth(), layout.HeaderHeight(), QImage::Format_RGB32);
        QPainter painter(&image);
        std::vector<DayBoxes> none;
        TimetableRenderer(layout, none, options).PaintHeader(painter);
        return image;
    }

    // How many pixels of the rectangle have the colour.
    static int Count(const QImage& image, const PixelRect& r, QRgb colour) {
        int count = 0;
        for (int y = std::max(0, r.top); y < std::min(image.height(), r.bottom); ++y)
            for (int x = std::max(0, r.left); x < std::min(image.width(), r.right); ++x)
                count += image.pixel(x, y) == colour;
        return count;
    }

    static int Bluish(const QImage& image, const PixelRect& r) {
        int count = 0;
        for (int y = std::max(0, r.top); y < std::min(image.height(), r.bottom); ++y)
            for (int x = std::max(0, r.left); x < std::min(image.width(), r.right); ++x) {
                const QRgb p = image.pixel(x, y);
                count += qBlue(p) > 160 && qRed(p) < 110 && qGreen(p) < 110;
            }
        return count;
    }

    static QRgb Centre(const QImage& image, const PixelRect& r) {
        return image.pixel((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }

    ViewLayout layout;
    HolidayTable holidays;
    PaintOptions options;
    std::vector<FrameList> frames;
    std::vector<DayBoxes> days;
};

TEST_F(RendererTest, FramesAreFilledWithTheirColourInTheirLanes) {
    Add(2, 1000, 1200, 0x00FF00);
    Add(2, 1100, 1300, 0x0000FF);
    QImage image = Grid();
    const PixelRect first = days[2][0].rect, second = days[2][1].rect;
    EXPECT_LT(first.right, second.right);  // side by side
    EXPECT_EQ(image.pixel(first.left + 3, first.bottom - 3), Rgb(0x00FF00));
    EXPECT_EQ(image.pixel(second.right - 4, second.top + 3), Rgb(0x0000FF));
    // A 3D border: light on the top-left, black on the bottom-right.
    EXPECT_EQ(image.pixel(first.left, first.top + 5), Rgb(colours::kFrameLight));
    EXPECT_EQ(image.pixel(first.right - 1, first.top + 5), Rgb(0));
    // Cells elsewhere.
    EXPECT_EQ(Centre(image, {layout.FrameArea(5).left, 400, layout.FrameArea(5).right, 440}), Rgb(colours::kCell));
}

TEST_F(RendererTest, AColumnOfCellsLooksLikeItsCellsDrawnOneByOne) {
    QImage whole(layout.GridWidth(), layout.GridHeight(), QImage::Format_RGB32);
    QImage single = whole;
    whole.fill(Qt::red);
    single.fill(Qt::red);
    Lay();
    {
        QPainter painter(&whole);
        TimetableRenderer(layout, days, options).PaintCells(painter, 3);
    }
    {
        QPainter painter(&single);
        TimetableRenderer renderer(layout, days, options);
        for (int row = 0; row < kHourRows; ++row) renderer.PaintCell(painter, 3, row);
    }
    EXPECT_TRUE(whole == single);
    const PixelRect cell{layout.Columns()[3].rect.left, 40, layout.Columns()[3].rect.right, 80};
    EXPECT_EQ(single.pixel(cell.right - 1, cell.top + 20), Rgb(colours::kFixed));  // dark right edge
    EXPECT_EQ(single.pixel(cell.left + 20, cell.bottom - 1), Rgb(colours::kFixed));
    EXPECT_EQ(single.pixel(cell.left + 20, cell.top), Rgb(colours::kCell));
}

TEST_F(RendererTest, ABlankFieldShowsAMiddleDot) {
    TCInf& frame = Add(1, 900, 1100, 0xFFFFFF);
    TFInf field;
    field.FTextStr = "  ";
    field.FTextFH = -13;
    frame.Fields.push_back(field);
    QImage image = Grid();
    const FrameBox& box = days[1][0];
    ASSERT_EQ(box.fields.size(), 1u);
    EXPECT_EQ(box.fields[0].wrapped, Sjis("・"));
    EXPECT_EQ(box.fields[0].lineCount, 1);
    // Some dark pixels of the dot inside its text box, none elsewhere in the frame's lower half.
    const PixelRect text = box.fields[0].textBox;
    int dark = 0;
    for (int y = text.top; y < text.bottom; ++y)
        for (int x = text.left; x < text.right; ++x) dark += qGray(image.pixel(x, y)) < 128;
    EXPECT_GT(dark, 0);
    EXPECT_EQ(Count(image, {box.rect.left + 2, text.bottom + 2, box.rect.right - 2, box.rect.bottom - 2}, Rgb(0)), 0);
}

TEST_F(RendererTest, FieldsWrapByBytesAndStackUnderAutomaticTitles) {
    TCInf& frame = Add(1, 900, 1200, 0xFFFFFF);
    TFInf first, second;
    first.FTextStr = Sjis("あいうえおかきくけこさしすせそ");  // 30 bytes
    first.FTextFH = -13;
    first.FTextAL = 1;
    first.FOff_Y1 = 40;
    second.FTextStr = "x";
    second.FTextFH = -13;
    second.FOff_Y1 = 0;
    frame.Fields = {first, second};
    Grid();
    const FrameBox& box = days[1][0];
    const int cw = SharedFontCache().Get(13).aWidth;
    const int area = box.rect.Width() - 2 * static_cast<int>(cw / 1.5);
    const int perLine = (area + cw - 1) / cw;  // bytes while the width so far is below the area
    const std::string& wrapped = box.fields[0].wrapped;
    std::size_t start = 0;
    for (std::size_t end = wrapped.find('\x7f'); end != std::string::npos; end = wrapped.find('\x7f', start)) {
        EXPECT_EQ((end - start) % 2, 0u) << "a double-byte character was split";
        EXPECT_LE(static_cast<int>(end - start), perLine);
        start = end + 1;
    }
    // The field with the smaller offset goes first, at the top; the other follows it a
    // third of a character below.
    EXPECT_EQ(frame.Fields[1].FOff_Y1, 0);
    EXPECT_EQ(box.fields[0].textBox.top, static_cast<int>(box.fields[1].textBox.bottom + 13 / 3.0));
}

TEST_F(RendererTest, FieldsAtOneHeightStackInCreationOrderNotListOrder) {
    TCInf& frame = Add(1, 900, 1200, 0xFFFFFF);
    TFInf older = NewField(0, 0, FrameDefaults{});
    TFInf newer = NewField(0, 0, FrameDefaults{});
    older.FTextStr = "a";
    newer.FTextStr = "b";
    frame.Fields = {newer, older};  // the newer one inserted in front
    Grid();
    const FrameBox& box = days[1][0];
    EXPECT_LT(box.fields[1].textBox.top, box.fields[0].textBox.top);
}

TEST_F(RendererTest, HolidayColoursOnlyWithTheDateDisplay) {
    const PixelRect saturday = layout.Columns()[5].rect;  // 03/21, a holiday
    const int third = layout.HeaderHeight() / 3;
    const PixelRect weekdayBox{saturday.left + 2, 2 * third + 2, saturday.left + 6, layout.HeaderHeight() - 2};
    QImage on = Header();
    EXPECT_EQ(Count(on, weekdayBox, Rgb(colours::kHoliday)), weekdayBox.Width() * weekdayBox.Height());
    options.dateDisplay = false;
    QImage off = Header();
    EXPECT_EQ(Count(off, weekdayBox, Rgb(colours::kSaturday)), weekdayBox.Width() * weekdayBox.Height());
    // Sunday keeps its colour either way.
    const PixelRect sunday = layout.Columns()[6].rect;
    EXPECT_EQ(off.pixel(sunday.left + 3, layout.HeaderHeight() - 4), Rgb(colours::kSunday));
}

TEST_F(RendererTest, TodayGetsADoubleWhiteFrame) {
    options.today = {2030, 3, 18};  // month and day count, not the year
    QImage image = Header();
    const PixelRect r = layout.Columns()[2].rect;
    const int third = layout.HeaderHeight() / 3;
    EXPECT_EQ(image.pixel(r.left + 3, third + 10), Rgb(colours::kWhite));
    EXPECT_EQ(image.pixel(r.left + 4, third + 10), Rgb(colours::kWhite));
    EXPECT_NE(image.pixel(r.left + 3 + (layout.Columns()[3].rect.left - r.left), third + 10), Rgb(colours::kWhite));
}

TEST_F(RendererTest, CornerArrowsStayInsideTheirBandInEveryHeader) {
    for (int type : {0, 6, 8, 9}) {
        layout.BuildWithSizes({2026, 3, 16}, type, ComputeMetrics({13, 7, 13}, type, 1920, true), 100, 40);
        const int width = layout.Metrics().timeColumnWidth, band = layout.HeaderHeight() / 3;
        for (bool right : {false, true}) {
            QImage image(width, layout.HeaderHeight(), QImage::Format_RGB32);
            QPainter painter(&image);
            std::vector<DayBoxes> none;
            TimetableRenderer(layout, none, options).PaintCorner(painter, right);
            SCOPED_TRACE(testing::Message() << "type " << type << (right ? ", right" : ", left"));
            // The arrow is there, and its band's border is whole: nothing ran over or was cut.
            const int inside = (width - 2) * (band - 2);
            EXPECT_GT(inside - Count(image, {1, 1, width - 1, band - 1}, Rgb(colours::kFixed)), 3);
            EXPECT_EQ(Count(image, {0, 0, width - 1, 1}, Rgb(0xC0C0C0)), width - 1);
            EXPECT_EQ(Count(image, {0, band - 1, width, band}, Rgb(0)), width);
        }
    }
}

TEST_F(RendererTest, MinuteLabelsExceptAtTheStartAndEndOfTheDay) {
    Add(1, 530, 630, 0xFFFFFF);
    Add(3, 500, 2900, 0xFFFFFF);
    QImage image = Grid();
    const int band = layout.Metrics().bandWidth;
    // Text is smoothed: count the pixels that are clearly of the labels' blue.
    auto labelPixels = [&](int column, int top, int bottom) {
        const int left = layout.Columns()[column].rect.left;
        return Bluish(image, {left, top, left + band, bottom});
    };
    const int h = layout.Metrics().smallCharHeight;
    EXPECT_GT(labelPixels(1, 20 - h, 20 + h), 0);                   // ":30" at 05:30
    EXPECT_EQ(labelPixels(3, 0, h), 0);                             // none at 05:00
    EXPECT_EQ(labelPixels(3, layout.GridHeight() - h, layout.GridHeight()), 0);  // none at 29:00
    options.editKind = 1;  // the pack display shows no minutes
    EXPECT_EQ(Bluish(Grid(), {0, 0, layout.GridWidth(), layout.GridHeight()}), 0);
}

TEST_F(RendererTest, SelectionBorderColourFollowsTheOperation) {
    TCInf& frame = Add(4, 1300, 1500, 0xFFFFFF);
    options.selected = &frame;
    struct Expectation {
        EditState state;
        int editKind;
        int colour;
    };
    for (const Expectation& e : {Expectation{EditState::None, 0, colours::kWhite}, Expectation{EditState::Edit, 0, colours::kEdit},
                                 Expectation{EditState::Move, 0, colours::kMove}, Expectation{EditState::Copy, 0, colours::kCopy},
                                 Expectation{EditState::None, 1, colours::kPackSelection}}) {
        options.state = e.state;
        options.editKind = e.editKind;
        QImage image = Grid();
        const PixelRect r = days[4][0].rect;
        EXPECT_EQ(image.pixel(r.left + 1, (r.top + r.bottom) / 2), Rgb(e.colour)) << static_cast<int>(e.state);
        EXPECT_EQ(image.pixel(r.right - 2, r.bottom - 30), Rgb(e.colour));
    }
}

TEST_F(RendererTest, MultipleSelectionIsFilledAndItsTextGrey) {
    TCInf& frame = Add(0, 1300, 1500, 0xFFFFFF);
    std::vector<const TCInf*> chosen{&frame};
    options.multiSelection = &chosen;
    QImage image = Grid();
    EXPECT_EQ(image.pixel(days[0][0].rect.left + 5, days[0][0].rect.bottom - 5), Rgb(colours::kMultiFill));
    options.copyInProgress = true;
    image = Grid();
    EXPECT_EQ(image.pixel(days[0][0].rect.left + 5, days[0][0].rect.bottom - 5), Rgb(colours::kMultiCopyFill));
}

TEST_F(RendererTest, NothingIsDrawnForANegativeRectangle) {
    QImage image(50, 50, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        Canvas canvas(painter, SharedFontCache());
        canvas.Fill({-1, 0, 40, 40}, 0x0000FF);
        canvas.Frame3D({5, -2, 40, 40}, 0, 0);
        canvas.Text({-3, 5, 45, 45}, "ABC", 0, 13, TextAlign::Centre);
        canvas.Fill({10, 10, 20, 20}, 0x0000FF);  // a positive one is drawn
    }
    EXPECT_EQ(Count(image, {0, 0, 50, 50}, Rgb(0x0000FF)), 100);
    EXPECT_EQ(Count(image, {0, 0, 50, 50}, Rgb(0)), 0);
    // A frame laid out above the grid (an edge mapped before the first row) is skipped too.
    TCInf& frame = Add(1, 900, 1000, 0x00FF00);
    Lay();
    days[1][0].rect.top = -5;
    QImage grid(layout.GridWidth(), layout.GridHeight(), QImage::Format_RGB32);
    QPainter painter(&grid);
    TimetableRenderer(layout, days, options).PaintGrid(painter);
    painter.end();
    EXPECT_EQ(Count(grid, {0, 0, grid.width(), grid.height()}, Rgb(0x00FF00)), 0);
    (void)frame;
}

TEST_F(RendererTest, PreviewDrawsStoredFramesOfTheNewDates) {
    LineStore store;
    TCInf frame;
    frame.CDate = {2026, 3, 24};
    frame.STime = 1000;
    frame.ETime = 1100;
    frame.WakuBC = 0x00FF00;
    store.Slot(SlotOfDate(frame.CDate)).push_back(BuildRecordLine(frame));
    const ViewLayout preview = PreviewLayout(layout, {2026, 3, 23});  // one week on
    ASSERT_EQ(preview.Columns()[1].date, (Date{2026, 3, 24}));
    QImage image(layout.GridWidth(), layout.GridHeight(), QImage::Format_RGB32);
    {
        QPainter painter(&image);
        PaintPreviewGrid(painter, preview, store, options);
    }
    const PixelRect area = preview.FrameArea(1);
    EXPECT_EQ(Centre(image, {area.left, *preview.YOfStart(1000), area.right, *preview.YOfEnd(1100)}), Rgb(0x00FF00));
    EXPECT_EQ(Count(image, {0, 0, image.width(), image.height()}, Rgb(0x00FF00)) > 0, true);
    EXPECT_EQ(Centre(image, {preview.FrameArea(2).left, 400, preview.FrameArea(2).right, 440}), Rgb(colours::kCell));
}

}  // namespace
}  // namespace mv
