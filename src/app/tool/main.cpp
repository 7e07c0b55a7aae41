// marovelantis-tool: looks at and rewrites design files without a window.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/tool/consoledialogs.h"
#include "app/tool/csvcommands.h"
#include "app/tool/editcommand.h"
#include "app/tool/icalcommands.h"
#include "model/codec.h"
#include "model/designfile.h"
#include "model/identity.h"
#include "model/recordline.h"
#include "model/timeofday.h"
#include "model/workingset.h"
#include "platform/systemhost.h"
#include "view/geometry/monthcalendar.h"

namespace mv {
namespace {

constexpr int kUsageError = 2;

const char* const kUsage =
    "usage: marovelantis-tool info DESIGN\n"
    "       marovelantis-tool frames DESIGN [--from YYYY/MM/DD] [--to YYYY/MM/DD]\n"
    "       marovelantis-tool resave DESIGN OUT\n"
    "       marovelantis-tool normalize DESIGN OUT\n"
    "       marovelantis-tool csv-export DESIGN OUT.csv [--from YYYY/MM/DD] [--to YYYY/MM/DD] [--no-heading]\n"
    "                         [--order 4,0,1,2,3] [--settings Marovelantis.Env]\n"
    "       marovelantis-tool csv-import DESIGN IN.csv OUT.MVF [--map SD,ST,ED,ET,TITLE] [--dup skip|replace|keep]\n"
    "                         [--frozen N] [--from YYYY/MM/DD] [--to YYYY/MM/DD] [--settings Marovelantis.Env]\n"
    "       marovelantis-tool ics-export DESIGN OUT.ics [--from YYYY/MM/DD] [--to YYYY/MM/DD] [--tz ZONE] [--floating]\n"
    "       marovelantis-tool ics-import DESIGN IN.ics OUT.MVF [--dup skip|replace|keep] [--from YYYY/MM/DD]\n"
    "                         [--to YYYY/MM/DD] [--tz ZONE]\n"
    "       marovelantis-tool simple-import IN.csv OUT.MVF\n"
    "       marovelantis-tool edit DESIGN OUT.MVF SCRIPT|-\n"
    "       marovelantis-tool edit --shared DESIGN SCRIPT|-\n"
    "       marovelantis-tool calendar DESIGN YYYY/MM\n"
    "       marovelantis-tool render DESIGN OUT.png [--start YYYY/MM/DD] [--type N] [--width W --height H]\n"
    "       marovelantis-tool html DESIGN OUT.html [--start YYYY/MM/DD] [--type N] [--settings FILE]\n"

    "       marovelantis-tool pdf DESIGN OUT.pdf [--start YYYY/MM/DD] [--type N] [--paper A4|A3|A5|B4|B5]\n"
    "                         [--landscape] [--settings Marovelantis.Env]\n";

struct UsageError {
    std::string what;
};

struct Arguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;
};

Arguments ParseArguments(int argc, char** argv, const std::vector<std::string>& valueOptions) {
    Arguments args;
    for (int i = 2; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg.rfind("--", 0) == 0) {
            bool known = false;
            for (const auto& name : valueOptions) known = known || name == arg;
            if (!known) throw UsageError{"unknown option " + arg};
            if (i + 1 >= argc) throw UsageError{arg + " needs a value"};
            args.options[arg] = argv[++i];
        } else {
            args.positional.push_back(arg);
        }
    }
    return args;
}

Date DateOption(const Arguments& args, const std::string& name, Date fallback) {
    auto it = args.options.find(name);
    if (it == args.options.end()) return fallback;
    auto date = ParseDate(it->second);
    if (!date) throw UsageError{name + " needs a date YYYY/MM/DD, not " + it->second};
    return *date;
}

