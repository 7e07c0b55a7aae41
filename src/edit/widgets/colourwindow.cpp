#include "edit/widgets/colourwindow.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/settings.h"
#include "platform/dialogs.h"
#include "view/paintkit.h"

namespace mv {

namespace {

// A flat coloured panel with a caption, clicked like a button.
QPushButton* ColourPanel(QWidget* parent, const char* name, const char* caption, int colour) {
    auto* panel = new QPushButton(QString::fromUtf8(caption), parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setMinimumSize(84, 44);
    const QColor fill = ColourOf(colour);
    const QColor text = fill.lightness() < 128 ? QColor(Qt::white) : QColor(Qt::black);
    panel->setStyleSheet(QStringLiteral("QPushButton { background: %1; color: %2; border: 2px outset %1; }"
                                        "QPushButton:pressed { border-style: inset; }")
                             .arg(fill.name(), text.name()));
    return panel;
}

}  // namespace

TfrmTimeColorBack::TfrmTimeColorBack(QWidget* parent, int current, std::function<std::optional<int>(int)> pickColour)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TfrmTimeColorBack"));
    setWindowTitle(QString::fromUtf8(kProgramName.c_str()));
    auto* page = new QGroupBox(QStringLiteral("枠の背景色"), this);
    auto* grid = new QGridLayout(page);
    const char* names[] = {"Pnl_ResetBC1", "Pnl_ResetBC2", "Pnl_ResetBC3"};
    const char* captions[] = {"標準１", "標準２", "標準３"};
    for (int i = 0; i < 3; ++i) {
        QPushButton* preset = ColourPanel(page, names[i], captions[i], kStandardFrameColours[i]);
        grid->addWidget(preset, 0, i);
        const int colour = kStandardFrameColours[i];
        connect(preset, &QPushButton::clicked, this, [this, colour] { Choose(colour); });
    }
    QPushButton* own = ColourPanel(page, "Pnl_ParamBC", "枠色の選択", current);
    grid->addWidget(own, 1, 0, 1, 3);
    connect(own, &QPushButton::clicked, this, [this, current, pickColour] { Choose(pickColour(current)); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(page);
}

void TfrmTimeColorBack::Choose(std::optional<int> colour) {
    mChosen = colour;
    if (colour) accept();
    else reject();
}

}  // namespace mv
