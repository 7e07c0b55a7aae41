#include "model/designfile.h"

#include <algorithm>

#include "model/codec.h"
#include "model/identity.h"
#include "model/keyvalueline.h"
#include "model/textfile.h"
#include "platform/dialogs.h"
#include "platform/host.h"

namespace mv {

namespace {

constexpr std::string_view kIdLine = "#Marovelantis=#Marovelantis";
constexpr std::string_view kMagic = "#Marovelantis";
constexpr std::size_t kMagicWindow = 100;
constexpr std::size_t kShortIdLength = 20;

const std::string kInUseHeading =
    "－－－－－－－－－－\r\n      他で使用中\r\n－－－－－－－－－－\r\n\r\n"
    "  現在、このデザインファイルは他の [ プロセス / マシン ] で使用中です。\r\n\r\n"
    "      File.Name ＞  ";
const std::string kOverwriteQuestion = "  このまま構わずに上書きしますか？";

// Header lines are told by their own key, never by a key inside a value: a title holding
// "#BaseYYYY=5" stays a title.
bool GetHeaderText(std::string_view line, std::string_view key, std::string& value) {
    auto found = LineItemValue(line, key);
    if (found) value.assign(*found);
    return found.has_value();
}

bool GetHeaderInt(std::string_view line, std::string_view key, int& value) {
    auto found = LineItemValue(line, key);
    auto number = found ? ParseInt(*found) : std::nullopt;
    if (number) value = *number;
    return number.has_value();
}

bool HasRecordDate(std::string_view line) {
    Date date;
    return GetDate(line, "Ci_CDate", kSep, date);
}

}  // namespace

std::string PathText(const std::filesystem::path& path) {
    auto text = path.u8string();
    return std::string(text.begin(), text.end());
}

DesignDocument::DesignDocument(Host& host, Dialogs& dialogs, FrameIdSource& ids)
    : mHost(host), mDialogs(dialogs), mIds(ids) {
    ResetDesignValues();
}

void DesignDocument::ResetDesignValues() {
    SetBaseYearIndex(mHost.Now().year - kFirstBaseYear);
    mTitle = Sjis("タイムテーブル");
    mMinuteStepIndex = kDefaultMinuteStepIndex;
    mHolder.clear();
    mLastUpdate.clear();
}

void DesignDocument::SetModified(bool modified) {
    mModified = modified;
    for (ModifiedListener* listener : mModifiedListeners) listener->ModifiedSet(modified);
}

void DesignDocument::RemoveModifiedListener(ModifiedListener* listener) {
    std::erase(mModifiedListeners, listener);
}

void DesignDocument::SetBaseYearIndex(int index) { mBaseYearIndex = std::clamp(index, 0, kLastBaseYearIndex); }

std::vector<std::string> DesignDocument::TakeDeferredMessages() {
    std::vector<std::string> messages;
    messages.swap(mDeferredMessages);
    return messages;
}

void DesignDocument::Tell(const std::string& text) {
    if (mDeferMessages) mDeferredMessages.push_back(text);
    else mDialogs.Show(MessageKind::Information, kConfirmCaption, text, Buttons::Ok, Answer::Ok);
}

void DesignDocument::ReportWriteFailure(const std::filesystem::path& path) {
    mDialogs.Error(kProgramName, "ファイルの書き込みに失敗しました。\r\r\r     PATH = " + PathText(path) + "\r\r");
}

bool DesignDocument::CheckDesignFile(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        mDialogs.Error(kProgramName,
                       "Marovelantis のデータファイルが存在しません。\r\r\r     PATH = " + PathText(path) + "\r\r");
        return false;
    }
    // Lines joined by CR LF never shrink, so the first 100 bytes of the joined text come
    // from at most the first 100 bytes of the file; read a little more and no further.
    std::string head;
    if (std::FILE* file = OpenFile(path, "rb")) {
        head.resize(4096);
        head.resize(std::fread(head.data(), 1, head.size(), file));
        std::fclose(file);
    }
    std::string joined;
    for (const std::string& line : SplitLines(head)) {
        joined += line;
        joined += "\r\n";
        if (joined.size() > kMagicWindow) break;
    }
    if (joined.substr(0, kMagicWindow).find(kMagic) != std::string::npos) return true;
    mDialogs.Error(kProgramName, "これは Marovelantis のデータファイルではありません。\r\r\r     PATH = " +
                                     PathText(path) + "\r\r");
    return false;
}

