#include "view/geometry/fieldtext.h"

#include <algorithm>
#include <cstdio>

#include "model/codec.h"
#include "model/keyvalueline.h"
#include "model/timeofday.h"

namespace mv {

std::string_view WithoutTrailingBreaks(std::string_view text) {
    while (!text.empty() && text.back() == kLineBreak) text.remove_suffix(1);
    return text;
}

std::string FieldDisplayText(const TFInf& field, int start, int end, int frameWidthChars, bool showTimes) {
    if (field.FID == kTimeFieldId) {
        if (!showTimes) return {};
        static const std::string kTilde = Sjis("～");
        std::string oneLine = FormatHHMM(HourWrap(start)) + kTilde + FormatHHMM(HourWrap(end));
        if (static_cast<int>(oneLine.size()) > frameWidthChars)
            return FormatHHMM(start) + kLineBreak + FormatHHMM(end);
        return oneLine;
    }
    std::string_view text = WithoutTrailingBreaks(field.FTextStr);
    if (Trim(text).empty()) return Sjis("・");
    return std::string(text);
}

std::vector<std::string> WrapBytes(std::string_view text, int width, int charWidth, int maxLines) {
    std::vector<std::string> lines;
    std::size_t paragraphStart = 0;
    while (static_cast<int>(lines.size()) < maxLines) {
        std::size_t paragraphEnd = text.find(kLineBreak, paragraphStart);
        if (paragraphEnd == std::string_view::npos) paragraphEnd = text.size();
        const std::string_view paragraph = text.substr(paragraphStart, paragraphEnd - paragraphStart);
        if (paragraph.empty()) lines.emplace_back();
        std::size_t pos = 0;
        while (pos < paragraph.size() && static_cast<int>(lines.size()) < maxLines) {
            // Bytes while the line so far is narrower than the width.
            std::size_t count = 0;
            while (pos + count < paragraph.size() && static_cast<long long>(count) * charWidth < width) ++count;
            // The last whole character inside those bytes.
            std::size_t end = pos;
            while (end < paragraph.size()) {
                std::size_t next = end + CharLength(paragraph, end);
                if (next > pos + count) break;
                end = next;
            }
            if (end == pos) end = pos + CharLength(paragraph, pos);
            lines.emplace_back(paragraph.substr(pos, end - pos));
            pos = end;
        }
        if (paragraphEnd >= text.size()) break;
        paragraphStart = paragraphEnd + 1;
    }
    if (static_cast<int>(lines.size()) > maxLines) lines.resize(maxLines);
    return lines;
}

int FitFontHeight(int requested, int characters, int width, int aWidth, int aHeight) {
    if (characters <= 0 || aWidth <= 0 || width >= characters * aWidth) return requested;
    return static_cast<int>(static_cast<double>(aHeight) / aWidth * (static_cast<double>(width) / characters));
}

int FieldTopMargin(int lineHeight, int frameHeight) {
    int margin = 10;
    while (margin > 0 && lineHeight >= frameHeight - margin) margin /= 2;
    return margin;
}

FieldLayout LayOutField(const FieldLayoutInput& in) {
    FieldLayout out;
    const int cw = std::max(1, in.charWidth);
    const int inset = static_cast<int>(cw / 1.5);
    PixelRect area{in.frame.left + inset, in.frame.top, in.frame.right - inset, in.frame.bottom};
    int areaWidth = std::max(0, area.Width());
    std::vector<std::string> lines;
    if (!in.text.empty()) lines = WrapBytes(in.text, areaWidth, cw);
    std::size_t longest = 0;
    for (const std::string& line : lines) longest = std::max(longest, line.size());
    const int longestWidth = static_cast<int>(longest) * cw;
    if (longestWidth < areaWidth) {
        // The area shrinks to the text, keeping its side (or its middle) by the alignment.
        if (in.alignment == 2) area.left += (areaWidth - longestWidth) / 2;
        else if (in.alignment == 3) area.left = area.right - longestWidth;
        area.right = area.left + longestWidth;
        areaWidth = longestWidth;
        if (!lines.empty()) lines = WrapBytes(in.text, areaWidth, cw);
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) out.wrapped += kLineBreak;
        out.wrapped += lines[i];
    }
    out.topMargin = FieldTopMargin(in.lineHeight, in.frame.Height());
    out.widthChars = areaWidth / cw;

    const int left = area.left + in.xOffset;
    const int right = std::min(area.right + in.xOffset, area.right);
    const int firstTop = area.top + in.yOffset + out.topMargin;
    out.textBox = {left, firstTop, std::max(left, right), firstTop};
    if (left >= area.right && !lines.empty()) return out;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const int top = firstTop + static_cast<int>(k) * in.lineHeight;
        if (top >= in.frame.bottom) break;
        int bottom = top + in.lineHeight;
        if (bottom <= in.frame.top) continue;  // wholly above the frame
        const bool clipped = bottom > in.frame.bottom;
        if (clipped) bottom = in.frame.bottom;
        FieldLine line;
        line.text = lines[k];
        line.box = {left, top, right, bottom};
        const int lineWidth = static_cast<int>(lines[k].size()) * cw;
        int x = left;
        if (lineWidth <= areaWidth) {
            if (in.alignment == 2) x += (areaWidth - lineWidth) / 2;
            else if (in.alignment == 3) x += areaWidth - lineWidth;
        }
        line.textRect = {x, top, x + lineWidth + cw / 2, bottom};
        line.decorated = in.decorate && !clipped;
        if (out.lines.empty()) out.textBox.top = top;
        out.textBox.bottom = bottom;
        out.lines.push_back(std::move(line));
        if (clipped) break;
    }
    return out;
}

std::vector<int> FieldStackOrder(const std::vector<int>& yOffsets, int selectedField, const std::vector<int>& serials) {
    std::vector<std::pair<std::string, int>> keys;
    for (std::size_t i = 0; i < yOffsets.size(); ++i) {
        char key[48];
        // Serials count every field created in the run and pass five digits in a long
        // session; ten keep the text order the number order.
        std::snprintf(key, sizeof key, "%.7d%c%.10d", yOffsets[i], static_cast<int>(i) == selectedField ? '0' : '1',
                      i < serials.size() ? serials[i] : static_cast<int>(i) + 1);
        keys.emplace_back(key, static_cast<int>(i));
    }
    std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<int> order;
    for (const auto& key : keys) order.push_back(key.second);
    return order;
}

}  // namespace mv
