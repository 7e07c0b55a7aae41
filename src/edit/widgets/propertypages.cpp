// The property window's command pages: "Extend", "List", "Days", "Month" and "Memo".

#include <QCheckBox>
#include <QDate>
#include <QDateEdit>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBlock>
#include <QVBoxLayout>
#include <algorithm>

#include "edit/designlists.h"
#include "edit/runcommands.h"
#include "edit/widgets/memoline.h"
#include "edit/widgets/propertycontrols.h"
#include "edit/widgets/propertywindow.h"
#include "model/codec.h"
#include "model/digits.h"
#include "model/keyvalueline.h"
#include "model/settings.h"
#include "platform/dialogs.h"

namespace mv {

namespace {

using namespace property;

QLabel* Guide(QWidget* parent, const char* text) { return new QLabel(QString::fromUtf8(text), parent); }

QDate ToQDate(const Date& date) { return QDate(date.year, date.month, date.day); }
Date FromQDate(const QDate& date) { return {date.year(), date.month(), date.day()}; }

// The count labels: gold on a dark panel, where gold reads well.
QLabel* CountLabel(QWidget* parent, const char* name) {
    auto* label = Named(new QLabel(parent), name);
    label->setStyleSheet(QStringLiteral("QLabel { color: rgb(255, 215, 0); background: rgb(64, 64, 64); padding: 2px; }"));
    return label;
}

}  // namespace

void TfrmTimeEdit_01::BuildExtendPage(QWidget* page) {
    Pnl_WakuInfo3 = InfoPanel(page, "Pnl_WakuInfo3");
    Dpc_UnfoldSDate = Named(new QDateEdit(page), "Dpc_UnfoldSDate");
    Dpc_UnfoldEDate = Named(new QDateEdit(page), "Dpc_UnfoldEDate");
    auto* dates = new QGridLayout;
    dates->addWidget(Guide(page, "展開開始日"), 0, 0);
    dates->addWidget(Dpc_UnfoldSDate, 0, 1);
    dates->addWidget(Guide(page, "展開終了日"), 1, 0);
    dates->addWidget(Dpc_UnfoldEDate, 1, 1);
    dates->setColumnStretch(2, 1);
    for (QDateEdit* picker : {Dpc_UnfoldSDate, Dpc_UnfoldEDate}) {
        picker->setCalendarPopup(true);
        picker->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    }
    auto* weekdays = new QHBoxLayout;
    const char* letters[] = {"日", "月", "火", "水", "木", "金", "土"};
    for (int day = 0; day < 7; ++day) {
        Chk_Yobi[day] = new QCheckBox(QString::fromUtf8(letters[day]), page);
        Chk_Yobi[day]->setObjectName(QStringLiteral("Chk_Yobi%1").arg(day + 1));
        weekdays->addWidget(Chk_Yobi[day]);
    }
    weekdays->addStretch();
    Btn_ExecUnfold = Named(new QPushButton(QStringLiteral("実行"), page), "Btn_ExecUnfold");
    connect(Btn_ExecUnfold, &QPushButton::clicked, this, [this] { ExpandClicked(); });
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Pnl_WakuInfo3);
    layout->addWidget(Guide(page, "この枠を下記の条件で自動展開します。"));
    layout->addLayout(dates);
    layout->addLayout(weekdays);
    layout->addWidget(Btn_ExecUnfold, 0, Qt::AlignLeft);
    layout->addStretch();
}

