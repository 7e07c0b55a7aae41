#pragma once
// The iCalendar commands of marovelantis-tool: ics-export and ics-import.

#include <optional>

namespace mv {

// Runs argv[1] when it is an iCalendar command and returns its exit status (2 after a
// usage error, shown with `usage`); nothing when argv[1] is another command.
std::optional<int> RunIcsCommand(int argc, char** argv, const char* usage);

}  // namespace mv
