// mv_sharer: a test-only program (never shipped) that opens a design in shared mode as one
// of several instances and performs scripted edits, so that tests can run a few of them
// at once as separate processes on one design.
//
//   mv_sharer DESIGN NAME EDITS SHARERS OUT VIEW_START FIRST_DATE DATES
//
// NAME stands in for the computer name (it makes the instance stamps differ). The view
// shows 14 days from VIEW_START ("YYYY/MM/DD"; may lie in the year after the design's base
// year, so that its dates share month-day slots with other sharers' dates of the base
// year). Edit k adds a frame whose text is NAME-k on date FIRST_DATE + k % DATES; every
// fourth edit (k % 4 == 3) instead deletes the frame NAME-(k-2) and every sixth (k % 6 == 5)
// changes the end of NAME-(k-1) when it can find them. Each edit is announced at once; now
// and then the instance polls between edits, as the window's timer would. Instances meet
// at three barriers (files beside the design): all opened, all edits done, all results
// written. After the second one each polls once and writes its line store and the texts of
// the frames in its view to OUT.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <thread>

#include "model/designfile.h"
#include "model/identity.h"
#include "model/recordline.h"
#include "model/sharedmode.h"
#include "model/workingset.h"
#include "platform/dialogs.h"
#include "platform/systemhost.h"

namespace {

constexpr int kViewDays = 14;
constexpr auto kBarrierTimeout = std::chrono::seconds(120);

class NamedHost : public mv::SystemHost {
public:
    explicit NamedHost(std::string name) : mName(std::move(name)) {}
    std::string ComputerName() const override { return mName; }

private:
    std::string mName;
};

class StderrDialogs : public mv::Dialogs {
public:
    mv::Answer Show(mv::MessageKind, const std::string&, const std::string& text, mv::Buttons,
                    mv::Answer defaultAnswer) override {
        std::cerr << text << '\n';
        return defaultAnswer;
    }
};

class ViewListener : public mv::SharedModeListener {
public:
    explicit ViewListener(mv::WorkingSet& view) : mView(view) {}
    void DaysReloaded(const mv::SlotSet& slots) override { mView.LoadSlots(slots); }
    void BaseYearNotified(int) override {}

private:
    mv::WorkingSet& mView;
};

// Leaves a mark and waits until every sharer has left one.
bool Meet(const std::filesystem::path& folder, const std::string& stage, const std::string& name, int sharers) {
    std::ofstream(folder / (stage + "-" + name)).put('x');
    const auto deadline = std::chrono::steady_clock::now() + kBarrierTimeout;
    for (;;) {
        int arrived = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            if (entry.path().filename().string().rfind(stage + "-", 0) == 0) ++arrived;
        if (arrived >= sharers) return true;
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

// The frame of the view with this text, or null. (Its date is the column's: frames are
// read into the base year, and a view across the year end shows some under the next.)
mv::TCInf* FindShown(mv::WorkingSet& view, const std::string& text) {
    for (int i = 0; i < view.ColumnCount(); ++i)
        for (const auto& frame : view.Column(i).frames)
            if (frame->TextStr == text) return frame.get();
    return nullptr;
}

int Run(int argc, char** argv) {
    if (argc != 9) {
        std::cerr << "usage: mv_sharer DESIGN NAME EDITS SHARERS OUT VIEW_START FIRST_DATE DATES\n";
        return 2;
    }
    const std::filesystem::path designPath = argv[1];
    const std::string name = argv[2];
    const int edits = std::stoi(argv[3]);
    const int sharers = std::stoi(argv[4]);
    const std::filesystem::path out = argv[5];
    const auto viewStart = mv::ParseDate(argv[6]);
    const auto firstDate = mv::ParseDate(argv[7]);
    const int dates = std::max(1, std::stoi(argv[8]));
    if (!viewStart || !firstDate) return 2;
    const std::filesystem::path folder = designPath.parent_path();

    NamedHost host(name);
    StderrDialogs dialogs;
    mv::FrameIdSource ids(host);
    mv::DesignDocument design(host, dialogs, ids);
    mv::SharedMode shared(host, dialogs, design, mv::ProcessStamp(host));
    design.SetSharingHooks(&shared);
    design.SetSharedMode(true);
    design.SetPath(designPath);
    if (!design.CheckDesignFile(designPath) || !design.OpenDesignFile(designPath)) return 1;

    mv::RecordContext context;
    context.baseYear = design.BaseYear();
    mv::WorkingSet view(design.Store(), context);
    view.Build(*viewStart, kViewDays);
    view.LoadView();
    ViewListener listener(view);
    shared.SetListener(&listener);
    shared.SetWorkingSet(&view);
    for (int d = 0; d < dates; ++d)
        if (!view.ColumnOf(mv::AddDays(*firstDate, d))) {
            std::cerr << "mv_sharer: the edited dates lie outside the view\n";
            return 2;
        }

    if (!Meet(folder, "opened", name, sharers)) return 3;
    std::mt19937 random(std::random_device{}());
    for (int k = 0; k < edits; ++k) {
        std::vector<mv::Date> changed;
        if (k % 4 == 3) {
            if (mv::TCInf* frame = FindShown(view, name + "-" + std::to_string(k - 2))) {
                changed.push_back(view.Column(frame->Column).date);
                view.FreeFrame(frame);
            }
        } else if (k % 6 == 5) {
            if (mv::TCInf* frame = FindShown(view, name + "-" + std::to_string(k - 1))) {
                frame->ETime += 30;
                changed.push_back(view.Column(frame->Column).date);
            }
        } else {
            const mv::Date date = mv::AddDays(*firstDate, k % dates);
            auto frame = mv::NewFrame(context.defaults, ids.NewFrameId());
            frame->CDate = date;
            frame->STime = 600 + k;
            frame->ETime = 700 + k;
            frame->TextStr = name + "-" + std::to_string(k);
            view.AddFrame(date, std::move(frame));
            changed.push_back(date);
        }
        if (changed.empty()) continue;
        design.SetModified(true);
        shared.NotifyChange(changed, "edit");
        // A user does not edit without pause; a pause also gives the others a chance at
        // the lock before it would be taken over.
        std::this_thread::sleep_for(std::chrono::milliseconds(std::uniform_int_distribution<int>(5, 40)(random)));
        if (std::uniform_int_distribution<int>(0, 3)(random) == 0) shared.Poll();
    }
    if (!Meet(folder, "edited", name, sharers)) return 3;

    shared.Poll();
    {
        std::ofstream dump(out, std::ios::binary);
        for (int slot = 0; slot < mv::kSlotCount; ++slot)
            for (const std::string& line : design.Store().Slot(slot)) dump << "STORE " << line << '\n';
        for (int i = 0; i < view.ColumnCount(); ++i)
            for (const auto& frame : view.Column(i).frames)
                dump << "VIEW " << mv::FormatDate(frame->CDate) << ' ' << frame->TextStr << '\n';
    }
    if (!Meet(folder, "written", name, sharers)) return 3;
    design.ReleaseHold(designPath);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& error) {
        std::cerr << "mv_sharer: " << error.what() << '\n';
        return 1;
    }
}
