#pragma once
// Watching a CSV file that was opened through the main window: whenever its file date
// changes, it is opened again (which runs the simple import). The timer that calls Tick
// belongs to the window; this is the decision it makes on each tick.

#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

namespace mv {

class CsvMonitor {
public:
    using OpenFile = std::function<void(const std::filesystem::path&)>;
    explicit CsvMonitor(OpenFile open) : mOpen(std::move(open)) {}

    // Forgets the watched path, the file date and the monitor option (done before every
    // start-up argument or dropped file is processed).
    void Reset();
    // Watches `path` and ticks once at once. Returns whether the window should start its
    // timer: when the option `Key:CsvMonitor` was given as "True" (in any letter case).
    bool Watch(const std::filesystem::path& path, std::string_view monitorOption);
    // When the file exists and its date differs from the one last opened, and no tick is
    // opening it already, opens it and keeps its date.
    void Tick();

    const std::filesystem::path& Path() const { return mPath; }
    bool MonitorOn() const { return mMonitorOn; }
    bool Busy() const { return mBusy; }

private:
    OpenFile mOpen;
    std::filesystem::path mPath;
    std::optional<std::filesystem::file_time_type> mAge;
    bool mMonitorOn = false;
    bool mBusy = false;
};

}  // namespace mv