bool DesignDocument::CreateEmptyDesignFile(const std::filesystem::path& path) {
    std::error_code ec;
    bool existed = std::filesystem::exists(path, ec);
    // The new file replaces the old one in one rename, so there is no moment without either.
    if (WriteLines(path, {std::string(kIdLine)}, mHost)) return true;
    if (existed)
        mDialogs.Error(kProgramName, "ファイルの削除に失敗しました。\r\r     PATH = " + PathText(path) + "\r\r");
    else
        ReportWriteFailure(path);
    return false;
}

DesignDocument::Stamps DesignDocument::FindStamps(const std::vector<std::string>& lines) {
    Stamps stamps;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (HasRecordDate(line)) break;
        if (stamps.holderLine < 0 && GetHeaderText(line, "#Priority", stamps.holder))
            stamps.holderLine = static_cast<int>(i);
        else if (stamps.lastUpdateLine < 0 && GetHeaderText(line, "#LastUpdate", stamps.lastUpdate))
            stamps.lastUpdateLine = static_cast<int>(i);
    }
    return stamps;
}

bool DesignDocument::ClaimHolder(const std::filesystem::path& path, std::vector<std::string>& lines) {
    Stamps stamps = FindStamps(lines);
    if (stamps.holder.empty()) {
        mOwnStamp = ProcessStamp(mHost);
        std::string priority = TextItem("#Priority", mOwnStamp);
        std::string lastUpdate = TextItem("#LastUpdate", ProcessStamp(mHost));
        if (stamps.holderLine >= 0) {
            lines[stamps.holderLine] = priority;
        } else {
            lines.insert(lines.begin() + std::min<std::size_t>(1, lines.size()), priority);
            if (stamps.lastUpdateLine >= 1) ++stamps.lastUpdateLine;
        }
        if (stamps.lastUpdateLine >= 0) lines[stamps.lastUpdateLine] = lastUpdate;
        else lines.insert(lines.begin() + std::min<std::size_t>(2, lines.size()), lastUpdate);
        if (!WriteLines(path, lines, mHost)) ReportWriteFailure(path);
        return true;
    }
    if (!mSharedMode && stamps.holder != mOwnStamp)
        Tell(kInUseHeading + PathText(path) + "\r\n" + "      使用者    ＞  " + ToUtf8(stamps.holder) + "\r\n\r\n");
    return false;
}

bool DesignDocument::ParseLines(std::vector<std::string>& lines, bool renewIds) {
    bool idsRenewed = false;
    for (std::string& line : lines) {
        Date date;
        // Record lines first: a frame text that happens to hold a header key must not turn
        // its frame into a header line.
        if (GetDate(line, "Ci_CDate", kSep, date)) {
            std::string id;
            GetText(line, "Ci_Cid", kSep, id);
            if (renewIds && id.size() <= kShortIdLength) {
                std::size_t at = FindKey(line, "CI_CDATE");
                std::size_t end = line.find(kSep, at);
                std::size_t insertAt = end == std::string::npos ? line.size() : end + kSep.size();
                line.insert(insertAt, TextItem("Ci_Cid", mIds.NewFrameId()) + std::string(kSep));
                idsRenewed = true;
            }
            mStore.Slot(SlotOfDate(date)).push_back(std::move(line));
            continue;
        }
        if (FindValue(line, "Ci_CDate", kSep)) {
            // A record whose date cannot be read belongs to no day; it is kept and written
            // back rather than lost with the next save.
            mUnplacedLines.push_back(std::move(line));
            continue;
        }
        int number = 0;
        if (GetHeaderInt(line, "#BaseYYYY", number)) SetBaseYearIndex(number);
        else if (GetHeaderText(line, "#Priority", mHolder)) {
        } else if (GetHeaderText(line, "#LastUpdate", mLastUpdate)) {
        } else if (GetHeaderText(line, "#Title", mTitle)) {
        } else if (GetHeaderInt(line, "#MoveMM", number)) mMinuteStepIndex = std::clamp(number, 0, 59);
    }
    return idsRenewed;
}

std::optional<std::vector<std::string>> DesignDocument::ReadForOpening(const std::filesystem::path& path) {
    mStore.Clear();
    mUnplacedLines.clear();
    ResetDesignValues();
    auto lines = ReadLines(path, mHost);
    if (!lines)
        mDialogs.Error(kProgramName,
                       "デザインファイルを読み込めませんでした。\r\r\r     PATH = " + PathText(path) + "\r\r");
    return lines;
}

bool DesignDocument::ReadDesignFile(const std::filesystem::path& path, bool renewIds) {
    auto lines = ReadForOpening(path);
    if (!lines) return false;
    ParseLines(*lines, renewIds);
    return true;
}

