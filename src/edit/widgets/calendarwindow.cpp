#include "edit/widgets/calendarwindow.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "edit/widgets/calendargrid.h"
#include "edit/widgets/toolwindowkeys.h"
#include "model/codec.h"
#include "model/settings.h"
#include "model/windowplacement.h"
#include "platform/dialogs.h"
#include "view/fonts.h"
#include "view/geometry/yeardates.h"

namespace mv {

namespace {

constexpr int kDetailDoubleClickMs = 500;
constexpr int kGridTextHeight = 13;  // the window's text: 10 points at 96 pixels per inch
constexpr int kDesignWidth = 760, kDesignHeight = 600;

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// A stored choice outside its menu selects the menu's first item.
int Choice(int stored, int count) { return stored >= 0 && stored < count ? stored : 0; }

}  // namespace

TfrmTimeTable_04::TfrmTimeTable_04(QWidget* owner, CalendarHost& host)
    : QWidget(owner, Qt::Tool | Qt::WindowStaysOnTopHint), mHost(host) {
    setObjectName(QStringLiteral("TfrmTimeTable_04"));
    setWindowTitle(QString::fromUtf8((kProgramName + "  Calendar").c_str()));
    const EnvSettings& settings = host.Settings();
    mOptions.dateOnly = settings.CalDateOnly != 0;
    mOptions.withTime = settings.CalTime != 0;
    mOptions.draw3D = settings.CalDraw3D != 0;
    mOptions.fontSizeChoice = Choice(settings.CalFontSize, 3);
    mOptions.fontColourChoice = Choice(settings.CalFontColor, 4);
    mOptions.gridTextHeight = kGridTextHeight;
    mOptions.holidays = &host.HolidayDays();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(BuildTopPanel());
    mGrid = new CalendarGrid(this, mMonth, mOptions);
    layout->addWidget(mGrid, 1);
    BuildMenus();
    layout->setMenuBar(mMenuBar);

    mDetail = new QPlainTextEdit(mGrid);
    mDetail->setObjectName(QStringLiteral("mmMemo"));
    mDetail->setReadOnly(true);
    mDetail->setStyleSheet(QStringLiteral("QPlainTextEdit { background: white; color: black; }"));
    QFont detailFont(GothicFontName());
    detailFont.setPixelSize(kGridTextHeight);
    mDetail->setFont(detailFont);
    mDetail->hide();
    mDetail->installEventFilter(this);
    mDetail->viewport()->installEventFilter(this);

    mGrid->pressed = [this](int index, Qt::MouseButton button) {
        if (mDetail->isVisible()) CloseDetail();
        if (mMoveMode && button == Qt::LeftButton) {
            PickDay(index);
            return;
        }
        SetFocusedIndex(index);
    };
    mGrid->doubleClicked = [this](int index) {
        if (!mMoveMode) OpenDetail(index);
    };
    mGrid->hovered = [this](int index) {
        if (!mMoveMode) return;
        const int previous = mOptions.hoverIndex;
        mOptions.hoverIndex = index;
        mGrid->RepaintCell(previous);
        mGrid->RepaintCell(index);
    };
    mGrid->menuRequested = [this](int index, const QPoint& global) {
        PrepareDayMenu(index);
        (mHost.Packed() ? mPackMenu : mDayMenu)->popup(global);
    };
    mGrid->keyPressed = [this](QKeyEvent* event) { KeyPressed(event); };
    resize(kDesignWidth, kDesignHeight);
}

TfrmTimeTable_04::~TfrmTimeTable_04() = default;

QWidget* TfrmTimeTable_04::BuildTopPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("pnlTop"));
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    palette.setColor(QPalette::WindowText, Qt::white);
    panel->setPalette(palette);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(6, 4, 6, 4);
    auto button = [panel, row](const char* name, const char* caption, const char* hint) {
        auto* b = new QPushButton(U(caption), panel);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(U(hint));
        b->setFixedWidth(30);
        b->setFocusPolicy(Qt::NoFocus);
        row->addWidget(b);
        return b;
    };
    mYearPre = button("Btn_YearPre", "<", "前年");
    auto* year = new QPushButton(U("年"), panel);
    year->setEnabled(false);
    year->setFixedWidth(30);
    row->addWidget(year);
    mYearNext = button("Btn_YearNext", ">", "翌年");
    row->addSpacing(12);
    QPushButton* monthPre = button("Btn_MonthPre", "<", "前月");
    QPushButton* refresh = button("Btn_Refresh", "*", "最新状態を表示");
    QPushButton* monthNext = button("Btn_MonthNext", ">", "翌月");
    row->addSpacing(16);
    mTitle = new QLabel(panel);
    mTitle->setObjectName(QStringLiteral("pnlYYYYMM"));
    QFont titleFont = mTitle->font();
    titleFont.setBold(true);
    titleFont.setPixelSize(18);
    mTitle->setFont(titleFont);
    row->addWidget(mTitle, 1);
    connect(mYearPre, &QPushButton::clicked, this, [this] { StepMonth(-12); });
    connect(mYearNext, &QPushButton::clicked, this, [this] { StepMonth(12); });
    connect(monthPre, &QPushButton::clicked, this, [this] { StepMonth(-1); });
    connect(monthNext, &QPushButton::clicked, this, [this] { StepMonth(1); });
    connect(refresh, &QPushButton::clicked, this, [this] {
        if (mMonth.Built()) BuildMonth(mMonth.FirstDay(), false);
    });
    return panel;
}

