#include "auxiliary/widgets/environmentdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "auxiliary/environmentchoices.h"
#include "model/codec.h"
#include "model/holidaytable.h"
#include "model/keyvalueline.h"
#include "model/settings.h"
#include "platform/dialogs.h"
#include "view/paintkit.h"

namespace mv {

namespace {

constexpr char kPresetNames[3][16] = {"標準１", "標準２", "標準３"};

QColor ColourOfRgb(int rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

void PaintPanel(QPushButton* panel, int bgr, bool blackCaption = true) {
    panel->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: %2; border: 1px solid gray; "
                                        "padding: 6px 14px; }")
                             .arg(ColourOf(bgr).name(), blackCaption ? QStringLiteral("black") : QStringLiteral("white")));
}

QComboBox* NewList(QWidget* parent, const char* name, const std::vector<std::string>& items) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromUtf8(name));
    for (const std::string& item : items) list->addItem(QString::fromStdString(item));
    return list;
}

std::vector<std::string> Numbers(int first, int last) {
    std::vector<std::string> items;
    for (int n = first; n <= last; ++n) items.push_back(" " + std::to_string(n));
    return items;
}

QCheckBox* NewCheck(QWidget* parent, const char* name, const QString& caption) {
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(QString::fromUtf8(name));
    return check;
}

void Select(QComboBox* list, int index) { list->setCurrentIndex(std::clamp(index, 0, list->count() - 1)); }

// The holiday grid's cells: the label columns in the fixed colour with white text and a
// raised border, the days on their colours, the current month outlined in white.
class HolidayDelegate : public QStyledItemDelegate {
public:
    HolidayDelegate(QTableWidget* grid, HolidayTable& holidays) : QStyledItemDelegate(grid), mGrid(grid), mHolidays(holidays) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const int month = index.row() + 1, column = index.column();
        const QRect cell = option.rect;
        painter->save();
        if (column == 0 || column == kHolidayGridColumns - 1) {
            painter->fillRect(cell, ColourOfRgb(0x808080));
            painter->setPen(Qt::white);
            painter->drawLine(cell.topLeft(), cell.topRight());
            painter->drawLine(cell.topLeft(), cell.bottomLeft());
            painter->setPen(Qt::black);
            painter->drawLine(cell.bottomLeft(), cell.bottomRight());
            painter->drawLine(cell.topRight(), cell.bottomRight());
            painter->setPen(Qt::white);
            painter->drawText(cell, Qt::AlignCenter, QString::fromStdString(MonthLabel(month)));
        } else {
            const bool holiday = mHolidays.IsSet(month, column);
            painter->fillRect(cell, ColourOfRgb(HolidayCellColour(month, holiday)));
            painter->setPen(holiday ? Qt::white : Qt::black);
            painter->drawText(cell.adjusted(2, 2, 0, 0), Qt::AlignCenter, QString::number(column));
            if (index.row() == mGrid->currentRow()) {
                painter->setPen(Qt::white);
                painter->drawLine(cell.topLeft(), cell.topRight());
                painter->drawLine(cell.bottomLeft(), cell.bottomRight());
                if (column == 1) painter->drawLine(cell.topLeft(), cell.bottomLeft());
                if (column == kHolidayGridColumns - 2) painter->drawLine(cell.topRight(), cell.bottomRight());
            }
        }
        painter->restore();
    }

private:
    QTableWidget* mGrid;
    HolidayTable& mHolidays;
};

}  // namespace

