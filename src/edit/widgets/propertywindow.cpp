// The window, its "Title" and "Link" pages, and the refresh from the selected frame.

#include "edit/widgets/propertywindow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "edit/framecommands.h"
#include "edit/propertycommands.h"
#include "edit/widgets/colourwindow.h"
#include "edit/widgets/propertycontrols.h"
#include "edit/widgets/toolwindowkeys.h"
#include "model/codec.h"
#include "model/keyvalueline.h"
#include "model/settings.h"
#include "model/timeofday.h"
#include "model/windowplacement.h"
#include "platform/dialogs.h"
#include "view/geometry/framelayout.h"
#include "view/paintkit.h"

namespace mv {

namespace {

QString Displayed(const std::string& sjis) {
    std::string text = ToUtf8(sjis);
    std::replace(text.begin(), text.end(), '\x7f', '\n');
    return QString::fromStdString(text);
}

// The colour panels: the text colour written on the frame colour.
void PaintColourPanels(QPushButton* text, QPushButton* frame, int textColour, int frameColour) {
    const QString style = QStringLiteral("QPushButton { background: %1; color: %2; border: 2px outset %1; }"
                                         "QPushButton:disabled { color: %2; }");
    text->setStyleSheet(style.arg(ColourOf(frameColour).name(), ColourOf(textColour).name()));
    frame->setStyleSheet(style.arg(ColourOf(frameColour).name(), ColourOf(textColour).name()));
}

constexpr const char* kPageCaptions[] = {"Title", "Link", "Extend", "List", "Days", "Month", "Memo"};
constexpr const char* kPageNames[] = {"Tab_Title", "Tab_Link", "Tab_Extend", "Tab_WList", "Tab_YList", "Tab_Month",
                                      "Tab_Memo"};
using namespace property;

}  // namespace

TfrmTimeEdit_01::TfrmTimeEdit_01(QWidget* owner, PropertyHost& host)
    : QWidget(owner, Qt::Tool | Qt::WindowStaysOnTopHint), mHost(host) {
    setObjectName(QStringLiteral("TfrmTimeEdit_01"));
    setWindowTitle(QString::fromUtf8((kProgramName + "  プロパティ").c_str()));
    // Editors are white while they have the focus and button-coloured otherwise.
    setStyleSheet(QStringLiteral("QLineEdit, QPlainTextEdit { background: palette(button); }"
                                 "QLineEdit:focus, QPlainTextEdit:focus { background: white; }"));
    pickColour = [this](int current) -> std::optional<int> {
        const QColor chosen = QColorDialog::getColor(ColourOf(current), this);
        if (!chosen.isValid()) return std::nullopt;
        return chosen.red() | (chosen.green() << 8) | (chosen.blue() << 16);
    };
    pickFrameColour = [this](int current) {
        TfrmTimeColorBack window(this, current, pickColour);
        window.adjustSize();
        window.move(geometry().center() - window.rect().center());
        window.exec();
        return window.Chosen();
    };

    mPages = Named(new QTabWidget(this), "PCtl_Base");
    mPages->setDocumentMode(true);
    for (int i = 0; i < 7; ++i) {
        auto* page = Named(new QWidget(mPages), kPageNames[i]);
        mPages->addTab(page, QString::fromLatin1(kPageCaptions[i]));
    }
    BuildTitlePage(mPages->widget(kTitle));
    BuildLinkPage(mPages->widget(kLink));
    BuildExtendPage(mPages->widget(kExtend));
    BuildListPage(mPages->widget(kList));
    BuildDaysPage(mPages->widget(kDays));
    BuildMonthPage(mPages->widget(kMonth));
    BuildMemoPage(mPages->widget(kMemo));
    connect(mPages, &QTabWidget::currentChanged, this, [this](int index) { PageShown(index); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(mPages);
    resize(520, 470);
}

TfrmTimeEdit_01::~TfrmTimeEdit_01() = default;

void TfrmTimeEdit_01::BuildTitlePage(QWidget* page) {
    Pnl_WakuInfo = InfoPanel(page, "Pnl_WakuInfo");
    Edt_Naiyo_STime = Named(new QLineEdit(page), "Edt_Naiyo_STime");
    Edt_Naiyo_ETime = Named(new QLineEdit(page), "Edt_Naiyo_ETime");
    for (QLineEdit* time : {Edt_Naiyo_STime, Edt_Naiyo_ETime}) {
        time->setMaxLength(5);
        time->setFixedWidth(56);
        const bool start = time == Edt_Naiyo_STime;
        connect(time, &QLineEdit::editingFinished, this, [this, start] { TimeEdited(start); });
    }
    Cmb_FS = Named(new QComboBox(page), "Cmb_FS");
    for (int size = 1; size <= 99; ++size) Cmb_FS->addItem(QStringLiteral("%1").arg(size, 2));
    Cmb_FS->setCurrentIndex(9);
    connect(Cmb_FS, &QComboBox::activated, this, [this](int index) { FontSizeChosen(index); });
    Pnl_FC = Named(new QPushButton(QStringLiteral("文字"), page), "Pnl_FC");
    Pnl_BC = Named(new QPushButton(QStringLiteral("枠色"), page), "Pnl_BC");
    for (QPushButton* panel : {Pnl_FC, Pnl_BC}) panel->setMinimumSize(56, 24);
    connect(Pnl_FC, &QPushButton::clicked, this, [this] { TextColourClicked(); });
    connect(Pnl_BC, &QPushButton::clicked, this, [this] { FrameColourClicked(); });
    Btn_PropEditKind = Named(new QPushButton(page), "Btn_PropEditKind");
    Btn_PropEditKind->setToolTip(QStringLiteral("編集とパック表示の切り替え"));
    connect(Btn_PropEditKind, &QPushButton::clicked, this, [this] { mHost.ToggleEditKind(); });

    auto* top = new QHBoxLayout;
    top->addWidget(Edt_Naiyo_STime);
    top->addWidget(new QLabel(QStringLiteral("～"), page));
    top->addWidget(Edt_Naiyo_ETime);
    top->addSpacing(8);
    top->addWidget(Cmb_FS);
    top->addWidget(Pnl_FC);
    top->addWidget(Pnl_BC);
    top->addStretch();
    top->addWidget(Btn_PropEditKind);

    Lst_FList = Named(new QListWidget(page), "Lst_FList");
    connect(Lst_FList, &QListWidget::currentRowChanged, this, [this](int row) { FieldRowChanged(row); });
    Edt_WakuTitle = Named(new QPlainTextEdit(page), "Edt_WakuTitle");
    Edt_WakuTitle->setTabChangesFocus(true);
    Edt_WakuTitle->installEventFilter(this);
    connect(Edt_WakuTitle, &QPlainTextEdit::textChanged, this, [this] { TitleTextChanged(); });
    Grp_Format = Named(new QWidget(page), "Grp_Format");
    auto* format = new QHBoxLayout(Grp_Format);
    format->setContentsMargins(0, 0, 0, 0);
    format->addWidget(new QLabel(QStringLiteral("寄せ"), Grp_Format));
    auto* alignments = new QButtonGroup(this);
    const char* names[] = {"Rbt_Free", "Rbt_Left", "Rbt_Center", "Rbt_Right"};
    const char* captions[] = {"無", "左", "中", "右"};
    for (int i = 0; i < 4; ++i) {
        mAlign[i] = Named(new QRadioButton(QString::fromUtf8(captions[i]), Grp_Format), names[i]);
        alignments->addButton(mAlign[i], i);
        format->addWidget(mAlign[i]);
    }
    format->addStretch();
    connect(alignments, &QButtonGroup::idClicked, this, [this](int id) { AlignmentChosen(id); });

    auto* fieldSide = new QWidget(page);
    auto* fieldLayout = new QVBoxLayout(fieldSide);
    fieldLayout->setContentsMargins(0, 0, 0, 0);
    fieldLayout->addWidget(Edt_WakuTitle);
    fieldLayout->addWidget(Grp_Format);
    mTitleSplit = new QSplitter(Qt::Horizontal, page);
    mTitleSplit->addWidget(Lst_FList);
    mTitleSplit->addWidget(fieldSide);
    mTitleSplit->setStretchFactor(1, 1);

    Pm_FList = Named(new QMenu(this), "Pm_FList");
    auto menuItem = [this](QMenu* menu, const char* name, const char* caption) {
        QAction* action = menu->addAction(QString::fromUtf8(caption));
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    connect(menuItem(Pm_FList, "Pm_FList_FixedAdd", "1. タイトル追加"), &QAction::triggered, this, [this] {
        if (auto shown = Current()) AddTitleField(mHost.Edit(), shown->date, shown->cid, std::string(), false);
    });
    connect(menuItem(Pm_FList, "Pm_FList_FixedDel", "2. タイトル削除"), &QAction::triggered, this, [this] {
        if (auto shown = Current(); shown && CurrentField() >= 0)
            DeleteTitleField(mHost.Edit(), mHost.Messages(), shown->date, shown->cid, CurrentField());
    });
    connect(menuItem(Pm_FList, "Pm_FList_TimeAdd", "3. 時刻変数追加"), &QAction::triggered, this, [this] {
        if (auto shown = Current()) AddTitleField(mHost.Edit(), shown->date, shown->cid, std::string(), true);
    });
    Pm_FList->addSeparator();
    QMenu* reset = Pm_FList->addMenu(QStringLiteral("4. タイトルの位置変更"));
    reset->menuAction()->setObjectName(QStringLiteral("Pm_FList_Reset_Pos"));
    connect(menuItem(reset, "Pm_FList_Reset_Top", "1. 枠の先頭へ"), &QAction::triggered, this,
            [this] { ResetFieldPosition(false); });
    connect(menuItem(reset, "Pm_FList_Reset_Outer", "2. 枠の範囲外へ"), &QAction::triggered, this,
            [this] { ResetFieldPosition(true); });
    for (QWidget* owner : {static_cast<QWidget*>(Lst_FList), static_cast<QWidget*>(Edt_WakuTitle)}) {
        owner->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(owner, &QWidget::customContextMenuRequested, this, [this, owner](const QPoint& at) {
            if (!Current() || mHost.Packed()) return;
            Pm_FList->findChild<QAction*>(QStringLiteral("Pm_FList_FixedDel"))->setEnabled(CurrentField() >= 0);
            Pm_FList->popup(owner->mapToGlobal(at));
        });
    }

    Edt_Contents = Named(new QPlainTextEdit(page), "Edt_Contents");
    Edt_Contents->setTabChangesFocus(true);
    Edt_Contents->installEventFilter(this);
    connect(Edt_Contents, &QPlainTextEdit::textChanged, this, [this] { ContentsChanged(); });
    Chk_ContLink = Named(new QCheckBox(QStringLiteral("HTML Link"), page), "Chk_ContLink");
    connect(Chk_ContLink, &QCheckBox::clicked, this, [this](bool on) {
        if (auto shown = Current(); shown && !mFilling) {
            mOwnEdit = true;
            SetContentsLink(mHost.Edit(), shown->date, shown->cid, on);
            mOwnEdit = false;
        }
    });
    auto* contents = new QWidget(page);
    auto* contentsLayout = new QVBoxLayout(contents);
    contentsLayout->setContentsMargins(0, 0, 0, 0);
    contentsLayout->addWidget(Edt_Contents);
    contentsLayout->addWidget(Chk_ContLink);

    Pnl_FList = Named(new QSplitter(Qt::Vertical, page), "Pnl_FList");
    Pnl_FList->addWidget(mTitleSplit);
    Pnl_FList->addWidget(contents);
    Pnl_Cid = InfoPanel(page, "Pnl_Cid");

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Pnl_WakuInfo);
    layout->addLayout(top);
    layout->addWidget(Pnl_FList, 1);
    layout->addWidget(Pnl_Cid);
}

void TfrmTimeEdit_01::BuildLinkPage(QWidget* page) {
    Pnl_WakuInfo2 = InfoPanel(page, "Pnl_WakuInfo2");
    Edt_LinkURL = Named(new QPlainTextEdit(page), "Edt_LinkURL");
    Edt_LinkURL->setTabChangesFocus(true);
    Edt_LinkURL->installEventFilter(this);
    connect(Edt_LinkURL, &QPlainTextEdit::textChanged, this, [this] { LinksChanged(); });
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Pnl_WakuInfo2);
    layout->addWidget(new QLabel(QStringLiteral("記述形式：リンク先名称 = リンク先ＵＲＬ"), page));
    layout->addWidget(Edt_LinkURL, 1);
}

void TfrmTimeEdit_01::Open(bool focusTitle) {
    if (!mStateRestored) {
        mStateRestored = true;
        const EnvSettings& settings = mHost.Settings();
        if (settings.FPS_TimeEdit_01.width > 0) {
            const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
            const Rect placed = PlaceWindow(settings.FPS_TimeEdit_01, screen.width(), screen.height(), width(), height());
            setGeometry(placed.left, placed.top, placed.width, placed.height);
        } else if (parentWidget()) {
            // First shown: beside the right edge of the design window, below its tools.
            const QRect owner = parentWidget()->frameGeometry();
            move(std::max(owner.left(), owner.right() - width() - 24), owner.top() + 120);
        }
        if (settings.FListWidth > 0) mTitleSplit->setSizes({settings.FListWidth, std::max(1, width() - settings.FListWidth)});
        if (settings.FListHeight > 0)
            Pnl_FList->setSizes({settings.FListHeight, std::max(1, Pnl_FList->height() - settings.FListHeight)});
        Edt_Memo->setPlainText(QString::fromStdString(ToUtf8(settings.Edt_Memo)));
    }
    mPages->setCurrentIndex(kTitle);
    show();
    raise();
    RefreshFrame();
    if (focusTitle && Edt_WakuTitle->isEnabled() && !Edt_WakuTitle->isReadOnly()) {
        activateWindow();
        Edt_WakuTitle->setFocus();
    }
}

void TfrmTimeEdit_01::StorePlacement() {
    if (!mStateRestored) return;
    EnvSettings& settings = mHost.Settings();
    settings.FListWidth = mTitleSplit->sizes().value(0);
    settings.FListHeight = Pnl_FList->sizes().value(0);
    int replaced = 0;
    settings.Edt_Memo = FromUtf8(Edt_Memo->toPlainText().toStdString(), &replaced);
    const QRect g = geometry();
    settings.FPS_TimeEdit_01 = {g.y(), g.x(), g.width(), g.height()};
}

bool TfrmTimeEdit_01::event(QEvent* event) { return KeepPlainKeys(event) || QWidget::event(event); }

void TfrmTimeEdit_01::closeEvent(QCloseEvent* event) {
    StorePlacement();
    QWidget::closeEvent(event);
}

void TfrmTimeEdit_01::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) RefreshFrame();
}

