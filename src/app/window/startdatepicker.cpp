#include "app/window/startdatepicker.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/dialogs.h"

namespace mv {

TfrmTimeTable_03::TfrmTimeTable_03(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfrmTimeTable_03"));
    setWindowTitle(QString::fromStdString(kProgramName));
    auto* column = new QVBoxLayout(this);
    auto* menu = new QMenuBar(this);
    QAction* close = menu->addAction(QStringLiteral("終了する(&X)"));
    connect(close, &QAction::triggered, this, &QDialog::reject);
    column->setMenuBar(menu);
    column->addWidget(new QLabel(QStringLiteral("表示開始日を指定して下さい。")));
    mPicker = new QDateEdit(this);
    mPicker->setObjectName(QStringLiteral("DPicker1"));
    mPicker->setCalendarPopup(true);
    mPicker->setDisplayFormat(QStringLiteral("yyyy年MM月dd日"));
    column->addWidget(mPicker);
    column->addWidget(new QLabel(QStringLiteral("【年】は変更しても無視されます。")));
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("ＯＫ"));
    ok->setObjectName(QStringLiteral("Btn_Exec"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"));
    cancel->setObjectName(QStringLiteral("Btn_Cancel"));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    column->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<Date> TfrmTimeTable_03::Pick(const Date& date) {
    mPicker->setDate(QDate(date.year, date.month, date.day));
    if (exec() != QDialog::Accepted) return std::nullopt;
    // The picked date goes through its "YYYY/MM/DD" text, as every date of the program does.
    return ParseDate(mPicker->date().toString(QStringLiteral("yyyy/MM/dd")).toStdString());
}

}  // namespace mv
