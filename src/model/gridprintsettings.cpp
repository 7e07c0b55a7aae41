#include "model/gridprintsettings.h"

#include "model/keyvalueline.h"

namespace mv {

namespace {

// Calls visit(name, field) for every key in the order the file holds them. Reading and
// writing walk this one list, so they cannot disagree about a name or its type.
template <typename Settings, typename Visit>
void VisitGridPrintKeys(Settings& s, bool withRowNo, Visit&& visit) {
    visit("CellScale", s.CellScale);
    visit("Cmb_LineKind", s.Cmb_LineKind);
    visit("Cmb_MgnUp", s.Cmb_MgnUp);
    visit("Cmb_MgnLeft", s.Cmb_MgnLeft);
    visit("Cmb_Gray", s.Cmb_Gray);
    visit("Cmb_Gray3", s.Cmb_Gray3);
    visit("Cmb_Color", s.Cmb_Color);
    visit("Cmb_CellWay", s.Cmb_CellWay);
    visit("Cmb_Cal_Font", s.Cmb_Cal_Font);
    visit("Cmb_Cal_RateH", s.Cmb_Cal_RateH);
    visit("Cmb_Cal_RateW", s.Cmb_Cal_RateW);
    visit("Cmb_Cal_Time", s.Cmb_Cal_Time);
    visit("Cmb_Cal_DateOnly", s.Cmb_Cal_DateOnly);
    visit("Cmb_Scale", s.Cmb_Scale);
    visit("Cmb_ResetScl", s.Cmb_ResetScl);
    visit("PrinterIndex", s.PrinterIndex);
    visit("Prt_Orient", s.Prt_Orient);
    visit("Prt_Paper", s.Prt_Paper);
    visit("SavePath", s.SavePath);
    visit("HtmlPath", s.HtmlPath);
    visit("FixedCenter", s.FixedCenter);
    visit("DataCenter", s.DataCenter);
    visit("TrimSpace", s.TrimSpace);
    visit("DateEdit", s.DateEdit);
    visit("BreakColor", s.BreakColor);
    visit("KaraGyoColor", s.KaraGyoColor);
    if (withRowNo) visit("PrintRowNo", s.PrintRowNo);
    visit("PrintColNo", s.PrintColNo);
    visit("PrintFileName", s.PrintFileName);
    visit("PrintPathName", s.PrintPathName);
    visit("PrintDate", s.PrintDate);
    visit("PrintPage", s.PrintPage);
}

bool ReadValue(std::string_view line, std::string_view key, int& value) { return GetInt(line, key, kPlain, value); }
bool ReadValue(std::string_view line, std::string_view key, std::string& value) {
    return GetText(line, key, kPlain, value);
}

std::string WriteItem(std::string_view key, int value) { return IntItem(key, value); }
// A line break inside a path would end the item early; 0x7F keeps the line whole.
std::string WriteItem(std::string_view key, const std::string& value) { return TextItem(key, CrLfToBreaks(value)); }

}  // namespace

std::string_view GridPrintPrefix(GridPrintOwner owner) {
    return owner == GridPrintOwner::Main ? std::string_view("GP_") : std::string_view("GPB_");
}

bool ReadGridPrintLine(std::string_view rawLine, GridPrintOwner owner, GridPrintSettings& settings) {
    const std::string_view line = Trim(rawLine);
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return false;
    const std::string_view lineKey = Trim(line.substr(0, eq));
    const std::string_view prefix = GridPrintPrefix(owner);
    if (lineKey.size() <= prefix.size() || !EqualsIgnoringCase(lineKey.substr(0, prefix.size()), prefix))
        return false;
    const std::string_view name = lineKey.substr(prefix.size());
    bool matched = false;
    // Every name is accepted on reading, PrintRowNo of the main set too: a hand-edited line
    // is not lost until the file is written again.
    VisitGridPrintKeys(settings, true, [&](std::string_view fieldName, auto& field) {
        if (matched || !EqualsIgnoringCase(fieldName, name)) return;
        matched = true;
        ReadValue(line, lineKey, field);  // a value that does not convert keeps the field
    });
    return matched;
}

void AppendGridPrintLines(const GridPrintSettings& settings, GridPrintOwner owner, std::vector<std::string>& lines) {
    const std::string prefix(GridPrintPrefix(owner));
    VisitGridPrintKeys(settings, owner == GridPrintOwner::HelpViewer, [&](std::string_view name, const auto& field) {
        lines.push_back(WriteItem(prefix + std::string(name), field));
    });
}

}  // namespace mv
