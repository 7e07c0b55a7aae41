#include "auxiliary/widgets/browsewindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFont>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include "auxiliary/helpdocument.h"
#include "io/print/gridprintwindow.h"
#include "model/codec.h"
#include "model/programfolders.h"
#include "model/textfile.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/host.h"
#include "platform/shellopen.h"
#include "platform/texteditor.h"

namespace mv {

namespace {

constexpr char kCaption[] = "確認";

QString FromSjis(const std::string& sjis) { return QString::fromStdString(ToUtf8(sjis)); }
std::string ToSjis(const QString& text) { return FromUtf8(text.toStdString()); }
std::string PathUtf8(const std::filesystem::path& path) {
    const auto text = path.u8string();
    return std::string(text.begin(), text.end());
}

// Keeps the cursor busy for as long as it lives.
struct BusyCursor {
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
};

}  // namespace

TFm_Browse::TFm_Browse(const BrowseSeams& seams, QWidget* parent) : QMainWindow(parent, Qt::Window), mSeams(seams) {
    setObjectName(QStringLiteral("TFm_Browse"));
    setWindowTitle(mBaseCaption);

    QMenu* file = menuBar()->addMenu(QStringLiteral("File(&F)"));
    QAction* exit = file->addAction(QStringLiteral("終了(&X)"));
    exit->setObjectName(QStringLiteral("Mn_Exit"));
    connect(exit, &QAction::triggered, this, &QWidget::hide);
    QMenu* print = menuBar()->addMenu(QStringLiteral("Print(&P)"));
    QAction* printItem = print->addAction(QStringLiteral("印刷する(&P)"));
    printItem->setObjectName(QStringLiteral("Mn_Print"));
    connect(printItem, &QAction::triggered, this, [this] { Print(); });

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    pnlHed = new QWidget(central);
    pnlHed->setObjectName(QStringLiteral("pnlHed"));
    auto* header = new QHBoxLayout(pnlHed);
    header->setContentsMargins(4, 4, 4, 4);
    cmbBrowseList = new QComboBox(pnlHed);
    cmbBrowseList->setObjectName(QStringLiteral("cmbBrowseList"));
    cmbBrowseList->setMinimumContentsLength(28);
    const auto button = [&](const char* name, const QString& text, const QString& hint) {
        auto* b = new QPushButton(text, pnlHed);
        b->setObjectName(QString::fromUtf8(name));
        b->setToolTip(hint);
        return b;
    };
    Btn_Wide = button("Btn_Wide", QStringLiteral("⇔"), QStringLiteral("ウィンドウの幅を切り替える"));
    Btn_Html = button("Btn_Html", QStringLiteral("HTML"), QStringLiteral("すべての説明を HTML でブラウザに表示する"));
    Btn_Editor = button("Btn_Editor", QStringLiteral("Editor"), QStringLiteral("この説明をエディタで開く"));
    header->addWidget(cmbBrowseList);
    header->addWidget(Btn_Wide);
    header->addWidget(Btn_Html);
    header->addWidget(Btn_Editor);
    header->addStretch(1);
    RichEdit1 = new QPlainTextEdit(central);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setReadOnly(true);
    RichEdit1->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The texts line up their columns with blanks: a fixed-pitch font with Japanese in it.
    QFont fixed = RichEdit1->font();
    fixed.setFamilies({QStringLiteral("IPAGothic"), QStringLiteral("MS Gothic"), QStringLiteral("Noto Sans Mono CJK JP")});
    fixed.setStyleHint(QFont::Monospace);
    RichEdit1->setFont(fixed);
    layout->addWidget(pnlHed);
    layout->addWidget(RichEdit1, 1);
    setCentralWidget(central);

    connect(Btn_Wide, &QPushButton::clicked, this, [this] { Widen(); });
    connect(Btn_Html, &QPushButton::clicked, this, [this] { MakeHtml(); });
    connect(Btn_Editor, &QPushButton::clicked, this, [this] { OpenInEditor(); });
    // A user's choice in the list runs the menu item's own command, so the list and the
    // Help menu load the same texts.
    connect(cmbBrowseList, &QComboBox::activated, this, [this](int index) {
        if (index < 0 || index >= static_cast<int>(mEntries.size())) return;
        RichEdit1->setFocus();
        mEntries[static_cast<std::size_t>(index)]->trigger();
    });

    // Two thirds of the screen, centred.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        resize(area.width() * 2 / 3, area.height() * 2 / 3);
        move(area.center() - rect().center());
    }
    mFullWidth = width();
    mHeaderHeight = pnlHed->sizeHint().height();
}

