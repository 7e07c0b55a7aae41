#pragma once
// marovelantis-tool edit: editing commands from a script, through the same command layer as
// the design window.

#include <optional>

namespace mv {

// Runs the edit command when argv names it; nothing for other commands.
std::optional<int> RunEditCommand(int argc, char** argv, const char* usage);

}  // namespace mv
