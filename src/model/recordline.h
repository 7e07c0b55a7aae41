#pragma once
// Record lines: one frame (or one date column's header) per line of separated key=value
// items, "Ci_" items first and then one "#Filed[ ... #Filed]" block per field.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/frame.h"

namespace mv {

class FrameIdSource;

struct RecordContext {
    int baseYear = 2000;
    FrameDefaults defaults;
    FrameIdSource* ids = nullptr;  // needed only when a fresh id is asked for
};

struct ParsedRecord {
    enum class Kind { None, Frame, ColumnRecord };
    Kind kind = Kind::None;
    std::unique_ptr<TCInf> frame;  // the frame or the column record; null for None
};

// Builds the frame of a record line, its date re-based into the base year. Nothing when
// the line has no usable date or its month and day do not exist in the base year; a
// column record when its start is negative. With freshId the frame gets a new id instead
// of the line's.
ParsedRecord ParseRecordLine(std::string_view line, const RecordContext& context, bool freshId = false);

// Date, times, fill and title only (the title taken from the first field when the stored
// one is blank), for quick outlines straight from stored lines. The date is not re-based.
std::unique_ptr<TCInf> ParseRecordSummary(std::string_view line);

// What a list of a day's frames needs of a record line, read in one pass over each field
// block instead of a search of the line for every item: the start and, per field, its id,
// text (a view into the line) and vertical offsets.
struct FieldSummary {
    int id = 0;
    std::string_view text;
    int offsetY0 = 0, offsetY1 = 0;
};
struct ListSummary {
    int start = 0;
    std::vector<FieldSummary> fields;
};
// False for a line that ParseRecordLine would not make a frame of (no usable date, a day
// the base year lacks, a column record).
bool ParseListSummary(std::string_view line, const RecordContext& context, ListSummary& summary);

// The record line of a frame, items in their fixed order.
std::string BuildRecordLine(const TCInf& frame);

// Replaces the ten characters after "Ci_CDate=" by the date; the rest stays untouched.
std::string RedateLine(std::string_view line, const Date& date);
// Replaces the text after the first "key=" up to the next "%" by the value.
std::string ReplaceItemValue(std::string_view line, std::string_view key, std::string_view value);

}  // namespace mv
