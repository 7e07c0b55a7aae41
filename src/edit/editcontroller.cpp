#include "edit/editcontroller.h"

#include <algorithm>
#include <cstdlib>

#include "edit/chosenmove.h"
#include "edit/framecommands.h"
#include "model/timeofday.h"

namespace mv {

namespace {

int RowAtY(const ViewLayout& layout, int y) {
    const auto& rows = layout.Rows();
    for (std::size_t r = 0; r < rows.size(); ++r)
        if (rows[r].rect.top <= y && y < rows[r].rect.bottom) return static_cast<int>(r);
    return -1;
}

}  // namespace

EditController::EditController(EditContext& context, DesignView& view, Dialogs& dialogs, FrameIdSource& ids)
    : mContext(context), mView(view), mDialogs(dialogs), mIds(ids) {}

const FrameBox* EditController::BoxOf(const Date& date, const std::string& cid) const {
    return mView.BoxOf(date, cid);
}

const FrameBox* EditController::SelectedBox() const {
    const EditSelection& selection = mContext.Selection();
    return selection.Empty() ? nullptr : BoxOf(selection.SelectedDate(), selection.Cid());
}

int EditController::FieldUnder(const FrameBox& box, int x, int y) const {
    for (int i = static_cast<int>(box.fields.size()) - 1; i >= 0; --i) {
        const PixelRect& text = box.fields[i].textBox;
        if (box.fields[i].drewText() && text.left < x && x < text.right && text.top < y && y < text.bottom) return i;
    }
    return -1;
}

void EditController::SetMode(EditMode mode) {
    if (mode != EditMode::MoveCopy && mPreview.Active()) HidePreview();
    mMode = mode;
    mContext.Selection().SelectField(-1);
    mContext.Listener().SelectionChanged();
    // The chosen frames are drawn by the mode too (green while copied).
    if (mContext.Chosen().Count() > 0) mContext.Listener().ChosenChanged();
}

void EditController::EnterMoveCopy(bool copy, bool prepare) {
    // Chosen on purpose: MoveCopy stays after each drop until Esc or a double-click.
    mModeBefore = EditMode::MoveCopy;
    mCopy = copy;
    SetMode(EditMode::MoveCopy);
    if (prepare) PreparePreview(GripKind::Body);
}

bool EditController::PreparePreview(GripKind grip) {
    const FrameBox* box = SelectedBox();
    if (!box || !box->valid) return false;
    DragPreview::Source source;
    source.date = mContext.Selection().SelectedDate();
    source.cid = mContext.Selection().Cid();
    source.rect = box->rect;
    source.start = box->frame->StoredSTime();
    source.end = box->frame->StoredETime();
    if (box->frame->ResizePos >= 0) source.place = {box->frame->ResizePos, box->frame->ResizeLen};
    source.grip = grip;
    source.copy = mCopy;
    source.firstShown = mView.Layout().Columns().empty() ? Date{} : mView.Layout().Columns().front().date;
    mPreview.Prepare(source);
    mContext.Listener().PreviewChanged();
    return true;
}

void EditController::HidePreview() {
    mPreview.Hide();
    mContext.Listener().PreviewChanged();
}

void EditController::MouseDown(const PointerEvent& event) {
    if (mOptions.busy) return;
    // Only the left button drags; a right press opens the popup menu, which takes its release.
    mPressed = event.button == PointerButton::Left;
    mPressX = event.x;
    mPressY = event.y;
    const ViewLayout& layout = mView.Layout();
    const int column = layout.ColumnAtX(event.x);
    mContext.Listener().PressedAt(column, RowAtY(layout, event.y));
    const FrameBox* hit = mView.FrameAt(event.x, event.y, mContext.Selection().Frame(mContext.Working()));
    mPressedOnFrame = hit != nullptr;
    if (mOptions.packed) return;
    if (!hit) {
        if (event.button == PointerButton::Left && mContext.Chosen().Count() > 0) {
            mContext.Chosen().Clear();
            mContext.Listener().ChosenChanged();
        }
        return;
    }

    EditSelection& selection = mContext.Selection();
    const Date date = hit->frame->CDate;
    const std::string cid = hit->frame->Cid;
    const int field = mMode == EditMode::FieldEdit ? FieldUnder(*hit, event.x, event.y) : -1;
    const bool changed = selection.Cid() != cid || selection.SelectedDate() != date || selection.Field(mContext.Working()) != field;
    if (changed) {
        mFieldDrag.reset();
        selection.Select(cid, date, field);
        mContext.Listener().SelectionChanged();
    }

    if (event.button == PointerButton::Left && event.ctrl) {
        mContext.Chosen().Toggle(cid, date);
        mContext.Listener().ChosenChanged();
    }
    if (event.button == PointerButton::Right) return;
    if (event.button == PointerButton::Left && event.shift) {
        mShiftDrag = ShiftDrag{date, cid, event.x, event.y, false, {}};
        return;
    }

    const GripKind grip = GripAt(hit->rect, event.x, event.y, mOptions.freePlacement, mMode, GripSource::Picture);
    if (mMode == EditMode::MoveCopy || grip != GripKind::None) {
        if (mMode != EditMode::MoveCopy) mModeBefore = mMode;
        mMode = EditMode::MoveCopy;
        if (PreparePreview(grip == GripKind::None ? GripKind::Body : grip)) {
            mPreview.Press(event.x, event.y, layout, mOptions.minuteUnit);
            mContext.Listener().SetPointer(CursorOf(mPreview.From().grip));
        }
        mContext.Listener().SelectionChanged();
        return;
    }
    if (mMode == EditMode::FieldEdit && field >= 0 && !mFieldDrag && hit->rect.Height() > 2 * layout.Metrics().charHeight) {
        const PixelRect& text = hit->fields[field].textBox;
        mFieldDrag = FieldDrag{date, cid, field, event.x - text.left, event.y - text.top,
                               SnapshotOf(*hit->frame, mContext.Design().Modified()), false};
    }
}

void EditController::MouseMove(const PointerEvent& event) {
    if (event.button == PointerButton::None) {
        if (!mOptions.packed && !mOptions.busy) ShowHoverPointer(event);
        return;
    }
    if (event.button != PointerButton::Left || !mPressed) return;

    const TCInf* selected = mContext.Selection().Frame(mContext.Working());
    const bool chosen = selected && mContext.Chosen().Contains(selected->Cid);
    if ((!mPressedOnFrame || mMode == EditMode::Normal) && !chosen && mOptions.dragScroll && !mShiftDrag &&
        !mPreview.Active()) {
        // The pressed point of the picture stays under the pointer.
        mContext.Listener().ScrollView(mPressX - event.x, mPressY - event.y);
        return;
    }
    if (mOptions.packed) return;
    if (mShiftDrag) return TrackShiftDrag(event);
    if (mMode == EditMode::MoveCopy && mPreview.Active()) {
        const PreviewMove move = mPreview.Move(event.x, event.y, mView.Layout(), mOptions.minuteUnit,
                                               mContext.Listener().VisibleArea());
        if (move.dates != DateScroll::None) mContext.Listener().ScrollDates(move.dates);
        if (move.changed) mContext.Listener().PreviewChanged();
        if (move.scrollDx || move.scrollDy) mContext.Listener().ScrollView(move.scrollDx, move.scrollDy);
        return;
    }
    if (mFieldDrag && event.y != mPressY) MoveField(event);
}

void EditController::ShowHoverPointer(const PointerEvent& event) {
    if (mShiftDrag && mShiftDrag->dragging) return;
    const FrameBox* box = SelectedBox();
    GripKind grip = GripKind::None;
    if (mPreview.Active() && mPreview.Picture().frame.Contains(event.x, event.y))
        grip = GripAt(mPreview.Picture().frame, event.x, event.y, mOptions.freePlacement, mMode, GripSource::Preview);
    else if (box && box->valid)
        grip = GripAt(box->rect, event.x, event.y, mOptions.freePlacement, mMode, GripSource::Picture);
    mContext.Listener().SetPointer(CursorOf(grip));
}

void EditController::TrackShiftDrag(const PointerEvent& event) {
    ShiftDrag& drag = *mShiftDrag;
    if (!drag.dragging) {
        if (!BeyondDragThreshold(drag.x, drag.y, event.x, event.y, mView.Layout().Metrics().charWidth)) return;
        drag.dragging = true;
    }
    // A neighbour on the same date, apart in time, with the pointer well inside it.
    drag.target.clear();
    const FrameBox* dragged = BoxOf(drag.date, drag.cid);
    const FrameBox* under = mView.FrameAt(event.x, event.y, nullptr);
    if (!event.ctrl && dragged && under && under->frame->Cid != drag.cid && under->frame->CDate == drag.date &&
        ExtendOnto({dragged->start, dragged->end}, {under->start, under->end}) && under->rect.left < event.x &&
        event.x < under->rect.right && under->rect.top < event.y && event.y < under->rect.bottom)
        drag.target = under->frame->Cid;
    mContext.Listener().SetPointer(drag.target.empty() ? PointerShape::Refuse : PointerShape::Accept);
}

void EditController::MoveField(const PointerEvent& event) {
    FieldDrag& drag = *mFieldDrag;
    TCInf* frame = mContext.Working().FrameOn(drag.date, drag.cid);
    const FrameBox* box = BoxOf(drag.date, drag.cid);
    if (!frame || !box || drag.field >= static_cast<int>(frame->Fields.size()) ||
        drag.field >= static_cast<int>(box->fields.size())) {
        mFieldDrag.reset();
        return;
    }
    mContext.Listener().SetPointer(PointerShape::Drag);
    const FieldBox& field = box->fields[drag.field];
    const PixelRect& text = field.textBox;
    // The field's box relative to its frame now, and where the pointer wants it.
    const FieldPlace now{text.left - box->rect.left, text.top - box->rect.top};
    const FieldPlace wanted{event.x - drag.pressOffsetX - box->rect.left, event.y - drag.pressOffsetY - box->rect.top};
    const FieldPlace placed =
        ClampFieldPlace(wanted, box->rect.Width(), box->rect.Height(), text.Width(), field.lineHeight);
    if (placed == now) return;
    TFInf& target = frame->Fields[drag.field];
    const bool free = mOptions.titlePlacement == 0;
    (free ? target.FOff_X0 : target.FOff_X1) += placed.x - now.x;
    (free ? target.FOff_Y0 : target.FOff_Y1) += placed.y - now.y;
    drag.moved = true;
    mContext.Design().SetModified(true);
    mContext.Listener().FrameRedraw(drag.date, drag.cid);
}

void EditController::MouseUp(const PointerEvent& event) {
    const bool wasPressed = mPressed;
    mPressed = false;
    if (mOptions.packed || mOptions.busy) return;
    if (mMode == EditMode::MoveCopy && mPreview.Active() && mPreview.Phase() > 0) {
        ReleasePreview(event);
        return;
    }
    if (mShiftDrag) {
        const ShiftDrag drag = *mShiftDrag;
        mShiftDrag.reset();
        if (drag.dragging && !drag.target.empty()) ExtendFrameOnto(mContext, drag.date, drag.cid, drag.target);
    }
    if (mFieldDrag && mFieldDrag->moved && wasPressed) {
        const FrameSnapshot before = mFieldDrag->before;
        mFieldDrag.reset();
        FinishFieldMove(mContext, before);
    }
    mFieldDrag.reset();
    mContext.Listener().SetPointer(PointerShape::Default);
}

void EditController::ReleasePreview(const PointerEvent& event) {
    const PreviewRelease release = mPreview.Release(event.x, event.y, mView.Layout(), mView.Days());
    if (release.kind == PreviewRelease::Kind::Wait) {
        // Played again once the dates have stopped and the view is laid out.
        mContext.Listener().ScrollDates(DateScroll::Stop);
        return;
    }
    mContext.Listener().SetPointer(PointerShape::Default);
    if (release.kind == PreviewRelease::Kind::Hide) {
        mContext.Listener().PreviewChanged();
        SetMode(mModeBefore);
        return;
    }
    const FrameDrop& drop = release.drop;
    // A frame chosen with others takes them along.
    const bool together = drop.grip == GripKind::Body && mContext.Chosen().Count() > 1 &&
                          mContext.Chosen().Contains(drop.cid);
    const DropResult result =
        together ? MoveChosenFrames(mContext, mDialogs, mIds,
                                    {drop.date, drop.cid, drop.targetDate,
                                     MinutesBetween(mPreview.From().start, drop.start), drop.copy})
                 : CommitFrameDrop(mContext, mDialogs, mIds, drop);
    mContext.Listener().PreviewChanged();
    if (result == DropResult::Done && release.drop.copy) {
        // Further copies can be dropped from the copy just made.
        mContext.Listener().SelectionChanged();
        PreparePreview(GripKind::Body);
        return;
    }
    // A committed move or resize ends MoveCopy, also when it was chosen on purpose.
    const bool committed = result == DropResult::Done;
    SetMode(committed && mModeBefore == EditMode::MoveCopy ? EditMode::Normal : mModeBefore);
}

void EditController::LayoutSettled() {
    if (!mPreview.Active()) return;
    if (const std::optional<PendingRelease> pending = mPreview.LayoutSettled()) {
        PointerEvent event;
        event.x = pending->x;
        event.y = pending->y;
        ReleasePreview(event);
    }
}

void EditController::DoubleClick(const PointerEvent& event) {
    if (mOptions.busy) return;
    const FrameBox* hit = mView.FrameAt(event.x, event.y, mContext.Selection().Frame(mContext.Working()));
    if (mOptions.packed || (mOptions.doubleClickProperties && hit)) {
        if (hit) mContext.Listener().ShowProperties();
        return;
    }
    if (mMode == EditMode::FieldEdit && hit && mContext.Selection().Field(mContext.Working()) >= 0) {
        const EditSelection& selection = mContext.Selection();
        mContext.Listener().EditFieldInPlace(selection.SelectedDate(), selection.Cid(), selection.Field(mContext.Working()));
        return;
    }
    if (mContext.Selection().Empty()) return;
    const EditMode next = NextModeOnDoubleClick(mMode);
    if (next == EditMode::MoveCopy) {
        mModeBefore = EditMode::MoveCopy;
        mCopy = false;
    }
    SetMode(next);
}

void EditController::EnterFieldEdit() {
    if (mOptions.packed || mContext.Selection().Empty() || mMode == EditMode::FieldEdit) return;
    if (mPressed) CancelDrag();
    SetMode(EditMode::FieldEdit);
}

void EditController::Escape() {
    if (mOptions.packed) return;
    if (mPressed) CancelDrag();
    if (mContext.Chosen().Count() > 0) {
        mContext.Chosen().Clear();
        mContext.Listener().ChosenChanged();
        return;
    }
    if (mMode == EditMode::FieldEdit) return SetMode(EditMode::Normal);
    if (mMode != EditMode::MoveCopy) return;
    if (mModeBefore == EditMode::MoveCopy && mCopy) {
        // Chosen on purpose: a copy turns back into a plain move with no preview.
        SetMode(EditMode::Normal);
        mCopy = false;
        SetMode(EditMode::MoveCopy);
        return;
    }
    SetMode(mModeBefore == EditMode::MoveCopy ? EditMode::Normal : mModeBefore);
}

void EditController::CreateAtPress(bool onTheHour) {
    const ViewLayout& layout = mView.Layout();
    const int column = layout.ColumnAtX(mPressX);
    const int row = RowAtY(layout, mPressY);
    if (row < 0 || column >= static_cast<int>(mView.Days().size())) return;
    const RowCell& cell = layout.Rows()[row];
    const int first = layout.Rows().front().startTime, last = layout.Rows().back().endTime;
    const FrameBox* hit =
        mPressedOnFrame ? mView.FrameAt(mPressX, mPressY, mContext.Selection().Frame(mContext.Working())) : nullptr;
    TimeSpan times;
    if (onTheHour) {
        times = {cell.startTime, cell.endTime == 0 ? AddMinutes(cell.startTime, 60) : cell.endTime};
    } else if (hit) {
        times = {hit->frame->StoredSTime(), hit->frame->StoredETime()};
    } else {
        std::vector<GapNeighbour> neighbours;
        for (const FrameBox& box : mView.Days()[column])
            if (box.valid)
                neighbours.push_back({{box.start, box.end}, box.rect.top, box.rect.bottom,
                                      box.rect.left <= mPressX && mPressX <= box.rect.right});
        times = NewFrameTimes(neighbours, mPressY, cell.startTime, cell.endTime, !mOptions.freePlacement, first, last);
    }
    times.start = std::clamp(times.start, first, last);
    times.end = std::clamp(times.end, first, last);
    // Under automatic placement the new frame takes its place beside the others from the
    // press: before a pressed frame when pressed in its left half.
    std::vector<std::string> order;
    if (!mOptions.freePlacement) {
        std::vector<SideBySideBox> others;
        for (const FrameBox& box : mView.Days()[column])
            if (box.valid) others.push_back({box.frame->Cid, box.rect.left, box.rect.right, {box.start, box.end}, false});
        int key = mPressX;
        if (hit) key = mPressX < (hit->rect.left + hit->rect.right) / 2 ? hit->rect.left - 1 : hit->rect.left + 1;
        order = SideBySideOrder(others, key, times, false, layout.Metrics().charWidth);
    }
    CreateFrame(mContext, mIds, layout.Columns()[column].date, times, order);
    EnterMoveCopy(false, false);
}

void EditController::DeleteKey() {
    if (mOptions.packed) return;
    const EditSelection& selection = mContext.Selection();
    if (mContext.Chosen().Count() > 0 || selection.Field(mContext.Working()) < 0) DeleteSelectedFrame();
    else DeleteSelectedField();
}

void EditController::DeleteSelectedFrame() {
    const EditSelection& selection = mContext.Selection();
    if (mContext.Chosen().Count() > 1 && mContext.Chosen().Contains(selection.Cid())) {
        DeleteChosenFrames(mContext, mDialogs);
        return;
    }
    if (selection.Empty()) return;
    if (mPreview.Active()) HidePreview();
    DeleteFrame(mContext, mDialogs, selection.SelectedDate(), selection.Cid());
}

void EditController::DeleteSelectedField() {
    const EditSelection& selection = mContext.Selection();
    const int field = selection.Field(mContext.Working());
    if (field >= 0) DeleteTitleField(mContext, mDialogs, selection.SelectedDate(), selection.Cid(), field);
}

void EditController::ToggleSelectedChosen() {
    const EditSelection& selection = mContext.Selection();
    if (selection.Empty()) return;
    mContext.Chosen().Toggle(selection.Cid(), selection.SelectedDate());
    mContext.Listener().ChosenChanged();
}

void EditController::ConnectSelected(ConnectWay way) {
    const FrameBox* box = SelectedBox();
    if (!box) return;
    // The frames beside it: one's left or right edge within the other's width.
    std::vector<TimeSpan> candidates;
    const std::optional<int> column = mView.Layout().ColumnIndexOfDate(mContext.Selection().SelectedDate());
    for (const FrameBox& other : mView.Days()[*column]) {
        if (&other == box || !other.valid) continue;
        const PixelRect& a = box->rect;
        const PixelRect& b = other.rect;
        const bool beside = (b.left >= a.left && b.left <= a.right) || (b.right >= a.left && b.right <= a.right) ||
                            (a.left >= b.left && a.left <= b.right) || (a.right >= b.left && a.right <= b.right);
        if (beside) candidates.push_back({other.frame->StoredSTime(), other.frame->StoredETime()});
    }
    ConnectFrame(mContext, mDialogs, mContext.Selection().SelectedDate(), mContext.Selection().Cid(), candidates, way);
}

void EditController::AddFieldToSelected(bool timeField) {
    const EditSelection& selection = mContext.Selection();
    if (!selection.Empty()) AddTitleField(mContext, selection.SelectedDate(), selection.Cid(), "", timeField);
}

void EditController::CancelDrag() {
    // The rest of the drag is ignored; a field already moved keeps its place and its undo.
    mPressed = false;
    mShiftDrag.reset();
    if (mFieldDrag && mFieldDrag->moved) FinishFieldMove(mContext, mFieldDrag->before);
    mFieldDrag.reset();
    if (mPreview.Active() && mPreview.Phase() > 0) {
        if (mPreview.Edge() == EdgeState::Outside) mContext.Listener().ScrollDates(DateScroll::Stop);
        HidePreview();
        // MoveCopy taken only for this drag ends with it.
        if (mMode == EditMode::MoveCopy && mModeBefore != EditMode::MoveCopy) SetMode(mModeBefore);
    }
    mContext.Listener().SetPointer(PointerShape::Default);
}

void EditController::ReturnToNormal() {
    if (mPressed) CancelDrag();
    mModeBefore = EditMode::Normal;
    mCopy = false;
    SetMode(EditMode::Normal);
}

void EditController::Reset() {
    mPreview.Hide();
    mFieldDrag.reset();
    mShiftDrag.reset();
    mPressed = false;
    mMode = mModeBefore = EditMode::Normal;
    mCopy = false;
}

}  // namespace mv
