#include "app/window/timetablewindow.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>

#include "app/window/blockactions.h"
#include "app/window/csvactions.h"
#include "app/window/environmentactions.h"
#include "app/window/helpactions.h"
#include "app/window/dateheaderrange.h"
#include "app/window/datestrip.h"
#include "app/window/htmlactions.h"
#include "app/window/icalactions.h"
#include "app/window/picturepointer.h"
#include "app/window/printactions.h"
#include "edit/widgets/fieldeditor.h"
#include "edit/widgets/framemenu.h"
#include "edit/widgets/memoline.h"
#include "platform/qtclipboard.h"
#include "edit/widgets/movepreview.h"
#include "app/window/toolpanel.h"
#include "edit/undocommands.h"
#include "model/codec.h"
#include "model/windowplacement.h"
#include "view/geometry/displaytype.h"
#include "view/fonts.h"
#include "view/timetableview.h"

namespace mv {

namespace {

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

const char* const kHorizontalCaptions[] = {"横：100", "横：Fit"};
const char* const kVerticalCaptions[] = {"縦：100", "縦：Fit", "縦：50", "縦：70"};

}  // namespace

TfrmTimeTable_01::TfrmTimeTable_01(Host& host, Dialogs& dialogs, FileChooser& files,
                                   std::filesystem::path settingsPath, std::string parameter)
    : mSession(host, dialogs, files, std::move(settingsPath)), mParameter(std::move(parameter)) {
    setObjectName(QStringLiteral("TfrmTimeTable_01"));
    setAcceptDrops(true);
    mSession.SetListener(this);
    mSession.Create();
    mHolidays = mSession.Settings().Holidays();

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    mTools = new ToolPanel(central);
    mView = new TimetableView(central);
    column->addWidget(mTools);
    mStrip = new DateStrip(central);
    column->addWidget(mView, 1);
    column->addWidget(mStrip);
    setCentralWidget(central);
    mNavigation = std::make_unique<DateNavigation>(*this, *mTools, *mView, *mStrip);
    setStyleSheet(QStringLiteral("QMainWindow { background: #c0c0c0; }"));

    BuildMenus();
    ConnectTools();
    mMyTimer.setSingleShot(true);
    mMyTimer.setInterval(500);
    mSaveTimer.setInterval(700);
    mScrBarTimer.setInterval(100);
    connect(&mMyTimer, &QTimer::timeout, this, [this] { MyTimerTimer(); });
    connect(&mSaveTimer, &QTimer::timeout, this, [this] { SaveTimerTimer(); });
    connect(&mScrBarTimer, &QTimer::timeout, this, [this] { UpdateClock(); });
    mTranTimer.setInterval(kPollIntervalMs);
    connect(&mTranTimer, &QTimer::timeout, this, [this] { TranTimerTimer(); });
    // A window manager may resize the window more than once (placing, maximising) after
    // the first layout; the layout follows once the size has stopped changing.
    mSizeSettleTimer.setSingleShot(true);
    mSizeSettleTimer.setInterval(150);
    connect(&mSizeSettleTimer, &QTimer::timeout, this, [this] { WindowSizeSettled(); });

    mEdit = std::make_unique<EditContext>(mSession.Design(), mSession.Working(), mSession.History(), *this,
                                          &mSession.Sharing());
    mController = std::make_unique<EditController>(*mEdit, mDesignView, mSession.DialogsRef(), mSession.Ids());
    mMovePreview = new MovePreview(mView->Pic());
    mProgress = new QLabel(mView);
    mProgress->setObjectName(QStringLiteral("pnlProgress"));
    mProgress->setStyleSheet(QStringLiteral("background: #ffffe0; border: 1px solid black;"));
    mProgress->hide();
    new PicturePointer(*mView->Pic(), *mController, [this](bool press) {
        // A press on the picture ends typing into a title, and a range still being picked.
        if (press && mTitleEditor && mTitleEditor->isVisible()) mTitleEditor->Close();
        if (press && mEdit->Range().CurrentState() == DateRange::Selecting) {
            mEdit->Range().Clear();
            RangeChanged();
        }
        UpdatePointerOptions();
    });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { EscapePressed(); });
    auto* remove = new QShortcut(QKeySequence(Qt::Key_Delete), this);
    connect(remove, &QShortcut::activated, this, [this] {
        UpdatePointerOptions();
        if (!IsBusy()) mController->DeleteKey();
    });
    auto* copyKey = new QShortcut(QKeySequence::Copy, this);
    connect(copyKey, &QShortcut::activated, this, [this] { CopyKey(); });
    auto* pasteKey = new QShortcut(QKeySequence::Paste, this);
    connect(pasteKey, &QShortcut::activated, this, [this] { PasteKey(); });
    // Enter types into the selected title, as a double-click on it does.
    for (int key : {int(Qt::Key_Return), int(Qt::Key_Enter)}) {
        auto* enter = new QShortcut(QKeySequence(key), this);
        connect(enter, &QShortcut::activated, this, [this] {
            const EditSelection& selection = mEdit->Selection();
            const int field = selection.Field(mSession.Working());
            if (IsBusy() || mSession.View().editKind == 1 || field < 0 || mTitleEditor->isVisible()) return;
            EditFieldInPlace(selection.SelectedDate(), selection.Cid(), field);
        });
    }
    mBlocks = std::make_unique<BlockActions>(*this, std::make_unique<QtClipboard>());
    mCsv = std::make_unique<CsvActions>(*this);
    mHtml = std::make_unique<HtmlActions>(*this);
    mIcal = std::make_unique<IcalActions>(*this);
    mSession.SetCsvOpener(mCsv.get());
    mHelp = new HelpActions(*this, *menuBar()->findChild<QMenu*>(QStringLiteral("Mn_Help")));
    mEnvironment = new EnvironmentActions(*this);
    FrameMenuHooks hooks;
    hooks.backToEditing = [this] { SetEditKind(0); };
    hooks.showProperties = [this] { OpenPropertiesFromMenu(); };
    hooks.clipboardHoldsBlock = [this] { return mBlocks->ClipboardHoldsBlock(); };
    hooks.readClipboard = [this] { mBlocks->ReadClipboard(PressedDate()); };
    hooks.clearClipboard = [this] { mBlocks->ClearClipboard(); };
    hooks.putOnClipboard = [this] { mBlocks->PutChosen(); };
    hooks.showLoadWindow = [this] { mBlocks->ShowLoadWindow(); };
    hooks.saveAsFile = [this] { mBlocks->SaveChosen(); };
    hooks.byCalendar = [this](bool copy) {
        const EditSelection& selection = mEdit->Selection();
        if (!selection.Empty()) mCalendar->StartMoveMode(copy, selection.SelectedDate(), selection.Cid());
    };
    mFrameMenu = new FrameMenu(this, *mController, *mEdit, std::move(hooks));
    mProperties = new TfrmTimeEdit_01(this, *this);
    mCalendar = new TfrmTimeTable_04(this, *this);
    mHeaderRange = new DateHeaderRange(*this, *mView->FixedTop());
    mTitleEditor = new FieldEditor(mView->Pic());
    mTitleEditor->onChanged = [this](const QString& text) { TitleEditorChanged(text); };
    mTitleEditor->onLeft = [this] { TitleEditorLeft(); };
    mView->Pic()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(mView->Pic(), &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        UpdatePointerOptions();
        if (!IsBusy()) mFrameMenu->Popup(mView->Pic()->mapToGlobal(at));
    });
    QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    resize(screen.width() * 2 / 3, screen.height() * 2 / 3);
    SelectListsFromState();
    setWindowTitle(Text(mSession.Caption()));
}

