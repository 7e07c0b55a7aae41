#pragma once
// The tool panel `pnlTop` above the grid: display type, scales and sizes, display checks,
// minute unit, base year and start date, date steps, and the file and mode buttons. It only
// builds and holds the controls; the window connects them.

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace mv {

class ToolPanel : public QWidget {
public:
    explicit ToolPanel(QWidget* parent = nullptr);

    QButtonGroup* TypeButtons;  // ids 0..5: one, two, three days, one, two, five weeks
    QComboBox* Cmb_Edit_Type;   // hidden: the names of all display types
    QGroupBox* Grp_DRate;
    QPushButton* Btn_DRate;
    QComboBox* Cmb_DateW;
    QPushButton* Btn_DateW_Dw;
    QPushButton* Btn_DateW_Up;
    QGroupBox* Grp_TRate;
    QPushButton* Btn_TRate;
    QComboBox* Cmb_TimeH;
    QPushButton* Btn_TimeH_Dw;
    QPushButton* Btn_TimeH_Up;
    QCheckBox* Chk_TimeDisp;
    QCheckBox* Chk_DateDisp;
    QComboBox* Cmb_MoveMM;
    QComboBox* Cmb_BaseYYYY;
    QLineEdit* Edt_BaseMMDD;
    QPushButton* Btn_KikanDw7;
    QPushButton* Btn_KikanDw1;
    QPushButton* Btn_KikanUp1;
    QPushButton* Btn_KikanUp7;
    QPushButton* Btn_Open;
    QPushButton* Btn_Save;
    QPushButton* Btn_EditKind;
    QPushButton* Btn_Calendar;
    QLabel* Lab_ShareMode;

protected:
    // Lists turn with the mouse wheel only when they have the focus.
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace mv
