#include "model/textfile.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <system_error>

#include "platform/host.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace mv {

std::FILE* OpenFile(const std::filesystem::path& path, const char* mode) {
#ifdef _WIN32
    std::wstring wideMode(mode, mode + std::strlen(mode));
    return _wfopen(path.c_str(), wideMode.c_str());
#else
    return std::fopen(path.c_str(), mode);
#endif
}

namespace {

std::optional<std::string> ReadOnce(const std::filesystem::path& path) {
    std::FILE* file = OpenFile(path, "rb");
    if (!file) return std::nullopt;
    std::string bytes;
    std::error_code ec;
    auto size = std::filesystem::file_size(path, ec);
    if (!ec) bytes.reserve(size);
    char buffer[1 << 16];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, n);
    bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return std::nullopt;
    return bytes;
}

// Reads in chunks and splits as it goes: the file's bytes are never held whole beside its
// lines, which halves the memory a large design needs while it is read.
std::optional<std::vector<std::string>> ReadLinesOnce(const std::filesystem::path& path) {
    std::FILE* file = OpenFile(path, "rb");
    if (!file) return std::nullopt;
    std::vector<std::string> lines;
    LineSplitter splitter(lines);
    char buffer[1 << 16];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) splitter.Feed({buffer, n});
    bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return std::nullopt;
    splitter.Finish();
    return lines;
}

std::filesystem::path TemporaryPathFor(const std::filesystem::path& path) {
    static std::atomic<unsigned> counter{0};
    auto tick = std::chrono::steady_clock::now().time_since_epoch().count();
    std::filesystem::path tmp = path;
    tmp += ".tmp" + std::to_string(static_cast<unsigned long long>(tick) % 1000000007ULL) + "-" +
           std::to_string(++counter);
    return tmp;
}

// A file made read-only is not replaced behind the user's back: the rename over it would
// succeed on POSIX all the same.
bool IsReadOnlyFile(const std::filesystem::path& path) {
    std::error_code ec;
    auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::is_regular_file(status)) return false;
    using std::filesystem::perms;
    if ((status.permissions() & (perms::owner_write | perms::group_write | perms::others_write)) == perms::none)
        return true;
#ifdef _WIN32
    return false;
#else
    return access(path.c_str(), W_OK) != 0;
#endif
}

bool WriteOnce(const std::filesystem::path& path, const std::function<void(LineWriter&)>& body) {
    if (IsReadOnlyFile(path)) return false;
    const std::filesystem::path tmp = TemporaryPathFor(path);
    std::FILE* file = OpenFile(tmp, "wb");
    if (!file) return false;
    // A buffer of 64 KB: large enough that a big design goes out in few writes, small enough
    // that filling it first costs few page faults (each new page of memory costs one).
    static thread_local std::vector<char> buffer(1 << 16);
    std::setvbuf(file, buffer.data(), _IOFBF, buffer.size());
    LineWriter writer(file);
    body(writer);
    bool ok = writer.Ok() && std::fflush(file) == 0;
#ifdef _WIN32
    ok = ok && _commit(_fileno(file)) == 0;
#else
    ok = ok && fsync(fileno(file)) == 0;
#endif
    ok = std::fclose(file) == 0 && ok;
    std::error_code ec;
    if (ok) {
        // Keep the permissions of the file being replaced.
        auto status = std::filesystem::status(path, ec);
        if (!ec && std::filesystem::exists(status))
            std::filesystem::permissions(tmp, status.permissions(), ec);
        ec.clear();
        std::filesystem::rename(tmp, path, ec);
        ok = !ec;
    }
    if (!ok) std::filesystem::remove(tmp, ec);
    return ok;
}

}  // namespace

void LineWriter::Line(std::string_view line) {
    // A record line and its CR LF go to the file in one call where they fit a small
    // buffer: a large design has a hundred thousand lines, and each call costs.
    char joined[512];
    if (line.size() + 2 <= sizeof joined) {
        std::memcpy(joined, line.data(), line.size());
        joined[line.size()] = '\r';
        joined[line.size() + 1] = '\n';
        Bytes({joined, line.size() + 2});
        return;
    }
    Bytes(line);
    Bytes("\r\n");
}

