// Frames through the system clipboard and the load window, as a user reaches them in the
// design window: the copy and paste keys, the menus' enabling, and file drops moving to the
// load window while it is shown.

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTest>

#include "app/window/blockactions.h"
#include "edit/widgets/framemenu.h"
#include "edit/widgets/loadwindow.h"
#include "model/codec.h"
#include "view/timetableview.h"
#include "window/windowfixture.h"

using namespace mv;
using namespace mv::test;

class BlockActionsTest : public QObject {
    Q_OBJECT

    static void Press(QWidget* picture, QPoint at, Qt::MouseButton button) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), picture->mapToGlobal(QPointF(at)), button, button,
                          Qt::NoModifier);
        QApplication::sendEvent(picture, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), picture->mapToGlobal(QPointF(at)), button,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(picture, &release);
    }

private slots:
    void copiedFramesArePastedAtThePressedDateAndUndoneInOneStep() {
        Fixture f(OpenNothing());
        f.window->Session().OpenFile(f.design.string(), true);
        QApplication::clipboard()->setText(QStringLiteral("something else"));
        QWidget* picture = f.window->View()->Pic();
        const FrameBox& box = f.window->Boxes().at(0).at(0);
        Press(picture, QPoint(box.rect.left + 10, box.rect.top + 30), Qt::LeftButton);
        f.window->Menu().Refresh();
        auto item = [&](const char* name) {
            return f.window->Menu().Menu()->findChild<QAction*>(QString::fromLatin1(name));
        };
        QVERIFY(!item("Pm_ClipGet")->isEnabled());  // nothing of ours on the clipboard yet
        QVERIFY(item("Pm_ClipPut")->isEnabled());

        QApplication::setActiveWindow(f.window.get());
        QTest::keyClick(f.window.get(), Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QApplication::clipboard()->text().startsWith(QStringLiteral("Marovelantis.ChoicedRange\r\n")));
        f.window->Menu().Refresh();
        QVERIFY(item("Pm_ClipGet")->isEnabled());

        // Pressed on the third date, the paste lands there.
        const ColumnCell& third = f.window->Layout().Columns().at(2);
        Press(picture, QPoint(third.rect.left + 5, box.rect.top + 30), Qt::LeftButton);
        const std::size_t steps = f.window->Session().History().Entries().size();
        QTest::keyClick(f.window.get(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.window->Boxes().at(2).size(), std::size_t(1));
        QCOMPARE(f.window->Boxes().at(2).front().start, 930);
        QVERIFY(f.window->Boxes().at(2).front().frame->Cid != f.window->Boxes().at(0).front().frame->Cid);
        QCOMPARE(f.window->Session().History().Entries().size(), steps + 1);
        f.window->Mn_UndoClick();
        QCOMPARE(f.window->Boxes().at(2).size(), std::size_t(0));
        QCOMPARE(f.window->Boxes().at(0).size(), std::size_t(1));
        f.window->Session().SetModified(false);
    }

    void theLoadWindowTakesTheDroppedFilesWhileItIsShown() {
        Fixture f(OpenNothing());
        QVERIFY(f.window->acceptDrops());
        f.window->Blocks().ShowLoadWindow();
        QVERIFY(f.window->Blocks().LoadWindow().isVisible());
        QVERIFY(!f.window->acceptDrops());
        f.window->Blocks().LoadWindow().hide();
        QVERIFY(f.window->acceptDrops());
    }
};

QTEST_MAIN(BlockActionsTest)
#include "blockactions_test.moc"
