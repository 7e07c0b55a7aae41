// Fuzzes the iCalendar import: libical's parser on outside text, then the reading of each
// event (zones, day events, recurrence with RDATE and EXDATE), the day split and the
// duplicate rules into a small design that already holds a frame.
//
// Input: one byte choosing the duplicate rule, then the text of an .ics file.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/fuzzsupport.h"
#include "io/csv/csvimporter.h"
#include "io/ical/icalimport.h"
#include "model/designfile.h"
#include "model/dayslot.h"
#include "model/identity.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace mv;
    static fuzz::QuietHost host;
    static fuzz::QuietDialogs dialogs;
    if (size == 0) return 0;
    FrameIdSource ids(host);
    DesignDocument design(host, dialogs, ids);
    design.SetBaseYearIndex(2024 - kFirstBaseYear);
    design.Store().Slot(SlotOfDate({2024, 5, 10}))
        .push_back("Ci_CDate=2024/05/10%!#Ci_Cid=a%!#Ci_STime=900%!#Ci_ETime=1000%!#");

    ImportChoices choices;
    choices.duplicates = static_cast<DuplicateRule>(data[0] % 3);
    CsvImporter csv(design, ids, host, dialogs);
    IcsImporter importer(csv, design, ids);
    importer.Run(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1), choices, "Asia/Tokyo",
                 (data[0] & 4) != 0);
    return 0;
}
