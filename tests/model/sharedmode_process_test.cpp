// Shared mode between real processes: four instances of a small test program open one
// design in shared mode and add, change and delete frames on the same dates as fast as they
// can, polling only now and then; two of them view those month-days in the year after the
// base year. Afterwards the design file and every instance hold every frame that was added
// and not deleted, once, and nothing else.

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "model/textfile.h"
#include "support/processes.h"
#include "support/testhost.h"

namespace mv {
namespace {

namespace fs = std::filesystem;
using test::Finish;
using test::Start;

constexpr int kEdits = 24;

int Count(const std::string& text, const std::string& what) {
    int count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
    return count;
}

// The texts of the frames a sharer's script leaves: every edit adds NAME-k except every
// fourth, which deletes NAME-(k-2), and every sixth, which changes NAME-(k-1).
std::vector<std::string> Kept(const std::string& name) {
    std::vector<bool> added(kEdits, false);
    for (int k = 0; k < kEdits; ++k) added[k] = k % 4 != 3 && k % 6 != 5;
    std::vector<bool> kept = added;
    for (int k = 0; k < kEdits; ++k)
        if (k % 4 == 3) kept[k - 2] = false;
    std::vector<std::string> texts;
    for (int k = 0; k < kEdits; ++k)
        if (kept[k]) texts.push_back(name + "-" + std::to_string(k));
    return texts;
}

TEST(SharedModeProcesses, SharersEditingTheSameDatesKeepEveryFrame) {
    test::TempFolder folder;
    const fs::path design = folder / "plan.MVF";
    test::WriteBytes(design, "#Marovelantis=#Marovelantis\r\n#BaseYYYY=13\r\n");
    struct Sharer {
        std::string name, viewStart, firstDate;
    };
    // 2004/01/01 to 01/03 fall on the same month-day slots as 2003/01/01 to 01/03.
    const std::vector<Sharer> sharers = {{"SHRA", "2003/01/01", "2003/01/01"},
                                         {"SHRB", "2003/12/28", "2004/01/01"},
                                         {"SHRC", "2003/01/01", "2003/01/01"},
                                         {"SHRD", "2003/12/29", "2004/01/01"}};
    const std::string count = std::to_string(sharers.size());

    std::vector<long> running;
    for (const Sharer& s : sharers)
        running.push_back(Start({MV_SHARER_PATH, design.string(), s.name, std::to_string(kEdits), count,
                                 (folder / s.name).string(), s.viewStart, s.firstDate, "3"}));
    for (long handle : running) EXPECT_EQ(Finish(handle), 0);

    const std::string file = test::ReadBytes(design);
    std::vector<std::string> dumps;
    for (const Sharer& s : sharers) dumps.push_back(test::ReadBytes(folder / s.name));
    int made = 0, kept = 0;
    for (const Sharer& s : sharers) {
        for (int k = 0; k < kEdits; ++k) {
            const std::string text = s.name + "-" + std::to_string(k);
            const std::vector<std::string> expected = Kept(s.name);
            const int want = std::count(expected.begin(), expected.end(), text);
            made += want;
            kept += want == 1 && Count(file, "Ci_TextStr=" + text + "%!#") == 1;
            EXPECT_EQ(Count(file, "Ci_TextStr=" + text + "%!#"), want) << text << " in the design file";
            for (std::size_t i = 0; i < sharers.size(); ++i) {
                EXPECT_EQ(Count(dumps[i], "Ci_TextStr=" + text + "%!#"), want)
                    << text << " in the store of " << sharers[i].name;
                EXPECT_EQ(Count(dumps[i], " " + text + "\n"), want) << text << " in the view of " << sharers[i].name;
            }
        }
    }
    std::cout << "frames kept in the design file: " << kept << " of " << made << '\n';
    // Everyone has left: the side file and its gate are gone.
    EXPECT_FALSE(fs::exists(folder / "plan.sha"));
    EXPECT_FALSE(fs::exists(folder / "plan.sha.lock"));
}

}  // namespace
}  // namespace mv