TfrmTimeTable_01::~TfrmTimeTable_01() = default;

void TfrmTimeTable_01::BuildMenus() {
    auto item = [](QMenu* menu, const char* name, const char* caption, bool enabled = true) {
        QAction* action = menu->addAction(QString::fromUtf8(caption));
        action->setObjectName(QString::fromLatin1(name));
        action->setEnabled(enabled);
        return action;
    };
    mFileMenu = menuBar()->addMenu(QStringLiteral("File(&F)"));
    mFileMenu->setObjectName(QStringLiteral("Mn_File"));
    connect(item(mFileMenu, "Mn_Mvf_Open", "1. デザインファイルを開く (&O)"), &QAction::triggered, this,
            [this] { mSession.OpenCommand(); });
    connect(item(mFileMenu, "Mn_Mvf_OverWrite", "2. 上書き保存する (&S)"), &QAction::triggered, this,
            [this] { mSession.SaveCommand(false); });
    connect(item(mFileMenu, "Mn_Mvf_SaveNew", "3. 名前を付けて保存する (&A)"), &QAction::triggered, this,
            [this] { mSession.SaveAsCommand(); });
    connect(item(mFileMenu, "Mn_Mvf_Create", "4. 新しい空のデザインファイルを作成する (&I)"), &QAction::triggered,
            this, [this] { mSession.CreateCommand(); });
    mFileMenu->addSeparator();
    connect(item(mFileMenu, "Mn_Close", "5. 終了する (&X)"), &QAction::triggered, this, [this] { close(); });

    QMenu* edit = menuBar()->addMenu(QStringLiteral("Edit(&E)"));
    edit->setObjectName(QStringLiteral("Mn_Edit"));
    mUndo = item(edit, "Mn_Undo", "元に戻す", false);
    mUndo->setShortcut(QKeySequence::Undo);
    connect(mUndo, &QAction::triggered, this, [this] { Mn_UndoClick(); });
    mRedo = item(edit, "Mn_Redo", "やり直す", false);
    mRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(mRedo, &QAction::triggered, this, [this] { Mn_RedoClick(); });

    mOptionMenu = menuBar()->addMenu(QStringLiteral("Option(&O)"));
    mOptionMenu->setObjectName(QStringLiteral("Mn_Option"));
    item(mOptionMenu, "Mn_Env", "1. 動作環境の定義を行う (&D)", false);
    QMenu* imExport = mOptionMenu->addMenu(QStringLiteral("2. Import / Export (&I)"));
    imExport->setObjectName(QStringLiteral("Mn_ImExport"));
    connect(item(imExport, "Mn_Import", "1. インポートを行う (I)"), &QAction::triggered, this,
            [this] { mCsv->OpenGrid(true); });
    connect(item(imExport, "Mn_Export", "2. エキスポートを行う (E)"), &QAction::triggered, this,
            [this] { mCsv->OpenGrid(false); });
    connect(item(imExport, "Mn_IcsExport", "3. iCalendar 形式で書き出す"), &QAction::triggered, this,
            [this] { mIcal->Mn_IcsExportClick(); });
    connect(item(imExport, "Mn_IcsImport", "4. iCalendar を読み込む"), &QAction::triggered, this,
            [this] { mIcal->Mn_IcsImportClick(); });
    mDragScroll = item(mOptionMenu, "Mn_DragScroll", "3. Mouse.Drag で画面 ｽｸﾛｰﾙ( S)");
    mDateScroll = item(mOptionMenu, "Mn_DateScroll", "x. Mouse.Drag で日付 ｽｸﾛｰﾙ( H)");
    mShowProperty = item(mOptionMenu, "Mn_ShowProperty", "x. Double.Click でﾌﾟﾛﾊﾟﾃｨ表示 (&P)");
    for (QAction* toggle : {mDragScroll, mDateScroll, mShowProperty}) toggle->setCheckable(true);
    mDateScroll->setVisible(false);
    mShowProperty->setVisible(false);
    mDragScroll->setChecked(mSession.Settings().Mnx_DragScroll);
    mShowProperty->setChecked(mSession.Settings().Mnx_ShowProperty);

    mPrintMenu = menuBar()->addMenu(QStringLiteral("Print(&P)"));
    mPrintMenu->setObjectName(QStringLiteral("Mn_PrintMenu"));
    connect(item(mPrintMenu, "Mn_Print", "1. 印刷を行う (&P)"), &QAction::triggered, this,
            [this] { PrintTimetable(this, mSession, MeasureWindow()); });
    item(mPrintMenu, "Mn_PrintSetting", "2. 印刷・HTMLの条件設定 (&C)", false);
    connect(item(mPrintMenu, "Mn_HtmlSave", "3. HTML 形式で保存する (&S)"), &QAction::triggered, this,
            [this] { mHtml->Mn_HtmlSaveClick(); });
    connect(item(mPrintMenu, "Mn_HtmlExec", "4. HTML 形式で起動する (&E)"), &QAction::triggered, this,
            [this] { mHtml->Mn_HtmlExecClick(); });

    QMenu* share = menuBar()->addMenu(QStringLiteral("Share(&S)"));
    share->setObjectName(QStringLiteral("Mn_Share"));
    mShareMode = item(share, "Mn_ShareMode", "1. ﾃﾞｻﾞｲﾝﾌｧｲﾙ を共有する");
    mShareMode->setCheckable(true);
    mShareMode->setChecked(mSession.SharedModeOn());
    connect(mShareMode, &QAction::triggered, this, [this] {
        mSession.Sharing().SwitchModeCommand();
        mShareMode->setChecked(mSession.SharedModeOn());
        DesignStateChanged();
    });
    mShareReRead = item(share, "Mn_ShareReRead", "2. 最新の ﾃﾞｻﾞｲﾝﾌｧｲﾙ を読み込む", false);
    connect(mShareReRead, &QAction::triggered, this, [this] { mSession.Sharing().ReReadCommand(); });

    QMenu* help = menuBar()->addMenu(QStringLiteral("Help(&H)"));
    help->setObjectName(QStringLiteral("Mn_Help"));
    const char* helpItems[][2] = {{"Mn_Help_Marovelantis", "1. マロベランティスについて "},
                                  {"Mn_Help_Begin", "2. 始めに"},
                                  {"Mn_Help_Guide1", "3. ガイド１ (簡単な使い方)"},
                                  {"Mn_Help_Guide2", "4. ガイド２ (デザインウィンドウ)"},
                                  {"Mn_Help_Guide3", "5. ガイド３ (プロパティウィンドウ)"},
                                  {"Mn_Help_Guide4", "6. ガイド４ (カレンダーウィンドウ)"},
                                  {"Mn_Help_Import", "7. データのインポートについて"},
                                  {"Mn_Help_Export", "8. データのエキスポートについて"},
                                  {"Mn_Help_Import_Easy", "9. データの簡易インポートについて"},
                                  {"Mn_Help_History", "10. 改版履歴"}};
    for (auto& help_item : helpItems) item(help, help_item[0], help_item[1], false);

    mToday = new QLabel(this);
    mToday->setObjectName(QStringLiteral("Mn_Today"));
    menuBar()->setCornerWidget(mToday, Qt::TopRightCorner);
}

