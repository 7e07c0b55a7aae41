#include "platform/shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace mv {

bool QtShell::OpenFile(const std::filesystem::path& file) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdWString(file.wstring())));
}

}  // namespace mv
