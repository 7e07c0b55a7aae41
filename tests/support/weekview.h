#pragma once
// The week of tests/data/week.MVF from 2003/06/30 as the view lays it out on a 1280 x 800
// screen, and the command-line tool run on it, for the tests of what draws the view.

#include <cstdlib>
#include <memory>
#include <string>
#include <sys/wait.h>

#include "model/designfile.h"
#include "model/identity.h"
#include "support/testhost.h"
#include "view/snapshot.h"

namespace mv::test {

inline const std::string kWeekDesign = std::string(MV_TEST_DATA_DIR) + "/week.MVF";

// The tool's exit status; its messages are dropped.
inline int RunTool(const std::string& arguments) {
    const std::string command = std::string(MV_TOOL_PATH) + " " + arguments + " 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct WeekView {
    FakeHost host;
    FakeDialogs dialogs;
    FrameIdSource ids{host};
    DesignDocument design{host, dialogs, ids};
    SnapshotRequest request;
    std::unique_ptr<ViewSnapshot> snapshot;
    bool loaded = false;

    // `change` adjusts the request before the view is built.
    template <typename Change>
    explicit WeekView(Change change) {
        loaded = design.ReadDesignFile(kWeekDesign, false);
        request.start = {2003, 6, 30};
        request.sizes.windowWidth = request.sizes.screenWidth = 1280;
        request.sizes.screenHeight = 800;
        change(request);
        snapshot = std::make_unique<ViewSnapshot>(design.Store(), design.BaseYear());
        snapshot->Build(request);
    }
};

}  // namespace mv::test