void TfrmTimeTable_01::ConnectTools() {
    ToolPanel* t = mTools;
    connect(t->TypeButtons, &QButtonGroup::idClicked, this, [this](int id) { SetDisplayType(TypeOfRadioButton(id)); });
    connect(t->Btn_DRate, &QPushButton::clicked, this, [this] {
        mSession.View().scale.horizontal = (mSession.View().scale.horizontal + 1) % 2;
        RefreshLayout();
    });
    connect(t->Btn_TRate, &QPushButton::clicked, this, [this] {
        mSession.View().scale.vertical = (mSession.View().scale.vertical + 1) % 4;
        RefreshLayout();
        ScrollToEarliestOrSelected();
    });
    connect(t->Cmb_DateW, &QComboBox::activated, this, [this](int index) {
        mSession.View().scale.dateWidthIndex = index;
        mSession.View().scale.horizontal = kHorz100;
        RefreshLayout();
    });
    connect(t->Cmb_TimeH, &QComboBox::activated, this, [this](int index) {
        mSession.View().scale.timeHeightIndex = index;
        mSession.View().scale.vertical = kVert100;
        RefreshLayout();
        ScrollToEarliestOrSelected();
    });
    auto stepList = [this](QComboBox* list, int delta) {
        int index = list->currentIndex() + delta;
        if (index < 0 || index >= list->count()) return;
        list->setEnabled(false);
        list->setCurrentIndex(index);
        emit list->activated(index);
        list->setEnabled(true);
    };
    connect(t->Btn_DateW_Dw, &QPushButton::clicked, this, [=] { stepList(t->Cmb_DateW, -1); });
    connect(t->Btn_DateW_Up, &QPushButton::clicked, this, [=] { stepList(t->Cmb_DateW, +1); });
    connect(t->Btn_TimeH_Dw, &QPushButton::clicked, this, [=] { stepList(t->Cmb_TimeH, -1); });
    connect(t->Btn_TimeH_Up, &QPushButton::clicked, this, [=] { stepList(t->Cmb_TimeH, +1); });
    auto displayChecks = [this] {
        if (!mSession.IsShown()) return;
        mSession.View().timeDisplay = mTools->Chk_TimeDisp->isChecked();
        mSession.View().dateDisplay = mTools->Chk_DateDisp->isChecked();
        Redraw();
    };
    connect(t->Chk_TimeDisp, &QCheckBox::toggled, this, displayChecks);
    connect(t->Chk_DateDisp, &QCheckBox::toggled, this, displayChecks);
    connect(t->Cmb_MoveMM, &QComboBox::activated, this, [this](int index) {
        if (!mProgramChangesLists) mSession.ChangeMinuteStep(index);
    });
    connect(t->Cmb_BaseYYYY, &QComboBox::activated, this, [this](int index) {
        if (!mProgramChangesLists) mSession.ChangeBaseYear(index);
    });
    connect(t->Btn_Open, &QPushButton::clicked, this, [this] { mSession.OpenCommand(); });
    connect(t->Btn_Save, &QPushButton::clicked, this, [this] { mSession.SaveCommand(false); });
    connect(t->Btn_EditKind, &QPushButton::clicked, this, [this] { SetEditKind(mSession.View().editKind == 1 ? 0 : 1); });
    connect(t->Btn_Calendar, &QPushButton::clicked, this, [this] { OpenCalendar(); });
}

