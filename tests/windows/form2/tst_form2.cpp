#include "support/fake_host.h"
#include "window_services/form_effects.h"
#include "window_services/ontop_notontop_less.h"
#include "windows/common/appearance.h"
#include "windows/common/bilingual.h"
#include "windows/common/twips.h"
#include "windows/form2/form2.h"
#include "windows/form2/number_lines.h"
#include "windows/form6/form6.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPointer>
#include <QScreen>
#include <QtTest>

#include <memory>

using namespace radixon;

namespace {

QtMessageHandler previousHandler = nullptr;

// The effects reshape the window on every frame, which offscreen reports each time.
void dropMaskNoise(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("mask")))
        return;
    previousHandler(type, context, message);
}

QString u8(const char *text) { return QString::fromUtf8(text); }

} // namespace

class TestForm2 : public QObject {
    Q_OBJECT

    std::unique_ptr<test::FakeHost> host;
    QPointer<Form2> window;
    QPointer<Form6> temporaryList;

    void open(bool greek)
    {
        host->greekFlag = greek;
        window = new Form2(*host);
        window->load();
        finishEffect(window);
    }
    template <class T = QWidget>
    T *control(const char *name) const
    {
        T *found = window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QListWidget *list(const char *name) const { return control<QListWidget>(name); }
    QPoint lineCentre(QListWidget *list, int row) const
    {
        list->scrollToItem(list->item(row));
        return list->visualItemRect(list->item(row)).center();
    }
    void clickLine(const char *name, int row) const
    {
        QListWidget *l = list(name);
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, lineCentre(l, row));
    }
    void doubleClickLine(const char *name, int row) const
    {
        QListWidget *l = list(name);
        const QPoint centre = lineCentre(l, row);
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, centre);
    }
    QStringList temporaryLines() const
    {
        QStringList lines;
        auto *box = temporaryList->findChild<QListWidget *>(QStringLiteral("List1"));
        for (int i = 0; i < box->count(); ++i)
            lines.append(box->item(i)->text());
        return lines;
    }

