#pragma once
// Seams for the fuzz targets: a fixed clock and name that never waits, and dialogs that
// say nothing and take the default answer.

#include <string>

#include "platform/dialogs.h"
#include "platform/host.h"

namespace mv::fuzz {

class QuietHost : public Host {
public:
    ClockTime Now() const override { return {2003, 7, 1, 14, 3, 59}; }
    std::string ComputerName() const override { return "FUZZ"; }
    std::filesystem::path ProgramFolder() const override { return {}; }
    std::filesystem::path SettingsFolder() const override { return {}; }
    void Wait(int) override {}
};

class QuietDialogs : public Dialogs {
public:
    Answer Show(MessageKind, const std::string&, const std::string&, Buttons, Answer defaultAnswer) override {
        return defaultAnswer;
    }
};

}  // namespace mv::fuzz
