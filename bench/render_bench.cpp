// Rendering: a full rebuild and redraw of the five-week view (35 dates) with 40 frames a
// day on a 1920 x 1080 screen, against a baseline that draws the same number of rectangles
// and texts with plain QPainter calls; and one fast-preview date step on the same view.
// Offscreen; prints milliseconds of CPU time (median and fastest of the runs).

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <ctime>
#include <cstdio>
#include <functional>
#include <vector>

#include "model/codec.h"
#include "model/dayslot.h"
#include "model/frame.h"
#include "model/recordline.h"
#include "model/timeofday.h"
#include "view/fonts.h"
#include "view/paintkit.h"
#include "view/previewpainter.h"
#include "view/snapshot.h"

namespace mv {
namespace {

constexpr int kFramesPerDay = 40;
constexpr int kRuns = 25;
const Date kStart{2026, 3, 2};

// 40 frames a day over 05:00 to 29:00, 36 minutes apart and 30 to 90 minutes long, so
// neighbours often overlap; each with a title field and a time field.
void FillStore(LineStore& store) {
    int serial = 0;
    for (int d = -7; d < 35 + 7; ++d) {
        const Date date = AddDays(kStart, d);
        for (int k = 0; k < kFramesPerDay; ++k) {
            TCInf frame;
            frame.Cid = "bench" + std::to_string(++serial);
            frame.CDate = date;
            frame.STime = AddMinutes(500, k * 36);
            frame.ETime = std::min(2900, AddMinutes(frame.STime, 30 + (k % 3) * 30));
            frame.WakuBC = 0xC0E0F0 - (k % 5) * 0x101010;
            TFInf time;
            time.FID = kTimeFieldId;
            time.FTextFH = -11;
            TFInf title;
            title.FTextStr = Sjis("番組タイトル ") + std::to_string(k + 1);
            title.FTextFH = -13;
            frame.Fields = {time, title};
            frame.Title = DeriveTitle(frame);
            store.Slot(SlotOfDate(date)).push_back(BuildRecordLine(frame));
        }
    }
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// CPU time of this thread: the machine the benchmarks run on is shared, and wall-clock
// time would count the other programs' turns.
double CpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// The median and the fastest of the runs: on a loaded machine the fastest is the steadier
// figure of the work itself.
struct Timing {
    double median = 0, fastest = 0;
};

Timing Time(const std::function<void()>& work) {
    std::vector<double> runs;
    work();  // warm up fonts and caches
    for (int i = 0; i < kRuns; ++i) {
        const double begin = CpuMs();
        work();
        runs.push_back(CpuMs() - begin);
    }
    return {Median(runs), *std::min_element(runs.begin(), runs.end())};
}

// One view: its figures on one line each.
void Measure(LineStore& store, const char* name, const ScaleState& scale) {
    SnapshotRequest request;
    request.start = kStart;
    request.displayType = 8;
    request.sizes.windowWidth = 1920;
    request.sizes.screenWidth = 1920;
    request.sizes.screenHeight = 1080;
    request.scale = scale;
    request.today = {2026, 3, 10};
    ViewSnapshot snapshot(store, kStart.year);
    snapshot.Build(request);
    QImage image(snapshot.Size(), QImage::Format_RGB32);

    int frames = 0, fields = 0;
    for (const DayBoxes& day : snapshot.Days()) {
        frames += static_cast<int>(day.size());
        for (const FrameBox& box : day) fields += static_cast<int>(box.frame->Fields.size());
    }

    const Timing rebuildAndDraw = Time([&] {
        snapshot.Build(request);
        QPainter painter(&image);
        snapshot.Paint(painter);
    });
    const Timing drawOnly = Time([&] {
        QPainter painter(&image);
        snapshot.Paint(painter);
    });

    // The baseline: the same cells, frames (fill and border) and texts, drawn directly.
    const ViewLayout& layout = snapshot.Layout();
    QFont font(GothicFontName());
    font.setPixelSize(13);
    const QString sample = FromSjis(Sjis("番組タイトル 12"));
    const QString times = QStringLiteral("09:30~10:30");
    const Timing baseline = Time([&] {
        QPainter painter(&image);
        painter.setFont(font);
        for (const ColumnCell& column : layout.Columns())
            for (const RowCell& row : layout.Rows()) {
                const QRect cell(column.rect.left, row.rect.top, column.rect.Width(), row.rect.Height());
                painter.fillRect(cell, Qt::lightGray);
                painter.setPen(Qt::darkGray);
                painter.drawRect(cell.adjusted(0, 0, -1, -1));
            }
        for (const DayBoxes& day : snapshot.Days())
            for (const FrameBox& box : day) {
                const QRect r(box.rect.left, box.rect.top, box.rect.Width(), box.rect.Height());
                painter.fillRect(r, QColor(0xF0, 0xE0, 0xC0));
                painter.setPen(Qt::black);
                painter.drawRect(r.adjusted(0, 0, -1, -1));
                painter.drawText(r.left() + 3, r.top() + 13, times);
                painter.drawText(r.left() + 3, r.top() + 28, sample);
            }
    });

    // One fast-preview step: the header and grid of the next day, frames from the lines.
    QImage header(layout.GridWidth(), layout.HeaderHeight(), QImage::Format_RGB32);
    QImage grid(layout.GridWidth(), layout.GridHeight(), QImage::Format_RGB32);
    int step = 0;
    const Timing preview = Time([&] {
        const ViewLayout next = PreviewLayout(layout, AddDays(kStart, ++step % 7));
        {
            QPainter painter(&header);
            PaintPreviewHeader(painter, next, snapshot.Options());
        }
        // What a maximised window shows of the grid: the screen less the time columns,
        // header, tool panel and year box.
        const int time = layout.Metrics().timeColumnWidth;
        const PixelRect visible{0, 0, std::min(layout.GridWidth(), 1920 - 2 * time),
                                std::min(layout.GridHeight(), 1080 - 30 - 90 - layout.HeaderHeight() - kYearBoxHeight)};
        QPainter painter(&grid);
        PaintPreviewGrid(painter, next, store, snapshot.Options(), &visible);
    });

    std::printf("%s: type 8, %d dates, %d frames, %d fields, image %d x %d (ms: median / fastest of %d)\n", name,
                static_cast<int>(layout.Columns().size()), frames, fields, image.width(), image.height(), kRuns);
    std::printf("  full rebuild and redraw:  %7.2f / %7.2f\n", rebuildAndDraw.median, rebuildAndDraw.fastest);
    std::printf("    of which drawing:       %7.2f / %7.2f\n", drawOnly.median, drawOnly.fastest);
    std::printf("  plain QPainter baseline:  %7.2f / %7.2f  (full redraw / baseline %.2f, fastest %.2f)\n",
                baseline.median, baseline.fastest, rebuildAndDraw.median / baseline.median,
                rebuildAndDraw.fastest / baseline.fastest);
    std::printf("  fast-preview date step:   %7.2f / %7.2f\n", preview.median, preview.fastest);
}

int Run() {
    LineStore store;
    FillStore(store);
    // Both scales at "Fit": the view fills a 1920 x 1080 screen.
    Measure(store, "fitted to 1920 x 1080", ScaleState{kHorzFit, kVertFit, kDefaultSizeIndex, kDefaultSizeIndex});
    // The default scales ("横：100", "縦：100", size lists at 100) on the same screen.
    Measure(store, "default scales on 1920 x 1080", ScaleState{});
    return 0;
}

}  // namespace
}  // namespace mv

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    mv::SubstituteFonts();
    return mv::Run();
}
