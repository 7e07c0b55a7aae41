#pragma once
// What the design generators share: a host with a fixed clock and name (so that the ids
// they hand out, and thus the files they write, are the same on every run), dialogs that
// print to standard error, Shift-JIS constants that must convert without loss, and a
// writer that lays record lines into a design and saves it through the design file.

#include <cstdint>
#include <filesystem>
#include <iterator>
#include <iostream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "model/codec.h"
#include "model/designfile.h"
#include "model/identity.h"
#include "model/keyvalueline.h"
#include "platform/dialogs.h"
#include "platform/host.h"

namespace mv::bench {

class FixedHost : public Host {
public:
    FixedHost(std::string name, ClockTime now) : mName(std::move(name)), mNow(now) {}
    ClockTime Now() const override { return mNow; }
    std::string ComputerName() const override { return mName; }
    std::filesystem::path ProgramFolder() const override { return {}; }
    std::filesystem::path SettingsFolder() const override { return {}; }
    void Wait(int) override {}

private:
    std::string mName;
    ClockTime mNow;
};

class StderrDialogs : public Dialogs {
public:
    Answer Show(MessageKind, const std::string& caption, const std::string& text, Buttons,
                Answer defaultAnswer) override {
        std::string shown;
        for (char c : text) shown += c == '\r' ? '\n' : c;
        std::cerr << caption << ": " << shown << '\n';
        return defaultAnswer;
    }
};

// A Shift-JIS text from UTF-8; a character that Shift-JIS cannot hold is a mistake in the
// generator, not something to write as "?".
inline std::string Sj(std::string_view utf8) {
    int replaced = 0;
    std::string text = FromUtf8(utf8, &replaced);
    if (replaced > 0) throw std::runtime_error("not representable in Shift-JIS: " + std::string(utf8));
    return text;
}

// Multi-line text: each "\n" becomes the stored line-break byte.
inline std::string SjLines(std::string_view utf8) {
    std::string text = Sj(utf8);
    for (char& c : text)
        if (c == '\n') c = kLineBreakByte;
    return text;
}

// A small deterministic generator (SplitMix64): the same seed gives the same design with
// every compiler and standard library.
class Random {
public:
    explicit Random(std::uint64_t seed) : mState(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (mState += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // 0 .. bound-1
    int Below(int bound) { return static_cast<int>(Next() % static_cast<std::uint64_t>(bound)); }
    template <typename Container>
    const auto& Pick(const Container& items) {
        return items[static_cast<std::size_t>(Below(static_cast<int>(std::size(items))))];
    }

private:
    std::uint64_t mState;
};

}  // namespace mv::bench