void TfrmTimeTable_01::SelectListsFromState() {
    mProgramChangesLists = true;
    const ViewState& view = mSession.View();
    if (auto* button = mTools->TypeButtons->button(RadioButtonOfType(view.displayType))) button->setChecked(true);
    mTools->Cmb_Edit_Type->setCurrentIndex(view.displayType);
    mTools->Cmb_DateW->setCurrentIndex(view.scale.dateWidthIndex);
    mTools->Cmb_TimeH->setCurrentIndex(view.scale.timeHeightIndex);
    mTools->Chk_TimeDisp->setChecked(view.timeDisplay);
    mTools->Chk_DateDisp->setChecked(view.dateDisplay);
    mTools->Cmb_BaseYYYY->setCurrentIndex(mSession.Design().BaseYearIndex());
    mTools->Cmb_MoveMM->setCurrentIndex(mSession.Design().MinuteStepIndex());
    mProgramChangesLists = false;
}

WindowSizes TfrmTimeTable_01::MeasureWindow() const {
    WindowSizes sizes;
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    sizes.screenWidth = screen->geometry().width();
    sizes.screenHeight = screen->geometry().height();
    sizes.windowWidth = width();
    // The menu bar lies outside the client area the grid is fitted into.
    sizes.frameExtra = std::max(0, frameGeometry().height() - geometry().height()) +
                       (menuBar()->isHidden() ? 0 : menuBar()->heightForWidth(width()));
    // The tool panel's height at this width: it may wrap onto more rows.
    sizes.toolPanelHeight = mTools->hasHeightForWidth() ? mTools->heightForWidth(width()) : mTools->sizeHint().height();
    return sizes;
}

