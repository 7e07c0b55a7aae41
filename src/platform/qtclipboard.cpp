#include "platform/qtclipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QString>

namespace mv {

std::string QtClipboard::Text() const { return QGuiApplication::clipboard()->text().toStdString(); }

void QtClipboard::SetText(const std::string& utf8) { QGuiApplication::clipboard()->setText(QString::fromStdString(utf8)); }

void QtClipboard::Clear() { QGuiApplication::clipboard()->clear(); }

}  // namespace mv