void LineWriter::Bytes(std::string_view bytes) {
    if (mOk && !bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), mFile) != bytes.size()) mOk = false;
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path, Host& host) {
    for (int attempt = 1;; ++attempt) {
        if (auto bytes = ReadOnce(path)) return bytes;
        if (attempt >= kFileTries) return std::nullopt;
        host.Wait(kFileRetryMs);
    }
}

void LineSplitter::Feed(std::string_view piece) {
    if (piece.empty()) return;
    const std::size_t n = piece.size();
    std::size_t at = 0;
    if (mAfterCr && piece[0] == '\n') at = 1;
    mAfterCr = false;
    // The next CR and the next LF are each found with memchr and kept until passed, so the
    // text is scanned at memchr's speed rather than a byte at a time.
    auto next = [&](char c, std::size_t from) {
        const void* found = std::memchr(piece.data() + from, c, n - from);
        return found ? static_cast<std::size_t>(static_cast<const char*>(found) - piece.data()) : n;
    };
    std::size_t cr = next('\r', at);
    std::size_t lf = next('\n', at);
    while (at < n) {
        const std::size_t stop = std::min(cr, lf);
        if (stop == n) {
            mPartial.append(piece.substr(at));
            return;
        }
        if (mPartial.empty()) {
            mLines.emplace_back(piece.substr(at, stop - at));
        } else {
            mPartial.append(piece.substr(at, stop - at));
            mLines.push_back(std::move(mPartial));
            mPartial.clear();
        }
        at = stop + 1;
        if (piece[stop] == '\r') {
            if (at == n) mAfterCr = true;
            else if (piece[at] == '\n') ++at;
        }
        if (cr < at) cr = next('\r', at);
        if (lf < at) lf = next('\n', at);
    }
}

void LineSplitter::Finish() {
    if (!mPartial.empty()) mLines.push_back(std::move(mPartial));
    mPartial.clear();
    mAfterCr = false;
}

std::vector<std::string_view> SplitLineViews(std::string_view text) {
    std::vector<std::string_view> lines;
    const std::size_t n = text.size();
    // Line ends found with memchr, as the splitter of whole files does.
    auto next = [&](char c, std::size_t from) {
        const void* found = from < n ? std::memchr(text.data() + from, c, n - from) : nullptr;
        return found ? static_cast<std::size_t>(static_cast<const char*>(found) - text.data()) : n;
    };
    std::size_t at = 0, cr = next('\r', 0), lf = next('\n', 0);
    while (at < n) {
        const std::size_t stop = std::min(cr, lf);
        lines.push_back(text.substr(at, stop - at));
        if (stop == n) break;
        at = stop + 1;
        if (text[stop] == '\r' && at < n && text[at] == '\n') ++at;
        if (cr < at) cr = next('\r', at);
        if (lf < at) lf = next('\n', at);
    }
    return lines;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    LineSplitter splitter(lines);
    splitter.Feed(text);
    splitter.Finish();
    return lines;
}

std::optional<std::vector<std::string>> ReadLines(const std::filesystem::path& path, Host& host) {
    for (int attempt = 1;; ++attempt) {
        if (auto lines = ReadLinesOnce(path)) return lines;
        if (attempt >= kFileTries) return std::nullopt;
        host.Wait(kFileRetryMs);
    }
}

bool WriteFileAtomically(const std::filesystem::path& path, Host& host,
                         const std::function<void(LineWriter&)>& body) {
    for (int attempt = 1;; ++attempt) {
        if (WriteOnce(path, body)) return true;
        if (attempt >= kFileTries) return false;
        host.Wait(kFileRetryMs);
    }
}

bool WriteLines(const std::filesystem::path& path, const std::vector<std::string>& lines, Host& host) {
    return WriteFileAtomically(path, host, [&](LineWriter& out) {
        for (const std::string& line : lines) out.Line(line);
    });
}

}  // namespace mv
