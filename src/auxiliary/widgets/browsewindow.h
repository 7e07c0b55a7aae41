#pragma once
// The help viewer (TFm_Browse): shows one help text at a time, chosen in a list of the Help
// menu items registered with it; joins all of them into one paged HTML document for the
// browser; hands the current text to the desktop's text editor; prints it through the grid
// print window. Closing it only hides it.

#include <QMainWindow>
#include <filesystem>
#include <string>
#include <vector>

#include "model/gridprintsettings.h"

class QAction;
class QComboBox;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace mv {

class Clipboard;
class Dialogs;
class FileChooser;
class Host;
class ShellOpen;
class TextEditor;

struct BrowseSeams {
    Dialogs& dialogs;
    FileChooser& files;     // the grid print window's file dialogs
    ShellOpen& shell;           // the browser for the HTML document
    TextEditor& editor;
    Clipboard& clipboard;   // a text shown directly goes to the editor through it
    Host& host;             // the program's folder, safe writing
    GridPrintSettings& printSettings;  // what the grid print window last chose for the viewer
    std::string programName;  // the document is saved as this + "_Help.Html"
};

class TFm_Browse : public QMainWindow {
public:
    explicit TFm_Browse(const BrowseSeams& seams, QWidget* parent = nullptr);

    // The caption every text's caption starts with ("Browse" until set).
    void SetBaseCaption(const QString& caption) { mBaseCaption = caption; }
    // Adds `item` of the submenu `group` of `menu` to the list, when it is there.
    void RegisterEntry(QMenu* menu, QMenu* group, QAction* item);
    // Shows a text file (Shift-JIS), with line numbers when asked; a missing file is said.
    void ShowFile(QAction* item, const QString& title, bool lineNumbers, const std::filesystem::path& path);
    // Shows a text (Shift-JIS) that is no file.
    void ShowText(QAction* item, const QString& title, const std::string& text);

    // The buttons and the print menu item.
    void Widen();
    void MakeHtml();
    void OpenInEditor();
    void Print();

    bool Loaded() const { return mLoaded; }
    // The text shown (Shift-JIS) and the registered entries, for the tests.
    const std::string& ShownText() const { return mShownText; }
    QComboBox* List() const { return cmbBrowseList; }
    std::filesystem::path HtmlPath() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void SelectEntry(QAction* item);
    void PutText(const std::string& text);

    BrowseSeams mSeams;
    QString mBaseCaption = QStringLiteral("Browse");
    std::vector<QAction*> mEntries;
    // The document shown: a file's path, or a text shown directly (path empty).
    std::filesystem::path mDocumentPath;
    std::string mShownText;
    int mFullWidth = 0;
    int mHeaderHeight = 0;
    int mWidePresses = 0;
    bool mShowWhenLoaded = true;
    bool mHelpHeading = true;
    bool mLoaded = false;

    QWidget* pnlHed = nullptr;
    QComboBox* cmbBrowseList = nullptr;
    QPushButton *Btn_Wide = nullptr, *Btn_Html = nullptr, *Btn_Editor = nullptr;
    QPlainTextEdit* RichEdit1 = nullptr;
};

}  // namespace mv
