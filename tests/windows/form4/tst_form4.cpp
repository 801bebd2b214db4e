#include "support/fake_host.h"
#include "window_services/form_effects.h"
#include "window_services/ontop_notontop_less.h"
#include "windows/common/appearance.h"
#include "windows/common/bilingual.h"
#include "windows/form4/form4.h"
#include "windows/form4/web_address.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QUrl>
#include <QtTest>

#include <algorithm>
#include <memory>

using namespace radixon;

namespace {

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform reports every mask an effect sets, every fixed size and
// every raise.
void dropPlatformNoise(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("mask"), Qt::CaseInsensitive)
        || message.contains(QLatin1String("propagateSizeHints"))
        || message.contains(QLatin1String("support raise()")))
        return;
    defaultHandler(type, context, message);
}

QString u(const char *text) { return QString::fromUtf8(text); }

QStringList lines(std::initializer_list<const char *> texts)
{
    QStringList all;
    for (const char *text : texts)
        all << u(text);
    return all;
}

bool hasGreekLetters(const QString &text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x0370 && c.unicode() <= 0x03FF; });
}

} // namespace

class TestForm4 : public QObject {
    Q_OBJECT

    std::unique_ptr<test::FakeHost> host;
    QPointer<Form4> window;
    std::vector<QUrl> opened;
    bool openerSucceeds = true;