TfrmTimeEtc_01::TfrmTimeEtc_01(EnvironmentHost& host, QWidget* parent) : QDialog(parent), mHost(host) {
    setObjectName(QStringLiteral("TfrmTimeEtc_01"));
    setWindowTitle(QStringLiteral("マロベランティス２  動作環境の定義"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    auto* menu = new QMenuBar(this);
    QAction* exit = menu->addMenu(QStringLiteral("File(&F)"))->addAction(QStringLiteral("終了(&X)"));
    connect(exit, &QAction::triggered, this, &QWidget::hide);
    layout->setMenuBar(menu);
    PCtl_Base = new QTabWidget(this);
    PCtl_Base->setObjectName(QStringLiteral("PCtl_Base"));
    PCtl_Base->addTab(BuildGeneralPage(), QStringLiteral("全体設定"));
    PCtl_Base->addTab(BuildPrintPage(), QStringLiteral("印刷・HTML"));
    PCtl_Base->addTab(BuildHolidayPage(), QStringLiteral("祝祭日"));
    connect(PCtl_Base, &QTabWidget::currentChanged, this, [this] { Load(); });
    layout->addWidget(PCtl_Base);

    for (QComboBox* list : {Cmb_BeginFS, Cmb_BeginDivCnt, Cmb_FormScale, Cmb_DispDate, Cmb_BeginRead, Cmb_BeginTime,
                            Cmb_PrtSTime, Cmb_PrtETime, Cmb_HtmlAlign, Cmb_HtmlLink})
        connect(list, &QComboBox::currentIndexChanged, this, [this, list] { ListChanged(list); });
    for (QCheckBox* check : {Chk_PrtTitle, Chk_PrtDate, Chk_PrtPage, Chk_HtmlMakeDate})
        connect(check, &QCheckBox::toggled, this, [this, check] { ListChanged(check); });
    connect(Cmb_WakuLoc, &QComboBox::currentIndexChanged, this, [this] { PlacementChosen(true); });
    connect(Cmb_TitleLoc, &QComboBox::currentIndexChanged, this, [this] { PlacementChosen(false); });
}

QWidget* TfrmTimeEtc_01::BuildGeneralPage() {
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    auto* colours = new QHBoxLayout;
    Pnl_DefaultBC = new QPushButton(QStringLiteral("枠色の選択"), page);
    Pnl_DefaultBC->setObjectName(QStringLiteral("Pnl_DefaultBC"));
    colours->addWidget(Pnl_DefaultBC);
    connect(Pnl_DefaultBC, &QPushButton::clicked, this, [this] {
        int colour = mHost.Settings().DefaultWakuBC;
        if (!mHost.ChooseColour(colour)) return;
        mHost.Settings().DefaultWakuBC = colour;
        mHost.FrameDefaultsChanged();
        ShowColourPanels();
    });
    for (int i = 0; i < 3; ++i) {
        Pnl_ResetBC[i] = new QPushButton(QString::fromUtf8(kPresetNames[i]), page);
        Pnl_ResetBC[i]->setObjectName(QStringLiteral("Pnl_ResetBC%1").arg(i + 1));
        colours->addWidget(Pnl_ResetBC[i]);
        connect(Pnl_ResetBC[i], &QPushButton::clicked, this, [this, i] { ChoosePreset(i); });
    }
    colours->addStretch(1);
    form->addRow(QStringLiteral("新しい枠の色"), colours);
    Cmb_BeginFS = NewList(page, "Cmb_BeginFS", Numbers(1, 99));
    form->addRow(QStringLiteral("Font"), Cmb_BeginFS);
    Cmb_BeginDivCnt = NewList(page, "Cmb_BeginDivCnt", Numbers(1, 10));
    form->addRow(QStringLiteral("列数"), Cmb_BeginDivCnt);
    Cmb_FormScale = NewList(page, "Cmb_FormScale", FormScaleItems());
    form->addRow(QStringLiteral("フォームの拡大率"), Cmb_FormScale);
    Cmb_DispDate = NewList(page, "Cmb_DispDate", {" システム日付", " システム日付の前日", " 前回終了時の日付"});
    form->addRow(QStringLiteral("表示開始日"), Cmb_DispDate);
    Cmb_BeginRead = NewList(page, "Cmb_BeginRead", {" 無し", " 有り"});
    form->addRow(QStringLiteral("デザインファイルの読み込み"), Cmb_BeginRead);
    Cmb_BeginTime = NewList(page, "Cmb_BeginTime", HourRowItems());
    form->addRow(QStringLiteral("表示時刻欄"), Cmb_BeginTime);
    auto* placement = new QGroupBox(QStringLiteral("配置方法"), page);
    auto* placementForm = new QFormLayout(placement);
    Cmb_WakuLoc = NewList(placement, "Cmb_WakuLoc", {" 任意", " 自動"});
    Cmb_TitleLoc = NewList(placement, "Cmb_TitleLoc", {" 任意", " 自動"});
    placementForm->addRow(QStringLiteral("枠"), Cmb_WakuLoc);
    placementForm->addRow(QStringLiteral("ﾀｲﾄﾙ"), Cmb_TitleLoc);
    form->addRow(placement);
    return page;
}

QWidget* TfrmTimeEtc_01::BuildPrintPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* titleGroup = new QGroupBox(QStringLiteral(" タイトル (印刷・HTML) "), page);
    auto* titleLayout = new QHBoxLayout(titleGroup);
    Edt_Mvf_Title = new QLineEdit(titleGroup);
    Edt_Mvf_Title->setObjectName(QStringLiteral("Edt_Mvf_Title"));
    titleLayout->addWidget(Edt_Mvf_Title);
    layout->addWidget(titleGroup);
    connect(Edt_Mvf_Title, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (mLoading || !isVisible()) return;
        mHost.SetDesignTitle(std::string(Trim(FromUtf8(text.toStdString()))));
    });

    auto* form = new QFormLayout;
    auto* range = new QHBoxLayout;
    Cmb_PrtSTime = NewList(page, "Cmb_PrtSTime", HourRowItems());
    Cmb_PrtETime = NewList(page, "Cmb_PrtETime", HourRowItems());
    range->addWidget(Cmb_PrtSTime);
    range->addWidget(new QLabel(QStringLiteral("～"), page));
    range->addWidget(Cmb_PrtETime);
    range->addStretch(1);
    form->addRow(QStringLiteral("印刷の時刻範囲"), range);
    auto* items = new QHBoxLayout;
    Chk_PrtTitle = NewCheck(page, "Chk_PrtTitle", QStringLiteral("タイトル"));
    Chk_PrtDate = NewCheck(page, "Chk_PrtDate", QStringLiteral("印刷日時"));
    Chk_PrtPage = NewCheck(page, "Chk_PrtPage", QStringLiteral("ページ"));
    for (QCheckBox* check : {Chk_PrtTitle, Chk_PrtDate, Chk_PrtPage}) items->addWidget(check);
    items->addStretch(1);
    form->addRow(QStringLiteral("印刷項目"), items);
    Cmb_HtmlAlign = NewList(page, "Cmb_HtmlAlign", {" Left", " Center"});
    form->addRow(QStringLiteral("表示位置"), Cmb_HtmlAlign);
    Cmb_HtmlLink = NewList(page, "Cmb_HtmlLink", {" Self Page", " Other Page"});
    form->addRow(QStringLiteral("リンク表示ページ"), Cmb_HtmlLink);
    auto* background = new QHBoxLayout;
    Pnl_HtmlBC = new QPushButton(QStringLiteral("背景色"), page);
    Pnl_HtmlBC->setObjectName(QStringLiteral("Pnl_HtmlBC"));
    Btn_ResetHtmlBC = new QPushButton(QStringLiteral("Def"), page);
    Btn_ResetHtmlBC->setObjectName(QStringLiteral("Btn_ResetHtmlBC"));
    Chk_HtmlMakeDate = NewCheck(page, "Chk_HtmlMakeDate", QStringLiteral("作成日時の表示"));
    background->addWidget(Pnl_HtmlBC);
    background->addWidget(Btn_ResetHtmlBC);
    background->addWidget(Chk_HtmlMakeDate);
    background->addStretch(1);
    form->addRow(QStringLiteral("HTML"), background);
    layout->addLayout(form);
    connect(Pnl_HtmlBC, &QPushButton::clicked, this, [this] {
        int colour = mHost.Settings().Pnl_HtmlBC;
        if (mHost.ChooseColour(colour)) SetHtmlColour(colour);
    });
    connect(Btn_ResetHtmlBC, &QPushButton::clicked, this, [this] {
        const Answer answer = mHost.Messages().Show(MessageKind::Question, "確認",
                                                    "ＨＴＭＬ変換時の背景色をデフォルトに戻します。\r\rよろしいですか？\r\r",
                                                    Buttons::OkCancel, Answer::Ok);
        if (answer == Answer::Ok) SetHtmlColour(EnvSettings{}.Pnl_HtmlBC);
    });

    auto* buttons = new QHBoxLayout;
    auto* print = new QPushButton(QStringLiteral("印刷"), page);
    print->setObjectName(QStringLiteral("Btn_Print"));
    auto* html = new QPushButton(QStringLiteral("HTML起動"), page);
    html->setObjectName(QStringLiteral("Btn_Html"));
    auto* close = new QPushButton(QStringLiteral("閉じる"), page);
    close->setObjectName(QStringLiteral("Btn_PrintEnd"));
    buttons->addStretch(1);
    for (QPushButton* button : {print, html, close}) buttons->addWidget(button);
    layout->addStretch(1);
    layout->addLayout(buttons);
    connect(print, &QPushButton::clicked, this, [this] {
        mHost.PrintTimetable();
        ShowDialog();
    });
    connect(html, &QPushButton::clicked, this, [this] { mHost.OpenHtml(); });
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    return page;
}

