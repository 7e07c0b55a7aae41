#pragma once
// Everything the main window owns that is not a widget: the open design and its view
// range, the settings, and the file commands with their questions and messages. The window
// wires menus, buttons and timers to these operations and answers the listener.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "edit/undohistory.h"
#include "model/designfile.h"
#include "model/identity.h"
#include "model/settings.h"
#include "model/sharedmode.h"
#include "model/workingset.h"
#include "view/geometry/viewlayout.h"

namespace mv {

class Dialogs;
class FileChooser;
class Host;

// What the window does when the session asks.
class SessionListener {
public:
    virtual ~SessionListener() = default;
    // The view's dates, layout and frames are to be rebuilt and redrawn.
    virtual void RebuildView() = 0;
    // The caption, the shared-mode label and the design lists are to be refreshed.
    virtual void DesignStateChanged() = 0;
    // Scroll so that this hour row (0 = 05:00) is at the top.
    virtual void ScrollToRow(int row) = 0;
    virtual void BringToFront() = 0;
    // Another design (or the shared design read again) now fills the schedule.
    virtual void DesignLoaded() {}
    // The frames of the shown dates changed from outside: lay out and redraw.
    virtual void FramesChanged() = 0;
    // A long operation runs: controls disabled and the hourglass shown, or back again.
    virtual void SetBusy(bool busy) = 0;
    virtual bool IsBusy() const = 0;
};

// Runs a block with the window busy; it is enabled again even when the block throws.
class BusyScope {
public:
    explicit BusyScope(SessionListener& window) : mWindow(window) { mWindow.SetBusy(true); }
    ~BusyScope() { mWindow.SetBusy(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    SessionListener& mWindow;
};

// Hands CSV files to the import; the CSV windows plug in here. Returns whether it imported
// and, when it did, the hour row to show.
class CsvOpener {
public:
    virtual ~CsvOpener() = default;
    virtual std::optional<int> ImportCsvFile(const std::string& path) = 0;
    virtual void MonitorCsvFile(const std::string& path, bool keepMonitoring) = 0;
};

struct ViewState {
    Date start;
    int displayType = 6;
    ScaleState scale;
    bool timeDisplay = true;
    bool dateDisplay = true;
    int editKind = 0;
};

inline constexpr std::string_view kVersionText = "Ver 3.09";

class DesignSession : private SharedModeListener {
public:
    DesignSession(Host& host, Dialogs& dialogs, FileChooser& files, std::filesystem::path settingsPath);

    void SetListener(SessionListener* listener) { mListener = listener; }
    void SetCsvOpener(CsvOpener* opener) { mCsvOpener = opener; }

    // Creation: read the settings and set up the view state and design defaults from them.
    void Create();
    // First showing: open the last design when the settings ask for it.
    void FirstShow();
    // The start-up tick: the command-line parameter, if any.
    void StartupTick(const std::string& parameter);

    // Opens a design (or hands a CSV file to the import); every caller goes through here.
    void OpenFile(const std::string& path, bool rebuild);
    // Overwrite-save; asks first unless silent or shared. True when saved.
    bool SaveCommand(bool silent);
    std::optional<std::string> ChooseSaveName(const std::string& initial, const std::string& title);
    void OpenCommand();
    void SaveAsCommand();
    void CreateCommand();
    // Handles a command-line parameter or a dropped file: a CSV line of the path and options.
    void OpenParameter(const std::string& text, bool announce);
    // The save question loop of closing; false keeps the window open.
    bool CanClose();
    // Releases the design and writes the settings.
    void Close(bool maximised);

    // Writes the frames of the shown dates back to the line store when modified.
    void CommitView();
    // Rebuilds the working set for the view's dates from the line store.
    void LoadViewRange();
    // The view's start date moved into the base year, as every layout wants it.
    void RebaseStartDate();

    std::string Caption() const;
    // Whether the Save button is enabled (and bold).
    bool SaveButtonEnabled() const;

    // Shared mode: the switch, the polling tick, the re-read command and the sharer count.
    SharedMode& Sharing() { return *mSharing; }
    bool SharedModeOn() const { return mDesign.SharedMode(); }
    int SharerCount() const { return mSharing ? mSharing->SharerCount() : 0; }
    // Stores the base year chosen by the user and announces it to other sharers; undoable.
    void ChangeBaseYear(int index);
    // The minute unit chosen by the user (its list index); undoable.
    void ChangeMinuteStep(int index);
    // The edits that can be taken back.
    UndoHistory& History() { return mHistory; }

    bool Modified() const { return mDesign.Modified(); }
    void SetModified(bool modified) { mDesign.SetModified(modified); }
    // New frames take the fill and font size of the settings as they are now.
    void ApplyFrameDefaults();
    bool IsShown() const { return mShown; }
    void SetShown(bool shown);

    DesignDocument& Design() { return mDesign; }
    const DesignDocument& Design() const { return mDesign; }
    WorkingSet& Working() { return mWorking; }
    RecordContext& Context() { return mContext; }
    EnvSettings& Settings() { return mSettings; }
    const EnvSettings& Settings() const { return mSettings; }
    ViewState& View() { return mView; }
    const ViewState& View() const { return mView; }
    FrameIdSource& Ids() { return mIds; }
    Host& HostRef() { return mHost; }
    FileChooser& Files() { return mFiles; }
    Dialogs& DialogsRef() { return mDialogs; }
    const std::string& CaptionOverride() const { return mCaptionOverride; }
    const std::string& CsvPath() const { return mCsvPath; }
    bool CsvMonitor() const { return mCsvMonitor; }
    const std::string& InstanceStamp() const { return mInstanceStamp; }

private:
    // What the shared-mode protocol asks of the view.
    void DaysReloaded(const SlotSet& slots) override;
    void BaseYearNotified(int baseYearIndex) override;
    void DesignReRead() override;
    bool WindowBusy() const override;
    void SetBusyMark(bool busy) override;
    void SetBusyCursor(bool busy) override;

    std::string DesignPathText() const;
    void SetDesignPath(const std::string& path);
    // Asks whether to save modified edits; false when a save was wanted and failed.
    bool OfferToSave();

    Host& mHost;
    Dialogs& mDialogs;
    FileChooser& mFiles;
    std::filesystem::path mSettingsPath;
    SessionListener* mListener = nullptr;
    CsvOpener* mCsvOpener = nullptr;

    EnvSettings mSettings;
    bool mSettingsReadable = true;
    FrameIdSource mIds;
    DesignDocument mDesign;
    RecordContext mContext;
    WorkingSet mWorking;
    ViewState mView;
    std::unique_ptr<SharedMode> mSharing;
    UndoHistory mHistory{mDialogs};

    std::string mInstanceStamp;
    bool mShown = false;
    std::string mCaptionOverride;
    std::string mCsvPath;
    bool mCsvMonitor = false;
};

// A UTF-8 path text as a file-system path, and back.
std::filesystem::path PathFromText(const std::string& utf8);

}  // namespace mv
