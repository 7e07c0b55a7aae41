#pragma once
// The iCalendar export: one VEVENT per frame of a date range, as UTF-8 text with CR LF
// line ends and folded lines (RFC 5545), written by libical.

#include <optional>
#include <string>

#include "io/csv/csvoptions.h"
#include "model/date.h"

namespace mv {

class LineStore;
struct RecordContext;

// The property that carries a frame's whole record line (base64 of its Shift-JIS bytes),
// so that an import of the file gives back the frame's fields, colours and layout.
inline constexpr const char* kIcsRecordProperty = "X-MAROVELANTIS-RECORD";
// The exact fill 0x00BBGGRR in decimal; COLOR only holds the nearest CSS name.
inline constexpr const char* kIcsFillProperty = "X-MAROVELANTIS-FILL";

struct IcsExportChoices {
    std::optional<Date> from, to;  // default: the design's base year
    std::string zone;              // an Olson name; empty: the system's zone
    bool floating = false;         // local times without a zone
    int titleLocation = DefaultEnvSettings().Cmb_TitleLoc;  // as the CSV export chooses the title
};

// The system's zone name: TZ, else the target of /etc/localtime, else "UTC".
std::string SystemZoneName();

// Builds the calendar of the frames in the range. Returns the number of events, or -1
// with the reason in `error` (an unknown zone).
int BuildIcsCalendar(const LineStore& store, const RecordContext& context, const IcsExportChoices& choices,
                     std::string& text, std::string& error);

}  // namespace mv
