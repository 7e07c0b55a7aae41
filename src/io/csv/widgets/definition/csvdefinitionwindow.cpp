#include "io/csv/widgets/definition/csvdefinitionwindow.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "edit/csvimportcommand.h"
#include "edit/editcontext.h"
#include "io/csv/csvdefinition.h"
#include "io/csv/csvexport.h"
#include "io/csv/csvformat.h"
#include "io/csv/csvmapping.h"
#include "io/csv/csvtable.h"
#include "io/csv/widgets/definition/csvdefinitionlists.h"
#include "model/codec.h"
#include "model/settings.h"
#include "platform/dialogs.h"
#include "platform/host.h"

namespace mv {

namespace {

QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }
QString QSjis(const std::string& sjis) { return QString::fromStdString(ToUtf8(sjis)); }

const QColor kIdleColour(192, 192, 192);
const QColor kWorkingColour(255, 215, 0);

QDateEdit* NewDatePicker(const ClockTime& today, QWidget* parent) {
    auto* picker = new QDateEdit(QDate(today.year, today.month, today.day), parent);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    picker->setEnabled(false);
    return picker;
}

std::optional<Date> PickedDate(const QCheckBox* check, const QDateEdit* picker) {
    if (!check->isChecked()) return std::nullopt;
    const QDate date = picker->date();
    return Date{date.year(), date.month(), date.day()};
}

// A check box that enables its date picker, on one row of a group.
void AddDateRow(QGridLayout* grid, int row, QCheckBox* check, QDateEdit* picker) {
    grid->addWidget(check, row, 0);
    grid->addWidget(picker, row, 1);
    QObject::connect(check, &QCheckBox::toggled, picker, &QWidget::setEnabled);
}

QLabel* NewMessageLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setAutoFillBackground(true);
    label->setMinimumHeight(22);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, kIdleColour);
    label->setPalette(palette);
    return label;
}

QTableWidgetItem* FixedCell(const QString& text) {
    auto* cell = new QTableWidgetItem(text);
    cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return cell;
}

}  // namespace

TfrmCsvImportMain::TfrmCsvImportMain(CsvDefinitionHost& host, QWidget* owner)
    : QWidget(owner, Qt::Window), mHost(host) {
    setObjectName(QStringLiteral("TfrmCsvImportMain"));
    // The defaults the window gives the settings when it is created: blank headings and
    // unset export columns.
    EnvSettings& settings = mHost.Settings();
    CsvOptions options = CsvOptionsFromSettings(settings);
    ApplyDefinitionDefaults(options);
    settings.CsvTaiou = options.taiou;
    settings.ExportCol = options.exportCol;

    auto* layout = new QVBoxLayout(this);
    auto* menus = new QMenuBar(this);
    QMenu* file = menus->addMenu(Q("File(&F)"));
    QAction* quit = file->addAction(Q("終了(&X)"));
    connect(quit, &QAction::triggered, this, &QWidget::close);
    layout->setMenuBar(menus);

    mTabs = new QTabWidget(this);
    mImportTab = BuildImportTab();
    mExportTab = BuildExportTab();
    mHeadingTab = BuildHeadingTab();
    mTabs->addTab(mImportTab, Q("インポート"));
    mTabs->addTab(mExportTab, Q("エキスポート"));
    mTabs->addTab(mHeadingTab, Q("列見出し対応表"));
    layout->addWidget(mTabs);
    resize(640, 520);
    OpenImport();
}