bool TfrmTimeTable_01::LayoutMatchesWindow() const {
    const ViewState& view = mSession.View();
    const WindowSizes sizes = MeasureWindow();
    const ViewMetrics metrics = ComputeMetrics(MeasureReferenceFont(), view.displayType, sizes.windowWidth, false);
    const ScaleState scale = EffectiveScale(view.displayType, view.scale);
    return ColumnContentWidth(view.displayType, scale, metrics, sizes) == mDesignView.Layout().ColumnWidth() &&
           RowHeight(scale, metrics, sizes) == mDesignView.Layout().RowHeightPx() &&
           metrics.bandWidth == mDesignView.Layout().Metrics().bandWidth;
}

void TfrmTimeTable_01::WindowSizeSettled() {
    if (mDesignView.Layout().Columns().empty() || mRebuilding || IsBusy() || LayoutMatchesWindow()) return;
    RefreshLayout();
}

void TfrmTimeTable_01::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    mSizeSettleTimer.start();
}

void TfrmTimeTable_01::SetBusy(bool busy) {
    if (busy) {
        if (mBusyDepth++ > 0) return;
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        if (mBusyDepth == 0 || --mBusyDepth > 0) return;
        QGuiApplication::restoreOverrideCursor();
    }
    mTools->setEnabled(!busy);
    // A drag held across the dates scrolling under it keeps the picture: disabling it would
    // lose the button's release.
    if (!busy || !mController || !mController->Pressed()) mView->setEnabled(!busy);
    for (QMenu* menu : {mFileMenu, mOptionMenu, mPrintMenu}) menu->setEnabled(!busy);
}

void TfrmTimeTable_01::FramesChanged() { RefreshLayout(); }

void TfrmTimeTable_01::TranTimerTimer() {
    if (mSession.SharedModeOn()) mSession.Sharing().Poll();
}

void TfrmTimeTable_01::RebuildView() {
    if (mRebuilding) return;
    mRebuilding = true;
    {
        BusyScope busy(*this);
        mSession.LoadViewRange();
        mTools->Edt_BaseMMDD->setText(Text(ToUtf8(StartDateBoxText(mSession.View().start))));
        RefreshLayout();
    }
    mNavigation->PositionDateBar();
    mRebuilding = false;
}

