#pragma once
// How user text enters the HTML page. A design is shared between users, so nothing typed
// into it may turn into markup or script on the page: text is written with "&", "<", ">"
// and '"' as entities, the program's own "<BR>" for line breaks being the only markup; the
// arguments of the pop-up script are escaped for the pop-up document and again for the
// attribute they stand in; a link is written only for addresses of harmless kinds.
// All texts are Shift-JIS: the characters escaped are below 0x40, which a trail byte never
// is, so bytes can be looked at one by one except for the backslash.

#include <string>
#include <string_view>

namespace mv {

// Text shown on the page: entities for & < > ", control characters as blanks.
std::string HtmlText(std::string_view text);
// Field text: trailing line-break markers (0x7F) dropped, the others as "<BR>", each
// piece as HtmlText.
std::string HtmlLines(std::string_view text);
// One argument of the pop-up call Link_01('...'): line-break markers as "<BR>", single
// and double quotes removed, the rest escaped so that the pop-up shows it as typed.
std::string PopupArgument(std::string_view text);
// Whether a link address may be written as a link: http, https, mailto, ftp, file, or a
// relative address (no scheme). Control characters and blanks browsers drop are ignored.
bool SafeLinkAddress(std::string_view address);
// The address as written into HREF: control characters removed, escaped as HtmlText.
std::string LinkAddressText(std::string_view address);

}  // namespace mv
