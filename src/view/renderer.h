#pragma once
// The one renderer of the timetable: the grid with its cells and frames, the date header,
// the time columns and the corners. It paints with a QPainter into whatever device the
// painter was opened on: the window's off-screen images, an image file, a printer page.

#include <QSize>
#include <vector>

#include "view/fonts.h"
#include "view/geometry/framelayout.h"
#include "view/geometry/viewcolours.h"
#include "view/geometry/viewlayout.h"

class QPainter;

namespace mv {

class Canvas;
class Dialogs;
class HolidayTable;

// The editing operation in progress on the selected frame.
enum class EditState { None, Edit, Move, Copy };

// Colours that replace the view's own when a page is printed; -1 keeps the view's colour.
struct PrintColours {
    int fixed = -1;      // header, time columns and corners (weekday colours included)
    int fixedText = -1;  // their texts
    int cell = -1;       // the empty hour cells
    int frameFill = -1;  // every frame's fill
    int frameText = -1;  // every field's text
};

struct PaintOptions {
    bool timeDisplay = true;
    bool dateDisplay = true;
    const HolidayTable* holidays = nullptr;
    const TCInf* selected = nullptr;
    int selectedField = -1;        // index into the selected frame's fields
    EditState state = EditState::None;
    bool editingInPlace = false;   // a field of the selected frame is being typed into
    const std::vector<const TCInf*>* multiSelection = nullptr;
    bool copyInProgress = false;   // the multiple selection is being copied
    int editKind = 0;              // 1: the pack display
    int framePlacement = 1;        // Cmb_WakuLoc, used when dates are laid out again
    int titlePlacement = 1;        // Cmb_TitleLoc
    int dateCursorColumn = -1;     // column of the last mouse position in the grid
    int rangeState = 0;            // 0 none, 1 or 2 while a date range is being selected
    Date rangeFirst, rangeLast;
    Date today;                    // its month and day get the double frame; year 0: none
    int pressedCorner = 0;         // 1 left, 2 right
    int pixelsPerInch = 96;
    Dialogs* dialogs = nullptr;    // told when the images cannot be created
    PrintColours print;
};

inline int ColourOr(int replacement, int colour) { return replacement >= 0 ? replacement : colour; }

// Hour numbers and minute labels are shown only with the time display in edit mode.
inline bool ShowsTimes(const PaintOptions& options) { return options.timeDisplay && options.editKind == 0; }


class TimetableRenderer {
public:
    // `days` holds the frame boxes of the layout's columns (MapLinear, placement and the
    // per-hour adjustment done); drawing a frame stores what its fields drew into its box.
    TimetableRenderer(const ViewLayout& layout, std::vector<DayBoxes>& days, const PaintOptions& options);

    // The grid image `Pic`: gray, every cell, every date's frames and the selection.
    void PaintGrid(QPainter& painter);
    // The cells of one column, of one cell, and the frames of one date in order.
    void PaintCells(QPainter& painter, int column);
    void PaintCell(QPainter& painter, int column, int row);
    void PaintDateFrames(QPainter& painter, int column);
    // One frame; with neighbourLabels the minute labels that its body may have covered
    // (frames on this and the next date in columns without a band) are drawn again.
    void PaintFrame(QPainter& painter, int column, FrameBox& box, bool neighbourLabels);
    void PaintMinuteLabels(QPainter& painter, int column, const FrameBox& box);
    // The selected frame again, with its border and its selected field's outline.
    void PaintSelection(QPainter& painter);

    // The date header `imgFixedTop`: month band and date cells, or the weekday header.
    void PaintHeader(QPainter& painter);
    void PaintMonthBand(QPainter& painter);
    void PaintHeaderColumn(QPainter& painter, int column);
    // A time column (`imgFixedLeft` and `imgFixedRight` look alike) and a corner.
    void PaintTimeColumn(QPainter& painter);
    void PaintCorner(QPainter& painter, bool right);

    // Everything in one picture as the window shows it unscrolled: corners and header on
    // top, the time columns at the sides of the grid.
    QSize WholeSize() const;
    void PaintWhole(QPainter& painter);

    // Where a column's frame box is, by frame; nothing when the frame is not shown.
    FrameBox* FindBox(const TCInf* frame, int* column = nullptr);

    FontCache& Fonts() { return mFonts; }

private:
    struct FieldPlan;
    void PaintFrameBody(Canvas& canvas, FrameBox& box);
    void PaintHourNumber(Canvas& canvas, int column, int row);
    std::vector<FieldPlan> PlanFields(FrameBox& box);
    void StackFields(FrameBox& box, std::vector<FieldPlan>& plans);
    void PaintTag(Canvas& canvas, const FrameBox& box, bool multi);
    void PaintNeighbourLabels(QPainter& painter, int column, const FrameBox& box);
    bool IsMultiSelected(const TCInf* frame) const;
    bool IsSelected(const TCInf* frame) const { return frame && frame == mOptions.selected; }
    int DateCellFontHeight(int column);

    const ViewLayout& mLayout;
    std::vector<DayBoxes>& mDays;
    const PaintOptions& mOptions;
    FontCache& mFonts;
};

// The fonts every renderer shares (measuring a font is slow; the view draws on one thread).
FontCache& SharedFontCache();

}  // namespace mv
