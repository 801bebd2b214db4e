#pragma once

#include "windows/common/language.h"
#include "windows/common/working_steps.h"

#include <QObject>
#include <QPointer>

#include <initializer_list>

class QLineEdit;
class QWidget;

namespace radixon {

class CompanionHost;

// What a converting window offers the working window: its last calculation and its
// language, both followed as they change, and two ways to open it: F2 in any of its
// fields, and "Show The Working" in its result field's context menu.
class WorkingOffer : public QObject {
    Q_OBJECT
public:
    // The octal and hexadecimal working of the main window goes on through binary.
    enum class Shortcut { None, ThroughBinary };

    WorkingOffer(CompanionHost &host, QLineEdit *resultField,
                 std::initializer_list<QWidget *> fields, Shortcut shortcut = Shortcut::None);

    QWidget *window() const;
    // The field that last asked for the working, to be given the keyboard back.
    QWidget *askingField() const;
    const Working &working() const { return m_working; }
    bool throughBinary() const { return m_shortcut == Shortcut::ThroughBinary; }
    const Language &language() const { return *m_language; }
    void setWorking(Working working);
    // Also writes the result field's tool tip and menu entry in the language.
    void setLanguage(const Language &language);

signals:
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showMenu(const QPoint &at);

    CompanionHost &m_host;
    QLineEdit *m_resultField;
    const Shortcut m_shortcut;
    QPointer<QWidget> m_askingField;
    Working m_working;
    const Language *m_language = &Language::english();
};

} // namespace radixon
