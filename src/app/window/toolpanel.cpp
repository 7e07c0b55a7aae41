#include "app/window/toolpanel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/window/flowlayout.h"
#include "model/designfile.h"
#include "view/geometry/viewlayout.h"

namespace mv {

namespace {

template <typename Widget>
Widget* Named(Widget* widget, const char* name, const char* hint = nullptr) {
    widget->setObjectName(QString::fromLatin1(name));
    if (hint) widget->setToolTip(QString::fromUtf8(hint));
    return widget;
}

QPushButton* Button(const char* name, const char* caption, const char* hint = nullptr) {
    auto* button = Named(new QPushButton(QString::fromUtf8(caption)), name, hint);
    button->setAutoDefault(false);
    // As wide as the caption needs: the panel has many controls to fit in few rows.
    button->setMaximumWidth(button->fontMetrics().horizontalAdvance(button->text()) + 16);
    return button;
}

QComboBox* SizeList(const char* name, const char* hint) {
    auto* list = Named(new QComboBox, name, hint);
    for (int i = 1; i <= kSizeListItems; ++i) list->addItem(QStringLiteral(" %1").arg(i * 10));
    return list;
}

QGroupBox* Group(const char* name, const char* caption, QLayout* layout) {
    auto* group = Named(new QGroupBox(QString::fromUtf8(caption)), name);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);
    group->setLayout(layout);
    return group;
}

}  // namespace

