// The grid: cells, frames with their fields, minute labels and the selection.

#include "view/renderer.h"

#include <QPainter>
#include <algorithm>
#include <cstdio>

#include "model/keyvalueline.h"
#include "model/timeofday.h"
#include "view/geometry/fieldtext.h"
#include "view/paintkit.h"

namespace mv {

FontCache& SharedFontCache() {
    static FontCache cache;
    return cache;
}

struct TimetableRenderer::FieldPlan {
    int index = 0;  // in the frame's fields
    const MeasuredFont* font = nullptr;
    int fontHeight = 0;
    std::string text;
    FieldLayoutInput input;
    FieldLayout layout;
};

TimetableRenderer::TimetableRenderer(const ViewLayout& layout, std::vector<DayBoxes>& days, const PaintOptions& options)
    : mLayout(layout), mDays(days), mOptions(options), mFonts(SharedFontCache()) {}

bool TimetableRenderer::IsMultiSelected(const TCInf* frame) const {
    if (!mOptions.multiSelection) return false;
    const auto& list = *mOptions.multiSelection;
    return std::find(list.begin(), list.end(), frame) != list.end();
}

FrameBox* TimetableRenderer::FindBox(const TCInf* frame, int* column) {
    if (!frame) return nullptr;
    for (std::size_t c = 0; c < mDays.size(); ++c)
        for (FrameBox& box : mDays[c])
            if (box.frame == frame) {
                if (column) *column = static_cast<int>(c);
                return &box;
            }
    return nullptr;
}

void TimetableRenderer::PaintGrid(QPainter& painter) {
    // The cells tile the whole grid, so the gray ground under them never shows; filling it
    // first would only cost a pass over the largest image.
    const int columns = static_cast<int>(mLayout.Columns().size());
    for (int c = 0; c < columns; ++c) PaintCells(painter, c);
    for (int c = 0; c < columns && c < static_cast<int>(mDays.size()); ++c) PaintDateFrames(painter, c);
    PaintSelection(painter);
}

void TimetableRenderer::PaintCells(QPainter& painter, int column) {
    // The cells of a column, drawn as one fill and the dark edges: a cell's light top-left
    // border has the fill's colour, so this paints the same pixels as cell by cell with
    // far fewer passes over a large image.
    Canvas canvas(painter, mFonts);
    const PixelRect& r = mLayout.Columns().at(column).rect;
    const auto& rows = mLayout.Rows();
    if (rows.empty()) return;
    canvas.Fill({r.left, rows.front().rect.top, r.right, rows.back().rect.bottom}, ColourOr(mOptions.print.cell, colours::kCell));
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const PixelRect cell{r.left, rows[row].rect.top, r.right, rows[row].rect.bottom};
        if (cell.right <= cell.left || cell.bottom <= cell.top) continue;
        canvas.Fill({cell.left, cell.bottom - 1, cell.right, cell.bottom}, colours::kFixed);
        canvas.Fill({cell.right - 1, cell.top, cell.right, cell.bottom}, colours::kFixed);
        PaintHourNumber(canvas, column, row);
    }
}

void TimetableRenderer::PaintCell(QPainter& painter, int column, int row) {
    Canvas canvas(painter, mFonts);
    const ColumnCell& cell = mLayout.Columns().at(column);
    const RowCell& hour = mLayout.Rows().at(row);
    const PixelRect rect{cell.rect.left, hour.rect.top, cell.rect.right, hour.rect.bottom};
    const int fill = ColourOr(mOptions.print.cell, colours::kCell);
    canvas.Fill(rect, fill);
    canvas.Frame3D(rect, fill, colours::kFixed);
    PaintHourNumber(canvas, column, row);
}

