#include "model/identity.h"

#include <algorithm>

#include "model/digits.h"
#include "platform/host.h"

namespace mv {

std::string ProcessStamp(const Host& host) {
    ClockTime now = host.Now();
    std::string stamp = host.ComputerName();
    // "-%02d:%02d:%02d"
    char buffer[48];
    char* end = buffer;
    *end++ = '-';
    end = WriteZeroPadded(end, now.hour, 2);
    *end++ = ':';
    end = WriteZeroPadded(end, now.minute, 2);
    *end++ = ':';
    end = WriteZeroPadded(end, now.second, 2);
    stamp.append(buffer, end);
    return stamp;
}

std::string FrameIdSource::NewFrameId() {
    std::string id;
    AppendNewFrameId(id);
    return id;
}

void FrameIdSource::AppendNewFrameId(std::string& out) {
    // Name, "-%04d%02d%02d%02d%02d%02d-", then the counter as "%.5d".
    const ClockTime now = mHost.Now();
    const std::string name = mHost.ComputerName();
    const int time[6] = {now.year, now.month, now.day, now.hour, now.minute, now.second};
    if (mPrefix.empty() || name != mPrefixName || !std::equal(time, time + 6, mPrefixTime)) {
        char buffer[128];
        char* end = buffer;
        *end++ = '-';
        end = WriteZeroPadded(end, now.year, 4);
        for (int i = 1; i < 6; ++i) end = WriteZeroPadded(end, time[i], 2);
        *end++ = '-';
        mPrefix = name;
        mPrefix.append(buffer, end);
        mPrefixName = name;
        std::copy(time, time + 6, mPrefixTime);
    }
    out += mPrefix;
    AppendDigits(out, ++mCounter, 5);
}

}  // namespace mv
