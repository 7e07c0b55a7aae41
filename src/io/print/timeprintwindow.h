#pragma once
// The timetable print window (TfrmTimePrint_01): previews the pages of the view's output
// layout one at a time, prints pages first..last on a printer as one document, and writes
// them to a PDF file, also on a machine without any printer. The pages come from
// TimePagePainter; this class wires the controls to it and to the choices.

#include <QDialog>
#include <QPageLayout>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "io/print/timepagepainter.h"
#include "platform/systemhost.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPrinter;
class QPushButton;

namespace mv {

class Dialogs;
class FileChooser;
class TimePreviewPane;

// What the main window hands over: its output layout with the frames laid out, the paint
// options of the view, and the header texts. The caller keeps them alive.
struct TimePrintRequest {
    const ViewLayout* layout = nullptr;
    std::vector<DayBoxes>* days = nullptr;
    PaintOptions options;
    std::string title;  // Shift-JIS
};

class TfrmTimePrint_01 : public QDialog {
public:
    TfrmTimePrint_01(QWidget* parent, const TimePrintRequest& request, const TimePrintChoices& choices, Host& host,
                     Dialogs& dialogs, FileChooser& files);
    ~TfrmTimePrint_01() override;

    const TimePrintChoices& Choices() const { return mChoices; }
    int PageCount() const;
    int ShownPage() const;  // 0-based
    bool HasPrinter() const { return !mPrinterName.isEmpty(); }
    const TimePreviewPane& Preview() const { return *mPreview; }
    bool Produced() const { return mProduced; }
    // Tests choose the fixed text colour without the colour dialog.
    std::function<std::optional<int>(int)> chooseColour;

    // The opening checks and the first preview (run by the constructor).
    void Open();
    // PreparePrint for the preview, then DrawPage of the shown page.
    void PreparePrint();
    void DrawPage(int page);
    // The buttons' actions, public so that tests run them without a click.
    void PrintClick();
    void SavePdfClick();
    void KirikaeClick();
    void StepPage(QComboBox* combo, int step);
    void StepGray(int step);
    void TurnPage(int direction);
    void ChooseFixedColour();
    void PrinterSetupClick();

private:
    void BuildControls();
    QComboBox* AddCombo(const char* name, const QStringList& items, int index);
    void ReadControls();
    void ShowGrayPair();
    void FillPageLists();
    void UpdatePrinterText();
    QPageLayout PaperLayout() const;
    // Pages first..last on the printer as one document, or into a PDF file.
    bool PrintPages(int first, int last);
    std::optional<std::string> ChoosePdfPath();
    bool WritePdf(const std::string& path, int first, int last);
    QString PrinterText() const;

    TimePrintRequest mRequest;
    TimePrintChoices mChoices;
    Host& mHost;
    Dialogs& mDialogs;
    FileChooser& mFiles;
    TimePrintHeader mHeader;
    std::unique_ptr<TimePagePainter> mPages;
    QString mPrinterName;
    double mPreviewScale = 1;

    QWidget* mTop = nullptr;
    QComboBox *mScale = nullptr, *mResetScl = nullptr, *mColor = nullptr;
    QComboBox *mGrayFixed = nullptr, *mGrayFrame = nullptr;  // the visible pair
    QComboBox *mGray[4] = {nullptr, nullptr, nullptr, nullptr};
    QComboBox *mMgnLeft = nullptr, *mMgnUp = nullptr, *mPageMin = nullptr, *mPageMax = nullptr;
    QComboBox *mPrintHedder = nullptr, *mPrintDate = nullptr, *mPageKyoukai = nullptr;
    QPushButton *mFixedFC = nullptr, *mPrintExec = nullptr, *mPrtSet = nullptr;
    QGroupBox* mPageGroup = nullptr;
    QLabel *mPrtInf = nullptr, *mPrinting = nullptr;
    TimePreviewPane* mPreview = nullptr;
    bool mReady = false;
    bool mProduced = false;
};

// Shows the window modally and copies its choices back into the settings when it closes,
// also when it failed. True when something was printed or written.
bool RunTimePrint(QWidget* parent, const TimePrintRequest& request, EnvSettings& settings, Host& host,
                  Dialogs& dialogs, FileChooser& files);

}  // namespace mv
