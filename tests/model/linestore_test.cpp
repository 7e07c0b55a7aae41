#include "model/linestore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "model/keyvalueline.h"

namespace mv {
namespace {

TEST(LineStore, SlotsTwinsAndCounts) {
    LineStore store;
    EXPECT_EQ(store.LineCount(), 0u);
    store.Slot(0).push_back("a");
    store.Slot(371).push_back("z1");
    store.Slot(371).push_back("z2");
    EXPECT_EQ(store.LineCount(), 3u);

    // The twin keeps a copy for undo while the slot changes; appending brings it back after
    // whatever the slot holds then.
    store.CopyToTwin(371);
    store.Slot(371) = {"new"};
    EXPECT_EQ(store.Twin(371), (LineList{"z1", "z2"}));
    store.AppendTwin(371);
    EXPECT_EQ(store.Slot(371), (LineList{"new", "z1", "z2"}));
    EXPECT_EQ(store.Twin(371), (LineList{"z1", "z2"}));
    EXPECT_EQ(store.LineCount(), 4u) << "twins are not part of the design";

    store.CopyToTwin(5);  // an empty slot copies as empty
    store.AppendTwin(5);
    EXPECT_TRUE(store.Slot(5).empty());

    store.Clear();
    EXPECT_EQ(store.LineCount(), 0u);
    EXPECT_TRUE(store.Twin(371).empty());

    EXPECT_THROW(store.Slot(372), std::out_of_range);
    EXPECT_THROW(store.Slot(-1), std::out_of_range);
    EXPECT_THROW(store.CopyToTwin(kSlotCount), std::out_of_range);
}

// The one-pass forms for many frames give what the one-frame forms give in turn: the same
// lines left, and each frame's first line before the change, over duplicate ids, lines
// without an id, ids not there and ids given twice.
TEST(LineStore, ManyFramesInOnePassMatchOneAtATime) {
    const Date date{2026, 3, 23};
    auto line = [](const std::string& cid, const std::string& text) {
        return cid.empty() ? "Ci_Title=" + text : "Ci_Cid=" + cid + std::string(kSep) + "Ci_Title=" + text;
    };
    const LineList stored = {line("a", "1"), line("b", "2"), line("", "x"), line("a", "3"),
                             line("c", "4"), line("b", "5"), line("d", "6")};
    struct Case {
        std::vector<std::string> ids;  // removed, and replaced by "new" lines with these ids
    };
    for (const Case& c : std::vector<Case>{{{"a", "c"}}, {{"b", "zz", "b"}}, {{}}, {{"d", "a", "b", "c"}}, {{""}}}) {
        LineStore one, many;
        one.Slot(SlotOfDate(date)) = stored;
        many.Slot(SlotOfDate(date)) = stored;
        std::vector<std::string> expected, previous;
        for (const std::string& id : c.ids) {
            if (const std::string* found = one.FindLine(date, id)) expected.push_back(*found);
            one.RemoveLine(date, id);
        }
        many.RemoveLines(date, c.ids, previous);
        EXPECT_EQ(many.Slot(SlotOfDate(date)), one.Slot(SlotOfDate(date)));
        std::sort(expected.begin(), expected.end());  // removed lines come in stored order
        EXPECT_EQ(previous, expected);

        one.Slot(SlotOfDate(date)) = stored;
        many.Slot(SlotOfDate(date)) = stored;
        expected.clear();
        previous.clear();
        std::vector<std::string> replacements;
        for (const std::string& id : c.ids) {
            replacements.push_back(line(id, "new" + std::to_string(replacements.size())));
            if (const std::string* found = one.FindLine(date, id)) expected.push_back(*found);
            one.ReplaceLine(date, id, replacements.back());
        }
        many.ReplaceLines(date, replacements, previous);
        EXPECT_EQ(many.Slot(SlotOfDate(date)), one.Slot(SlotOfDate(date)));
        EXPECT_EQ(previous, expected);
    }
}

}  // namespace
}  // namespace mv
