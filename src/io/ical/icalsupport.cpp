#include "io/ical/icalsupport.h"

#include <cstdint>

namespace mv {

namespace {
constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
}

icaltimezone* ZoneByName(const std::string& name) {
    // Errors are reported through return values here, never by aborting the program.
    icalerror_set_errors_are_fatal(0);
    if (name == "UTC" || name == "Etc/UTC" || name == "Z") return icaltimezone_get_utc_timezone();
    return icaltimezone_get_builtin_timezone(name.c_str());
}

std::string Base64Encode(std::string_view bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        std::uint32_t chunk = std::uint32_t(std::uint8_t(bytes[i])) << 16;
        if (i + 1 < bytes.size()) chunk |= std::uint32_t(std::uint8_t(bytes[i + 1])) << 8;
        if (i + 2 < bytes.size()) chunk |= std::uint8_t(bytes[i + 2]);
        out += kAlphabet[(chunk >> 18) & 63];
        out += kAlphabet[(chunk >> 12) & 63];
        out += i + 1 < bytes.size() ? kAlphabet[(chunk >> 6) & 63] : '=';
        out += i + 2 < bytes.size() ? kAlphabet[chunk & 63] : '=';
    }
    return out;
}

std::string Base64Decode(std::string_view text) {
    std::string out;
    std::uint32_t chunk = 0;
    int bits = 0;
    for (char c : text) {
        const std::size_t value = kAlphabet.find(c);
        if (value == std::string_view::npos) continue;
        chunk = (chunk << 6) | std::uint32_t(value);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out += static_cast<char>((chunk >> bits) & 0xff);
        }
    }
    return out;
}

}  // namespace mv
