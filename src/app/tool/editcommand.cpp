#include "app/tool/editcommand.h"

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "edit/framedrop.h"
#include "edit/undocommands.h"
#include "model/codec.h"
#include "model/designfile.h"
#include "model/identity.h"
#include "model/keyvalueline.h"
#include "model/recordline.h"
#include "model/timeofday.h"
#include "platform/dialogs.h"
#include "platform/systemhost.h"

namespace mv {

namespace {

// Confirmations are answered as given (OK); messages are kept for the script's report.
class ScriptDialogs : public Dialogs {
public:
    Answer Show(MessageKind kind, const std::string&, const std::string& text, Buttons, Answer defaultAnswer) override {
        if (kind == MessageKind::Error || kind == MessageKind::Warning) messages.push_back(MessageLines(text));
        return defaultAnswer;
    }
    std::vector<std::string> messages;
};

struct ScriptError {
    std::string what;
};

// The tool keeps no view: every date is edited in its stored lines, and a change of the
// year re-bases what the commands read.
class ScriptListener : public EditListener {
public:
    explicit ScriptListener(RecordContext& context, DesignDocument& design) : mContext(context), mDesign(design) {}
    void DatesChanged(const std::vector<Date>&) override {}
    void SettingsChanged() override { mContext.baseYear = mDesign.BaseYear(); }

private:
    RecordContext& mContext;
    DesignDocument& mDesign;
};

class EditScript {
public:
    EditScript() : mIds(mHost), mDesign(mHost, mDialogs, mIds), mListener(mContext, mDesign) {}

    bool Load(const std::string& path) {
        if (!mDesign.CheckDesignFile(path) || !mDesign.ReadDesignFile(path, true)) return false;
        mContext.baseYear = mDesign.BaseYear();
        mContext.ids = &mIds;
        mWorking = std::make_unique<WorkingSet>(mDesign.Store(), mContext);
        mWorking->Build({mDesign.BaseYear(), 1, 1}, 0);
        mEdit = std::make_unique<EditContext>(mDesign, *mWorking, mHistory, mListener);
        return true;
    }

    // One line of the script.
    void Run(const std::string& line) {
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string word; words >> word;) w.push_back(word);
        if (w.empty() || w[0][0] == '#') return;
        const std::string& verb = w[0];
        if ((verb == "move" || verb == "copy") && w.size() == 4) return Drop(w[1], GripKind::Body, verb == "copy", w[2], w[3], "");
        if (verb == "resize" && w.size() == 4) return Drop(w[1], GripKind::Bottom, false, "", w[2], w[3]);
        if (verb == "minute-step" && w.size() == 2) return MinuteStep(w[1]);
        if (verb == "year" && w.size() == 2) return Year(w[1]);
        if (verb == "undo" && w.size() == 1) {
            if (!UndoNewest(*mEdit)) Fail("nothing to undo");
            return;
        }
        if (verb == "redo" && w.size() == 1) {
            if (!RedoNewest(*mEdit)) Fail("nothing to redo");
            return;
        }
        if (verb == "history" && w.size() == 1) {
            std::cout << ToUtf8(mHistory.UndoCaption()) << '\n';
            return;
        }
        Fail("unknown command or wrong number of words: " + line);
    }

    bool Save(const std::string& out) { return mDesign.SaveUnheldCopy(out); }

private:
    [[noreturn]] void Fail(const std::string& what) { throw ScriptError{what}; }

    Date DateOf(const std::string& text) {
        auto date = ParseDate(text);
        if (!date || !IsValidDate(mDesign.BaseYear(), date->month, date->day)) Fail("not a date of the design: " + text);
        return {mDesign.BaseYear(), date->month, date->day};
    }

    int TimeOf(const std::string& text) {
        const std::size_t colon = text.find(':');
        auto hours = colon == std::string::npos ? std::nullopt : ParseInt(text.substr(0, colon));
        auto minutes = colon == std::string::npos ? std::nullopt : ParseInt(text.substr(colon + 1));
        if (!hours || !minutes || *minutes < 0 || *minutes > 59 || text.size() - colon != 3) Fail("not a time HH:MM: " + text);
        const int hhmm = *hours * 100 + *minutes;
        if (hhmm < kDayStart || hhmm > kDayEnd) Fail("outside the day's 05:00 to 29:00: " + text);
        return hhmm;
    }

