// The view's images: made only when their sizes change, retried smaller when they cannot
// be made, and repainted in part after an edit or for a preview.

#include <QApplication>
#include <QTest>

#include "model/recordline.h"
#include "support/testhost.h"
#include "view/fonts.h"
#include "view/geometry/placement.h"
#include "view/paintkit.h"
#include "view/timetableview.h"

using namespace mv;
using namespace mv::test;

class TimetableViewTest : public QObject {
    Q_OBJECT

    // One week from 2026/03/16, columns 100 wide, rows 40 high, one frame on 03/18.
    struct Fixture {
        ViewLayout layout;
        FrameList frames;
        std::vector<DayBoxes> days;
        PaintOptions options;
        FakeDialogs dialogs;
        TimetableView view;
        int made = 0;

        Fixture() {
            layout.BuildWithSizes({2026, 3, 16}, 6, ComputeMetrics({13, 7, 13}, 6, 1920, true), 100, 40);
            auto frame = std::make_unique<TCInf>();
            frame->STime = 900;
            frame->ETime = 1100;
            frame->WakuBC = 0x00FF00;
            frame->Cid = "a";
            frames.push_back(std::move(frame));
            days.assign(7, {});
            days[2] = OrderedBoxes(frames);
            LayOutFrames(layout, days, kAutomaticPlacement);
            options.dialogs = &dialogs;
            view.SetImageFactory([this](QSize size) {
                ++made;
                return QImage(size, QImage::Format_RGB32);
            });
        }
        QRgb PicAt(int x, int y) { return view.Pic()->Image().pixel(x, y); }
    };

private slots:
    void initTestCase() { SubstituteFonts(); }

    void imagesAreMadeOnlyWhenTheirSizesChange() {
        Fixture f;
        QVERIFY(f.view.Render(f.layout, f.days, f.options));
        QCOMPARE(f.made, 6);
        QCOMPARE(f.view.Pic()->Image().size(), QSize(f.layout.GridWidth(), f.layout.GridHeight()));
        QCOMPARE(f.view.FixedTop()->Image().height(), f.layout.HeaderHeight());
        QVERIFY(f.view.Render(f.layout, f.days, f.options));
        QCOMPARE(f.made, 6);
        f.layout.BuildWithSizes({2026, 3, 16}, 6, f.layout.Metrics(), 100, 30);
        LayOutFrames(f.layout, f.days, kAutomaticPlacement);
        QVERIFY(f.view.Render(f.layout, f.days, f.options));
        QCOMPARE(f.made, 6 + 3);  // the grid and the two time columns are taller
        QVERIFY(f.dialogs.shown.empty());
    }

    void imagesThatCannotBeMadeShrinkTheCellsAndThenTellTheUser() {
        Fixture f;
        // Nothing above 400 pixels wide can be made: the columns shrink until the grid fits.
        f.view.SetImageFactory([](QSize size) { return size.width() > 400 ? QImage() : QImage(size, QImage::Format_RGB32); });
        QVERIFY(f.view.Render(f.layout, f.days, f.options));
        QVERIFY(f.layout.GridWidth() <= 400);
        QVERIFY(f.dialogs.shown.empty());
        // The frames were laid out again in the smaller columns.
        const FrameBox& box = f.days[2][0];
        QCOMPARE(box.rect.right, f.layout.FrameArea(2).right);
        QCOMPARE(f.view.Pic()->Image().pixel((box.rect.left + box.rect.right) / 2, box.rect.bottom - 3),
                 ColourToRgb(0x00FF00));

        Fixture none;
        none.view.SetImageFactory([](QSize) { return QImage(); });
        QVERIFY(!none.view.Render(none.layout, none.days, none.options));
        QCOMPARE(none.dialogs.shown.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(none.dialogs.shown[0].text),
                 QStringLiteral("システム資源が足りない為、正しく描画できません。"));
    }

