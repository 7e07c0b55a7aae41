#include "io/print/timeprintwindow.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "io/print/timepdf.h"
#include "io/print/timepreviewpane.h"
#include "model/codec.h"
#include "platform/dialogs.h"
#include "platform/filechooser.h"
#include "view/paintkit.h"

namespace mv {

namespace {

const char* const kNoPrinter =
    "このマシンにはプリンタドライバがインストールされていません。\r\n\r\n"
    "このソフトはプリンタドライバがないと正常に動作しないので\r\n\r\n"
    "プリンタドライバをインストールしてからご使用下さい。";
const char* const kBadPaper =
    "このソフトはプリンタの用紙サイズが [A3, A4, A5, B4, B5] 以外では\r\n正常に動作しません。\r\n\r\n"
    "プリンタの設定で用紙サイズを変更して下さい。";
const char* const kNoPrinterInfo = "プリンタ情報を取得できませんでした。";
const char* const kPrinting = "印刷中です..";
constexpr double kScreenDpi = 96;
constexpr double kMmPerInch = 25.4;

QString Utf(const std::string& utf8) { return QString::fromUtf8(utf8); }

QStringList Items(const std::vector<std::string>& texts) {
    QStringList items;
    for (const std::string& text : texts) items << Utf(text);
    return items;
}

QStringList Numbers(int first, int last, int step) {
    QStringList items;
    for (int value = first; value <= last; value += step) items << QStringLiteral(" %1").arg(value);
    return items;
}

std::string ResourcesMessage(int percent) {
    const std::string stars = "★★★★★★★★★★★★★★★★★★★★";
    return "システム資源が足りない為、用紙の大きさを正しく描画できません。\r\r次の何れかを変更して下さい。\r\r " + stars +
           "\r\r    (1) 用紙サイズを小さくする。\r\r    (2) 表示倍率、復元倍率を小さくする。( " + std::to_string(percent) +
           " % 以下 )\r\r " + stars + "\r ";
}

}  // namespace

TfrmTimePrint_01::TfrmTimePrint_01(QWidget* parent, const TimePrintRequest& request, const TimePrintChoices& choices,
                                   Host& host, Dialogs& dialogs, FileChooser& files)
    : QDialog(parent), mRequest(request), mChoices(choices), mHost(host), mDialogs(dialogs), mFiles(files) {
    setObjectName(QStringLiteral("TfrmTimePrint_01"));
    setWindowTitle(Utf(kProgramName) + QStringLiteral("  印刷"));
    setModal(true);
    chooseColour = [this](int colour) -> std::optional<int> {
        const QColor chosen = QColorDialog::getColor(ColourOf(colour), this);
        if (!chosen.isValid()) return std::nullopt;
        return chosen.red() | chosen.green() << 8 | chosen.blue() << 16;
    };
    BuildControls();
    resize(1100, 760);
    Open();
}

TfrmTimePrint_01::~TfrmTimePrint_01() = default;

QComboBox* TfrmTimePrint_01::AddCombo(const char* name, const QStringList& items, int index) {
    auto* combo = new QComboBox(mTop);
    combo->setObjectName(QString::fromUtf8(name));
    combo->addItems(items);
    combo->setCurrentIndex(std::clamp(index, 0, static_cast<int>(items.size()) - 1));
    return combo;
}

void TfrmTimePrint_01::BuildControls() {
    mTop = new QWidget(this);
    mTop->setObjectName(QStringLiteral("pnlTop"));
    // Two rows, so that the panel fits a window 1280 pixels wide: the groups, then the options.
    auto* rows = new QVBoxLayout(mTop);
    rows->setContentsMargins(0, 0, 0, 0);
    auto* top = new QHBoxLayout;
    auto* second = new QHBoxLayout;
    rows->addLayout(top);
    rows->addLayout(second);
    auto group = [&](const QString& caption, const char* name, QHBoxLayout* row = nullptr) {
        auto* box = new QGroupBox(caption, mTop);
        box->setObjectName(QString::fromUtf8(name));
        (row ? row : top)->addWidget(box);
        return new QGridLayout(box);
    };
    auto button = [&](const QString& text, const char* name, auto action) {
        auto* b = new QPushButton(text, mTop);
        b->setObjectName(QString::fromUtf8(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, action);
        return b;
    };
    auto label = [&](const QString& text) { return new QLabel(text, mTop); };

    QGridLayout* scale = group(QStringLiteral("表示"), "grpScale");
    mScale = AddCombo("Cmb_Scale", Items(PreviewScaleEntries(true)), mChoices.scale);
    mResetScl = AddCombo("Cmb_ResetScl", Items(PreviewScaleEntries(false)), mChoices.restoreScale);
    scale->addWidget(label(QStringLiteral(" 表示倍率 ")), 0, 0);
    scale->addWidget(mScale, 0, 1);
    scale->addWidget(label(QStringLiteral(" 復元時 ")), 1, 0);
    scale->addWidget(mResetScl, 1, 1);
    scale->addWidget(button(QStringLiteral("表示切替"), "Btn_Kirikae", [this] { KirikaeClick(); }), 2, 0, 1, 2);

    QGridLayout* colour = group(QStringLiteral("網掛濃度"), "grpGray");
    mColor = AddCombo("Cmb_Color", {QStringLiteral(" Mono"), QStringLiteral(" Gray"), QStringLiteral(" White")},
                      mChoices.color);
    mFixedFC = button(QStringLiteral("固定文字色"), "pnlFixedFC", [this] { ChooseFixedColour(); });
    colour->addWidget(label(QStringLiteral(" ｶﾗｰ ")), 0, 0);
    colour->addWidget(mColor, 0, 1);
    colour->addWidget(mFixedFC, 0, 2, 1, 2);
    static const char* const kGrayNames[] = {"Cmb_Gray", "Cmb_Gray2", "Cmb_Gray3", "Cmb_Gray4"};
    for (int i = 0; i < 4; ++i) mGray[i] = AddCombo(kGrayNames[i], Numbers(0, 255, 1), mChoices.gray[i]);
    colour->addWidget(label(QStringLiteral("固定欄")), 1, 0);
    colour->addWidget(mGray[0], 1, 1);
    colour->addWidget(mGray[2], 1, 1);
    colour->addWidget(label(QStringLiteral("枠")), 2, 0);
    colour->addWidget(mGray[1], 2, 1);
    colour->addWidget(mGray[3], 2, 1);
    colour->addWidget(button(QStringLiteral("－"), "Btn_GrayDown", [this] { StepGray(-1); }), 1, 2, 2, 1);
    colour->addWidget(button(QStringLiteral("＋"), "Btn_GrayUp", [this] { StepGray(1); }), 1, 3, 2, 1);

    QGridLayout* margins = group(QStringLiteral(" 余白 [mm] "), "grpMargin");
    mMgnLeft = AddCombo("Cmb_MgnLeft", Numbers(0, 100, 5), mChoices.marginLeft);
    mMgnUp = AddCombo("Cmb_MgnUp", Numbers(0, 100, 5), mChoices.marginUp);
    margins->addWidget(label(QStringLiteral("左")), 0, 0);
    margins->addWidget(mMgnLeft, 0, 1);
    margins->addWidget(label(QStringLiteral("上")), 1, 0);
    margins->addWidget(mMgnUp, 1, 1);

    QGridLayout* pages = group(Utf(PageCaption(1, 1)), "grpPage");
    mPageGroup = static_cast<QGroupBox*>(pages->parentWidget());
    mPageMin = AddCombo("Cmb_PageMin", {QStringLiteral(" 1")}, 0);
    mPageMax = AddCombo("Cmb_PageMax", {QStringLiteral(" 1")}, 0);
    pages->addWidget(mPageMin, 0, 0);
    pages->addWidget(button(QStringLiteral("－"), "Btn_PageMinDown", [this] { StepPage(mPageMin, -1); }), 0, 1);
    pages->addWidget(button(QStringLiteral("＋"), "Btn_PageMinUp", [this] { StepPage(mPageMin, 1); }), 0, 2);
    pages->addWidget(label(QStringLiteral("印刷時")), 1, 0, 1, 3);
    pages->addWidget(mPageMax, 2, 0);
    pages->addWidget(button(QStringLiteral("－"), "Btn_PageMaxDown", [this] { StepPage(mPageMax, -1); }), 2, 1);
    pages->addWidget(button(QStringLiteral("＋"), "Btn_PageMaxUp", [this] { StepPage(mPageMax, 1); }), 2, 2);

    QGridLayout* printer = group(QStringLiteral(" プリンタ "), "grpPrinter");
    mPrtInf = label(QString());
    mPrtInf->setObjectName(QStringLiteral("lblPrtInf"));
    mPrintExec = button(QStringLiteral("印刷する"), "btnPrintExec2", [this] { PrintClick(); });
    mPrtSet = button(QStringLiteral("プリンタの設定"), "btnPrtSet", [this] { PrinterSetupClick(); });
    printer->addWidget(mPrtInf, 0, 0, 1, 3);
    printer->addWidget(mPrintExec, 1, 0);
    printer->addWidget(mPrtSet, 1, 1);
    printer->addWidget(button(QStringLiteral("PDF に保存"), "btnPdf", [this] { SavePdfClick(); }), 1, 2);

    QGridLayout* options = group(QStringLiteral("その他の印刷条件"), "pnlOption", second);
    const QStringList pagesItems{QStringLiteral(" 1. 先頭ページにのみ印刷"), QStringLiteral(" 2. 全ページに印刷")};
    mPrintHedder = AddCombo("Cmb_PrintHedder", pagesItems, mChoices.headerOnAllPages);
    mPrintDate = AddCombo("Cmb_PrintDate", pagesItems, mChoices.dateRowsOnAllPages);
    mPageKyoukai = AddCombo("Cmb_PageKyoukai",
                            {QStringLiteral(" 1. 枠内容を継続して印刷"), QStringLiteral(" 2. 枠内容の先頭から印刷")}, 0);
    options->addWidget(label(QStringLiteral("タイトル")), 0, 0);
    options->addWidget(mPrintHedder, 0, 1);
    options->addWidget(label(QStringLiteral("日付・曜日欄")), 0, 2);
    options->addWidget(mPrintDate, 0, 3);
    options->addWidget(label(QStringLiteral("ページ境界枠")), 0, 4);
    options->addWidget(mPageKyoukai, 0, 5);
    top->addStretch();
    second->addStretch();

    mPreview = new TimePreviewPane(this);
    mPreview->onTurnPage = [this](int direction) { TurnPage(direction); };
    mPrinting = new QLabel(Utf(kPrinting), this);
    mPrinting->setObjectName(QStringLiteral("lblPrinting"));
    mPrinting->setAlignment(Qt::AlignCenter);
    mPrinting->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mTop);
    layout->addWidget(mPreview, 1);
    layout->addWidget(mPrinting, 1);

    for (QComboBox* combo : {mScale, mColor, mGray[0], mGray[1], mGray[2], mGray[3], mMgnLeft, mMgnUp, mPrintHedder,
                             mPrintDate, mPageKyoukai})
        connect(combo, &QComboBox::currentIndexChanged, this, [this] {
            if (mReady) PreparePrint();
        });
    connect(mResetScl, &QComboBox::currentIndexChanged, this, [this] { ReadControls(); });
    connect(mPageMin, &QComboBox::currentIndexChanged, this, [this](int page) {
        if (mReady && page >= 0) DrawPage(page);
    });
}

void TfrmTimePrint_01::Open() {
    // Print date and time are taken once, when the window opens.
    const ClockTime now = mHost.Now();
    mHeader.title = mRequest.title;
    mHeader.firstYear = mRequest.layout->Columns().empty() ? now.year : mRequest.layout->Columns().front().date.year;
    mHeader.printedAt = PrintedAtText(now.year, now.month, now.day, now.hour, now.minute, now.second);

    const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
    if (printers.isEmpty()) {
        // PDF stays possible: the window says so and works on with the PDF file as target.
        mDialogs.Error(kProgramName, kNoPrinter);
    } else {
        const QString stored = Utf(ToUtf8(mChoices.printerName));
        QPrinterInfo info = QPrinterInfo::printerInfo(stored);
        if (info.isNull()) info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) info = printers.front();
        if (info.isNull() || info.printerName().isEmpty())
            mDialogs.Information(kProgramName, kNoPrinterInfo);
        else
            mPrinterName = info.printerName();
    }
    if (!SupportedPaper(mChoices.paper)) {
        mDialogs.Error(kProgramName, kBadPaper);
        mChoices.paper = kPaperA4;
    }
    mPrtSet->setEnabled(HasPrinter());
    UpdatePrinterText();
    ShowGrayPair();
    mReady = true;
    PreparePrint();
}

