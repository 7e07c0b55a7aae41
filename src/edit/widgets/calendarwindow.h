#pragma once
// The month calendar `TfrmTimeTable_04`: a window kept on top of the design window that
// shows a month as weeks of days with each day's frames listed. It moves the design
// window's first date to a day, picks the day a frame is moved or copied to ("7. カレンダで"),
// and runs the date-range commands on its days; it prints the month through the grid print
// window. Its commands are the edit layer's; this class wires the controls to them.

#include <QElapsedTimer>
#include <QWidget>
#include <string>
#include <vector>

#include "edit/calendarcommands.h"
#include "view/geometry/monthcalendar.h"
#include "view/monthpainter.h"

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;

namespace mv {

class CalendarGrid;
class Dialogs;
class FrameIdSource;
class HolidayTable;
struct EnvSettings;

// What the calendar needs of the design window.
class CalendarHost {
public:
    virtual ~CalendarHost() = default;
    virtual EditContext& Edit() = 0;
    virtual FrameIdSource& FrameIds() = 0;
    virtual Dialogs& Messages() = 0;
    virtual EnvSettings& Settings() = 0;
    virtual const HolidayTable& HolidayDays() const = 0;
    // The packed display: only "1. 表示開始日にする" is offered.
    virtual bool Packed() const = 0;
    // Stores the shown dates into the design's lines, which the calendar reads.
    virtual void StoreView() = 0;
    // Makes the day the design window's first shown date.
    virtual void MakeStartDate(const Date& date) = 0;
    // The date range changed here: the date header shows it again.
    virtual void RangeChanged() = 0;
    // Prints the month through the grid print window.
    virtual void PrintGrid(const StringGrid& grid, const std::string& title) = 0;
};

class TfrmTimeTable_04 : public QWidget {
public:
    TfrmTimeTable_04(QWidget* owner, CalendarHost& host);
    ~TfrmTimeTable_04() override;

    // Btn_Calendar: shows the window, on the month of `date` when it was never shown.
    void OpenAt(const Date& date);
    // "7. カレンダで": the next click on a day moves or copies the frame there.
    void StartMoveMode(bool copy, const Date& sourceDate, const std::string& cid);
    void EndMoveMode();
    bool InMoveMode() const { return mMoveMode; }
    // After an edit of these dates: their cells are read again when the month shows them.
    void DatesChanged(const std::vector<Date>& dates);
    // The date range changed (here or on the date header): its days are drawn again.
    void ShowRange();
    // After another design was opened: the month is built again.
    void DesignLoaded();
    // The options and the rectangle into the settings.
    void StoreSettings();

    const MonthCalendar& Month() const { return mMonth; }
    CalendarGrid& Grid() { return *mGrid; }
    QPlainTextEdit& DetailBox() { return *mDetail; }
    // Builds the month of `date`, selecting its cell when asked, and loads the frame lists
    // unless only day numbers are shown.
    void BuildMonth(const Date& date, bool select);
    // The cell with the focus (week * 7 + column), -1 for none.
    int FocusedIndex() const { return mOptions.focusedIndex; }
    void SetFocusedIndex(int index);
    // The day-detail box on a cell.
    void OpenDetail(int index);
    void CloseDetail();
    // A click on a day in move mode; true when the frame went there.
    bool PickDay(int index);
    // Menus, for tests and the keyboard.
    QMenu& DayMenu() { return *mDayMenu; }
    // Prepares the day menu for a cell as a right click does.
    void PrepareDayMenu(int index);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    QWidget* BuildTopPanel();
    void LoadContents();
    void StepMonth(int months);
    void Repaint();
    void KeyPressed(QKeyEvent* event);
    void RangeItem(int item);
    void RangeOperationItem(RangeOperation operation);
    void PrintMonth();
    void OptionsChanged();
    void SyncRange();

    CalendarHost& mHost;
    MonthCalendar mMonth;
    MonthPaintOptions mOptions;
    CalendarGrid* mGrid = nullptr;
    QPlainTextEdit* mDetail = nullptr;
    QLabel* mTitle = nullptr;
    QPushButton* mYearPre = nullptr;
    QPushButton* mYearNext = nullptr;
    QMenuBar* mMenuBar = nullptr;
    QMenu* mDayMenu = nullptr;
    QMenu* mPackMenu = nullptr;
    QAction* mStartDate = nullptr;
    QAction* mStop = nullptr;
    std::vector<QAction*> mRangeItems;  // 範囲, 確定, 解除, 移動, 複写, 削除
    QAction* mDateOnly = nullptr;
    QAction* mTime = nullptr;
    QAction* mDraw3D = nullptr;
    std::vector<QAction*> mDetailSizes, mFontSizes, mFontColours;
    int mMenuIndex = -1;  // the cell the day menu was opened on
    bool mShownOnce = false;
    bool mPlaced = false;
    bool mMoveMode = false;
    bool mMoveCopy = false;
    std::string mMoveCid;
    QElapsedTimer mDetailClick;  // a second click inside the detail box within 500 ms closes it
};

}  // namespace mv
