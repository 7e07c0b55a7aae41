#include "edit/csvimportcommand.h"

#include <algorithm>

#include "edit/editcontext.h"
#include "io/csv/csvmapping.h"
#include "io/csv/csvtable.h"
#include "model/codec.h"
#include "platform/dialogs.h"

namespace mv {

bool ConfirmCsvImport(const CsvColumns& importCol, const ImportChoices& choices, Dialogs& dialogs) {
    if (!CheckStartDateMapped(importCol, dialogs)) return false;
    return dialogs.Show(MessageKind::Question, kConfirmCaption, ImportConfirmationText(choices), Buttons::YesNo,
                        Answer::Yes) == Answer::Yes;
}

CsvImportResult ImportCsvTable(EditContext& context, FrameIdSource& ids, Host& host, Dialogs& dialogs,
                               const CsvTable& table, int frozenLines, const CsvOptions& options,
                               const ImportChoices& choices, const ImportProgress& progress) {
    // What other sharers saved meanwhile is taken in before the rows are matched against
    // the stored frames.
    if (SharedMode* sharing = context.Sharing()) sharing->Poll(0);

    DesignDocument& design = context.Design();
    CsvImporter importer(design, ids, host, dialogs);
    importer.SetView(&context.Working());
    importer.SetCollectUndo(true);
    CsvOptions run = options;
    run.frozenRows = frozenLines;
    const int rows = importer.RunImport(
        table.LineCount(), [&table](int index, std::vector<std::string>& fields) { table.Fields(index, fields); },
        run, choices, progress);

    const ImportRunState& state = importer.State();
    CsvImportResult result;
    result.rows = rows;
    result.refused = state.rowsRefused;
    if (state.framesAdded == 0) return result;
    result.earliestAdded = state.earliestAdded;
    result.latestAdded = state.latestAdded;
    result.earliestStart = state.earliestStart;

    RecordImportStep(context, state, HistoryKind::CsvImport);
    return result;
}

void RecordImportStep(EditContext& context, const ImportRunState& state, HistoryKind kind) {
    // The engine has already set the modified flag; the step keeps the one from before, as
    // undoing the import restores it.
    context.RestoreModified(state.wasModified);
    const Date first = std::min(state.earliestAdded, state.earliestRemoved);
    const Date last = std::max(state.latestAdded, state.latestRemoved);
    context.History().RecordLines(kind, state.BeforeLines, state.AfterLines, first, last, Date{});
    context.Design().SetModified(true);
    context.ReportChanges({{first, last == first ? Date{} : last, Sjis("インポート")}});
}

void ShowCsvImportDone(const CsvImportResult& result, Dialogs& dialogs) {
    dialogs.Information(kConfirmCaption, ImportDoneText(result.rows, result.refused));
}

}  // namespace mv
