// The property window as a user drives it: its controls reach the frame and the undo
// history, the packed display only shows, and a memo line dropped on a frame is its title.

#include <QApplication>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "app/window/toolpanel.h"
#include "edit/framecommands.h"
#include "edit/widgets/memoline.h"
#include "model/codec.h"
#include "view/timetableview.h"
#include "window/windowfixture.h"

using namespace mv;
using namespace mv::test;

namespace {

const Date kJuly1{2003, 7, 1};
const std::string kCid = "PC9-20030101000000-00001";

// The design opened, its frame selected with one title field, the property window open.
struct Opened : Fixture {
    Opened() : Fixture(OpenNothing()) {
        window->Session().OpenFile(design.string(), true);
        AddTitleField(window->Edit(), kJuly1, kCid, Sjis("朝"), false);
        window->Edit().Selection().Select(kCid, kJuly1, 0);
        window->ShowProperties();
    }
    ~Opened() { window->Session().SetModified(false); }
    template <typename Widget>
    Widget* Find(const char* name) {
        return window->Properties().findChild<Widget*>(QString::fromLatin1(name));
    }
    const TCInf& Frame() const { return *window->Session().Working().FrameOn(kJuly1, kCid); }
    std::string UndoCaption() const { return window->Session().History().UndoCaption(); }
    void TypeTime(const char* field, const char* text) {
        QLineEdit* edit = Find<QLineEdit>(field);
        edit->setText(QString::fromUtf8(text));
        emit edit->editingFinished();
    }
};

}  // namespace

class PropertyWindowTest : public QObject {
    Q_OBJECT

private slots:
    void controlsChangeTheFrameAndRecordTheirSteps() {
        Opened f;
        QVERIFY(f.window->Properties().isVisible());
        QVERIFY(f.Find<QLabel>("Pnl_WakuInfo")->text().endsWith(QStringLiteral("09:30～11:00")));

        // A start typed past the end takes the end along, keeping the length.
        f.TypeTime("Edt_Naiyo_STime", "１２：００");
        QCOMPARE(f.Frame().STime, 1200);
        QCOMPARE(f.Frame().ETime, 1330);
        QCOMPARE(f.Find<QLineEdit>("Edt_Naiyo_ETime")->text(), QStringLiteral("13:30"));
        QVERIFY(f.UndoCaption().find(Sjis("時刻変更")) != std::string::npos);
        const std::size_t steps = f.window->Session().History().Entries().size();
        f.TypeTime("Edt_Naiyo_ETime", "24:60");  // refused with its message, nothing changed
        QCOMPARE(f.Frame().ETime, 1330);
        QCOMPARE(f.dialogs.shown.back().text, std::string("不正な時刻です。"));
        QCOMPARE(f.window->Session().History().Entries().size(), steps);

        QComboBox* size = f.Find<QComboBox>("Cmb_FS");
        size->setCurrentIndex(11);
        emit size->activated(11);
        QCOMPARE(f.Frame().Fields[0].FTextPS, 12);
        QVERIFY(f.UndoCaption().find(Sjis("ﾌｫﾝﾄｻｲｽﾞ")) != std::string::npos);

        const int fill = f.Frame().WakuBC;
        f.window->Properties().pickFrameColour = [](int) { return std::optional<int>(0x00FF00); };
        f.Find<QPushButton>("Pnl_BC")->click();
        QCOMPARE(f.Frame().WakuBC, 0x00FF00);
        QVERIFY(f.UndoCaption().find(Sjis("枠色")) != std::string::npos);

        f.Find<QRadioButton>("Rbt_Right")->click();
        QCOMPARE(f.Frame().Fields[0].FTextAL, 3);

        // Texts are stored as typed, without steps of their own.
        const std::size_t before = f.window->Session().History().Entries().size();
        f.Find<QPlainTextEdit>("Edt_Contents")->setPlainText(QStringLiteral("一行目\n二行目"));
        QCOMPARE(f.Frame().Contents, Sjis("一行目") + '\x7f' + Sjis("二行目"));
        QCOMPARE(f.window->Session().History().Entries().size(), before);

        f.window->Mn_UndoClick();  // the newest step, the frame colour; the window is hidden meanwhile
        QCOMPARE(f.Frame().WakuBC, fill);
        QVERIFY(!f.window->Properties().isVisible());
    }

    void thePackedDisplayOnlyShows() {
        Opened f;
        f.window->Tools()->Btn_EditKind->click();
        f.window->Edit().Selection().Select(kCid, kJuly1, 0);
        f.window->ShowProperties();
        QVERIFY(f.Find<QLineEdit>("Edt_Naiyo_STime")->isReadOnly());
        QVERIFY(!f.Find<QComboBox>("Cmb_FS")->isEnabled());
        QVERIFY(!f.Find<QWidget>("Grp_Format")->isEnabled());
        QCOMPARE(f.Find<QPlainTextEdit>("Edt_WakuTitle")->toPlainText(), QStringLiteral("朝"));
        const std::string line = *f.window->Session().Working().LineOf(kJuly1, kCid);
        f.TypeTime("Edt_Naiyo_STime", "10:00");
        QCOMPARE(*f.window->Session().Working().LineOf(kJuly1, kCid), line);
        // The command pages stay readable.
        auto* pages = f.Find<QTabWidget>("PCtl_Base");
        pages->setCurrentIndex(5);
        QVERIFY(!f.Find<QPushButton>("Btn_YList_DeleteMonth")->isEnabled());
        f.window->Tools()->Btn_EditKind->click();
    }

    void aMemoLineDroppedOnAFrameBecomesItsTitle() {
        Opened f;
        QWidget* picture = f.window->View()->Pic();
        const FrameBox& box = f.window->Boxes().at(0).at(0);
        const QPoint inside = picture->mapTo(f.window.get(), QPoint(box.rect.left + 10, box.rect.top + 30));
        QMimeData data;
        data.setData(QString::fromLatin1(kMemoLineMime), QStringLiteral("  夜の部  ").toUtf8());
        QDragEnterEvent enter(inside, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.window.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(inside), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.window.get(), &drop);
        QCOMPARE(f.Frame().Fields.size(), std::size_t(2));
        QCOMPARE(f.Frame().Fields[1].FTextStr, Sjis("夜の部"));
        QVERIFY(f.UndoCaption().find(Sjis("ﾀｲﾄﾙ追加")) != std::string::npos);
    }
};

QTEST_MAIN(PropertyWindowTest)
#include "propertywindow_test.moc"
