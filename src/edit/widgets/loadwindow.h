#pragma once
// `TfrmMvfFileGet`: the window that reads a design file into the design being edited, at
// the pressed date or at the file's own dates. The file is chosen with its button or
// dropped on it; while it is shown it, not the design window, takes dropped files.

#include <QWidget>
#include <functional>
#include <optional>
#include <string>

class QRadioButton;

namespace mv {

class TfrmMvfFileGet : public QWidget {
public:
    explicit TfrmMvfFileGet(QWidget* owner);

    // The open dialog; nothing when cancelled.
    std::function<std::optional<std::string>()> chooseFile;
    // Reads the file (UTF-8 path) at the pressed date, or at its own dates.
    std::function<void(const std::string& path, bool atFileDates)> load;
    // Told when the window is shown or hidden (dropped files go to it while shown).
    std::function<void(bool shown)> shownChanged;

    // Shows it centred over its owner.
    void Open();
    bool AtFileDates() const;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Load(const std::string& path);

    QRadioButton* Rdo_MouseDate = nullptr;
    QRadioButton* Rdo_FileDate = nullptr;
};

}  // namespace mv