void TimetableRenderer::PaintHourNumber(Canvas& canvas, int column, int row) {
    if (column == 0 || !ShowsTimes(mOptions)) return;
    const ColumnCell& cell = mLayout.Columns().at(column);
    const RowCell& hour = mLayout.Rows().at(row);
    const PixelRect rect{cell.rect.left, hour.rect.top, cell.rect.right, hour.rect.bottom};
    const ViewMetrics& m = mLayout.Metrics();
    const int x = static_cast<int>(rect.left + m.charWidth * 0.44);
    const int y = static_cast<int>(rect.top + m.charHeight * 0.26);
    const int hourNumber = hour.labelHour >= 24 ? hour.labelHour - 24 : hour.labelHour;
    canvas.Text({x, y, rect.right, rect.bottom}, QString::number(hourNumber), colours::kFixed,
                mFonts.Get(PointsToPixels(7, mOptions.pixelsPerInch)), TextAlign::TopLeft);
}

void TimetableRenderer::PaintDateFrames(QPainter& painter, int column) {
    if (column < 0 || column >= static_cast<int>(mDays.size())) return;
    for (FrameBox& box : mDays[column]) PaintFrame(painter, column, box, false);
}

void TimetableRenderer::PaintFrame(QPainter& painter, int column, FrameBox& box, bool neighbourLabels) {
    if (!box.valid) return;
    Canvas canvas(painter, mFonts);
    PaintFrameBody(canvas, box);
    PaintTag(canvas, box, IsMultiSelected(box.frame));
    if (ShowsTimes(mOptions)) {
        PaintMinuteLabels(painter, column, box);
        if (neighbourLabels) PaintNeighbourLabels(painter, column, box);
    }
}

std::vector<TimetableRenderer::FieldPlan> TimetableRenderer::PlanFields(FrameBox& box) {
    std::vector<FieldPlan> plans;
    TCInf& frame = *box.frame;
    const PixelRect& rect = box.rect;
    const bool freeTitles = mOptions.titlePlacement == 0;
    for (std::size_t i = 0; i < frame.Fields.size(); ++i) {
        TFInf& field = frame.Fields[i];
        if (field.FArea != 0) continue;
        FieldPlan plan;
        plan.index = static_cast<int>(i);
        int height = field.FTextFH < 0 ? -field.FTextFH : field.FTextFH;
        if (height == 0) height = mLayout.Metrics().fontPixelHeight;
        const MeasuredFont* font = &mFonts.Get(height);
        if (rect.Width() / font->aWidth <= 2) {
            height = std::max(1, FitFontHeight(height, 3, rect.Width(), font->aWidth, font->aHeight));
            font = &mFonts.Get(height);
        }
        plan.font = font;
        plan.fontHeight = height;
        // Only a free-positioned field keeps its horizontal offset.
        int& xOffset = freeTitles ? field.FOff_X0 : field.FOff_X1;
        if (field.FTextAL != 0) xOffset = 0;
        FieldLayoutInput& in = plan.input;
        in.frame = rect;
        in.text = FieldDisplayText(field, box.start, box.end, rect.Width() / font->aWidth, ShowsTimes(mOptions));
        in.charWidth = font->aWidth;
        in.lineHeight = font->aHeight;
        in.alignment = field.FTextAL;
        in.xOffset = xOffset;
        in.yOffset = freeTitles ? field.FOff_Y0 : field.FOff_Y1;
        in.decorate = field.FLineType == 1 || field.FLineType == 2;
        plan.layout = LayOutField(in);
        plans.push_back(std::move(plan));
    }
    return plans;
}

