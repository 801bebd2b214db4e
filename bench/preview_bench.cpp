// Times the main window's live preview: what every keystroke in the number field costs.

#include "main_window/main_window.h"
#include "main_window/main_window_names.h"
#include "windows/common/appearance.h"
#include "windows/common/dialogs.h"

#include <QApplication>
#include <QLineEdit>

#include <algorithm>
#include <chrono>
#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    radixon::applyAppearance(app);
    radixon::QtDialogs dialogs;
    radixon::MainWindow window(dialogs);
    window.show();
    auto *entry =
        window.findChild<QLineEdit *>(QLatin1String(radixon::main_window::name::numberField));
    auto *preview =
        window.findChild<QLineEdit *>(QLatin1String(radixon::main_window::name::previewField));

    // Two 29-digit inputs in turn, so that every update really changes the text.
    const QString inputs[] = {QStringLiteral("79228162514264337593543950335"),
                              QStringLiteral("12345678901234567890123456789")};
    constexpr int updates = 20000;
    double best = 1e300;
    for (int round = 0; round < 5; ++round) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < updates; ++i)
            entry->setText(inputs[i % 2]);
        const std::chrono::duration<double, std::micro> elapsed =
            std::chrono::steady_clock::now() - start;
        best = std::min(best, elapsed.count() / updates);
    }
    std::printf("preview update, 29-digit input: %.2f us per keystroke (best of 5 rounds of %d)\n",
                best, updates);
    std::printf("last preview: %s\n", qPrintable(preview->text()));
    return 0;
}
