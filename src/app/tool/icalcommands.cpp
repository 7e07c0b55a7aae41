#include "app/tool/icalcommands.h"

#include <iostream>
#include <string>

#include "app/tool/consoledialogs.h"
#include "app/tool/csvcommands.h"
#include "io/csv/csvimporter.h"
#include "io/ical/icalexport.h"
#include "io/ical/icalimport.h"
#include "model/designfile.h"
#include "model/identity.h"
#include "model/recordline.h"
#include "model/textfile.h"
#include "platform/systemhost.h"

namespace mv {

namespace {

class IcsTool {
public:
    IcsTool() : mIds(mHost), mDesign(mHost, mDialogs, mIds) {}

    bool Load(const std::string& path, bool renewIds) {
        return mDesign.CheckDesignFile(path) && mDesign.ReadDesignFile(path, renewIds);
    }

    int Export(const CsvArguments& args) {
        if (args.positional.size() != 2) throw CsvUsageError{"ics-export takes a design file and an output file"};
        IcsExportChoices choices;
        choices.from = DateValue(args, "--from");
        choices.to = DateValue(args, "--to");
        if (auto it = args.values.find("--tz"); it != args.values.end()) choices.zone = it->second;
        choices.floating = args.flags.count("--floating") > 0;
        if (!Load(args.positional[0], false)) return 1;
        RecordContext context;
        context.baseYear = mDesign.BaseYear();
        std::string text, error;
        const int count = BuildIcsCalendar(mDesign.Store(), context, choices, text, error);
        if (count < 0) {
            std::cerr << "marovelantis-tool: " << error << '\n';
            return 1;
        }
        if (!WriteFileAtomically(args.positional[1], mHost, [&text](LineWriter& out) { out.Bytes(text); })) {
            mDialogs.Information(kConfirmCaption, "出力ファイルの作成に失敗しました。");
            return 1;
        }
        std::cout << count << '\n';
        return 0;
    }

    int Import(const CsvArguments& args) {
        if (args.positional.size() != 3)
            throw CsvUsageError{"ics-import takes a design file, an .ics file and an output file"};
        ImportChoices choices;
        choices.from = DateValue(args, "--from");
        choices.to = DateValue(args, "--to");
        if (auto it = args.values.find("--dup"); it != args.values.end()) {
            if (it->second == "skip") choices.duplicates = DuplicateRule::Skip;
            else if (it->second == "replace") choices.duplicates = DuplicateRule::Replace;
            else if (it->second == "keep") choices.duplicates = DuplicateRule::Keep;
            else throw CsvUsageError{"--dup needs skip, replace or keep, not " + it->second};
        }
        std::string zone;
        if (auto it = args.values.find("--tz"); it != args.values.end()) zone = it->second;
        if (!Load(args.positional[0], true)) return 1;
        auto bytes = ReadFileBytes(args.positional[1], mHost);
        if (!bytes) {
            std::cerr << "marovelantis-tool: cannot read " << args.positional[1] << '\n';
            return 1;
        }
        CsvImporter csv(mDesign, mIds, mHost, mDialogs);
        IcsImporter importer(csv, mDesign, mIds);
        const IcsImportResult result = importer.Run(*bytes, choices, zone);
        if (!result.ok) {
            std::cerr << "marovelantis-tool: " << result.error << '\n';
            return 1;
        }
        // Unheld, as csv-import leaves its copy.
        if (!mDesign.SaveUnheldCopy(args.positional[2])) return 1;
        std::cout << result.events << ' ' << result.frames << ' ' << result.refused << '\n';
        return 0;
    }

private:
    SystemHost mHost;
    ConsoleDialogs mDialogs;
    FrameIdSource mIds;
    DesignDocument mDesign;
};

}  // namespace

std::optional<int> RunIcsCommand(int argc, char** argv, const char* usage) {
    if (argc < 2) return std::nullopt;
    const std::string command = argv[1];
    if (command != "ics-export" && command != "ics-import") return std::nullopt;
    try {
        // Left for the end of the process to reclaim, as the CSV commands leave theirs.
        IcsTool& tool = *new IcsTool;
        if (command == "ics-export") return tool.Export(Parse(argc, argv, {"--from", "--to", "--tz"}, {"--floating"}));
        return tool.Import(Parse(argc, argv, {"--dup", "--from", "--to", "--tz"}, {}));
    } catch (const CsvUsageError& error) {
        std::cerr << "marovelantis-tool: " << error.what << '\n' << usage;
        return 2;
    }
}

}  // namespace mv
