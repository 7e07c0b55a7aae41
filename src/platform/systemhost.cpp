#include "platform/systemhost.h"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace mv {

SystemHost::SystemHost(std::filesystem::path programFolder)
    : mProgramFolder(std::move(programFolder)) {}

ClockTime SystemHost::Now() const {
    std::time_t t = std::time(nullptr);
    if (t == mSecond) return mNow;
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &t);
#else
    localtime_r(&t, &local);
#endif
    mNow = {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
    mSecond = t;
    return mNow;
}

std::string SystemHost::ComputerName() const {
    if (!mName.empty()) return mName;
    char buffer[256] = {};
#ifdef _WIN32
    DWORD size = sizeof buffer;
    if (!GetComputerNameA(buffer, &size)) buffer[0] = 0;
#else
    if (gethostname(buffer, sizeof buffer - 1) != 0) buffer[0] = 0;
#endif
    std::string name(buffer);
    // A fully qualified name keeps only its first label, as a network name would.
    if (auto dot = name.find('.'); dot != std::string::npos) name.resize(dot);
    for (char& c : name) {
        if (static_cast<unsigned char>(c) < 0x21 || static_cast<unsigned char>(c) > 0x7E) c = '_';
    }
    if (name.empty()) name = "LOCALHOST";
    if (name.size() > 15) name.resize(15);
    mName = name;
    return name;
}

std::filesystem::path SystemHost::ProgramFolder() const { return mProgramFolder; }

std::filesystem::path SystemHost::SettingsFolder() const {
#ifdef _WIN32
    if (const char* appData = std::getenv("APPDATA")) return std::filesystem::path(appData) / "Marovelantis";
#else
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        return std::filesystem::path(xdg) / "marovelantis";
    if (const char* home = std::getenv("HOME")) return std::filesystem::path(home) / ".config" / "marovelantis";
#endif
    return mProgramFolder;
}

void SystemHost::Wait(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace mv
