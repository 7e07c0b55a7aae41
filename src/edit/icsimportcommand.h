#pragma once
// The iCalendar import as an edit: the events of an .ics text become frames of the open
// design, with the shown dates committed first and made again afterwards, as one undo step.
#include <string>
#include <string_view>

#include "io/csv/csvoptions.h"
#include "io/ical/icalimport.h"
#include "model/date.h"

namespace mv {

class Dialogs;
class EditContext;
class FrameIdSource;
class Host;

struct IcsImportOutcome {
    IcsImportResult result;
    Date earliestAdded;     // unset when nothing was added
    int earliestStart = 0;  // start (HHMM) of the first piece on the earliest date
};

// In shared mode the design is brought up to date first. When frames were added: one undo
// step of the import kind, the modified flag set, the added dates redrawn and reported.
IcsImportOutcome ImportIcsText(EditContext& context, FrameIdSource& ids, Host& host, Dialogs& dialogs,
                               std::string_view text, const ImportChoices& choices, const std::string& zone = {});

}  // namespace mv
