#pragma once
// The CSV commands of marovelantis-tool: csv-export, csv-import and simple-import.

#include <optional>

namespace mv {

// Runs argv[1] when it is a CSV command and returns its exit status (2 after a usage
// error, shown with `usage`); nothing when argv[1] is another command.
std::optional<int> RunCsvCommand(int argc, char** argv, const char* usage);

}  // namespace mv
