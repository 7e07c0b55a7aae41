#pragma once
// Message boxes and file dialogs of the running program.

#include "platform/dialogs.h"
#include "platform/filechooser.h"

#include <QString>

class QWidget;

namespace mv {

class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : mParent(parent) {}
    void SetParent(QWidget* parent) { mParent = parent; }
    Answer Show(MessageKind kind, const std::string& caption, const std::string& text, Buttons buttons,
                Answer defaultAnswer) override;

private:
    QWidget* mParent;
};

// A filter of description and pattern pairs, "(*.MVF)|*.MVF|(*.*)|*.*", in Qt's form
// "(*.MVF) (*.MVF);;(*.*) (*)" (the file dialogs show the descriptions only).
QString QtFilter(const std::string& filter);

class QtFileChooser : public FileChooser {
public:
    explicit QtFileChooser(QWidget* parent = nullptr) : mParent(parent) {}
    void SetParent(QWidget* parent) { mParent = parent; }
    std::optional<std::string> ChooseOpen(const FileDialogRequest& request) override;
    std::optional<std::string> ChooseSave(const FileDialogRequest& request) override;

private:
    QWidget* mParent;
};

}  // namespace mv