void TfrmTimeTable_04::BuildMenus() {
    mMenuBar = new QMenuBar(this);
    QMenu* file = mMenuBar->addMenu(U("File(&F)"));
    connect(file->addAction(U("終了")), &QAction::triggered, this, [this] { close(); });

    QMenu* option = mMenuBar->addMenu(U("Option(&O)"));
    auto toggle = [this, option](const char* name, const char* caption, bool on) {
        QAction* action = option->addAction(U(caption));
        action->setObjectName(QString::fromLatin1(name));
        action->setCheckable(true);
        action->setChecked(on);
        connect(action, &QAction::toggled, this, [this] { OptionsChanged(); });
        return action;
    };
    mDateOnly = toggle("Mn_DateOnly", "1. 日付のみ表示", mOptions.dateOnly);
    mTime = toggle("Mn_Time", "2. 時刻有り", mOptions.withTime);
    mDraw3D = toggle("Mn_Draw3D", "3. ３Ｄ表示", mOptions.draw3D);
    option->addSeparator();
    auto radios = [this, option](const char* caption, std::initializer_list<std::pair<const char*, const char*>> items,
                                 int checked) {
        QMenu* sub = option->addMenu(U(caption));
        auto* group = new QActionGroup(sub);
        std::vector<QAction*> actions;
        for (const auto& [name, text] : items) {
            QAction* action = sub->addAction(U(text));
            action->setObjectName(QString::fromLatin1(name));
            action->setCheckable(true);
            group->addAction(action);
            actions.push_back(action);
        }
        actions[checked]->setChecked(true);
        connect(group, &QActionGroup::triggered, this, [this] { OptionsChanged(); });
        return actions;
    };
    mDetailSizes = radios("4. 内容表示 - 大きさ",
                          {{"Mn_DetailStd", "1. 標準"}, {"Mn_DetailBig", "2. 大"}, {"Mn_DetailSml", "3, 小"}},
                          Choice(mHost.Settings().CalDetailSize, 3));
    mFontSizes = radios("5. 内容表示 - ﾌｫﾝﾄｻｲｽﾞ", {{"Mn_FontStd", "1. 標準"}, {"Mn_FontBig", "2. 大"}, {"Mn_FontSml", "3. 小"}},
                        mOptions.fontSizeChoice);
    mFontColours = radios("6. 内容表示 - ﾌｫﾝﾄ色",
                          {{"Mn_FontBlack", "1. 黒色"}, {"Mn_FontWhite", "2. 白色"}, {"Mn_FontBlue", "3. 青色"},
                           {"Mn_FontYellow", "4. 黄色"}},
                          mOptions.fontColourChoice);

    QMenu* print = mMenuBar->addMenu(U("Print(&P)"));
    QAction* printMonth = print->addAction(U("1. 印刷を行なう"));
    printMonth->setObjectName(QStringLiteral("Mn_Print"));
    connect(printMonth, &QAction::triggered, this, [this] { PrintMonth(); });

    // The month and year steps, for the keyboard as well as the buttons.
    auto step = [this](const char* caption, QKeySequence key, int months) {
        auto* action = new QAction(U(caption), this);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, months] {
            if (!mMoveMode || (months != 12 && months != -12)) StepMonth(months);
        });
        addAction(action);
    };
    // Page Up and Down without Ctrl reach the grid as keys (see event()).
    step("<<", QKeySequence(Qt::CTRL | Qt::Key_PageUp), -12);
    step("前月", QKeySequence(), -1);
    step("翌月", QKeySequence(), 1);
    step(">>", QKeySequence(Qt::CTRL | Qt::Key_PageDown), 12);

    mDayMenu = new QMenu(this);
    mDayMenu->setObjectName(QStringLiteral("PMenu"));
    mStartDate = mDayMenu->addAction(U("1. 表示開始日にする"));
    mStartDate->setObjectName(QStringLiteral("Pm_StartDate"));
    connect(mStartDate, &QAction::triggered, this, [this] {
        if (mMenuIndex >= 0) mHost.MakeStartDate(mMonth.At(mMenuIndex).date);
    });
    mStop = mDayMenu->addAction(U("1. 処理を中止する"));
    mStop->setObjectName(QStringLiteral("Pm_Stop"));
    connect(mStop, &QAction::triggered, this, [this] { EndMoveMode(); });
    mDayMenu->addSeparator();
    const char* names[] = {"Pm_DateSelMin", "Pm_DateSelMax", "Pm_DateSelClear", "Pm_DateSelMove", "Pm_DateSelCopy",
                           "Pm_DateSelDelete"};
    for (int i = 0; i < 6; ++i) {
        if (i == 3) mDayMenu->addSeparator();
        QAction* action = mDayMenu->addAction(QString());
        action->setObjectName(QString::fromLatin1(names[i]));
        mRangeItems.push_back(action);
    }
    connect(mRangeItems[0], &QAction::triggered, this, [this] { RangeItem(0); });
    connect(mRangeItems[1], &QAction::triggered, this, [this] { RangeItem(1); });
    connect(mRangeItems[2], &QAction::triggered, this, [this] { RangeItem(2); });
    connect(mRangeItems[3], &QAction::triggered, this, [this] { RangeOperationItem(RangeOperation::Move); });
    connect(mRangeItems[4], &QAction::triggered, this, [this] { RangeOperationItem(RangeOperation::Copy); });
    connect(mRangeItems[5], &QAction::triggered, this, [this] { RangeOperationItem(RangeOperation::Delete); });

    mPackMenu = new QMenu(this);
    mPackMenu->setObjectName(QStringLiteral("PMenuPack"));
    connect(mPackMenu->addAction(U("1. 表示開始日にする")), &QAction::triggered, this, [this] {
        if (mMenuIndex >= 0) mHost.MakeStartDate(mMonth.At(mMenuIndex).date);
    });
}