bool DesignDocument::OpenDesignFile(const std::filesystem::path& path) {
    mStore.Clear();
    mUnplacedLines.clear();
    if (path.empty()) return false;
    if (!mHeldPath.empty()) ReleaseHold(mHeldPath);
    mHeldPath = path;
    if (mHooks) mHooks->Housekeep(path, mSharedMode);

    auto lines = ReadForOpening(path);
    if (!lines) return false;
    ClaimHolder(path, *lines);
    bool idsRenewed = ParseLines(*lines, true);
    lines.reset();
    if (idsRenewed) SaveDesignFile(path, false);
    if (mHooks) mHooks->DesignRead();
    return true;
}

bool DesignDocument::CheckBeforeSave(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return true;
    auto lines = ReadLines(path, mHost);
    if (!lines) return true;  // the write that follows reports what goes wrong
    Stamps stamps = FindStamps(*lines);
    std::string text;
    if (stamps.lastUpdate != mLastUpdate) {
        text = "－－－－－－－－－－\r\n      他で更新済み\r\n－－－－－－－－－－\r\n\r\n"
               "  このデザインファイルは他の [ プロセス / マシン ] により更新されています。\r\n\r\n"
               "      File.Name  ＞  " +
               PathText(path) + "\r\n" + "      最終更新者 ＞  " + ToUtf8(stamps.lastUpdate) + "\r\n\r\n" +
               kOverwriteQuestion + "\r\n\r\n";
    } else if (stamps.holder != mOwnStamp) {
        text = kInUseHeading + PathText(path) + "\r\n" + "      使用者    ＞  " + ToUtf8(stamps.holder) +
               "\r\n\r\n" + kOverwriteQuestion + "\r\n\r\n";
    }
    if (text.empty() || mSharedMode) return true;
    return mDialogs.Show(MessageKind::Question, kConfirmCaption, text, Buttons::YesNo, Answer::No) == Answer::Yes;
}

template <typename Visit>
void DesignDocument::VisitFileLines(Visit visit) const {
    visit(kIdLine);
    visit(TextItem("#Priority", mHolder));
    visit(TextItem("#LastUpdate", mLastUpdate));
    visit(IntItem("#BaseYYYY", mBaseYearIndex));
    visit(TextItem("#Title", mTitle));
    visit(IntItem("#MoveMM", mMinuteStepIndex));
    for (int slot = 0; slot < kSlotCount; ++slot)
        for (const std::string& line : mStore.Slot(slot)) visit(line);
    for (const std::string& line : mUnplacedLines) visit(line);
}

std::vector<std::string> DesignDocument::BuildFileLines() const {
    std::vector<std::string> lines;
    lines.reserve(6 + mStore.LineCount() + mUnplacedLines.size());
    VisitFileLines([&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

bool DesignDocument::SaveDesignFile(const std::filesystem::path& path, bool newStamps) {
    if (path.empty()) return false;
    // A failed save leaves the file as it was, so this instance keeps the stamps it had.
    const std::string ownStamp = mOwnStamp, lastUpdate = mLastUpdate, holder = mHolder;
    const std::filesystem::path heldPath = mHeldPath;
    if (newStamps) {
        mOwnStamp = ProcessStamp(mHost);
        mLastUpdate = ProcessStamp(mHost);
        mHolder = mOwnStamp;
        mHeldPath.clear();
    }
    bool written = WriteFileAtomically(
        path, mHost, [&](LineWriter& out) { VisitFileLines([&](std::string_view line) { out.Line(line); }); });
    if (!written) {
        mOwnStamp = ownStamp;
        mLastUpdate = lastUpdate;
        mHolder = holder;
        mHeldPath = heldPath;
        ReportWriteFailure(path);
    }
    return written;
}

bool DesignDocument::SaveUnheldCopy(const std::filesystem::path& path) {
    mLastUpdate = ProcessStamp(mHost);
    mHolder.clear();
    return SaveDesignFile(path, false);
}

void DesignDocument::ReleaseHold(const std::filesystem::path& path, std::string holderStamp) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return;
    if (mHooks) mHooks->Housekeep(path, false);
    auto lines = ReadLines(path, mHost);
    if (!lines) return;
    Stamps stamps = FindStamps(*lines);
    if (stamps.holderLine < 0 || stamps.holder != holderStamp || holderStamp.empty()) return;
    if (holderStamp == mOwnStamp) mOwnStamp.clear();
    (*lines)[stamps.holderLine] = TextItem("#Priority", "");
    if (!WriteLines(path, *lines, mHost)) ReportWriteFailure(path);
}

}  // namespace mv
