// sharedmode-bench: what shared mode costs on a year of 100 frames a day.
//
//   sharedmode-bench [DESIGN.MVF] [--runs N]
//
// Without a design it runs generate-design (built beside it) into a temporary folder.
// Two instances in this process share a copy of the design, with the real clock and file
// system. Reported:
//   - a poll that finds no change: once the side file's time has settled, one file-status
//     call (and before that, one read of the small side file to compare contents);
//   - a poll that takes in one changed date of another sharer (reads the design file);
//   - NotifyChange of one date, the wait a user has after each edit in shared mode: with one
//     sharer (save only), with two (save and notification), and with two when the other has
//     saved changes this instance has not polled (their slots are taken in first);
//     and with two when the other changed the same date (merged frame by frame);
//   - SaveDesignFile alone, for comparison.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "bench/generatorsupport.h"
#include "model/frame.h"
#include "model/sharedmode.h"
#include "model/workingset.h"
#include "platform/systemhost.h"

namespace mv::bench {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

class NamedHost : public SystemHost {
public:
    explicit NamedHost(std::string name) : mName(std::move(name)) {}
    std::string ComputerName() const override { return mName; }

private:
    std::string mName;
};

class ViewListener : public SharedModeListener {
public:
    explicit ViewListener(WorkingSet& view) : mView(view) {}
    void DaysReloaded(const SlotSet& slots) override { mView.LoadSlots(slots); }
    void BaseYearNotified(int) override {}

private:
    WorkingSet& mView;
};

struct Instance {
    explicit Instance(const std::string& name) : host(name) {
        design.SetSharingHooks(&shared);
        shared.SetListener(&listener);
        shared.SetWorkingSet(&view);
    }
    bool Open(const fs::path& path) {
        design.SetSharedMode(true);
        design.SetPath(path);
        if (!design.OpenDesignFile(path)) return false;
        context.baseYear = design.BaseYear();
        view.Build({design.BaseYear(), 7, 1}, 7);
        view.LoadView();
        return true;
    }
    // Changes a frame (the first unless told) of a date in view, as an edit would.
    void Touch(const Date& date, int run, std::size_t which = 0) {
        auto& frames = view.Column(*view.ColumnOf(date)).frames;
        if (frames.size() <= which) return;
        frames[which]->ETime = frames[which]->STime + 10 + run % 20;
        design.SetModified(true);
    }

