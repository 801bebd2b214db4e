#pragma once

#include "windows/common/companion_window.h"

class QCheckBox;
class QGroupBox;
class QListWidget;

namespace radixon {

// The temporary list: result lines collected while the user works, which can be
// cleaned of repeats and saved as a text file. The list lives as long as the window.
class TemporaryListWindow : public CompanionWindow {
    Q_OBJECT
public:
    explicit TemporaryListWindow(CompanionHost &host);

    void load() override;

    // Appends the line as the list's last line.
    void appendLine(const QString &line);
    // The current line becomes the next one; with no current line, the first.
    void moveCurrentItemDown();
    // Removes every line that repeats an earlier one; the current line is not kept.
    void removeRepeats();

private:
    void createControls();
    void connectSignals();
    void applyLanguage(const Language &language);
    int currentLine() const;

    void removeSelectedItem();
    void removeAllItems();
    void saveList();

    QGroupBox *m_listFrame = nullptr;
    QListWidget *m_list = nullptr;
    QGroupBox *m_optionsPanel = nullptr;
    QCheckBox *m_removeSelectedBox = nullptr;
    QCheckBox *m_removeRepeatsBox = nullptr;
    QCheckBox *m_removeAllBox = nullptr;
    QCheckBox *m_saveBox = nullptr;
    QCheckBox *m_onTopBox = nullptr;
};

} // namespace radixon