    // DATE@HH:MM (the first frame of the date starting then) or id:CID; its date, id and times.
    struct Named {
        Date date;
        std::string cid;
        int start = 0, end = 0;
    };
    Named FrameOf(const std::string& name) {
        const bool byId = name.rfind("id:", 0) == 0;
        const std::size_t at = name.find('@');
        if (!byId && at == std::string::npos) Fail("a frame is DATE@HH:MM or id:CID, not " + name);
        const std::string cid = byId ? FromUtf8(name.substr(3)) : std::string();
        const Date date = byId ? Date{} : DateOf(name.substr(0, at));
        const int start = byId ? 0 : TimeOf(name.substr(at + 1));
        for (int slot = 0; slot < kSlotCount; ++slot) {
            if (!byId && slot != SlotOfDate(date)) continue;
            for (const std::string& line : mDesign.Store().Slot(slot)) {
                // By id only the matching line is parsed: a script of many commands must not
                // read the whole design each time.
                if (byId && FindValue(line, "Ci_Cid", kSep) != std::optional<std::string_view>(cid)) continue;
                ParsedRecord parsed = ParseRecordLine(line, mContext);
                if (parsed.kind != ParsedRecord::Kind::Frame) continue;
                const TCInf& frame = *parsed.frame;
                if (byId ? frame.Cid == cid : frame.StoredSTime() == start)
                    return {frame.CDate, frame.Cid, frame.StoredSTime(), frame.StoredETime()};
            }
        }
        Fail("no such frame: " + name);
    }

    void Drop(const std::string& name, GripKind grip, bool copy, const std::string& date, const std::string& first,
              const std::string& second) {
        const Named frame = FrameOf(name);
        FrameDrop drop{frame.date, frame.cid, grip, copy, {}, TimeOf(first), 0};
        if (grip == GripKind::Body) {
            drop.targetDate = DateOf(date);
            drop.end = AddMinutes(drop.start, MinutesBetween(frame.start, frame.end));
            if (drop.end > kDayEnd) Fail("the frame would end after 29:00");
        } else {
            drop.end = TimeOf(second);
        }
        mDialogs.messages.clear();
        if (CommitFrameDrop(*mEdit, mDialogs, mIds, drop) != DropResult::Done)
            Fail(mDialogs.messages.empty() ? std::string("not done") : mDialogs.messages.back());
    }

    void MinuteStep(const std::string& text) {
        auto minutes = ParseInt(text);
        if (!minutes || *minutes < 1 || *minutes > 60) Fail("the minute unit is 1 to 60, not " + text);
        if (*minutes - 1 == mDesign.MinuteStepIndex()) return;
        mHistory.RecordSetting(HistoryKind::MinuteStep, mDesign.MinuteStepIndex(), Sjis("枠移動の分単位"));
        mDesign.SetMinuteStepIndex(*minutes - 1);
        mDesign.SetModified(true);
    }

    void Year(const std::string& text) {
        auto year = ParseInt(text);
        if (!year || *year < kFirstBaseYear || *year > kFirstBaseYear + kLastBaseYearIndex)
            Fail("the year is 1990 to 2100, not " + text);
        if (*year == mDesign.BaseYear()) return;
        mHistory.RecordSetting(HistoryKind::BaseYear, mDesign.BaseYearIndex(), Sjis("表示年"));
        mDesign.SetBaseYearIndex(*year - kFirstBaseYear);
        mContext.baseYear = mDesign.BaseYear();
        mDesign.SetModified(true);
    }

    SystemHost mHost;
    ScriptDialogs mDialogs;
    FrameIdSource mIds;
    DesignDocument mDesign;
    RecordContext mContext;
    std::unique_ptr<WorkingSet> mWorking;
    UndoHistory mHistory{mDialogs};
    ScriptListener mListener;
    std::unique_ptr<EditContext> mEdit;
};

}  // namespace

std::optional<int> RunEditCommand(int argc, char** argv, const char* usage) {
    if (argc < 2 || std::string(argv[1]) != "edit") return std::nullopt;
    if (argc != 5) {
        std::cerr << "marovelantis-tool: edit takes a design file, an output file and a script\n" << usage;
        return 2;
    }
    const std::string scriptPath = argv[4];
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
    if (!edit.Load(argv[2])) return 1;
    int number = 0;
    for (std::string line; std::getline(script, line);) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        try {
            edit.Run(line);
        } catch (const ScriptError& error) {
            std::cerr << scriptPath << ':' << number << ": " << error.what << '\n';
            return 1;
        }
    }
    return edit.Save(argv[3]) ? 0 : 1;
}

}  // namespace mv
