#pragma once
// What the HTML page is made from, as plain values: the hour rows, the shown dates with
// their frames in the view's order and the automatic placement's lanes, and the page
// settings. The window and the command-line tool fill it from a laid-out view
// (htmlviewsource.h); the cell model and the page writer read nothing else.

#include <string>
#include <vector>

#include "model/date.h"

namespace mv {

struct HtmlHourRow {
    int start = 0, end = 0;  // HHMM
};

struct HtmlField {
    int fid = 0;
    std::string text;    // Shift-JIS, line breaks as 0x7F
    int fontHeight = 13; // pixels
    int colour = 0;      // 0x00BBGGRR
};

struct HtmlFrame {
    int start = 0, end = 0;  // HHMM as displayed
    int lane = 1;            // 1-based lane of the automatic placement (0 is taken as 1)
    int laneCount = 1;
    int colour = 0;          // Ci_WakuBC
    std::vector<HtmlField> fields;
    bool contLink = false;   // Ci_ContLink
    std::string contents;    // Ci_Contents
    std::string linkUrl;     // Ci_LinkURL: one link per line
};

struct HtmlDate {
    Date date;
    int headingColour = 0x808080;
    std::vector<HtmlFrame> frames;
};

struct HtmlPageSettings {
    std::string title;         // the design title, Shift-JIS
    std::string creationText;  // "YYYY/MM/DD　HH:NN:SS" or empty
    int background = 6250335;  // Pnl_HtmlBC
    int align = 0;             // Cmb_HtmlAlign: 0 left, 1 centre
    int linkTarget = 0;        // Cmb_HtmlLink: 1 opens links in another page
    bool dateDisplay = true;
    bool clockTime = true;     // time display on and edit (not packed) display
    int displayType = 6;
};

struct HtmlSource {
    std::vector<HtmlHourRow> hours;
    std::vector<HtmlDate> dates;
    HtmlPageSettings page;
};

}  // namespace mv
