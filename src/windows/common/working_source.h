#pragma once

#include "conversion/practice.h"
#include "windows/common/language.h"
#include "windows/common/working_steps.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <initializer_list>
#include <optional>

class QLineEdit;
class QWidget;

namespace radixon {

class CompanionHost;

// What a converting window offers the working and practice windows: its last
// calculation, its language and the exercise that practises its conversion, followed as
// they change, and the ways to open them: F2 (the working) and F3 (practice) in any of
// its fields, and entries in its result field's context menu.
class WorkingSource : public QObject {
    Q_OBJECT
public:
    // The octal and hexadecimal working of the main window goes on through binary.
    enum class Shortcut { None, ThroughBinary };

    WorkingSource(CompanionHost &host, QLineEdit *resultField,
                  std::initializer_list<QWidget *> fields, Shortcut shortcut = Shortcut::None);
    // A source its window shows itself, through the host: the practice's working of a
    // wrong answer. The keyboard stays in `field`, where the learner goes on.
    WorkingSource(CompanionHost &host, QWidget *field);

    QWidget *window() const;
    // Whether the window shown takes the keyboard, as F2 and the menu ask it to.
    bool handsOverKeyboard() const { return m_resultField != nullptr; }
    // The field that last asked for the working, to be given the keyboard back.
    QWidget *askingField() const;
    const Working &working() const { return m_working; }
    bool throughBinary() const { return m_shortcut == Shortcut::ThroughBinary; }
    const Language &language() const { return *m_language; }
    // The step the working marks, if any: the one that gives a wrong answer's first wrong digit.
    const std::optional<WorkingStep> &markedStep() const { return m_markedStep; }
    void setWorking(Working working);
    // A working with one step marked, through binary or not.
    void setMarkedWorking(Working working, Shortcut shortcut, WorkingStep marked);
    // Also writes the result field's tool tip and menu entries in the language.
    void setLanguage(const Language &language);
    // What practice starts with when this window opens it: read when it does.
    void setExerciseChoice(std::function<ExerciseChoice()> choice);
    ExerciseChoice exerciseChoice() const;
    // The working shown no longer stands: a window that shows it closes.
    void withdraw() { emit withdrawn(); }

signals:
    void changed();
    void withdrawn();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showMenu(const QPoint &at);

    CompanionHost &m_host;
    QLineEdit *m_resultField = nullptr;
    QWidget *m_homeField;
    Shortcut m_shortcut;
    QPointer<QWidget> m_askingField;
    Working m_working;
    std::optional<WorkingStep> m_markedStep;
    const Language *m_language = &Language::english();
    std::function<ExerciseChoice()> m_exerciseChoice;
};

} // namespace radixon
