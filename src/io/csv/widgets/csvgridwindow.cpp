#include "io/csv/widgets/csvgridwindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "io/csv/csvformat.h"
#include "io/csv/csvgridlayout.h"
#include "io/csv/widgets/csvgridmodel.h"
#include "io/csv/widgets/csvgridview.h"
#include "model/codec.h"
#include "model/programfolders.h"
#include "model/settings.h"
#include "model/textfile.h"
#include "model/windowplacement.h"
#include "platform/dialogs.h"
#include "platform/filechooser.h"
#include "platform/host.h"

namespace mv {

namespace {

constexpr int kDesignWidth = 1000, kDesignHeight = 680;
constexpr int kNumberColumnChars = 9;
constexpr int kWriteProgressLines = 1000;

std::filesystem::path PathOf(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8Of(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

QString Q(const std::string& utf8) { return QString::fromUtf8(utf8); }

}  // namespace

// The window while it works: every control disabled, the hourglass shown; on leaving, the
// cursor comes back whatever happened (the caller enables the controls it wants).
class TfrmCsvImport::Busy {
public:
    explicit Busy(TfrmCsvImport& window) : mWindow(window) {
        mWindow.EnableControls(false);
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~Busy() { QGuiApplication::restoreOverrideCursor(); }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

private:
    TfrmCsvImport& mWindow;
};

TfrmCsvImport::TfrmCsvImport(CsvGridHost& host) : QWidget(nullptr), mHost(host) {
    setObjectName(QStringLiteral("TfrmCsvImport"));
    BuildControls();
    setAcceptDrops(true);
    resize(kDesignWidth, kDesignHeight);
    ClearGrid();
}

TfrmCsvImport::~TfrmCsvImport() {
    // The view goes before the table and the model it reads.
    delete mGrid;
    mGrid = nullptr;
}

void TfrmCsvImport::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* menu = new QMenuBar(this);
    QMenu* file = menu->addMenu(QStringLiteral("File(&F)"));
    QAction* quit = file->addAction(QStringLiteral("終了 (&X)"));
    connect(quit, &QAction::triggered, this, [this] { close(); });
    QMenu* about = menu->addMenu(QStringLiteral("About(&A)"));
    QAction* help = about->addAction(QStringLiteral("このウィンドウについて"));
    connect(help, &QAction::triggered, this, [this] { mHost.ShowHelpTopic(mMode == Mode::Import); });
    layout->setMenuBar(menu);

    auto* top = new QWidget(this);
    auto* bar = new QHBoxLayout(top);
    bar->setContentsMargins(6, 4, 6, 4);
    const auto button = [&](const char* name, const QString& text) {
        auto* b = new QPushButton(text, top);
        b->setObjectName(QString::fromUtf8(name));
        bar->addWidget(b);
        return b;
    };
    mOpen = button("btnOpen", QStringLiteral("CSV を開く"));
    mImport = button("btnImport", QStringLiteral("インポート"));
    mWrite = button("btnWrite", QStringLiteral("CSV を出力する"));
    mExport = button("btnExport", QStringLiteral("エキスポート"));
    connect(mOpen, &QPushButton::clicked, this, [this] { OpenClick(); });
    connect(mImport, &QPushButton::clicked, this, [this] { mHost.OpenDefinition(true); });
    connect(mWrite, &QPushButton::clicked, this, [this] { WriteCsvFile(); });
    connect(mExport, &QPushButton::clicked, this, [this] { mHost.OpenDefinition(false); });
    bar->addSpacing(16);

    bar->addWidget(new QLabel(QStringLiteral("固定行数"), top));
    mFixedRows = new QComboBox(top);
    mFixedRows->setObjectName(QStringLiteral("Cmb_FixedRows"));
    mFixedRows->addItem(QStringLiteral(" 無し"));
    for (int n = 1; n <= kMaxFrozenChoice; ++n) mFixedRows->addItem(QStringLiteral(" %1 行").arg(n));
    bar->addWidget(mFixedRows);
    connect(mFixedRows, &QComboBox::currentIndexChanged, this, [this] { FixedRowsChange(); });
    bar->addSpacing(16);

    const auto value = [&](const char* caption, const char* name, int minimumWidth) {
        bar->addWidget(new QLabel(QString::fromUtf8(caption), top));
        auto* label = new QLabel(top);
        label->setObjectName(QString::fromUtf8(name));
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setMinimumWidth(minimumWidth);
        bar->addWidget(label);
        return label;
    };
    mRows = value("行数", "lblRows", 80);
    mColumns = value("列数", "lblCols", 50);
    bar->addStretch(1);
    layout->addWidget(top);

    auto* pathBar = new QWidget(this);
    auto* pathLayout = new QHBoxLayout(pathBar);
    pathLayout->setContentsMargins(6, 0, 6, 4);
    pathLayout->addWidget(new QLabel(QStringLiteral("Path"), pathBar));
    mPathLabel = new QLabel(pathBar);
    mPathLabel->setObjectName(QStringLiteral("lblPath"));
    mPathLabel->setFrameShape(QFrame::StyledPanel);
    mPathLabel->setFrameShadow(QFrame::Sunken);
    mPathLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    mPathLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    pathLayout->addWidget(mPathLabel, 1);
    layout->addWidget(pathBar);

    mMessage = new QLabel(this);
    mMessage->setObjectName(QStringLiteral("pnlMsg"));
    mMessage->setAutoFillBackground(true);
    QPalette palette = mMessage->palette();
    palette.setColor(QPalette::Window, QColor(95, 95, 95));
    palette.setColor(QPalette::WindowText, QColor(0, 255, 255));
    mMessage->setPalette(palette);
    mMessage->setMinimumHeight(fontMetrics().height() + 6);
    layout->addWidget(mMessage);

    mModel = new CsvGridModel(mTable, this);
    mGrid = new CsvGridView(this);
    mGrid->setObjectName(QStringLiteral("grdCsv"));
    mGrid->SetGridModel(mModel);
    const int letter = mGrid->fontMetrics().horizontalAdvance(QLatin1Char('A'));
    mGrid->SetMetrics(mGrid->fontMetrics().height() + 6, letter * kNumberColumnChars);
    layout->addWidget(mGrid, 1);
    // The bars keep their height; with the grid hidden (before a load) the room stays empty
    // below them instead of stretching them.
    for (QWidget* bar : {top, pathBar, static_cast<QWidget*>(mMessage)})
        bar->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    layout->addStretch(0);
}

void TfrmCsvImport::ShowMode(Mode mode) {
    mMode = mode;
    const bool import = mode == Mode::Import;
    setWindowTitle(Q(kProgramName) + QStringLiteral("  ＣＳＶグリッドウィンドウ") +
                   (import ? QStringLiteral(" (インポート)") : QStringLiteral(" (エキスポート)")));
    mOpen->setVisible(import);
    mImport->setVisible(import);
    mWrite->setVisible(!import);
    mExport->setVisible(!import);
    {
        const QSignalBlocker blocker(mFixedRows);
        mFixedRows->setCurrentIndex(std::clamp(mHost.Settings().Cmb_FixedRows, 0, kMaxFrozenChoice));
    }
    ClearGrid();
    show();
    raise();
    activateWindow();
}

void TfrmCsvImport::ClearGrid() {
    mModel->Empty();
    mTable.Clear();
    mPath.clear();
    mGrid->hide();
    mRows->clear();
    mColumns->clear();
    mPathLabel->clear();
    SetMessage({});
    EnableControls(true);
}

int TfrmCsvImport::FrozenLines() const { return mModel->FrozenLines(); }

void TfrmCsvImport::EnableControls(bool enabled) {
    const bool data = mTable.LineCount() > 0 && mTable.ColumnCount() > 0;
    mOpen->setEnabled(enabled);
    mExport->setEnabled(enabled);
    mImport->setEnabled(enabled && data);
    mWrite->setEnabled(enabled && data);
    mFixedRows->setEnabled(enabled);
    mGrid->setEnabled(enabled);
}

void TfrmCsvImport::SetMessage(const std::string& text) {
    mMessage->setText(Q(text));
    if (!text.empty()) mMessage->repaint();
}

void TfrmCsvImport::UpdateLabels() {
    mRows->setText(Q(ThousandsText(mTable.LineCount()) + " "));
    mColumns->setText(Q(ThousandsText(mTable.ColumnCount()) + " "));
    mPathLabel->setText(Q(" " + mPath));
}

QString TfrmCsvImport::RowsText() const { return mRows->text(); }
QString TfrmCsvImport::ColumnsText() const { return mColumns->text(); }
QString TfrmCsvImport::PathLabelText() const { return mPathLabel->text(); }
QString TfrmCsvImport::MessageText() const { return mMessage->text(); }

void TfrmCsvImport::OpenClick() {
    std::string proposal = ToUtf8(mHost.Settings().Path_ImportCsv);
    if (proposal.empty()) proposal = Utf8Of(DocumentFolder(mHost.System()) / "*.csv");
    const std::optional<std::string> chosen = mHost.Files().ChooseOpen(
        {"インポートするＣＳＶファイルを選択して下さい。", CsvFileFilter(proposal), proposal});
    if (chosen && !chosen->empty()) LoadCsvFile(*chosen);
}

bool TfrmCsvImport::LoadCsvFile(const std::string& utf8Path) {
    const bool wasShown = mGrid->isVisible();
    const QString rows = mRows->text(), columns = mColumns->text(), path = mPathLabel->text();
    bool loaded = false;
    int replaced = 0;
    {
        Busy busy(*this);
        mGrid->hide();
        mHost.Settings().Path_ImportCsv = FromUtf8(utf8Path);
        mRows->clear();
        mColumns->clear();
        mPathLabel->clear();
        std::error_code error;
        const std::filesystem::path file = PathOf(utf8Path);
        if (utf8Path.empty() || !std::filesystem::is_regular_file(file, error)) {
            // Nothing is loaded and nothing said: the window is as it was.
            mRows->setText(rows);
            mColumns->setText(columns);
            mPathLabel->setText(path);
            mGrid->setVisible(wasShown);
        } else {
            SetMessage(" ＣＳＶファイルの読み込み中です。");
            QCoreApplication::processEvents();
            mModel->Empty();
            loaded = mTable.LoadFile(
                file, mHost.System(),
                [this](int line, int count) {
                    SetMessage(" 読み込み中 ... " + std::to_string(line + 1) + " / " + std::to_string(count));
                    QCoreApplication::processEvents();
                },
                &replaced);
            mPath = loaded ? utf8Path : std::string();
            ShowTable();
        }
    }
    EnableControls(true);
    if (mGrid->isVisible()) mGrid->setFocus();
    // A UTF-8 file may hold characters Shift-JIS has no form for: they became "?".
    if (loaded && replaced > 0) mHost.Messages().Information(kConfirmCaption, ReplacedCharactersText(PathOf(utf8Path), replaced));
    if (loaded && tableLoaded) tableLoaded();
    return loaded;
}

void TfrmCsvImport::LoadExportLines(const std::vector<std::string>& lines) {
    {
        Busy busy(*this);
        mGrid->hide();
        mRows->clear();
        mColumns->clear();
        mPathLabel->clear();
        mPath.clear();
        SetMessage(" ＣＳＶファイルの作成中です。");
        QCoreApplication::processEvents();
        mModel->Empty();
        mTable.LoadLines(lines, [this](int line, int count) {
            SetMessage(" 読み込み中 ... " + std::to_string(line + 1) + " / " + std::to_string(count));
            QCoreApplication::processEvents();
        });
        ShowTable();
    }
    EnableControls(true);
    mGrid->setFocus();
    if (tableLoaded) tableLoaded();
}

void TfrmCsvImport::ShowTable() {
    mModel->Refresh();
    const std::vector<int> chars = CsvColumnChars(mTable);
    const int letter = mGrid->fontMetrics().horizontalAdvance(QLatin1Char('A'));
    QHeaderView* header = mGrid->horizontalHeader();
    for (int column = 0; column < static_cast<int>(chars.size()); ++column)
        header->resizeSection(column, letter * chars[column]);
    FixedRowsChange();
    SetMessage({});
    UpdateLabels();
    mGrid->scrollToTop();
    mGrid->show();
}

void TfrmCsvImport::FixedRowsChange() {
    mModel->SetFrozenLines(FrozenLinesFor(mFixedRows->currentIndex(), mTable.LineCount()));
    mGrid->UpdateFrozen();
}

bool TfrmCsvImport::WriteCsvFile() {
    EnvSettings& settings = mHost.Settings();
    std::string proposal = ToUtf8(settings.Path_ExportCsv);
    if (proposal.empty()) proposal = Utf8Of(DocumentFolder(mHost.System()) / "Marovelantis.csv");
    const std::optional<std::string> chosen =
        mHost.Files().ChooseSave({"指定のファイル名で出力します。", CsvFileFilter(proposal), proposal});
    if (!chosen || chosen->empty()) return false;
    const std::string question =
        "表示内容をＣＳＶ形式で下記のファイルに出力します。\r\n\r\n     PATH = " + *chosen;
    if (mHost.Messages().Show(MessageKind::Question, kConfirmCaption, question, Buttons::YesNo, Answer::Yes) !=
        Answer::Yes)
        return false;
    settings.Path_ExportCsv = FromUtf8(*chosen);
    bool written = false;
    {
        Busy busy(*this);
        SetMessage(" ＣＳＶファイルの出力中です。");
        QCoreApplication::processEvents();
        std::vector<std::string> lines;
        lines.reserve(static_cast<std::size_t>(mTable.LineCount()));
        for (int line = 0; line < mTable.LineCount(); ++line) {
            const int count = line + 1;
            if (count % kWriteProgressLines == 0) {
                SetMessage("Rec.No " + std::to_string(count) + " まで終了");
                QCoreApplication::processEvents();
            }
            lines.push_back(mTable.JoinedLine(line));
        }
        written = WriteLines(PathOf(*chosen), lines, mHost.System());
        SetMessage({});
    }
    EnableControls(true);
    if (!written) {
        mHost.Messages().Information(kConfirmCaption, "出力ファイルの作成に失敗しました。");
        return false;
    }
    mHost.Messages().Information(kConfirmCaption, "ＣＳＶファイルの出力を終了しました。");
    return true;
}

void TfrmCsvImport::DropFiles(const std::vector<std::string>& utf8Paths) {
    if (mMode != Mode::Import || utf8Paths.empty()) return;
    const std::string& path = utf8Paths.front();
    if (!LoadCsvFile(path)) return;
    raise();
    activateWindow();
    mHost.Messages().Information(kConfirmCaption, "指定のファイルを読み込みました。\r\n\r\n   PATH = " + path);
}

void TfrmCsvImport::dragEnterEvent(QDragEnterEvent* event) {
    if (mMode == Mode::Import && event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TfrmCsvImport::dropEvent(QDropEvent* event) {
    std::vector<std::string> paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) paths.push_back(url.toLocalFile().toStdString());
    event->acceptProposedAction();
    DropFiles(paths);
}

void TfrmCsvImport::showEvent(QShowEvent* event) {
    if (!mPlaced) {
        mPlaced = true;
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const Rect placed =
            PlaceWindow(mHost.Settings().FPS_CsvImport, screen.width(), screen.height(), width(), height());
        setGeometry(placed.left, placed.top, placed.width, placed.height);
    }
    QWidget::showEvent(event);
}

void TfrmCsvImport::closeEvent(QCloseEvent* event) {
    EnvSettings& settings = mHost.Settings();
    settings.Cmb_FixedRows = mFixedRows->currentIndex();
    if (mPlaced && !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))) {
        const QRect g = geometry();
        settings.FPS_CsvImport = {g.y(), g.x(), g.width(), g.height()};
    }
    QWidget::closeEvent(event);
    mHost.GridWindowClosed();
}

}  // namespace mv
