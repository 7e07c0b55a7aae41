#include "io/csv/csvlinereader.h"

#include "io/csv/csvformat.h"
#include "model/textfile.h"
#include "platform/host.h"

namespace mv {

CsvLineReader::~CsvLineReader() {
    if (mFile) std::fclose(mFile);
}

bool CsvLineReader::Open(const std::filesystem::path& path, Host& host) {
    if (mFile) std::fclose(mFile);
    mFile = nullptr;
    for (int attempt = 1; !(mFile = std::fopen(path.string().c_str(), "rb")); ++attempt) {
        if (attempt >= kFileTries) return false;
        host.Wait(kFileRetryMs);
    }
    char head[3] = {};
    const bool bom = std::fread(head, 1, 3, mFile) == 3 && std::string_view(head, 3) == "\xEF\xBB\xBF";
    if (bom) {
        std::fclose(mFile);
        mFile = nullptr;
        auto text = ReadCsvText(path, host);
        if (!text) return false;
        mText = std::move(text->text);
        mReplaced = text->replaced;
        mLines = LineViews(mText);
        mCount = static_cast<int>(mLines.size());
        return true;
    }
    mBuffer.resize(1 << 16);
    Rewind();
    mCount = 0;
    while (NextLine()) ++mCount;
    if (std::ferror(mFile)) return false;
    Rewind();
    return true;
}

void CsvLineReader::Rewind() {
    std::rewind(mFile);
    mPos = mEnd = 0;
    mEof = false;
    mNext = 0;
}

bool CsvLineReader::Fill() {
    if (mPos < mEnd) return true;
    if (mEof) return false;
    mEnd = std::fread(mBuffer.data(), 1, mBuffer.size(), mFile);
    mPos = 0;
    if (mEnd == 0) mEof = true;
    return mEnd > 0;
}

bool CsvLineReader::NextLine() {
    mLine.clear();
    if (!Fill()) return false;
    for (;;) {
        std::size_t end = mPos;
        while (end < mEnd && mBuffer[end] != '\r' && mBuffer[end] != '\n') ++end;
        mLine.append(mBuffer.data() + mPos, end - mPos);
        mPos = end;
        if (mPos < mEnd) break;  // at a line end
        if (!Fill()) {           // the last line, without an end
            ++mNext;
            return true;
        }
    }
    const char ending = mBuffer[mPos++];
    if (ending == '\r' && Fill() && mBuffer[mPos] == '\n') ++mPos;
    ++mNext;
    return true;
}

std::string_view CsvLineReader::Line(int index) {
    if (!mFile) return index >= 0 && index < mCount ? mLines[index] : std::string_view();
    if (index < mNext - 1 || index < 0) Rewind();
    if (index == mNext - 1) return mLine;
    while (mNext <= index)
        if (!NextLine()) return {};
    return mLine;
}

}  // namespace mv