QWidget* TfrmCsvImportMain::BuildImportTab() {
    auto* tab = new QWidget(this);
    auto* layout = new QVBoxLayout(tab);
    auto* guide = new QLabel(Q("ＣＳＶの１行目の列より対応項目を指定して下さい。 (Drag＆Drop 削除は逆操作)"), tab);
    guide->setObjectName(QStringLiteral("Lab_Guide"));
    layout->addWidget(guide);

    auto* lists = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(Q("ＣＳＶの１行目の列"), tab));
    LbxSelection = new ColumnListWidget(tab);
    LbxSelection->setObjectName(QStringLiteral("LbxSelection"));
    left->addWidget(LbxSelection);
    lists->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(Q("対応項目"), tab));
    GridKey = new KeyGridWidget(tab);
    GridKey->setObjectName(QStringLiteral("GridKey"));
    GridKey->setRowCount(kCsvItemCount);
    GridKey->setColumnCount(2);
    GridKey->horizontalHeader()->hide();
    GridKey->verticalHeader()->hide();
    GridKey->horizontalHeader()->setStretchLastSection(true);
    GridKey->setColumnWidth(0, 110);
    for (int item = 0; item < kCsvItemCount; ++item) {
        GridKey->setItem(item, 0, FixedCell(Q(CsvItemName(item))));
        GridKey->setItem(item, 1, FixedCell(QString()));
    }
    GridKey->setCurrentCell(0, 1);
    right->addWidget(GridKey);
    Btn_ImpAutoSet = new QPushButton(Q("対応項目の自動設定を行う"), tab);
    Btn_ImpAutoSet->setObjectName(QStringLiteral("Btn_ImpAutoSet"));
    right->addWidget(Btn_ImpAutoSet);
    lists->addLayout(right, 1);
    layout->addLayout(lists, 1);

    LbxSelection->onEnter = [this](int line) { PlaceLine(GridKey->currentRow() < 0 ? 0 : GridKey->currentRow(), line); };
    LbxSelection->onItemDropped = [this](int item) { ClearItem(item); };
    GridKey->onLineDropped = [this](int item, int line) { PlaceLine(item, line); };
    GridKey->onClear = [this](int item) { ClearItem(item); };
    connect(Btn_ImpAutoSet, &QPushButton::clicked, this, &TfrmCsvImportMain::AutoMap);

    const ClockTime today = mHost.System().Now();
    auto* options = new QHBoxLayout;
    auto* range = new QGroupBox(Q("  取り込み日付範囲 "), tab);
    auto* rangeGrid = new QGridLayout(range);
    Chk_ImpSDate = new QCheckBox(Q("開始"), range);
    Chk_ImpEDate = new QCheckBox(Q("終了"), range);
    Dpc_ImpSDate = NewDatePicker(today, range);
    Dpc_ImpEDate = NewDatePicker(today, range);
    Chk_ImpSDate->setObjectName(QStringLiteral("Chk_ImpSDate"));
    Chk_ImpEDate->setObjectName(QStringLiteral("Chk_ImpEDate"));
    Dpc_ImpSDate->setObjectName(QStringLiteral("Dpc_ImpSDate"));
    Dpc_ImpEDate->setObjectName(QStringLiteral("Dpc_ImpEDate"));
    AddDateRow(rangeGrid, 0, Chk_ImpSDate, Dpc_ImpSDate);
    AddDateRow(rangeGrid, 1, Chk_ImpEDate, Dpc_ImpEDate);
    options->addWidget(range);

    auto* duplicates = new QGroupBox(Q("  重複データの扱い "), tab);
    auto* duplicateLayout = new QVBoxLayout(duplicates);
    Rbt_ImpDupNo = new QRadioButton(Q("取り込まない"), duplicates);
    Rbt_ImpDupRep = new QRadioButton(Q("置換する"), duplicates);
    Rbt_ImpDupYes = new QRadioButton(Q("重複したまま取り込む"), duplicates);
    Rbt_ImpDupNo->setObjectName(QStringLiteral("Rbt_ImpDupNo"));
    Rbt_ImpDupRep->setObjectName(QStringLiteral("Rbt_ImpDupRep"));
    Rbt_ImpDupYes->setObjectName(QStringLiteral("Rbt_ImpDupYes"));
    Rbt_ImpDupRep->setChecked(true);
    for (QRadioButton* button : {Rbt_ImpDupNo, Rbt_ImpDupRep, Rbt_ImpDupYes}) duplicateLayout->addWidget(button);
    options->addWidget(duplicates);
    layout->addLayout(options);

    auto* buttons = new QHBoxLayout;
    Lab_ImpMsg = NewMessageLabel(tab);
    Lab_ImpMsg->setObjectName(QStringLiteral("Lab_ImpMsg"));
    buttons->addWidget(Lab_ImpMsg, 1);
    Btn_Import = new QPushButton(Q("インポート実行"), tab);
    Btn_ImportEnd = new QPushButton(Q("終了"), tab);
    Btn_Import->setObjectName(QStringLiteral("Btn_Import"));
    Btn_ImportEnd->setObjectName(QStringLiteral("Btn_ImportEnd"));
    buttons->addWidget(Btn_Import);
    buttons->addWidget(Btn_ImportEnd);
    layout->addLayout(buttons);
    connect(Btn_Import, &QPushButton::clicked, this, &TfrmCsvImportMain::RunImport);
    connect(Btn_ImportEnd, &QPushButton::clicked, this, &QWidget::close);
    return tab;
}

