#pragma once
// What the property window's two source files share: its pages in order, and the small
// makers of its named controls.

#include <QLabel>
#include <QString>

namespace mv::property {

enum Page { kTitle, kLink, kExtend, kList, kDays, kMonth, kMemo };

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A sunken panel that shows a line of information.
inline QLabel* InfoPanel(QWidget* parent, const char* name) {
    auto* panel = Named(new QLabel(parent), name);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setMinimumHeight(22);
    return panel;
}

}  // namespace mv::property
