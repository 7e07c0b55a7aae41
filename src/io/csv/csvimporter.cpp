#include "io/csv/csvimporter.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "io/csv/csvdatetime.h"
#include "io/csv/csvformat.h"
#include "io/csv/csvmapping.h"
#include "model/codec.h"
#include "model/designfile.h"
#include "model/identity.h"
#include "model/keyvalueline.h"
#include "model/timeofday.h"
#include "model/workingset.h"
#include "platform/dialogs.h"
#include "platform/host.h"

namespace mv {

namespace {

constexpr int kDefaultStart = 900;
constexpr int kDefaultEnd = 1800;

int Item(CsvItem item) { return static_cast<int>(item); }

// HHMM of a time text that ImportRow let through; blank (or, for direct callers, not a
// time) gives the fallback. A blank text is no time either.
int TimeOrDefault(const std::string& text, int fallback) {
    auto time = NormalizeCsvTime(text);
    return time ? *time / 100 : fallback;
}

// Ci_CDate, Ci_Cid, Ci_STime, Ci_ETime and one field block with Fi_FID 0 and the title,
// each item followed by the separator. A large import builds one line per piece, and the
// day store keeps every line: the line is made at its exact size in one allocation, its
// parts copied in place.
std::string BuildImportLine(const DayPiece& piece, FrameIdSource& ids, const std::string& title) {
    static constexpr std::string_view kDate = "Ci_CDate=", kId = "%!#Ci_Cid=", kStart = "%!#Ci_STime=",
                                      kEnd = "%!#Ci_ETime=", kField = "%!##Filed[Fi_FID=0%!#Fi_FTextStr=",
                                      kClose = "%!##Filed]";
    // The date and the id, in a buffer kept from line to line.
    static thread_local std::string dateAndId;
    dateAndId.clear();
    AppendCsvDate(dateAndId, piece.date);
    const std::size_t dateSize = dateAndId.size();
    ids.AppendNewFrameId(dateAndId);
    char startDigits[16], endDigits[16];
    auto number = [](char (&digits)[16], int value) {
        return std::string_view(digits, static_cast<std::size_t>(std::to_chars(digits, digits + 16, value).ptr - digits));
    };
    const std::string_view start = number(startDigits, piece.start), end = number(endDigits, piece.end);

    std::string line(kDate.size() + kId.size() + dateAndId.size() + kStart.size() + start.size() + kEnd.size() +
                         end.size() + kField.size() + title.size() + kClose.size(),
                     '\0');
    char* out = line.data();
    auto put = [&out](std::string_view text) {
        std::memcpy(out, text.data(), text.size());
        out += text.size();
    };
    put(kDate);
    put(std::string_view(dateAndId).substr(0, dateSize));
    put(kId);
    put(std::string_view(dateAndId).substr(dateSize));
    put(kStart);
    put(start);
    put(kEnd);
    put(end);
    put(kField);
    put(title);
    put(kClose);
    return line;
}

// A design holds one year, each month and day once: a row running on past the same month,
// day and time a year later (02/29 counts from 02/28) would only pile copies of itself onto
// the same days, one per year, and a mistyped year makes millions of them.
bool SpansMoreThanAYear(const Date& startDate, int startTime, const Date& endDate, int endTime) {
    const int year = startDate.year + 1;
    const Date yearOn{year, startDate.month, std::min(startDate.day, DaysInMonth(year, startDate.month))};
    return yearOn < endDate || (endDate == yearOn && startTime < endTime);
}

}  // namespace

CsvImporter::CsvImporter(DesignDocument& design, FrameIdSource& ids, Host& host, Dialogs& dialogs)
    : mDesign(design), mIds(ids), mHost(host), mDialogs(dialogs) {}

void CsvImporter::BeginRun(const ImportChoices& choices, bool collectUndo) {
    mChoices = choices;
    mState = ImportRunState{};
    mState.collectUndo = collectUndo;
    mState.wasModified = mDesign.Modified();
    mKeysBuilt.fill(false);
    for (auto& keys : mKeys) std::vector<DuplicateKey>().swap(keys);
    mTouched.fill(false);
    mViewColumn.fill(-1);
    if (mView) {
        for (int column = mView->ColumnCount() - 1; column >= 0; --column)
            mViewColumn[SlotOfDate(mView->Column(column).date)] = column;
    }
}

void CsvImporter::FinishRun() {
    if (mState.framesAdded > 0) mDesign.SetModified(true);
    if (!mView) return;
    // The view's frames of a changed slot are made again from its lines: that creates the
    // added frames and drops the ones "置換する" removed.
    for (int column = 0; column < mView->ColumnCount(); ++column) {
        const Date date = mView->Column(column).date;
        if (mTouched[SlotOfDate(date)]) mView->LoadDay(date);
    }
}

std::vector<CsvImporter::DuplicateKey>& CsvImporter::Keys(int slot) {
    std::vector<DuplicateKey>& keys = mKeys[slot];
    if (!mKeysBuilt[slot]) {
        const LineList& lines = mDesign.Store().Slot(slot);
        keys.clear();
        keys.reserve(lines.size());
        for (const std::string& line : lines) {
            Date date;
            DuplicateKey key{0, 0, 500, 600};  // the times a line without them is read with
            if (GetDate(line, "Ci_CDate", kSep, date)) key.month = date.month, key.day = date.day;
            GetInt(line, "Ci_STime", kSep, key.start);
            GetInt(line, "Ci_ETime", kSep, key.end);
            keys.push_back(key);
        }
        mKeysBuilt[slot] = true;
    }
    return keys;
}

bool CsvImporter::HasDuplicate(const DayPiece& piece) {
    const DuplicateKey wanted{piece.date.month, piece.date.day, piece.start, piece.end};
    const auto& keys = Keys(SlotOfDate(piece.date));
    return std::find(keys.begin(), keys.end(), wanted) != keys.end();
}

void CsvImporter::RemoveDuplicates(const DayPiece& piece) {
    const int slot = SlotOfDate(piece.date);
    const DuplicateKey wanted{piece.date.month, piece.date.day, piece.start, piece.end};
    std::vector<DuplicateKey>& keys = Keys(slot);
    LineList& lines = mDesign.Store().Slot(slot);
    for (std::size_t i = keys.size(); i-- > 0;) {
        if (keys[i] != wanted) continue;
        keys.erase(keys.begin() + static_cast<std::ptrdiff_t>(i));
        NoteRemoved(lines[i]);
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
        ++mState.duplicatesRemoved;
        mTouched[slot] = true;
    }
}

void CsvImporter::NoteRemoved(const std::string& line) {
    if (!mState.collectUndo || !mUndoRemovals) return;
    mState.BeforeLines.push_back(line);
    mState.AfterLines.emplace_back();
    Date date;
    if (!GetDate(line, "Ci_CDate", kSep, date)) return;
    mState.earliestRemoved = std::min(mState.earliestRemoved, date);
    mState.latestRemoved = std::max(mState.latestRemoved, date);
}

void CsvImporter::RemoveStoredLines(int slot, const std::function<bool(const std::string&)>& which) {
    const std::size_t removed = std::erase_if(mDesign.Store().Slot(slot), [&](const std::string& line) {
        if (!which(line)) return false;
        NoteRemoved(line);
        return true;
    });
    if (removed == 0) return;
    mState.duplicatesRemoved += static_cast<int>(removed);
    mKeysBuilt[slot] = false;
    mTouched[slot] = true;
}

void CsvImporter::AddPiece(const DayPiece& piece, const std::string& title) {
    ImportRunState& s = mState;
    if (piece.date < s.earliestPiece) {
        s.earliestPiece = piece.date;
        if (piece.start < s.earliestStart) s.earliestStart = piece.start;
    }
    s.earliestAdded = std::min(s.earliestAdded, piece.date);
    s.latestAdded = std::max(s.latestAdded, piece.date);

    std::string line = mLineMaker ? mLineMaker(piece, title) : BuildImportLine(piece, mIds, title);
    if (s.collectUndo) {
        s.BeforeLines.emplace_back();
        s.AfterLines.push_back(line);
    }
    const int slot = SlotOfDate(piece.date);
    // Only "取り込まない" looks at duplicates while adding; otherwise the slot's keys are
    // left to be read again should anything ask for them.
    if (mKeysBuilt[slot] && mChoices.duplicates == DuplicateRule::Skip)
        mKeys[slot].push_back({piece.date.month, piece.date.day, piece.start, piece.end});
    else mKeysBuilt[slot] = false;
    mDesign.Store().Slot(slot).push_back(std::move(line));
    mTouched[slot] = true;
    ++s.framesAdded;
    // A frame is shown for the piece when a view column holds its month and day and the
    // design's year has that day.
    if (s.collectUndo && mViewColumn[slot] >= 0 && IsValidDate(mDesign.BaseYear(), piece.date.month, piece.date.day))
        s.dayOffsets.push_back(mViewColumn[slot]);
}

void CsvImporter::HandlePiece(const DayPiece& piece, const std::string& title, int pass, int& added) {
    if (pass == 0) {
        if (mChoices.duplicates == DuplicateRule::Replace) RemoveDuplicates(piece);
        return;
    }
    if (mChoices.duplicates == DuplicateRule::Skip && HasDuplicate(piece)) return;
    AddPiece(piece, title);
    ++added;
}

bool CsvImporter::ImportRow(const CsvTexts& texts, int pass) {
    // RowToPieces skips a row whose start date is blank or not valid.
    return RowToPieces(texts, pass) > 0;
}

int CsvImporter::RowToPieces(const CsvTexts& texts, int pass) {
    auto start = NormalizeCsvDate(texts[Item(CsvItem::StartDate)]);
    if (!start) return 0;
    Date startDate = *start;
    Date endDate = NormalizeCsvDate(texts[Item(CsvItem::EndDate)]).value_or(startDate);
    int startTime = TimeOrDefault(texts[Item(CsvItem::StartTime)], kDefaultStart);
    int endTime = TimeOrDefault(texts[Item(CsvItem::EndTime)], kDefaultEnd);
    if (endDate < startDate) {
        std::swap(startDate, endDate);
    } else if (startDate == endDate) {
        // An end of 0:00 (24:00 reads as 0:00) on the start date is the midnight that
        // closes the day, not a time before the start.
        if (endTime == 0) endTime = 2400;
        else if (endTime < startTime) std::swap(startTime, endTime);
    }

    const int days = endDate == startDate ? 1 : DaySerial(endDate) - DaySerial(startDate) + 1;
    auto outside = [](const Date& date, const std::optional<Date>& from, const std::optional<Date>& to) {
        return (from && date < *from) || (to && *to < date);
    };
    if (outside(startDate, mChoices.from, mChoices.to) || outside(endDate, mChoices.from, mChoices.to)) return 0;
    if (SpansMoreThanAYear(startDate, startTime, endDate, endTime)) {
        if (pass == 1) ++mState.rowsRefused;
        return 0;
    }

    // An end on a later date at 05:00 or earlier belongs to the design day before it: that
    // day ends at end + 24 h and the end date itself gets nothing.
    int lastDay = days - 1;
    if (days >= 2 && endTime <= kDayStart) lastDay = days - 2;
    const bool severalDays = lastDay > 0;

    const std::string& title = texts[Item(CsvItem::Title)];
    int added = 0;
    for (int k = 0; k <= lastDay; ++k) {
        const Date d = k == 0 ? startDate : AddDays(startDate, k);
        int s = k == 0 ? startTime : kDayStart;
        int e = kDayEnd;
        if (k == lastDay) e = lastDay == days - 1 ? endTime : endTime + 2400;
        if (e == 0) e = 2400;

        std::array<DayPiece, 2> pieces{};
        if (s >= 0 && s < kDayStart) {
            // Before 05:00: the small hours of the previous design day.
            if (e >= 0 && e <= kDayStart) {
                pieces[0] = {true, AddDays(d, -1), s + 2400, e + 2400};
            } else {
                pieces[0] = {true, AddDays(d, -1), s + 2400, kDayEnd};
                pieces[1] = {true, d, kDayStart, e};
            }
        } else {
            pieces[0] = {true, d, s, e};
        }
        std::string numbered;
        if (severalDays) numbered = title + " (" + std::to_string(k + 1) + ")";
        const std::string& pieceTitle = severalDays ? numbered : title;
        for (DayPiece& piece : pieces) {
            if (!piece.use) continue;
            if (piece.start < kDayStart) piece.start += 2400;
            if (piece.end < kDayStart) piece.end += 2400;
            if (piece.start == piece.end) continue;
            HandlePiece(piece, pieceTitle, pass, added);
        }
    }
    return added;
}

int CsvImporter::RunImport(int lineCount, const CsvLineSource& lines, const CsvOptions& options,
                           const ImportChoices& choices, const ImportProgress& progress) {
    if (mView) mView->CommitView(mDesign.Modified());
    BeginRun(choices, mCollectUndo);
    const int first = FrozenLines(options.frozenRows, lineCount);
    int rows = 0;
    std::vector<std::string> fields;
    CsvTexts texts;
    // Pass 0 only removes stored duplicates, so it is left out where it cannot find any.
    const bool removing = choices.duplicates == DuplicateRule::Replace && mDesign.Store().LineCount() > 0;
    for (int pass = removing ? 0 : 1; pass < 2; ++pass) {
        for (int i = first; i < lineCount; ++i) {
            // Grid rows count from 1 below the row of column numbers.
            if (progress && (i + 1) % 100 == 0) progress(i + 1, lineCount);
            lines(i, fields);
            RowTexts(fields, options.importCol, texts);
            if (ImportRow(texts, pass) && pass == 1) ++rows;
        }
    }
    FinishRun();
    return rows;
}

int CsvImporter::RunImport(const std::vector<std::vector<std::string>>& lines, const CsvOptions& options,
                           const ImportChoices& choices, const ImportProgress& progress) {
    return RunImport(
        static_cast<int>(lines.size()), [&lines](int index, std::vector<std::string>& fields) { fields = lines[index]; },
        options, choices, progress);
}

bool CsvImporter::SimpleImport(const std::filesystem::path& path, const ImportChoices& choices,
                               SimpleImportResult* result) {
    static const std::string kMark = Sjis("簡易インポート");
    static const std::string kTitleMark = Sjis("タイトル");
    auto lines = ReadCsvLines(path, mHost, mDialogs);
    if (!lines || lines->empty() || !ContainsText(lines->front(), kMark)) {
        mDialogs.Error(kProgramName, NotSimpleImportFileText(path));
        return false;
    }

    // The open design is dropped without saving; an empty unnamed one takes its place.
    mDesign.Store().Clear();
    mDesign.SetPath({});
    mDesign.SetTitle(Sjis("タイムテーブル"));
    mDesign.SetBaseYearIndex(mHost.Now().year - kFirstBaseYear);
    mDesign.SetModified(false);

    ImportChoices replace = choices;
    replace.duplicates = DuplicateRule::Replace;
    BeginRun(replace, false);
    int rows = 0;
    std::vector<std::string> fields;
    CsvTexts texts;
    // The design is empty, so the pass that removes duplicates would find none: only the
    // adding pass runs.
    for (const std::string& line : *lines) {
        SplitCsvLine(line, fields);
        if (fields.size() <= 3) continue;
        std::string_view first = Trim(fields[0]);
        if (first.empty() || first.front() < '0' || first.front() > '9') continue;
        // Date, start, end, title: the one date serves as start and end date.
        texts[Item(CsvItem::StartDate)] = fields[0];
        texts[Item(CsvItem::StartTime)] = fields[1];
        texts[Item(CsvItem::EndDate)] = fields[0];
        texts[Item(CsvItem::EndTime)] = fields[2];
        texts[Item(CsvItem::Title)] = fields[3];
        if (ImportRow(texts, 1)) ++rows;
    }
    mDesign.SetModified(false);
    if (mView) mView->LoadView();

    SimpleImportResult outcome;
    outcome.rows = rows;
    if (rows > 0) {
        const std::string& firstLine = lines->front();
        std::size_t at = FindText(firstLine, kTitleMark);
        if (at != std::string::npos) {
            std::string_view title = Trim(std::string_view(firstLine).substr(at + kTitleMark.size()));
            std::size_t open = title.find('(');
            if (open != std::string_view::npos) {
                title.remove_prefix(open + 1);
                if (!title.empty() && title.back() == ')') title.remove_suffix(1);
            }
            // Blanks around the title would be lost in the design file anyway.
            mDesign.SetTitle(std::string(Trim(title)));
        }
        mDesign.SetBaseYearIndex(mState.earliestPiece.year - kFirstBaseYear);
        outcome.viewStart = mState.earliestPiece;
        int row = mState.earliestStart / 100 - 5;
        outcome.topHourRow = row > 0 ? row - 1 : row;
    }
    if (result) *result = outcome;
    return true;
}

std::string ImportConditionsText(const ImportChoices& choices) {
    auto date = [](const std::optional<Date>& chosen) { return chosen ? FormatDate(*chosen) : "指定無し"; };
    const char* rule = choices.duplicates == DuplicateRule::Skip      ? "取り込まない"
                       : choices.duplicates == DuplicateRule::Replace ? "置換する"
                                                                      : "取り込む";
    return "取り込み条件\r\n\r\n    開始日　　　　　　　　：　" + date(choices.from) +
           "\r\n    終了日　　　　　　　　：　" + date(choices.to) + "\r\n    重複データの扱い　：　" + rule;
}

std::string ImportConfirmationText(const ImportChoices& choices) {
    return "指定された対応項目によりインポート処理を行います。\r\n\r\n" + ImportConditionsText(choices) +
           "\r\n\r\nよろしいですか？";
}

std::string ImportProgressText(int row, int lastRow) {
    return "  Import  " + std::to_string(row) + " / " + std::to_string(lastRow);
}

std::string ImportDoneText(int count, int refused) {
    std::string text = count == 0 ? "インポート対象データはありませんでした。"
                                  : "インポート処理を終了しました。\r\n\r\n    インポート行数 = " + std::to_string(count);
    if (refused > 0)
        text += "\r\n\r\n    取り込まなかった行数 = " + std::to_string(refused) +
                "\r\n\r\n開始から終了までが１年を超える行は取り込みません。\r\n"
                "（１年分のデザインでは、同じ月日に同じ枠が重なるだけのため）";
    return text;
}

std::string NotSimpleImportFileText(const std::filesystem::path& path) {
    return "これは Marovelantis のＣＳＶファイルではありません。\r\r\r     PATH = " + PathText(path) + "\r\r";
}

}  // namespace mv
