#pragma once
// What the export and the import share: zones, base64 and libical's ownership rules.

#include <libical/ical.h>

#include <memory>
#include <string>
#include <string_view>

namespace mv {

struct IcalComponentFree {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using IcalComponentPtr = std::unique_ptr<icalcomponent, IcalComponentFree>;

// A zone by its Olson name ("Asia/Tokyo", "UTC"); null when libical does not know it.
icaltimezone* ZoneByName(const std::string& name);

std::string Base64Encode(std::string_view bytes);
// Nothing decodable gives an empty text; characters outside the alphabet are skipped.
std::string Base64Decode(std::string_view text);

}  // namespace mv