QString TfrmTimePrint_01::PrinterText() const {
    if (!HasPrinter()) return QStringLiteral("PDF");
    const QPrinterInfo info = QPrinterInfo::printerInfo(mPrinterName);
    return (info.printerName() + QLatin1Char(' ') + info.makeAndModel() + QLatin1Char(' ') + info.location()).trimmed();
}

void TfrmTimePrint_01::UpdatePrinterText() {
    mPrtInf->setText(Utf(PaperText(mChoices.paper, mChoices.orientation)) + QStringLiteral("：") + PrinterText());
}

QPageLayout TfrmTimePrint_01::PaperLayout() const { return TimePrintPageLayout(mChoices.paper, mChoices.orientation); }

void TfrmTimePrint_01::ReadControls() {
    TimePrintChoices& c = mChoices;
    c.scale = mScale->currentIndex();
    c.restoreScale = mResetScl->currentIndex();
    c.color = mColor->currentIndex();
    for (int i = 0; i < 4; ++i) c.gray[i] = mGray[i]->currentIndex();
    c.marginLeft = mMgnLeft->currentIndex();
    c.marginUp = mMgnUp->currentIndex();
    c.headerOnAllPages = mPrintHedder->currentIndex();
    c.dateRowsOnAllPages = mPrintDate->currentIndex();
    c.pageBoundary = mPageKyoukai->currentIndex();
    if (HasPrinter()) {
        c.printerName = FromUtf8(mPrinterName.toStdString());
        c.printerPort = FromUtf8(QPrinterInfo::printerInfo(mPrinterName).location().toStdString());
    }
}

