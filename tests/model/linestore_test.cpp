#include "model/linestore.h"

#include <gtest/gtest.h>

#include <stdexcept>

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

}  // namespace
}  // namespace mv
