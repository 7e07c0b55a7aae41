#pragma once
// A design with a fake clock and fake dialogs for the import tests, and a compact way to
// look at what the day store holds.

#include <string>
#include <vector>

#include "io/csv/csvformat.h"
#include "io/csv/csvimporter.h"
#include "model/designfile.h"
#include "model/identity.h"
#include "model/keyvalueline.h"
#include "model/recordline.h"
#include "support/testhost.h"

namespace mv::test {

class ImportFixture {
public:
    ImportFixture() : ids(host), design(host, dialogs, ids), importer(design, ids, host, dialogs) {
        design.SetBaseYearIndex(2024 - kFirstBaseYear);
    }

    // Every record line of the store as "YYYY/MM/DD SSSS-EEEE title", in slot order.
    std::vector<std::string> Frames() const {
        std::vector<std::string> out;
        for (int slot = 0; slot < kSlotCount; ++slot)
            for (const std::string& line : design.Store().Slot(slot)) {
                auto f = ParseRecordSummary(line);
                out.push_back(FormatDate(f->CDate) + " " + std::to_string(f->STime) + "-" + std::to_string(f->ETime) +
                              (f->Title.empty() ? "" : " " + f->Title));
            }
        return out;
    }

    // Imports CSV text lines with the given mapping (identity by default) and no frozen line.
    int Import(const std::vector<std::string>& csv, ImportChoices choices = {}, int frozen = 0) {
        std::vector<std::vector<std::string>> rows;
        for (const std::string& line : csv) rows.push_back(SplitCsvLine(line));
        CsvOptions options;
        options.importCol = mapping;
        options.frozenRows = frozen;
        return importer.RunImport(rows, options, choices);
    }

    FakeHost host;
    FakeDialogs dialogs;
    FrameIdSource ids;
    DesignDocument design;
    CsvImporter importer;
    CsvColumns mapping{0, 1, 2, 3, 4};
};

}  // namespace mv::test
