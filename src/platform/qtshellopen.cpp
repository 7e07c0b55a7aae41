#include "platform/qtshellopen.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace mv {

bool QtShellOpen::OpenDocument(const std::filesystem::path& path) {
    const std::u8string name = path.u8string();
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(name.data()), static_cast<qsizetype>(name.size()));
    return QDesktopServices::openUrl(QUrl::fromLocalFile(text));
}

}  // namespace mv
