#pragma once
// The design window's CSV side. "Import / Export" opens the CSV grid window in its mode
// (the design window hides until it closes), and the definition window on its table. A
// ".csv" opened through the window's open path (start-up argument, a dropped file, the open
// dialog) runs the simple import, which replaces the design; with the option
// "Key:CsvMonitor=True" the file is watched every 3 seconds and imported again whenever its
// date changes.

#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>
#include <string>

#include "app/window/designsession.h"
#include "io/csv/csvmonitor.h"
#include "io/csv/csvoptions.h"
#include "io/csv/widgets/csvgridwindow.h"
#include "io/csv/widgets/definition/csvdefinitionwindow.h"

namespace mv {

class TfrmTimeTable_01;

class CsvActions : public QObject, public CsvOpener, public CsvGridHost, public CsvDefinitionHost {
public:
    explicit CsvActions(TfrmTimeTable_01& window);
    ~CsvActions() override;

    // "1. インポートを行う" and "2. エキスポートを行う".
    void OpenGrid(bool importMode);
    TfrmCsvImport& Grid();
    TfrmCsvImportMain& Definition();
    // The import date range and duplicate rule the definition window shows (its defaults
    // before it was opened): the simple and the iCalendar imports take them too.
    ImportChoices CurrentImportChoices() const;

    // CsvGridHost and CsvDefinitionHost
    EnvSettings& Settings() override;
    Dialogs& Messages() override;
    FileChooser& Files() override;
    Host& System() override;
    void OpenDefinition(bool importMode) override;
    void GridWindowClosed() override;
    EditContext& Edit() override;
    FrameIdSource& FrameIds() override;
    void ImportFinished(const Date& earliest, int startTime) override;
    void ImportRunning(bool running) override;
    void ShowHelpTopic(bool importTopic) override;
    void ExportLinesReady(const std::vector<std::string>& lines) override;

    // CsvOpener
    std::optional<int> ImportCsvFile(const std::string& path) override;
    void MonitorCsvFile(const std::string& path, bool keepMonitoring) override;

    QTimer& MonitorTimer() { return mTimer; }
    // One tick of the watching: the file imported again when its date changed.
    void MonitorTick();
    const CsvMonitor& Monitor() const { return mMonitor; }
    // The window closes: the watching ends.
    void Stop() { mTimer.stop(); }

private:
    TfrmTimeTable_01& mWindow;
    std::unique_ptr<TfrmCsvImport> mGrid;
    std::unique_ptr<TfrmCsvImportMain> mDefinition;
    CsvMonitor mMonitor;
    QTimer mTimer;
};

}  // namespace mv
