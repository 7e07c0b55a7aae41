#include "app/window/icalactions.h"

#include <QTimeZone>

#include "app/window/csvactions.h"
#include "app/window/timetablewindow.h"
#include "edit/icsimportcommand.h"
#include "io/ical/icalexport.h"
#include "model/programfolders.h"
#include "model/textfile.h"
#include "platform/dialogs.h"
#include "platform/filechooser.h"

namespace mv {

namespace {
constexpr const char* kIcsFilter = "(*.ics)|*.ics|(*.*)|*.*";

// The system's zone by its Olson name, as Qt knows it on every platform (on Windows it maps
// the system's own zone names), so that times are converted to the user's clock.
std::string SystemZone() { return QTimeZone::systemTimeZoneId().toStdString(); }
}  // namespace

std::string IcalActions::ProposedName(const char* extension, const char* fallback) const {
    DesignSession& session = mWindow.Session();
    std::filesystem::path path = session.Design().Path();
    if (path.empty()) return PathText(DocumentFolder(session.HostRef()) / fallback);
    return PathText(path.replace_extension(extension));
}

void IcalActions::Mn_IcsExportClick() {
    if (mWindow.IsBusy()) return;
    DesignSession& session = mWindow.Session();
    const auto name = session.Files().ChooseSave(
        {"デザインの１年分の枠を iCalendar 形式で出力します。", kIcsFilter, ProposedName(".ics", "Marovelantis.ics")});
    if (name && !name->empty()) ExportTo(*name);
}

void IcalActions::ExportTo(const std::string& path) {
    DesignSession& session = mWindow.Session();
    Dialogs& dialogs = session.DialogsRef();
    std::string text, error;
    int events = 0;
    bool written = false;
    {
        BusyScope busy(mWindow);
        // Edits of the shown dates are in the day store before it is read.
        session.CommitView();
        RecordContext context;
        context.baseYear = session.Design().BaseYear();
        IcsExportChoices choices;
        choices.titleLocation = session.Settings().Cmb_TitleLoc;
        choices.zone = SystemZone();
        events = BuildIcsCalendar(session.Design().Store(), context, choices, text, error);
        written = events >= 0 && WriteFileAtomically(PathFromText(path), session.HostRef(),
                                                     [&text](LineWriter& out) { out.Bytes(text); });
    }
    // The messages come after the window is usable again.
    if (events < 0) {
        dialogs.Error(kProgramName, error);
        return;
    }
    if (!written) {
        dialogs.Error(kProgramName, WriteFailedText(path));
        return;
    }
    dialogs.Information(kConfirmCaption, "iCalendar 形式で出力しました。\r\n\r\n    イベント数 = " +
                                             std::to_string(events) + "\r\n    PATH = " + path);
}

void IcalActions::Mn_IcsImportClick() {
    if (mWindow.IsBusy()) return;
    const auto name = mWindow.Session().Files().ChooseOpen(
        {"iCalendar ファイルを読み込みます。", kIcsFilter, ProposedName(".ics", "*.ics")});
    if (name && !name->empty()) ImportFrom(*name);
}

void IcalActions::ImportFrom(const std::string& path) {
    DesignSession& session = mWindow.Session();
    Dialogs& dialogs = session.DialogsRef();
    // The date range and duplicate rule are those the CSV import window shows.
    const ImportChoices choices = mWindow.Csv().CurrentImportChoices();
    if (dialogs.Show(MessageKind::Question, kConfirmCaption, IcsImportConfirmationText(path, choices), Buttons::YesNo,
                     Answer::Yes) != Answer::Yes)
        return;
    const std::optional<std::string> bytes = ReadFileBytes(PathFromText(path), session.HostRef());
    if (!bytes) {
        dialogs.Error(kProgramName, "ファイルを読み込めませんでした。\r\n\r\n    PATH = " + path);
        return;
    }
    IcsImportOutcome outcome;
    {
        BusyScope busy(mWindow);
        outcome =
            ImportIcsText(mWindow.Edit(), session.Ids(), session.HostRef(), dialogs, *bytes, choices, SystemZone());
    }
    if (!outcome.result.ok) {
        dialogs.Error(kProgramName, outcome.result.error);
        return;
    }
    if (outcome.earliestAdded != Date{}) mWindow.ShowImportedFrames(outcome.earliestAdded, outcome.earliestStart);
    dialogs.Information(kConfirmCaption, IcsImportDoneText(outcome.result));
}

}  // namespace mv
