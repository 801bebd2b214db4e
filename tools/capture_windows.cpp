// Saves a picture of every window, in Greek and in English, for the README:
//   radixon_capture_windows OUTPUT_FOLDER
// Run on a real display (scripts/take-screenshots.sh starts one).

#include "main_window/form_numeric.h"
#include "windows/common/appearance.h"
#include "windows/common/companion_window.h"
#include "windows/common/dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <cstdio>

using namespace radixon;

namespace {

QWidget *window(const char *name)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name) && widget->isVisible())
            return widget;
    }
    return nullptr;
}

void save(const QDir &folder, const char *name, const char *language)
{
    QTest::qWait(900); // open effects have ended
    if (QWidget *shown = window(name)) {
        const QString file = folder.filePath(QStringLiteral("%1-%2.png")
                                                 .arg(QString::fromLatin1(name).toLower(), QLatin1String(language)));
        shown->grab().save(file);
        std::printf("%s\n", qPrintable(file));
    }
}

void fill(QWidget *main)
{
    // A little of what a user would have typed, so that no window stands empty.
    auto *entry = main->findChild<QLineEdit *>(QStringLiteral("Text1"));
    entry->setText(QStringLiteral("255"));
    QTest::keyClick(entry, Qt::Key_Return);
    main->findChild<QComboBox *>(QStringLiteral("Combo1"))->setCurrentIndex(2);
    QTest::keyClick(entry, Qt::Key_Return);
    if (QWidget *lists = window("Form2"))
        lists->findChild<QListWidget *>(QStringLiteral("List1"))->setCurrentRow(9);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    applyAppearance(app);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    QtDialogs dialogs;
    Form_Numeric main(dialogs);
    main.show();
    if (!QTest::qWaitForWindowExposed(&main))
        return 1;

    for (const char *language : {"greek", "english"}) {
        auto *greek = main.findChild<QCheckBox *>(QStringLiteral("Check4"));
        greek->setChecked(QLatin1String(language) == QLatin1String("greek"));
        main.findChild<QCheckBox *>(QStringLiteral("Check5"))->setChecked(true);
        main.findChild<QCheckBox *>(QStringLiteral("Check13"))->setChecked(true);
        QTest::mouseClick(main.findChild<QWidget *>(QStringLiteral("Image1")), Qt::LeftButton);
        fill(&main);
        for (const char *name : {"Form_Numeric", "Form2", "Form3", "Form4", "Form5", "Form6"})
            save(folder, name, language);
        main.findChild<QCheckBox *>(QStringLiteral("Check13"))->setChecked(false);
        if (auto *about = qobject_cast<CompanionWindow *>(window("Form4")))
            about->unload();
        QTest::qWait(900);
    }
    return 0;
}
