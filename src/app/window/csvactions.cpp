#include "app/window/csvactions.h"

#include "app/window/timetablewindow.h"
#include "io/csv/csvimporter.h"

namespace mv {

namespace {
constexpr int kMonitorIntervalMs = 3000;
}

CsvActions::CsvActions(TfrmTimeTable_01& window)
    : mWindow(window), mMonitor([this](const std::filesystem::path& path) {
          mWindow.Session().OpenFile(PathText(path), true);
      }) {
    mTimer.setInterval(kMonitorIntervalMs);
    connect(&mTimer, &QTimer::timeout, this, [this] { MonitorTick(); });
}

void CsvActions::MonitorTick() {
    // A tick while the window is busy (a long edit, a message box of it) waits for the next.
    if (!mWindow.IsBusy()) mMonitor.Tick();
}

std::optional<int> CsvActions::ImportCsvFile(const std::string& path) {
    DesignSession& session = mWindow.Session();
    DesignDocument& design = session.Design();
    const std::filesystem::path previous = design.Path();
    CsvImporter importer(design, session.Ids(), session.HostRef(), session.DialogsRef());
    SimpleImportResult result;
    if (!importer.SimpleImport(PathFromText(path), mChoices, &result)) return std::nullopt;
    // The design that was open is left: it is no longer held by this instance.
    if (!previous.empty()) design.ReleaseHold(previous);
    mChoices.duplicates = DuplicateRule::Replace;
    if (result.rows > 0) session.View().start = result.viewStart;
    return result.topHourRow;
}

void CsvActions::MonitorCsvFile(const std::string& path, bool keepMonitoring) {
    mMonitor.Reset();
    // Watching ticks once at once, which imports the file.
    if (mMonitor.Watch(PathFromText(path), keepMonitoring ? "True" : "") && !mTimer.isActive()) mTimer.start();
}

}  // namespace mv
