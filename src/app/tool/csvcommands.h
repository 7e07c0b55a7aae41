#pragma once
// The CSV commands of marovelantis-tool: csv-export, csv-import and simple-import.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "model/date.h"

namespace mv {

// A mistake in the command line, shown with the usage text.
struct CsvUsageError {
    std::string what;
};

// The arguments after the command name: positional ones, options with a value, flags.
struct CsvArguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string> values;
    std::set<std::string> flags;
};

// Any other option than the named ones is a usage error.
CsvArguments Parse(int argc, char** argv, const std::vector<std::string>& valueOptions,
                   const std::vector<std::string>& flagOptions);
// The date of option `name`, when given; a usage error when it is no date.
std::optional<Date> DateValue(const CsvArguments& args, const std::string& name);

// Runs argv[1] when it is a CSV command and returns its exit status (2 after a usage
// error, shown with `usage`); nothing when argv[1] is another command.
std::optional<int> RunCsvCommand(int argc, char** argv, const char* usage);

}  // namespace mv