void TfrmTimeTable_01::RefreshLayout() {
    ViewState& view = mSession.View();
    const int type = view.displayType;
    view.scale = EffectiveScale(type, view.scale);
    mTools->Btn_DRate->setEnabled(!AlwaysFitsWidth(type));
    const WindowSizes sizes = MeasureWindow();
    const ViewMetrics metrics = ComputeMetrics(MeasureReferenceFont(), type, sizes.windowWidth, false);
    mSession.Context().defaults.baseFontHeight = metrics.fontPixelHeight;
    mDesignView.Build(view.start, type, view.scale, metrics, sizes);
    mDesignView.LayOutFrames(mSession.Working(), view.editKind, mSession.Settings().Cmb_WakuLoc);
    if (mEdit) mEdit->Chosen().DropVanished(mSession.Working());
    Redraw();
    if (mController) {
        // While the dates still fly by a held release waits for the last layout.
        if (!mNavigation->DateTimerRunning()) mController->LayoutSettled();
        PreviewChanged();
    }
    if (mProperties) mProperties->RefreshFrame();
}

void TfrmTimeTable_01::Redraw() {
    const ViewState& view = mSession.View();
    mTools->Grp_DRate->setTitle(QString::fromUtf8(kHorizontalCaptions[view.scale.horizontal % 2]));
    mTools->Grp_TRate->setTitle(QString::fromUtf8(kVerticalCaptions[view.scale.vertical % 4]));
    mView->Render(mDesignView.Layout(), mDesignView.Days(), CurrentPaintOptions());
    mDrawnSelectionCid = mEdit ? mEdit->Selection().Cid() : std::string();
    mDrawnSelectionDate = mEdit ? mEdit->Selection().SelectedDate() : Date{};
    if (mEdit) mDrawnChosen = mEdit->Chosen().Entries();
}

PaintOptions TfrmTimeTable_01::CurrentPaintOptions() {
    const ViewState& view = mSession.View();
    PaintOptions options;
    options.timeDisplay = view.timeDisplay;
    options.dateDisplay = view.dateDisplay;
    options.holidays = &mHolidays;
    options.editKind = view.editKind;
    options.framePlacement = mSession.Settings().Cmb_WakuLoc;
    options.titlePlacement = mSession.Settings().Cmb_TitleLoc;
    options.dialogs = &mSession.DialogsRef();
    options.pressedCorner = mPressedCorner;
    options.dateCursorColumn = mDateCursorColumn;
    options.editingInPlace = mFieldEditing.has_value();
    if (mEdit && mEdit->Range().CurrentState() != DateRange::None) {
        options.rangeState = mEdit->Range().CurrentState();
        options.rangeFirst = mEdit->Range().First();
        options.rangeLast = mEdit->Range().Last();
    }
    WorkingSet& working = mSession.Working();
    options.selected = mEdit ? mEdit->Selection().Frame(working) : nullptr;
    options.selectedField = mEdit ? mEdit->Selection().Field(working) : -1;
    if (mController && options.selected) {
        switch (mController->Mode()) {
        case EditMode::FieldEdit: options.state = EditState::Edit; break;
        case EditMode::MoveCopy: options.state = mController->CopyFlag() ? EditState::Copy : EditState::Move; break;
        case EditMode::Normal: break;
        }
    }
    mChosenFrames.clear();
    if (mEdit)
        for (const MultiSelection::Entry& entry : mEdit->Chosen().Entries())
            if (const TCInf* frame = working.FrameOn(entry.date, entry.cid)) mChosenFrames.push_back(frame);
    options.multiSelection = &mChosenFrames;
    // The chosen frames turn green while they are being copied.
    options.copyInProgress = mController && mController->Mode() == EditMode::MoveCopy && mController->CopyFlag();
    return options;
}

void TfrmTimeTable_01::SetDisplayType(int type) {
    if (type == mSession.View().displayType) return;
    mSession.CommitView();
    mSession.View().displayType = type;
    mTools->Cmb_Edit_Type->setCurrentIndex(type);
    RebuildView();
}

void TfrmTimeTable_01::SetEditKind(int kind) {
    // The packed times are display times: the real ones are stored first, and the frames
    // are built afresh for the other display.
    mSession.CommitView();
    mSession.View().editKind = kind;
    ShowEditKind();
    RebuildView();
}

void TfrmTimeTable_01::ShowEditKind() {
    const bool packed = mSession.View().editKind == 1;
    QPushButton* button = mTools->Btn_EditKind;
    button->setText(packed ? QStringLiteral("表示") : QStringLiteral("編集"));
    QFont font = button->font();
    font.setBold(packed);
    button->setFont(font);
    if (auto* imExport = findChild<QMenu*>(QStringLiteral("Mn_ImExport"))) imExport->setEnabled(!packed);
}

