#include "app/window/applicationsetup.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

#include "view/fonts.h"

namespace mv {

bool SetUpApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("マロベランティス"));
    // No application display name: Qt's window systems append " — " and that name to
    // every caption that does not already end with it, and the captions are the program's
    // own, down to the letter.
    // Wayland desktops match the windows to the installed entry (its name and icon) by this.
    QGuiApplication::setDesktopFileName(QStringLiteral("marovelantis"));
    SubstituteFonts();
    QApplication::setFont(QFont(QStringLiteral("ＭＳ ゴシック"), 9));
    // The interface is Japanese whatever the system's language: Qt's texts too.
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QApplication::installTranslator(translator);
    return true;
}

}  // namespace mv
