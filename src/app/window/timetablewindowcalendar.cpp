// The design window as the month calendar's host.

#include "app/window/timetablewindow.h"
#include "io/print/gridprintwindow.h"
#include "view/geometry/viewlayout.h"
#include "view/timetableview.h"

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

void TfrmTimeTable_01::HolidaysEdited() {
    mView->RedrawHeader(mDesignView.Layout(), CurrentPaintOptions());
    mCalendar->ShowRange();
}

void TfrmTimeTable_01::PrintGrid(const StringGrid& grid, const std::string& title) {
    GridPrintRequest request;
    request.grid = grid;
    request.title = title;
    request.monthCalendar = true;
    RunGridPrint(mCalendar, request, mSession.Settings().GP, mSession.DialogsRef(), mSession.Files());
}

}  // namespace mv
