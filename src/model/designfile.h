#pragma once
// The design file (".MVF"): a few header lines and one record line per frame, held in the
// month-day line store while open; the holder and last-update stamps that warn when another
// instance uses or has changed the same file.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/linestore.h"

namespace mv {

class Dialogs;
class FrameIdSource;
class Host;

inline constexpr int kFirstBaseYear = 1990;
inline constexpr int kLastBaseYearIndex = 110;  // 2100
inline constexpr int kDefaultMinuteStepIndex = 4;

// What shared mode does when a design is opened or released; the side-file protocol plugs
// in here.
class SharingHooks {
public:
    virtual ~SharingHooks() = default;
    virtual void Housekeep(const std::filesystem::path& designPath, bool sharedModeOn) = 0;
    // The design was opened: the line store holds the file as it is now.
    virtual void DesignRead() {}
};

// Told of every setting of the design's modified flag; clearing it (a design opened,
// created or saved) is what empties the undo history.
class ModifiedListener {
public:
    virtual ~ModifiedListener() = default;
    virtual void ModifiedSet(bool modified) = 0;
};

class DesignDocument {
public:
    DesignDocument(Host& host, Dialogs& dialogs, FrameIdSource& ids);

    // True when the file exists and its first 100 bytes hold "#Marovelantis"; shows why not.
    bool CheckDesignFile(const std::filesystem::path& path);
    // Replaces any file at the path by one holding only the identification line.
    bool CreateEmptyDesignFile(const std::filesystem::path& path);
    // Reads the file into the line store, claims or reports the holder, renews short frame
    // ids (and then re-saves). False, with a message, when the file cannot be read at all.
    bool OpenDesignFile(const std::filesystem::path& path);
    // Reads the design without claiming it or writing anything (for looking at a file);
    // with renewIds, short frame ids are renewed in memory as opening does.
    bool ReadDesignFile(const std::filesystem::path& path, bool renewIds);
    // Whether to go on saving: asks when the file was changed or is held elsewhere.
    bool CheckBeforeSave(const std::filesystem::path& path);
    // Writes header and every slot's lines; with new stamps renews holder and last update
    // first. False, with a message naming the path, when the file could not be written.
    bool SaveDesignFile(const std::filesystem::path& path, bool newStamps);
    // Writes the design as a copy nobody holds: a new last-update stamp and an empty holder
    // line, so the next opener claims it (for tools that write a file and end).
    bool SaveUnheldCopy(const std::filesystem::path& path);
    // Unregisters from shared mode and, when this instance holds the file, empties its
    // holder line.
    void ReleaseHold(const std::filesystem::path& path) { ReleaseHold(path, mOwnStamp); }
    // The same for a file held under an earlier stamp of this instance (the file a save under
    // another name left behind).
    void ReleaseHold(const std::filesystem::path& path, std::string holderStamp);

    // The header lines and all record lines, in file order.
    std::vector<std::string> BuildFileLines() const;

    LineStore& Store() { return mStore; }
    const LineStore& Store() const { return mStore; }

    int BaseYear() const { return kFirstBaseYear + mBaseYearIndex; }
    int BaseYearIndex() const { return mBaseYearIndex; }
    void SetBaseYearIndex(int index);
    const std::string& Title() const { return mTitle; }  // Shift-JIS
    void SetTitle(std::string title) { mTitle = std::move(title); }
    int MinuteStepIndex() const { return mMinuteStepIndex; }
    int MinuteStep() const { return mMinuteStepIndex + 1; }
    void SetMinuteStepIndex(int index) { mMinuteStepIndex = index; }
    const std::string& HolderStamp() const { return mHolder; }
    const std::string& LastUpdateStamp() const { return mLastUpdate; }
    const std::string& OwnStamp() const { return mOwnStamp; }
    const std::filesystem::path& HeldPath() const { return mHeldPath; }

    // The open design's path (empty while none is open) and whether it has unsaved edits.
    const std::filesystem::path& Path() const { return mPath; }
    void SetPath(std::filesystem::path path) { mPath = std::move(path); }
    // The one owner of the modified flag; every setting is told to the listeners.
    bool Modified() const { return mModified; }
    void SetModified(bool modified);
    void AddModifiedListener(ModifiedListener* listener) { mModifiedListeners.push_back(listener); }
    void RemoveModifiedListener(ModifiedListener* listener);

    bool SharedMode() const { return mSharedMode; }
    void SetSharedMode(bool on) { mSharedMode = on; }
    void SetSharingHooks(SharingHooks* hooks) { mHooks = hooks; }

    // While the main window is not yet shown, the in-use message is kept for later.
    void SetDeferMessages(bool defer) { mDeferMessages = defer; }
    std::vector<std::string> TakeDeferredMessages();

private:
    struct Stamps {
        std::string holder, lastUpdate;
        int holderLine = -1, lastUpdateLine = -1;
    };
    static Stamps FindStamps(const std::vector<std::string>& lines);
    template <typename Visit>
    void VisitFileLines(Visit visit) const;
    void ResetDesignValues();
    bool ClaimHolder(const std::filesystem::path& path, std::vector<std::string>& lines);
    std::optional<std::vector<std::string>> ReadForOpening(const std::filesystem::path& path);
    // Moves record lines into their slots and takes the header values; true when short ids
    // were renewed.
    bool ParseLines(std::vector<std::string>& lines, bool renewIds);
    void Tell(const std::string& text);
    void ReportWriteFailure(const std::filesystem::path& path);

    Host& mHost;
    Dialogs& mDialogs;
    FrameIdSource& mIds;
    SharingHooks* mHooks = nullptr;
    LineStore mStore;
    std::vector<std::string> mUnplacedLines;  // records whose date cannot be read
    std::filesystem::path mPath;
    bool mModified = false;
    std::vector<ModifiedListener*> mModifiedListeners;
    int mBaseYearIndex = 0;
    std::string mTitle;
    int mMinuteStepIndex = kDefaultMinuteStepIndex;
    std::string mHolder;
    std::string mLastUpdate;
    std::string mOwnStamp;
    std::filesystem::path mHeldPath;
    bool mSharedMode = false;
    bool mDeferMessages = false;
    std::vector<std::string> mDeferredMessages;
};

// The path as UTF-8, for messages.
std::string PathText(const std::filesystem::path& path);

}  // namespace mv
