// マロベランティス２: the timetable designer's program entry.

#include <QApplication>
#include <QFont>
#include <QStringList>

#include "app/window/timetablewindow.h"
#include "model/settings.h"
#include "platform/qtdialogs.h"
#include "platform/systemhost.h"
#include "view/fonts.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("マロベランティス"));
    mv::SubstituteFonts();
    QApplication::setFont(QFont(QStringLiteral("ＭＳ ゴシック"), 9));

    mv::SystemHost host(QCoreApplication::applicationDirPath().toStdString());
    mv::QtDialogs dialogs;
    mv::QtFileChooser files;
    const QStringList arguments = QCoreApplication::arguments();
    std::string parameter = arguments.size() > 1 ? arguments.at(1).toStdString() : std::string();

    mv::TfrmTimeTable_01 window(host, dialogs, files, mv::SettingsFilePath(host), parameter);
    dialogs.SetParent(&window);
    files.SetParent(&window);
    QApplication::setApplicationDisplayName(QStringLiteral("マロベランティス２"));
    if (window.Session().Settings().Max_TimeTable_01) window.showMaximized();
    else window.show();
    return app.exec();
}