void TfrmTimeTable_01::ShowCornerPressed(int corner) {
    mPressedCorner = corner;
    mView->RedrawCorners(mDesignView.Layout(), CurrentPaintOptions());
}

void TfrmTimeTable_01::PreviewView() {
    const Date& start = mSession.View().start;
    mTools->Edt_BaseMMDD->setText(Text(ToUtf8(StartDateBoxText(start))));
    mView->ShowPreview(mDesignView.Layout(), start, mSession.Design().Store(), CurrentPaintOptions());
}

void TfrmTimeTable_01::ScrollToEarliestOrSelected() {
    if (auto start = EarliestStart(mDesignView.Days())) mView->ScrollToY(mDesignView.Layout().ScrollYForStart(*start));
}

void TfrmTimeTable_01::DesignStateChanged() {
    setWindowTitle(Text(mSession.Caption()));
    const bool shared = mSession.SharedModeOn();
    mTools->Lab_ShareMode->setText(shared ? QStringLiteral("共有 (%1)").arg(mSession.SharerCount()) : QString());
    mShareReRead->setEnabled(shared);
    mShareMode->setChecked(shared);
    if (shared && !mTranTimer.isActive()) mTranTimer.start();
    if (!shared) mTranTimer.stop();
    SelectListsFromState();
}

void TfrmTimeTable_01::ShowImportedFrames(const Date& earliest, int startTime) {
    mNavigation->SetStartDate(AddDays(earliest, -1), true);
    const int row = startTime / 100 - 5;
    ScrollToRow(row > 0 ? row - 1 : std::max(0, row));
}

void TfrmTimeTable_01::ScrollToRow(int row) {
    if (row >= 0 && row < static_cast<int>(mDesignView.Layout().Rows().size())) mView->ScrollToY(mDesignView.Layout().Rows()[row].rect.top);
}

void TfrmTimeTable_01::BringToFront() {
    raise();
    activateWindow();
}

void TfrmTimeTable_01::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (mFirstShown) return;
    mFirstShown = true;
    const EnvSettings& settings = mSession.Settings();
    if (!settings.Max_TimeTable_01) {
        QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        Rect placed = PlaceWindow(settings.FPS_TimeTable_01, screen.width(), screen.height(), width(), height());
        setGeometry(placed.left, placed.top, placed.width, placed.height);
    }
    mSession.FirstShow();
    if (mDesignView.Layout().Columns().empty()) RebuildView();
    mSession.SetShown(true);
    mMyTimer.start();
    mSaveTimer.start();
    // The frame a window manager adds is known only once the window is on screen.
    mSizeSettleTimer.start();
}

void TfrmTimeTable_01::MyTimerTimer() {
    mMyTimer.stop();
    ScrollToRow(mSession.Settings().Cmb_BeginTime);
    mSession.StartupTick(mParameter);
    ShowEditKind();
    mScrBarTimer.start();
    for (const std::string& message : mSession.Design().TakeDeferredMessages())
        mSession.DialogsRef().Information(kConfirmCaption, message);
}

namespace {
// Steps over this many lines lock the window while they run; a single frame's step is done
// before the user could notice a wait cursor.
constexpr int kLongStepLines = 100;
}  // namespace

void TfrmTimeTable_01::Mn_UndoClick() {
    if (IsBusy() || !mSession.History().CanUndo()) return;
    std::optional<BusyScope> busy;
    if (mSession.History().Entries().back().count > kLongStepLines) busy.emplace(*this);
    mController->ReturnToNormal();
    mProperties->hide();
    UndoNewest(*mEdit);
}

void TfrmTimeTable_01::Mn_RedoClick() {
    if (IsBusy()) return;
    BusyScope busy(*this);
    mController->ReturnToNormal();
    mProperties->hide();
    RedoNewest(*mEdit);
}


void TfrmTimeTable_01::SettingsChanged() {
    SelectListsFromState();
    RebuildView();
    DesignStateChanged();
}

