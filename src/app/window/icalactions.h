#pragma once
// The design window's iCalendar commands: "3. iCalendar 形式で書き出す" writes every frame of
// the design's year as an .ics file under a name the user chooses; "4. iCalendar を読み込む"
// reads an .ics file's events into the design as one undo step and shows the first of them.

#include <string>

namespace mv {

class TfrmTimeTable_01;

class IcalActions {
public:
    explicit IcalActions(TfrmTimeTable_01& window) : mWindow(window) {}

    void Mn_IcsExportClick();
    void Mn_IcsImportClick();

    // Writes the design's year to `path`, telling the user how it went.
    void ExportTo(const std::string& path);
    // Imports the file at `path` after the question, telling the user how it went.
    void ImportFrom(const std::string& path);

private:
    // The design's file name with `extension`, in its folder, or `fallback` for an
    // unnamed design, in the folder the file dialogs start in.
    std::string ProposedName(const char* extension, const char* fallback) const;

    TfrmTimeTable_01& mWindow;
};

}  // namespace mv