    template <class T = QWidget>
    T *control(const char *name) const
    {
        T *found = window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QString caption(const char *name) const
    {
        if (auto *frame = window->findChild<QGroupBox *>(QLatin1String(name)))
            return frame->title();
        return control<QLabel>(name)->text();
    }
    QStringList allTexts() const
    {
        return {window->windowTitle(), caption("Frame1"), caption("Frame2"), caption("Label1"),
                caption("lblDisclaimer"), caption("Label3")};
    }

    // Opens the window as the main window does on a click on its picture.
    void open(bool greek, bool waitForEffect = true)
    {
        host->greekFlag = greek;
        window = new Form4(*host);
        window->setUrlOpener([this](const QUrl &url) {
            opened.push_back(url);
            return openerSucceeds;
        });
        window->load();
        if (waitForEffect)
            finishEffect(window);
    }

private slots:
    void initTestCase()
    {
        defaultHandler = qInstallMessageHandler(dropPlatformNoise);
        applyAppearance(*qApp);
    }

    void init()
    {
        host = std::make_unique<test::FakeHost>();
        opened.clear();
        openerSucceeds = true;
    }

    void cleanup()
    {
        delete window.data();
        host.reset();
    }

    void opensInTheLanguageOfTheMoment_data()
    {
        QTest::addColumn<bool>("greek");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("presentationFrame");
        QTest::addColumn<QString>("noticeFrame");
        QTest::addColumn<QStringList>("presentation");

        QTest::newRow("English") << false << u("About:") << u("About Radixon") << u("License")
                                 << lines({
                                        "The << Radixon >> is a program created by Zendor.",
                                        "It was created for educational reasons.",
                                        "",
                                        "It's a program for converting decimal numbers to Binary, "
                                        "Octal and Hexademical system and other...",
                                        "",
                                        "Features:",
                                        "1. Decimal convertion to Binary, Octal and Hexademical system.",
                                        "2. Binary, Octal and Hexademical convertion to Decimal.",
                                        "3. Any base convertion.",
                                        "4. List with Binary, Octal and Hexademical first 100 numbers.",
                                        "5. Temporary list.",
                                    });
        QTest::newRow("Greek")
            << true << u("Σχετικά:") << u("Σχετικά Με Τον Radixon") << u("Άδεια")
            << lines({
                   "Ο << Radixon >> είναι ένα πρόγραμμα δημιουργημένο από τον Zendor.",
                   "Δημιουργήθηκε για λόγους εκπαιδευτικούς.",
                   "",
                   "Είναι ένα πρόγραμμα για μετατροπή δεκαδικών αριθμών σε Δυαδικό, Οκταδικό και "
                   "Δεκαεξαδικό σύστημα.",
                   "",
                   "Χαρακτηριστικά:",
                   "1. Μετατροπή δεκαδικού αριθμού σε Δυαδικό, Οκταδικό και Δεκαεξαδικό.",
                   "2. Μετατροπή Δυαδικού, Οκταδικού και Δεκαεξαδικού αριθμού σε δεκαδικό.",
                   "3. Οποιαδήποτε μετατροπή αριθμού.",
                   "4. Λίστα με τους πρώτους 100 Δυαδικούς, Οκταδικούς και Δεκαεξαδικούς αριθμούς.",
                   "5. Προσωρινή λίστα.",
               });
    }

    void opensInTheLanguageOfTheMoment()
    {
        QFETCH(bool, greek);
        QFETCH(QString, title);
        QFETCH(QString, presentationFrame);
        QFETCH(QString, noticeFrame);
        QFETCH(QStringList, presentation);
        open(greek, false);

        QCOMPARE(window->windowTitle(), title);
        QCOMPARE(caption("Frame1"), presentationFrame);
        QCOMPARE(caption("Frame2"), noticeFrame);
        // Split on the line feed alone, so that a stray carriage return shows.
        QCOMPARE(caption("Label1").split(QLatin1Char('\n')), presentation);
        auto *label1 = control<QLabel>("Label1");
        QCOMPARE(label1->textFormat(), Qt::PlainText);
        QVERIFY(label1->heightForWidth(label1->width())
                >= presentation.size() * label1->fontMetrics().lineSpacing());

        const QStringList notice = caption("lblDisclaimer").split(QLatin1Char('\n'));
        QCOMPARE(notice.size(), 2);
        for (const QString &line : notice) {
            QVERIFY(!line.trimmed().isEmpty());
            QCOMPARE(hasGreekLetters(line), greek);
        }

        QCOMPARE(caption("Label3"), QString::fromLatin1(webAddress));
        QCOMPARE(control("Label3")->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(!control<QLabel>("Picture1")->pixmap().isNull());
    }

    void textsStayWhenTheLanguageChangesLater_data()
    {
        QTest::addColumn<bool>("openedInGreek");
        QTest::newRow("opened in English, switched to Greek") << false;
        QTest::newRow("opened in Greek, switched to English") << true;
    }

    void textsStayWhenTheLanguageChangesLater()
    {
        QFETCH(bool, openedInGreek);
        open(openedInGreek);
        const QStringList before = allTexts();

        host->greekFlag = !openedInGreek;
        QTest::qWait(20);
        QCOMPARE(allTexts(), before);

        // Only a window opened afterwards speaks the new language.
        window->close();
        QTRY_VERIFY(window.isNull());
        open(!openedInGreek);
        const QStringList reopened = allTexts();
        for (int i = 0; i < before.size(); ++i) {
            if (before[i] != QString::fromLatin1(webAddress))
                QVERIFY2(reopened[i] != before[i], qPrintable(before[i]));
        }
    }

    void linkClickOpensTheWebAddress_data()
    {
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("browserOpens");
        QTest::addColumn<int>("calls");

        QTest::newRow("link") << "Label3" << Qt::LeftButton << true << 1;
        QTest::newRow("link without a browser") << "Label3" << Qt::LeftButton << false << 1;
        QTest::newRow("link with the right button") << "Label3" << Qt::RightButton << true << 0;
        QTest::newRow("presentation") << "Label1" << Qt::LeftButton << true << 0;
        QTest::newRow("usage notice") << "lblDisclaimer" << Qt::LeftButton << true << 0;
        QTest::newRow("picture") << "Picture1" << Qt::LeftButton << true << 0;
    }

    void linkClickOpensTheWebAddress()
    {
        QFETCH(QString, clicked);
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, browserOpens);
        QFETCH(int, calls);
        openerSucceeds = browserOpens;
        open(false);

        QTest::mouseClick(control(qPrintable(clicked)), button);
        QCOMPARE(opened.size(), std::size_t(calls));
        for (const QUrl &url : opened)
            QCOMPARE(url, QUrl(QStringLiteral("https://radixon.example.org")));
        // Nothing is reported, whatever the browser did, and the window stays.
        QVERIFY(host->fakeDialogs.shown.empty());
        QVERIFY(host->unloading.empty());
        QVERIFY(window->isVisible());
    }

    void closeControlPlaysTheCloseEffect_data()
    {
        QTest::addColumn<bool>("duringOpenEffect");
        QTest::addColumn<int>("closes");
        QTest::newRow("after the open effect") << false << 1;
        QTest::newRow("while the open effect runs") << true << 1;
        QTest::newRow("closed twice while closing") << false << 2;
    }

    void closeControlPlaysTheCloseEffect()
    {
        QFETCH(bool, duringOpenEffect);
        QFETCH(int, closes);
        open(false, !duringOpenEffect);

        for (int i = 0; i < closes; ++i)
            QVERIFY(!window->close());
        QVERIFY(isEffectRunning(window));
        QVERIFY(window->isVisible());
        QTRY_VERIFY(window.isNull());
        QCOMPARE(host->unloading, std::vector<Companion>{Companion::About});
    }

    void captionsFit_data()
    {
        QTest::addColumn<bool>("greek");
        QTest::newRow("English") << false;
        QTest::newRow("Greek") << true;
    }

    void captionsFit()
    {
        QFETCH(bool, greek);
        open(greek);

        const QList<QWidget *> children = window->findChildren<QWidget *>();
        QCOMPARE(children.size(), 6);
        for (QWidget *child : children) {
            const char *name = qPrintable(child->objectName());
            if (child->objectName() != QLatin1String("Picture1"))
                QVERIFY2(captionFits(child), name);
            QVERIFY2(child->parentWidget()->rect().contains(child->geometry()), name);
            if (auto *label = qobject_cast<QLabel *>(child); label && label->wordWrap())
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(), name);
        }
        const auto inWindow = [this](const char *name) {
            QWidget *widget = control(name);
            return QRect(widget->mapTo(window, QPoint()), widget->size());
        };
        QVERIFY(!inWindow("Picture1").intersects(inWindow("Label1")));
        QVERIFY(!inWindow("Frame1").intersects(inWindow("Frame2")));
        QVERIFY(!inWindow("Frame2").intersects(inWindow("Label3")));
        QCOMPARE(control<QLabel>("Picture1")->pixmap().size(), control("Picture1")->size());
    }

