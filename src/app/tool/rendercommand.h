#pragma once
// The commands of marovelantis-tool that lay out the view of a design as the design window
// would show it, without a display: "render" draws it into a PNG file, "html" writes it as
// the window's HTML page.

#include <optional>

namespace mv {

// Runs argv[1] when it is "render" or "html" and returns its exit status (2 after a usage error,
// shown with `usage`); nothing for any other command.
std::optional<int> RunRenderCommand(int argc, char** argv, const char* usage);

}  // namespace mv