void TfrmTimeTable_04::PrepareDayMenu(int index) {
    mMenuIndex = index;
    mStop->setVisible(mMoveMode);
    mStartDate->setVisible(!mMoveMode);
    for (QAction* action : mRangeItems) action->setVisible(!mMoveMode);
    if (mMoveMode) return;
    // The items read and enable as the date header's do, numbered one further down.
    const RangeMenuState state = DateRangeMenuState(mHost.Edit().Range());
    mRangeItems[0]->setText(QStringLiteral("2. ") + QString::fromStdString(state.first));
    mRangeItems[1]->setText(QStringLiteral("3. ") + QString::fromStdString(state.fix));
    mRangeItems[2]->setText(U("4. 解除"));
    mRangeItems[3]->setText(U("5. 移動"));
    mRangeItems[4]->setText(U("6. 複写"));
    mRangeItems[5]->setText(U("7. 削除"));
    mRangeItems[0]->setEnabled(state.firstEnabled);
    mRangeItems[1]->setEnabled(true);
    mRangeItems[2]->setEnabled(true);
    mRangeItems[3]->setEnabled(state.rangeEnabled);
    mRangeItems[4]->setEnabled(state.rangeEnabled);
    mRangeItems[5]->setEnabled(true);
}

void TfrmTimeTable_04::OpenAt(const Date& date) {
    if (!mShownOnce) BuildMonth(date, true);
    show();
    raise();
    activateWindow();
    mGrid->setFocus();
}