void TFm_Browse::RegisterEntry(QMenu* menu, QMenu* group, QAction* item) {
    if (!menu || !group || !item) return;
    const bool groupInMenu = group == menu || menu->actions().contains(group->menuAction());
    if (!groupInMenu || !group->actions().contains(item)) return;
    mEntries.push_back(item);
    cmbBrowseList->addItem(FromSjis(BrowseListCaption(ToSjis(item->text()))));
    cmbBrowseList->setCurrentIndex(-1);
}

void TFm_Browse::SelectEntry(QAction* item) {
    const auto hideHeader = [this] {
        pnlHed->setFixedHeight(0);
        cmbBrowseList->hide();
    };
    if (!item) return hideHeader();
    cmbBrowseList->setCurrentIndex(-1);
    const auto found = std::find(mEntries.begin(), mEntries.end(), item);
    if (found == mEntries.end()) {
        mSeams.dialogs.Information(kCaption, "Browse サブメニューが登録されていません。\r\n\r\n  → " +
                                                 item->objectName().toStdString());
        return hideHeader();
    }
    cmbBrowseList->setCurrentIndex(static_cast<int>(found - mEntries.begin()));
    pnlHed->setFixedHeight(mHeaderHeight);
    cmbBrowseList->show();
}

void TFm_Browse::PutText(const std::string& text) {
    mShownText = text;
    RichEdit1->setPlainText(FromSjis(text));
    RichEdit1->verticalScrollBar()->setValue(0);
    RichEdit1->horizontalScrollBar()->setValue(0);
}

void TFm_Browse::ShowFile(QAction* item, const QString& title, bool lineNumbers, const std::filesystem::path& path) {
    SelectEntry(item);
    const QString shownPath = QString::fromStdString(PathUtf8(path));
    setWindowTitle(mBaseCaption + QLatin1Char(' ') + title + QStringLiteral(" [ ") + shownPath + QStringLiteral(" ]"));
    if (!path.empty()) {
        const std::optional<std::string> bytes =
            std::filesystem::exists(path) ? ReadFileBytes(path, mSeams.host) : std::nullopt;
        if (bytes) {
            BusyCursor busy;
            RichEdit1->hide();
            mDocumentPath = path;
            PutText(lineNumbers ? NumberedText(SplitLines(*bytes)) : *bytes);
            if (mShowWhenLoaded) {
                RichEdit1->show();
                show();
            }
        } else {
            PutText({});
            mSeams.dialogs.Information(kCaption, "ファイルがありません。\r\n\r\n     File = " + PathUtf8(path));
        }
    }
    mLoaded = true;
}

void TFm_Browse::ShowText(QAction* item, const QString& title, const std::string& text) {
    SelectEntry(item);
    setWindowTitle(mBaseCaption + QLatin1Char(' ') + title);
    mDocumentPath.clear();
    PutText(text);
    show();
    mLoaded = true;
}

void TFm_Browse::Widen() {
    ++mWidePresses;
    const BrowseWidths widths{mFullWidth, cmbBrowseList->x(), cmbBrowseList->width(), Btn_Wide->width()};
    resize(BrowseWidthAfter(mWidePresses, widths), height());
}

std::filesystem::path TFm_Browse::HtmlPath() const {
    return OwnFilesFolder(mSeams.host) / std::filesystem::u8path(mSeams.programName + "_Help.Html");
}

