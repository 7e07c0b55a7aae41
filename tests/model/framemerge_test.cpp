// The three-way merge of one slot's lines, on small tables: each letter is a frame id and
// its digit the version of the frame's line ("a1" and "a2" are the same frame, changed).

#include "model/framemerge.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace mv {
namespace {

// "a1 b1" -> the record lines of frames a and b in versions 1.
LineList Lines(const std::string& table) {
    LineList lines;
    std::istringstream words(table);
    for (std::string word; words >> word;) {
        std::string id = word.substr(0, 1) == "-" ? "" : "PC01-20030701000000-0000" + word.substr(0, 1);
        lines.push_back("Ci_CDate=2003/07/01%!#Ci_Cid=" + id + "%!#Ci_ETime=" + word.substr(1) + "%!#");
    }
    return lines;
}

TEST(FrameMerge, KeepsWhatEitherSideDidToEachFrame) {
    struct Case {
        const char* what;
        const char* base;
        const char* mine;
        const char* theirs;
        const char* merged;
    };
    const std::vector<Case> cases = {
        {"nobody else changed anything", "a1 b1", "b2 a1 c1", "a1 b1", "b2 a1 c1"},
        {"others added frames", "a1", "a1 b1", "a1 c1 d1", "a1 b1 c1 d1"},
        {"others changed a frame left alone here", "a1 b1", "a1 b1 c1", "a1 b2", "a1 b2 c1"},
        {"others deleted a frame left alone here", "a1 b1", "a1 b1", "a1", "a1"},
        {"a frame deleted here stays deleted", "a1 b1", "a1", "a1 b2", "a1"},
        {"a frame changed here is written as it is here", "a1 b1", "a2 b1", "a3 b1", "a2 b1"},
        {"a frame changed here and deleted by others", "a1 b1", "a1 b2", "a1", "a1 b2"},
        {"no base frames: everything is new on both sides", "", "a1", "b1", "a1 b1"},
        {"lines without an id are known by their text", "-1", "-1 -2", "-1 -3", "-1 -2 -3"},
        {"two lines with one id are two frames", "a1 a1", "a1 a1", "a1 a1 a2", "a1 a1 a2"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MergeSlot(Lines(c.base), Lines(c.mine), Lines(c.theirs)), Lines(c.merged)) << c.what;
    }

    // A frame whose line was only rebuilt here (its date re-based) is unchanged here, so
    // the others' deletion of it holds.
    const LineList base = {"Ci_CDate=2004/01/01%!#Ci_Cid=A%!#Ci_ETime=1000%!#"};
    const LineList rebuilt = {"Ci_CDate=2003/01/01%!#Ci_Cid=A%!#Ci_ETime=1000%!#"};
    auto rebase = [](const std::string& line) {
        std::string out = line;
        if (auto at = out.find("2004/"); at != std::string::npos) out.replace(at, 5, "2003/");
        return out;
    };
    EXPECT_TRUE(MergeSlot(base, rebuilt, {}, rebase).empty());
    EXPECT_EQ(MergeSlot(base, rebuilt, {}), rebuilt) << "without the rebuild rule it reads as a change here";
}

}  // namespace
}  // namespace mv
