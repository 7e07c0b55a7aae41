#include "model/recordline.h"

#include <algorithm>
#include <charconv>

#include "model/date.h"
#include "model/identity.h"
#include "model/keyvalueline.h"

namespace mv {

namespace {

constexpr std::string_view kFieldOpen = "#Filed[";
constexpr std::string_view kFieldClose = "#Filed]";

TFInf ParseFieldBlock(std::string_view block, const FrameDefaults& defaults) {
    TFInf field = NewField(0, 0, defaults);
    GetInt(block, "Fi_FID", kSep, field.FID);
    GetText(block, "Fi_FTextStr", kSep, field.FTextStr);
    GetInt(block, "Fi_FArea", kSep, field.FArea);
    if (GetInt(block, "Fi_FTextFH", kSep, field.FTextFH))
        field.FTextPS = PointSizeOfHeight(field.FTextFH, defaults.pixelsPerInch);
    GetInt(block, "Fi_FTextFC", kSep, field.FTextFC);
    GetInt(block, "Fi_FTextAL", kSep, field.FTextAL);
    GetInt(block, "Fi_FLineType", kSep, field.FLineType);
    GetInt(block, "Fi_FOff_Y0", kSep, field.FOff_Y0);
    GetInt(block, "Fi_FOff_X0", kSep, field.FOff_X0);
    GetInt(block, "Fi_FOff_Y1", kSep, field.FOff_Y1);
    GetInt(block, "Fi_FOff_X1", kSep, field.FOff_X1);
    return field;
}

// Calls visit(block) for every "#Filed[" ... "#Filed]" block of the line.
template <typename Visit>
void ForEachFieldBlock(std::string_view line, Visit visit) {
    std::size_t at = line.find(kFieldOpen);
    while (at != std::string_view::npos) {
        std::size_t start = at + kFieldOpen.size();
        std::size_t end = line.find(kFieldClose, start);
        if (end == std::string_view::npos) return;
        if (!visit(line.substr(start, end - start))) return;
        at = line.find(kFieldOpen, end + kFieldClose.size());
    }
}

// Items are written straight into the line: a line is built for every frame of every day
// stored, and temporary strings per item would be most of that work.
void Append(std::string& line, std::string_view key, std::string_view value) {
    line += key;
    line += '=';
    line += value;
    line += kSep;
}

void Append(std::string& line, std::string_view key, int value) {
    char digits[16];
    const auto written = std::to_chars(digits, digits + sizeof digits, value);
    Append(line, key, std::string_view(digits, static_cast<std::size_t>(written.ptr - digits)));
}

void Append(std::string& line, std::string_view key, bool value) {
    Append(line, key, std::string_view(value ? "True" : "False"));
}

std::string_view WithoutTrailingBreaks(std::string_view text) {
    while (!text.empty() && text.back() == kLineBreakByte) text.remove_suffix(1);
    return text;
}

}  // namespace

bool ParseListSummary(std::string_view line, const RecordContext& context, ListSummary& summary) {
    Date stored;
    if (!GetDate(line, "Ci_CDate", kSep, stored) || !IsValidDate(context.baseYear, stored.month, stored.day)) return false;
    summary.start = TCInf{}.STime;
    GetInt(line, "Ci_STime", kSep, summary.start);
    if (summary.start < 0) return false;
    summary.fields.clear();
    ForEachFieldBlock(line, [&](std::string_view block) {
        FieldSummary& field = summary.fields.emplace_back();
        while (!block.empty()) {
            const std::size_t end = block.find(kSep);
            const std::string_view item = block.substr(0, end);
            if (const std::size_t eq = item.find('='); eq != std::string_view::npos) {
                const std::string_view key = Trim(item.substr(0, eq)), value = Trim(item.substr(eq + 1));
                if (EqualsIgnoringCase(key, "Fi_FID")) field.id = ParseInt(value).value_or(field.id);
                else if (EqualsIgnoringCase(key, "Fi_FTextStr")) field.text = value;
                else if (EqualsIgnoringCase(key, "Fi_FOff_Y0")) field.offsetY0 = ParseInt(value).value_or(field.offsetY0);
                else if (EqualsIgnoringCase(key, "Fi_FOff_Y1")) field.offsetY1 = ParseInt(value).value_or(field.offsetY1);
            }
            if (end == std::string_view::npos) break;
            block.remove_prefix(end + kSep.size());
        }
        return true;
    });
    return true;
}

ParsedRecord ParseRecordLine(std::string_view line, const RecordContext& context, bool freshId) {
    ParsedRecord result;
    Date stored;
    if (!GetDate(line, "Ci_CDate", kSep, stored)) return result;
    if (!IsValidDate(context.baseYear, stored.month, stored.day)) return result;

    std::unique_ptr<TCInf> frame = NewFrame(context.defaults);
    TCInf& f = *frame;
    f.CDate = {context.baseYear, stored.month, stored.day};
    if (freshId && context.ids) f.Cid = context.ids->NewFrameId();
    else GetText(line, "Ci_Cid", kSep, f.Cid);
    GetInt(line, "Ci_STime", kSep, f.STime);
    GetInt(line, "Ci_ETime", kSep, f.ETime);
    GetInt(line, "Ci_ResizePos", kSep, f.ResizePos);
    GetInt(line, "Ci_ResizeLen", kSep, f.ResizeLen);
    GetInt(line, "Ci_DupPos", kSep, f.DupPos);
    GetText(line, "Ci_DayMemo", kSep, f.DayMemo);
    GetText(line, "Ci_TextStr", kSep, f.TextStr);
    if (GetInt(line, "Ci_TextFH", kSep, f.TextFH))
        f.TextPS = PointSizeOfHeight(f.TextFH, context.defaults.pixelsPerInch);
    GetInt(line, "Ci_TextFC", kSep, f.TextFC);
    GetInt(line, "Ci_WakuBC", kSep, f.WakuBC);
    GetBool(line, "Ci_Fixed", kSep, f.Fixed);
    GetInt(line, "Ci_LeftPri", kSep, f.LeftPri);
    GetText(line, "Ci_Contents", kSep, f.Contents);
    GetBool(line, "Ci_ContLink", kSep, f.ContLink);
    GetText(line, "Ci_LinkURL", kSep, f.LinkURL);
    ForEachFieldBlock(line, [&](std::string_view block) {
        f.Fields.push_back(ParseFieldBlock(block, context.defaults));
        return true;
    });
    f.Title = DeriveTitle(f);

    result.kind = f.IsColumnRecord() ? ParsedRecord::Kind::ColumnRecord : ParsedRecord::Kind::Frame;
    result.frame = std::move(frame);
    return result;
}

std::unique_ptr<TCInf> ParseRecordSummary(std::string_view line) {
    auto frame = std::make_unique<TCInf>();
    GetDate(line, "Ci_CDate", kSep, frame->CDate);
    GetInt(line, "Ci_STime", kSep, frame->STime);
    GetInt(line, "Ci_ETime", kSep, frame->ETime);
    GetInt(line, "Ci_WakuBC", kSep, frame->WakuBC);
    GetText(line, "Ci_Title", kSep, frame->Title);
    if (Trim(frame->Title).empty()) {
        ForEachFieldBlock(line, [&](std::string_view block) {
            GetText(block, "Fi_FTextStr", kSep, frame->Title);
            return false;
        });
    }
    return frame;
}

std::string BuildRecordLine(const TCInf& f) {
    std::string line;
    line.reserve(256 + f.TextStr.size() + f.Contents.size() + f.Fields.size() * 200);
    Append(line, "Ci_CDate", std::string_view(FormatDate(f.CDate)));
    Append(line, "Ci_Cid", std::string_view(f.Cid));
    Append(line, "Ci_STime", f.StoredSTime());
    Append(line, "Ci_ETime", f.StoredETime());
    Append(line, "Ci_WakuBC", f.WakuBC);
    Append(line, "Ci_Title", std::string_view(DeriveTitle(f)));
    Append(line, "Ci_ResizePos", f.ResizePos);
    Append(line, "Ci_ResizeLen", f.ResizeLen);
    Append(line, "Ci_DupPos", f.DupPos);
    Append(line, "Ci_TextFH", f.TextFH);
    Append(line, "Ci_TextFC", f.TextFC);
    Append(line, "Ci_TextStr", std::string_view(f.TextStr));
    Append(line, "Ci_DayMemo", std::string_view(f.DayMemo));
    Append(line, "Ci_Fixed", f.Fixed);
    Append(line, "Ci_LeftPri", f.LeftPri);
    Append(line, "Ci_Contents", WithoutTrailingBreaks(f.Contents));
    Append(line, "Ci_ContLink", f.ContLink);
    Append(line, "Ci_LinkURL", WithoutTrailingBreaks(f.LinkURL));
    if (f.Fields.empty()) return line;
    line += kSep;
    for (const TFInf& field : f.Fields) {
        line += kFieldOpen;
        Append(line, "Fi_FID", field.FID);
        Append(line, "Fi_FTextStr", WithoutTrailingBreaks(field.FTextStr));
        Append(line, "Fi_FArea", field.FArea);
        Append(line, "Fi_FTextFH", field.FTextFH);
        Append(line, "Fi_FTextFC", field.FTextFC);
        Append(line, "Fi_FTextAL", field.FTextAL);
        Append(line, "Fi_FLineType", field.FLineType);
        Append(line, "Fi_FOff_Y0", field.FOff_Y0);
        Append(line, "Fi_FOff_X0", field.FOff_X0);
        Append(line, "Fi_FOff_Y1", field.FOff_Y1);
        Append(line, "Fi_FOff_X1", field.FOff_X1);
        line += kFieldClose;
    }
    return line;
}

std::string RedateLine(std::string_view line, const Date& date) {
    constexpr std::string_view kKey = "CI_CDATE=";
    std::size_t at = FindKey(line, kKey);
    std::string out(line);
    if (at == std::string_view::npos) return out;
    // The date is the ten characters "YYYY/MM/DD"; one written shorter ("2003/7/1", which
    // reading accepts) ends at the separator, and cutting into that would lose the record.
    const std::size_t start = at + kKey.size();
    const std::size_t end = std::min({line.size(), start + 10, line.find(kSep, start)});
    out.replace(start, end - start, FormatDate(date));
    return out;
}

std::string ReplaceItemValue(std::string_view line, std::string_view key, std::string_view value) {
    std::string upper(Trim(key));
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    upper += '=';
    std::size_t at = FindKey(line, upper);
    std::string out(line);
    if (at == std::string_view::npos) return out;
    std::size_t start = at + upper.size();
    std::size_t end = line.find('%', start);
    if (end == std::string_view::npos) end = line.size();
    out.replace(start, end - start, value);
    return out;
}

}  // namespace mv
