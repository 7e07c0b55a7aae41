#include "edit/icsimportcommand.h"

#include "edit/csvimportcommand.h"
#include "edit/editcontext.h"

namespace mv {

IcsImportOutcome ImportIcsText(EditContext& context, FrameIdSource& ids, Host& host, Dialogs& dialogs,
                               std::string_view text, const ImportChoices& choices, const std::string& zone) {
    if (SharedMode* sharing = context.Sharing()) sharing->Poll(0);
    DesignDocument& design = context.Design();
    // The shown dates' edits reach the day store before events are matched against it.
    context.Working().CommitView(design.Modified());
    CsvImporter csv(design, ids, host, dialogs);
    csv.SetView(&context.Working());
    // Re-importing an edited calendar replaces frames by UID: undoing it brings them back.
    csv.SetUndoRemovals(true);
    IcsImporter importer(csv, design, ids);
    importer.SetFrameDefaults(context.Working().Context().defaults);
    IcsImportOutcome outcome;
    outcome.result = importer.Run(text, choices, zone, true);
    const ImportRunState& state = csv.State();
    if (!outcome.result.ok || state.AfterLines.empty()) return outcome;
    if (state.framesAdded > 0) {
        outcome.earliestAdded = state.earliestAdded;
        outcome.earliestStart = state.earliestStart;
    }
    RecordImportStep(context, state, HistoryKind::IcsImport);
    return outcome;
}

}  // namespace mv