QWidget* TfrmCsvImportMain::BuildExportTab() {
    auto* tab = new QWidget(this);
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(new QLabel(Q("ＣＳＶの１行目の列見出し"), tab));
    lbxExport = new ExportListWidget(tab);
    lbxExport->setObjectName(QStringLiteral("lbxExport"));
    layout->addWidget(lbxExport, 1);
    layout->addWidget(new QLabel(Q("必要なら「ＣＳＶの１行目の列見出し」の並びを変更して下さい。 (Drag＆Drop) 　"), tab));
    layout->addWidget(new QLabel(Q("列名称は 「列見出し対応表」　タブで設定可能です。"), tab));
    // The list is built once: headings changed later show in it only in a new window.
    const EnvSettings& settings = mHost.Settings();
    mExportLines = ExportListLines(settings.ExportCol, settings.CsvTaiou);
    ShowExportLines();
    lbxExport->onMove = [this](int from, int to) { MoveExportLine(from, to); };
    lbxExport->onFocusOut = [this] { StoreExportOrder(); };

    const ClockTime today = mHost.System().Now();
    auto* options = new QHBoxLayout;
    auto* range = new QGroupBox(Q("  出力日付範囲 "), tab);
    auto* rangeGrid = new QGridLayout(range);
    Chk_ExpSDate = new QCheckBox(Q("開始"), range);
    Chk_ExpEDate = new QCheckBox(Q("終了"), range);
    Dpc_ExpSDate = NewDatePicker(today, range);
    Dpc_ExpEDate = NewDatePicker(today, range);
    Chk_ExpSDate->setObjectName(QStringLiteral("Chk_ExpSDate"));
    Chk_ExpEDate->setObjectName(QStringLiteral("Chk_ExpEDate"));
    Dpc_ExpSDate->setObjectName(QStringLiteral("Dpc_ExpSDate"));
    Dpc_ExpEDate->setObjectName(QStringLiteral("Dpc_ExpEDate"));
    AddDateRow(rangeGrid, 0, Chk_ExpSDate, Dpc_ExpSDate);
    AddDateRow(rangeGrid, 1, Chk_ExpEDate, Dpc_ExpEDate);
    options->addWidget(range);

    auto* heading = new QGroupBox(Q("  １行目の列見出し行"), tab);
    auto* headingLayout = new QVBoxLayout(heading);
    Rbt_ExpMidYes = new QRadioButton(Q("出力する"), heading);
    Rbt_ExpMidNo = new QRadioButton(Q("出力しない"), heading);
    Rbt_ExpMidYes->setObjectName(QStringLiteral("Rbt_ExpMidYes"));
    Rbt_ExpMidNo->setObjectName(QStringLiteral("Rbt_ExpMidNo"));
    Rbt_ExpMidYes->setChecked(true);
    headingLayout->addWidget(Rbt_ExpMidYes);
    headingLayout->addWidget(Rbt_ExpMidNo);
    options->addWidget(heading);
    layout->addLayout(options);

    auto* buttons = new QHBoxLayout;
    Lab_ExpMsg = NewMessageLabel(tab);
    Lab_ExpMsg->setObjectName(QStringLiteral("Lab_ExpMsg"));
    buttons->addWidget(Lab_ExpMsg, 1);
    Btn_Export = new QPushButton(Q("エキスポートデータ作成"), tab);
    Btn_ExportEnd = new QPushButton(Q("終了"), tab);
    Btn_Export->setObjectName(QStringLiteral("Btn_Export"));
    Btn_ExportEnd->setObjectName(QStringLiteral("Btn_ExportEnd"));
    buttons->addWidget(Btn_Export);
    buttons->addWidget(Btn_ExportEnd);
    layout->addLayout(buttons);
    connect(Btn_Export, &QPushButton::clicked, this, &TfrmCsvImportMain::RunExport);
    connect(Btn_ExportEnd, &QPushButton::clicked, this, &QWidget::close);
    return tab;
}

QWidget* TfrmCsvImportMain::BuildHeadingTab() {
    auto* tab = new QWidget(this);
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(new QLabel(Q("　  内部名称 　 ＣＳＶの１行目の列見出し(変更可)"), tab));
    GridMid = new QTableWidget(kCsvItemCount, 2, tab);
    GridMid->setObjectName(QStringLiteral("GridMid"));
    GridMid->horizontalHeader()->hide();
    GridMid->verticalHeader()->hide();
    GridMid->horizontalHeader()->setStretchLastSection(true);
    GridMid->setColumnWidth(0, 110);
    mFillingHeadings = true;
    const EnvSettings& settings = mHost.Settings();
    for (int item = 0; item < kCsvItemCount; ++item) {
        GridMid->setItem(item, 0, FixedCell(Q(CsvItemName(item))));
        GridMid->setItem(item, 1, new QTableWidgetItem(QSjis(settings.CsvTaiou[item])));
    }
    mFillingHeadings = false;
    layout->addWidget(GridMid, 1);
    // Each edited heading is kept at once, which also covers the grid losing the focus.
    connect(GridMid, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* cell) {
        if (!mFillingHeadings && cell->column() == 1) StoreHeadings();
    });
    return tab;
}

