#pragma once
// The CSV import: rows become frames of the open design through the column mapping, with
// the duplicate rules, as one undoable step; and the simple import, which replaces the
// whole design by a file of a fixed layout.

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "io/csv/csvoptions.h"
#include "model/date.h"
#include "model/dayslot.h"

namespace mv {

class DesignDocument;
class Dialogs;
class FrameIdSource;
class Host;
class WorkingSet;

// One per-day piece of an imported row; times are HHMM on the design's day (500 to 2900).
struct DayPiece {
    bool use = false;
    Date date;
    int start = 0;
    int end = 0;
};

// What one run did, for the undo step and the view.
struct ImportRunState {
    Date earliestAdded{3000, 1, 1};
    Date latestAdded{0, 0, 0};
    Date earliestPiece{3000, 12, 31};
    int earliestStart = 9999;  // start of the piece that made earliestPiece earliest
    bool collectUndo = false;
    bool wasModified = false;  // the design's modified flag before the run
    std::vector<std::string> BeforeLines;  // one empty line per added frame
    std::vector<std::string> AfterLines;   // the added record lines
    std::vector<int> dayOffsets;           // of added frames shown in the view, from its first date
    int framesAdded = 0;
    int duplicatesRemoved = 0;  // by "置換する"; part of the undo step only when asked for
    Date earliestRemoved{3000, 1, 1};  // dates of the removed lines the undo step holds
    Date latestRemoved{0, 0, 0};
    int rowsRefused = 0;        // rows running on for more than a year, which add nothing
};

struct SimpleImportResult {
    int rows = 0;
    Date viewStart;       // the earliest piece's date
    int topHourRow = 0;   // the hour row to scroll to the top
};

// Called every 100th grid row with the row index and the last row index.
using ImportProgress = std::function<void(int row, int lastRow)>;
// Puts the fields of CSV line `index` (0-based) into `fields`.
using CsvLineSource = std::function<void(int index, std::vector<std::string>& fields)>;

class CsvImporter {
public:
    CsvImporter(DesignDocument& design, FrameIdSource& ids, Host& host, Dialogs& dialogs);

    // The dates on screen, if any: they are committed before an import and re-created from
    // the day store afterwards where the import changed their lines.
    void SetView(WorkingSet* view) { mView = view; }
    // Whether RunImport keeps the lines of an undo step (on by default; a run without a
    // window to undo in can do without them).
    void SetCollectUndo(bool collect) { mCollectUndo = collect; }
    // Makes the record line of a piece in place of the CSV import's line with one title
    // field: an import that knows more of each frame (colours, contents, links) keeps it.
    using PieceLineMaker = std::function<std::string(const DayPiece& piece, const std::string& title)>;
    void SetPieceLineMaker(PieceLineMaker maker) { mLineMaker = std::move(maker); }
    // Whether the lines "置換する" removes join the undo step (each as a line before with
    // an empty line after), so that undoing the import brings them back. The CSV import
    // leaves them out.
    void SetUndoRemovals(bool undo) { mUndoRemovals = undo; }

    // Imports the CSV lines below the frozen ones, in two passes: duplicates are removed
    // first, then frames added. Returns the number of rows that added at least one frame;
    // sets the modified flag when any frame was added.
    int RunImport(int lineCount, const CsvLineSource& lines, const CsvOptions& options,
                  const ImportChoices& choices, const ImportProgress& progress = {});
    // The same for lines already split into fields.
    int RunImport(const std::vector<std::vector<std::string>>& lines, const CsvOptions& options,
                  const ImportChoices& choices, const ImportProgress& progress = {});

    // Replaces the design by the rows of a file whose first line holds "簡易インポート"
    // (date, start, end, title), as with "置換する". False, with a message, for any other
    // file; the design is then left as it was.
    bool SimpleImport(const std::filesystem::path& path, const ImportChoices& choices,
                      SimpleImportResult* result = nullptr);

    // The steps of a run, for callers that drive rows themselves: BeginRun, then ImportRow
    // for every row in pass 0 and again in pass 1, then FinishRun.
    void BeginRun(const ImportChoices& choices, bool collectUndo);
    // Skips a row without a valid start date. True when pass 1 added at least one frame.
    bool ImportRow(const CsvTexts& texts, int pass);
    // Turns a row with a valid start date into day pieces and removes duplicates (pass 0)
    // or adds the pieces (pass 1); a start time, end date or end time that is not valid
    // counts as blank and takes its default. A row that runs on for more than a year adds
    // nothing and is counted as refused in pass 1. Returns the number of frames added.
    int RowToPieces(const CsvTexts& texts, int pass);
    // Adds the record line of one piece to the day store.
    void AddPiece(const DayPiece& piece, const std::string& title);
    // Removes a slot's lines that `which` picks during a run, as "置換する" removes
    // duplicates (counted with them, in the undo step as they are, the view's day made again).
    void RemoveStoredLines(int slot, const std::function<bool(const std::string&)>& which);
    void FinishRun();

    const ImportRunState& State() const { return mState; }

private:
    struct DuplicateKey {
        int month = 0, day = 0, start = 0, end = 0;
        friend bool operator==(const DuplicateKey&, const DuplicateKey&) = default;
    };
    std::vector<DuplicateKey>& Keys(int slot);
    bool HasDuplicate(const DayPiece& piece);
    void RemoveDuplicates(const DayPiece& piece);
    // Before a stored line is removed: kept for the undo step when removals are undone.
    void NoteRemoved(const std::string& line);
    void HandlePiece(const DayPiece& piece, const std::string& title, int pass, int& added);

    DesignDocument& mDesign;
    FrameIdSource& mIds;
    Host& mHost;
    Dialogs& mDialogs;
    WorkingSet* mView = nullptr;
    bool mCollectUndo = true;
    bool mUndoRemovals = false;
    PieceLineMaker mLineMaker;
    ImportChoices mChoices;
    ImportRunState mState;
    // Dates, times of each slot's lines, parallel to the lines, built when first needed.
    std::array<std::vector<DuplicateKey>, kSlotCount> mKeys;
    std::array<bool, kSlotCount> mKeysBuilt{};
    std::array<bool, kSlotCount> mTouched{};
    std::array<int, kSlotCount> mViewColumn{};  // first view column showing the slot, or -1
};

// Texts of the import (UTF-8).
std::string ImportConfirmationText(const ImportChoices& choices);
// "取り込み条件" and the lines of the date range and the duplicate rule.
std::string ImportConditionsText(const ImportChoices& choices);
std::string ImportProgressText(int row, int lastRow);
// The closing message: the number of imported rows and, when rows were refused for running
// on for more than a year, their number and why.
std::string ImportDoneText(int count, int refused = 0);
std::string NotSimpleImportFileText(const std::filesystem::path& path);

}  // namespace mv