void TfrmTimeEdit_01::BuildListPage(QWidget* page) {
    Pnl_WListInfo = InfoPanel(page, "Pnl_WListInfo");
    Lst_WList = Named(new QListWidget(page), "Lst_WList");
    Lst_WList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    connect(Lst_WList, &QListWidget::itemClicked, this, [this] { DayFrameClicked(); });
    Edt_Kuriage_Time = Named(new QLineEdit(page), "Edt_Kuriage_Time");
    Edt_Kuriage_Time->setMaxLength(4);
    Edt_Kuriage_Time->setFixedWidth(56);
    Btn_Kuri_Age = Named(new QPushButton(QStringLiteral("繰上"), page), "Btn_Kuri_Age");
    Btn_Kuri_Sage = Named(new QPushButton(QStringLiteral("繰下"), page), "Btn_Kuri_Sage");
    connect(Btn_Kuri_Age, &QPushButton::clicked, this, [this] { ShiftClicked(true); });
    connect(Btn_Kuri_Sage, &QPushButton::clicked, this, [this] { ShiftClicked(false); });
    auto* guides = new QVBoxLayout;
    for (const char* text : {"当日の枠一覧です。", "枠の検索と繰上・繰下ができます。", "検索    ：Click",
                             "複数選択：Shift/Ctrl"})
        guides->addWidget(Guide(page, text));
    auto* shift = new QHBoxLayout;
    shift->addWidget(Edt_Kuriage_Time);
    shift->addWidget(Guide(page, "分"));
    shift->addWidget(Btn_Kuri_Age);
    shift->addWidget(Btn_Kuri_Sage);
    shift->addStretch();
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Pnl_WListInfo);
    layout->addLayout(guides);
    layout->addWidget(Lst_WList, 1);
    layout->addLayout(shift);
}

void TfrmTimeEdit_01::BuildDaysPage(QWidget* page) {
    Lst_YList = Named(new QListWidget(page), "Lst_YList");
    connect(Lst_YList, &QListWidget::itemDoubleClicked, this, [this] { DayDoubleClicked(); });
    Lbl_MvfCnt = CountLabel(page, "Lbl_MvfCnt");
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Guide(page, "枠の存在する日付一覧です。"));
    layout->addWidget(Guide(page, "検索：Double Click"));
    layout->addWidget(Lst_YList, 1);
    layout->addWidget(Lbl_MvfCnt);
}

void TfrmTimeEdit_01::BuildMonthPage(QWidget* page) {
    Lst_Month = Named(new QListWidget(page), "Lst_Month");
    Lst_Month->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Lbl_MonthMvfCnt = CountLabel(page, "Lbl_MonthMvfCnt");
    Btn_YList_DeleteMonth = Named(new QPushButton(QStringLiteral("枠の削除"), page), "Btn_YList_DeleteMonth");
    connect(Btn_YList_DeleteMonth, &QPushButton::clicked, this, [this] { DeleteMonthsClicked(); });
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Lbl_MonthMvfCnt, 1);
    bottom->addWidget(Btn_YList_DeleteMonth);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Guide(page, "月ごとの枠数です。　月単位で枠の削除ができます。"));
    layout->addWidget(Lst_Month, 1);
    layout->addLayout(bottom);
}

void TfrmTimeEdit_01::BuildMemoPage(QWidget* page) {
    Edt_Memo = Named(new QPlainTextEdit(page), "Edt_Memo");
    Edt_Memo->installEventFilter(this);
    connect(Edt_Memo, &QPlainTextEdit::cursorPositionChanged, this, [this] { ShowMemoLine(); });
    pnlMemoLine = new MemoLinePanel(page);
    auto* drag = new QHBoxLayout;
    drag->addWidget(pnlMemoLine, 1);
    drag->addWidget(Guide(page, "← Drag"));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Guide(page, "メモには何でも自由に記録できます。"));
    layout->addWidget(Edt_Memo, 1);
    layout->addWidget(Guide(page, "カーソル行は枠タイトルとして Drag & Drop できます。"));
    layout->addLayout(drag);
}

void TfrmTimeEdit_01::PageShown(int index) {
    switch (index) {
    case kExtend: FillExtendPage(true); break;
    case kList: FillDayFrames(); break;
    case kDays: FillDays(); break;
    case kMonth: FillMonths(); break;
    case kMemo: ShowMemoLine(); break;
    default: break;
    }
}

