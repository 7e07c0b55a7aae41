#pragma once
// The main design window: menus, the tool panel, the timetable view and the timers, wired
// to the design session. It holds no schedule logic of its own.

#include <QMainWindow>
#include <QTimer>
#include <memory>

#include "app/window/datenavigation.h"
#include "app/window/designsession.h"
#include "edit/editcontext.h"
#include "edit/editcontroller.h"
#include "edit/widgets/calendarwindow.h"
#include "edit/widgets/propertywindow.h"
#include "model/holidaytable.h"
#include "platform/qtdialogs.h"
#include "platform/systemhost.h"
#include "view/geometry/designview.h"
#include "view/renderer.h"

class QAction;
class QLabel;
class QMenu;

namespace mv {

class TimetableView;
class ToolPanel;

class TfrmTimeTable_01 : public QMainWindow,
                         public SessionListener,
                         public NavigationHost,
                         public EditListener,
                         public PropertyHost,
                         public CalendarHost {
public:
    // The seams are given by the program (real ones) or by tests (scripted ones).
    TfrmTimeTable_01(Host& host, Dialogs& dialogs, FileChooser& files, std::filesystem::path settingsPath,
                     std::string parameter = {});
    ~TfrmTimeTable_01() override;

    DesignSession& Session() override { return mSession; }
    DateNavigation& Navigation() { return *mNavigation; }
    ToolPanel* Tools() { return mTools; }
    TimetableView* View() { return mView; }
    const DesignView& Design() const { return mDesignView; }
    const ViewLayout& Layout() const { return mDesignView.Layout(); }
    const std::vector<DayBoxes>& Boxes() const { return mDesignView.Days(); }
    QTimer& MyTimer() { return mMyTimer; }
    QTimer& SaveTimer() { return mSaveTimer; }
    // The window's size has settled after a resize: lays out again when the layout no
    // longer matches it (a Fit scale, a wrapped tool panel, the band width).
    void WindowSizeSettled();
    // The Save button's state, as the 700 ms tick sets it.
    void SaveTimerTimer();
    void MyTimerTimer();

    // SessionListener
    void RebuildView() override;
    void DesignStateChanged() override;
    void ScrollToRow(int row) override;
    void BringToFront() override;
    void DesignLoaded() override;
    // NavigationHost
    void PreviewView() override;
    int ScrollStep() const override { return std::max(1, mDesignView.Layout().Metrics().fontPixelHeight); }
    void ShowCornerPressed(int corner) override;
    void FramesChanged() override;
    void SetBusy(bool busy) override;
    bool IsBusy() const override { return mBusyDepth > 0; }
    // The shared-mode polling tick.
    void TranTimerTimer();
    // "元に戻す" and "やり直す".
    void Mn_UndoClick();
    void Mn_RedoClick();
    EditContext& Edit() override { return *mEdit; }

    // EditListener
    void DatesChanged(const std::vector<Date>& dates) override;
    void SettingsChanged() override;
    void ShowFrame(const Date& date, const std::string& cid, int start) override;
    void HistoryChanged() override;
    void SelectionChanged() override;
    void ChosenChanged() override;
    void FrameRedraw(const Date& date, const std::string& cid) override;
    void PreviewChanged() override;
    void SetPointer(PointerShape shape) override;
    PixelRect VisibleArea() const override;
    void ScrollView(int dx, int dy) override;
    void ScrollDates(DateScroll direction) override;
    void PressedAt(int column, int row) override;
    void Progress(int done, int total) override;
    void EditFieldInPlace(const Date& date, const std::string& cid, int field) override;
    class FieldEditor& TitleEditor() { return *mTitleEditor; }
    EditController& Controller() { return *mController; }
    class FrameMenu& Menu() { return *mFrameMenu; }
    // Esc.
    void EscapePressed();
    // The date range changed: the header (and the calendar) show it again.
    void RangeChanged() override;
    class DateHeaderRange& HeaderRange() { return *mHeaderRange; }
    void ShowProperties() override;
    TfrmTimeEdit_01& Properties() { return *mProperties; }
    class BlockActions& Blocks() { return *mBlocks; }
    class CsvActions& Csv() { return *mCsv; }
    class HelpActions& Help() { return *mHelp; }
    class EnvironmentActions& Environment() { return *mEnvironment; }
    class HtmlActions& Html() { return *mHtml; }
    class IcalActions& Ical() { return *mIcal; }
    // After an import: the dates from the day before the earliest imported frame, scrolled
    // to its start (HHMM).
    void ShowImportedFrames(const Date& earliest, int startTime);

    // PropertyHost
    FrameIdSource& FrameIds() override { return mSession.Ids(); }
    Dialogs& Messages() override { return mSession.DialogsRef(); }
    EnvSettings& Settings() override { return mSession.Settings(); }
    bool Packed() const override { return mSession.View().editKind == 1; }
    void ToggleEditKind() override;
    QString EditKindCaption() const override;
    const FrameBox* DrawnBox(const Date& date, const std::string& cid) const override;
    int ReferenceFontHeight() const override { return mDesignView.Layout().Metrics().fontPixelHeight; }
    std::optional<Date> PressedDate() const override;
    // Ctrl+C: the picked days, else the chosen frames, on the clipboard; Ctrl+V: the
    // clipboard read at the date cursor's date.
    void CopyKey();
    void PasteKey();
    void StoreView() override { mSession.CommitView(); }
    void JumpToDate(const Date& date) override;

    // CalendarHost
    const HolidayTable& HolidayDays() const override { return mHolidays; }
    // The table the environment dialog edits, and its redraw of the date header and the
    // calendar after a change.
    HolidayTable& EditableHolidays() { return mHolidays; }
    void HolidaysEdited();
    void MakeStartDate(const Date& date) override;
    void PrintGrid(const StringGrid& grid, const std::string& title) override;
    TfrmTimeTable_04& Calendar() { return *mCalendar; }
    // Btn_Calendar: the calendar on the date cursor's date.
    void OpenCalendar();
    // Opens the property window from the frame menus: on the title editor, and in the
    // editing display with the fields editable.
    void OpenPropertiesFromMenu();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildMenus();
    void ConnectTools();
    void SelectListsFromState();
    // Lays out again with the frames already loaded and redraws.
    void RefreshLayout();
    void Redraw();
    PaintOptions CurrentPaintOptions();
    // Edit (0) or packed (1) display, and the button and menu that show which.
    void SetEditKind(int kind);
    void ShowEditKind();
    void SetDisplayType(int type);
    void ScrollToEarliestOrSelected();
    void UpdateClock();
    WindowSizes MeasureWindow() const;
    // Whether a layout refresh now would give other widths or heights.
    bool LayoutMatchesWindow() const;

    // What the pointer editing reads of the settings and the view at each event.
    void UpdatePointerOptions();
    // The title editor's text stored as it is typed, and the one undo entry on leaving.
    void TitleEditorChanged(const QString& text);
    void TitleEditorLeft();
    // A memo line of the property window dropped on the picture: a title of the frame there.
    bool DropMemoLine(const QDropEvent& event);
    // The selection as drawn last, to take its outline off when it moves.
    void EraseDrawnSelection();

    DesignSession mSession;
    std::string mParameter;
    HolidayTable mHolidays;
    DesignView mDesignView;
    bool mFirstShown = false;
    bool mProgramChangesLists = false;
    bool mRebuilding = false;
    int mBusyDepth = 0;
    int mLastSharerCount = -1;
    int mPressedCorner = 0;

    ToolPanel* mTools = nullptr;
    TimetableView* mView = nullptr;
    class DateStrip* mStrip = nullptr;
    std::unique_ptr<DateNavigation> mNavigation;
    std::unique_ptr<EditContext> mEdit;
    std::unique_ptr<EditController> mController;
    class MovePreview* mMovePreview = nullptr;
    class FrameMenu* mFrameMenu = nullptr;
    class FieldEditor* mTitleEditor = nullptr;
    class DateHeaderRange* mHeaderRange = nullptr;
    TfrmTimeEdit_01* mProperties = nullptr;
    TfrmTimeTable_04* mCalendar = nullptr;
    std::unique_ptr<class BlockActions> mBlocks;
    std::unique_ptr<class CsvActions> mCsv;
    class HelpActions* mHelp = nullptr;  // child objects
    class EnvironmentActions* mEnvironment = nullptr;
    std::unique_ptr<class HtmlActions> mHtml;
    std::unique_ptr<class IcalActions> mIcal;
    // The field the title editor is open on, and the frame as the editing began.
    struct FieldEditing {
        Date date;
        std::string cid;
        int field = -1;
        FrameSnapshot before;
    };
    std::optional<FieldEditing> mFieldEditing;
    std::vector<const TCInf*> mChosenFrames;   // what the renderer draws as chosen
    std::vector<MultiSelection::Entry> mDrawnChosen;
    std::string mDrawnSelectionCid;
    Date mDrawnSelectionDate;
    int mDateCursorColumn = -1;
    std::unique_ptr<TCInf> mPreviewFrame;  // the dragged frame as it was when the drag began
    QAction* mUndo = nullptr;
    QAction* mRedo = nullptr;
    QLabel* mToday = nullptr;
    QLabel* mProgress = nullptr;  // "n / total" of a long step, over the picture
    QMenu* mFileMenu = nullptr;
    QMenu* mOptionMenu = nullptr;
    QMenu* mPrintMenu = nullptr;
    QAction* mDragScroll = nullptr;
    QAction* mDateScroll = nullptr;
    QAction* mShowProperty = nullptr;
    QAction* mShareMode = nullptr;
    QAction* mShareReRead = nullptr;

    QTimer mMyTimer;
    QTimer mSaveTimer;
    QTimer mScrBarTimer;
    QTimer mTranTimer;
    QTimer mSizeSettleTimer;
};

}  // namespace mv
