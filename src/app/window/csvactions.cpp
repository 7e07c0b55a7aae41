#include "app/window/csvactions.h"

#include <QAction>
#include <algorithm>

#include "app/window/datenavigation.h"
#include "app/window/timetablewindow.h"
#include "io/csv/csvimporter.h"
#include "io/csv/widgets/csvgridview.h"

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

CsvActions::~CsvActions() = default;

TfrmCsvImport& CsvActions::Grid() {
    if (!mGrid) {
        mGrid = std::make_unique<TfrmCsvImport>(*this);
        // Every load hands the new table to the definition window.
        mGrid->tableLoaded = [this] { Definition().SetTable(&mGrid->Table(), mGrid->FrozenLines()); };
    }
    return *mGrid;
}

TfrmCsvImportMain& CsvActions::Definition() {
    if (!mDefinition) mDefinition = std::make_unique<TfrmCsvImportMain>(*this, mGrid.get());
    return *mDefinition;
}

void CsvActions::OpenGrid(bool importMode) {
    if (mWindow.IsBusy()) return;
    mWindow.StoreView();
    TfrmCsvImport& grid = Grid();
    mWindow.hide();
    grid.ShowMode(importMode ? TfrmCsvImport::Mode::Import : TfrmCsvImport::Mode::Export);
}

EnvSettings& CsvActions::Settings() { return mWindow.Session().Settings(); }
Dialogs& CsvActions::Messages() { return mWindow.Session().DialogsRef(); }
FileChooser& CsvActions::Files() { return mWindow.Session().Files(); }
Host& CsvActions::System() { return mWindow.Session().HostRef(); }
EditContext& CsvActions::Edit() { return mWindow.Edit(); }
FrameIdSource& CsvActions::FrameIds() { return mWindow.Session().Ids(); }

void CsvActions::OpenDefinition(bool importMode) {
    TfrmCsvImportMain& definition = Definition();
    definition.SetTable(&Grid().Table(), Grid().FrozenLines());
    if (importMode) definition.OpenImport();
    else definition.OpenExport();
    if (!definition.isVisible() && mGrid) {
        // Over the grid window's middle, where the eye already is.
        const QPoint centre = mGrid->frameGeometry().center();
        definition.move(std::max(0, centre.x() - definition.width() / 2), std::max(0, centre.y() - definition.height() / 2));
    }
    definition.show();
    definition.raise();
    definition.activateWindow();
}

void CsvActions::GridWindowClosed() {
    if (mDefinition) mDefinition->hide();
    mWindow.show();
    mWindow.raise();
    mWindow.activateWindow();
}

void CsvActions::ImportFinished(const Date& earliest, int startTime) {
    // The design window shows the imported frames when it comes back.
    mWindow.ShowImportedFrames(earliest, startTime);
}

ImportChoices CsvActions::CurrentImportChoices() const {
    return mDefinition ? mDefinition->CurrentImportChoices() : ImportChoices{};
}

void CsvActions::ImportRunning(bool running) { Grid().Grid()->setVisible(!running); }

// The About menu shows the Help menu's text on importing or exporting in the help viewer.
void CsvActions::ShowHelpTopic(bool importTopic) {
    const QString name = importTopic ? QStringLiteral("Mn_Help_Import") : QStringLiteral("Mn_Help_Export");
    if (QAction* item = mWindow.findChild<QAction*>(name)) item->trigger();
}

void CsvActions::ExportLinesReady(const std::vector<std::string>& lines) { Grid().LoadExportLines(lines); }

std::optional<int> CsvActions::ImportCsvFile(const std::string& path) {
    DesignSession& session = mWindow.Session();
    DesignDocument& design = session.Design();
    const std::filesystem::path previous = design.Path();
    CsvImporter importer(design, session.Ids(), session.HostRef(), session.DialogsRef());
    SimpleImportResult result;
    // The import date range chosen in the definition window applies here too.
    const ImportChoices choices = CurrentImportChoices();
    if (!importer.SimpleImport(PathFromText(path), choices, &result)) return std::nullopt;
    // The design that was open is left: it is no longer held by this instance.
    if (!previous.empty()) design.ReleaseHold(previous);
    if (mDefinition) mDefinition->ChooseReplace();
    if (result.rows > 0) session.View().start = result.viewStart;
    return result.topHourRow;
}

void CsvActions::MonitorCsvFile(const std::string& path, bool keepMonitoring) {
    mMonitor.Reset();
    // Watching ticks once at once, which imports the file.
    if (mMonitor.Watch(PathFromText(path), keepMonitoring ? "True" : "") && !mTimer.isActive()) mTimer.start();
}

}  // namespace mv
