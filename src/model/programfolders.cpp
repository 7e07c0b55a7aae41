#include "model/programfolders.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/host.h"

namespace mv {

namespace {

// Every help text ships together; the first guide stands for all of them.
constexpr const char* kHelpMarker = "Doc_Marovelantis_Begin.Txt";

}  // namespace

std::filesystem::path HelpTextFolder(const std::filesystem::path& programFolder, bool programFolderHoldsHelp) {
    if (programFolderHoldsHelp) return programFolder;
    return (programFolder / ".." / "share" / "marovelantis").lexically_normal();
}

std::filesystem::path HelpTextFolder(const Host& host) {
    std::error_code ec;
    const std::filesystem::path folder = host.ProgramFolder();
    return HelpTextFolder(folder, std::filesystem::is_regular_file(folder / kHelpMarker, ec));
}

std::filesystem::path OwnFilesFolder(const Host& host, bool programFolderWritable) {
    return programFolderWritable ? host.ProgramFolder() : host.SettingsFolder();
}

std::filesystem::path OwnFilesFolder(const Host& host) {
    const bool writable = IsFolderWritable(host.ProgramFolder());
    const std::filesystem::path folder = OwnFilesFolder(host, writable);
    std::error_code ec;
    // A failure shows up as a failed write into the folder, which every caller reports.
    if (!writable) std::filesystem::create_directories(folder, ec);
    return folder;
}

std::filesystem::path DocumentFolder(const Host& host, bool programFolderWritable, const std::filesystem::path& home) {
    if (programFolderWritable) return host.ProgramFolder();
    return home.empty() ? host.SettingsFolder() : home;
}

std::filesystem::path DocumentFolder(const Host& host) {
#ifdef _WIN32
    const char* home = std::getenv("USERPROFILE");
#else
    const char* home = std::getenv("HOME");
#endif
    return DocumentFolder(host, IsFolderWritable(host.ProgramFolder()),
                          home && *home ? std::filesystem::path(home) : std::filesystem::path());
}

bool IsFolderWritable(const std::filesystem::path& folder) {
    std::error_code ec;
    if (folder.empty() || !std::filesystem::is_directory(folder, ec)) return false;
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 10; ++attempt) {
        auto tick = std::chrono::steady_clock::now().time_since_epoch().count();
        std::filesystem::path probe = folder / (".Marovelantis-probe-" + std::to_string(tick % 1000000007) + "-" +
                                                std::to_string(++counter));
        if (std::filesystem::exists(probe, ec)) continue;  // never touch a file that is not ours
        bool created;
        {
            std::ofstream out(probe, std::ios::binary);
            created = static_cast<bool>(out);
        }
        if (!created) return false;
        std::filesystem::remove(probe, ec);
        return true;
    }
    return false;
}

}  // namespace mv