    void takesNoPartInDockingOnTopOrDrag_data()
    {
        QTest::addColumn<bool>("mainOnTop");
        QTest::newRow("main window on top") << true;
        QTest::newRow("main window not on top") << false;
    }

    void takesNoPartInDockingOnTopOrDrag()
    {
        QFETCH(bool, mainOnTop);
        host->onTopFlag = mainOnTop;
        open(true);

        QVERIFY(!host->dock().isRegistered(window));
        QVERIFY(!isOnTop(window));
        for (QWidget *surface : {static_cast<QWidget *>(window), control("Frame1"), control("Frame2")}) {
            const QPoint spot(surface->width() - 3, surface->height() - 3);
            QTest::mousePress(surface, Qt::LeftButton, {}, spot);
            QVERIFY2(!host->dock().isDragging(), qPrintable(surface->objectName()));
            QTest::mouseRelease(surface, Qt::LeftButton, {}, spot);
        }
    }

    void placeAndFrame_data()
    {
        QTest::addColumn<QPoint>("mainPosition");
        QTest::addColumn<bool>("centred");
        QTest::newRow("over the main window") << QPoint(300, 250) << true;
        QTest::newRow("main window at the top-left corner") << QPoint(0, 0) << false;
        QTest::newRow("main window at the bottom-right corner") << QPoint(10000, 10000) << false;
    }

    void placeAndFrame()
    {
        QFETCH(QPoint, mainPosition);
        QFETCH(bool, centred);
        const QRect area = host->main.screen()->availableGeometry();
        host->main.move(qMin(mainPosition.x(), area.right() - host->main.width()),
                        qMin(mainPosition.y(), area.bottom() - host->main.height()));
        host->main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host->main));
        open(false, false);

        QVERIFY(window->isVisible());
        QVERIFY(isEffectRunning(window));
        if (centred)
            QVERIFY((window->frameGeometry().center() - host->main.frameGeometry().center())
                        .manhattanLength()
                    <= 1);
        QVERIFY(area.contains(window->frameGeometry()));

        QCOMPARE(window->windowType(), Qt::Tool);
        QVERIFY(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(window->minimumSize(), window->maximumSize());
    }
};

QTEST_MAIN(TestForm4)
#include "tst_form4.moc"
