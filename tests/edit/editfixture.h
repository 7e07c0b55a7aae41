#pragma once
// A design with a week in view (2003/07/01 to 07/07) and an edit context over it, for the
// edit layer's tests; the listener records what the window would be asked to show.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "edit/editcontext.h"
#include "model/identity.h"
#include "model/recordline.h"
#include "support/testhost.h"

namespace mv::test {

struct RecordingEditListener : EditListener {
    std::vector<std::vector<Date>> changed;
    std::vector<std::string> shown;
    int settings = 0;
    void DatesChanged(const std::vector<Date>& dates) override { changed.push_back(dates); }
    void SettingsChanged() override { ++settings; }
    void ShowFrame(const Date& date, const std::string& cid, int start) override {
        shown.push_back(FormatDate(date) + " " + cid + " " + std::to_string(start));
    }
};

class EditFixture : public ::testing::Test {
protected:
    EditFixture() {
        design.SetBaseYearIndex(13);
        recordContext.baseYear = 2003;
        working.Build({2003, 7, 1}, 7);
        working.LoadView();
    }
    // The record line of a frame of an hour.
    std::string Line(const Date& date, const std::string& cid, int start) {
        auto frame = NewFrame(recordContext.defaults, cid);
        frame->CDate = date;
        frame->STime = start;
        frame->ETime = start + 100;
        return BuildRecordLine(*frame);
    }

    FakeHost host;
    FakeDialogs dialogs;
    FrameIdSource ids{host};
    DesignDocument design{host, dialogs, ids};
    RecordContext recordContext;
    WorkingSet working{design.Store(), recordContext};
    UndoHistory history{dialogs};
    RecordingEditListener listener;
    EditContext context{design, working, history, listener};
};

}  // namespace mv::test
