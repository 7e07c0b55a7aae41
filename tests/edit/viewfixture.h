#pragma once
// The edit fixture's week laid out as the window lays it out (the one-week display at 100 %),
// for the pointer editing tests: frame rectangles, columns and rows to press on.

#include "edit/editfixture.h"
#include "view/geometry/designview.h"

namespace mv::test {

class ViewFixture : public EditFixture {
protected:
    void LayOut() {
        const ViewMetrics metrics = ComputeMetrics(ReferenceFont{}, kDefaultType, 1280, false);
        view.Build({2003, 7, 1}, kDefaultType, ScaleState{}, metrics, WindowSizes{});
        view.LayOutFrames(working, 0, 1);
    }
    // Adds a frame to a shown date and lays the view out again.
    void Frame(const Date& date, const std::string& cid, int start, int end) {
        auto frame = NewFrame(recordContext.defaults, cid);
        frame->CDate = date;
        frame->STime = start;
        frame->ETime = end;
        working.AddFrame(date, std::move(frame));
        LayOut();
    }
    const FrameBox& Box(const std::string& cid) const {
        for (const DayBoxes& day : view.Days())
            for (const FrameBox& box : day)
                if (box.frame->Cid == cid) return box;
        throw std::runtime_error("no box " + cid);
    }
    int Y(int hhmm) const { return *view.Layout().YOfStart(hhmm); }
    int ColumnX(const Date& date) const { return view.Layout().ColumnRectOfDate(date)->left; }

    static constexpr int kDefaultType = 6;
    DesignView view;
};

}  // namespace mv::test
