#include "model/frame.h"

#include <atomic>
#include <cmath>

#include "model/codec.h"
#include "model/keyvalueline.h"

namespace mv {

int PointSizeOfHeight(int fontHeight, int pixelsPerInch) {
    if (pixelsPerInch <= 0) return 0;
    return static_cast<int>(std::lround(-static_cast<double>(fontHeight) * 72.0 / pixelsPerInch));
}

int HeightOfPointSize(int pointSize, int pixelsPerInch) {
    return -static_cast<int>(std::lround(static_cast<double>(pointSize) * pixelsPerInch / 72.0));
}

namespace {
std::atomic<int> gFrameSerials{0};
std::atomic<int> gFieldSerials{0};
}  // namespace

LinkLine SplitLinkLine(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return {"Link", Trim(line)};
    return {line.substr(0, equals), line.substr(equals + 1)};
}

std::string LinkLineOf(const std::string& address) {
    return address.find('=') == std::string::npos ? address : "Link = " + address;
}

std::string DeriveTitle(const TCInf& frame) {
    static const std::string kNakaguro = Sjis("・");
    for (const TFInf& field : frame.Fields) {
        if (field.FID == kTimeFieldId) continue;
        std::string_view text = Trim(field.FTextStr);
        if (!text.empty() && text != kNakaguro) return field.FTextStr;
    }
    return {};
}

std::unique_ptr<TCInf> NewFrame(const FrameDefaults& defaults, std::string id) {
    auto frame = std::make_unique<TCInf>();
    frame->Serial = ++gFrameSerials;
    frame->Cid = std::move(id);
    frame->TextFH = -defaults.baseFontHeight;
    frame->TextPS = defaults.beginPointSize;
    frame->WakuBC = defaults.backgroundColour;
    return frame;
}

TFInf NewField(int id, int area, const FrameDefaults& defaults) {
    TFInf field;
    field.Serial = ++gFieldSerials;
    field.FID = id;
    field.FArea = area;
    field.FTextPS = id == kTimeFieldId ? 8 : 10;
    field.FTextFH = HeightOfPointSize(field.FTextPS, defaults.pixelsPerInch);
    return field;
}

void AddField(TCInf& frame, TFInf field, bool atFront) {
    if (atFront) frame.Fields.insert(frame.Fields.begin(), std::move(field));
    else frame.Fields.push_back(std::move(field));
}

}  // namespace mv
