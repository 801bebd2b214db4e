#pragma once

#include "main_window/companion_list.h"
#include "main_window/companions.h"
#include "main_window/show_all_cascade.h"
#include "window_services/qt_magnetic_dock.h"
#include "windows/common/companion_host.h"

#include <QWidget>

#include <cstdint>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace radixon {

class Dialogs;
class NumberEntry;
struct NumberSystem;
class TemporaryListWindow;

// The start-up window: the decimal converter above, the options panel below.
class MainWindow : public QWidget, public CompanionHost {
    Q_OBJECT
public:
    // Client heights with the options panel closed and open.
    static constexpr int closedHeight = 228;
    static constexpr int openHeight = 368;
    static constexpr int clientWidth = 190;

    // A second copy of the program starts one pixel taller, which tells the two apart.
    enum class Height { Usual, OnePixelTaller };

    // Greek, unless another language is asked for.
    explicit MainWindow(Dialogs &dialogs, Height height = Height::Usual,
                        const Language &language = Language::greek(), QWidget *parent = nullptr);
    ~MainWindow() override;

    // The language of every window opened from here: the language box ticked is Greek,
    // cleared English, and a language asked for at the start holds until the box changes.
    const Language &language() const override { return *m_language; }
    bool alwaysOnTop() const override;
    QWidget *mainWindow() override { return this; }
    // Every window of the program registers here; it lives as long as the main window.
    QtMagneticDock &dock() override { return m_dock; }
    Dialogs &dialogs() override { return m_dialogs; }
    void companionUnloading(const CompanionWindow &window) override;
    void appendToTemporaryList(const QString &line) override;
    void showWorking(WorkingSource &source) override;
    void showPractice(WorkingSource &source) override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createOptionsPanel();
    void enableWindowServices();
    void connectSignals();
    void arrangeTabOrder();

    void calculate();
    void appendResultLine();
    TemporaryListWindow &temporaryList();
    void updatePreview();
    void showOptionsPanel(bool open);
    void showCompanion(const CompanionEntry &entry, bool ticked);
    void showAll(bool ticked);
    QCheckBox *boxOf(const CompanionEntry &entry) const;
    void applyOnTop(bool onTop);
    void switchLanguage(bool ticked);
    void applyLanguage();
    void fillSystems();
    // The system chosen in the list, if any, and its base (0 for none).
    const NumberSystem *selectedSystem() const;
    std::uint8_t selectedBase() const;
    void focusEntry();
    void showAbout();
    void sayFarewell();

    Dialogs &m_dialogs;
    const Language *m_language;
    QtMagneticDock m_dock;
    Companions m_companions{*this};
    ShowAllCascade m_showAllCascade;
    bool m_shuttingDown = false;
    bool m_farewellSaid = false;
    bool m_aboutPressed = false;

    QGroupBox *m_converterFrame = nullptr;
    QLabel *m_systemLabel = nullptr;
    QComboBox *m_systemList = nullptr;
    QLabel *m_numberLabel = nullptr;
    NumberEntry *m_numberField = nullptr;
    QLabel *m_resultLabel = nullptr;
    QLineEdit *m_resultField = nullptr;
    QLineEdit *m_previewField = nullptr;
    QPushButton *m_calculateButton = nullptr;
    QLabel *m_aboutPicture = nullptr;
    QCheckBox *m_optionsBox = nullptr;
    WorkingSource *m_workingSource = nullptr;

    QGroupBox *m_optionsPanel = nullptr;
    // By row of the companion list; none for About.
    std::vector<QCheckBox *> m_companionBoxes = std::vector<QCheckBox *>(companionList.size());
    QCheckBox *m_showAllBox = nullptr;
    QCheckBox *m_onTopBox = nullptr;
    QCheckBox *m_languageBox = nullptr;
};

} // namespace radixon
