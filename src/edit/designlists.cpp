#include "edit/designlists.h"

#include "edit/daterangecommands.h"
#include "model/codec.h"
#include "model/dayslot.h"
#include "model/digits.h"
#include "model/keyvalueline.h"
#include "platform/dialogs.h"

namespace mv {

namespace {

std::string TwoDigits(int value) {
    std::string out;
    AppendZeroPadded(out, value, 2);
    return out;
}

// The first title text found in a line, as the day list shows it.
std::string FirstFieldText(const std::string& line) {
    std::string text;
    const std::size_t block = line.find("#Filed[");
    if (block != std::string::npos) GetText(std::string_view(line).substr(block), "Fi_FTextStr", kSep, text);
    return text;
}

}  // namespace

DesignDays ListDesignDays(const LineStore& store) {
    DesignDays list;
    int previousMonth = 0;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const LineList& lines = store.Slot(slot);
        if (lines.empty()) continue;
        Date date;
        if (!GetDate(lines.front(), "Ci_CDate", kSep, date) || date.year <= 0) continue;
        const int monthDay = MonthDayOfSlot(slot);
        const int month = monthDay / 100;
        if (previousMonth != 0 && month != previousMonth) list.items.push_back(std::string(128, '-'));
        previousMonth = month;
        ++list.days;
        list.frames += static_cast<long long>(lines.size());
        list.items.push_back(RightAligned(std::to_string(list.days), 4) + ".   " + TwoDigits(month) + "月  " +
                             TwoDigits(monthDay % 100) + "日  " + ToUtf8(FirstFieldText(lines.front())));
    }
    list.countText = std::to_string(list.days) + "日 (" + WithThousands(list.frames) + "個)";
    return list;
}

std::optional<std::pair<int, int>> MonthDayOfItem(const std::string& item) {
    if (item.empty() || item.front() == '-') return std::nullopt;
    const std::size_t dot = item.find(".   ");
    if (dot == std::string::npos || item.size() < dot + 4 + 2 + 5 + 2) return std::nullopt;
    const std::optional<int> month = ParseInt(std::string_view(item).substr(dot + 4, 2));
    const std::size_t dayAt = dot + 4 + 2 + std::string("月  ").size();
    const std::optional<int> day = ParseInt(std::string_view(item).substr(dayAt, 2));
    if (!month || !day) return std::nullopt;
    return std::pair{*month, *day};
}

std::array<long long, 12> FramesPerMonth(const LineStore& store) {
    std::array<long long, 12> counts{};
    for (int slot = 0; slot < kSlotCount; ++slot) counts[slot / 31] += static_cast<long long>(store.Slot(slot).size());
    return counts;
}

std::string MonthItemText(int month, long long frames) {
    return "    " + TwoDigits(month) + " 月   ..... " + RightAligned(WithThousands(frames), 5) + " 個";
}

bool DeleteMonths(EditContext& context, Dialogs& dialogs, const std::vector<int>& months) {
    if (months.empty()) return false;
    std::string named;
    for (int month : months) named += (named.empty() ? "" : ", ") + std::to_string(month);
    const std::string question = "この月の枠をすべて削除します。\r\r   ＞  " + named + " 月\r\rよろしいですか？\r\r";
    if (dialogs.Show(MessageKind::Question, kConfirmCaption, question, Buttons::OkCancel, Answer::Ok) != Answer::Ok)
        return false;
    const int year = context.Working().Context().baseYear;
    for (int month : months)
        if (month >= 1 && month <= 12)
            EmptyDateRange(context, {year, month, 1}, {year, month, DaysInMonth(year, month)});
    return true;
}

}  // namespace mv