void TFm_Browse::MakeHtml() {
    RichEdit1->hide();
    const int shown = cmbBrowseList->currentIndex();
    HelpDocumentRequest request;
    request.baseCaption = ToSjis(mBaseCaption);
    request.helpHeading = mHelpHeading;
    request.jumpPage = shown + 1;
    for (std::size_t i = 0; i < mEntries.size(); ++i) {
        mLoaded = false;
        mEntries[i]->trigger();  // loads its text into the view
        if (i == 0) request.windowCaption = ToSjis(windowTitle());
        request.pages.push_back({ToSjis(cmbBrowseList->itemText(static_cast<int>(i))), mLoaded ? mShownText : ""});
    }
    // Back to the text shown before.
    if (shown >= 0 && shown < static_cast<int>(mEntries.size())) mEntries[static_cast<std::size_t>(shown)]->trigger();
    if (request.windowCaption.empty()) request.windowCaption = ToSjis(windowTitle());

    const std::vector<std::string> lines = HelpDocumentLines(request);
    const std::filesystem::path path = HtmlPath();
    const bool written = WriteFileAtomically(path, mSeams.host, [&](LineWriter& out) {
        for (const std::string& line : lines) out.Line(line);
    });
    if (!written)
        mSeams.dialogs.Error(kCaption, "出力ファイルの作成に失敗しました。\r\n\r\n     File = " + PathUtf8(path));
    else if (!mSeams.shell.OpenDocument(path))
        mSeams.dialogs.Information(kCaption, "ブラウザの起動を失敗しました。");
    RichEdit1->show();
}

void TFm_Browse::OpenInEditor() {
    const EditorProgram program = mSeams.editor.Program();
    const std::string& editor = program.path;
    if (!program.found) {
        mSeams.dialogs.Information(kCaption, "エディタを起動できません。\r\n\r\n「動作環境の定義など」でエディタのパスを設定して下さい。"
                                             "\r\n\r\n  ＞ " + editor);
        return;
    }
    const bool isFile = !mDocumentPath.empty() && std::filesystem::exists(mDocumentPath);
    const std::optional<std::string> parameter = isFile ? std::optional<std::string>(PathUtf8(mDocumentPath)) : std::nullopt;
    if (!mSeams.editor.Start(parameter)) {
        mSeams.dialogs.Error(kCaption, "プログラムを起動できません。 \r\r Praogram = " + editor + "\r" +
                                           " Param    = " + parameter.value_or(""));
        return;
    }
    if (isFile) return;
    // A text that is no file reaches the editor through the clipboard once it has started;
    // the user pastes it (no keys are sent into another program).
    const std::string text = ToUtf8(mShownText);
    QTimer::singleShot(1000, this, [this, text] {
        mSeams.clipboard.SetText(text);
        mSeams.dialogs.Information(kCaption, "表示中のテキストをクリップボードに置きました。\r\n\r\n"
                                             "エディタに貼り付けて下さい (Ctrl+V)。");
    });
}

void TFm_Browse::Print() {
    BusyCursor busy;
    GridPrintRequest request;
    const std::vector<std::string> lines = SplitLines(mShownText);
    request.grid.Resize(static_cast<int>(lines.size()), 1);
    for (std::size_t row = 0; row < lines.size(); ++row) request.grid.At(static_cast<int>(row), 0) = " " + lines[row];
    request.title = ToSjis(cmbBrowseList->isVisible() ? cmbBrowseList->currentText() : windowTitle());
    RunGridPrint(this, request, mSeams.printSettings, mSeams.dialogs, mSeams.files);
}

void TFm_Browse::closeEvent(QCloseEvent* event) {
    // The viewer lives as long as the design window: closing only hides it.
    event->ignore();
    hide();
}

void TFm_Browse::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // Minimising the viewer minimises the whole program.
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window != this && window->isVisible() && window->isWindow()) window->showMinimized();
}

}  // namespace mv