void TimetableRenderer::StackFields(FrameBox& box, std::vector<FieldPlan>& plans) {
    // Only fields that show text take part; each goes a third of a character below the
    // previous one, the first at the top.
    std::vector<int> members, offsets, serials;
    for (std::size_t p = 0; p < plans.size(); ++p) {
        if (plans[p].input.text.empty()) continue;
        members.push_back(static_cast<int>(p));
        offsets.push_back(box.frame->Fields[plans[p].index].FOff_Y1);
        serials.push_back(box.frame->Fields[plans[p].index].Serial);
    }
    if (members.empty()) return;
    int selectedMember = -1;
    if (IsSelected(box.frame))
        for (std::size_t k = 0; k < members.size(); ++k)
            if (plans[members[k]].index == mOptions.selectedField) selectedMember = static_cast<int>(k);
    const std::vector<int> order = FieldStackOrder(offsets, selectedMember, serials);
    const double gap = mLayout.Metrics().charHeight / 3.0;
    int previousBottom = 0;
    bool first = true;
    for (int k : order) {
        FieldPlan& plan = plans[members[k]];
        TFInf& field = box.frame->Fields[plan.index];
        const int lines = 1 + static_cast<int>(std::count(plan.layout.wrapped.begin(), plan.layout.wrapped.end(), kLineBreak));
        const int top = first ? box.rect.top + plan.layout.topMargin : static_cast<int>(previousBottom + gap);
        field.FOff_Y1 = top - box.rect.top - plan.layout.topMargin;
        previousBottom = top + lines * plan.input.lineHeight;
        first = false;
        // Once stacked, a field keeps its place from drawing to drawing: its layout is
        // already the one planned.
        if (plan.input.yOffset == field.FOff_Y1) continue;
        plan.input.yOffset = field.FOff_Y1;
        plan.layout = LayOutField(plan.input);
    }
}

void TimetableRenderer::PaintFrameBody(Canvas& canvas, FrameBox& box) {
    const bool multi = IsMultiSelected(box.frame);
    const int fill = multi ? (mOptions.copyInProgress ? colours::kMultiCopyFill : colours::kMultiFill)
                           : ColourOr(mOptions.print.frameFill, box.frame->WakuBC);
    canvas.Fill(box.rect, fill);
    canvas.Frame3D(box.rect, colours::kFrameLight, 0x000000);

    std::vector<FieldPlan> plans = PlanFields(box);
    const bool editingHere = IsSelected(box.frame) && mOptions.editingInPlace;
    if (mOptions.titlePlacement == 1 && !editingHere) StackFields(box, plans);

    box.fields.assign(box.frame->Fields.size(), FieldBox{});
    for (const FieldPlan& plan : plans) {
        const TFInf& field = box.frame->Fields[plan.index];
        const int textColour = multi ? colours::kMultiText : ColourOr(mOptions.print.frameText, field.FTextFC);
        for (const FieldLine& line : plan.layout.lines) {
            if (line.decorated) {
                const int middle = (line.box.top + line.box.bottom) / 2;
                canvas.HLine(line.box.left, line.box.right - 1, middle, colours::kLineDecoration, field.FLineType == 2);
            }
            PixelRect textRect = line.textRect;
            textRect.right = std::min(textRect.right, line.box.right);
            textRect.bottom = line.box.bottom;
            canvas.Text(textRect, FromSjis(line.text), textColour, *plan.font, TextAlign::LeftMiddle);
        }
        FieldBox& out = box.fields[plan.index];
        out.textBox = plan.layout.textBox;
        out.topMargin = plan.layout.topMargin;
        out.charWidth = plan.input.charWidth;
        out.lineHeight = plan.input.lineHeight;
        out.lineCount = static_cast<int>(plan.layout.lines.size());
        out.widthChars = plan.layout.widthChars;
        out.wrapped = plan.layout.wrapped;
    }
}

void TimetableRenderer::PaintTag(Canvas& canvas, const FrameBox& box, bool multi) {
    const TCInf& frame = *box.frame;
    if (IsSelected(&frame)) {
        const char* text = nullptr;
        int colour = 0;
        switch (mOptions.state) {
            case EditState::Edit: text = " edit", colour = colours::kEdit; break;
            case EditState::Move: text = " move", colour = colours::kMove; break;
            case EditState::Copy: text = " copy", colour = colours::kCopy; break;
            case EditState::None: break;
        }
        if (!text) return;
        if (multi) colour = colours::kWhite;
        canvas.Text(box.rect, QString::fromLatin1(text), colour,
                    mFonts.Get(PointsToPixels(9, mOptions.pixelsPerInch)), TextAlign::TopLeft);
        return;
    }
    const bool link = !Trim(frame.LinkURL).empty();
    if (!frame.ContLink && !link) return;
    QString marker = QStringLiteral(" ");
    if (frame.ContLink) marker += QLatin1Char('C');
    if (link) marker += QLatin1Char('L');
    canvas.Text(box.rect, marker, colours::kMarker, mFonts.Get(PointsToPixels(8, mOptions.pixelsPerInch)),
                TextAlign::TopRight);
}

