#pragma once
// Whole text files as lines, read and written with retries, written atomically: a
// temporary file in the same folder is filled, flushed and renamed over the target, so a
// failed or interrupted write leaves the previous file as it was.

#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mv {

class Host;

inline constexpr int kFileTries = 10;
inline constexpr int kFileRetryMs = 100;

// The lines of a file (CR LF, LF or CR ends; a final line without an end counts; no empty
// line after the last end). Nothing when the file cannot be read after every try.
std::optional<std::vector<std::string>> ReadLines(const std::filesystem::path& path, Host& host);
// The whole file as bytes, with the same retries.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path, Host& host);
// Splits text into lines as ReadLines does.
std::vector<std::string> SplitLines(std::string_view text);
// The same lines as views into the text, for reading a few of them out of a large file.
std::vector<std::string_view> SplitLineViews(std::string_view text);

// Splits text that arrives in pieces into lines as SplitLines splits the whole, so a file
// can be read in chunks without holding all its bytes at once; a CR LF may fall across
// two pieces.
class LineSplitter {
public:
    explicit LineSplitter(std::vector<std::string>& lines) : mLines(lines) {}
    void Feed(std::string_view piece);
    // Adds the last line when it had no line end.
    void Finish();

private:
    std::vector<std::string>& mLines;
    std::string mPartial;
    bool mAfterCr = false;
};

// Opens a file by its path with a C stdio mode ("rb", "wb", "wbx"); Windows paths may hold
// characters outside the system code page, so they are opened by their wide name there.
std::FILE* OpenFile(const std::filesystem::path& path, const char* mode);

// Writes the lines, each followed by CR LF. False when every try failed.
bool WriteLines(const std::filesystem::path& path, const std::vector<std::string>& lines, Host& host);

// Streams the body of a file; Line appends one line and its CR LF.
class LineWriter {
public:
    explicit LineWriter(std::FILE* file) : mFile(file) {}
    void Line(std::string_view line);
    void Bytes(std::string_view bytes);
    bool Ok() const { return mOk; }

private:
    std::FILE* mFile;
    bool mOk = true;
};

// Writes a file atomically through `body`, trying up to kFileTries times. False when every
// try failed; the previous file is then untouched.
bool WriteFileAtomically(const std::filesystem::path& path, Host& host,
                         const std::function<void(LineWriter&)>& body);

}  // namespace mv