bool TfrmTimeEdit_01::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && watched == Edt_WakuTitle) TitleEditorEntered();
    if (event->type() == QEvent::FocusOut) {
        if (watched == Edt_WakuTitle) TitleEditorLeft();
        if (watched == Edt_Contents || watched == Edt_LinkURL) TextEditorLeft();
    }
    if (event->type() == QEvent::FocusIn && watched == Edt_Memo) ShowMemoLine();
    return QWidget::eventFilter(watched, event);
}

std::optional<TfrmTimeEdit_01::Shown> TfrmTimeEdit_01::Current() {
    EditContext& edit = mHost.Edit();
    const TCInf* frame = edit.Selection().Frame(edit.Working());
    if (!frame) return std::nullopt;
    return Shown{edit.Selection().SelectedDate(), edit.Selection().Cid(), frame};
}

int TfrmTimeEdit_01::CurrentField() const { return Lst_FList->currentRow(); }

void TfrmTimeEdit_01::RefreshFrame() {
    if (!isVisible() || mOwnEdit) return;
    mFilling = true;
    const std::optional<Shown> shown = Current();
    for (Page page : {kTitle, kLink, kExtend}) mPages->setTabEnabled(page, shown.has_value());
    if (shown) FillTitlePage(*shown);
    else ClearTitlePage();
    Btn_PropEditKind->setText(mHost.EditKindCaption());
    mFilling = false;
    if (mPages->currentIndex() == kExtend) FillExtendPage(false);
    if (mPages->currentIndex() == kList && !mSelectingFromList) FillDayFrames();
}