    NamedHost host;
    StderrDialogs dialogs;
    FrameIdSource ids{host};
    DesignDocument design{host, dialogs, ids};
    RecordContext context;
    WorkingSet view{design.Store(), context};
    ViewListener listener{view};
    SharedMode shared{host, dialogs, design, ProcessStamp(host)};
};

struct Figures {
    std::vector<double> ms;
    void Add(Clock::duration d) { ms.push_back(std::chrono::duration<double, std::milli>(d).count()); }
    void Print(const std::string& what) {
        std::sort(ms.begin(), ms.end());
        double sum = 0;
        for (double m : ms) sum += m;
        std::printf("%-58s median %10.3f ms  mean %10.3f ms  min %10.3f ms  (%zu runs)\n", what.c_str(),
                    ms[ms.size() / 2], sum / static_cast<double>(ms.size()), ms.front(), ms.size());
    }
};

template <typename Work>
Clock::duration Time(Work work) {
    auto start = Clock::now();
    work();
    return Clock::now() - start;
}

int Run(int argc, char** argv) {
    fs::path source;
    int runs = 10;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) runs = std::max(1, std::atoi(argv[++i]));
        else source = arg;
    }
    const fs::path work = fs::temp_directory_path() / ("mv-sharedmode-bench-" + std::to_string(std::random_device{}()));
    fs::create_directories(work);
    const fs::path design = work / "year.MVF";
    if (source.empty()) {
        const std::string command = std::string("\"") + MV_GENERATE_DESIGN_PATH + "\" \"" + design.string() +
                                    "\" --frames-per-day 100";
        if (std::system(command.c_str()) != 0) return 1;
    } else {
        fs::copy_file(source, design, fs::copy_options::overwrite_existing);
    }
    std::printf("design: %s, %.1f MB\n", design.string().c_str(),
                static_cast<double>(fs::file_size(design)) / 1e6);

    Instance a("BENCHA");
    if (!a.Open(design)) return 1;
    const Date day{a.design.BaseYear(), 7, 2};

    Figures save;
    for (int run = 0; run < runs; ++run) save.Add(Time([&] { a.design.SaveDesignFile(design, true); }));
    save.Print("SaveDesignFile");

    Figures alone;
    for (int run = 0; run < runs; ++run) {
        a.Touch(day, run);
        alone.Add(Time([&] { a.shared.NotifyChange(std::vector<Date>{day}, "bench"); }));
    }
    alone.Print("NotifyChange, one sharer (save)");

    Instance b("BENCHB");
    if (!b.Open(design)) return 1;
    a.shared.Poll();
    Figures two;
    for (int run = 0; run < runs; ++run) {
        a.Touch(day, run);
        two.Add(Time([&] { a.shared.NotifyChange(std::vector<Date>{day}, "bench"); }));
    }
    two.Print("NotifyChange, two sharers (save + notification)");

    Figures pollChange;
    Figures merged;
    const Date otherDay{a.design.BaseYear(), 7, 3};
    for (int run = 0; run < runs; ++run) {
        b.Touch(otherDay, run);
        b.shared.NotifyChange(std::vector<Date>{otherDay}, "bench");
        if (run % 2 == 0) {
            pollChange.Add(Time([&] { a.shared.Poll(); }));
        } else {
            a.Touch(day, run);
            merged.Add(Time([&] { a.shared.NotifyChange(std::vector<Date>{day}, "bench"); }));
        }
    }
    merged.Print("NotifyChange, two sharers, the other's change taken in");

    // Both change the same date: this instance's save merges it with the other's frame by
    // frame (against the plain two-sharer save above).
    Figures sameDate;
    for (int run = 0; run < runs; ++run) {
        b.shared.Poll();
        b.Touch(day, run + 1, 1);
        b.shared.NotifyChange(std::vector<Date>{day}, "bench");
        a.Touch(day, run);
        sameDate.Add(Time([&] { a.shared.NotifyChange(std::vector<Date>{day}, "bench"); }));
    }
    sameDate.Print("NotifyChange, two sharers, the same date merged");
    pollChange.Print("Poll taking in one date of the other sharer");

    // Quiet side file: the first poll after it settles compares contents once; then each
    // tick is one file-status call. The ticks pass no time, so that the 180-second refresh
    // (which rewrites the side file) stays out of the figure.
    a.shared.Poll();
    std::this_thread::sleep_for(std::chrono::milliseconds(2200));
    Figures firstQuiet;
    firstQuiet.Add(Time([&] { a.shared.Poll(0); }));
    firstQuiet.Print("Poll finding no change, first tick (reads the side file)");
    constexpr int kQuietPolls = 20000;
    Figures quiet;
    for (int run = 0; run < 5; ++run) {
        auto total = Time([&] {
            for (int i = 0; i < kQuietPolls; ++i) a.shared.Poll(0);
        });
        quiet.ms.push_back(std::chrono::duration<double, std::milli>(total).count() / kQuietPolls);
    }
    quiet.Print("Poll finding no change (one file-status call), per poll");

    a.design.ReleaseHold(design);
    b.design.ReleaseHold(design);
    std::error_code ec;
    fs::remove_all(work, ec);
    return 0;
}

}  // namespace
}  // namespace mv::bench

int main(int argc, char** argv) {
    try {
        return mv::bench::Run(argc, argv);
    } catch (const std::exception& error) {
        std::cerr << "sharedmode-bench: " << error.what() << '\n';
        return 1;
    }
}
