#pragma once
// Frames through the clipboard and partial design files: a run of days or the chosen
// frames put on the clipboard or saved as a design file of their own, and such a block or
// file read into the design at a date (keeping the gaps between its days) or at its own
// dates. Each read is one undo step.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "edit/editcontext.h"

namespace mv {

class Clipboard;
class Dialogs;
class FileChooser;
class FrameIdSource;
class Host;

// Places copies (new ids) of the record lines from `first` on: at `target` and the days
// after it as the lines' days follow each other, or at the lines' own dates. Lines of a
// date alone and lines without a readable date place nothing. One undo step; the dates
// touched are reported in one change. The number placed.
int PlaceLines(EditContext& context, FrameIdSource& ids, const std::vector<std::string>& lines, std::size_t first,
               std::optional<Date> target);

// What the commands need besides the edit context.
struct BlockSeams {
    Dialogs& dialogs;
    FrameIdSource& ids;
    Clipboard* clipboard = nullptr;
    FileChooser* files = nullptr;
    Host* host = nullptr;
};

// The clipboard: the days from `first` to `last`, or the chosen frames (the selected frame
// when none is chosen), put after a question; cleared after a question; read at a date.
bool PutDaysOnClipboard(EditContext& context, const BlockSeams& seams, const Date& first, const Date& last,
                        const std::filesystem::path& designPath);
bool PutChosenOnClipboard(EditContext& context, const BlockSeams& seams);
bool ClipboardHoldsBlock(const Clipboard& clipboard);
bool ClearClipboardBlock(const BlockSeams& seams);
bool ReadClipboardBlock(EditContext& context, const BlockSeams& seams, const Date& target);

// Partial design files, saved after a question and the file dialog (`lastPath` is where
// the dialog starts and is set to the file written), asking again before writing over the
// design being edited.
bool SaveDaysAsFile(EditContext& context, const BlockSeams& seams, const Date& first, const Date& last,
                    std::string& lastPath, const std::filesystem::path& designPath);
bool SaveChosenAsFile(EditContext& context, const BlockSeams& seams, std::string& lastPath,
                      const std::filesystem::path& designPath);

// Reads a design file into the design, at `target` or at the file's own dates, after its
// checks and a question. The file's earliest date when anything was placed.
std::optional<Date> LoadDesignFile(EditContext& context, const BlockSeams& seams, const std::filesystem::path& path,
                                   std::optional<Date> target);

}  // namespace mv
