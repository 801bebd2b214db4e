#pragma once

#include "conversion/practice.h"
#include "windows/common/companion_window.h"
#include "windows/common/working_source.h"

#include <QPointer>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace radixon {

// Exercises in the conversion of the window that asked, one at a time: the learner
// types an answer and checks it; a wrong one is told where it first goes wrong, and the
// working window beside shows the exercise's steps with the step that gives that digit
// marked. It follows the asking window's language; the score lasts as long as the window.
class PracticeWindow : public CompanionWindow {
    Q_OBJECT
public:
    explicit PracticeWindow(CompanionHost &host);

    void load() override;
    // Where the numbers of the exercises come from, the system's at first; a new source
    // starts a new run of exercises, unbound to the last one.
    void setRandomSource(RandomSource random);
    // Practises `source`'s kind of exercise with a new exercise and takes the keyboard;
    // the first time, opens beside its window.
    void follow(WorkingSource &source) override;

private:
    enum class State { Asking, Right, Wrong };

    void createControls();
    void connectSignals();
    void applyLanguage();
    void choose(ExerciseChoice choice);
    ExerciseKind kind() const;
    void nextExercise();
    void showQuestion();
    // Enter: check, or after a verdict go on as its button would.
    void answerEntered();
    void check();
    void tryAgain();
    void showWorkingOfMistake();
    void setState(State state);
    QString verdictText() const;
    // Shows the verdict and, when `announce`, tells screen readers.
    void say(const QString &verdict, bool announce = true);
    void showScore();
    const Language &language() const;

    RandomSource m_random = systemRandomSource();
    QPointer<WorkingSource> m_source;
    // This window's own source: the working of the exercise, once an answer was wrong.
    WorkingSource *m_exerciseWorking = nullptr;
    std::optional<Exercise> m_exercise; // none before the first
    State m_state = State::Asking;
    AnswerCheck m_lastCheck;
    int m_right = 0;
    int m_attempted = 0;
    int m_run = 0;
    bool m_placed = false;

    QWidget *m_body = nullptr;
    QComboBox *m_kindList = nullptr;
    QSpinBox *m_baseField = nullptr;
    QComboBox *m_levelList = nullptr;
    QLabel *m_questionLine = nullptr;
    QLineEdit *m_answerField = nullptr;
    QPushButton *m_checkButton = nullptr;
    QPushButton *m_tryAgainButton = nullptr;
    QPushButton *m_nextButton = nullptr;
    QLabel *m_verdictLine = nullptr;
    QLabel *m_scoreLine = nullptr;
};

} // namespace radixon
