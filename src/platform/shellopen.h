#pragma once
// The shell's "open" of a file in the application the system associates with it (an HTML
// page in the default browser), behind an interface so tests can answer it.

#include <filesystem>

namespace mv {

class ShellOpen {
public:
    virtual ~ShellOpen() = default;
    // False when no application could be started for the file.
    virtual bool OpenDocument(const std::filesystem::path& path) = 0;
};

}  // namespace mv
