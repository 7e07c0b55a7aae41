#pragma once
// The CSV export: the frames of a date range become CSV lines with five columns in the
// user's order, optionally after a heading line.

#include <functional>
#include <string>
#include <vector>

#include "io/csv/csvoptions.h"
#include "model/date.h"

namespace mv {

class LineStore;
class TCInf;
struct RecordContext;

// The five texts of a frame shown on date d: start and end date ("YYYY/MM/DD") and time
// ("HH:MM:SS", hours modulo 24) on the calendar, so that times after midnight move to
// d + 1; and the title, the first field in display order (by the vertical offsets of
// titleLocation, ties in stored order) that is no time field and whose trimmed text is
// neither empty nor "・", with its line-break bytes removed.
CsvTexts FrameToCsvFields(const TCInf& frame, const Date& d, int titleLocation);

// The heading names of the items in column order.
std::string HeadingLine(const CsvOptions& options);
// The five texts placed so that column i holds item ExportCol[i].
std::string DataLine(const CsvTexts& texts, const CsvColumns& order);

// The days to export: the view's year (Y/01/01 to Y/12/31) unless a limit is chosen.
struct ExportRange {
    Date start, end;
    int Days() const;  // end - start + 1; 0 or less exports nothing
};
ExportRange ExportRangeFor(int viewYear, const ExportChoices& choices);

// Called every 10th day with the day counter and the number of days.
using ExportProgress = std::function<void(int day, int days)>;

// Appends the heading line (when chosen) and one data line per frame of every day of the
// range, in date order and, within a date, in the order the day store holds the lines.
// Lines that are no timed frame, or whose month and day the design's year lacks, are
// skipped. Returns the number of lines added, the heading line included.
int BuildExportLines(const LineStore& store, const RecordContext& context, int viewYear, const CsvOptions& options,
                     const ExportChoices& choices, std::vector<std::string>& lines,
                     const ExportProgress& progress = {});
// The same, handing each line to `sink` as it is made (a large export need not hold them).
using ExportSink = std::function<void(const std::string& line)>;
int BuildExportLines(const LineStore& store, const RecordContext& context, int viewYear, const CsvOptions& options,
                     const ExportChoices& choices, const ExportSink& sink, const ExportProgress& progress = {});

// Texts of the export (UTF-8).
std::string ExportConfirmationText(int viewYear, const ExportChoices& choices);
std::string ExportProgressText(int day, int days);
std::string ExportDoneText(int count);

}  // namespace mv
