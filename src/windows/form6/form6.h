#pragma once

#include "windows/common/companion_window.h"

class QCheckBox;
class QGroupBox;
class QListWidget;

namespace radixon {

// The temporary list: result lines collected while the user works, which can be
// cleaned of repeats and saved as a text file. The list lives as long as the window.
class Form6 : public CompanionWindow {
    Q_OBJECT
public:
    explicit Form6(CompanionHost &host);

    void load() override;

    // Appends the line as the list's last line.
    void AddItem(const QString &line);
    // The current line becomes the next one; with no current line, the first.
    void moveCurrentItemDown();
    // Removes every line that repeats an earlier one; the current line is not kept.
    void KillDoubles(QListWidget *listbox);

private:
    void createControls();
    void connectSignals();
    void applyLanguage(bool greek);
    int currentLine() const;

    void removeSelectedItem();
    void removeAllItems();
    void saveList();

    QGroupBox *Frame1 = nullptr;
    QListWidget *List1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QCheckBox *Check2 = nullptr;
    QCheckBox *Check3 = nullptr;
    QCheckBox *Check4 = nullptr;
    QCheckBox *Check5 = nullptr;
    QCheckBox *Check1 = nullptr;
};

} // namespace radixon
