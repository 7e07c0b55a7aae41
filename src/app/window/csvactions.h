#pragma once
// The design window's CSV side: a ".csv" opened through the window's open path (start-up
// argument, a dropped file, the open dialog) runs the simple import, which replaces the
// design; with the option "Key:CsvMonitor=True" the file is watched every 3 seconds and
// imported again whenever its date changes.

#include <QObject>
#include <QTimer>
#include <optional>
#include <string>

#include "app/window/designsession.h"
#include "io/csv/csvmonitor.h"
#include "io/csv/csvoptions.h"

namespace mv {

class TfrmTimeTable_01;

class CsvActions : public QObject, public CsvOpener {
public:
    explicit CsvActions(TfrmTimeTable_01& window);

    // CsvOpener
    std::optional<int> ImportCsvFile(const std::string& path) override;
    void MonitorCsvFile(const std::string& path, bool keepMonitoring) override;

    // The import's date range and duplicate rule as last chosen; the simple import uses the
    // date range too.
    ImportChoices& Choices() { return mChoices; }
    QTimer& MonitorTimer() { return mTimer; }
    // One tick of the watching: the file imported again when its date changed.
    void MonitorTick();
    const CsvMonitor& Monitor() const { return mMonitor; }
    // The window closes: the watching ends.
    void Stop() { mTimer.stop(); }

private:
    TfrmTimeTable_01& mWindow;
    CsvMonitor mMonitor;
    QTimer mTimer;
    ImportChoices mChoices;
};

}  // namespace mv
