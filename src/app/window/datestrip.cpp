#include "app/window/datestrip.h"

#include <QPushButton>
#include <QScrollBar>

namespace mv {

DateStrip::DateStrip(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pnlBaseBottom"));
    sbarDate = new QScrollBar(Qt::Horizontal, this);
    sbarDate->setObjectName(QStringLiteral("sbarDate"));
    sbarDate->setFocusPolicy(Qt::NoFocus);
    Btn_SbarMae = new QPushButton(QStringLiteral("<"), this);
    Btn_SbarMae->setObjectName(QStringLiteral("Btn_SbarMae"));
    Btn_SbarMae->setToolTip(QStringLiteral("１日戻る"));
    Btn_SbarAto = new QPushButton(QStringLiteral(">"), this);
    Btn_SbarAto->setObjectName(QStringLiteral("Btn_SbarAto"));
    Btn_SbarAto->setToolTip(QStringLiteral("１日進む"));
    for (QPushButton* button : {Btn_SbarMae, Btn_SbarAto}) button->setFocusPolicy(Qt::NoFocus);
    setFixedHeight(sbarDate->sizeHint().height() + 6);
}

void DateStrip::resizeEvent(QResizeEvent*) {
    const int barHeight = sbarDate->sizeHint().height();
    const int top = (height() - barHeight) / 2;
    sbarDate->setGeometry(kInset, top, std::max(40, width() - 2 * kInset), barHeight);
    const QRect bar = sbarDate->geometry();
    Btn_SbarMae->setGeometry(bar.left() + 1, bar.top(), 15, barHeight);
    Btn_SbarAto->setGeometry(bar.right() + 1 - 16, bar.top(), 15, barHeight);
}

}  // namespace mv