void TfrmTimePrint_01::ShowGrayPair() {
    // Mono uses the first pair of densities, the other modes the second.
    const bool mono = mColor->currentIndex() == 0;
    mGrayFixed = mGray[mono ? 0 : 2];
    mGrayFrame = mGray[mono ? 1 : 3];
    for (int i = 0; i < 4; ++i) mGray[i]->setVisible(mono == (i < 2));
}

void TfrmTimePrint_01::PreparePrint() {
    ReadControls();
    ShowGrayPair();
    const QRectF paperMm = PaperLayout().fullRect(QPageLayout::Millimeter);
    const QSizeF paper96(paperMm.width() / kMmPerInch * kScreenDpi, paperMm.height() / kMmPerInch * kScreenDpi);
    const QSize client = mPreview->viewport()->size();
    // A window not yet laid out gives a tiny fit: the paper is drawn at least at 5 %.
    const double wanted = std::max(
        0.05, PreviewScale(mChoices.scale, client.width(), client.height(), paper96.width(), paper96.height()));
    // A bitmap the system cannot make is retried smaller, and the user told how far it went.
    double scale = wanted;
    QImage image;
    for (; scale > 0.04; scale -= 0.1) {
        image = QImage(QSize(std::max(1, static_cast<int>(paper96.width() * scale)),
                             std::max(1, static_cast<int>(paper96.height() * scale))),
                       QImage::Format_RGB32);
        if (!image.isNull()) break;
    }
    if (image.isNull()) {
        // Still nothing: a smaller entry of the scale list (not below its second), whose
        // change prepares again.
        if (mScale->currentIndex() > 1) mScale->setCurrentIndex(mScale->currentIndex() - 1);
        return;
    }
    if (scale < wanted - 1e-9) mDialogs.Error(kProgramName, ResourcesMessage(static_cast<int>(scale * 100)));
    mPreviewScale = scale;

    mPages = std::make_unique<TimePagePainter>(*mRequest.layout, *mRequest.days, mRequest.options, mChoices, mHeader);
    mPages->Compose(QSizeF(image.size()), kScreenDpi * scale);
    mPreview->SetImage(image);
    FillPageLists();
    DrawPage(0);
}

