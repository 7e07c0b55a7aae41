// Shared mode between real processes: three instances of a small test program open one
// design in shared mode and add frames to their own dates as fast as they can, none of them
// polling in between; afterwards the design file and every instance hold every edit.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/textfile.h"
#include "support/testhost.h"

#ifdef _WIN32
#include <process.h>
#else
#include <spawn.h>
#include <sys/wait.h>
extern char** environ;
#endif

namespace mv {
namespace {

namespace fs = std::filesystem;

constexpr int kSharers = 3;
constexpr int kEdits = 12;

// Starts a program; the returned handle is waited for by Finish.
long Start(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
#ifdef _WIN32
    return static_cast<long>(_spawnv(_P_NOWAIT, argv[0], argv.data()));
#else
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
    return static_cast<long>(pid);
#endif
}

// The exit status, or -1.
int Finish(long handle) {
    if (handle < 0) return -1;
#ifdef _WIN32
    int status = -1;
    if (_cwait(&status, static_cast<intptr_t>(handle), 0) == -1) return -1;
    return status;
#else
    int status = 0;
    if (waitpid(static_cast<pid_t>(handle), &status, 0) < 0 || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
#endif
}

int Count(const std::string& text, const std::string& what) {
    int count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
    return count;
}

TEST(SharedModeProcesses, SharersEditingAtOnceKeepEveryEdit) {
    test::TempFolder folder;
    const fs::path design = folder / "plan.MVF";
    test::WriteBytes(design, "#Marovelantis=#Marovelantis\r\n#BaseYYYY=13\r\n");
    const std::vector<std::string> names = {"SHRA", "SHRB", "SHRC"};

    std::vector<long> running;
    for (int i = 0; i < kSharers; ++i)
        running.push_back(Start({MV_SHARER_PATH, design.string(), names[i], std::to_string(i + 1),
                                 std::to_string(kEdits), std::to_string(kSharers), (folder / names[i]).string()}));
    for (long handle : running) EXPECT_EQ(Finish(handle), 0);

    const std::string file = test::ReadBytes(design);
    std::vector<std::string> dumps;
    for (const std::string& name : names) dumps.push_back(test::ReadBytes(folder / name));
    for (const std::string& name : names) {
        for (int k = 0; k < kEdits; ++k) {
            const std::string text = name + "-" + std::to_string(k);
            EXPECT_EQ(Count(file, "Ci_TextStr=" + text + "%!#"), 1) << text << " in the design file";
            for (int i = 0; i < kSharers; ++i) {
                EXPECT_EQ(Count(dumps[i], "Ci_TextStr=" + text + "%!#"), 1) << text << " in the store of " << names[i];
                EXPECT_EQ(Count(dumps[i], " " + text + "\n"), 1) << text << " in the view of " << names[i];
            }
        }
    }
    // Everyone has left: the side file and its gate are gone.
    EXPECT_FALSE(fs::exists(folder / "plan.sha"));
    EXPECT_FALSE(fs::exists(folder / "plan.sha.lock"));
}

}  // namespace
}  // namespace mv
