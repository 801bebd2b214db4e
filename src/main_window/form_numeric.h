#pragma once

#include "main_window/companions.h"
#include "window_services/qt_magnetic_dock.h"
#include "windows/common/companion_host.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace radixon {

class Dialogs;
class NumberEntry;

// The start-up window: the decimal converter above, the options panel below.
class Form_Numeric : public QWidget, public CompanionHost {
    Q_OBJECT
public:
    // Client heights with the options panel closed and open.
    static constexpr int closedHeight = 228;
    static constexpr int openHeight = 368;
    static constexpr int clientWidth = 190;

    // A second copy of the program starts one pixel taller.
    enum class Copy { First, Second };

    explicit Form_Numeric(Dialogs &dialogs, Copy copy = Copy::First, QWidget *parent = nullptr);
    ~Form_Numeric() override;

    // The interface language flag, read by every window: the language box ticked is Greek.
    bool greek() const override;
    bool alwaysOnTop() const override;
    QWidget *mainWindow() override { return this; }
    QtMagneticDock &dock() override { return magneticDock; }
    Dialogs &dialogs() override { return dialogs_; }
    void companionUnloading(Companion which) override;
    Form6 &temporaryList() override;

    // Unloads every loaded window whose name differs from `form_name`.
    void UnloadAllForms(const QString &form_name = QString());

    // Every companion window registers here; it lives as long as the main window.
    QtMagneticDock magneticDock;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createOptionsPanel();
    void registerCompanions();
    void enableWindowServices();
    void connectSignals();
    void arrangeTabOrder();

    void Calculate();
    void AppendResultLine();
    void updatePreview();
    void showOptionsPanel(bool open);
    void showCompanion(Companion which, bool ticked);
    QCheckBox *boxOf(Companion which) const;
    void setAlwaysOnTop(bool onTop);
    void switchLanguage();
    void fillSystems();
    int selectedBase() const;
    void focusEntry();
    void showAbout();
    void waitForClosingWindows();

    Dialogs &dialogs_;
    Companions companions{*this};
    bool shuttingDown = false;

    QGroupBox *Frame1 = nullptr;
    QLabel *Label1 = nullptr;
    QComboBox *Combo1 = nullptr;
    QLabel *Label3 = nullptr;
    NumberEntry *Text1 = nullptr;
    QLabel *Label4 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    QPushButton *Command2 = nullptr;
    QLabel *Image1 = nullptr;
    QCheckBox *Check5 = nullptr;

    QGroupBox *Frame3 = nullptr;
    QCheckBox *Check1 = nullptr;
    QCheckBox *Check12 = nullptr;
    QCheckBox *Check11 = nullptr;
    QCheckBox *Check3 = nullptr;
    QCheckBox *Check13 = nullptr;
    QCheckBox *Check8 = nullptr;
    QCheckBox *Check4 = nullptr;
};

} // namespace radixon
