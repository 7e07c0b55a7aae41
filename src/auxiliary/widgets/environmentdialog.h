#pragma once
// The environment dialog (TfrmTimeEtc_01, "動作環境の定義"): the settings not set elsewhere
// (new frames, start-up, placement, the design title, print and HTML conditions) and the
// holiday table. It keeps no values of its own: every control is loaded from the design
// window's values each time a page is shown and written back at once; the design window
// keeps the holiday table it edits. Closing it only hides it.

#include <QDialog>
#include <string>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace mv {

class Dialogs;
class HolidayTable;
struct EnvSettings;

class EnvironmentHost {
public:
    virtual ~EnvironmentHost() = default;
    virtual EnvSettings& Settings() = 0;
    virtual HolidayTable& Holidays() = 0;
    virtual Dialogs& Messages() = 0;
    // Changes are taken only while the design window is shown.
    virtual bool MainShown() const = 0;
    virtual std::string DesignTitle() const = 0;  // Shift-JIS
    // The title changed by the user: set, and the design marked modified when it replaced
    // a title that was there.
    virtual void SetDesignTitle(const std::string& title) = 0;
    virtual void ScrollToHourRow(int row) = 0;
    // The fill or font size of new frames changed.
    virtual void FrameDefaultsChanged() = 0;
    // The frame or title placement changed: the shown frames are placed and laid out again.
    virtual void PlacementChanged(bool frames) = 0;
    // A holiday was set or cleared: the date header and the calendar are redrawn.
    virtual void HolidaysChanged() = 0;
    virtual void PrintTimetable() = 0;
    virtual void OpenHtml() = 0;
    // The colour dialog; false when cancelled. Colours are 0x00BBGGRR.
    virtual bool ChooseColour(int& colour) = 0;
};

class TfrmTimeEtc_01 : public QDialog {
public:
    explicit TfrmTimeEtc_01(EnvironmentHost& host, QWidget* parent = nullptr);
    // "1. 動作環境の定義を行う": as last left; "2. 印刷・HTMLの条件設定": on the print page.
    void ShowDialog();
    void ShowPrintPage();
    // Double-click on a day (month 1-12, day 1-31), as the holiday grid does.
    void ToggleHoliday(int month, int day);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* BuildGeneralPage();
    QWidget* BuildPrintPage();
    QWidget* BuildHolidayPage();
    void Load();
    void ListChanged(QObject* sender);
    void PlacementChosen(bool frames);
    void SetHtmlColour(int colour);
    void ShowColourPanels();
    void ChoosePreset(int index);

    EnvironmentHost& mHost;
    bool mLoading = false;
    int mRememberedRow = -1, mRememberedColumn = -1;

    QTabWidget* PCtl_Base = nullptr;
    QPushButton* Pnl_DefaultBC = nullptr;
    QPushButton* Pnl_ResetBC[3] = {};
    QComboBox *Cmb_BeginFS = nullptr, *Cmb_BeginDivCnt = nullptr, *Cmb_FormScale = nullptr, *Cmb_DispDate = nullptr;
    QComboBox *Cmb_BeginRead = nullptr, *Cmb_BeginTime = nullptr, *Cmb_WakuLoc = nullptr, *Cmb_TitleLoc = nullptr;
    QLineEdit* Edt_Mvf_Title = nullptr;
    QComboBox *Cmb_PrtSTime = nullptr, *Cmb_PrtETime = nullptr, *Cmb_HtmlAlign = nullptr, *Cmb_HtmlLink = nullptr;
    QCheckBox *Chk_PrtTitle = nullptr, *Chk_PrtDate = nullptr, *Chk_PrtPage = nullptr, *Chk_HtmlMakeDate = nullptr;
    QPushButton *Pnl_HtmlBC = nullptr, *Btn_ResetHtmlBC = nullptr;
    QTableWidget* Grd_Holiday = nullptr;
};

}  // namespace mv
