#pragma once
// Frames ("枠") and their text fields, as held while a date is in view.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/date.h"

namespace mv {

// Field id of the time-variable field, which shows the frame's times and is never a title.
inline constexpr int kTimeFieldId = 1;

// One text field drawn inside a frame.
class TFInf {
public:
    // Creation serial number: counted up from 1 for every field NewField creates in this
    // program run; fields at one height stack in creation order. Copies keep it.
    int Serial = 0;
    int FID = 0;         // role: kTimeFieldId or an ordinary title field
    int FArea = 0;       // 0 = frame, 1 = station column
    std::string FTextStr = "  ";  // Shift-JIS, line breaks as 0x7F
    int FTextPS = 10;    // point size, derived from FTextFH
    int FTextFH = 0;     // font height in device pixels, negative = character height
    int FTextFC = 0;     // colour 0x00BBGGRR
    int FTextAL = 2;     // 0 free, 1 left, 2 centre, 3 right
    int FLineType = 0;   // 0 none, 1 solid, 2 dotted
    int FOff_Y0 = 0, FOff_X0 = 0, FOff_Y1 = 0, FOff_X1 = 0;
};

// One frame on one date, or the record of a date's column header.
class TCInf {
public:
    // Creation serial number, counted up from 1 for every frame NewFrame creates in this
    // program run: what finds a frame again after its column was rebuilt. A frame moved to
    // another date keeps it.
    int Serial = 0;
    std::string Cid;
    Date CDate;
    int ResizePos = -1;
    int ResizeLen = -1;
    int DupPos = 0;
    std::string Title;    // derived from the fields, see DeriveTitle
    int Column = 0;       // index of the date column holding the frame (not stored)
    int IndexInColumn = 0;  // position in its date's list (not stored)
    int KeptSTime = 0, KeptETime = 0;  // real times kept while the pack display rearranges them
    int STime = 500;
    int ETime = 600;
    int LeftPri = 0;
    std::string Contents;
    bool ContLink = false;
    std::string LinkURL;
    std::string DayMemo;
    std::string TextStr;
    int TextFH = 0;
    int TextPS = 0;
    int TextFC = 0;
    int WakuBC = 0;
    bool Fixed = false;
    std::vector<TFInf> Fields;

    bool IsColumnRecord() const { return STime < 0; }
    // The times that are stored: the kept ones while the pack display holds them.
    int StoredSTime() const { return KeptSTime > 0 ? KeptSTime : STime; }
    int StoredETime() const { return KeptSTime > 0 ? KeptETime : ETime; }
};

using FrameList = std::vector<std::unique_ptr<TCInf>>;

// What a new frame or field starts with; it comes from the settings and the view.
struct FrameDefaults {
    int baseFontHeight = 13;      // the view's base font height in pixels
    int beginPointSize = 10;      // the default text point size
    int backgroundColour = 12171705;  // fill of new frames and of lines without one
    int pixelsPerInch = 96;
};

int PointSizeOfHeight(int fontHeight, int pixelsPerInch);
int HeightOfPointSize(int pointSize, int pixelsPerInch);

// The first field whose id is not the time field and whose trimmed text is neither empty
// nor "・"; empty when there is none.
std::string DeriveTitle(const TCInf& frame);

// One line of a frame's links: "name = address" splits at the first "=" (both parts kept
// as written); a line without one is its address (trimmed), named "Link".
struct LinkLine {
    std::string_view name;
    std::string_view address;
};
LinkLine SplitLinkLine(std::string_view line);
// The link line of a bare address that SplitLinkLine reads back whole: an address holding
// "=" is named "Link" first.
std::string LinkLineOf(const std::string& address);

// A frame with the defaults of a new frame, optionally with a fresh id.
std::unique_ptr<TCInf> NewFrame(const FrameDefaults& defaults, std::string id = {});
// A field with the defaults of its id.
TFInf NewField(int id, int area, const FrameDefaults& defaults);
void AddField(TCInf& frame, TFInf field, bool atFront);

}  // namespace mv
