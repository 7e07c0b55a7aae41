#include "io/csv/csvmonitor.h"

#include <system_error>

#include "model/keyvalueline.h"

namespace mv {

void CsvMonitor::Reset() {
    mPath.clear();
    mAge.reset();
    mMonitorOn = false;
}

bool CsvMonitor::Watch(const std::filesystem::path& path, std::string_view monitorOption) {
    mPath = path;
    std::string_view option = Trim(monitorOption);
    constexpr std::string_view kTrue = "true";
    mMonitorOn = option.size() == kTrue.size();
    for (std::size_t i = 0; mMonitorOn && i < option.size(); ++i) {
        char c = option[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        mMonitorOn = c == kTrue[i];
    }
    Tick();
    return mMonitorOn;
}

void CsvMonitor::Tick() {
    if (mPath.empty() || mBusy) return;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(mPath, ec)) return;
    auto age = std::filesystem::last_write_time(mPath, ec);
    if (ec || (mAge && *mAge == age)) return;
    // Opening may show messages and let timer events through; the flag keeps a second
    // tick from opening the file again meanwhile, and is cleared however opening ends.
    struct BusyGuard {
        bool& busy;
        explicit BusyGuard(bool& b) : busy(b) { busy = true; }
        ~BusyGuard() { busy = false; }
    } guard(mBusy);
    const std::filesystem::path path = mPath;
    mOpen(path);
    if (mPath == path) mAge = age;
}

}  // namespace mv
