#include "io/html/htmlescape.h"

#include <array>
#include <cctype>

#include "model/codec.h"
#include "model/keyvalueline.h"

namespace mv {

namespace {

constexpr char kLineMarker = 0x7F;

void AppendEscaped(std::string& out, char c) {
    switch (c) {
    case '&': out += "&amp;"; break;
    case '<': out += "&lt;"; break;
    case '>': out += "&gt;"; break;
    case '"': out += "&quot;"; break;
    default: out += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
    }
}

// Splits at line-break markers and joins the converted pieces with "<BR>".
template <class Convert>
std::string JoinLines(std::string_view text, Convert convert) {
    std::string out;
    std::size_t from = 0;
    while (true) {
        const std::size_t at = text.find(kLineMarker, from);
        out += convert(text.substr(from, at == std::string_view::npos ? std::string_view::npos : at - from));
        if (at == std::string_view::npos) break;
        out += "<BR>";
        from = at + 1;
    }
    return out;
}

}  // namespace

std::string HtmlText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == kLineMarker) out += ' ';
        else AppendEscaped(out, c);
    }
    return out;
}

std::string HtmlLines(std::string_view text) {
    while (!text.empty() && text.back() == kLineMarker) text.remove_suffix(1);
    return JoinLines(text, HtmlText);
}

std::string PopupArgument(std::string_view text) {
    return JoinLines(text, [](std::string_view piece) {
        std::string unquoted;
        for (char c : piece)
            if (c != '\'' && c != '"') unquoted += c;
        // Escaped once for the pop-up document, which writeln hands the value to, and once
        // for the onClick attribute, which the browser decodes before the script runs.
        const std::string twice = HtmlText(HtmlText(unquoted));
        // A backslash of its own (not the trail byte of a double-byte character) would
        // escape the script string's next character.
        std::string out;
        for (std::size_t i = 0; i < twice.size(); ++i) {
            const unsigned char c = static_cast<unsigned char>(twice[i]);
            if (IsLeadByte(c) && i + 1 < twice.size()) {
                out += twice[i];
                out += twice[++i];
            } else if (c == '\\') {
                out += "\\\\";
            } else {
                out += twice[i];
            }
        }
        return out;
    });
}

std::string LinkAddressText(std::string_view address) {
    std::string kept;
    for (char c : Trim(address))
        if (static_cast<unsigned char>(c) >= 0x20 && c != kLineMarker) kept += c;
    return HtmlText(kept);
}

bool SafeLinkAddress(std::string_view address) {
    // Browsers drop tabs and line breaks inside an address and blanks around it, so
    // "java<TAB>script:" is looked at as they will see it.
    std::string kept;
    for (char c : Trim(address))
        if (static_cast<unsigned char>(c) > 0x20 && c != kLineMarker) kept += c;
    const std::size_t end = kept.find_first_of(":/?#");
    if (end == std::string::npos || kept[end] != ':') return true;  // relative
    std::string scheme;
    for (std::size_t i = 0; i < end; ++i)
        scheme += static_cast<char>(std::tolower(static_cast<unsigned char>(kept[i])));
    static const std::array<std::string_view, 5> kAllowed{"http", "https", "mailto", "ftp", "file"};
    for (std::string_view allowed : kAllowed)
        if (scheme == allowed) return true;
    return false;
}

}  // namespace mv
