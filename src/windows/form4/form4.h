#pragma once

#include "windows/common/companion_window.h"

#include <functional>

class QGroupBox;
class QLabel;
class QUrl;

namespace radixon {

// Presents the program, its features and its usage notice, and links to its web page.
class Form4 : public CompanionWindow {
    Q_OBJECT
public:
    // Hands an address to whatever shows it; the result is of no interest to the window.
    using UrlOpener = std::function<bool(const QUrl &)>;

    explicit Form4(CompanionHost &host);

    void load() override;

    // The system's default handler unless replaced.
    void setUrlOpener(UrlOpener opener);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createLink();
    void applyLanguage(bool greek);
    void centreOverMainWindow();
    void openWebAddress();

    QGroupBox *Frame1 = nullptr;
    QLabel *Picture1 = nullptr;
    QLabel *Label1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QLabel *lblDisclaimer = nullptr;
    QLabel *Label3 = nullptr;

    UrlOpener urlOpener;
};

} // namespace radixon
