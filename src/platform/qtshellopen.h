#pragma once
// The shell's "open" through QDesktopServices.

#include "platform/shellopen.h"

namespace mv {

class QtShellOpen : public ShellOpen {
public:
    bool OpenDocument(const std::filesystem::path& path) override;
};

}  // namespace mv
