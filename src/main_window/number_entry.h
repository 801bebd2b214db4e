#pragma once

#include <QLineEdit>

class QKeyEvent;

namespace radixon {

// What a key press in the number field does.
enum class EntryKeyAction {
    Calculate,     // Enter or Return, with any modifiers
    ToggleOptions, // F1
    Edit,          // editing and navigation: Backspace, Delete, shortcuts, arrows
    Insert,        // figures 0 to 9
    Drop,          // any other character
};

EntryKeyAction classifyEntryKey(const QKeyEvent &event);

// The main window's decimal input: only figures can be typed, while editing keys and
// the clipboard work as in any text field. Pasted text is not filtered.
class NumberEntry : public QLineEdit {
    Q_OBJECT
public:
    explicit NumberEntry(QWidget *parent = nullptr);

signals:
    void calculateRequested();
    void toggleOptionsRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace radixon
