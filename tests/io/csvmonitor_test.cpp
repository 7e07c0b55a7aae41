#include "io/csv/csvmonitor.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "support/testhost.h"

namespace mv {
namespace {

namespace fs = std::filesystem;

class CsvMonitorTest : public ::testing::Test {
protected:
    void Touch(int secondsLater) {
        fs::last_write_time(path, fs::last_write_time(path) + std::chrono::seconds(secondsLater));
    }

    test::TempFolder folder;
    fs::path path = folder / "watched.csv";
    std::vector<fs::path> opened;
    CsvMonitor monitor{[this](const fs::path& p) { opened.push_back(p); }};
};

TEST_F(CsvMonitorTest, OpensWhenTheFileDateChanges) {
    test::WriteBytes(path, "x");
    EXPECT_TRUE(monitor.Watch(path, "tRUe"));
    EXPECT_EQ(opened.size(), 1u);
    monitor.Tick();
    EXPECT_EQ(opened.size(), 1u);
    Touch(10);
    monitor.Tick();
    monitor.Tick();
    EXPECT_EQ(opened, (std::vector<fs::path>{path, path}));

    // A vanished file is waited for; it is opened when it comes back.
    fs::remove(path);
    monitor.Tick();
    test::WriteBytes(path, "y");
    Touch(20);
    monitor.Tick();
    EXPECT_EQ(opened.size(), 3u);

    monitor.Reset();
    Touch(30);
    monitor.Tick();
    EXPECT_EQ(opened.size(), 3u);
    EXPECT_FALSE(monitor.MonitorOn());
}

TEST_F(CsvMonitorTest, TheOptionMustSayTrue) {
    test::WriteBytes(path, "x");
    EXPECT_FALSE(monitor.Watch(path, ""));
    EXPECT_FALSE(monitor.Watch(path, "yes"));
    EXPECT_FALSE(monitor.Watch(path, "truely"));
    EXPECT_EQ(opened.size(), 1u);  // watching the same unchanged file again opens nothing
}

TEST_F(CsvMonitorTest, ABusyTickKeepsOthersOutAndEndsEvenWhenOpeningFails) {
    test::WriteBytes(path, "x");
    int nested = 0;
    bool fail = false;
    CsvMonitor busy([&](const fs::path&) {
        // A message box of the import lets the timer fire again meanwhile.
        Touch(5);
        ++nested;
        busy.Tick();
        if (fail) throw std::runtime_error("cannot open");
    });
    busy.Watch(path, "True");
    EXPECT_EQ(nested, 1);
    EXPECT_FALSE(busy.Busy());

    // The date read before opening is the one kept, so the change made meanwhile is seen.
    busy.Tick();
    EXPECT_EQ(nested, 2);

    fail = true;
    Touch(5);
    EXPECT_THROW(busy.Tick(), std::runtime_error);
    EXPECT_FALSE(busy.Busy());
}

}  // namespace
}  // namespace mv
