#include "io/csv/csvlinereader.h"

#include <algorithm>
#include <cstring>

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
    for (int attempt = 1; !(mFile = OpenFile(path, "rb")); ++attempt) {
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
    mScanned = mSkipLf = mEof = false;
    mLine = {};
    mNext = 0;
}

bool CsvLineReader::Refill() {
    if (mEof) return false;
    const std::size_t kept = mEnd - mPos;
    if (kept > 0 && mPos > 0) std::memmove(mBuffer.data(), mBuffer.data() + mPos, kept);
    mPos = 0;
    mEnd = kept;
    if (mEnd == mBuffer.size()) mBuffer.resize(mBuffer.size() * 2);
    const std::size_t n = std::fread(mBuffer.data() + mEnd, 1, mBuffer.size() - mEnd, mFile);
    mEnd += n;
    mScanned = false;
    if (n == 0) mEof = true;
    return n > 0;
}

std::size_t CsvLineReader::LineEnd() {
    // Each of CR and LF is looked for with memchr and its place kept until passed, so a
    // file with only one of them is not searched for the other on every line.
    auto next = [this](char c) {
        const void* found = std::memchr(mBuffer.data() + mPos, c, mEnd - mPos);
        return found ? static_cast<std::size_t>(static_cast<const char*>(found) - mBuffer.data()) : mEnd;
    };
    if (!mScanned || mCr < mPos) mCr = next('\r');
    if (!mScanned || mLf < mPos) mLf = next('\n');
    mScanned = true;
    return std::min(mCr, mLf);
}

bool CsvLineReader::NextLine() {
    if (mSkipLf) {
        mSkipLf = false;
        if (mPos == mEnd && !Refill()) return false;
        if (mBuffer[mPos] == '\n') ++mPos;
    }
    if (mPos == mEnd && !Refill()) return false;
    for (;;) {
        const std::size_t end = LineEnd();
        if (end < mEnd) {
            mLine = std::string_view(mBuffer.data() + mPos, end - mPos);
            mPos = end + 1;
            if (mBuffer[end] == '\r') {
                // The LF of a CR LF may only arrive with the next read.
                if (mPos < mEnd) {
                    if (mBuffer[mPos] == '\n') ++mPos;
                } else {
                    mSkipLf = true;
                }
            }
            break;
        }
        if (!Refill()) {  // the last line, without an end
            mLine = std::string_view(mBuffer.data() + mPos, mEnd - mPos);
            mPos = mEnd;
            break;
        }
    }
    ++mNext;
    return true;
}

std::string_view CsvLineReader::Line(int index) {
    if (index < 0) return {};
    if (!mFile) return index < mCount ? mLines[index] : std::string_view();
    if (index < mNext - 1) Rewind();
    while (mNext <= index)
        if (!NextLine()) return {};
    return mLine;
}

}  // namespace mv
