// マロベランティス２: the timetable designer's program entry.

#include <QApplication>
#include <QStringList>

#include "app/window/applicationsetup.h"
#include "app/window/timetablewindow.h"
#include "model/settings.h"
#include "platform/qtdialogs.h"
#include "platform/systemhost.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    mv::SetUpApplication(app);

    mv::SystemHost host(QCoreApplication::applicationDirPath().toStdString());
    mv::QtDialogs dialogs;
    mv::QtFileChooser files;
    const QStringList arguments = QCoreApplication::arguments();
    std::string parameter = arguments.size() > 1 ? arguments.at(1).toStdString() : std::string();

    mv::TfrmTimeTable_01 window(host, dialogs, files, mv::SettingsFilePath(host), parameter);
    dialogs.SetParent(&window);
    files.SetParent(&window);
    if (window.Session().Settings().Max_TimeTable_01) window.showMaximized();
    else window.show();
    return app.exec();
}
