#pragma once
// "1. 印刷を行う (&P)" of the design window: lays the view out for output and hands it to the
// timetable print window. The output layout is built beside the window's own (its own
// working set of the shown dates from the stored lines), so the view, its selection, layout
// and scroll positions stay as they were, whether the print window ends well or fails.

#include "view/geometry/viewlayout.h"

class QWidget;

namespace mv {

class DesignSession;

// The print window's choices go back into the session's settings when it closes. True when
// something was printed or written.
bool PrintTimetable(QWidget* parent, DesignSession& session, const WindowSizes& sizes);

}  // namespace mv
