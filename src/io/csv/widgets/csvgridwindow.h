#pragma once
// The CSV grid window (TfrmCsvImport): shows a CSV file as a grid, one row per line and one
// column per field. It is the first window of both CSV directions: in import mode the user
// opens a CSV file into it and then calls the import definition; in export mode it receives
// the lines the export built and writes them to a file. The main window is hidden while it
// is open. The data is a CsvTable; the grid is a model over it (csvgridmodel.h) in a view
// whose frozen lines stay at the top (csvgridview.h).

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "io/csv/csvtable.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace mv {

class CsvGridModel;
class CsvGridView;
class Dialogs;
class FileChooser;
class Host;
struct EnvSettings;

// What the window needs from the program around it.
class CsvGridHost {
public:
    virtual ~CsvGridHost() = default;
    virtual EnvSettings& Settings() = 0;     // Path_ImportCsv, Path_ExportCsv, Cmb_FixedRows, FPS_CsvImport
    virtual Dialogs& Messages() = 0;
    virtual FileChooser& Files() = 0;
    virtual Host& System() = 0;              // for CsvTable::LoadFile and the program folder
    virtual void OpenDefinition(bool importMode) = 0;  // the "インポート" / "エキスポート" buttons
    virtual void GridWindowClosed() = 0;     // closing shows the main window again
    virtual void ShowHelpTopic(bool /*importTopic*/) {}  // About menu
};

class TfrmCsvImport : public QWidget {
public:
    enum class Mode { Import, Export };
    explicit TfrmCsvImport(CsvGridHost& host);
    ~TfrmCsvImport() override;

    // Caption and buttons of the mode, the grid cleared, the window shown.
    void ShowMode(Mode mode);
    Mode CurrentMode() const { return mMode; }
    // Reads the file into the grid. False when nothing was loaded (a missing or unreadable
    // file; a missing one leaves the window as it was and says nothing).
    bool LoadCsvFile(const std::string& utf8Path);
    // Shows the lines the export built.
    void LoadExportLines(const std::vector<std::string>& lines);
    // "CSV を出力する": asks for a name and writes every line, padded to the column count.
    // True when the file was written.
    bool WriteCsvFile();
    // Files dropped on the program while the main window is hidden: in import mode the
    // first one is loaded; in export mode they are ignored.
    void DropFiles(const std::vector<std::string>& utf8Paths);
    const CsvTable& Table() const { return mTable; }
    // CSV lines frozen at the top (the fixed rows minus the number row).
    int FrozenLines() const;
    // Called after every load, so the definition window can rebuild its lists.
    std::function<void()> tableLoaded;

    // The controls, for the tests and the main window's wiring.
    QPushButton* OpenButton() const { return mOpen; }
    QPushButton* ImportButton() const { return mImport; }
    QPushButton* WriteButton() const { return mWrite; }
    QPushButton* ExportButton() const { return mExport; }
    QComboBox* FixedRowsCombo() const { return mFixedRows; }
    CsvGridView* Grid() const { return mGrid; }
    QString RowsText() const;
    QString ColumnsText() const;
    QString PathLabelText() const;
    QString MessageText() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    class Busy;
    void BuildControls();
    void OpenClick();
    void FixedRowsChange();
    void SetMessage(const std::string& text);
    void ClearGrid();
    void ShowTable();
    void UpdateLabels();
    void EnableControls(bool enabled);

    CsvGridHost& mHost;
    CsvTable mTable;
    CsvGridModel* mModel = nullptr;
    CsvGridView* mGrid = nullptr;
    Mode mMode = Mode::Import;
    std::string mPath;  // UTF-8; empty in export mode
    bool mPlaced = false;
    QPushButton *mOpen = nullptr, *mImport = nullptr, *mWrite = nullptr, *mExport = nullptr;
    QComboBox* mFixedRows = nullptr;
    QLabel *mRows = nullptr, *mColumns = nullptr, *mPathLabel = nullptr, *mMessage = nullptr;
};

}  // namespace mv
