#pragma once
// The lines of a CSV file read one after the other, without holding the whole file: a large
// import then keeps little more than the frames it makes. Lines end at CR, LF or CR LF, as
// ReadCsvText and LineViews take them.

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace mv {

class Host;

class CsvLineReader {
public:
    CsvLineReader() = default;
    ~CsvLineReader();
    CsvLineReader(const CsvLineReader&) = delete;
    CsvLineReader& operator=(const CsvLineReader&) = delete;

    // Opens the file and counts its lines; false when it cannot be read. A file that starts
    // with a UTF-8 byte-order mark is read whole and converted to Shift-JIS.
    bool Open(const std::filesystem::path& path, Host& host);

    int Count() const { return mCount; }
    // Characters of a UTF-8 file that Shift-JIS cannot hold, now "?".
    int Replaced() const { return mReplaced; }

    // Line `index` (0-based, below Count), valid until the next call. Lines asked for in
    // order are read straight on; an earlier one starts again from the top.
    std::string_view Line(int index);

private:
    bool NextLine();
    bool Refill();
    std::size_t LineEnd();
    void Rewind();

    std::FILE* mFile = nullptr;
    // Lines are handed out as views into the buffer: the unread rest is moved to its front
    // before more is read, and the buffer grows for a line longer than itself.
    std::vector<char> mBuffer;
    std::size_t mPos = 0, mEnd = 0;
    // The next CR and LF at or after mPos (mEnd when there is none), known while mScanned.
    std::size_t mCr = 0, mLf = 0;
    bool mScanned = false;
    bool mSkipLf = false;  // the last line ended with a CR at the end of the buffer
    bool mEof = false;
    std::string_view mLine;
    int mNext = 0;  // index of the line NextLine reads next
    int mCount = 0;
    int mReplaced = 0;
    // A converted UTF-8 file is held whole.
    std::string mText;
    std::vector<std::string_view> mLines;
};

}  // namespace mv
