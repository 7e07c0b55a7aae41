#include "app/tool/csvcommands.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <system_error>
#include <vector>

#include "app/tool/consoledialogs.h"
#include "io/csv/csvexport.h"
#include "io/csv/csvformat.h"
#include "io/csv/csvimporter.h"
#include "io/csv/csvlinereader.h"
#include "io/csv/csvmapping.h"
#include "model/designfile.h"
#include "model/identity.h"
#include "model/keyvalueline.h"
#include "model/recordline.h"
#include "model/settings.h"
#include "model/textfile.h"
#include "platform/systemhost.h"

namespace mv {

CsvArguments Parse(int argc, char** argv, const std::vector<std::string>& valueOptions,
                   const std::vector<std::string>& flagOptions) {
    CsvArguments args;
    for (int i = 2; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg.rfind("--", 0) != 0) {
            args.positional.push_back(arg);
        } else if (std::find(flagOptions.begin(), flagOptions.end(), arg) != flagOptions.end()) {
            args.flags.insert(arg);
        } else if (std::find(valueOptions.begin(), valueOptions.end(), arg) != valueOptions.end()) {
            if (i + 1 >= argc) throw CsvUsageError{arg + " needs a value"};
            args.values[arg] = argv[++i];
        } else {
            throw CsvUsageError{"unknown option " + arg};
        }
    }
    return args;
}

std::optional<Date> DateValue(const CsvArguments& args, const std::string& name) {
    auto it = args.values.find(name);
    if (it == args.values.end()) return std::nullopt;
    auto date = ParseDate(it->second);
    if (!date) throw CsvUsageError{name + " needs a date YYYY/MM/DD, not " + it->second};
    return date;
}

namespace {

// Five comma-separated entries: numbers from 0 to `highest`, or "-" when `dashAllowed`.
CsvColumns ColumnList(const std::string& name, const std::string& text, int highest, bool dashAllowed) {
    CsvColumns columns{};
    std::vector<std::string> parts = SplitCsvLine(text);
    bool ok = parts.size() == kCsvItemCount;
    for (std::size_t i = 0; ok && i < parts.size(); ++i) {
        std::string_view part = Trim(parts[i]);
        if (dashAllowed && part == "-") {
            columns[i] = -1;
            continue;
        }
        auto number = ParseInt(part);
        ok = number && *number >= 0 && *number <= highest;
        if (ok) columns[i] = *number;
    }
    if (!ok) throw CsvUsageError{name + " needs five comma-separated " +
                                 (dashAllowed ? std::string("column numbers (0-based) or -") : "items 0 to 4") +
                                 ", not " + text};
    return columns;
}

// The system host with the computer's name asked only once and the local time worked out
// once a second: every imported piece takes a frame id, and every id carries both.
class CsvTool {
public:
    CsvTool() : mIds(mHost), mDesign(mHost, mDialogs, mIds) {}

    bool Load(const std::string& path, bool renewIds) {
        return mDesign.CheckDesignFile(path) && mDesign.ReadDesignFile(path, renewIds);
    }

    // The CSV settings of the settings file named by --settings, or of none (the program's
    // defaults), as the definition window holds them when it opens. False, with the reason,
    // when the named file cannot be read.
    bool LoadCsvSettings(const CsvArguments& args, CsvOptions& options) {
        EnvSettings settings;
        auto file = args.values.find("--settings");
        if (file == args.values.end()) {
            const ClockTime now = mHost.Now();
            settings = DefaultSettings(Date{now.year, now.month, now.day});
        } else {
            std::error_code ec;
            // A missing file would quietly give the defaults: here it is a mistake.
            if (!std::filesystem::is_regular_file(file->second, ec) || !LoadSettings(file->second, mHost, settings)) {
                std::cerr << "marovelantis-tool: cannot read the settings file " << file->second << '\n';
                return false;
            }
        }
        options = CsvOptionsFromSettings(settings);
        ApplyDefinitionDefaults(options);
        return true;
    }

    int Export(const CsvArguments& args) {
        if (args.positional.size() != 2) throw CsvUsageError{"csv-export takes a design file and an output file"};
        std::optional<CsvColumns> order;
        if (auto it = args.values.find("--order"); it != args.values.end())
            order = ColumnList("--order", it->second, kCsvItemCount - 1, false);
        ExportChoices choices;
        choices.from = DateValue(args, "--from");
        choices.to = DateValue(args, "--to");
        choices.headingLine = !args.flags.count("--no-heading");
        CsvOptions options;
        if (!LoadCsvSettings(args, options)) return 1;
        if (order) options.exportCol = *order;
        if (!Load(args.positional[0], false)) return 1;

        RecordContext context;
        context.baseYear = mDesign.BaseYear();
        // The lines go to the file as they are made; a failed try starts them again.
        int count = 0;
        bool written = WriteFileAtomically(args.positional[1], mHost, [&](LineWriter& out) {
            count = BuildExportLines(mDesign.Store(), context, mDesign.BaseYear(), options, choices,
                                     [&out](const std::string& line) { out.Line(line); });
        });
        if (!written) {
            mDialogs.Information(kConfirmCaption, "出力ファイルの作成に失敗しました。");
            return 1;
        }
        std::cout << count << '\n';
        return 0;
    }