// "Extend"

void TfrmTimeEdit_01::FillExtendPage(bool shown) {
    const std::optional<Shown> frame = Current();
    const bool usable = frame && !mHost.Packed();
    const QDate next = usable ? ToQDate(AddDays(frame->date, 1)) : QDate::currentDate();
    // The dates are set afresh when the page is shown and for another frame; a refresh for
    // the same frame keeps what was picked.
    if (shown || !usable || Dpc_UnfoldSDate->property("frame").toString() != QString::fromStdString(frame->cid)) {
        Dpc_UnfoldSDate->setDate(next);
        Dpc_UnfoldEDate->setDate(next);
        Dpc_UnfoldSDate->setProperty("frame", usable ? QString::fromStdString(frame->cid) : QString());
    }
    for (QWidget* control : std::initializer_list<QWidget*>{Dpc_UnfoldSDate, Dpc_UnfoldEDate, Btn_ExecUnfold})
        control->setEnabled(usable);
    for (QCheckBox* day : Chk_Yobi) day->setEnabled(usable);
}

void TfrmTimeEdit_01::ExpandClicked() {
    const std::optional<Shown> shown = Current();
    if (!shown || mHost.Packed()) return;
    WeekdaySet weekdays = 0;
    for (int day = 0; day < 7; ++day)
        if (Chk_Yobi[day]->isChecked()) weekdays |= 1u << day;
    mHost.StoreView();
    ExpandFrame(mHost.Edit(), mHost.Messages(), mHost.FrameIds(), shown->date, shown->cid,
                FromQDate(Dpc_UnfoldSDate->date()), FromQDate(Dpc_UnfoldEDate->date()), weekdays);
    RefreshFrame();
}

// "List"

void TfrmTimeEdit_01::FillDayFrames() {
    mListDate = mHost.PressedDate();
    EditContext& edit = mHost.Edit();
    if (!mListDate && !edit.Selection().Empty()) mListDate = edit.Selection().SelectedDate();
    Pnl_WListInfo->setText(mListDate ? QStringLiteral(" ") + QString::fromStdString(ToUtf8(LongDateText(*mListDate, true)))
                                     : QString());
    const std::vector<DayFrameItem> items = mListDate ? DayFrameList(edit.Working(), *mListDate)
                                                      : std::vector<DayFrameItem>{};
    const QSignalBlocker quiet(Lst_WList);
    Lst_WList->clear();
    mListIds.clear();
    for (const DayFrameItem& item : items) {
        auto* row = new QListWidgetItem(QString::fromStdString(item.text), Lst_WList);
        mListIds.push_back(item.cid);
        if (edit.Chosen().Contains(item.cid)) row->setSelected(true);
        if (item.cid == edit.Selection().Cid()) {
            Lst_WList->setCurrentItem(row, QItemSelectionModel::NoUpdate);
            row->setSelected(true);
        }
    }
    const bool editable = !mHost.Packed();
    for (QWidget* control : std::initializer_list<QWidget*>{Edt_Kuriage_Time, Btn_Kuri_Age, Btn_Kuri_Sage})
        control->setEnabled(editable);
}

void TfrmTimeEdit_01::DayFrameClicked() {
    const Qt::KeyboardModifiers keys = QGuiApplication::keyboardModifiers();
    if (!mListDate || (keys & (Qt::ShiftModifier | Qt::ControlModifier))) return;
    const int row = Lst_WList->currentRow();
    if (row < 0 || row >= static_cast<int>(mListIds.size())) return;
    EditContext& edit = mHost.Edit();
    const TCInf* frame = edit.Working().FrameOn(*mListDate, mListIds[row]);
    if (!frame) return;
    // The list stays as clicked: refilling it under the click would take the item away.
    mSelectingFromList = true;
    edit.ShowResult(*mListDate, mListIds[row], frame->StoredSTime());
    mSelectingFromList = false;
}

