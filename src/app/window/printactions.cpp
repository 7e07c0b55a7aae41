#include "app/window/printactions.h"

#include <exception>

#include "app/window/designsession.h"
#include "io/print/timepagepainter.h"
#include "io/print/timeprintwindow.h"
#include "platform/dialogs.h"
#include "view/snapshot.h"

namespace mv {

bool PrintTimetable(QWidget* parent, DesignSession& session, const WindowSizes& sizes) {
    if (!session.IsShown()) return false;
    // Edits of the shown dates reach the stored lines the output layout is built from.
    session.CommitView();
    const ViewState& view = session.View();
    SnapshotRequest request;
    SetOutputLayout(request, session.Settings());
    request.start = view.start;
    request.displayType = view.displayType;
    request.sizes = sizes;
    request.scale = view.scale;
    request.timeDisplay = view.timeDisplay;
    request.dateDisplay = view.dateDisplay;
    request.editKind = view.editKind;
    ViewSnapshot snapshot(session.Design().Store(), session.Design().BaseYear());
    snapshot.Build(request);

    TimePrintRequest print;
    print.layout = &snapshot.Layout();
    print.days = &snapshot.Days();
    print.options = snapshot.Options();
    print.title = session.Design().Title();
    try {
        return RunTimePrint(parent, print, session.Settings(), session.HostRef(), session.DialogsRef(),
                            session.Files());
    } catch (const std::exception&) {
        session.DialogsRef().Error(kProgramName, "印刷できませんでした。");
        return false;
    }
}

}  // namespace mv
