#pragma once
// The grid print window (TfrmGridPrint_01): previews a string grid handed over by the
// calendar window or the help viewer, prints it on a chosen printer over as many pages as it
// needs, and writes it as PDF, text or CSV. The pages come from GridPrintLayout
// (gridprintpainter.h); this class only wires the controls to it and to the settings.

#include <QDialog>
#include <QPrinter>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "io/print/gridprinttable.h"
#include "model/gridprintsettings.h"
#include "platform/systemhost.h"

class QCheckBox;
class QComboBox;
class QPrintPreviewWidget;
class QPushButton;

namespace mv {

class Dialogs;
class FileChooser;

class TfrmGridPrint_01 : public QDialog {
    Q_OBJECT
public:
    TfrmGridPrint_01(QWidget* parent, const GridPrintRequest& request, const GridPrintSettings& settings,
                     Dialogs& dialogs, FileChooser& files);

    // The choices as the controls show them now.
    const GridPrintSettings& Settings() const { return mSettings; }
    // Pages of the preview.
    int PreviewPageCount() const;
    // True once something was printed or written.
    bool Produced() const { return mProduced; }

    // The buttons' actions, public so that tests can run them without a click.
    void PrintClick();
    void SavePdfClick();
    void SaveTextClick();
    void SaveCsvClick();

private:
    void BuildControls();
    QComboBox* AddCombo(const char* name, const QStringList& items, int index);
    QCheckBox* AddCheck(const char* name, const QString& label, int value);
    void ControlsChanged();
    void ReadControls();
    void ApplyZoom();
    std::optional<std::string> ChooseFile(const char* title, const char* filter, const char* extension);
    bool WriteLinesTo(const std::string& utf8Path, const std::vector<std::string>& lines);
    void WriteFailed(const std::string& utf8Path);

    const GridPrintRequest& mRequest;
    GridPrintSettings mSettings;
    Dialogs& mDialogs;
    FileChooser& mFiles;
    SystemHost mHost;
    QPrinter mPreviewPrinter;
    QPrintPreviewWidget* mPreview = nullptr;
    QStringList mPrinterNames;
    QComboBox *mPrinter = nullptr, *mPaper = nullptr, *mOrient = nullptr, *mCellScale = nullptr;
    QComboBox *mLineKind = nullptr, *mGray3 = nullptr, *mGray = nullptr, *mMgnUp = nullptr, *mMgnLeft = nullptr;
    QComboBox *mColor = nullptr, *mCellWay = nullptr, *mCalFont = nullptr, *mCalRateH = nullptr;
    QComboBox *mCalRateW = nullptr, *mZoom = nullptr;
    QCheckBox *mCalTime = nullptr, *mCalDateOnly = nullptr, *mFixedCenter = nullptr, *mDataCenter = nullptr;
    QCheckBox *mTrimSpace = nullptr, *mRowNo = nullptr, *mColNo = nullptr, *mPrintDate = nullptr;
    QCheckBox* mPrintPage = nullptr;
    QWidget* mOptionPanel = nullptr;
    bool mReady = false;
    bool mProduced = false;
};

// Shows the window modally for the request and writes the choices back into `settings`
// when it closes. True when something was printed or written.
bool RunGridPrint(QWidget* parent, const GridPrintRequest& request, GridPrintSettings& settings, Dialogs& dialogs,
                  FileChooser& files);

// Writes the pages the window would print as a PDF file, without showing anything; the file
// is replaced whole or not at all. False when it could not be written.
bool WriteGridPdf(const GridPrintRequest& request, const GridPrintSettings& settings, const std::string& utf8Path);

}  // namespace mv