QWidget* TfrmTimeEtc_01::BuildHolidayPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("祝祭日の設定・解除：Double Click"), page));
    Grd_Holiday = new QTableWidget(12, kHolidayGridColumns, page);
    Grd_Holiday->setObjectName(QStringLiteral("Grd_Holiday"));
    Grd_Holiday->horizontalHeader()->hide();
    Grd_Holiday->verticalHeader()->hide();
    Grd_Holiday->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grd_Holiday->setSelectionMode(QAbstractItemView::SingleSelection);
    Grd_Holiday->setItemDelegate(new HolidayDelegate(Grd_Holiday, mHost.Holidays()));
    // The whole year fits without scrolling, also on a 1280-pixel screen: cells as wide as
    // the widest day number, labels as wide as the widest month.
    const QFontMetrics metrics(Grd_Holiday->font());
    const int day = metrics.horizontalAdvance(QStringLiteral("000")) + 4;
    const int label = metrics.horizontalAdvance(QStringLiteral(" 12月 ")) + 8;
    int total = 2 * Grd_Holiday->frameWidth();
    for (int column = 0; column < kHolidayGridColumns; ++column) {
        const int width = column == 0 || column == kHolidayGridColumns - 1 ? label : day;
        Grd_Holiday->setColumnWidth(column, width);
        total += width;
    }
    const int height = metrics.height() + 6;
    for (int row = 0; row < 12; ++row) Grd_Holiday->setRowHeight(row, height);
    Grd_Holiday->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grd_Holiday->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grd_Holiday->setFixedSize(total, 12 * height + 2 * Grd_Holiday->frameWidth());
    layout->addWidget(Grd_Holiday);
    layout->addStretch(1);
    // Only day cells are remembered; a double click on the remembered cell toggles it.
    connect(Grd_Holiday, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        const bool day = column >= 1 && column < kHolidayGridColumns - 1;
        mRememberedRow = day ? row : -1;
        mRememberedColumn = day ? column : -1;
        Grd_Holiday->viewport()->update();
    });
    connect(Grd_Holiday, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
        const bool remembered = row == mRememberedRow && column == mRememberedColumn;
        mRememberedRow = mRememberedColumn = -1;
        if (remembered) ToggleHoliday(row + 1, column);
    });
    return page;
}

