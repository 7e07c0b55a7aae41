// The program's message boxes and file dialogs as Qt shows them: Japanese words, and
// nothing answered or shown twice by accident.

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/window/applicationsetup.h"
#include "platform/qtdialogs.h"

using namespace mv;

Q_DECLARE_METATYPE(mv::Buttons)
Q_DECLARE_METATYPE(mv::Answer)

class QtDialogsTest : public QObject {
    Q_OBJECT

    // Runs `act` on the dialog of type T once it is up; `act` closes it.
    template <typename T, typename Act>
    static void WhenShown(Act act) {
        QTimer::singleShot(0, qApp, [act] {
            if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) act(dialog);
        });
    }

private slots:
    void initTestCase() {
        QVERIFY(SetUpApplication(*qApp));
        // Captions are the program's own: Qt would append a display name to each.
        QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    }

    void questionsHaveJapaneseButtonsThatNoTypedLetterPresses_data() {
        QTest::addColumn<Buttons>("buttons");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<Answer>("answer");
        QTest::newRow("information") << Buttons::Ok << QStringList{QStringLiteral("OK")} << QStringLiteral("OK")
                                     << Answer::Ok;
        QTest::newRow("yes/no") << Buttons::YesNo << QStringList{QStringLiteral("はい"), QStringLiteral("いいえ")}
                                << QStringLiteral("いいえ") << Answer::No;
        QTest::newRow("yes/no/cancel")
            << Buttons::YesNoCancel
            << QStringList{QStringLiteral("はい"), QStringLiteral("いいえ"), QStringLiteral("キャンセル")}
            << QStringLiteral("キャンセル") << Answer::Cancel;
        QTest::newRow("ok/cancel") << Buttons::OkCancel << QStringList{QStringLiteral("OK"), QStringLiteral("キャンセル")}
                                   << QStringLiteral("OK") << Answer::Ok;
    }
    void questionsHaveJapaneseButtonsThatNoTypedLetterPresses() {
        QFETCH(Buttons, buttons);
        QFETCH(QStringList, texts);
        QFETCH(QString, pressed);
        QFETCH(Answer, answer);
        QStringList shown;
        bool answeredByALetter = false;
        WhenShown<QMessageBox>([&](QMessageBox* box) {
            for (QAbstractButton* button : box->buttons()) shown << button->text();
            for (char letter : {'y', 'n', 'c', 'o'}) QTest::keyClick(box, letter);
            answeredByALetter = !box->isVisible();
            for (QAbstractButton* button : box->buttons())
                if (button->text() == pressed) button->click();
            if (box->isVisible()) box->reject();
        });
        QtDialogs dialogs;
        QCOMPARE(dialogs.Show(MessageKind::Question, "確認", "よろしいですか？", buttons, Answer::Ok), answer);
        QVERIFY(!answeredByALetter);
        shown.sort();
        texts.sort();
        QCOMPARE(shown, texts);
    }

    void fileDialogsShowEachPatternOnceInJapanese() {
        QtFileChooser files;
        QStringList filters;
        QString cancel;
        WhenShown<QFileDialog>([&](QFileDialog* dialog) {
            if (auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo")))
                for (int i = 0; i < types->count(); ++i) filters << types->itemText(i);
            cancel = dialog->labelText(QFileDialog::Reject);
            dialog->reject();
        });
        FileDialogRequest request{"指定のデザインファイルを開きます。", "(*.MVF)|*.MVF|(*.csv)|*.csv|(*.*)|*.*", ""};
        QVERIFY(!files.ChooseOpen(request));
        QCOMPARE(filters, (QStringList{QStringLiteral("(*.MVF)"), QStringLiteral("(*.csv)"), QStringLiteral("(*.*)")}));
        QCOMPARE(cancel, QStringLiteral("キャンセル"));
        // "*.*" stands for every file, those without an extension too.
        QVERIFY(QtFilter("(*.*)|*.*").endsWith(QStringLiteral("(*)")));
    }
};

QTEST_MAIN(QtDialogsTest)
#include "qtdialogs_test.moc"