void TfrmTimeEdit_01::ClearTitlePage() {
    for (QLabel* info : {Pnl_WakuInfo, Pnl_WakuInfo2, Pnl_WakuInfo3, Pnl_Cid}) info->clear();
    for (QLineEdit* edit : {Edt_Naiyo_STime, Edt_Naiyo_ETime}) edit->clear();
    for (QPlainTextEdit* edit : {Edt_WakuTitle, Edt_Contents, Edt_LinkURL}) edit->clear();
    Lst_FList->clear();
    Chk_ContLink->setChecked(false);
    for (QWidget* editor : std::initializer_list<QWidget*>{Edt_Naiyo_STime, Edt_Naiyo_ETime, Cmb_FS, Pnl_FC, Pnl_BC,
                                                           Edt_WakuTitle, Grp_Format, Edt_Contents, Chk_ContLink})
        editor->setEnabled(false);
}

void TfrmTimeEdit_01::FillTitlePage(const Shown& shown) {
    const TCInf& frame = *shown.frame;
    const QString info = QStringLiteral(" ") + QString::fromStdString(ToUtf8(LongDateText(shown.date, true))) +
                         QStringLiteral(" ") + QString::fromStdString(FormatHHMM(frame.StoredSTime())) +
                         QStringLiteral("～") + QString::fromStdString(FormatHHMM(frame.StoredETime()));
    for (QLabel* panel : {Pnl_WakuInfo, Pnl_WakuInfo2, Pnl_WakuInfo3}) panel->setText(info);
    Pnl_Cid->setText(QStringLiteral(" ") + QString::fromStdString(frame.Cid));
    for (QWidget* editor : std::initializer_list<QWidget*>{Edt_Naiyo_STime, Edt_Naiyo_ETime, Cmb_FS, Pnl_FC, Pnl_BC,
                                                           Edt_WakuTitle, Grp_Format, Edt_Contents, Chk_ContLink})
        editor->setEnabled(true);
    if (!Edt_Naiyo_STime->hasFocus()) Edt_Naiyo_STime->setText(QString::fromStdString(FormatHHMM(frame.StoredSTime())));
    if (!Edt_Naiyo_ETime->hasFocus()) Edt_Naiyo_ETime->setText(QString::fromStdString(FormatHHMM(frame.StoredETime())));
    if (!Edt_Contents->hasFocus()) Edt_Contents->setPlainText(Displayed(frame.Contents));
    if (!Edt_LinkURL->hasFocus()) Edt_LinkURL->setPlainText(Displayed(frame.LinkURL));
    Chk_ContLink->setChecked(frame.ContLink);
    FillFieldList(shown);
    FillFieldEditors(shown);
    SetEditorsReadOnly(mHost.Packed());
}

