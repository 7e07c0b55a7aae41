#pragma once
// What the help viewer builds from its texts, without widgets: the list captions of the
// registered Help menu items, a text shown with line numbers, the window widths of the
// width button, and the one HTML document that joins every help text into pages with an
// index. Texts are Shift-JIS bytes, as the help files are.

#include <string>
#include <string_view>
#include <vector>

namespace mv {

// The caption a menu item shows in the viewer's list: cut before the character that
// precedes its "&" (the "(" of "(&P)"), trimmed, with one blank in front.
std::string BrowseListCaption(std::string_view menuCaption);
// The index text of a list caption: what follows its first ".", or all of it.
std::string BrowseIndexText(std::string_view listCaption);

// Each line numbered from 1 in five digits with leading zeros and a blank, CR LF after it.
std::string NumberedText(const std::vector<std::string>& lines);

// The window width after the width button was pressed `presses` times: the full width, just
// the list and half the button, or seven tenths of the list, in turn.
struct BrowseWidths {
    int full = 0;         // the width remembered at creation
    int listLeft = 0;     // the list box's left edge and width, and the button's width
    int listWidth = 0;
    int buttonWidth = 0;
};
int BrowseWidthAfter(int presses, const BrowseWidths& widths);

// One page of the document: the list caption and the text shown for it.
struct HelpPage {
    std::string caption;
    std::string text;
};
struct HelpDocumentRequest {
    std::string baseCaption;    // the document's title
    std::string windowCaption;  // the heading is its part before the first "["
    bool helpHeading = true;    // the heading ends with "Help"
    int jumpPage = 0;           // the page shown now (1 the first); 0 jumps nowhere
    std::vector<HelpPage> pages;
};
// The document's lines (to be written with CR LF): head, styles, the jump script, heading,
// index, one section per page and the closing rows.
std::vector<std::string> HelpDocumentLines(const HelpDocumentRequest& request);

}  // namespace mv