void TfrmTimePrint_01::FillPageLists() {
    const QSignalBlocker blockMin(mPageMin), blockMax(mPageMax);
    const QStringList numbers = Numbers(1, PageCount(), 1);
    mPageMin->clear();
    mPageMin->addItems(numbers);
    mPageMax->clear();
    mPageMax->addItems(numbers);
    mPageMin->setCurrentIndex(0);
    mPageMax->setCurrentIndex(PageCount() - 1);
}

int TfrmTimePrint_01::PageCount() const { return mPages ? mPages->PageCount() : 0; }

int TfrmTimePrint_01::ShownPage() const { return mPageMin->currentIndex(); }

void TfrmTimePrint_01::DrawPage(int page) {
    if (!mPages) return;
    QImage image = mPreview->Image();
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing);
        mPages->DrawPage(painter, page);
    }
    mPreview->SetImage(image);
    mPageGroup->setTitle(Utf(PageCaption(page + 1, PageCount())));
}

void TfrmTimePrint_01::StepPage(QComboBox* combo, int step) {
    const int index = std::clamp(combo->currentIndex() + step, 0, combo->count() - 1);
    combo->setCurrentIndex(index);  // the first page's list redraws through its signal
}

void TfrmTimePrint_01::TurnPage(int direction) { StepPage(mPageMin, direction); }

