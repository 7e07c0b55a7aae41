#include "platform/texteditor.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include "platform/desktopentry.h"

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#include <fstream>
#endif

namespace mv {

namespace {

QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }

#ifndef _WIN32
// Where desktop entries lie: the user's data folder first, then the system's.
QStringList ApplicationFolders() {
    QStringList folders;
    const QString home = qEnvironmentVariable("XDG_DATA_HOME", QDir::homePath() + QStringLiteral("/.local/share"));
    folders << home + QStringLiteral("/applications");
    const QString system = qEnvironmentVariable("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share"));
    for (const QString& folder : system.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        folders << folder + QStringLiteral("/applications");
    return folders;
}

// The desktop entry of the default application for plain text, as xdg-mime names it.
std::optional<std::string> DefaultTextEntry(std::string& tried) {
    tried = "xdg-mime query default text/plain";
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/plain")});
    if (!query.waitForFinished(5000) || query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return std::nullopt;
    const QString id = QString::fromUtf8(query.readAllStandardOutput()).trimmed().split(QLatin1Char(';')).value(0);
    if (id.isEmpty()) return std::nullopt;
    tried = id.toStdString();
    for (const QString& folder : ApplicationFolders()) {
        // An id "kde-kate.desktop" may also stand for "kde/kate.desktop".
        for (const QString& name : {id, QString(id).replace(QLatin1Char('-'), QLatin1Char('/'))}) {
            QFile file(folder + QLatin1Char('/') + name);
            if (file.open(QIODevice::ReadOnly)) return file.readAll().toStdString();
        }
    }
    return std::nullopt;
}
#endif

}  // namespace

std::optional<std::vector<std::string>> SystemTextEditor::CommandFor(const std::optional<std::string>& utf8File,
                                                                    std::string& tried) {
#ifdef _WIN32
    // The program associated with ".txt", found through a text file that exists.
    const std::filesystem::path dummy = mFolder / "Dummy.txt";
    tried = QString::fromStdWString(dummy.wstring()).toStdString();
    if (!std::filesystem::exists(dummy)) std::ofstream(dummy).close();
    wchar_t found[MAX_PATH] = {};
    const auto result = reinterpret_cast<INT_PTR>(FindExecutableW(dummy.wstring().c_str(), mFolder.wstring().c_str(), found));
    if (result <= 32) return std::nullopt;
    std::vector<std::string> command{QString::fromWCharArray(found).toStdString()};
    if (utf8File) command.push_back(*utf8File);
    return command;
#else
    const std::optional<std::string> entry = DefaultTextEntry(tried);
    if (!entry) return std::nullopt;
    const std::optional<std::string> exec = DesktopEntryExec(*entry);
    if (!exec) return std::nullopt;
    auto command = DesktopExecArguments(*exec, utf8File);
    if (!command) return std::nullopt;
    tried = command->front();
    const QString program = QStandardPaths::findExecutable(Q(command->front()));
    if (program.isEmpty()) return std::nullopt;
    command->front() = program.toStdString();
    return command;
#endif
}

EditorProgram SystemTextEditor::Program() {
    std::string tried;
    const auto command = CommandFor(std::nullopt, tried);
    return command ? EditorProgram{command->front(), true} : EditorProgram{tried, false};
}

bool SystemTextEditor::Start(const std::optional<std::string>& utf8File) {
    std::string tried;
    const auto command = CommandFor(utf8File, tried);
    if (!command) return false;
    QStringList arguments;
    for (std::size_t i = 1; i < command->size(); ++i) arguments << Q((*command)[i]);
    return QProcess::startDetached(Q(command->front()), arguments, QString::fromStdWString(mFolder.wstring()));
}

}  // namespace mv