void TfrmTimeEtc_01::ToggleHoliday(int month, int day) {
    HolidayTable& holidays = mHost.Holidays();
    holidays.Set(month, day, !holidays.IsSet(month, day));
    Grd_Holiday->viewport()->update();
    mHost.HolidaysChanged();
}

void TfrmTimeEtc_01::ShowDialog() {
    show();
    raise();
    activateWindow();
}

void TfrmTimeEtc_01::ShowPrintPage() {
    PCtl_Base->setCurrentIndex(1);
    ShowDialog();
}

void TfrmTimeEtc_01::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Load();
}

void TfrmTimeEtc_01::ShowColourPanels() {
    const EnvSettings& settings = mHost.Settings();
    PaintPanel(Pnl_DefaultBC, settings.DefaultWakuBC);
    for (int i = 0; i < 3; ++i) PaintPanel(Pnl_ResetBC[i], kStandardFrameColours[i]);
    PaintPanel(Pnl_HtmlBC, settings.Pnl_HtmlBC, HtmlCaptionIsBlack(settings.Pnl_HtmlBC));
}

void TfrmTimeEtc_01::Load() {
    const EnvSettings& settings = mHost.Settings();
    mLoading = true;
    ShowColourPanels();
    Select(Cmb_BeginFS, settings.Cmb_BeginFS);
    Select(Cmb_BeginDivCnt, settings.Cmb_BeginDivCnt);
    Select(Cmb_FormScale, settings.Cmb_FormScale >= 0 ? settings.Cmb_FormScale : FormScaleItemOf100());
    Select(Cmb_DispDate, settings.Cmb_DispDate);
    Select(Cmb_BeginRead, settings.Cmb_BeginRead);
    Select(Cmb_BeginTime, settings.Cmb_BeginTime);
    Select(Cmb_WakuLoc, settings.Cmb_WakuLoc);
    Select(Cmb_TitleLoc, settings.Cmb_TitleLoc);
    Edt_Mvf_Title->setText(QString::fromStdString(ToUtf8(mHost.DesignTitle())));
    Select(Cmb_PrtSTime, settings.Cmb_PrtSTime);
    Select(Cmb_PrtETime, settings.Cmb_PrtETime);
    Select(Cmb_HtmlAlign, settings.Cmb_HtmlAlign);
    Select(Cmb_HtmlLink, settings.Cmb_HtmlLink);
    Chk_PrtTitle->setChecked(settings.Chk_PrtTitle != 0);
    Chk_PrtDate->setChecked(settings.Chk_PrtDate != 0);
    Chk_PrtPage->setChecked(settings.Chk_PrtPage != 0);
    Chk_HtmlMakeDate->setChecked(settings.Chk_HtmlMakeDate != 0);
    Grd_Holiday->viewport()->update();
    mLoading = false;
}