    void redrawingADateLeavesTheOthersAlone() {
        Fixture f;
        QVERIFY(f.view.Render(f.layout, f.days, f.options));
        const FrameBox& box = f.days[2][0];
        const QPoint inside((box.rect.left + box.rect.right) / 2, box.rect.bottom - 3);
        QCOMPARE(f.PicAt(inside.x(), inside.y()), ColourToRgb(0x00FF00));
        // Paint a mark on another date, change the frame's colour and redraw its date only.
        const PixelRect other = f.layout.FrameArea(5);
        f.view.Pic()->Image().setPixel(other.left + 10, 300, qRgb(1, 2, 3));
        f.frames[0]->WakuBC = 0x0000FF;
        f.view.RedrawDate(f.layout, f.days, 2, f.options);
        QCOMPARE(f.PicAt(inside.x(), inside.y()), ColourToRgb(0x0000FF));
        QCOMPARE(f.PicAt(other.left + 10, 300), qRgb(1, 2, 3));
    }

    void anEditRedrawsTheMovedRowsOfOtherDates() {
        Fixture f;
        auto other = std::make_unique<TCInf>();
        other->STime = 905;  // shares the 09:05 mark with the edited date
        other->ETime = 1000;
        other->WakuBC = 0xFF0000;
        other->Cid = "b";
        FrameList otherFrames;
        otherFrames.push_back(std::move(other));
        f.days[4] = OrderedBoxes(otherFrames);
        LayOutFrames(f.layout, f.days, kAutomaticPlacement);
        QVERIFY(f.view.Render(f.layout, f.days, f.options));
        const int before = f.days[4][0].rect.top;

        // A five-minute frame on 03/16 pushes the 09:05 mark down for every date.
        FrameList edited;
        auto small = std::make_unique<TCInf>();
        small->STime = 900;
        small->ETime = 905;
        small->Cid = "c";
        edited.push_back(std::move(small));
        f.days[0] = OrderedBoxes(edited);
        f.view.RedrawEditedDates(f.layout, f.days, {0}, f.options);
        const FrameBox& moved = f.days[4][0];
        QVERIFY(moved.rect.top > before);
        // The old top of the moved frame is a cell again; its new top is the frame.
        const int x = (moved.rect.left + moved.rect.right) / 2;
        QCOMPARE(f.PicAt(x, before + 1), ColourToRgb(0xA0A0A0));
        QCOMPARE(f.PicAt(x, moved.rect.top + 3), ColourToRgb(0xFF0000));
    }

    void aPreviewDrawsTheNewDatesInTheSameImages() {
        Fixture f;
        f.view.resize(900, 600);
        f.view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.view));
        QVERIFY(f.view.Render(f.layout, f.days, f.options));
        LineStore store;
        TCInf stored;
        stored.CDate = {2026, 3, 25};
        stored.STime = 1300;
        stored.ETime = 1400;
        stored.WakuBC = 0x00FFFF;
        store.Slot(SlotOfDate(stored.CDate)).push_back(BuildRecordLine(stored));
        stored.STime = 2700;  // below what the scroll box shows: left for the rebuild
        stored.ETime = 2800;
        store.Slot(SlotOfDate(stored.CDate)).push_back(BuildRecordLine(stored));
        const QImage::Format format = f.view.Pic()->Image().format();
        f.view.ShowPreview(f.layout, {2026, 3, 23}, store, f.options);
        QCOMPARE(f.made, 6);
        QCOMPARE(f.view.Pic()->Image().format(), format);
        const PixelRect area = f.layout.FrameArea(2);  // 03/25 is the third date from 03/23
        QCOMPARE(f.PicAt((area.left + area.right) / 2, 8 * 40 + 20), ColourToRgb(0x00FFFF));  // 13:00 is row 8
        QVERIFY(f.view.ScrollBox()->viewport()->height() < 22 * 40);
        QVERIFY(f.PicAt((area.left + area.right) / 2, 22 * 40 + 20) != ColourToRgb(0x00FFFF));
        // The frame of 03/18 is gone from its column.
        const FrameBox& box = f.days[2][0];
        QVERIFY(f.PicAt((box.rect.left + box.rect.right) / 2, box.rect.bottom - 3) != ColourToRgb(0x00FF00));
    }
};

QTEST_MAIN(TimetableViewTest)
#include "timetableview_test.moc"
