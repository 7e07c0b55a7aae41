#include "app/tool/rendercommand.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImageWriter>
#include <filesystem>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "app/tool/consoledialogs.h"
#include "io/html/htmlpage.h"
#include "io/html/htmlviewsource.h"
#include "io/print/timepagepainter.h"
#include "io/print/timepdf.h"
#include "model/codec.h"
#include "model/designfile.h"
#include "model/identity.h"
#include "model/settings.h"
#include "model/textfile.h"
#include "platform/systemhost.h"
#include "view/fonts.h"
#include "view/geometry/displaytype.h"
#include "view/geometry/placement.h"
#include "view/snapshot.h"

namespace mv {

namespace {

struct RenderArguments {
    bool pdf = false;  // the "pdf" command: the printed pages instead of the view's picture
    std::string design, out;
    std::optional<Date> start;
    std::optional<int> type;
    int width = 1920, height = 1080;
    std::optional<int> paper;  // pdf: the paper code
    bool landscape = false;    // pdf
    std::string settings;      // html and pdf: the settings file to read
};

// The arguments of "render", "html" or "pdf", or nothing with the usage error in `error`.
std::optional<RenderArguments> Parse(int argc, char** argv, bool html, std::string& error) {
    RenderArguments args;
    args.pdf = std::string(argv[1]) == "pdf";
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;
    for (int i = 2; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg.rfind("--", 0) != 0) {
            positional.push_back(arg);
            continue;
        }
        if (args.pdf && arg == "--landscape") {
            args.landscape = true;
            continue;
        }
        const bool size = arg == "--width" || arg == "--height";
        const bool known = arg == "--start" || arg == "--type" || (!html && size) ||
                           ((html || args.pdf) && arg == "--settings") || (args.pdf && arg == "--paper");
        if (!known) {
            error = "unknown option " + arg;
            return std::nullopt;
        }
        if (i + 1 >= argc) {
            error = arg + " needs a value";
            return std::nullopt;
        }
        options[arg] = argv[++i];
    }
    if (positional.size() != 2) {
        error = html      ? "html takes a design file and an output HTML file"
                : args.pdf ? "pdf takes a design file and an output PDF file"
                           : "render takes a design file and an output PNG file";
        return std::nullopt;
    }
    args.design = positional[0];
    args.out = positional[1];
    auto number = [&](const std::string& name, int low, int high, int& value) {
        auto it = options.find(name);
        if (it == options.end()) return true;
        try {
            std::size_t used = 0;
            value = std::stoi(it->second, &used);
            if (used == it->second.size() && value >= low && value <= high) return true;
        } catch (const std::exception&) {
        }
        error = name + " needs a number from " + std::to_string(low) + " to " + std::to_string(high);
        return false;
    };
    int type = kDefaultDisplayType;
    if (!number("--type", 0, kDisplayTypeCount - 1, type) || !number("--width", 200, 20000, args.width) ||
        !number("--height", 200, 20000, args.height))
        return std::nullopt;
    if (options.count("--type")) args.type = type;
    if (auto it = options.find("--paper"); it != options.end()) {
        args.paper = PaperCodeByName(it->second);
        if (!SupportedPaper(*args.paper)) {
            error = "--paper needs A3, A4, A5, B4 or B5, not " + it->second;
            return std::nullopt;
        }
    }
    if (auto it = options.find("--settings"); it != options.end()) args.settings = it->second;
    if (auto it = options.find("--start"); it != options.end()) {
        args.start = ParseDate(it->second);
        if (!args.start) {
            error = "--start needs a date YYYY/MM/DD, not " + it->second;
            return std::nullopt;
        }
    }
    return args;
}

// The view request of the arguments, from today when no start is given.
SnapshotRequest RequestOf(const RenderArguments& args, Host& host) {
    const ClockTime now = host.Now();
    const Date today{now.year, now.month, now.day};
    SnapshotRequest request;
    request.start = args.start.value_or(today);
    request.displayType = args.type.value_or(kDefaultDisplayType);
    request.sizes.windowWidth = args.width;
    request.sizes.screenWidth = args.width;
    request.sizes.screenHeight = args.height;
    request.today = today;
    return request;
}

// The page of the view as the design window's "3. HTML 形式で保存する" writes it: the view
// state and the page settings from the settings file (its defaults without one).
int Html(const RenderArguments& args, Host& host, DesignDocument& design) {
    EnvSettings settings = DefaultSettings(Date{host.Now().year, host.Now().month, host.Now().day});
    if (!args.settings.empty() && !LoadSettings(args.settings, host, settings)) {
        std::cerr << "marovelantis-tool: cannot read " << args.settings << '\n';
        return 1;
    }
    SnapshotRequest request = RequestOf(args, host);
    if (!args.type && settings.Edit_Type >= 0) request.displayType = settings.Edit_Type;
    request.timeDisplay = settings.GV_TimeDisp;
    request.dateDisplay = settings.GV_DateDisp;
    request.editKind = settings.GV_EditKind;
    request.framePlacement = kAutomaticPlacement;
    request.holidays = settings.Holidays();
    ViewSnapshot snapshot(design.Store(), design.BaseYear());
    snapshot.Build(request);

    HtmlViewState state;
    state.timeDisplay = request.timeDisplay;
    state.dateDisplay = request.dateDisplay;
    state.editKind = request.editKind;
    state.title = design.Title();
    state.creationText = HtmlCreationText(host.Now());
    const std::string page =
        BuildHtmlPage(HtmlSourceFromView(snapshot.Layout(), snapshot.Days(), state, settings, request.holidays));
    if (!WriteHtmlPage(args.out, page, host)) {
        std::cerr << "marovelantis-tool: cannot write " << args.out << '\n';
        return 1;
    }
    return 0;
}

// The pages the print window would print with the settings' choices, as a PDF file.
int WritePdf(const RenderArguments& args, DesignDocument& design, SnapshotRequest request, SystemHost& host) {
    const ClockTime now = host.Now();
    EnvSettings settings = DefaultSettings(request.today);
    std::error_code ec;
    // A named file that is missing would quietly give the defaults: here it is a mistake.
    if (!args.settings.empty() &&
        (!std::filesystem::is_regular_file(args.settings, ec) || !LoadSettings(args.settings, host, settings))) {
        std::cerr << "marovelantis-tool: cannot read the settings file " << args.settings << '\n';
        return 1;
    }
    SetOutputLayout(request, settings);
    request.scale = {settings.GV_DRate, settings.GV_TRate, settings.GV_DateW, settings.GV_TimeH};
    request.timeDisplay = settings.GV_TimeDisp;
    request.dateDisplay = settings.GV_DateDisp;
    request.editKind = settings.GV_EditKind;
    ViewSnapshot snapshot(design.Store(), design.BaseYear());
    snapshot.Build(request);

    TimePrintChoices choices = TimePrintChoicesFrom(settings);
    if (args.paper) choices.paper = *args.paper;
    if (args.landscape) choices.orientation = kLandscape;
    const TimePrintHeader header{design.Title(), snapshot.Layout().Columns().front().date.year,
                                 PrintedAtText(now.year, now.month, now.day, now.hour, now.minute, now.second)};
    TimePagePainter pages(snapshot.Layout(), snapshot.Days(), snapshot.Options(), choices, header);
    const QPageLayout paper = TimePrintPageLayout(choices.paper, choices.orientation);
    if (!WriteTimetablePdf(pages, paper, 0, kMaxPrintPages, args.out, ToUtf8(design.Title()), host)) {
        std::cerr << "marovelantis-tool: cannot write " << args.out << '\n';
        return 1;
    }
    return 0;
}

int Render(const RenderArguments& args, char** argv, bool html) {
    // No display is needed: the offscreen platform draws into memory.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    SubstituteFonts();

    SystemHost host;
    ConsoleDialogs dialogs;
    FrameIdSource ids(host);
    DesignDocument design(host, dialogs, ids);
    if (!design.CheckDesignFile(args.design) || !design.ReadDesignFile(args.design, false)) return 1;
    if (html) return Html(args, host, design);

    SnapshotRequest request = RequestOf(args, host);
    if (args.pdf) return WritePdf(args, design, request, host);
    ViewSnapshot snapshot(design.Store(), design.BaseYear());
    snapshot.Build(request);
    QImage image = snapshot.Image();
    if (image.isNull()) {
        std::cerr << "marovelantis-tool: the image is too large to be made\n";
        return 1;
    }
    // Encoded in memory, then written as every file of the program is: whole or not at all.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image)) {
        std::cerr << "marovelantis-tool: cannot encode the image: " << writer.errorString().toStdString() << '\n';
        return 1;
    }
    const bool written = WriteFileAtomically(args.out, host, [&](LineWriter& out) {
        out.Bytes(std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
    });
    if (!written) {
        std::cerr << "marovelantis-tool: cannot write " << args.out << '\n';
        return 1;
    }
    return 0;
}

}  // namespace

std::optional<int> RunRenderCommand(int argc, char** argv, const char* usage) {
    if (argc < 2) return std::nullopt;
    const std::string verb = argv[1];
    if (verb != "render" && verb != "html" && verb != "pdf") return std::nullopt;
    std::string error;
    auto args = Parse(argc, argv, verb == "html", error);
    if (!args) {
        std::cerr << "marovelantis-tool: " << error << '\n' << usage;
        return 2;
    }
    return Render(*args, argv, verb == "html");
}

}  // namespace mv