void TfrmTimeEdit_01::FillFieldList(const Shown& shown) {
    const std::vector<TFInf>& fields = shown.frame->Fields;
    // The time field cannot be typed into: it is marked.
    auto itemText = [](const TFInf& field, int number) {
        const std::string text = Trim(field.FTextStr).empty() ? std::string("・") : ToUtf8(field.FTextStr);
        QString shownText = QString::fromStdString(text);
        shownText.replace(QChar(0x7F), QLatin1Char(' '));
        return QString(field.FID == kTimeFieldId ? QLatin1Char('*') : QLatin1Char(' ')) +
               QStringLiteral("%1. ").arg(number, 2) + shownText;
    };
    while (Lst_FList->count() > static_cast<int>(fields.size())) delete Lst_FList->takeItem(Lst_FList->count() - 1);
    for (int i = 0; i < static_cast<int>(fields.size()); ++i) {
        const QString text = itemText(fields[i], i + 1);
        if (i < Lst_FList->count()) {
            if (Lst_FList->item(i)->text() != text) Lst_FList->item(i)->setText(text);
        } else {
            Lst_FList->addItem(text);
        }
    }
    const int selected = mHost.Edit().Selection().Field(mHost.Edit().Working());
    Lst_FList->setCurrentRow(fields.empty() ? -1 : std::max(0, selected));
}

