// The edit script's commands on frames through the clipboard and partial design files: the
// block the program would put on the clipboard written to a file, a block read from such a
// file at a date, partial design files saved and read in, a CSV file imported as the CSV
// windows import it, and an iCalendar file imported as the design window's menu imports it.

#include "app/tool/editscript.h"

#include <iostream>
#include <map>

#include "edit/blockcommands.h"
#include "edit/csvimportcommand.h"
#include "edit/icsimportcommand.h"
#include "io/csv/csvmapping.h"
#include "io/csv/csvtable.h"
#include "model/codec.h"
#include "model/textfile.h"

namespace mv {

namespace {
std::filesystem::path PathOf(const std::string& utf8) { return std::filesystem::u8path(utf8); }
}  // namespace

bool EditScript::RunBlockCommand(const std::vector<std::string>& w) {
    const std::string& verb = w[0];
    const std::size_t n = w.size();
    if (verb == "csv-import" && n == 3) return ImportCsv(w[1], w[2]);
    if (verb == "ics-import" && n == 3) return ImportIcs(w[1], w[2]);
    const bool range = n == 4 && (verb == "clip-range" || verb == "save-range");
    const bool chosen = n == 2 && (verb == "clip-selection" || verb == "save-selection");
    const bool reading = n == 3 && (verb == "clip-read" || verb == "load");
    if (!range && !chosen && !reading) return false;
    mDialogs.messages.clear();
    const BlockSeams seams{mDialogs, mIds, &mClipboard, &mFiles, &mHost};
    const std::string& file = reading ? w[1] : w.back();
    Date first, last;
    if (range) {
        first = DateOf(w[1]);
        last = DateOf(w[2]);
        if (last < first) Fail("the range's last date is before its first");
    }
    if (chosen && mEdit->Chosen().Count() == 0 && mEdit->Selection().Empty()) Fail("nothing is selected");

    if (verb == "clip-range" || verb == "clip-selection") {
        Done(range ? PutDaysOnClipboard(*mEdit, seams, first, last, mDesign.Path()) : PutChosenOnClipboard(*mEdit, seams));
        // The block as the clipboard holds it, in the Shift-JIS of every file the program writes.
        const std::string bytes = FromUtf8(mClipboard.Text());
        if (!WriteFileAtomically(PathOf(file), mHost, [&](LineWriter& out) { out.Bytes(bytes); }))
            Fail("cannot write " + file);
        return true;
    }
    if (verb == "save-range" || verb == "save-selection") {
        mFiles.answer = file;
        const bool saved = range ? SaveDaysAsFile(*mEdit, seams, first, last, mPartialPath, mDesign.Path())
                                 : SaveChosenAsFile(*mEdit, seams, mPartialPath, mDesign.Path());
        // Asked whether to write over the design being edited, the tool keeps to the default: no.
        if (!saved && mDialogs.messages.empty()) Fail(file + " is the design being edited: not written");
        return Done(saved);
    }
    if (verb == "clip-read") {
        const std::optional<std::string> bytes = ReadFileBytes(PathOf(file), mHost);
        if (!bytes) Fail("cannot read " + file);
        const Date target = DateOf(w[2]);
        mClipboard.SetText(ToUtf8(*bytes));
        if (!ReadClipboardBlock(*mEdit, seams, target) && mDialogs.messages.empty()) Fail("no frame to place in " + file);
        return Done(mDialogs.messages.empty());
    }
    // load FILE TARGET, or load FILE --file-dates
    const std::optional<Date> target = w[2] == "--file-dates" ? std::nullopt : std::optional<Date>(DateOf(w[2]));
    if (!LoadDesignFile(*mEdit, seams, PathOf(file), target) && mDialogs.messages.empty())
        Fail("no frame to place in " + file);
    return Done(mDialogs.messages.empty());
}

DuplicateRule EditScript::RuleOf(const std::string& rule) {
    static const std::map<std::string, DuplicateRule> kRules = {
        {"skip", DuplicateRule::Skip}, {"replace", DuplicateRule::Replace}, {"keep", DuplicateRule::Keep}};
    const auto chosen = kRules.find(rule);
    if (chosen == kRules.end()) Fail("duplicates are skip, replace or keep, not " + rule);
    return chosen->second;
}

bool EditScript::ImportCsv(const std::string& file, const std::string& rule) {
    ImportChoices choices;
    choices.duplicates = RuleOf(rule);
    CsvTable table;
    if (!table.LoadFile(PathOf(file), mHost)) Fail("cannot read " + file);
    mDialogs.messages.clear();
    // As the CSV windows do after the automatic mapping: the columns found by the first
    // line's headings, and that line left out of the import.
    CsvOptions options;
    std::vector<std::string> headings;
    if (table.LineCount() > 0) table.Fields(0, headings);
    options.importCol = AutoMapColumns(ColumnListLines(headings, static_cast<int>(headings.size())), options.taiou);
    if (!CheckStartDateMapped(options.importCol, mDialogs)) Fail(mDialogs.messages.back());
    const CsvImportResult result = ImportCsvTable(*mEdit, mIds, mHost, mDialogs, table, 1, options, choices);
    if (!mDialogs.messages.empty()) Fail(mDialogs.messages.back());
    std::cout << result.rows << '\n';
    return true;
}

bool EditScript::ImportIcs(const std::string& file, const std::string& rule) {
    ImportChoices choices;
    choices.duplicates = RuleOf(rule);
    const std::optional<std::string> bytes = ReadFileBytes(PathOf(file), mHost);
    if (!bytes) Fail("cannot read " + file);
    const IcsImportOutcome outcome = ImportIcsText(*mEdit, mIds, mHost, mDialogs, *bytes, choices);
    if (!outcome.result.ok) Fail(outcome.result.error);
    std::cout << outcome.result.events << ' ' << outcome.result.frames << ' ' << outcome.result.refused << '\n';
    return true;
}

}  // namespace mv
