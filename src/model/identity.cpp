#include "model/identity.h"

#include <cstdio>

#include "platform/host.h"

namespace mv {

std::string ProcessStamp(const Host& host) {
    ClockTime now = host.Now();
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "-%02d:%02d:%02d", now.hour, now.minute, now.second);
    return host.ComputerName() + buffer;
}

std::string FrameIdSource::NewFrameId() {
    ClockTime now = mHost.Now();
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "-%04d%02d%02d%02d%02d%02d-%.5d", now.year, now.month, now.day, now.hour,
                  now.minute, now.second, ++mCounter);
    return mHost.ComputerName() + buffer;
}

}  // namespace mv