void TfrmTimePrint_01::StepGray(int step) {
    for (QComboBox* combo : {mGrayFixed, mGrayFrame}) {
        const QSignalBlocker block(combo);
        combo->setCurrentIndex(std::clamp(combo->currentIndex() + step, 0, combo->count() - 1));
    }
    PreparePrint();
}

void TfrmTimePrint_01::KirikaeClick() { mScale->setCurrentIndex(NextScaleEntry(mScale->currentIndex(), mResetScl->currentIndex())); }

void TfrmTimePrint_01::ChooseFixedColour() {
    if (auto colour = chooseColour(mChoices.fixedTextColour)) {
        mChoices.fixedTextColour = *colour;
        PreparePrint();
    }
}

void TfrmTimePrint_01::PrinterSetupClick() {
    if (!HasPrinter()) return;
    QPrinter printer(QPrinterInfo::printerInfo(mPrinterName), QPrinter::HighResolution);
    printer.setPageLayout(PaperLayout());
    QPageSetupDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    const int code = PaperCodeOf(printer.pageLayout().pageSize().id());
    if (!SupportedPaper(code)) {
        mDialogs.Error(kProgramName, kBadPaper);
    } else {
        mChoices.paper = code;
        mChoices.orientation = printer.pageLayout().orientation() == QPageLayout::Landscape ? kLandscape : kPortrait;
    }
    UpdatePrinterText();
    PreparePrint();
}

