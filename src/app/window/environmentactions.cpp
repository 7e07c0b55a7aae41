#include "app/window/environmentactions.h"

#include <QAction>
#include <QColorDialog>

#include "app/window/timetablewindow.h"
#include "model/settings.h"

namespace mv {

EnvironmentActions::EnvironmentActions(TfrmTimeTable_01& window) : QObject(&window), mWindow(window) {
    mDialog = new TfrmTimeEtc_01(*this, &window);
    if (QAction* define = window.findChild<QAction*>(QStringLiteral("Mn_Env"))) {
        define->setEnabled(true);
        connect(define, &QAction::triggered, this, [this] { mDialog->ShowDialog(); });
    }
    if (QAction* print = window.findChild<QAction*>(QStringLiteral("Mn_PrintSetting"))) {
        print->setEnabled(true);
        connect(print, &QAction::triggered, this, [this] { mDialog->ShowPrintPage(); });
    }
}

EnvSettings& EnvironmentActions::Settings() { return mWindow.Settings(); }
HolidayTable& EnvironmentActions::Holidays() { return mWindow.EditableHolidays(); }
Dialogs& EnvironmentActions::Messages() { return mWindow.Messages(); }
bool EnvironmentActions::MainShown() const { return mWindow.isVisible(); }
std::string EnvironmentActions::DesignTitle() const { return mWindow.Session().Design().Title(); }

void EnvironmentActions::SetDesignTitle(const std::string& title) {
    DesignDocument& design = mWindow.Session().Design();
    const std::string previous = design.Title();
    design.SetTitle(title);
    if (!previous.empty() && previous != title) mWindow.Session().SetModified(true);
}

void EnvironmentActions::ScrollToHourRow(int row) { mWindow.ScrollToRow(row); }
void EnvironmentActions::FrameDefaultsChanged() { mWindow.Session().ApplyFrameDefaults(); }

void EnvironmentActions::PlacementChanged(bool) {
    // The layout places the frames by the setting just stored; the selection is drawn again
    // with it. The busy state ends however the layout ends.
    BusyScope busy(mWindow);
    mWindow.FramesChanged();
}

void EnvironmentActions::HolidaysChanged() { mWindow.HolidaysEdited(); }

void EnvironmentActions::TriggerMenuItem(const char* name) {
    QAction* item = mWindow.findChild<QAction*>(QString::fromUtf8(name));
    if (item && item->isEnabled()) item->trigger();
}

void EnvironmentActions::PrintTimetable() { TriggerMenuItem("Mn_Print"); }
void EnvironmentActions::OpenHtml() { TriggerMenuItem("Mn_HtmlExec"); }

bool EnvironmentActions::ChooseColour(int& colour) {
    const QColor start(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    const QColor chosen = QColorDialog::getColor(start, mDialog);
    if (!chosen.isValid()) return false;
    colour = chosen.red() | (chosen.green() << 8) | (chosen.blue() << 16);
    return true;
}

}  // namespace mv
