// The design window as the property window's host, memo lines dropped on the picture, and
// the copy and paste keys.

#include <QDropEvent>
#include <QMimeData>
#include <QPushButton>

#include "app/window/blockactions.h"
#include "app/window/timetablewindow.h"
#include "app/window/toolpanel.h"
#include "edit/framecommands.h"
#include "edit/widgets/memoline.h"
#include "model/codec.h"
#include "view/timetableview.h"

namespace mv {

void TfrmTimeTable_01::ShowProperties() { mProperties->Open(false); }

void TfrmTimeTable_01::OpenPropertiesFromMenu() {
    mProperties->Open(true);
    if (!Packed()) mController->EnterFieldEdit();
}

void TfrmTimeTable_01::ToggleEditKind() { mTools->Btn_EditKind->click(); }

QString TfrmTimeTable_01::EditKindCaption() const { return mTools->Btn_EditKind->text(); }

const FrameBox* TfrmTimeTable_01::DrawnBox(const Date& date, const std::string& cid) const {
    return mDesignView.BoxOf(date, cid);
}

std::optional<Date> TfrmTimeTable_01::PressedDate() const {
    const auto& columns = mDesignView.Layout().Columns();
    if (mDateCursorColumn < 0 || mDateCursorColumn >= static_cast<int>(columns.size())) return std::nullopt;
    return columns[mDateCursorColumn].date;
}

void TfrmTimeTable_01::JumpToDate(const Date& date) {
    mNavigation->SetStartDate(date, true);
    const WorkingSet& working = mSession.Working();
    if (working.ColumnCount() == 0) return;
    const auto& frames = working.Column(0).frames;
    if (frames.empty()) return;
    const TCInf& first = *frames.front();
    mEdit->ShowResult(first.CDate, first.Cid, first.StoredSTime());
}

bool TfrmTimeTable_01::DropMemoLine(const QDropEvent& event) {
    const QString mime = QString::fromLatin1(kMemoLineMime);
    if (!event.mimeData()->hasFormat(mime)) return false;
    const std::string text = FromUtf8(QString::fromUtf8(event.mimeData()->data(mime)).trimmed().toStdString());
    if (text.empty() || Packed() || IsBusy()) return true;
    const QPoint at = mView->Pic()->mapFrom(this, event.position().toPoint());
    const FrameBox* box = mDesignView.FrameAt(at.x(), at.y(), mEdit->Selection().Frame(mSession.Working()));
    if (!box || !box->frame) return true;
    const Date date = box->frame->CDate;
    const std::string cid = box->frame->Cid;
    mEdit->Selection().Select(cid, date);
    SelectionChanged();
    AddTitleField(*mEdit, date, cid, text, false);
    return true;
}

void TfrmTimeTable_01::CopyKey() {
    if (IsBusy()) return;
    const DateRange& range = mEdit->Range();
    if (range.CurrentState() != DateRange::None) mBlocks->PutDays(range.First(), range.Last());
    else if (!mEdit->Selection().Empty() || mEdit->Chosen().Count() > 0) mBlocks->PutChosen();
}

void TfrmTimeTable_01::PasteKey() {
    if (IsBusy() || Packed()) return;
    mBlocks->ReadClipboard(PressedDate());
}

void TfrmTimeTable_01::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasFormat(QString::fromLatin1(kMemoLineMime)) || event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

}  // namespace mv