bool TfrmTimePrint_01::PrintPages(int first, int last) {
    TimePagePainter pages(*mRequest.layout, *mRequest.days, mRequest.options, mChoices, mHeader);
    QPrinter printer(QPrinterInfo::printerInfo(mPrinterName), QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setPageLayout(PaperLayout());
    printer.setDocName(Utf(ToUtf8(mRequest.title)));
    ComposeForDevice(pages, printer);
    return DrawPages(printer, pages, first, last, [&](int page) {
        mPrinting->setText(Utf(std::string(kPrinting) + ".  " + PageCaption(page + 1, pages.PageCount())));
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
}

std::optional<std::string> TfrmTimePrint_01::ChoosePdfPath() {
    return mFiles.ChooseSave({"PDF 保存", "(*.pdf)|*.pdf|(*.*)|*.*", ""});
}

bool TfrmTimePrint_01::WritePdf(const std::string& path, int first, int last) {
    TimePagePainter pages(*mRequest.layout, *mRequest.days, mRequest.options, mChoices, mHeader);
    if (!WriteTimetablePdf(pages, PaperLayout(), first, last, path, ToUtf8(mRequest.title), mHost)) {
        mDialogs.Error(kProgramName, "ファイルの書き込みに失敗しました。\r\r     PATH = " + path + "\r\r");
        return false;
    }
    return true;
}

void TfrmTimePrint_01::PrintClick() {
    if (!mPages) return;
    auto [first, last] = PrintRange(mPageMin->currentIndex(), mPageMax->currentIndex());
    {
        const QSignalBlocker block(mPageMin);
        mPageMin->setCurrentIndex(first);
        mPageMax->setCurrentIndex(last);
    }
    const std::string question = "印刷を行います。\r\r    Page " + std::to_string(first + 1) + " ～ " +
                                 std::to_string(last + 1) + "\r\r    用紙サイズ  ．．．．．  " +
                                 PaperText(mChoices.paper, mChoices.orientation) + "\r    プリンタドライバ ．．． " +
                                 PrinterText().toStdString() + "\r\rよろしいですか？\r";
    if (mDialogs.Show(MessageKind::Question, kProgramName, question, Buttons::OkCancel, Answer::Ok) != Answer::Ok)
        return;
    // Without a printer the pages go into a PDF file, chosen before anything starts.
    std::optional<std::string> pdf;
    if (!HasPrinter() && !(pdf = ChoosePdfPath())) return;
    // The preview hides behind the progress text and comes back with its page, also when
    // printing fails midway.
    mPreview->hide();
    mPrinting->setText(Utf(kPrinting));
    mPrinting->show();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool done = false;
    try {
        done = pdf ? WritePdf(*pdf, first, last) : PrintPages(first, last);
        if (!done && !pdf) mDialogs.Error(kProgramName, "印刷できませんでした。");
    } catch (const std::exception&) {
        mDialogs.Error(kProgramName, "印刷できませんでした。");
    }
    QApplication::restoreOverrideCursor();
    mPrinting->hide();
    mPreview->show();
    DrawPage(first);
    mProduced = mProduced || done;
}

void TfrmTimePrint_01::SavePdfClick() {
    if (!mPages) return;
    auto [first, last] = PrintRange(mPageMin->currentIndex(), mPageMax->currentIndex());
    if (std::optional<std::string> path = ChoosePdfPath(); path && WritePdf(*path, first, last)) mProduced = true;
}

bool RunTimePrint(QWidget* parent, const TimePrintRequest& request, EnvSettings& settings, Host& host,
                  Dialogs& dialogs, FileChooser& files) {
    TimePrintChoices choices = TimePrintChoicesFrom(settings);
    bool produced = false;
    try {
        TfrmTimePrint_01 window(parent, request, choices, host, dialogs, files);
        window.setWindowState(Qt::WindowMaximized);
        window.exec();
        choices = window.Choices();
        produced = window.Produced();
    } catch (const std::exception&) {
        StoreTimePrintChoices(choices, settings);
        throw;
    }
    StoreTimePrintChoices(choices, settings);
    return produced;
}

}  // namespace mv