void TfrmTimeTable_04::StartMoveMode(bool copy, const Date& sourceDate, const std::string& cid) {
    mMoveMode = true;
    mMoveCopy = copy;
    mMoveCid = cid;
    mOptions.moveMode = true;
    mOptions.moveCopy = copy;
    mOptions.moveSource = sourceDate;
    mOptions.hoverIndex = -1;
    mYearPre->setEnabled(false);
    mYearNext->setEnabled(false);
    if (!mShownOnce) BuildMonth(sourceDate, true);
    mHost.Edit().Range().Clear();
    SyncRange();
    mGrid->setCursor(Qt::DragMoveCursor);
    show();
    raise();
    activateWindow();
    mGrid->setFocus();
}

void TfrmTimeTable_04::EndMoveMode() {
    if (!mMoveMode) return;
    mMoveMode = false;
    mOptions.moveMode = false;
    mOptions.hoverIndex = -1;
    mYearPre->setEnabled(true);
    mYearNext->setEnabled(true);
    mGrid->unsetCursor();
    Repaint();
}

bool TfrmTimeTable_04::PickDay(int index) {
    if (!mMoveMode || index < 0) return false;
    const CalendarPick pick{mOptions.moveSource, mMoveCid, mMonth.At(index).date, mMoveCopy};
    if (!TransferToPickedDate(mHost.Edit(), mHost.Messages(), mHost.FrameIds(), pick)) return false;
    EndMoveMode();
    if (mMonth.Built()) BuildMonth(mMonth.FirstDay(), false);
    return true;
}

void TfrmTimeTable_04::BuildMonth(const Date& date, bool select) {
    CloseDetail();
    mMonth.Build(date);
    mOptions.focusedIndex = select ? mMonth.IndexOf(date) : -1;
    mGrid->UpdateGeometry();
    mTitle->setText(QString::fromStdString(ToUtf8(MonthTitle(mMonth.FirstDay()))));
    if (!mOptions.dateOnly) LoadContents();
    Repaint();
}

void TfrmTimeTable_04::LoadContents() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    mHost.StoreView();
    EditContext& edit = mHost.Edit();
    mMonth.LoadContents(edit.Design().Store(), edit.Working().Context(), mHost.Settings().Cmb_TitleLoc == 1);
    QGuiApplication::restoreOverrideCursor();
}

void TfrmTimeTable_04::StepMonth(int months) {
    if (!mMonth.Built()) return;
    const int serial = mMonth.FirstDay().year * 12 + (mMonth.FirstDay().month - 1) + months;
    if (serial / 12 < 1 || serial / 12 > 9999) return;
    BuildMonth(Date{serial / 12, serial % 12 + 1, 1}, false);
}

void TfrmTimeTable_04::SetFocusedIndex(int index) {
    const int previous = mOptions.focusedIndex;
    mOptions.focusedIndex = index;
    mGrid->RepaintCell(previous);
    mGrid->RepaintCell(index);
}

void TfrmTimeTable_04::Repaint() {
    mOptions.baseYear = mHost.Edit().Working().Context().baseYear;
    mGrid->update();
}