void TfrmTimeEdit_01::ShiftClicked(bool earlier) {
    if (!mListDate || mHost.Packed() || !Current()) return;
    std::vector<DayFrameItem> selected;
    const std::vector<DayFrameItem> all = DayFrameList(mHost.Edit().Working(), *mListDate);
    for (int row = 0; row < Lst_WList->count() && row < static_cast<int>(all.size()); ++row)
        if (Lst_WList->item(row)->isSelected()) selected.push_back(all[row]);
    const ShiftOutcome outcome = ShiftFrames(mHost.Edit(), mHost.Messages(), *mListDate, selected,
                                             Edt_Kuriage_Time->text().toStdString(), earlier);
    if (outcome == ShiftOutcome::InvalidMinutes) return Edt_Kuriage_Time->setFocus();
    if (outcome == ShiftOutcome::Shifted) {
        const std::string cid = mHost.Edit().Selection().Cid();
        if (const TCInf* frame = mHost.Edit().Working().FrameOn(*mListDate, cid))
            mHost.Edit().ShowResult(*mListDate, cid, frame->StoredSTime());
        FillDayFrames();
        // The shifted frames stay selected in the list.
        for (int row = 0; row < Lst_WList->count(); ++row)
            for (const DayFrameItem& item : selected)
                if (mListIds[row] == item.cid) Lst_WList->item(row)->setSelected(true);
    }
}

// "Days"

void TfrmTimeEdit_01::FillDays() {
    mHost.StoreView();
    const DesignDays days = ListDesignDays(mHost.Edit().Design().Store());
    QStringList items;
    items.reserve(static_cast<int>(days.items.size()));
    for (const std::string& item : days.items) items.append(QString::fromStdString(item));
    Lst_YList->clear();
    Lst_YList->addItems(items);
    Lbl_MvfCnt->setText(QString::fromStdString(days.countText));
}

void TfrmTimeEdit_01::DayDoubleClicked() {
    const QListWidgetItem* item = Lst_YList->currentItem();
    if (!item) return;
    const std::optional<std::pair<int, int>> monthDay = MonthDayOfItem(item->text().toStdString());
    if (!monthDay) return;
    const int year = mHost.Edit().Working().Context().baseYear;
    if (!IsValidDate(year, monthDay->first, monthDay->second)) return;
    mHost.JumpToDate({year, monthDay->first, monthDay->second});
    mPages->setCurrentIndex(kDays);
}

// "Month"

void TfrmTimeEdit_01::FillMonths() {
    mHost.StoreView();
    const std::array<long long, 12> counts = FramesPerMonth(mHost.Edit().Design().Store());
    Lst_Month->clear();
    long long total = 0;
    for (int month = 1; month <= 12; ++month) {
        Lst_Month->addItem(QString::fromStdString(MonthItemText(month, counts[month - 1])));
        total += counts[month - 1];
    }
    Lbl_MonthMvfCnt->setText(QString::fromStdString(WithThousands(total) + "個"));
    Btn_YList_DeleteMonth->setEnabled(!mHost.Packed());
}

void TfrmTimeEdit_01::DeleteMonthsClicked() {
    std::vector<int> months;
    for (int row = 0; row < Lst_Month->count(); ++row)
        if (Lst_Month->item(row)->isSelected()) months.push_back(row + 1);
    if (months.empty() || mHost.Packed()) return;
    if (DeleteMonths(mHost.Edit(), mHost.Messages(), months)) FillMonths();
}

// "Memo"

void TfrmTimeEdit_01::ShowMemoLine() {
    const QString line = Edt_Memo->toPlainText().isEmpty() ? QString() : Edt_Memo->textCursor().block().text();
    pnlMemoLine->SetLine(line);
    pnlMemoLine->setEnabled(!mHost.Packed());
}

}  // namespace mv