void TimetableRenderer::PaintMinuteLabels(QPainter& painter, int column, const FrameBox& box) {
    if (!ShowsTimes(mOptions) || !box.valid) return;
    Canvas canvas(painter, mFonts);
    const ViewMetrics& m = mLayout.Metrics();
    const ColumnCell& cell = mLayout.Columns().at(column);
    const PixelRect area = mLayout.FrameArea(column);
    const int sw = m.smallCharWidth;
    const int height = m.smallCharHeight;
    const int band = m.bandWidth;
    const bool capped = band < m.fullBandWidth;
    int fontHeight = m.smallFontHeight;
    if (capped) {
        const MeasuredFont& small = mFonts.Get(fontHeight);
        fontHeight = std::max(1, FitFontHeight(fontHeight, 2, band, small.aWidth, small.aHeight));
    }
    int left, right;
    if (cell.hasBand && !cell.bandOnLeft) {
        left = capped ? area.right + 1 : area.right + sw / 3;
        right = capped ? area.right + band : area.right + 2 * sw + sw / 3;
    } else {
        left = capped ? area.left - band : area.left - 2 * sw - sw / 3;
        right = capped ? area.left - 1 : area.left - sw / 3;
    }
    const MeasuredFont& font = mFonts.Get(fontHeight);
    auto label = [&](int time, int top) {
        char text[8];
        std::snprintf(text, sizeof text, "%.2d", time % 100);
        canvas.Text({left, top, right, top + height}, QString::fromLatin1(text), colours::kMinuteLabel, font,
                    TextAlign::Centre);
    };
    if (box.start != kDayStart) label(box.start, static_cast<int>(box.rect.top - height / 2.0));
    if (box.end != kDayEnd) label(box.end, box.rect.bottom + height / 2 - height);
}

void TimetableRenderer::PaintNeighbourLabels(QPainter& painter, int column, const FrameBox& box) {
    const int firstHour = box.start / 100, lastHour = std::max(firstHour, (box.end - 1) / 100);
    for (int c = column; c <= column + 1 && c < static_cast<int>(mDays.size()); ++c) {
        if (c >= static_cast<int>(mLayout.Columns().size()) || mLayout.Columns()[c].hasBand) continue;
        for (const FrameBox& other : mDays[c]) {
            if (&other == &box) continue;
            const int a = other.start / 100, b = std::max(a, (other.end - 1) / 100);
            if (a <= lastHour && b >= firstHour) PaintMinuteLabels(painter, c, other);
        }
    }
}

void TimetableRenderer::PaintSelection(QPainter& painter) {
    int column = 0;
    FrameBox* box = FindBox(mOptions.selected, &column);
    if (!box || !box->valid) return;
    PaintFrame(painter, column, *box, false);
    Canvas canvas(painter, mFonts);
    int colour = colours::kWhite;
    if (IsMultiSelected(box->frame)) colour = colours::kWhite;
    else if (mOptions.editKind == 1) colour = colours::kPackSelection;
    else if (mOptions.state == EditState::Edit) colour = colours::kEdit;
    else if (mOptions.state == EditState::Move) colour = colours::kMove;
    else if (mOptions.state == EditState::Copy) colour = colours::kCopy;
    canvas.Border(box->rect, colour, 2);
    const int field = mOptions.selectedField;
    if (field >= 0 && field < static_cast<int>(box->fields.size()) && box->fields[field].drewText())
        canvas.Border(box->fields[field].textBox, mOptions.editingInPlace ? colours::kFieldEditing : colours::kWhite, 1);
}

}  // namespace mv
