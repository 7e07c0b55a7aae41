#include "edit/widgets/loadwindow.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace mv {

TfrmMvfFileGet::TfrmMvfFileGet(QWidget* owner) : QWidget(owner, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("TfrmMvfFileGet"));
    setWindowTitle(QStringLiteral("ﾃﾞｻﾞｲﾝﾌｧｲﾙ の読み込み"));
    setAcceptDrops(true);
    auto* menus = new QMenuBar(this);
    QMenu* file = menus->addMenu(QStringLiteral("File(&F)"));
    QAction* exit = file->addAction(QStringLiteral("終了"));
    exit->setObjectName(QStringLiteral("Mn_Exit"));
    connect(exit, &QAction::triggered, this, &QWidget::hide);

    auto* guide = new QLabel(QStringLiteral("ﾃﾞｻﾞｲﾝﾌｧｲﾙ の Drag＆Drop OK"), this);
    guide->setAlignment(Qt::AlignCenter);
    guide->setFrameShape(QFrame::Panel);
    guide->setFrameShadow(QFrame::Sunken);
    guide->setMinimumHeight(48);
    auto* where = new QGroupBox(QStringLiteral("読み込み位置"), this);
    Rdo_MouseDate = new QRadioButton(QStringLiteral("指定日付へ"), where);
    Rdo_MouseDate->setObjectName(QStringLiteral("Rdo_MouseDate"));
    Rdo_FileDate = new QRadioButton(QStringLiteral("ファイルの日付で"), where);
    Rdo_FileDate->setObjectName(QStringLiteral("Rdo_FileDate"));
    Rdo_MouseDate->setChecked(true);
    auto* whereLayout = new QVBoxLayout(where);
    whereLayout->addWidget(Rdo_MouseDate);
    whereLayout->addWidget(Rdo_FileDate);
    auto* open = new QPushButton(QStringLiteral("ﾌｧｲﾙ 選択"), this);
    open->setObjectName(QStringLiteral("Btn_FileOpen"));
    connect(open, &QPushButton::clicked, this, [this] {
        if (const std::optional<std::string> path = chooseFile ? chooseFile() : std::nullopt) Load(*path);
    });
    auto* end = new QPushButton(QStringLiteral("終了"), this);
    end->setObjectName(QStringLiteral("Btn_End"));
    connect(end, &QPushButton::clicked, this, &QWidget::hide);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(open);
    buttons->addStretch();
    buttons->addWidget(end);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menus);
    layout->addWidget(guide);
    layout->addWidget(where);
    layout->addLayout(buttons);
    resize(320, 220);
}

void TfrmMvfFileGet::Open() {
    if (parentWidget()) move(parentWidget()->frameGeometry().center() - rect().center());
    show();
    raise();
    activateWindow();
}

bool TfrmMvfFileGet::AtFileDates() const { return Rdo_FileDate->isChecked(); }

void TfrmMvfFileGet::Load(const std::string& path) {
    if (load) load(path, AtFileDates());
}

void TfrmMvfFileGet::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TfrmMvfFileGet::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.front().isLocalFile()) return;
    event->acceptProposedAction();
    // Only the first dropped file is read.
    Load(urls.front().toLocalFile().toStdString());
}

void TfrmMvfFileGet::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shownChanged) shownChanged(true);
}

void TfrmMvfFileGet::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (shownChanged) shownChanged(false);
}

}  // namespace mv
