#include "app/window/datenavigation.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

#include "app/window/datestrip.h"
#include "app/window/designsession.h"
#include "app/window/toolpanel.h"
#include "app/window/startdatepicker.h"
#include "view/timetableview.h"

namespace mv {

namespace {
constexpr int kDateTimerMs = 60;
constexpr int kVertHorzTimerMs = 15;
constexpr int kBarSettleMs = 10;
}  // namespace

DateNavigation::DateNavigation(NavigationHost& host, ToolPanel& tools, TimetableView& view, DateStrip& strip)
    : mHost(host), mTools(tools), mView(view), mStrip(strip), mPicker(new TfrmTimeTable_03(&tools)) {
    mDateTimer.setInterval(kDateTimerMs);
    mVertHorzTimer.setInterval(kVertHorzTimerMs);
    connect(&mDateTimer, &QTimer::timeout, this, [this] { DateTimerTimer(); });
    connect(&mVertHorzTimer, &QTimer::timeout, this, [this] { VertHorzTimerTimer(); });

    ConnectStepSource(mTools.Btn_KikanDw1, StepKind::DayBack);
    ConnectStepSource(mTools.Btn_KikanUp1, StepKind::DayForward);
    ConnectStepSource(mTools.Btn_KikanDw7, StepKind::PreviewWeekBack);
    ConnectStepSource(mTools.Btn_KikanUp7, StepKind::PreviewWeekForward);
    ConnectStepSource(mStrip.Btn_SbarMae, StepKind::PreviewDayBack);
    ConnectStepSource(mStrip.Btn_SbarAto, StepKind::PreviewDayForward);

    QScrollBar* bar = mStrip.sbarDate;
    connect(bar, &QScrollBar::valueChanged, this, [this, bar] {
        if (!mProgramMovesBar && !bar->isSliderDown()) QTimer::singleShot(kBarSettleMs, this, [this] { DateBarMoved(); });
    });
    connect(bar, &QScrollBar::sliderReleased, this, [this] { QTimer::singleShot(kBarSettleMs, this, [this] { DateBarMoved(); }); });

    for (const char* name : {"imgFixedKado", "imgFixedKado2", "imgFixedLeft", "imgFixedRight", "imgFixedTop"})
        if (QWidget* pane = mView.findChild<QWidget*>(QString::fromLatin1(name))) pane->installEventFilter(this);
    if (QWidget* corner = mView.findChild<QWidget*>(QStringLiteral("imgFixedKado")))
        corner->setToolTip(QStringLiteral("１日戻る"));
    if (QWidget* corner = mView.findChild<QWidget*>(QStringLiteral("imgFixedKado2")))
        corner->setToolTip(QStringLiteral("１日進む"));
    mStrip.installEventFilter(this);
    mTools.Edt_BaseMMDD->installEventFilter(this);
}

DateNavigation::~DateNavigation() = default;

void DateNavigation::ConnectStepSource(QAbstractButton* button, StepKind kind) {
    connect(button, &QAbstractButton::pressed, this, [this, button, kind] {
        PressStepSource(kind);
        mHeldButton = button;
    });
    connect(button, &QAbstractButton::released, this, [this, button] {
        // A full rebuild locks the window, and Qt lets go of a button that is disabled
        // while held: that is not the user's release.
        if (!button->isEnabled()) return;
        StopDateTimer();
    });
}

void DateNavigation::PressStepSource(StepKind kind) {
    const bool running = mDateTimer.isActive();
    StartDateTimer(kind);
    if (!running) {
        mStepsTaken = 0;
        mStepOnQuickRelease = true;
    }
}

void DateNavigation::SetStartDate(const Date& date, bool force) {
    DesignSession& session = mHost.Session();
    const Date target = RebaseIntoYear(date, session.Design().BaseYear());
    if (target == session.View().start && !force) return;
    session.CommitView();
    session.View().start = target;
    mHost.RebuildView();
    PositionDateBar();
}

void DateNavigation::PositionDateBar() {
    const Date& start = mHost.Session().View().start;
    mYearDates.EnsureYearOf(start);
    mProgramMovesBar = true;
    mStrip.sbarDate->setRange(0, mYearDates.Count() - 1);
    mStrip.sbarDate->setPageStep(7);
    mStrip.sbarDate->setValue(std::max(0, mYearDates.IndexOf(start)));
    mProgramMovesBar = false;
}

void DateNavigation::DateBarMoved() {
    if (mStrip.sbarDate->isSliderDown()) return;
    const int index = mStrip.sbarDate->value();
    if (index < 0 || index >= mYearDates.Count()) return;
    SetStartDate(mYearDates.At(index));
}

void DateNavigation::StartDateTimer(StepKind kind) {
    mStepKind = kind;
    if (mDateTimer.isActive()) return;
    // The frames shown are stored now; while dates fly by the view holds no edits to store.
    DesignSession& session = mHost.Session();
    session.CommitView();
    session.Working().SetCommitAllowed(false);
    mDateTimer.start();
}

void DateNavigation::StopDateTimer() {
    if (!mDateTimer.isActive()) return;
    mDateTimer.stop();
    mHeldButton = nullptr;
    // A press let go before the first tick (a tap, a short click) still takes its step.
    if (mStepOnQuickRelease && mStepsTaken == 0) DateTimerTimer();
    mStepOnQuickRelease = false;
    mStepKind = StepKind::None;
    if (mPreviewShown) {
        mPreviewShown = false;
        mHost.RebuildView();
    }
    PositionDateBar();
    mHost.Session().Working().SetCommitAllowed(true);
}

void DateNavigation::DateTimerTimer() {
    const int days = DaysOfStep(mStepKind);
    if (days == 0 || mStepInProgress) return;
    mStepInProgress = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{mStepInProgress};
    DesignSession& session = mHost.Session();
    session.View().start = StepStartDate(session.View().start, days, session.Design().BaseYear());
    ++mStepsTaken;
    if (IsPreviewStep(mStepKind)) {
        mHost.PreviewView();
        mPreviewShown = true;
    } else {
        mHost.RebuildView();
        PositionDateBar();
        // The lock released the held button's look; it is still held, and its release
        // must come through as one.
        if (mHeldButton && mHeldButton->isEnabled() && !mHeldButton->isDown()) mHeldButton->setDown(true);
    }
}

void DateNavigation::StartScroll(ScrollKind kind) {
    mScrollKind = kind;
    if (!mVertHorzTimer.isActive()) mVertHorzTimer.start();
}

void DateNavigation::StopScroll() {
    mVertHorzTimer.stop();
    mScrollKind = ScrollKind::None;
}

void DateNavigation::VertHorzTimerTimer() {
    QScrollArea* box = mView.ScrollBox();
    const int step = mHost.ScrollStep();
    switch (mScrollKind) {
        case ScrollKind::Up: box->verticalScrollBar()->setValue(box->verticalScrollBar()->value() - step); break;
        case ScrollKind::Down: box->verticalScrollBar()->setValue(box->verticalScrollBar()->value() + step); break;
        case ScrollKind::Left: box->horizontalScrollBar()->setValue(box->horizontalScrollBar()->value() - step); break;
        case ScrollKind::Right: box->horizontalScrollBar()->setValue(box->horizontalScrollBar()->value() + step); break;
        case ScrollKind::None: break;
    }
}

void DateNavigation::PickStartDate() {
    DesignSession& session = mHost.Session();
    if (auto picked = mPicker->Pick(session.View().start)) SetStartDate(*picked);
}

bool DateNavigation::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease) return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton) return false;
    const bool press = type == QEvent::MouseButtonPress;
    const QString name = watched->objectName();
    if (watched == mTools.Edt_BaseMMDD) {
        if (press) PickStartDate();
        return press;
    }
    if (name == QLatin1String("imgFixedKado") || name == QLatin1String("imgFixedKado2")) {
        const bool left = name == QLatin1String("imgFixedKado");
        mHost.ShowCornerPressed(press ? (left ? 1 : 2) : 0);
        if (press) PressStepSource(left ? StepKind::PreviewDayBack : StepKind::PreviewDayForward);
        else StopDateTimer();
        return true;
    }
    if (!press) {
        StopScroll();
        if (name == QLatin1String("imgFixedTop")) StopDateTimer();
        return false;
    }
    const int halfWindow = mView.window()->width() / 2;
    if (name == QLatin1String("imgFixedLeft")) StartScroll(ScrollKind::Left);
    else if (name == QLatin1String("imgFixedRight")) StartScroll(ScrollKind::Right);
    else if (watched == &mStrip) {
        const int x = mStrip.mapTo(mView.window(), mouse->position().toPoint()).x();
        StartScroll(x < halfWindow ? ScrollKind::Up : ScrollKind::Down);
    } else if (name == QLatin1String("imgFixedTop")) {
        // Only the month band, the top third of the header, scrolls.
        auto* header = static_cast<QWidget*>(watched);
        if (mouse->position().y() < header->height() / 3) {
            const int x = mouse->position().toPoint().x() + mView.ScrollBox()->horizontalScrollBar()->value();
            StartScroll(x < halfWindow ? ScrollKind::Down : ScrollKind::Up);
        }
    }
    return false;
}

}  // namespace mv