void TfrmTimeTable_04::KeyPressed(QKeyEvent* event) {
    const int cells = mMonth.WeekRows() * kCalendarColumns;
    int focus = mOptions.focusedIndex;
    switch (event->key()) {
    case Qt::Key_Escape:
        if (!mMoveMode) return;
        EndMoveMode();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (mMoveMode) PickDay(focus);
        else if (focus >= 0) OpenDetail(focus);
        break;
    case Qt::Key_PageUp: StepMonth(-1); break;
    case Qt::Key_PageDown: StepMonth(1); break;
    case Qt::Key_Left: focus = focus < 0 ? 0 : std::max(0, focus - 1); break;
    case Qt::Key_Right: focus = focus < 0 ? 0 : std::min(cells - 1, focus + 1); break;
    case Qt::Key_Up: focus = focus < 0 ? 0 : focus >= kCalendarColumns ? focus - kCalendarColumns : focus; break;
    case Qt::Key_Down: focus = focus < 0 ? 0 : focus + kCalendarColumns < cells ? focus + kCalendarColumns : focus; break;
    case Qt::Key_Menu:
        if (focus >= 0) {
            PrepareDayMenu(focus);
            (mHost.Packed() ? mPackMenu : mDayMenu)->popup(mGrid->mapToGlobal(mGrid->CellRect(focus).center()));
        }
        break;
    default: return;
    }
    event->accept();
    if (focus != mOptions.focusedIndex) {
        SetFocusedIndex(focus);
        if (mMoveMode) mGrid->hovered(focus);
    }
}

void TfrmTimeTable_04::OpenDetail(int index) {
    if (index < 0 || !mMonth.Built()) return;
    if (!mMonth.ContentsLoaded()) LoadContents();
    SetFocusedIndex(index);
    const auto box = DayDetailBox(mOptions.grid, mGrid->width(), mGrid->height(), index % kCalendarColumns,
                                  index / kCalendarColumns, Choice(mHost.Settings().CalDetailSize, 3));
    mDetail->setGeometry(box.left, box.top, box.width, box.height);
    QString text = QString::fromStdString(ToUtf8(DayDetailText(mMonth.At(index))));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    mDetail->setPlainText(text);
    mDetail->show();
    mDetail->raise();
    mDetail->setFocus();
    mDetailClick.invalidate();
}

void TfrmTimeTable_04::CloseDetail() {
    if (!mDetail || !mDetail->isVisible()) return;
    mDetail->hide();
    mGrid->setFocus();
}

bool TfrmTimeTable_04::eventFilter(QObject* watched, QEvent* event) {
    if (watched != mDetail && watched != mDetail->viewport()) return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            CloseDetail();
            return true;
        }
        return false;
    }
    case QEvent::FocusOut:
        // Leaving the box closes it; a context menu of its own does not count as leaving.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) mDetail->hide();
        return false;
    case QEvent::MouseButtonDblClick:
        CloseDetail();
        return true;
    case QEvent::MouseButtonPress:
        if (mDetailClick.isValid() && mDetailClick.elapsed() < kDetailDoubleClickMs) {
            CloseDetail();
            return true;
        }
        mDetailClick.start();
        return false;
    default: return false;
    }
}

void TfrmTimeTable_04::RangeItem(int item) {
    if (mMenuIndex < 0) return;
    DateRange& range = mHost.Edit().Range();
    // The range is one of the design's days, as on the date header.
    const Date day = RebaseIntoYear(mMonth.At(mMenuIndex).date, mHost.Edit().Working().Context().baseYear);
    if (item == 0) CalendarRangeStart(range, day);
    else if (item == 1) CalendarRangeFix(range, day);
    else range.Clear();
    SyncRange();
}

void TfrmTimeTable_04::RangeOperationItem(RangeOperation operation) {
    if (mMenuIndex < 0) return;
    CalendarRangeOperation(mHost.Edit(), mHost.Messages(), mHost.FrameIds(), mMonth.At(mMenuIndex).date, operation);
    SyncRange();
    if (mMonth.Built()) BuildMonth(mMonth.FirstDay(), false);
}

void TfrmTimeTable_04::SyncRange() {
    // The design window shows the range on its date header and hands it back here.
    mHost.RangeChanged();
    ShowRange();
}

void TfrmTimeTable_04::ShowRange() {
    const DateRange& range = mHost.Edit().Range();
    const bool any = range.CurrentState() != DateRange::None && range.First() != Date{};
    mOptions.rangeFirst = any ? range.First() : Date{};
    mOptions.rangeLast = any ? range.Last() : Date{};
    Repaint();
}

