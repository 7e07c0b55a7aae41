#pragma once
// The commands of `marovelantis-tool edit`, one script line at a time, run through the same
// edit layer as the design window. The design is either read as a private copy and written
// elsewhere at the end, or joined in shared mode, where every command is saved at once.

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "edit/editcontext.h"
#include "edit/grip.h"
#include "edit/undohistory.h"
#include "io/csv/csvoptions.h"
#include "model/designfile.h"
#include "model/identity.h"
#include "model/recordline.h"
#include "model/sharedmode.h"
#include "model/workingset.h"
#include "platform/dialogs.h"
#include "platform/filechooser.h"
#include "platform/memoryclipboard.h"
#include "platform/systemhost.h"

namespace mv {

// A command the program refuses, or a malformed line.
struct ScriptError {
    std::string what;
};

// Confirmations are answered as given (OK); messages are kept for the script's report:
// errors and warnings in `messages`, information (as a result to print) in `notes`.
class ScriptDialogs : public Dialogs {
public:
    Answer Show(MessageKind kind, const std::string&, const std::string& text, Buttons, Answer defaultAnswer) override;
    std::vector<std::string> messages;
    std::vector<std::string> notes;
};

// The file dialogs, answered with the name the script's command gives.
class ScriptFiles : public FileChooser {
public:
    std::optional<std::string> ChooseOpen(const FileDialogRequest&) override { return answer; }
    std::optional<std::string> ChooseSave(const FileDialogRequest&) override { return answer; }
    std::string answer;
};

// What follows the first `words` words of a line: a title's text, blanks inside kept.
std::string RestOfLine(const std::string& line, int words);

// The machine's name, with the process id added for a sharer: tools started within the same
// second on one machine would otherwise share one instance stamp and hand out the same frame
// ids.
class ToolHost : public SystemHost {
public:
    std::string ComputerName() const override { return SystemHost::ComputerName() + mSuffix; }
    void NameAfterProcess();

private:
    std::string mSuffix;
};

class EditScript : private EditListener, private SharedModeListener {
public:
    EditScript();

    // Reads the design as a private copy.
    bool Load(const std::filesystem::path& path);
    // Joins the sharers of the design: registers in the side file and reads the design.
    // Leave must follow, whether this succeeded or not.
    bool Join(const std::filesystem::path& path);
    // Unregisters and releases the design file when this instance saved it last.
    void Leave();

    // One line of the script; throws ScriptError.
    void Run(const std::string& line);
    // Writes the private copy, held by nobody.
    bool Save(const std::filesystem::path& out) { return mDesign.SaveUnheldCopy(out); }

private:
    // The tool keeps no view: every date is edited in its stored lines, and a change of the
    // year re-bases what the commands read.
    void DatesChanged(const std::vector<Date>&) override {}
    void SettingsChanged() override { mContext.baseYear = mDesign.BaseYear(); }
    void DaysReloaded(const SlotSet&) override {}
    void BaseYearNotified(int baseYearIndex) override;

    void Start();
    void TakeInOthers();
    bool OthersShare() const { return mShared && mShared->SharerCount() > 1; }
    [[noreturn]] void Fail(const std::string& what) { throw ScriptError{what}; }

    Date DateOf(const std::string& text);
    int TimeOf(const std::string& text);
    // DATE@HH:MM (the first frame of the date starting then) or id:CID; its date, id and times.
    struct Named {
        Date date;
        std::string cid;
        int start = 0, end = 0;
    };
    Named FrameOf(const std::string& name);
    void Drop(const std::string& name, GripKind grip, bool copy, const std::string& date, const std::string& first,
              const std::string& second);
    // The frame and selection commands; false when the line is none of them.
    bool RunFrameCommand(const std::vector<std::string>& words, const std::string& line);
    // What the property window changes, expansion, shifts and whole months deleted; false
    // when the line is none of them.
    bool RunPropertyCommand(const std::vector<std::string>& words, const std::string& line);
    // The clipboard's blocks and partial design files; false when the line is none of them.
    bool RunBlockCommand(const std::vector<std::string>& words);
    // The CSV windows' import of a file, one undo step; prints the count of rows imported.
    bool ImportCsv(const std::string& file, const std::string& rule);
    // The design window's iCalendar import of a file, one undo step; prints the counts of
    // events, added frames and refused events.
    bool ImportIcs(const std::string& file, const std::string& rule);
    // "skip", "replace" or "keep" as a duplicate rule; fails on anything else.
    DuplicateRule RuleOf(const std::string& rule);
    // True when the edit layer did it, else the failure with the last message it showed.
    bool Done(bool ok);
    // Field N (1 the first) of the frame, as an index.
    int FieldOf(const Named& frame, const std::string& number);
    // The times of a date's frames but one, as stored.
    std::vector<TimeSpan> TimesOn(const Date& date, const std::string& except);
    void MinuteStep(const std::string& text);
    void Year(const std::string& text);

    ToolHost mHost;
    ScriptDialogs mDialogs;
    FrameIdSource mIds;
    DesignDocument mDesign;
    RecordContext mContext;
    std::unique_ptr<WorkingSet> mWorking;
    UndoHistory mHistory{mDialogs};
    std::unique_ptr<SharedMode> mShared;
    std::unique_ptr<EditContext> mEdit;
    // The clipboard of the blocks, and the partial file last written or read.
    MemoryClipboard mClipboard;
    ScriptFiles mFiles;
    std::string mPartialPath;
    std::chrono::steady_clock::time_point mLastPoll;
    bool mRegistered = false;
};

}  // namespace mv
