#pragma once
// The outside world the core needs: the clock, the computer's name, where the program
// lives and where settings go, and a way to wait that the application can fill with event
// processing. Tests inject a fixed clock and name so stamps and frame ids are predictable.

#include <filesystem>
#include <string>

namespace mv {

struct Date;

struct ClockTime {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0;
};

class Host {
public:
    virtual ~Host() = default;
    virtual ClockTime Now() const = 0;
    // The machine's network name, at most 15 characters, ASCII.
    virtual std::string ComputerName() const = 0;
    virtual std::filesystem::path ProgramFolder() const = 0;
    virtual std::filesystem::path SettingsFolder() const = 0;
    // Waits about this many milliseconds; the application lets events through meanwhile.
    virtual void Wait(int milliseconds) = 0;
};

}  // namespace mv
