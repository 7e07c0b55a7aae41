#pragma once
// The CSV definition window: the import tab (which CSV column feeds which item, the date
// range and duplicate rule, the import run), the export tab (column order, date range,
// heading line, building the export lines) and the column heading table they share.
#include <string>
#include <vector>

#include <QWidget>

#include "io/csv/csvoptions.h"
#include "model/date.h"

class QButtonGroup;
class QCheckBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableWidget;

namespace mv {

class ColumnListWidget;
class CsvTable;
class Dialogs;
class EditContext;
class ExportListWidget;
class FrameIdSource;
class Host;
class KeyGridWidget;
struct EnvSettings;

// What the window needs from the program around it.
class CsvDefinitionHost {
public:
    virtual ~CsvDefinitionHost() = default;
    virtual EditContext& Edit() = 0;
    virtual FrameIdSource& FrameIds() = 0;
    virtual Dialogs& Messages() = 0;
    virtual EnvSettings& Settings() = 0;   // ImportCol, ExportCol, CsvTaiou, Cmb_FixedRows ...
    virtual Host& System() = 0;
    // After an import that added frames: show the view from the day before `earliest`, with
    // `startTime` (HHMM) scrolled into view.
    virtual void ImportFinished(const Date& earliest, int startTime) = 0;
    // The import runs (true) or is over: the CSV grid window hides its grid meanwhile.
    virtual void ImportRunning(bool running) = 0;
    // The export's lines, for the CSV grid window to show (it then writes them).
    virtual void ExportLinesReady(const std::vector<std::string>& lines) = 0;
};

class TfrmCsvImportMain : public QWidget {  // a top-level tool window
public:
    explicit TfrmCsvImportMain(CsvDefinitionHost& host, QWidget* owner = nullptr);
    // The grid window's table and its frozen CSV lines; rebuilds LbxSelection and GridKey.
    void SetTable(const CsvTable* table, int frozenLines);
    // Import tab and heading table tab, caption "マロベランティス２  ＣＳＶファイルのインポート".
    void OpenImport();
    // Export tab and heading table tab, caption "マロベランティス２  ＣＳＶファイルのエキスポート".
    void OpenExport();
    // The import's date range and duplicate rule as chosen; the simple import takes the
    // date range too, and leaves "置換する" chosen.
    ImportChoices CurrentImportChoices() const;
    void ChooseReplace();

private:
    QWidget* BuildImportTab();
    QWidget* BuildExportTab();
    QWidget* BuildHeadingTab();
    void ShowTabs(bool import);

    // Import tab.
    void ShowKeyCells();
    void PlaceLine(int item, int columnLine);
    void ClearItem(int item);
    void AutoMap();
    void RunImport();

    // Export tab.
    void ShowExportLines();
    void MoveExportLine(int from, int to);
    void StoreExportOrder();
    void RunExport();
    ExportChoices CurrentExportChoices() const;

    // Heading table tab.
    void StoreHeadings();

    void SetWorking(QLabel* label, bool working, const std::string& text);

    CsvDefinitionHost& mHost;
    const CsvTable* mTable = nullptr;
    int mFrozenLines = 0;
    std::vector<std::string> mColumnLines;  // LbxSelection's lines (Shift-JIS)
    CsvTexts mKeyCells;                     // GridKey's column 1 (Shift-JIS)
    std::vector<std::string> mExportLines;  // lbxExport's lines with their item numbers (Shift-JIS)
    bool mFillingHeadings = false;

    QTabWidget* mTabs = nullptr;
    QWidget* mImportTab = nullptr;
    QWidget* mExportTab = nullptr;
    QWidget* mHeadingTab = nullptr;

    ColumnListWidget* LbxSelection = nullptr;
    KeyGridWidget* GridKey = nullptr;
    QPushButton* Btn_ImpAutoSet = nullptr;
    QCheckBox* Chk_ImpSDate = nullptr;
    QCheckBox* Chk_ImpEDate = nullptr;
    QDateEdit* Dpc_ImpSDate = nullptr;
    QDateEdit* Dpc_ImpEDate = nullptr;
    QRadioButton* Rbt_ImpDupNo = nullptr;
    QRadioButton* Rbt_ImpDupRep = nullptr;
    QRadioButton* Rbt_ImpDupYes = nullptr;
    QPushButton* Btn_Import = nullptr;
    QPushButton* Btn_ImportEnd = nullptr;
    QLabel* Lab_ImpMsg = nullptr;

    ExportListWidget* lbxExport = nullptr;
    QCheckBox* Chk_ExpSDate = nullptr;
    QCheckBox* Chk_ExpEDate = nullptr;
    QDateEdit* Dpc_ExpSDate = nullptr;
    QDateEdit* Dpc_ExpEDate = nullptr;
    QRadioButton* Rbt_ExpMidYes = nullptr;
    QRadioButton* Rbt_ExpMidNo = nullptr;
    QPushButton* Btn_Export = nullptr;
    QPushButton* Btn_ExportEnd = nullptr;
    QLabel* Lab_ExpMsg = nullptr;

    QTableWidget* GridMid = nullptr;
};

}  // namespace mv
