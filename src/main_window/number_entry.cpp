#include "main_window/number_entry.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace radixon {

namespace {

bool isEditingShortcut(const QKeyEvent &event)
{
    static constexpr QKeySequence::StandardKey shortcuts[] = {
        QKeySequence::Cut,  QKeySequence::Copy, QKeySequence::Paste,
        QKeySequence::Undo, QKeySequence::Redo, QKeySequence::SelectAll,
    };
    for (const QKeySequence::StandardKey key : shortcuts) {
        if (event.matches(key))
            return true;
    }
    return false;
}

} // namespace

EntryKeyAction classifyEntryKey(const QKeyEvent &event)
{
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return EntryKeyAction::Calculate;
    case Qt::Key_F1:
        return EntryKeyAction::ToggleOptions;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        return EntryKeyAction::Edit;
    default:
        break;
    }
    if (isEditingShortcut(event))
        return EntryKeyAction::Edit;
    const QString text = event.text();
    // Keys that insert nothing (arrows, Home, control keys) are the field's own business.
    if (text.isEmpty() || !text.at(0).isPrint())
        return EntryKeyAction::Edit;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return EntryKeyAction::Drop;
    }
    return EntryKeyAction::Insert;
}

NumberEntry::NumberEntry(QWidget *parent) : QLineEdit(parent) {}

void NumberEntry::keyPressEvent(QKeyEvent *event)
{
    // A key event arrives accepted: returning without passing it on consumes it.
    switch (classifyEntryKey(*event)) {
    case EntryKeyAction::Calculate:
        emit calculateRequested();
        return;
    case EntryKeyAction::ToggleOptions:
        emit toggleOptionsRequested();
        return;
    case EntryKeyAction::Drop:
        return;
    case EntryKeyAction::Edit:
    case EntryKeyAction::Insert:
        QLineEdit::keyPressEvent(event);
        return;
    }
}

} // namespace radixon
