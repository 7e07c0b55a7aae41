#pragma once
// The iCalendar import: VEVENTs become frames of the open design through the CSV import's
// day split and duplicate rules; recurring events are expanded inside the design's year.

#include <string>
#include <string_view>

#include "io/csv/csvoptions.h"
#include "model/frame.h"

namespace mv {

class CsvImporter;
class DesignDocument;
class FrameIdSource;

struct IcsImportResult {
    bool ok = false;     // false: nothing was imported, `error` tells why
    std::string error;   // UTF-8
    int events = 0;      // VEVENTs in the file
    int frames = 0;      // frames added
    int refused = 0;     // events left out: no start, an unknown zone, a recurrence that
                         // never reaches the design's year, more than a year long
};

// The most occurrences one recurring event is followed through before it counts as
// refused: a rule without an end that starts long before the design's year, or repeats
// every second, would otherwise take endlessly long.
inline constexpr int kMaxRecurrenceSteps = 200000;

class IcsImporter {
public:
    IcsImporter(CsvImporter& csv, DesignDocument& design, FrameIdSource& ids);

    // The fill and type size of frames made from events that carry none of their own (the
    // user's frame defaults in the program).
    void SetFrameDefaults(const FrameDefaults& defaults) { mDefaults = defaults; }

    // Imports the text of an .ics file. The duplicate rules of `choices` apply by UID
    // first (an event whose UID is a frame's id), by date and times otherwise. `zone` is
    // the local zone the times are converted to (empty: the system's).
    IcsImportResult Run(std::string_view text, const ImportChoices& choices, const std::string& zone = {},
                        bool collectUndo = false);

private:
    CsvImporter& mCsv;
    DesignDocument& mDesign;
    FrameIdSource& mIds;
    FrameDefaults mDefaults;
};

// The question before the import of the file at `path` (UTF-8), with the conditions.
std::string IcsImportConfirmationText(const std::string& path, const ImportChoices& choices);

// The closing message of the import (UTF-8).
std::string IcsImportDoneText(const IcsImportResult& result);

}  // namespace mv