void TfrmTimeEdit_01::FillFieldEditors(const Shown& shown) {
    const int field = CurrentField();
    const bool has = field >= 0 && field < static_cast<int>(shown.frame->Fields.size());
    const TFInf* selected = has ? &shown.frame->Fields[field] : nullptr;
    if (!Edt_WakuTitle->hasFocus()) Edt_WakuTitle->setPlainText(selected ? Displayed(selected->FTextStr) : QString());
    Edt_WakuTitle->setEnabled(selected && selected->FID != kTimeFieldId);
    Cmb_FS->setCurrentIndex(selected ? std::clamp(selected->FTextPS, 1, 99) - 1 : 9);
    for (QRadioButton* button : mAlign) button->setAutoExclusive(false);
    for (int i = 0; i < 4; ++i) mAlign[i]->setChecked(selected && selected->FTextAL == i);
    for (QRadioButton* button : mAlign) button->setAutoExclusive(true);
    Grp_Format->setEnabled(selected && !mHost.Packed());
    // A style sheet is costly to apply: only when the colours change.
    const std::pair colours{selected ? selected->FTextFC : shown.frame->TextFC, shown.frame->WakuBC};
    if (colours != mPanelColours) {
        mPanelColours = colours;
        PaintColourPanels(Pnl_FC, Pnl_BC, colours.first, colours.second);
    }
}