void TfrmTimeEtc_01::ListChanged(QObject* sender) {
    if (mLoading || !mHost.MainShown()) return;
    const int end = PrintEndItem(Cmb_PrtSTime->currentIndex(), Cmb_PrtETime->currentIndex());
    if (end != Cmb_PrtETime->currentIndex()) {
        mLoading = true;
        Cmb_PrtETime->setCurrentIndex(end);
        mLoading = false;
    }
    EnvSettings& settings = mHost.Settings();
    settings.Cmb_BeginFS = Cmb_BeginFS->currentIndex();
    settings.Cmb_BeginDivCnt = Cmb_BeginDivCnt->currentIndex();
    settings.Cmb_FormScale = Cmb_FormScale->currentIndex();
    settings.Cmb_DispDate = Cmb_DispDate->currentIndex();
    settings.Cmb_BeginRead = Cmb_BeginRead->currentIndex();
    settings.Cmb_BeginTime = Cmb_BeginTime->currentIndex();
    settings.Cmb_PrtSTime = Cmb_PrtSTime->currentIndex();
    settings.Cmb_PrtETime = Cmb_PrtETime->currentIndex();
    settings.Cmb_HtmlAlign = Cmb_HtmlAlign->currentIndex();
    settings.Cmb_HtmlLink = Cmb_HtmlLink->currentIndex();
    settings.Chk_PrtTitle = Chk_PrtTitle->isChecked() ? 1 : 0;
    settings.Chk_PrtDate = Chk_PrtDate->isChecked() ? 1 : 0;
    settings.Chk_PrtPage = Chk_PrtPage->isChecked() ? 1 : 0;
    settings.Chk_HtmlMakeDate = Chk_HtmlMakeDate->isChecked() ? 1 : 0;
    if (sender == Cmb_BeginFS) mHost.FrameDefaultsChanged();
    if (sender == Cmb_BeginTime) mHost.ScrollToHourRow(settings.Cmb_BeginTime);
}

void TfrmTimeEtc_01::PlacementChosen(bool frames) {
    if (mLoading || !mHost.MainShown()) return;
    EnvSettings& settings = mHost.Settings();
    if (frames) settings.Cmb_WakuLoc = Cmb_WakuLoc->currentIndex();
    else settings.Cmb_TitleLoc = Cmb_TitleLoc->currentIndex();
    mHost.PlacementChanged(frames);
}

void TfrmTimeEtc_01::SetHtmlColour(int colour) {
    mHost.Settings().Pnl_HtmlBC = colour;
    PaintPanel(Pnl_HtmlBC, colour, HtmlCaptionIsBlack(colour));
}

void TfrmTimeEtc_01::ChoosePreset(int index) {
    const std::string question = std::string("枠作成時の背景色を 【 ") + kPresetNames[index] + " 】 の色にします。" +
                                 "\r\r" + "よろしいですか？" + "\r\r";
    if (mHost.Messages().Show(MessageKind::Question, "確認", question, Buttons::OkCancel, Answer::Ok) != Answer::Ok)
        return;
    mHost.Settings().DefaultWakuBC = kStandardFrameColours[index];
    mHost.FrameDefaultsChanged();
    ShowColourPanels();
}

}  // namespace mv
