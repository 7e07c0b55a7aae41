#pragma once
// The interactive CSV import as an edit: the rows of a CSV table below its frozen lines
// become frames of the open design through the engine, as one undo step, with one redraw
// and one shared-mode report of the imported dates.
#include <string>

#include "edit/undohistory.h"
#include "io/csv/csvimporter.h"
#include "io/csv/csvoptions.h"
#include "model/date.h"

namespace mv {

class CsvTable;
class Dialogs;
class EditContext;
class FrameIdSource;
class Host;

struct CsvImportResult {
    int rows = 0;          // rows that added at least one frame
    int refused = 0;       // rows running on for more than a year
    Date earliestAdded;    // unset when nothing was added
    Date latestAdded;
    int earliestStart = 0; // start (HHMM) of the first piece on the earliest date
};

// The questions before an import: the start date must be mapped (else the message, false),
// then the user confirms the conditions (false on No).
bool ConfirmCsvImport(const CsvColumns& importCol, const ImportChoices& choices, Dialogs& dialogs);

// Imports the table's lines below `frozenLines`. In shared mode the design is brought up to
// date first. When frames were added: one undo step of the import kind (the modified flag
// as it was before), the modified flag set, and the dates from the earliest to the latest
// added one redrawn and reported in one change report.
CsvImportResult ImportCsvTable(EditContext& context, FrameIdSource& ids, Host& host, Dialogs& dialogs,
                               const CsvTable& table, int frozenLines, const CsvOptions& options,
                               const ImportChoices& choices, const ImportProgress& progress = {});

// Records a run that changed frames as one undo step of `kind` (the modified flag as it was
// before the run), sets the modified flag, and redraws and reports the dates from the
// earliest to the latest added or removed one in one change report.
void RecordImportStep(EditContext& context, const ImportRunState& state, HistoryKind kind);

// The closing message of an import run (caption "確認").
void ShowCsvImportDone(const CsvImportResult& result, Dialogs& dialogs);

}  // namespace mv