    int Import(const CsvArguments& args) {
        if (args.positional.size() != 3)
            throw CsvUsageError{"csv-import takes a design file, a CSV file and an output file"};
        ImportChoices choices;
        choices.from = DateValue(args, "--from");
        choices.to = DateValue(args, "--to");
        if (auto it = args.values.find("--dup"); it != args.values.end()) {
            if (it->second == "skip") choices.duplicates = DuplicateRule::Skip;
            else if (it->second == "replace") choices.duplicates = DuplicateRule::Replace;
            else if (it->second == "keep") choices.duplicates = DuplicateRule::Keep;
            else throw CsvUsageError{"--dup needs skip, replace or keep, not " + it->second};
        }
        std::optional<int> frozen;
        if (auto it = args.values.find("--frozen"); it != args.values.end()) {
            frozen = ParseInt(it->second);
            if (!frozen || *frozen < 0 || *frozen > 10) throw CsvUsageError{"--frozen needs 0 to 10"};
        }
        std::optional<CsvColumns> map;
        if (auto it = args.values.find("--map"); it != args.values.end())
            map = ColumnList("--map", it->second, 1 << 20, true);
        CsvOptions options;
        if (!LoadCsvSettings(args, options)) return 1;
        if (frozen) options.frozenRows = *frozen;
        // --map, else the settings' mapping when it maps the start date, else the headings.
        const bool mapped = map || options.importCol[static_cast<int>(CsvItem::StartDate)] >= 0;
        if (map) options.importCol = *map;
        if (!Load(args.positional[0], true)) return 1;

        // The lines are read as the import reaches them, not held all at once.
        CsvLineReader lines;
        if (!lines.Open(args.positional[1], mHost)) {
            std::cerr << "marovelantis-tool: cannot read " << args.positional[1] << '\n';
            return 1;
        }
        if (lines.Replaced() > 0)
            mDialogs.Information(kConfirmCaption, ReplacedCharactersText(args.positional[1], lines.Replaced()));
        if (!mapped && lines.Count() > 0) {
            // Columns beyond the first line's fields have no heading to match.
            std::vector<std::string> first = SplitCsvLine(lines.Line(0));
            options.importCol =
                AutoMapColumns(ColumnListLines(first, static_cast<int>(first.size())), options.taiou);
        }
        if (lines.Count() > 0 && !CheckStartDateMapped(options.importCol, mDialogs)) return 1;

        CsvImporter importer(mDesign, mIds, mHost, mDialogs);
        importer.SetCollectUndo(false);
        int count = importer.RunImport(
            lines.Count(), [&lines](int index, std::vector<std::string>& fields) { SplitCsvLine(lines.Line(index), fields); },
            options, choices);
        // Standard output keeps to the count; the closing message tells of no import and of
        // refused rows.
        const int refused = importer.State().rowsRefused;
        if (count == 0 || refused > 0) mDialogs.Information(kConfirmCaption, ImportDoneText(count, refused));
        // Unheld, as resave leaves its copy: the tool ends at once, and a holder stamp would
        // tell the next opener that the file is in use.
        if (!mDesign.SaveUnheldCopy(args.positional[2])) return 1;
        std::cout << count << '\n';
        return 0;
    }

    int Simple(const CsvArguments& args) {
        if (args.positional.size() != 2) throw CsvUsageError{"simple-import takes a CSV file and an output file"};
        CsvImporter importer(mDesign, mIds, mHost, mDialogs);
        SimpleImportResult result;
        if (!importer.SimpleImport(args.positional[0], ImportChoices{}, &result)) return 1;
        if (!mDesign.SaveUnheldCopy(args.positional[1])) return 1;  // unheld, as above
        std::cout << result.rows << '\n';
        return 0;
    }

private:
    SystemHost mHost;
    ConsoleDialogs mDialogs;
    FrameIdSource mIds;
    DesignDocument mDesign;
};

}  // namespace

std::optional<int> RunCsvCommand(int argc, char** argv, const char* usage) {
    if (argc < 2) return std::nullopt;
    const std::string command = argv[1];
    if (command != "csv-export" && command != "csv-import" && command != "simple-import") return std::nullopt;
    try {
        // Left for the end of the process to reclaim: the tool exits right after the command,
        // and freeing a large design line by line would only delay that.
        CsvTool& tool = *new CsvTool;
        if (command == "csv-export")
            return tool.Export(Parse(argc, argv, {"--from", "--to", "--order", "--settings"}, {"--no-heading"}));
        if (command == "csv-import")
            return tool.Import(Parse(argc, argv, {"--map", "--dup", "--frozen", "--from", "--to", "--settings"}, {}));
        return tool.Simple(Parse(argc, argv, {}, {}));
    } catch (const CsvUsageError& error) {
        std::cerr << "marovelantis-tool: " << error.what << '\n' << usage;
        return 2;
    }
}

}  // namespace mv
