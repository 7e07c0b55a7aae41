#pragma once
// `TfrmTimeColorBack`: the small window that picks a frame colour, from the three standard
// colours or through the colour dialog from the current one.

#include <QDialog>
#include <functional>
#include <optional>

namespace mv {

class TfrmTimeColorBack : public QDialog {
public:
    // `pickColour` opens the colour dialog on a colour (0x00BBGGRR) and gives the chosen
    // one, or nothing when cancelled.
    TfrmTimeColorBack(QWidget* parent, int current, std::function<std::optional<int>(int)> pickColour);

    // The chosen colour; nothing when the window was closed without a choice.
    std::optional<int> Chosen() const { return mChosen; }

private:
    void Choose(std::optional<int> colour);

    std::optional<int> mChosen;
};

}  // namespace mv
