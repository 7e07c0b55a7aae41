// marovelantis-tool edit --shared run as several processes at once on one design: each
// copies a frame onto the same date and moves a frame of its own twice. Every command is
// merged into the shared design file as it runs, so afterwards the file holds every copy
// once, under an id of its own process, and every move; and nobody is left registered.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "model/textfile.h"
#include "support/processes.h"
#include "support/testhost.h"

namespace mv {
namespace {

namespace fs = std::filesystem;

constexpr int kCopies = 6;

struct Listed {
    std::string date, start, cid;
};

// The frames of the design as the tool lists them.
std::vector<Listed> FramesOf(const fs::path& design, const fs::path& listing) {
    const std::string command =
        std::string("\"") + MV_TOOL_PATH + "\" frames \"" + design.string() + "\" > \"" + listing.string() + "\"";
    EXPECT_EQ(std::system(command.c_str()), 0);
    std::vector<Listed> frames;
    for (const std::string& line : SplitLines(test::ReadBytes(listing))) {
        std::vector<std::string> cells;
        for (std::size_t at = 0;;) {
            const std::size_t tab = line.find('\t', at);
            cells.push_back(line.substr(at, tab - at));
            if (tab == std::string::npos) break;
            at = tab + 1;
        }
        if (cells.size() >= 4) frames.push_back({cells[0], cells[1], cells[3]});
    }
    return frames;
}

TEST(ToolSharedEdit, SharersRunningAtOnceKeepEveryCopyAndMove) {
    test::TempFolder folder;
    const fs::path design = folder / "week.MVF";
    test::WriteBytes(design, test::ReadBytes(fs::path(MV_TEST_DATA_DIR) / "week.MVF"));
    const std::string song = "id:PC07-20030615093000-00010";  // 19:00 to 21:00 on 07/03
    // Each sharer's own frame, its date, and where its two moves put it.
    struct Sharer {
        std::string cid, date, firstMove, lastMove;
    };
    const std::vector<Sharer> sharers = {{"PC07-20030615093000-00001", "2003/01/01", "15:00", "16:30"},
                                         {"PC07-20030615093000-00002", "2003/02/28", "08:00", "09:15"},
                                         {"PC07-20030615093000-00009", "2003/07/02", "16:00", "17:45"}};
    std::vector<long> running;
    for (std::size_t i = 0; i < sharers.size(); ++i) {
        const Sharer& s = sharers[i];
        std::string script;
        for (int k = 0; k < kCopies; ++k) {
            script += "copy " + song + " 2003/08/01 " + std::to_string(6 + i * kCopies + k) + ":00\n";
            if (k == 1) script += "move id:" + s.cid + " " + s.date + " " + s.firstMove + "\n";
        }
        script += "move " + s.date + "@" + s.firstMove + " " + s.date + " " + s.lastMove + "\n";
        const fs::path path = folder / ("script" + std::to_string(i) + ".txt");
        test::WriteBytes(path, script);
        running.push_back(test::Start({MV_TOOL_PATH, "edit", "--shared", design.string(), path.string()}));
    }
    for (long handle : running) ASSERT_GT(handle, 0);
    for (long handle : running) EXPECT_EQ(test::Finish(handle), 0);

    const std::vector<Listed> frames = FramesOf(design, folder / "frames.txt");
    EXPECT_EQ(frames.size(), 9u + sharers.size() * kCopies) << "the design's own frames and every copy";
    std::set<std::string> ids;
    std::map<std::string, std::string> copiedBy;  // start time on 08/01 to the id there
    for (const Listed& frame : frames) {
        ids.insert(frame.cid);
        if (frame.date == "2003/08/01") {
            EXPECT_TRUE(copiedBy.emplace(frame.start, frame.cid).second) << frame.start;
        }
    }
    EXPECT_EQ(ids.size(), frames.size()) << "every frame keeps an id of its own";
    // An id is the maker's name, "-", the time to the second, "-", a five-digit counter: the
    // copies of one process carry one name, and no two processes the same.
    std::set<std::string> makers;
    for (std::size_t i = 0; i < sharers.size(); ++i) {
        std::set<std::string> names;
        for (int k = 0; k < kCopies; ++k) {
            char start[8];
            std::snprintf(start, sizeof start, "%02d:00", static_cast<int>(6 + i * kCopies + k));
            ASSERT_TRUE(copiedBy.count(start)) << "copy at " << start << " lost";
            const std::string& cid = copiedBy[start];
            ASSERT_GT(cid.size(), 21u) << cid;
            names.insert(cid.substr(0, cid.size() - 21));
        }
        EXPECT_EQ(names.size(), 1u) << "copies of sharer " << i;
        makers.insert(names.begin(), names.end());
        int found = 0;
        for (const Listed& frame : frames)
            if (frame.cid == sharers[i].cid) {
                ++found;
                EXPECT_EQ(frame.date + " " + frame.start, sharers[i].date + " " + sharers[i].lastMove);
            }
        EXPECT_EQ(found, 1) << sharers[i].cid;
    }
    EXPECT_EQ(makers.size(), sharers.size()) << "each process names its frames apart";
    // Everyone has left, and the last to save released the file.
    EXPECT_FALSE(fs::exists(folder / "week.sha"));
    EXPECT_FALSE(fs::exists(folder / "week.sha.lock"));
    EXPECT_NE(test::ReadBytes(design).find("#Priority=\r\n"), std::string::npos);
}

}  // namespace
}  // namespace mv
