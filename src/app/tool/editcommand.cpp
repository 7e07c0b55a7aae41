#include "app/tool/editcommand.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "app/tool/editscript.h"

namespace mv {

std::optional<int> RunEditCommand(int argc, char** argv, const char* usage) {
    if (argc < 2 || std::string(argv[1]) != "edit") return std::nullopt;
    std::vector<std::string> args(argv + 2, argv + argc);
    const auto option = std::find(args.begin(), args.end(), std::string("--shared"));
    const bool shared = option != args.end();
    if (shared) args.erase(option);
    if (args.size() != (shared ? 2u : 3u)) {
        std::cerr << "marovelantis-tool: edit takes a design file, an output file and a script, or --shared, "
                     "a design file and a script\n"
                  << usage;
        return 2;
    }
    const std::string scriptPath = args.back();
    std::ifstream file;
    if (scriptPath != "-") {
        file.open(scriptPath, std::ios::binary);
        if (!file) {
            std::cerr << "marovelantis-tool: cannot read " << scriptPath << '\n';
            return 1;
        }
    }
    std::istream& script = scriptPath == "-" ? std::cin : file;
    // Left for the end of the process to reclaim, as the tool exits right after the command.
    EditScript& edit = *new EditScript;
    if (!shared && !edit.Load(args[0])) return 1;
    if (shared && !edit.Join(args[0])) {
        edit.Leave();
        return 1;
    }
    int number = 0;
    for (std::string line; std::getline(script, line);) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        try {
            edit.Run(line);
        } catch (const ScriptError& error) {
            // Shared, the lines before this one are saved already and stay so.
            edit.Leave();
            std::cerr << scriptPath << ':' << number << ": " << error.what << '\n';
            return 1;
        }
    }
    if (shared) {
        edit.Leave();
        return 0;
    }
    return edit.Save(args[1]) ? 0 : 1;
}

}  // namespace mv