ToolPanel::ToolPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pnlTop"));
    // The groups wrap onto further rows when the window is too narrow for one.
    auto* row = new FlowLayout(this);
    row->setContentsMargins(4, 2, 4, 2);

    auto* typeRow = new QHBoxLayout;
    TypeButtons = new QButtonGroup(this);
    const char* names[] = {"Rdo_Date1", "Rdo_Date2", "Rdo_Date3", "Rdo_Week1", "Rdo_Week2", "Rdo_Week5"};
    const char* captions[] = {"１日", "２日", "３日", "１週", "２週", "５週"};
    for (int i = 0; i < 6; ++i) {
        auto* radio = Named(new QRadioButton(QString::fromUtf8(captions[i])), names[i]);
        TypeButtons->addButton(radio, i);
        typeRow->addWidget(radio);
    }
    Cmb_Edit_Type = Named(new QComboBox, "Cmb_Edit_Type");
    for (const char* type : {" １日", " ２日", " ３日", " ４日", " ５日", " ６日", "１週間", "２週間", "５週間", " 曜日"})
        Cmb_Edit_Type->addItem(QString::fromUtf8(type));
    Cmb_Edit_Type->hide();
    typeRow->addWidget(Cmb_Edit_Type);
    row->addWidget(Group("Grp_EditType", " 表示形式 ", typeRow));

    auto* dateRow = new QHBoxLayout;
    Btn_DRate = Button("Btn_DRate", "⇔", "横の拡縮");
    Cmb_DateW = SizeList("Cmb_DateW", "日付欄の幅変更");
    Btn_DateW_Dw = Button("Btn_DateW_Dw", "-");
    Btn_DateW_Up = Button("Btn_DateW_Up", "+");
    for (QWidget* w : std::initializer_list<QWidget*>{Btn_DRate, Cmb_DateW, Btn_DateW_Dw, Btn_DateW_Up})
        dateRow->addWidget(w);
    Grp_DRate = Group("Grp_DRate", "横：100", dateRow);
    row->addWidget(Grp_DRate);

    auto* timeRow = new QHBoxLayout;
    Btn_TRate = Button("Btn_TRate", "↓↑", "縦の拡縮");
    Cmb_TimeH = SizeList("Cmb_TimeH", "時刻欄の高さ変更");
    Btn_TimeH_Dw = Button("Btn_TimeH_Dw", "-");
    Btn_TimeH_Up = Button("Btn_TimeH_Up", "+");
    for (QWidget* w : std::initializer_list<QWidget*>{Btn_TRate, Cmb_TimeH, Btn_TimeH_Dw, Btn_TimeH_Up})
        timeRow->addWidget(w);
    Grp_TRate = Group("Grp_TRate", "縦：100", timeRow);
    row->addWidget(Grp_TRate);

    auto* showRow = new QHBoxLayout;
    Chk_TimeDisp = Named(new QCheckBox(QStringLiteral("時刻")), "Chk_TimeDisp");
    Chk_DateDisp = Named(new QCheckBox(QStringLiteral("日付")), "Chk_DateDisp");
    showRow->addWidget(Chk_TimeDisp);
    showRow->addWidget(Chk_DateDisp);
    row->addWidget(Group("Grp_Disp", "表示", showRow));

    auto* stepRow = new QHBoxLayout;
    Cmb_MoveMM = Named(new QComboBox, "Cmb_MoveMM", "枠の操作時の分単位");
    for (int i = 1; i <= 60; ++i) Cmb_MoveMM->addItem(QStringLiteral(" %1").arg(i));
    stepRow->addWidget(Cmb_MoveMM);
    row->addWidget(Group("Grp_MoveMM", "分単位", stepRow));

    auto* dateBox = new QHBoxLayout;
    Cmb_BaseYYYY = Named(new QComboBox, "Cmb_BaseYYYY", "年の変更");
    for (int year = kFirstBaseYear; year <= kFirstBaseYear + kLastBaseYearIndex; ++year)
        Cmb_BaseYYYY->addItem(QStringLiteral(" %1年").arg(year));
    Edt_BaseMMDD = Named(new QLineEdit, "Edt_BaseMMDD", "表示開始日の変更");
    Edt_BaseMMDD->setReadOnly(true);
    Edt_BaseMMDD->setText(QStringLiteral("  12月 01日 (月)"));
    Edt_BaseMMDD->setMinimumWidth(Edt_BaseMMDD->fontMetrics().horizontalAdvance(Edt_BaseMMDD->text()) + 12);
    Btn_KikanDw7 = Button("Btn_KikanDw7", "<<", "前週");
    Btn_KikanDw1 = Button("Btn_KikanDw1", "-", "前日");
    Btn_KikanUp1 = Button("Btn_KikanUp1", "+", "翌日");
    Btn_KikanUp7 = Button("Btn_KikanUp7", ">>", "翌週");
    for (QWidget* w : std::initializer_list<QWidget*>{Cmb_BaseYYYY, Btn_KikanDw7, Btn_KikanDw1, Edt_BaseMMDD,
                                                      Btn_KikanUp1, Btn_KikanUp7})
        dateBox->addWidget(w);
    row->addWidget(Group("Grp_BaseDate", "表示開始日", dateBox));

    Btn_Open = Button("Btn_Open", "予定表を開く");
    Btn_Save = Button("Btn_Save", "保存");
    Btn_EditKind = Button("Btn_EditKind", "編集", "編集とパック表示の切り替え");
    Btn_Calendar = Button("Btn_Calendar", "Calen", "カレンダー表示");
    Lab_ShareMode = Named(new QLabel, "Lab_ShareMode");
    // The file and mode buttons move as one.
    auto* buttons = new QWidget;
    auto* buttonRow = new QHBoxLayout(buttons);
    buttonRow->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : std::initializer_list<QWidget*>{Btn_Open, Btn_Save, Btn_EditKind, Btn_Calendar, Lab_ShareMode})
        buttonRow->addWidget(w);
    row->addWidget(buttons);

    // A wheel turned over the panel on the way to the grid would otherwise re-base the
    // design into another year or change the minute unit, and mark it modified. A list
    // takes the focus from a click or the keyboard only, so the wheel alone cannot.
    for (QComboBox* list : findChildren<QComboBox*>()) {
        list->setFocusPolicy(Qt::StrongFocus);
        list->installEventFilter(this);
    }
}

bool ToolPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel) {
        auto* list = qobject_cast<QComboBox*>(watched);
        if (list && !list->hasFocus()) {
            event->ignore();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace mv
