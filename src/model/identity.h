#pragma once
// Identities: of a running instance (the process stamp written into design and side files)
// and of a frame (its id, unique across machines and instances).

#include <string>

namespace mv {

class Host;

// Computer name, "-", clock time "hh:mm:ss" (PC01-14:03:59).
std::string ProcessStamp(const Host& host);

// Hands out frame ids: computer name, "-", "yyyymmddhhmmss", "-", a counter "%.5d" that
// starts at 0 with the instance and is incremented before each use.
class FrameIdSource {
public:
    explicit FrameIdSource(const Host& host) : mHost(host) {}
    std::string NewFrameId();
    // The same id appended to `out`, for lines built in place.
    void AppendNewFrameId(std::string& out);

private:
    const Host& mHost;
    int mCounter = 0;
    // The id up to its counter, kept while the host's name and clock second stay the same:
    // an import takes thousands of ids a second.
    std::string mPrefix;
    std::string mPrefixName;
    int mPrefixTime[6] = {};
};

}  // namespace mv