void TfrmTimeEdit_01::SetEditorsReadOnly(bool readOnly) {
    for (QLineEdit* edit : {Edt_Naiyo_STime, Edt_Naiyo_ETime}) edit->setReadOnly(readOnly);
    for (QPlainTextEdit* edit : {Edt_WakuTitle, Edt_Contents, Edt_LinkURL}) edit->setReadOnly(readOnly);
    for (QWidget* control : std::initializer_list<QWidget*>{Cmb_FS, Pnl_FC, Pnl_BC, Chk_ContLink})
        control->setEnabled(!readOnly);
    if (readOnly) Grp_Format->setEnabled(false);
}

void TfrmTimeEdit_01::SelectField(int field) {
    if (field < 0) field = 0;
    if (field >= Lst_FList->count()) return;
    Lst_FList->setCurrentRow(field);
}

void TfrmTimeEdit_01::FieldRowChanged(int row) {
    if (mFilling) return;
    const std::optional<Shown> shown = Current();
    if (!shown || row < 0) return;
    EditContext& edit = mHost.Edit();
    edit.Selection().SelectField(row);
    edit.Listener().SelectionChanged();
    mFilling = true;
    FillFieldEditors(*shown);
    SetEditorsReadOnly(mHost.Packed());
    mFilling = false;
}

std::string TfrmTimeEdit_01::StoredText(const QString& typed) {
    int replaced = 0;
    std::string text = FromUtf8(typed.toStdString(), &replaced);
    std::replace(text.begin(), text.end(), '\n', '\x7f');
    if (replaced > 0 && !mToldReplaced) {
        mToldReplaced = true;
        mHost.Messages().Information(kProgramName,
                                     "Shift-JIS で表せない文字は「?」に置き換えて記録します。");
    }
    return text;
}

void TfrmTimeEdit_01::TimeEdited(bool start) {
    QLineEdit* typed = start ? Edt_Naiyo_STime : Edt_Naiyo_ETime;
    const std::optional<Shown> shown = Current();
    if (mFilling || !shown || mHost.Packed() || typed->text().trimmed().isEmpty()) return;
    Dialogs& dialogs = mHost.Messages();
    const std::optional<int> startTime = ReadTypedTime(Edt_Naiyo_STime->text().toStdString(), &dialogs);
    if (!startTime) return Edt_Naiyo_STime->setFocus();
    const std::optional<int> endTime = ReadTypedTime(Edt_Naiyo_ETime->text().toStdString(), &dialogs);
    if (!endTime) return Edt_Naiyo_ETime->setFocus();
    const TimeSpan old{shown->frame->StoredSTime(), shown->frame->StoredETime()};
    const std::optional<TimeSpan> times = ResolveTimeChange(old, *startTime, *endTime, start);
    if (!times) {
        dialogs.Error(kProgramName, "不正な時刻です。");
        return typed->setFocus();
    }
    if (*times != old) ChangeFrameTimes(mHost.Edit(), shown->date, shown->cid, *times);
    // Both fields show the times as taken, also the one that keeps the focus.
    mFilling = true;
    Edt_Naiyo_STime->setText(QString::fromStdString(FormatHHMM(times->start)));
    Edt_Naiyo_ETime->setText(QString::fromStdString(FormatHHMM(times->end)));
    mFilling = false;
}

void TfrmTimeEdit_01::FontSizeChosen(int index) {
    const std::optional<Shown> shown = Current();
    if (mFilling || !shown || CurrentField() < 0) return;
    SetFontSize(mHost.Edit(), shown->date, shown->cid, CurrentField(), index + 1);
}

