#pragma once
// The render command of marovelantis-tool: draws the view of a design into a PNG file, as
// the design window would show it, without a display.

#include <optional>

namespace mv {

// Runs argv[1] when it is "render" and returns its exit status (2 after a usage error,
// shown with `usage`); nothing for any other command.
std::optional<int> RunRenderCommand(int argc, char** argv, const char* usage);

}  // namespace mv
