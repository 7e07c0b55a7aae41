#pragma once
// The start-date picker `TfrmTimeTable_03`: a date picker whose year is ignored, since the
// start date always moves into the design's base year.

#include <QDialog>
#include <optional>

#include "model/date.h"

class QDateEdit;

namespace mv {

class TfrmTimeTable_03 : public QDialog {
public:
    explicit TfrmTimeTable_03(QWidget* parent = nullptr);
    // Shows the picker modally at `date`; the picked date, or nothing when cancelled.
    std::optional<Date> Pick(const Date& date);
    QDateEdit* Picker() { return mPicker; }

private:
    QDateEdit* mPicker;
};

}  // namespace mv
