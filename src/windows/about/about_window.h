#pragma once

#include "windows/common/companion_window.h"

#include <functional>

class QGroupBox;
class QLabel;
class QUrl;

namespace radixon {

// Presents the program, its features and its usage notice, and links to its web page.
class AboutWindow : public CompanionWindow {
    Q_OBJECT
public:
    // Hands an address to whatever shows it; the result is of no interest to the window.
    using UrlOpener = std::function<bool(const QUrl &)>;

    explicit AboutWindow(CompanionHost &host);

    void load() override;

    // The system's default handler unless replaced.
    void setUrlOpener(UrlOpener opener);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createLink();
    void applyLanguage(const Language &language);
    void centreOverMainWindow();
    void openWebAddress();

    QGroupBox *m_aboutFrame = nullptr;
    QLabel *m_picture = nullptr;
    QLabel *m_aboutText = nullptr;
    QGroupBox *m_licenceFrame = nullptr;
    QLabel *m_licenceText = nullptr;
    QLabel *m_webAddressLink = nullptr;

    UrlOpener m_urlOpener;
};

} // namespace radixon
