#include "view/geometry/previewframes.h"

#include <algorithm>
#include <numeric>

#include "model/dayslot.h"
#include "model/recordline.h"
#include "view/geometry/fieldtext.h"
#include "view/geometry/packtiming.h"

namespace mv {

std::vector<PreviewFrame> PreviewFramesOf(const LineStore& store, const Date& date, bool pack) {
    std::vector<PreviewFrame> frames;
    for (const std::string& line : store.Slot(SlotOfDate(date))) {
        std::unique_ptr<TCInf> summary = ParseRecordSummary(line);
        if (!summary || summary->STime < 0) continue;
        frames.push_back({summary->STime, summary->ETime, summary->WakuBC,
                          std::string(WithoutTrailingBreaks(summary->Title))});
    }
    if (pack) {
        std::vector<std::size_t> order(frames.size());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return frames[a].start < frames[b].start; });
        const auto times = PackTimes(static_cast<int>(frames.size()));
        for (std::size_t i = 0; i < order.size(); ++i) {
            frames[order[i]].start = times[i].first;
            frames[order[i]].end = times[i].second;
        }
    }
    return frames;
}

}  // namespace mv
