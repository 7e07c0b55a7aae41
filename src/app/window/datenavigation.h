#pragma once
// Moving the shown dates and scrolling inside them: the start date, the date scroll bar,
// the step buttons and corners with their auto-repeat, the start-date picker, and the
// press-and-hold scrolling on the fixed panes and the bottom strip.

#include <QObject>
#include <QTimer>

#include "view/geometry/yeardates.h"

class QAbstractButton;
class QScrollArea;

namespace mv {

class DateStrip;
class DesignSession;
class TfrmTimeTable_03;
class TimetableView;
class ToolPanel;

// What the navigation needs of the window.
class NavigationHost {
public:
    virtual ~NavigationHost() = default;
    virtual DesignSession& Session() = 0;
    // Lays out and draws the view for the session's start date.
    virtual void RebuildView() = 0;
    // Draws the dates from the start date quickly while a step is held.
    virtual void PreviewView() = 0;
    // Pixels a press-and-hold tick scrolls.
    virtual int ScrollStep() const = 0;
    // Draws a corner pressed (1 left, 2 right) or both released (0).
    virtual void ShowCornerPressed(int corner) = 0;
};

enum class ScrollKind { None = 0, Up = 2, Down = 3, Left = 4, Right = 5 };

class DateNavigation : public QObject {
public:
    DateNavigation(NavigationHost& host, ToolPanel& tools, TimetableView& view, DateStrip& strip);
    ~DateNavigation() override;

    // Moves the view to the date (re-based into the base year); the frames shown are first
    // written back when modified.
    void SetStartDate(const Date& date, bool force = false);
    // Puts the date bar at the start date, building the year table when the year changed.
    void PositionDateBar();

    void StartDateTimer(StepKind kind);
    void StopDateTimer();
    // One tick of the date timer.
    void DateTimerTimer();
    bool DateTimerRunning() const { return mDateTimer.isActive(); }

    void StartScroll(ScrollKind kind);
    void StopScroll();
    void VertHorzTimerTimer();

    // Opens the picker and moves to the picked day.
    void PickStartDate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ConnectStepSource(QAbstractButton* button, StepKind kind);
    // A step button or corner pressed: the timer starts, and a release before its first
    // tick steps once.
    void PressStepSource(StepKind kind);
    void DateBarMoved();

    NavigationHost& mHost;
    ToolPanel& mTools;
    TimetableView& mView;
    DateStrip& mStrip;
    TfrmTimeTable_03* mPicker;
    YearDateTable mYearDates;
    QTimer mDateTimer;
    QTimer mVertHorzTimer;
    StepKind mStepKind = StepKind::None;
    ScrollKind mScrollKind = ScrollKind::None;
    QAbstractButton* mHeldButton = nullptr;  // the step button being held, if any
    int mStepsTaken = 0;                     // steps since the timer started
    bool mStepOnQuickRelease = false;
    bool mStepInProgress = false;
    bool mPreviewShown = false;
    bool mProgramMovesBar = false;
};

}  // namespace mv