void TfrmCsvImportMain::ShowTabs(bool import) {
    mTabs->setTabVisible(mTabs->indexOf(mImportTab), import);
    mTabs->setTabVisible(mTabs->indexOf(mExportTab), !import);
    mTabs->setCurrentWidget(import ? mImportTab : mExportTab);
    setWindowTitle(Q(kProgramName + (import ? "  ＣＳＶファイルのインポート" : "  ＣＳＶファイルのエキスポート")));
}

void TfrmCsvImportMain::OpenImport() { ShowTabs(true); }
void TfrmCsvImportMain::OpenExport() { ShowTabs(false); }

void TfrmCsvImportMain::SetTable(const CsvTable* table, int frozenLines) {
    mTable = table;
    mFrozenLines = frozenLines;
    mColumnLines.clear();
    if (table && table->LineCount() > 0) {
        std::vector<std::string> first;
        table->Fields(0, first);
        mColumnLines = ColumnListLines(first, table->ColumnCount());
    }
    LbxSelection->clear();
    for (const std::string& line : mColumnLines) LbxSelection->addItem(QSjis(line));
    if (!mColumnLines.empty()) LbxSelection->setCurrentRow(0);
    mKeyCells = KeyCellTexts(mHost.Settings().ImportCol, mColumnLines);
    ShowKeyCells();
}

void TfrmCsvImportMain::ShowKeyCells() {
    for (int item = 0; item < kCsvItemCount; ++item) GridKey->item(item, 1)->setText(QSjis(mKeyCells[item]));
}

void TfrmCsvImportMain::PlaceLine(int item, int columnLine) {
    if (columnLine < 0 || columnLine >= static_cast<int>(mColumnLines.size())) return;
    if (!PlaceKeyCell(mKeyCells, item, mColumnLines[columnLine], mHost.Messages())) return;
    mHost.Settings().ImportCol = ImportColFromKeyCells(mKeyCells);
    ShowKeyCells();
}

void TfrmCsvImportMain::ClearItem(int item) {
    if (!ClearKeyCell(mKeyCells, item)) return;
    mHost.Settings().ImportCol = ImportColFromKeyCells(mKeyCells);
    ShowKeyCells();
}

void TfrmCsvImportMain::AutoMap() {
    EnvSettings& settings = mHost.Settings();
    if (mHost.Messages().Show(MessageKind::Question, kConfirmCaption, AutoMappingQuestion(settings.CsvTaiou),
                              Buttons::YesNo, Answer::Yes) != Answer::Yes)
        return;
    mKeyCells = AutoMappedKeyCells(mColumnLines, settings.CsvTaiou);
    settings.ImportCol = ImportColFromKeyCells(mKeyCells);
    ShowKeyCells();
}

void TfrmCsvImportMain::ChooseReplace() { Rbt_ImpDupRep->setChecked(true); }

ImportChoices TfrmCsvImportMain::CurrentImportChoices() const {
    ImportChoices choices;
    choices.from = PickedDate(Chk_ImpSDate, Dpc_ImpSDate);
    choices.to = PickedDate(Chk_ImpEDate, Dpc_ImpEDate);
    choices.duplicates = Rbt_ImpDupNo->isChecked()    ? DuplicateRule::Skip
                         : Rbt_ImpDupYes->isChecked() ? DuplicateRule::Keep
                                                      : DuplicateRule::Replace;
    return choices;
}

void TfrmCsvImportMain::SetWorking(QLabel* label, bool working, const std::string& text) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, working ? kWorkingColour : kIdleColour);
    label->setPalette(palette);
    label->setText(Q(text));
}

