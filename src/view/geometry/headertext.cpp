#include "view/geometry/headertext.h"

#include <cstdio>

#include "model/codec.h"
#include "view/geometry/displaytype.h"
#include "view/geometry/fieldtext.h"

namespace mv {

namespace {

// The few Shift-JIS words of the header, converted once.
struct Words {
    std::string year = Sjis("年"), month = Sjis("月"), day = Sjis("日"), weekday = Sjis("曜日");
};
const Words& W() {
    static const Words words;
    return words;
}

std::string Number(int value) { return std::to_string(value); }

constexpr int kYearTextLength = 11;  // " 2026年 3月 " and the like
constexpr int kSmallestYearFont = 10;

BandText Text(const PixelRect& rect, std::string text, int labelHeight, LetterSize letter, bool left) {
    BandText out;
    out.rect = rect;
    out.fontHeight = FitFontHeight(labelHeight, static_cast<int>(text.size()), rect.Width(), letter.width, letter.height);
    out.text = std::move(text);
    out.leftAligned = left;
    return out;
}

}  // namespace

int HeaderThird(const ViewLayout& layout) { return layout.HeaderHeight() / 3; }

std::vector<MonthBandBox> MonthBand(const ViewLayout& layout, int labelHeight, LetterSize letter, bool dateDisplay) {
    std::vector<MonthBandBox> boxes;
    const int type = layout.DisplayType();
    if (type == kWeekdayType) return boxes;
    const auto& columns = layout.Columns();
    const int bandBottom = HeaderThird(layout);
    int previousYear = 0;
    for (std::size_t first = 0; first < columns.size();) {
        std::size_t last = first;
        while (last + 1 < columns.size() && columns[last + 1].date.month == columns[first].date.month &&
               columns[last + 1].date.year == columns[first].date.year)
            ++last;
        const Date& date = columns[first].date;
        MonthBandBox box;
        box.rect = {columns[first].rect.left, 0, columns[last].rect.right, bandBottom};
        const bool yearChanges = first == 0 || date.year != previousYear;
        const bool yearFits = FitFontHeight(labelHeight, kYearTextLength, box.rect.Width(), letter.width,
                                            letter.height) >= kSmallestYearFont;
        const std::string month = Number(date.month) + W().month;
        const std::string year = Number(date.year) + W().year;
        if (dateDisplay) {
            if (type <= 2) {
                std::string text = yearChanges ? year + "   " + month : month;
                box.texts.push_back(Text(box.rect, std::move(text), labelHeight, letter, false));
            } else if (type == kFiveWeekType) {
                std::string text = yearChanges && yearFits ? " " + year + " " + month + " " : " " + month;
                box.texts.push_back(Text(box.rect, std::move(text), labelHeight, letter, true));
            } else if (first == last) {
                std::string text = yearChanges && yearFits ? year + " " + month : month;
                box.texts.push_back(Text(box.rect, std::move(text), labelHeight, letter, false));
            } else {
                PixelRect firstRect{columns[first].rect.left, 0, columns[first].rect.right, bandBottom};
                PixelRect nextRect{columns[first + 1].rect.left, 0, columns[first + 1].rect.right, bandBottom};
                if (yearChanges) box.texts.push_back(Text(firstRect, " " + year, labelHeight, letter, false));
                box.texts.push_back(Text(nextRect, month, labelHeight, letter, false));
            }
        }
        previousYear = date.year;
        boxes.push_back(std::move(box));
        first = last + 1;
    }
    return boxes;
}

std::string DayCellText(const Date& date, bool holiday) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", date.day);
    return std::string(text) + (holiday ? "*" : "");
}

std::string WeekdayHeaderText(const Date& date) { return WeekdayLetter(date) + W().weekday; }

std::string ColumnLabel(const Date& date, int displayType, int columnWidth, int charWidth) {
    if (displayType == kFiveWeekType) return {};
    if (displayType == kWeekdayType) return WeekdayHeaderText(date);
    char month[8], day[8];
    std::snprintf(month, sizeof month, "%2d", date.month);
    std::snprintf(day, sizeof day, "%2d", date.day);
    std::string label = month + W().month + " " + day + W().day + "(" + WeekdayLetter(date) + ")";
    const int widthChars = charWidth > 0 ? columnWidth / charWidth : 0;
    if (static_cast<int>(label.size()) > widthChars)
        label = Number(date.month) + "/" + Number(date.day) + " " + WeekdayLetter(date);
    return label;
}

std::vector<std::string> ColumnLabels(const ViewLayout& layout) {
    std::vector<std::string> labels;
    for (const ColumnCell& cell : layout.Columns())
        labels.push_back(ColumnLabel(cell.date, layout.DisplayType(), cell.rect.Width(), layout.Metrics().charWidth));
    return labels;
}

std::string HourRowText(const RowCell& row, bool showHours) {
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    if (showHours) return Number(row.labelHour >= 24 ? row.labelHour - 24 : row.labelHour);
    const int index = row.labelHour - kFirstHour;
    return index >= 0 && index < 26 ? std::string(1, kLetters[index]) : std::string();
}

}  // namespace mv