private slots:
    void initTestCase()
    {
        previousHandler = qInstallMessageHandler(dropMaskNoise);
        applyAppearance(*qApp);
    }

    void init()
    {
        host = std::make_unique<test::FakeHost>();
        host->temporaryListFactory = [this]() -> Form6 & {
            if (!temporaryList) {
                temporaryList = new Form6(*host);
                temporaryList->load();
            }
            return *temporaryList;
        };
        open(false);
    }

    void cleanup()
    {
        delete window;
        delete temporaryList;
        host.reset();
    }

    void numberLine_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("base");
        QTest::addColumn<QString>("line");
        QTest::newRow("1 in binary") << 1 << 2 << QStringLiteral("1 = 1");
        QTest::newRow("8 in binary") << 8 << 2 << QStringLiteral("8 = 1000");
        QTest::newRow("8 in octal") << 8 << 8 << QStringLiteral("8 = 10");
        QTest::newRow("8 in hexadecimal") << 8 << 16 << QStringLiteral("8 = 8");
        QTest::newRow("10 in hexadecimal, upper case") << 10 << 16 << QStringLiteral("10 = A");
        QTest::newRow("15 in octal") << 15 << 8 << QStringLiteral("15 = 17");
        QTest::newRow("16 in hexadecimal") << 16 << 16 << QStringLiteral("16 = 10");
        QTest::newRow("100 in binary") << 100 << 2 << QStringLiteral("100 = 1100100");
    }
    void numberLine()
    {
        QFETCH(int, n);
        QFETCH(int, base);
        QFETCH(QString, line);
        QCOMPARE(radixon::numberLine(n, base), line);
    }

    void listsHoldOneToHundred_data()
    {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QString>("last");
        QTest::newRow("binary") << QByteArray("List1") << 4 << QStringLiteral("100 = 1100100");
        QTest::newRow("octal") << QByteArray("List2") << 6 << QStringLiteral("100 = 144");
        QTest::newRow("hexadecimal") << QByteArray("List3") << 7 << QStringLiteral("100 = 64");
    }
    void listsHoldOneToHundred()
    {
        QFETCH(QByteArray, list);
        QFETCH(int, columns);
        QFETCH(QString, last);
        QListWidget *l = this->list(list.constData());
        QCOMPARE(l->count(), 100);
        QCOMPARE(l->item(0)->text(), QStringLiteral("1 = 1"));
        QCOMPARE(l->item(99)->text(), last);
        QVERIFY(l->selectedItems().isEmpty());
        // Lines run down a column, then on at the top of the next.
        QCOMPARE(l->flow(), QListView::TopToBottom);
        QVERIFY(l->isWrapping());
        QCOMPARE(l->gridSize().width(), l->width() / columns);
        const QRect first = l->visualItemRect(l->item(0));
        const QRect second = l->visualItemRect(l->item(1));
        QCOMPARE(second.left(), first.left());
        QVERIFY(second.top() > first.top());
    }

    void captionsFollowTheLanguageAtOpening_data()
    {
        QTest::addColumn<bool>("greek");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("hexFrame");
        QTest::addColumn<QString>("onTop");
        QTest::newRow("English")
            << false << QStringLiteral("RX Lists:  (Double Click Item To Send To Temorary List)")
            << QStringLiteral("Hexademical System") << QStringLiteral("Always On Top");
        QTest::newRow("Greek")
            << true
            << u8("RX Λίστες: (Διπλό Κλικ Σε Στοιχειο Για Να Το Στείλετε Στην Προσ. Λίστα)")
            << u8("Δεκαεξαδικό Σύστημα") << u8("Πάντα Στο Προσκήνιο");
    }
    void captionsFollowTheLanguageAtOpening()
    {
        QFETCH(bool, greek);
        QFETCH(QString, title);
        QFETCH(QString, hexFrame);
        QFETCH(QString, onTop);
        delete window;
        open(greek);
        QCOMPARE(window->windowTitle(), title);
        QCOMPARE(control<QGroupBox>("Frame3")->title(), hexFrame);
        QCOMPARE(control<QCheckBox>("Check2")->text(), onTop);
        for (const char *name : {"Frame1", "Frame2", "Frame3", "Frame4", "Check2"})
            QVERIFY2(captionFits(control(name)), name);
    }

    void opensNearTheTopRightCornerAsAnOwnedToolWindow()
    {
        // The main window is on screen when the lists open; its frame tells the outer size.
        host->main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host->main));
        delete window;
        open(false);
        QCOMPARE(window->objectName(), QStringLiteral("Form2"));
        QCOMPARE(window->parentWidget(), host->mainWindow());
        QVERIFY(window->windowFlags().testFlag(Qt::Tool));
        QVERIFY(host->magneticDock.isRegistered(window));
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect outer = window->frameGeometry();
        QCOMPARE(area.right() - outer.right(), twipsToPixels(500));
        QCOMPARE(outer.top() - area.top(), twipsToPixels(500));
    }

    void clickOnBinarySelectsTheSameNumberEverywhere_data()
    {
        QTest::addColumn<bool>("greek");
        QTest::addColumn<QStringList>("tips");
        QTest::newRow("English") << false
                                 << QStringList{QStringLiteral("Binary 10 = 1010"),
                                                QStringLiteral("Octal 10 = 12"),
                                                QStringLiteral("Hexademical 10 = A")};
        QTest::newRow("Greek, switched after opening")
            << true
            << QStringList{u8("Δυαδικό 10 = 1010"), u8("Οκταδικό 10 = 12"),
                           u8("Δεκαεξαδικό 10 = A")};
    }
    void clickOnBinarySelectsTheSameNumberEverywhere()
    {
        QFETCH(bool, greek);
        QFETCH(QStringList, tips);
        host->greekFlag = greek;
        clickLine("List1", 9);
        const char *names[] = {"List1", "List2", "List3"};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(list(names[i])->currentRow(), 9);
            QVERIFY(list(names[i])->currentItem()->isSelected());
            QCOMPARE(list(names[i])->toolTip(), tips.at(i));
        }
    }

    void clickOnOctalChangesOnlyOctal()
    {
        clickLine("List1", 4);
        clickLine("List2", 9);
        QCOMPARE(list("List1")->currentRow(), 4);
        QCOMPARE(list("List2")->currentRow(), 9);
        QCOMPARE(list("List3")->currentRow(), 4);
        QCOMPARE(list("List1")->toolTip(), QStringLiteral("Binary 5 = 101"));
        QCOMPARE(list("List2")->toolTip(), QStringLiteral("Octal 10 = 12"));
        QCOMPARE(list("List3")->toolTip(), QStringLiteral("Hexademical 5 = 5"));
    }

    void doubleClickSendsTheLineInTheLanguageOfTheMoment_data()
    {
        QTest::addColumn<bool>("greekAtOpening");
        QTest::addColumn<bool>("greekAtClick");
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("sent");
        QTest::newRow("opened Greek, switched to English")
            << true << false << QByteArray("List1") << 4 << QStringLiteral("Bin: 5 = 101");
        QTest::newRow("opened English, switched to Greek")
            << false << true << QByteArray("List2") << 9 << u8("Οκτ: 10 = 12");
        QTest::newRow("hexadecimal, English")
            << false << false << QByteArray("List3") << 99 << QStringLiteral("Hex: 100 = 64");
        QTest::newRow("hexadecimal, Greek")
            << true << true << QByteArray("List3") << 14 << u8("Δεκ: 15 = F");
    }
    void doubleClickSendsTheLineInTheLanguageOfTheMoment()
    {
        QFETCH(bool, greekAtOpening);
        QFETCH(bool, greekAtClick);
        QFETCH(QByteArray, list);
        QFETCH(int, row);
        QFETCH(QString, sent);
        delete window;
        open(greekAtOpening);
        host->greekFlag = greekAtClick;
        QVERIFY(temporaryList.isNull());
        doubleClickLine(list.constData(), row);
        // The temporary list window loads for the line; its box is left to the user.
        QVERIFY(!temporaryList.isNull());
        QVERIFY(temporaryList->isVisible());
        QCOMPARE(temporaryLines(), QStringList{sent});
        QVERIFY(host->unloading.empty());
        doubleClickLine(list.constData(), row);
        QCOMPARE(temporaryLines(), (QStringList{sent, sent}));
    }

    void alwaysOnTopFollowsItsBox()
    {
        window->setAlwaysOnTop(true);
        QVERIFY(control<QCheckBox>("Check2")->isChecked());
        QVERIFY(isOnTop(window));
        auto *box = control<QCheckBox>("Check2");
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        QVERIFY(!isOnTop(window));
    }

    void closeControlClearsOnlyTheListsBox()
    {
        window->close();
        QCOMPARE(host->unloading, std::vector<Companion>{Companion::Lists});
        QVERIFY(!host->magneticDock.isRegistered(window));
        QTRY_VERIFY(window.isNull());
    }
};

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
