#pragma once
// The shell's "open": a file handed to the application the desktop opens it with (a page
// to the browser), behind an interface so tests can stand in for it.

#include <filesystem>

namespace mv {

class Shell {
public:
    virtual ~Shell() = default;
    // False when no application could be started for it.
    virtual bool OpenFile(const std::filesystem::path& file) = 0;
};

// Through QDesktopServices.
class QtShell : public Shell {
public:
    bool OpenFile(const std::filesystem::path& file) override;
};

}  // namespace mv
