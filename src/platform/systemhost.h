#pragma once
// Host of a real run: the system clock, the machine's name and the real folders.

#include <ctime>
#include <string>

#include "platform/host.h"

namespace mv {

class SystemHost : public Host {
public:
    explicit SystemHost(std::filesystem::path programFolder = {});
    ClockTime Now() const override;
    std::string ComputerName() const override;
    std::filesystem::path ProgramFolder() const override;
    std::filesystem::path SettingsFolder() const override;
    void Wait(int milliseconds) override;

private:
    std::filesystem::path mProgramFolder;
    // Frame ids ask for both once each: the name is looked up once, and the local time is
    // worked out again only when the second has changed.
    mutable std::string mName;
    mutable std::time_t mSecond = -1;
    mutable ClockTime mNow;
};


}  // namespace mv
