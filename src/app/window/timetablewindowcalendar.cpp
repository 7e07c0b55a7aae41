// The design window as the month calendar's host.

#include "app/window/timetablewindow.h"
#include "view/geometry/viewlayout.h"

namespace mv {

void TfrmTimeTable_01::OpenCalendar() {
    const std::optional<Date> pressed = PressedDate();
    mCalendar->OpenAt(pressed ? *pressed : mSession.View().start);
}

void TfrmTimeTable_01::MakeStartDate(const Date& date) {
    if (IsBusy()) return;
    mNavigation->SetStartDate(date, true);
}

void TfrmTimeTable_01::DesignLoaded() { mCalendar->DesignLoaded(); }

void TfrmTimeTable_01::PrintGrid(const StringGrid& grid, const std::string& title) {
    (void)grid;
    (void)title;
}

}  // namespace mv
