// Fuzzes the design-file reader and what follows it on real files: the check, reading into
// the line store, opening (holder claim, id renewal, re-save), the check before saving,
// releasing the hold, and turning every stored line into frames and back (as a commit of
// every date does).
//
// Input: the bytes of a design file.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "fuzz/fuzzsupport.h"
#include "model/designfile.h"
#include "model/identity.h"
#include "model/workingset.h"

namespace {

using namespace mv;
namespace fs = std::filesystem;

// A folder of this process for the files of one input, in memory when the system has one;
// removed after the input, since libFuzzer may end the process without destructors.
class WorkFolder {
public:
    WorkFolder() {
        std::error_code ec;
        fs::path base = fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
        mPath = base / ("mv-fuzz-design-" + std::to_string(::getpid()));
        fs::create_directories(mPath);
    }
    ~WorkFolder() {
        std::error_code ec;
        fs::remove_all(mPath, ec);
    }
    const fs::path& Path() const { return mPath; }

private:
    fs::path mPath;
};

void WriteFile(const fs::path& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// Every stored date in view at once, loaded into frames and committed back.
void CommitEveryStoredDate(DesignDocument& design) {
    RecordContext context;
    context.baseYear = design.BaseYear();
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (design.Store().Slot(slot).empty()) continue;
        const int monthDay = MonthDayOfSlot(slot);
        const int month = monthDay / 100, day = monthDay % 100;
        if (!IsValidDate(context.baseYear, month, day)) continue;
        WorkingSet view(design.Store(), context);
        view.Build({context.baseYear, month, day}, 1);
        view.LoadView();
        view.CommitView(true);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::QuietHost host;
    static fuzz::QuietDialogs dialogs;
    const WorkFolder folder;
    const fs::path path = folder.Path() / "design.MVF";
    WriteFile(path, data, size);

    FrameIdSource ids(host);
    DesignDocument reader(host, dialogs, ids);
    reader.CheckDesignFile(path);
    if (reader.ReadDesignFile(path, true)) {
        CommitEveryStoredDate(reader);
        reader.BuildFileLines();
    }

    DesignDocument opener(host, dialogs, ids);
    opener.SetPath(path);
    if (opener.OpenDesignFile(path)) {
        opener.CheckBeforeSave(path);
        opener.SaveDesignFile(path, true);
        opener.ReleaseHold(path);
    }
    return 0;
}
