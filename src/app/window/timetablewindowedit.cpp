// The design window's side of editing: what the edit layer asks it to redraw, show and
// scroll. Kept apart from the window's menus and layout.

#include <QLabel>
#include <algorithm>
#include <QScrollArea>
#include <QScrollBar>

#include "app/window/picturepointer.h"
#include "app/window/timetablewindow.h"
#include "edit/framecommands.h"
#include "edit/widgets/fieldeditor.h"
#include "edit/widgets/movepreview.h"
#include "model/codec.h"
#include "model/recordline.h"
#include "view/timetableview.h"

namespace mv {

void TfrmTimeTable_01::UpdatePointerOptions() {
    PointerOptions options;
    options.freePlacement = mSession.Settings().Cmb_WakuLoc == 0;
    options.titlePlacement = mSession.Settings().Cmb_TitleLoc;
    options.minuteUnit = mSession.Design().MinuteStepIndex() + 1;
    options.dragScroll = mDragScroll && mDragScroll->isChecked();
    options.packed = mSession.View().editKind == 1;
    options.doubleClickProperties = mShowProperty && mShowProperty->isChecked();
    options.busy = IsBusy();
    mController->SetOptions(options);
}

void TfrmTimeTable_01::DatesChanged(const std::vector<Date>& dates) {
    mCalendar->DatesChanged(dates);
    std::vector<int> columns;
    for (const Date& date : dates)
        if (std::optional<int> column = mDesignView.Layout().ColumnIndexOfDate(date);
            column && *column < static_cast<int>(mDesignView.Days().size()))
            columns.push_back(*column);
    if (columns.empty()) return;
    // Most of the view changed (a range of days): one full layout and drawing is cheaper
    // than redrawing column by column, which paints each neighbour's labels again.
    if (columns.size() * 3 > mDesignView.Days().size()) {
        RefreshLayout();
        mDrawnSelectionCid = mEdit->Selection().Cid();
        mDrawnSelectionDate = mEdit->Selection().SelectedDate();
        return;
    }
    mDesignView.RefreshColumns(mSession.Working(), mSession.View().editKind, columns);
    mEdit->Chosen().DropVanished(mSession.Working());
    // The old selection's outline goes with the columns redrawn, or with its own frame.
    EraseDrawnSelection();
    mView->RedrawEditedDates(mDesignView.Layout(), mDesignView.Days(), columns, CurrentPaintOptions());
    mDrawnSelectionCid = mEdit->Selection().Cid();
    mDrawnSelectionDate = mEdit->Selection().SelectedDate();
    if (mProperties) mProperties->RefreshFrame();
}

void TfrmTimeTable_01::EraseDrawnSelection() {
    if (mDrawnSelectionCid.empty()) return;
    const TCInf* drawn = mSession.Working().FrameOn(mDrawnSelectionDate, mDrawnSelectionCid);
    mDrawnSelectionCid.clear();
    if (!drawn || drawn == mEdit->Selection().Frame(mSession.Working())) return;
    PaintOptions options = CurrentPaintOptions();
    options.selected = nullptr;
    mView->RedrawFrame(mDesignView.Layout(), mDesignView.Days(), drawn, true, options);
}

void TfrmTimeTable_01::SelectionChanged() {
    EraseDrawnSelection();
    mView->RedrawSelection(mDesignView.Layout(), mDesignView.Days(), CurrentPaintOptions());
    mDrawnSelectionCid = mEdit->Selection().Cid();
    mDrawnSelectionDate = mEdit->Selection().SelectedDate();
    if (mProperties) mProperties->RefreshFrame();
}

void TfrmTimeTable_01::ChosenChanged() {
    std::vector<MultiSelection::Entry> touched = mDrawnChosen;
    const auto& now = mEdit->Chosen().Entries();
    touched.insert(touched.end(), now.begin(), now.end());
    const PaintOptions options = CurrentPaintOptions();
    for (const MultiSelection::Entry& entry : touched)
        if (const TCInf* frame = mSession.Working().FrameOn(entry.date, entry.cid))
            mView->RedrawFrame(mDesignView.Layout(), mDesignView.Days(), frame, true, options);
    mView->RedrawSelection(mDesignView.Layout(), mDesignView.Days(), options);
    mDrawnChosen = now;
}

void TfrmTimeTable_01::FrameRedraw(const Date& date, const std::string& cid) {
    const TCInf* frame = mSession.Working().FrameOn(date, cid);
    if (!frame) return;
    const PaintOptions options = CurrentPaintOptions();
    mView->RedrawFrame(mDesignView.Layout(), mDesignView.Days(), frame, true, options);
    mView->RedrawSelection(mDesignView.Layout(), mDesignView.Days(), options);
    if (mProperties) mProperties->RefreshFrame();
}

void TfrmTimeTable_01::PreviewChanged() {
    const DragPreview& preview = mController->Preview();
    if (!preview.Active()) {
        mMovePreview->HidePicture();
        mPreviewFrame.reset();
        return;
    }
    const DragPreview::Source& source = preview.From();
    // The frame as it was when the drag began; its date may scroll out of view meanwhile.
    if (!mPreviewFrame || mPreviewFrame->Cid != source.cid || mPreviewFrame->CDate != source.date) {
        mPreviewFrame.reset();
        if (const TCInf* shown = mSession.Working().FrameOn(source.date, source.cid))
            mPreviewFrame = std::make_unique<TCInf>(*shown);
    }
    if (!mPreviewFrame) {
        mMovePreview->HidePicture();
        return;
    }
    mMovePreview->ShowPicture(preview.Picture(), *mPreviewFrame, mDesignView.Layout(), CurrentPaintOptions(),
                              source.copy, mEdit->Chosen().Contains(source.cid));
}

void TfrmTimeTable_01::SetPointer(PointerShape shape) {
    mView->Pic()->setCursor(PicturePointer::CursorOf(shape));
}

PixelRect TfrmTimeTable_01::VisibleArea() const {
    QScrollArea* box = mView->ScrollBox();
    const int left = box->horizontalScrollBar()->value(), top = box->verticalScrollBar()->value();
    const QSize size = box->viewport()->size();
    return {left, top, left + size.width(), top + size.height()};
}

void TfrmTimeTable_01::ScrollView(int dx, int dy) {
    QScrollArea* box = mView->ScrollBox();
    if (dx) box->horizontalScrollBar()->setValue(box->horizontalScrollBar()->value() + dx);
    if (dy) box->verticalScrollBar()->setValue(box->verticalScrollBar()->value() + dy);
}

void TfrmTimeTable_01::ScrollDates(DateScroll direction) {
    switch (direction) {
    case DateScroll::Back: mNavigation->StartDateTimer(StepKind::DayBack); break;
    case DateScroll::Forward: mNavigation->StartDateTimer(StepKind::DayForward); break;
    case DateScroll::Stop:
        mNavigation->StopDateTimer();
        // A release held back meanwhile is played once the view has settled.
        QTimer::singleShot(0, this, [this] { mController->LayoutSettled(); });
        break;
    case DateScroll::None: break;
    }
}

void TfrmTimeTable_01::PressedAt(int column, int /*row*/) {
    if (column == mDateCursorColumn) return;
    mDateCursorColumn = column;
    mView->RedrawHeader(mDesignView.Layout(), CurrentPaintOptions());
}

void TfrmTimeTable_01::Progress(int done, int total) {
    if (total <= 0) {
        mProgress->hide();
        return;
    }
    mProgress->setText(QStringLiteral("  %1 / %2  ").arg(done).arg(total));
    mProgress->adjustSize();
    mProgress->move((mView->width() - mProgress->width()) / 2, (mView->height() - mProgress->height()) / 2);
    mProgress->show();
    mProgress->raise();
    // The window is locked and no events run: the panel is painted at once.
    mProgress->repaint();
}

void TfrmTimeTable_01::EditFieldInPlace(const Date& date, const std::string& cid, int field) {
    const TCInf* frame = mSession.Working().FrameOn(date, cid);
    const std::optional<int> column = mDesignView.Layout().ColumnIndexOfDate(date);
    if (!frame || !column || field < 0 || field >= static_cast<int>(frame->Fields.size())) return;
    const FrameBox* box = nullptr;
    for (const FrameBox& candidate : mDesignView.Days()[*column])
        if (candidate.frame == frame) box = &candidate;
    if (!box || field >= static_cast<int>(box->fields.size())) return;
    // Over the field, as wide as the frame (at least 16 characters) and down to its bottom
    // (at least 5 lines), kept inside the visible part of the picture.
    const ViewMetrics& metrics = mDesignView.Layout().Metrics();
    const PixelRect visible = VisibleArea();
    const int width = std::max(box->rect.Width() - 8, 16 * metrics.charWidth);
    int left = box->rect.left + 4;
    if (left + width > visible.right) left = visible.right - width - metrics.charWidth;
    const int top = box->fields[field].textBox.top;
    const int height = std::max(box->rect.bottom - top - 3, 5 * metrics.charHeight);
    mFieldEditing = FieldEditing{date, cid, field, SnapshotOf(*frame, mSession.Design().Modified())};
    std::string text = ToUtf8(frame->Fields[field].FTextStr);
    std::replace(text.begin(), text.end(), '\x7f', '\n');
    mTitleEditor->Open(QString::fromStdString(text), QRect(left, top, width, height), metrics.charHeight);
    PaintOptions options = CurrentPaintOptions();
    mView->RedrawSelection(mDesignView.Layout(), mDesignView.Days(), options);
}

void TfrmTimeTable_01::TitleEditorChanged(const QString& text) {
    // Stored while the same frame stays selected.
    if (!mFieldEditing || mEdit->Selection().Cid() != mFieldEditing->cid) return;
    std::string stored = FromUtf8(text.toStdString());
    std::replace(stored.begin(), stored.end(), '\n', '\x7f');
    StoreFieldText(*mEdit, mFieldEditing->date, mFieldEditing->cid, mFieldEditing->field, stored);
}

void TfrmTimeTable_01::TitleEditorLeft() {
    if (!mFieldEditing) return;
    const FieldEditing editing = *mFieldEditing;
    mFieldEditing.reset();
    if (mEdit->Selection().Cid() == editing.cid) FinishFieldText(*mEdit, editing.before);
    FrameRedraw(editing.date, editing.cid);
}

void TfrmTimeTable_01::RangeChanged() {
    mView->RedrawHeader(mDesignView.Layout(), CurrentPaintOptions());
    mCalendar->ShowRange();
}

void TfrmTimeTable_01::EscapePressed() {
    UpdatePointerOptions();
    mController->Escape();
}

}  // namespace mv
