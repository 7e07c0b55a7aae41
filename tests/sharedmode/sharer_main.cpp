// mv_sharer: a test-only program (never shipped) that opens a design in shared mode as one
// of several instances and performs scripted edits, so that tests can run a few of them
// at once as separate processes on one design.
//
//   mv_sharer DESIGN NAME FIRST_DAY EDITS SHARERS OUT
//
// NAME stands in for the computer name (it makes the instance stamps differ). The
// instance edits the July dates FIRST_DAY, FIRST_DAY + 3, ... of the design's base year,
// adding one frame whose text is NAME-k per edit k, and announces each edit at once with
// no poll in between. Instances meet at three barriers (files beside the design): all
// opened, all edits done, all results written. After the second one each polls once and
// writes its line store and the texts of the frames in its view to OUT.

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

constexpr int kDatesPerSharer = 4;
constexpr int kViewDays = 14;
constexpr auto kBarrierTimeout = std::chrono::seconds(60);

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
    void DaysReloaded(const std::vector<mv::Date>& dates) override {
        for (const mv::Date& date : dates) mView.LoadDay(date);
    }
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

int Run(int argc, char** argv) {
    if (argc != 7) {
        std::cerr << "usage: mv_sharer DESIGN NAME FIRST_DAY EDITS SHARERS OUT\n";
        return 2;
    }
    const std::filesystem::path designPath = argv[1];
    const std::string name = argv[2];
    const int firstDay = std::stoi(argv[3]);
    const int edits = std::stoi(argv[4]);
    const int sharers = std::stoi(argv[5]);
    const std::filesystem::path out = argv[6];
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
    view.Build({design.BaseYear(), 7, 1}, kViewDays);
    view.LoadView();
    ViewListener listener(view);
    shared.SetListener(&listener);
    shared.SetWorkingSet(&view);

    if (!Meet(folder, "opened", name, sharers)) return 3;
    std::mt19937 random(std::random_device{}());
    for (int k = 0; k < edits; ++k) {
        const mv::Date date{design.BaseYear(), 7, firstDay + 3 * (k % kDatesPerSharer)};
        auto frame = mv::NewFrame(context.defaults, ids.NewFrameId());
        frame->CDate = date;
        frame->STime = 600 + k;
        frame->ETime = 700 + k;
        frame->TextStr = name + "-" + std::to_string(k);
        mv::DateColumn& column = view.Column(*view.ColumnOf(date));
        frame->Column = *view.ColumnOf(date);
        column.frames.push_back(std::move(frame));
        design.SetModified(true);
        shared.NotifyChange(std::vector<mv::Date>{date}, "edit");
        // A user does not edit without pause; a pause also gives the others a chance at
        // the lock before it would be taken over.
        std::this_thread::sleep_for(std::chrono::milliseconds(std::uniform_int_distribution<int>(5, 40)(random)));
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
