#pragma once
// Every size of the view derives from one reference font measured with the letter "A".

namespace mv {

struct ReferenceFont {
    int pixelHeight = 13;  // character height of the font in pixels
    int charWidth = 7;     // width of "A"
    int charHeight = 13;   // height of "A"
};

struct ViewMetrics {
    int fontPixelHeight = 0;
    int charWidth = 0, charHeight = 0;
    int smallFontHeight = 0, smallCharWidth = 0, smallCharHeight = 0;
    int timeColumnWidth = 0;
    int headerHeight = 0;
    int fullBandWidth = 0;
    int bandWidth = 0;        // the margin band of a column, after the cap of wide types
    int minFrameHeight = 0;
    int labelFontHeight = 0;  // of column and row labels
};

// windowWidth caps the band in the week types unless the view is laid out for printing.
ViewMetrics ComputeMetrics(const ReferenceFont& font, int displayType, int windowWidth, bool forPrinting);

}  // namespace mv
