#include "edit/widgets/framemenu.h"

namespace mv {

FrameMenu::FrameMenu(QWidget* parent, EditController& controller, EditContext& context, FrameMenuHooks hooks)
    : QObject(parent),
      mController(controller),
      mContext(context),
      mMenu(new QMenu(parent)),
      mPackMenu(new QMenu(parent)),
      mHooks(std::move(hooks)) {
    mMenu->setObjectName(QStringLiteral("PMenu"));
    mPackMenu->setObjectName(QStringLiteral("PMenuPack"));
    EditController& c = controller;

    QMenu* add = mMenu->addMenu(QStringLiteral("X． 枠を作成する"));
    add->menuAction()->setObjectName(QStringLiteral("Pm_WakuAdd"));
    add->menuAction()->setVisible(false);
    for (auto [name, caption] : {std::pair{"Pm_AddClickPos", "1． クリックの時刻欄に"},
                                 {"Pm_AddClickUpper", "2． 指定枠の上に"}, {"Pm_AddClickLower", "3． 指定枠の下に"}})
        connect(Item(add, name, caption), &QAction::triggered, this, [&c] { c.CreateAtPress(false); });
    connect(Item(mMenu, "Pm_WakuNew", "1. 枠の作成"), &QAction::triggered, this, [&c] { c.CreateAtPress(false); });
    QAction* onTheHour = Item(mMenu, "Pm_WakuNewSyoji", "x. 枠の作成 (正時欄)");
    onTheHour->setVisible(false);
    connect(onTheHour, &QAction::triggered, this, [&c] { c.CreateAtPress(true); });
    QAction* remove = Item(mMenu, "Pm_WakuDel", "2. 枠の削除");
    connect(remove, &QAction::triggered, this, [&c] { c.DeleteSelectedFrame(); });
    mMenu->addSeparator();
    mSelect = Item(mMenu, "Pm_WakuSel", "3. 枠の選択");
    connect(mSelect, &QAction::triggered, this, [&c] { c.ToggleSelectedChosen(); });
    mMenu->addSeparator();
    QAction* move = Item(mMenu, "Pm_WakuMove", "4. 枠の移動");
    connect(move, &QAction::triggered, this, [&c] { c.EnterMoveCopy(false, true); });
    QAction* copy = Item(mMenu, "Pm_WakuCopy", "5. 枠の複写");
    connect(copy, &QAction::triggered, this, [&c] { c.EnterMoveCopy(true, true); });

    QMenu* connectMenu = mMenu->addMenu(QStringLiteral("6. 枠の隣接"));
    connectMenu->menuAction()->setObjectName(QStringLiteral("Pm_Connect"));
    for (auto [name, caption, way] :
         {std::tuple{"Pm_ConnectUpperExt", "1． 上と", ConnectWay::Up},
          {"Pm_ConnectUpperMove", "2． 上と (移動)", ConnectWay::UpMove},
          {"Pm_ConnectLowerExt", "3． 下と", ConnectWay::Down},
          {"Pm_ConnectLowerMove", "4． 下と (移動)", ConnectWay::DownMove}}) {
        const ConnectWay chosenWay = way;
        connect(Item(connectMenu, name, caption), &QAction::triggered, this, [&c, chosenWay] { c.ConnectSelected(chosenWay); });
    }
    mMenu->addSeparator();
    // The frame goes to the day the next click in the calendar window picks.
    QMenu* calendar = mMenu->addMenu(QStringLiteral("7. カレンダで"));
    calendar->menuAction()->setObjectName(QStringLiteral("Pm_Calendar"));
    connect(Item(calendar, "Pm_MoveByCalendar", "1. 移動"), &QAction::triggered, this, [this] { mHooks.byCalendar(false); });
    connect(Item(calendar, "Pm_CopyByCalendar", "2. 複写"), &QAction::triggered, this, [this] { mHooks.byCalendar(true); });
    mMenu->addSeparator();
    QMenu* titles = mMenu->addMenu(QStringLiteral("x. タイトル"));
    titles->menuAction()->setObjectName(QStringLiteral("Pm_Title"));
    titles->menuAction()->setVisible(false);
    QAction* titleAdd = Item(mMenu, "Pm_TitleAdd", "8. タイトル追加");
    connect(titleAdd, &QAction::triggered, this, [&c] { c.AddFieldToSelected(false); });
    mTitleDelete = Item(mMenu, "Pm_TitleDel", "9. タイトル削除");
    connect(mTitleDelete, &QAction::triggered, this, [&c] { c.DeleteSelectedField(); });
    QAction* timeAdd = Item(mMenu, "Pm_TimeAdd", "10. 時刻変数追加");
    connect(timeAdd, &QAction::triggered, this, [&c] { c.AddFieldToSelected(true); });
    titles->addActions({titleAdd, mTitleDelete, timeAdd});
    mMenu->addSeparator();
    QMenu* clip = mMenu->addMenu(QStringLiteral("11. Clipboard"));
    clip->menuAction()->setObjectName(QStringLiteral("Pm_Clip"));
    QAction* clipGet = Item(clip, "Pm_ClipGet", "1. 読み込む");
    QAction* clipClear = Item(clip, "Pm_ClipClear", "2. クリアーする");
    QAction* clipPut = Item(clip, "Pm_ClipPut", "3. 書き込む");
    connect(clipGet, &QAction::triggered, this, [this] { mHooks.readClipboard(); });
    connect(clipClear, &QAction::triggered, this, [this] { mHooks.clearClipboard(); });
    connect(clipPut, &QAction::triggered, this, [this] { mHooks.putOnClipboard(); });
    mNeedsBlock = {clipGet, clipClear};
    QMenu* files = mMenu->addMenu(QStringLiteral("12. MVF.File"));
    files->menuAction()->setObjectName(QStringLiteral("Pm_MvfFile"));
    connect(Item(files, "Pm_MvfGet", "1. 読み込む"), &QAction::triggered, this, [this] { mHooks.showLoadWindow(); });
    QAction* fileSave = Item(files, "Pm_MvfSave", "2. 保存する");
    connect(fileSave, &QAction::triggered, this, [this] { mHooks.saveAsFile(); });
    mMenu->addSeparator();
    connect(Item(mMenu, "Pm_Field_Edit", "13. プロパティ"), &QAction::triggered, this, [this] { mHooks.showProperties(); });
    mNeedsHit = {remove, mSelect, move, copy, connectMenu->menuAction(), calendar->menuAction(), titleAdd, timeAdd};
    mNeedsSelection = {clipPut, fileSave};

    connect(Item(mPackMenu, "Pm_PackEdit", "1. 編集モードにする"), &QAction::triggered, this, [this] { mHooks.backToEditing(); });
    connect(Item(mPackMenu, "Mn_PackProperty", "2. プロパティ"), &QAction::triggered, this, [this] { mHooks.showProperties(); });
}

QAction* FrameMenu::Item(QMenu* menu, const char* name, const char* caption) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

void FrameMenu::Refresh() {
    const bool hit = mController.PressedOnFrame() && !mContext.Selection().Empty();
    for (QAction* action : mNeedsHit) action->setEnabled(hit);
    mTitleDelete->setEnabled(hit && mContext.Selection().Field(mContext.Working()) >= 0);
    const bool chosen = hit && mContext.Chosen().Contains(mContext.Selection().Cid());
    mSelect->setText(chosen ? QStringLiteral("3. 枠の選択の解除") : QStringLiteral("3. 枠の選択"));
    for (QAction* action : mNeedsSelection) action->setEnabled(!mContext.Selection().Empty());
    const bool block = mHooks.clipboardHoldsBlock && mHooks.clipboardHoldsBlock();
    for (QAction* action : mNeedsBlock) action->setEnabled(block);
}

void FrameMenu::Popup(const QPoint& globalPos) {
    if (mController.Options().packed) {
        mPackMenu->popup(globalPos);
        return;
    }
    Refresh();
    mMenu->popup(globalPos);
}

}  // namespace mv
