#include "app/window/applicationsetup.h"

#include <QApplication>
#include <QFont>

#include "view/fonts.h"

namespace mv {

void SetUpApplication(QApplication&) {
    QApplication::setApplicationName(QStringLiteral("マロベランティス"));
    // No application display name: Qt's window systems append " — " and that name to
    // every caption that does not already end with it, and the captions are the program's
    // own, down to the letter.
    SubstituteFonts();
    QApplication::setFont(QFont(QStringLiteral("ＭＳ ゴシック"), 9));
}

}  // namespace mv
