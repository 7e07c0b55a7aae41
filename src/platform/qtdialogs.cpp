#include "platform/qtdialogs.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QFileInfo>
#include <QApplication>
#include <QMessageBox>
#include <QStringList>

namespace mv {

namespace {

QMessageBox::StandardButton ToQt(Answer answer) {
    switch (answer) {
        case Answer::Yes: return QMessageBox::Yes;
        case Answer::No: return QMessageBox::No;
        case Answer::Cancel: return QMessageBox::Cancel;
        case Answer::Ok: break;
    }
    return QMessageBox::Ok;
}

Answer FromQt(int button) {
    switch (button) {
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        case QMessageBox::Cancel: return Answer::Cancel;
        default: return Answer::Ok;
    }
}

// The buttons' own words, without the letters Qt would underline: a letter typed while a
// question is up must not answer it.
const char* ButtonText(QMessageBox::StandardButton button) {
    switch (button) {
        case QMessageBox::Yes: return "はい";
        case QMessageBox::No: return "いいえ";
        case QMessageBox::Cancel: return "キャンセル";
        default: return "OK";
    }
}

// The descriptions already show their patterns ("(*.MVF)"): the dialogs do not repeat them.
constexpr QFileDialog::Options kFileDialogOptions = QFileDialog::HideNameFilterDetails;

}  // namespace

QString QtFilter(const std::string& filter) {
    QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        // "*.*" means every file, also those without an extension.
        for (QString& pattern : patterns)
            if (pattern == QLatin1String("*.*")) pattern = QStringLiteral("*");
        entries << parts[i] + QLatin1String(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return entries.join(QLatin1String(";;"));
}

Answer QtDialogs::Show(MessageKind kind, const std::string& caption, const std::string& text, Buttons buttons,
                       Answer defaultAnswer) {
    QMessageBox::Icon icon = QMessageBox::Information;
    if (kind == MessageKind::Warning) icon = QMessageBox::Warning;
    if (kind == MessageKind::Error) icon = QMessageBox::Critical;
    if (kind == MessageKind::Question) icon = QMessageBox::Question;
    QMessageBox::StandardButtons qtButtons = QMessageBox::Ok;
    if (buttons == Buttons::YesNo) qtButtons = QMessageBox::Yes | QMessageBox::No;
    if (buttons == Buttons::YesNoCancel) qtButtons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    if (buttons == Buttons::OkCancel) qtButtons = QMessageBox::Ok | QMessageBox::Cancel;
    // Over the window the user works in (a tool window kept on top would hide a box that
    // belonged to the window under it).
    QWidget* active = QApplication::activeWindow();
    QMessageBox box(icon, QString::fromStdString(caption), QString::fromStdString(MessageLines(text)), qtButtons,
                    active ? active : mParent);
    for (QAbstractButton* button : box.buttons())
        button->setText(QString::fromUtf8(ButtonText(box.standardButton(button))));
    box.setDefaultButton(ToQt(defaultAnswer));
    return FromQt(box.exec());
}

std::optional<std::string> QtFileChooser::ChooseOpen(const FileDialogRequest& request) {
    QString name = QFileDialog::getOpenFileName(mParent, QString::fromStdString(request.title),
                                                QString::fromStdString(request.initialFile), QtFilter(request.filter),
                                                nullptr, kFileDialogOptions);
    if (name.isEmpty()) return std::nullopt;
    return name.toStdString();
}

std::optional<std::string> QtFileChooser::ChooseSave(const FileDialogRequest& request) {
    QString name = QFileDialog::getSaveFileName(mParent, QString::fromStdString(request.title),
                                                QString::fromStdString(request.initialFile), QtFilter(request.filter),
                                                nullptr, kFileDialogOptions);
    if (name.isEmpty()) return std::nullopt;
    return name.toStdString();
}

}  // namespace mv
