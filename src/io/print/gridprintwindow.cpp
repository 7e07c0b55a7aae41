#include "io/print/gridprintwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <filesystem>
#include <span>

#include "io/print/gridprintoptions.h"
#include "io/print/gridprintpainter.h"
#include "model/codec.h"
#include "model/textfile.h"
#include "platform/dialogs.h"
#include "platform/filechooser.h"

namespace mv {

namespace {

std::filesystem::path PathFromUtf8(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

QStringList Labels(std::span<const GridPrintChoice> choices) {
    QStringList labels;
    for (const GridPrintChoice& choice : choices) labels << QString::fromUtf8(choice.label);
    return labels;
}

int PaperIndex(const std::string& paper) {
    for (std::size_t i = 0; i < std::size(kPaperChoices); ++i)
        if (paper == kPaperChoices[i].label) return static_cast<int>(i);
    return 1;  // A4
}

// Renders the pages into a PDF file and hands its bytes to the program's one writer, so the
// target is replaced whole or left as it was.
bool RenderPdf(const GridPrintRequest& request, const GridPrintSettings& settings, const std::string& utf8Path,
               Host& host) {
    QTemporaryDir folder;
    if (!folder.isValid()) return false;
    const QString temporary = folder.filePath(QStringLiteral("pages.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(temporary);
        printer.setCreator(QString::fromUtf8(kProgramName));
        printer.setDocName(QString::fromUtf8(ToUtf8(request.title)));
        ApplyPageSetup(printer, settings, request.monthCalendar);
        if (PaintGridDocument(printer, request, settings) == 0) return false;
    }
    QFile file(temporary);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.readAll();
    return WriteFileAtomically(PathFromUtf8(utf8Path), host, [&](LineWriter& out) {
        out.Bytes(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    });
}

}  // namespace

TfrmGridPrint_01::TfrmGridPrint_01(QWidget* parent, const GridPrintRequest& request,
                                   const GridPrintSettings& settings, Dialogs& dialogs, FileChooser& files)
    : QDialog(parent),
      mRequest(request),
      mSettings(settings),
      mDialogs(dialogs),
      mFiles(files),
      mPreviewPrinter(QPrinter::HighResolution) {
    setObjectName(QStringLiteral("TfrmGridPrint_01"));
    setWindowTitle(QString::fromUtf8(kProgramName) + QStringLiteral("  印刷"));
    setModal(true);
    // The preview lays pages out as the PDF file does, with or without a printer.
    mPreviewPrinter.setOutputFormat(QPrinter::PdfFormat);
    ApplyPageSetup(mPreviewPrinter, mSettings, mRequest.monthCalendar);
    BuildControls();
    resize(1100, 760);
    mReady = true;
    ControlsChanged();
}

QComboBox* TfrmGridPrint_01::AddCombo(const char* name, const QStringList& items, int index) {
    auto* combo = new QComboBox(mOptionPanel);
    combo->setObjectName(QString::fromUtf8(name));
    combo->addItems(items);
    combo->setCurrentIndex(std::clamp(index, 0, static_cast<int>(items.size()) - 1));
    connect(combo, &QComboBox::currentIndexChanged, this, &TfrmGridPrint_01::ControlsChanged);
    return combo;
}

QCheckBox* TfrmGridPrint_01::AddCheck(const char* name, const QString& label, int value) {
    auto* check = new QCheckBox(label, mOptionPanel);
    check->setObjectName(QString::fromUtf8(name));
    check->setChecked(value != 0);
    connect(check, &QCheckBox::toggled, this, &TfrmGridPrint_01::ControlsChanged);
    return check;
}

void TfrmGridPrint_01::BuildControls() {
    mOptionPanel = new QWidget(this);
    auto* form = new QFormLayout(mOptionPanel);
    form->setContentsMargins(0, 0, 0, 0);

    const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
    for (const QPrinterInfo& info : printers) mPrinterNames << info.printerName();
    int printerIndex = mSettings.PrinterIndex;
    if (printerIndex < 0 || printerIndex >= mPrinterNames.size())
        printerIndex = std::max(0, static_cast<int>(mPrinterNames.indexOf(QPrinterInfo::defaultPrinterName())));
    mPrinter = AddCombo("PrinterIndex",
                        mPrinterNames.isEmpty() ? QStringList{QStringLiteral("（プリンタがありません）")} : mPrinterNames,
                        printerIndex);
    mPrinter->setEnabled(!mPrinterNames.isEmpty());
    form->addRow(QStringLiteral("プリンタ"), mPrinter);
    mPaper = AddCombo("Prt_Paper", Labels(kPaperChoices), PaperIndex(mSettings.Prt_Paper));
    form->addRow(QStringLiteral("用紙"), mPaper);
    mOrient = AddCombo("Prt_Orient", Labels(kOrientChoices), IsLandscape(mSettings, mRequest.monthCalendar) ? 1 : 0);
    form->addRow(QStringLiteral("印刷の向き"), mOrient);
    mMgnUp = AddCombo("Cmb_MgnUp", Labels(kMarginChoices), ChoiceIndex(kMarginChoices, mSettings.Cmb_MgnUp));
    form->addRow(QStringLiteral("上余白"), mMgnUp);
    mMgnLeft = AddCombo("Cmb_MgnLeft", Labels(kMarginChoices), ChoiceIndex(kMarginChoices, mSettings.Cmb_MgnLeft));
    form->addRow(QStringLiteral("左余白"), mMgnLeft);
    mColor = AddCombo("Cmb_Color", Labels(kColourChoices), ChoiceIndex(kColourChoices, mSettings.Cmb_Color));
    form->addRow(QStringLiteral("色"), mColor);
    mLineKind = AddCombo("Cmb_LineKind", Labels(kLineKindChoices), ChoiceIndex(kLineKindChoices, mSettings.Cmb_LineKind));
    form->addRow(QStringLiteral("罫線"), mLineKind);
    mGray3 = AddCombo("Cmb_Gray3", Labels(kLineColourChoices), ChoiceIndex(kLineColourChoices, mSettings.Cmb_Gray3));
    form->addRow(QStringLiteral("罫線の色"), mGray3);
    mGray = AddCombo("Cmb_Gray", Labels(kShadeChoices), ChoiceIndex(kShadeChoices, mSettings.Cmb_Gray));
    form->addRow(QStringLiteral("見出しの網掛け"), mGray);

    // Options of a plain grid.
    mCellScale = AddCombo("CellScale", Labels(kCellScaleChoices), ChoiceIndex(kCellScaleChoices, mSettings.CellScale));
    form->addRow(QStringLiteral("倍率"), mCellScale);
    mCellWay = AddCombo("Cmb_CellWay", Labels(kPageOrderChoices), ChoiceIndex(kPageOrderChoices, mSettings.Cmb_CellWay));
    form->addRow(QStringLiteral("ページの順序"), mCellWay);
    mFixedCenter = AddCheck("FixedCenter", QStringLiteral("見出しを中央に揃える"), mSettings.FixedCenter);
    mDataCenter = AddCheck("DataCenter", QStringLiteral("データを中央に揃える"), mSettings.DataCenter);
    mTrimSpace = AddCheck("TrimSpace", QStringLiteral("前後の空白を除く"), mSettings.TrimSpace);
    mRowNo = AddCheck("PrintRowNo", QStringLiteral("行番号を印刷する"), mSettings.PrintRowNo);
    mColNo = AddCheck("PrintColNo", QStringLiteral("列番号を印刷する"), mSettings.PrintColNo);
    for (QCheckBox* check : {mFixedCenter, mDataCenter, mTrimSpace, mRowNo, mColNo}) form->addRow(check);

    // Options of a month calendar.
    mCalFont = AddCombo("Cmb_Cal_Font", Labels(kCalendarFontChoices),
                        ChoiceIndex(kCalendarFontChoices, mSettings.Cmb_Cal_Font));
    form->addRow(QStringLiteral("予定の文字"), mCalFont);
    mCalRateH = AddCombo("Cmb_Cal_RateH", Labels(kCalendarRateChoices),
                         ChoiceIndex(kCalendarRateChoices, mSettings.Cmb_Cal_RateH));
    form->addRow(QStringLiteral("カレンダーの高さ"), mCalRateH);
    mCalRateW = AddCombo("Cmb_Cal_RateW", Labels(kCalendarRateChoices),
                         ChoiceIndex(kCalendarRateChoices, mSettings.Cmb_Cal_RateW));
    form->addRow(QStringLiteral("カレンダーの幅"), mCalRateW);
    mCalTime = AddCheck("Cmb_Cal_Time", QStringLiteral("時刻を印刷する"), mSettings.Cmb_Cal_Time);
    mCalDateOnly = AddCheck("Cmb_Cal_DateOnly", QStringLiteral("日付のみ印刷する"), mSettings.Cmb_Cal_DateOnly);
    form->addRow(mCalTime);
    form->addRow(mCalDateOnly);

    mPrintDate = AddCheck("PrintDate", QStringLiteral("印刷日を印刷する"), mSettings.PrintDate);
    mPrintPage = AddCheck("PrintPage", QStringLiteral("ページ番号を印刷する"), mSettings.PrintPage);
    form->addRow(mPrintDate);
    form->addRow(mPrintPage);
    mZoom = AddCombo("Cmb_Scale", Labels(kPreviewZoomChoices), ChoiceIndex(kPreviewZoomChoices, mSettings.Cmb_Scale));
    form->addRow(QStringLiteral("プレビュー"), mZoom);

    const bool calendar = mRequest.monthCalendar;
    for (QWidget* w : std::initializer_list<QWidget*>{mCellScale, mCellWay, mFixedCenter, mDataCenter, mTrimSpace,
                                                      mRowNo, mColNo})
        w->setEnabled(!calendar);
    for (QWidget* w : std::initializer_list<QWidget*>{mCalFont, mCalRateH, mCalRateW, mCalTime, mCalDateOnly})
        w->setEnabled(calendar);

    mPreview = new QPrintPreviewWidget(&mPreviewPrinter, this);
    mPreview->setObjectName(QStringLiteral("Preview"));
    mPreview->setViewMode(QPrintPreviewWidget::AllPagesView);
    connect(mPreview, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* printer) {
        ApplyPageSetup(*printer, mSettings, mRequest.monthCalendar);
        PaintGridDocument(*printer, mRequest, mSettings);
    });

    auto* buttons = new QHBoxLayout;
    auto addButton = [&](const QString& text, const char* name, void (TfrmGridPrint_01::*action)()) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QString::fromUtf8(name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, action);
        buttons->addWidget(button);
        return button;
    };
    addButton(QStringLiteral("印刷(&P)"), "Btn_Print", &TfrmGridPrint_01::PrintClick);
    addButton(QStringLiteral("PDF 保存(&F)"), "Btn_Pdf", &TfrmGridPrint_01::SavePdfClick);
    addButton(QStringLiteral("テキスト保存(&T)"), "Btn_Text", &TfrmGridPrint_01::SaveTextClick);
    addButton(QStringLiteral("CSV 保存(&S)"), "Btn_Csv", &TfrmGridPrint_01::SaveCsvClick);
    buttons->addStretch();
    auto* close = new QPushButton(QStringLiteral("閉じる(&C)"), this);
    close->setObjectName(QStringLiteral("Btn_Close"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(close);

    auto* body = new QHBoxLayout;
    body->addWidget(mOptionPanel, 0, Qt::AlignTop);
    body->addWidget(mPreview, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);
}

void TfrmGridPrint_01::ReadControls() {
    GridPrintSettings& s = mSettings;
    if (!mPrinterNames.isEmpty()) s.PrinterIndex = mPrinter->currentIndex();
    s.Prt_Paper = kPaperChoices[static_cast<std::size_t>(mPaper->currentIndex())].label;
    s.Prt_Orient = kOrientNames[mOrient->currentIndex() == 1 ? 1 : 0];
    s.Cmb_MgnUp = mMgnUp->currentIndex();
    s.Cmb_MgnLeft = mMgnLeft->currentIndex();
    s.Cmb_Color = mColor->currentIndex();
    s.Cmb_LineKind = mLineKind->currentIndex();
    s.Cmb_Gray3 = mGray3->currentIndex();
    s.Cmb_Gray = mGray->currentIndex();
    s.CellScale = mCellScale->currentIndex();
    s.Cmb_CellWay = mCellWay->currentIndex();
    s.FixedCenter = mFixedCenter->isChecked() ? 1 : 0;
    s.DataCenter = mDataCenter->isChecked() ? 1 : 0;
    s.TrimSpace = mTrimSpace->isChecked() ? 1 : 0;
    s.PrintRowNo = mRowNo->isChecked() ? 1 : 0;
    s.PrintColNo = mColNo->isChecked() ? 1 : 0;
    s.Cmb_Cal_Font = mCalFont->currentIndex();
    s.Cmb_Cal_RateH = mCalRateH->currentIndex();
    s.Cmb_Cal_RateW = mCalRateW->currentIndex();
    s.Cmb_Cal_Time = mCalTime->isChecked() ? 1 : 0;
    s.Cmb_Cal_DateOnly = mCalDateOnly->isChecked() ? 1 : 0;
    s.PrintDate = mPrintDate->isChecked() ? 1 : 0;
    s.PrintPage = mPrintPage->isChecked() ? 1 : 0;
    s.Cmb_Scale = mZoom->currentIndex();
}

void TfrmGridPrint_01::ControlsChanged() {
    if (!mReady) return;
    ReadControls();
    ApplyPageSetup(mPreviewPrinter, mSettings, mRequest.monthCalendar);
    mPreview->updatePreview();
    ApplyZoom();
}

void TfrmGridPrint_01::ApplyZoom() {
    if (mSettings.Cmb_Scale == 1)
        mPreview->fitToWidth();
    else
        mPreview->fitInView();
}

int TfrmGridPrint_01::PreviewPageCount() const { return mPreview->pageCount(); }

void TfrmGridPrint_01::PrintClick() {
    if (mPrinterNames.isEmpty()) {
        const Answer answer = mDialogs.Show(MessageKind::Question, kProgramName,
                                            "プリンタがインストールされていません。\r\n"
                                            "代わりに PDF ファイルに保存しますか？",
                                            Buttons::YesNo, Answer::Yes);
        if (answer == Answer::Yes) SavePdfClick();
        return;
    }
    const QPrinterInfo info = QPrinterInfo::printerInfo(mPrinterNames.value(mPrinter->currentIndex()));
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QString::fromUtf8(ToUtf8(mRequest.title)));
    ApplyPageSetup(printer, mSettings, mRequest.monthCalendar);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (PaintGridDocument(printer, mRequest, mSettings) == 0) {
        mDialogs.Error(kProgramName, "印刷を開始できませんでした。");
        return;
    }
    mProduced = true;
}

std::optional<std::string> TfrmGridPrint_01::ChooseFile(const char* title, const char* filter, const char* extension) {
    std::string initial = ToUtf8(mSettings.SavePath);
    if (!initial.empty()) {
        std::filesystem::path path = PathFromUtf8(initial);
        path.replace_extension(extension);
        const std::u8string text = path.u8string();
        initial.assign(text.begin(), text.end());
    }
    std::optional<std::string> chosen = mFiles.ChooseSave({title, filter, initial});
    if (!chosen) return std::nullopt;
    // A name given without an extension gets the format's.
    if (!PathFromUtf8(*chosen).has_extension()) *chosen += extension;
    return chosen;
}

void TfrmGridPrint_01::WriteFailed(const std::string& utf8Path) {
    mDialogs.Error(kProgramName, "ファイルの書き込みに失敗しました。\r\r     PATH = " + utf8Path + "\r\r");
}

bool TfrmGridPrint_01::WriteLinesTo(const std::string& utf8Path, const std::vector<std::string>& lines) {
    if (!WriteLines(PathFromUtf8(utf8Path), lines, mHost)) {
        WriteFailed(utf8Path);
        return false;
    }
    mSettings.SavePath = FromUtf8(utf8Path);
    mProduced = true;
    return true;
}

void TfrmGridPrint_01::SavePdfClick() {
    const auto path = ChooseFile("PDF 保存", "(*.pdf)|*.pdf|(*.*)|*.*", ".pdf");
    if (!path) return;
    if (!RenderPdf(mRequest, mSettings, *path, mHost)) {
        WriteFailed(*path);
        return;
    }
    mSettings.SavePath = FromUtf8(*path);
    mProduced = true;
}

void TfrmGridPrint_01::SaveTextClick() {
    const auto path = ChooseFile("テキスト保存", "(*.txt)|*.txt|(*.*)|*.*", ".txt");
    if (path) WriteLinesTo(*path, GridTextLines(mRequest, mSettings.TrimSpace != 0));
}

void TfrmGridPrint_01::SaveCsvClick() {
    const auto path = ChooseFile("CSV 保存", "(*.csv)|*.csv|(*.*)|*.*", ".csv");
    if (path) WriteLinesTo(*path, GridCsvLines(mRequest, mSettings.TrimSpace != 0));
}

bool RunGridPrint(QWidget* parent, const GridPrintRequest& request, GridPrintSettings& settings, Dialogs& dialogs,
                  FileChooser& files) {
    TfrmGridPrint_01 window(parent, request, settings, dialogs, files);
    window.exec();
    settings = window.Settings();
    return window.Produced();
}

bool WriteGridPdf(const GridPrintRequest& request, const GridPrintSettings& settings, const std::string& utf8Path) {
    SystemHost host;
    return RenderPdf(request, settings, utf8Path, host);
}

}  // namespace mv