void TfrmCsvImportMain::RunImport() {
    EnvSettings& settings = mHost.Settings();
    Dialogs& dialogs = mHost.Messages();
    const ImportChoices choices = CurrentImportChoices();
    if (!ConfirmCsvImport(settings.ImportCol, choices, dialogs)) return;

    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    SetWorking(Lab_ImpMsg, true, "  インポート処理中です。");
    Btn_Import->setEnabled(false);
    Btn_ImportEnd->setEnabled(false);
    mHost.ImportRunning(true);
    QCoreApplication::processEvents();
    CsvOptions options = CsvOptionsFromSettings(settings);
    ApplyDefinitionDefaults(options);
    const CsvTable empty;
    const CsvImportResult result =
        ImportCsvTable(mHost.Edit(), mHost.FrameIds(), mHost.System(), dialogs, mTable ? *mTable : empty, mFrozenLines,
                       options, choices, [this](int row, int lastRow) {
                           Lab_ImpMsg->setText(Q(ImportProgressText(row, lastRow)));
                           QCoreApplication::processEvents();
                       });
    if (result.earliestAdded != Date{}) mHost.ImportFinished(result.earliestAdded, result.earliestStart);
    mHost.ImportRunning(false);
    SetWorking(Lab_ImpMsg, false, {});
    Btn_Import->setEnabled(true);
    Btn_ImportEnd->setEnabled(true);
    QGuiApplication::restoreOverrideCursor();
    ShowCsvImportDone(result, dialogs);
}

void TfrmCsvImportMain::ShowExportLines() {
    const int current = lbxExport->currentRow();
    lbxExport->clear();
    for (const std::string& line : mExportLines) {
        auto* entry = new QListWidgetItem(QSjis(ExportListCaption(line)));
        entry->setData(Qt::UserRole, ExportListItem(line));
        lbxExport->addItem(entry);
    }
    if (current >= 0) lbxExport->setCurrentRow(current);
}

void TfrmCsvImportMain::MoveExportLine(int from, int to) {
    MoveExportListLine(mExportLines, from, to);
    ShowExportLines();
    lbxExport->setCurrentRow(to);
    StoreExportOrder();
}

void TfrmCsvImportMain::StoreExportOrder() { mHost.Settings().ExportCol = ExportColFromListLines(mExportLines); }

ExportChoices TfrmCsvImportMain::CurrentExportChoices() const {
    ExportChoices choices;
    choices.from = PickedDate(Chk_ExpSDate, Dpc_ExpSDate);
    choices.to = PickedDate(Chk_ExpEDate, Dpc_ExpEDate);
    choices.headingLine = Rbt_ExpMidYes->isChecked();
    return choices;
}

void TfrmCsvImportMain::RunExport() {
    StoreExportOrder();
    Dialogs& dialogs = mHost.Messages();
    EditContext& edit = mHost.Edit();
    const int viewYear = edit.Working().Start().year;
    const ExportChoices choices = CurrentExportChoices();
    if (dialogs.Show(MessageKind::Question, kConfirmCaption, ExportConfirmationText(viewYear, choices), Buttons::YesNo,
                     Answer::Yes) != Answer::Yes)
        return;

    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    SetWorking(Lab_ExpMsg, true, "  エキスポートデータの作成中です。");
    Btn_Export->setEnabled(false);
    Btn_ExportEnd->setEnabled(false);
    QCoreApplication::processEvents();
    // What other sharers saved meanwhile goes out too; the frames on screen are in the
    // day store once committed.
    if (SharedMode* sharing = edit.Sharing()) sharing->Poll(0);
    edit.Working().CommitView(edit.Design().Modified());
    CsvOptions options = CsvOptionsFromSettings(mHost.Settings());
    ApplyDefinitionDefaults(options);
    std::vector<std::string> lines;
    const int count = BuildExportLines(edit.Design().Store(), edit.Working().Context(), viewYear, options, choices,
                                       lines, [this](int day, int days) {
                                           Lab_ExpMsg->setText(Q(ExportProgressText(day, days)));
                                           QCoreApplication::processEvents();
                                       });
    mHost.ExportLinesReady(lines);
    SetWorking(Lab_ExpMsg, false, {});
    Btn_Export->setEnabled(true);
    Btn_ExportEnd->setEnabled(true);
    QGuiApplication::restoreOverrideCursor();
    dialogs.Information(kConfirmCaption, ExportDoneText(count));
    close();
}

void TfrmCsvImportMain::StoreHeadings() {
    EnvSettings& settings = mHost.Settings();
    int replaced = 0;
    for (int item = 0; item < kCsvItemCount; ++item) {
        const QTableWidgetItem* cell = GridMid->item(item, 1);
        settings.CsvTaiou[item] = FromUtf8(cell ? cell->text().toStdString() : std::string(), &replaced);
    }
    if (replaced > 0)
        mHost.Messages().Information(kProgramName, "Shift-JIS で表せない文字は「?」に置き換えて記録します。");
}

}  // namespace mv