// "YYYY/MM": a four-digit year and a month 1 to 12 (one or two digits).
Date MonthArgument(const std::string& text) {
    const std::size_t slash = text.find('/');
    auto digits = [](std::string_view part) {
        return !part.empty() && part.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (slash == 4 && digits(std::string_view(text).substr(0, 4)) && text.size() - slash - 1 <= 2 &&
        digits(std::string_view(text).substr(slash + 1))) {
        const int year = std::stoi(text.substr(0, 4));
        const int month = std::stoi(text.substr(slash + 1));
        if (year >= 1 && month >= 1 && month <= 12) return {year, month, 1};
    }
    throw UsageError{"calendar needs a month YYYY/MM (month 1 to 12), not " + text};
}

class Tool {
public:
    Tool() : mIds(mHost), mDesign(mHost, mDialogs, mIds) {}

    // Reads the design; false after the reason was shown.
    bool Load(const std::string& path, bool renewIds) {
        return mDesign.CheckDesignFile(path) && mDesign.ReadDesignFile(path, renewIds);
    }

    RecordContext Context() const {
        RecordContext context;
        context.baseYear = mDesign.BaseYear();
        return context;
    }

    template <typename Visit>
    void ForEachFrame(Visit visit) const {
        RecordContext context = Context();
        for (int slot = 0; slot < kSlotCount; ++slot)
            for (const std::string& line : mDesign.Store().Slot(slot)) {
                ParsedRecord parsed = ParseRecordLine(line, context);
                if (parsed.kind == ParsedRecord::Kind::Frame) visit(*parsed.frame);
            }
    }

    int Info() {
        std::size_t frames = 0;
        ForEachFrame([&](const TCInf&) { ++frames; });
        std::cout << "base_year: " << mDesign.BaseYear() << '\n'
                  << "title: " << ToUtf8(mDesign.Title()) << '\n'
                  << "minute_step: " << mDesign.MinuteStep() << '\n'
                  << "holder: " << ToUtf8(mDesign.HolderStamp()) << '\n'
                  << "last_update: " << ToUtf8(mDesign.LastUpdateStamp()) << '\n'
                  << "record_lines: " << mDesign.Store().LineCount() << '\n'
                  << "frames: " << frames << '\n';
        return 0;
    }

    int Frames(const Date& from, const Date& to) {
        std::string out;
        ForEachFrame([&](const TCInf& frame) {
            if (frame.CDate < from || to < frame.CDate) return;
            out += FormatDate(frame.CDate) + '\t' + FormatHHMM(frame.STime) + '\t' + FormatHHMM(frame.ETime) + '\t' +
                   ToUtf8(frame.Cid) + '\t' + ToUtf8(frame.Title) + '\t' + std::to_string(frame.Fields.size()) +
                   '\n';
            if (out.size() > (1 << 16)) std::cout << out, out.clear();
        });
        std::cout << out;
        return 0;
    }

    // The copy is left unheld: the tool ends at once and must not leave the file looking in use.
    int Save(const std::string& out) { return mDesign.SaveUnheldCopy(out) ? 0 : 1; }

    // Every date's record lines rebuilt from their frames, as a commit of the whole year.
    void Normalize() {
        RecordContext context = Context();
        WorkingSet view(mDesign.Store(), context);
        view.Build({mDesign.BaseYear(), 1, 1}, IsLeapYear(mDesign.BaseYear()) ? 366 : 365);
        view.LoadView();
        view.CommitView(true);
    }

    // The month as the calendar window lists it: each day with its frames' start times and
    // titles, in the order the day stores them.
    int Calendar(const Date& month) {
        MonthCalendar calendar;
        calendar.Build(month);
        calendar.LoadContents(mDesign.Store(), Context(), true);
        std::string out;
        for (int index = calendar.IndexOf(calendar.FirstDay()); index <= calendar.IndexOf(calendar.LastDay()); ++index) {
            const MonthCell& cell = calendar.At(index);
            out += FormatDate(cell.date) + " (" + ToUtf8(WeekdayLetter(cell.date)) + ")";
            for (const CalendarItem& item : SplitContent(cell.content))
                out += " <" + item.time + ">" + ToUtf8(item.title);
            out += '\n';
        }
        std::cout << out;
        return 0;
    }

    Date YearStart() const { return {mDesign.BaseYear(), 1, 1}; }
    Date YearEnd() const { return {mDesign.BaseYear(), 12, 31}; }

private:
    SystemHost mHost;
    ConsoleDialogs mDialogs;
    FrameIdSource mIds;
    DesignDocument mDesign;
};

// Runs marovelantis-render, which lies beside this program, with the same arguments: only
// laying out the view (measured with Qt's fonts) and drawing need Qt, and loading it would slow every other command down.
// drawing (a picture or PDF pages) needs Qt, and loading it would slow every other command down.
int RunRenderProgram(int argc, char** argv) {
    std::error_code ec;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) self = std::filesystem::absolute(argv[0], ec);
    std::filesystem::path render = self.parent_path() / "marovelantis-render";
#ifdef _WIN32
    render += ".exe";
    intptr_t status = _spawnv(_P_WAIT, render.string().c_str(), argv);
    if (status >= 0) return static_cast<int>(status);
#else
    (void)argc;
    execv(render.c_str(), argv);
#endif
    std::cerr << "marovelantis-tool: cannot start " << render.string() << '\n';
    return 1;
}