void TfrmTimeTable_01::ShowFrame(const Date& date, const std::string& cid, int start) {
    // A date out of view is brought in, starting a day before it.
    if (!mDesignView.Layout().ColumnIndexOfDate(date) && !mNavigation->DateTimerRunning())
        mNavigation->SetStartDate(AddDays(date, -1));
    SelectionChanged();
    const std::optional<int> column = mDesignView.Layout().ColumnIndexOfDate(date);
    if (!column || *column >= static_cast<int>(mDesignView.Days().size())) return;
    const PixelRect visible = VisibleArea();
    for (const FrameBox& box : mDesignView.Days()[*column]) {
        if (!box.frame || box.frame->Cid != cid || !box.valid) continue;
        // A frame already in sight stays where the user is looking. Otherwise its left edge
        // comes into view (or the end of the dates, for one right of it), and its top a
        // third of the view's height below the view's top.
        QScrollBar* horizontal = mView->ScrollBox()->horizontalScrollBar();
        if (box.rect.left < visible.left) horizontal->setValue(box.rect.left);
        else if (box.rect.right > visible.right) horizontal->setValue(horizontal->maximum());
        if (box.rect.top < visible.top || box.rect.top >= visible.bottom)
            mView->ScrollBox()->verticalScrollBar()->setValue(box.rect.top - visible.Height() / 3);
        return;
    }
    // The frame is gone (an undone creation): its hours are shown, with some before them.
    const int hour = start / 100;
    ScrollToRow((hour >= 7 ? hour - 6 : hour - 5) - kFirstHour);
}

void TfrmTimeTable_01::HistoryChanged() {
    if (!mUndo) return;
    const UndoHistory& history = mSession.History();
    mUndo->setText(Text(ToUtf8(history.UndoCaption())));
    mUndo->setEnabled(history.CanUndo());
    mRedo->setText(Text(ToUtf8(history.RedoCaption())));
    mRedo->setEnabled(history.CanRedo());
}

void TfrmTimeTable_01::SaveTimerTimer() {
    // With other sharers nothing can be taken back.
    if (mSession.SharedModeOn() && mSession.SharerCount() > 1 && mSession.History().CanUndo())
        mSession.History().Clear();
    if (mSession.SharedModeOn() && mSession.SharerCount() != mLastSharerCount) {
        mLastSharerCount = mSession.SharerCount();
        DesignStateChanged();
    }
    const bool enabled = mSession.SaveButtonEnabled();
    if (mTools->Btn_Save->isEnabled() == enabled && mTools->Btn_Save->font().bold() == enabled) return;
    mTools->Btn_Save->setEnabled(enabled);
    QFont font = mTools->Btn_Save->font();
    font.setBold(enabled);
    mTools->Btn_Save->setFont(font);
}

void TfrmTimeTable_01::UpdateClock() {
    QDateTime now = QDateTime::currentDateTime();
    Date today{now.date().year(), now.date().month(), now.date().day()};
    QString text = QStringLiteral("【 ") + now.toString(QStringLiteral("yyyy/ MM/ dd")) + QStringLiteral("  (") +
                   Text(ToUtf8(WeekdayLetter(today))) + QStringLiteral(")  ") +
                   now.toString(QStringLiteral("HH : mm")) + QStringLiteral(" 】");
    if (mToday->text() != text) mToday->setText(text);
}

void TfrmTimeTable_01::closeEvent(QCloseEvent* event) {
    if (!mSession.CanClose()) {
        event->ignore();
        return;
    }
    for (QTimer* timer : {&mMyTimer, &mSaveTimer, &mScrBarTimer, &mTranTimer, &mSizeSettleTimer}) timer->stop();
    mCsv->Stop();
    mProperties->StorePlacement();
    mCalendar->StoreSettings();
    EnvSettings& settings = mSession.Settings();
    settings.Mnx_DragScroll = mDragScroll->isChecked();
    settings.Mnx_ShowProperty = mShowProperty->isChecked();
    settings.Mnx_ShareMode = mShareMode->isChecked();
    settings.SetHolidays(mHolidays);
    if (!isMaximized()) {
        QRect g = geometry();
        settings.FPS_TimeTable_01 = {g.y(), g.x(), g.width(), g.height()};
    }
    mSession.Close(isMaximized());
    event->accept();
}

void TfrmTimeTable_01::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls() || event->mimeData()->hasFormat(QString::fromLatin1(kMemoLineMime)))
        event->acceptProposedAction();
}

void TfrmTimeTable_01::dropEvent(QDropEvent* event) {
    if (DropMemoLine(*event)) {
        event->acceptProposedAction();
        return;
    }
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.front().isLocalFile()) return;
    event->acceptProposedAction();
    QString path = urls.front().toLocalFile();
    // A path holding a comma or quote is passed quoted, as the parameter's CSV form wants.
    QString quoted = QLatin1Char('"') + path + QLatin1Char('"');
    mSession.OpenParameter(quoted.toStdString(), true);
    QGuiApplication::restoreOverrideCursor();
}

}  // namespace mv