void TfrmTimeTable_04::DatesChanged(const std::vector<Date>& dates) {
    if (!mMonth.Built() || !isVisible()) return;
    EditContext& edit = mHost.Edit();
    WorkingSet& working = edit.Working();
    // Only the edited days are stored and read again: the rest of the month is as it was.
    if (working.CommitAllowed())
        for (const Date& date : dates) working.StoreDay(date);
    if (!mMonth.ReloadDates(dates, edit.Design().Store(), working.Context(), mHost.Settings().Cmb_TitleLoc == 1)) return;
    // Only the cells of the edited days are painted again.
    for (int index = 0; index < mMonth.WeekRows() * kCalendarColumns; ++index) {
        const Date& shown = mMonth.At(index).date;
        for (const Date& date : dates)
            if (date.month == shown.month && date.day == shown.day) mGrid->RepaintCell(index);
    }
}

void TfrmTimeTable_04::DesignLoaded() {
    if (mMonth.Built()) BuildMonth(mMonth.FirstDay(), false);
}

void TfrmTimeTable_04::PrintMonth() {
    if (!mMonth.Built()) return;
    if (!mMonth.ContentsLoaded()) LoadContents();
    mHost.PrintGrid(MonthPrintGrid(mMonth, mHost.HolidayDays(), mOptions.fontColourChoice), MonthTitle(mMonth.FirstDay()));
}

void TfrmTimeTable_04::OptionsChanged() {
    auto checkedIndex = [](const std::vector<QAction*>& actions) {
        for (std::size_t i = 0; i < actions.size(); ++i)
            if (actions[i]->isChecked()) return static_cast<int>(i);
        return 0;
    };
    mOptions.dateOnly = mDateOnly->isChecked();
    mOptions.withTime = mTime->isChecked();
    mOptions.draw3D = mDraw3D->isChecked();
    mOptions.fontSizeChoice = checkedIndex(mFontSizes);
    mOptions.fontColourChoice = checkedIndex(mFontColours);
    mHost.Settings().CalDetailSize = checkedIndex(mDetailSizes);
    if (!mOptions.dateOnly && mMonth.Built() && !mMonth.ContentsLoaded()) LoadContents();
    StoreSettings();
    Repaint();
}

void TfrmTimeTable_04::StoreSettings() {
    EnvSettings& settings = mHost.Settings();
    settings.CalDateOnly = mOptions.dateOnly ? 1 : 0;
    settings.CalTime = mOptions.withTime ? 1 : 0;
    settings.CalDraw3D = mOptions.draw3D ? 1 : 0;
    settings.CalFontSize = mOptions.fontSizeChoice;
    settings.CalFontColor = mOptions.fontColourChoice;
    if (mPlaced) {
        const QRect g = geometry();
        settings.FPS_TimeTable_04 = {g.y(), g.x(), g.width(), g.height()};
    }
}

void TfrmTimeTable_04::showEvent(QShowEvent* event) {
    if (!mPlaced) {
        mPlaced = true;
        const EnvSettings& settings = mHost.Settings();
        if (settings.FPS_TimeTable_04.width > 0) {
            const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
            const Rect placed = PlaceWindow(settings.FPS_TimeTable_04, screen.width(), screen.height(), width(), height());
            setGeometry(placed.left, placed.top, placed.width, placed.height);
        } else if (parentWidget()) {
            const QRect owner = parentWidget()->frameGeometry();
            move(owner.left() + std::max(0, (owner.width() - width()) / 2), owner.top() + std::max(0, (owner.height() - height()) / 2));
        }
    }
    // What changed while the window was hidden shows when it comes back.
    if (mShownOnce && mMonth.Built() && !mOptions.dateOnly) LoadContents();
    mShownOnce = true;
    SyncRange();
    QWidget::showEvent(event);
}

bool TfrmTimeTable_04::event(QEvent* event) { return KeepPlainKeys(event) || QWidget::event(event); }

void TfrmTimeTable_04::closeEvent(QCloseEvent* event) {
    CloseDetail();
    EndMoveMode();
    StoreSettings();
    QWidget::closeEvent(event);
}

}  // namespace mv