int Run(int argc, char** argv) {
    if (argc < 2) throw UsageError{"no command"};
    const std::string command = argv[1];
    if (auto status = RunCsvCommand(argc, argv, kUsage)) return *status;
    if (auto status = RunIcsCommand(argc, argv, kUsage)) return *status;
    if (auto status = RunEditCommand(argc, argv, kUsage)) return *status;
    if (command == "render" || command == "html") return RunRenderProgram(argc, argv);
    if (command == "render" || command == "pdf") return RunRenderProgram(argc, argv);
    // Left for the end of the process to reclaim, as main exits right after the command.
    Tool& tool = *new Tool;
    if (command == "info" || command == "frames") {
        Arguments args = ParseArguments(argc, argv, command == "frames" ? std::vector<std::string>{"--from", "--to"}
                                                                          : std::vector<std::string>{});
        if (args.positional.size() != 1) throw UsageError{command + " takes one design file"};
        if (!tool.Load(args.positional[0], false)) return 1;
        if (command == "info") return tool.Info();
        return tool.Frames(DateOption(args, "--from", tool.YearStart()), DateOption(args, "--to", tool.YearEnd()));
    }
    if (command == "resave" || command == "normalize") {
        Arguments args = ParseArguments(argc, argv, {});
        if (args.positional.size() != 2) throw UsageError{command + " takes a design file and an output file"};
        if (!tool.Load(args.positional[0], true)) return 1;
        if (command == "normalize") tool.Normalize();
        return tool.Save(args.positional[1]);
    }
    if (command == "calendar") {
        Arguments args = ParseArguments(argc, argv, {});
        if (args.positional.size() != 2) throw UsageError{"calendar takes a design file and a month YYYY/MM"};
        const Date month = MonthArgument(args.positional[1]);
        if (!tool.Load(args.positional[0], false)) return 1;
        return tool.Calendar(month);
    }
    throw UsageError{"unknown command " + command};
}

}  // namespace
}  // namespace mv

// Ends at once after the output is flushed: freeing a large design line by line only
// delays the exit. Every way out goes through here, failures too, since the design is
// never freed on any of them.
[[noreturn]] void Exit(int status) {
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    std::_Exit(status);
}

int main(int argc, char** argv) {
    try {
        Exit(mv::Run(argc, argv));
    } catch (const mv::UsageError& error) {
        std::cerr << "marovelantis-tool: " << error.what << '\n' << mv::kUsage;
        Exit(mv::kUsageError);
    } catch (const std::exception& error) {
        std::cerr << "marovelantis-tool: " << error.what() << '\n';
        Exit(1);
    }
}