void TfrmTimeEdit_01::TextColourClicked() {
    const std::optional<Shown> shown = Current();
    if (!shown) return;
    const int field = CurrentField();
    if (field < 0) {
        mHost.Messages().Error(kProgramName, "文字色を設定したい枠タイトルを左側のリストから選択して下さい。");
        return;
    }
    const std::optional<int> colour = pickColour(shown->frame->Fields.at(field).FTextFC);
    if (colour) SetTextColour(mHost.Edit(), shown->date, shown->cid, field, *colour);
}

void TfrmTimeEdit_01::FrameColourClicked() {
    const std::optional<Shown> shown = Current();
    if (!shown) return;
    const std::optional<int> colour = pickFrameColour(shown->frame->WakuBC);
    // The colour window may have let a shared-mode reload through: look the frame up again.
    if (colour && Current()) SetFrameColour(mHost.Edit(), shown->date, shown->cid, *colour);
}

void TfrmTimeEdit_01::AlignmentChosen(int alignment) {
    const std::optional<Shown> shown = Current();
    const int field = CurrentField();
    if (mFilling || !shown || field < 0) return;
    int drawnOffset = 0;
    if (const FrameBox* box = mHost.DrawnBox(shown->date, shown->cid); box && field < static_cast<int>(box->fields.size()))
        drawnOffset = box->fields[field].textBox.left - box->rect.left;
    SetFieldAlignment(mHost.Edit(), shown->date, shown->cid, field, alignment, drawnOffset);
}

void TfrmTimeEdit_01::TitleEditorEntered() {
    if (const std::optional<Shown> shown = Current())
        mTitleBefore = SnapshotOf(*shown->frame, mHost.Edit().Design().Modified());
}

void TfrmTimeEdit_01::TitleTextChanged() {
    const std::optional<Shown> shown = Current();
    if (mFilling || !shown || mHost.Packed() || CurrentField() < 0 || !mTitleBefore || mTitleBefore->key != shown->cid)
        return;
    mOwnEdit = true;
    StoreFieldText(mHost.Edit(), shown->date, shown->cid, CurrentField(), StoredText(Edt_WakuTitle->toPlainText()));
    mOwnEdit = false;
    mFilling = true;
    FillFieldList(*shown);
    mFilling = false;
}

void TfrmTimeEdit_01::TitleEditorLeft() {
    if (!mTitleBefore) return;
    const FrameSnapshot before = *mTitleBefore;
    mTitleBefore.reset();
    if (mHost.Edit().Selection().Cid() == before.key) FinishFieldText(mHost.Edit(), before);
}

void TfrmTimeEdit_01::ContentsChanged() {
    const std::optional<Shown> shown = Current();
    if (mFilling || !shown || mHost.Packed()) return;
    mOwnEdit = true;
    SetContents(mHost.Edit(), shown->date, shown->cid, StoredText(Edt_Contents->toPlainText()), false);
    mOwnEdit = false;
    mTextEditedDate = shown->date;
}

void TfrmTimeEdit_01::LinksChanged() {
    const std::optional<Shown> shown = Current();
    if (mFilling || !shown || mHost.Packed()) return;
    mOwnEdit = true;
    SetLinks(mHost.Edit(), shown->date, shown->cid, StoredText(Edt_LinkURL->toPlainText()), false);
    mOwnEdit = false;
    mTextEditedDate = shown->date;
}

void TfrmTimeEdit_01::TextEditorLeft() {
    if (!mTextEditedDate) return;
    const Date date = *mTextEditedDate;
    mTextEditedDate.reset();
    ReportFrameChange(mHost.Edit(), date);
}

void TfrmTimeEdit_01::ResetFieldPosition(bool belowFrame) {
    const std::optional<Shown> shown = Current();
    const int field = CurrentField();
    if (!shown || field < 0) return;
    const FrameBox* box = mHost.DrawnBox(shown->date, shown->cid);
    const int height = box ? box->rect.Height() : 0;
    mv::ResetFieldPosition(mHost.Edit(), shown->date, shown->cid, field, belowFrame, height, mHost.ReferenceFontHeight());
}

}  // namespace mv
