#include "windows/practice/practice_window.h"

#include "window_services/always_on_top.h"
#include "window_services/qt_magnetic_dock.h"
#include "windows/common/layout.h"
#include "windows/practice/practice_texts.h"
#include "windows/working/working_model.h"

#include <QAccessible>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

namespace radixon {

namespace {

constexpr int contentWidth = 380;
// Lines kept for the verdict, so that the window keeps its size from one to the next.
constexpr int verdictLines = 3;

// The working of an exercise as the working window shows it: the division for a number
// written from decimal, the sum for one written in decimal, the groups of binary digits
// for binary and octal or hexadecimal either way.
std::pair<Working, WorkingSource::Shortcut> workingOf(const Exercise &exercise)
{
    switch (exercise.kind) {
    case ExerciseKind::BinaryToDecimal:
    case ExerciseKind::OctalToDecimal:
    case ExerciseKind::HexadecimalToDecimal:
        return {*PositionalWorking::of(exercise.question, exercise.fromBase),
                WorkingSource::Shortcut::None};
    case ExerciseKind::BinaryToOctal:
    case ExerciseKind::BinaryToHexadecimal:
        return {*DivisionWorking::of(exercise.value, exercise.toBase),
                WorkingSource::Shortcut::ThroughBinary};
    case ExerciseKind::OctalToBinary:
    case ExerciseKind::HexadecimalToBinary:
        return {*DivisionWorking::of(exercise.value, exercise.fromBase),
                WorkingSource::Shortcut::ThroughBinary};
    default:
        return {*DivisionWorking::of(exercise.value, exercise.toBase),
                WorkingSource::Shortcut::None};
    }
}

} // namespace

PracticeWindow::PracticeWindow(CompanionHost &host)
    : CompanionWindow(
        host, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint,
        host.mainWindow())
{
    setObjectName(QLatin1String(practice::name::window));
    createControls();
    connectSignals();
    m_host.dock().enableDragAnywhere(this, {m_body, m_questionLine, m_verdictLine, m_scoreLine});
}

void PracticeWindow::createControls()
{
    namespace name = practice::name;
    m_body = place(new QWidget(this), "practiceBody", {});
    const auto label = [this](const char *name, QWidget *buddy) {
        auto *caption = place(new QLabel(m_body), name, {});
        caption->setBuddy(buddy);
        return caption;
    };
    const auto line = [this](const char *name) {
        auto *text = place(new QLabel(m_body), name, {});
        text->setWordWrap(true);
        text->setTextFormat(Qt::PlainText);
        return text;
    };
    m_kindList = place(new QComboBox(m_body), name::kindList, {});
    for (std::size_t kind = 0; kind < exerciseKindCount; ++kind)
        m_kindList->addItem(QString()); // named in the language
    m_baseField = place(new QSpinBox(m_body), name::baseField, {});
    m_baseField->setRange(minExerciseBase, maxExerciseBase);
    m_levelList = place(new QComboBox(m_body), name::levelList, {});
    for (const std::uint64_t largest : exerciseLevels)
        m_levelList->addItem(QString::number(largest));
    m_levelList->setItemText(m_levelList->count() - 1,
                             m_levelList->itemText(m_levelList->count() - 1)
                                 + QString::fromUtf8(" (2³² − 1)"));
    m_questionLine = line(name::questionLine);
    QFont larger = m_questionLine->font();
    larger.setBold(true);
    m_questionLine->setFont(larger);
    m_answerField = place(new QLineEdit(m_body), name::answerField, {});
    m_checkButton = place(new QPushButton(m_body), name::checkButton, {});
    m_tryAgainButton = place(new QPushButton(m_body), name::tryAgainButton, {});
    m_nextButton = place(new QPushButton(m_body), name::nextButton, {});
    m_verdictLine = line(name::verdictLine);
    m_verdictLine->setMinimumHeight(verdictLines * m_verdictLine->fontMetrics().lineSpacing());
    m_verdictLine->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_scoreLine = line(name::scoreLine);

    auto *grid = new QGridLayout(m_body);
    grid->addWidget(label(name::kindLabel, m_kindList), 0, 0);
    grid->addWidget(m_kindList, 0, 1);
    grid->addWidget(label(name::baseLabel, m_baseField), 1, 0);
    grid->addWidget(m_baseField, 1, 1, Qt::AlignLeft);
    grid->addWidget(label(name::levelLabel, m_levelList), 2, 0);
    grid->addWidget(m_levelList, 2, 1);
    grid->addWidget(m_questionLine, 3, 0, 1, 2);
    grid->addWidget(label(name::answerLabel, m_answerField), 4, 0);
    grid->addWidget(m_answerField, 4, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *button : {m_checkButton, m_tryAgainButton, m_nextButton})
        buttons->addWidget(button);
    grid->addLayout(buttons, 5, 0, 1, 2);
    grid->addWidget(m_verdictLine, 6, 0, 1, 2);
    grid->addWidget(m_scoreLine, 7, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    setTabOrder(m_answerField, m_checkButton);
    setTabOrder(m_checkButton, m_tryAgainButton);
    setTabOrder(m_tryAgainButton, m_nextButton);
    setTabOrder(m_nextButton, m_kindList);
    setTabOrder(m_kindList, m_baseField);
    setTabOrder(m_baseField, m_levelList);
}

void PracticeWindow::connectSignals()
{
    connect(m_kindList, &QComboBox::currentIndexChanged, this, [this] {
        m_baseField->setEnabled(kind() == ExerciseKind::DecimalToBase);
        nextExercise();
    });
    connect(m_baseField, &QSpinBox::valueChanged, this, &PracticeWindow::nextExercise);
    connect(m_levelList, &QComboBox::currentIndexChanged, this, &PracticeWindow::nextExercise);
    connect(m_answerField, &QLineEdit::returnPressed, this, &PracticeWindow::answerEntered);
    connect(m_checkButton, &QPushButton::clicked, this, &PracticeWindow::check);
    connect(m_tryAgainButton, &QPushButton::clicked, this, &PracticeWindow::tryAgain);
    connect(m_nextButton, &QPushButton::clicked, this, &PracticeWindow::nextExercise);
}

void PracticeWindow::setRandomSource(RandomSource random)
{
    m_random = std::move(random);
    if (std::exchange(m_exercise, std::nullopt))
        nextExercise();
}

// It comes on screen in follow(), placed beside the window that asked.
void PracticeWindow::load()
{
    m_exerciseWorking = new WorkingSource(m_host, m_answerField);
    m_exerciseWorking->setExerciseChoice([this] {
        return ExerciseChoice{kind(), std::uint8_t(m_baseField->value())};
    });
    setAlwaysOnTop(this, m_host.alwaysOnTop());
}

void PracticeWindow::follow(WorkingSource &source)
{
    // Asked again from the working of its own exercise: the exercise stays.
    if (&source != m_exerciseWorking) {
        if (m_source != &source) {
            if (m_source)
                disconnect(m_source, nullptr, this, nullptr);
            m_source = &source;
            connect(&source, &WorkingSource::changed, this, &PracticeWindow::applyLanguage);
        }
        applyLanguage();
        choose(source.exerciseChoice());
    }
    if (!std::exchange(m_placed, true)) {
        const QSize outer = size().grownBy(decorationMargins()); // not mapped yet
        const Rect beside = besideOf(source.window(), outer.width(), outer.height(), outer.width());
        move(beside.left, beside.top);
        registerWithDock();
        playOpenEffect();
    }
    raise();
    activateWindow();
    m_answerField->setFocus();
}

void PracticeWindow::applyLanguage()
{
    const Language &language = this->language();
    applyTexts(this, practice::context, practice::texts, language);
    for (std::size_t kind = 0; kind < exerciseKindCount; ++kind)
        m_kindList->setItemText(int(kind),
                                language.text(practice::context, practice::kinds[kind].name));
    m_exerciseWorking->setLanguage(language);
    showQuestion();
    showScore();
    say(verdictText(), false);
    const QMargins margins = m_body->layout()->contentsMargins();
    const int width = contentWidth + margins.left() + margins.right();
    const QSize client(width, m_body->layout()->totalHeightForWidth(width));
    m_body->setGeometry(QRect(clientOrigin(this), client));
    setClientSize(this, client);
}

// The asking window's, which it follows.
const Language &PracticeWindow::language() const
{
    return m_source ? m_source->language() : m_host.language();
}

void PracticeWindow::choose(ExerciseChoice choice)
{
    {
        const QSignalBlocker kindBlocker(m_kindList), baseBlocker(m_baseField);
        m_kindList->setCurrentIndex(int(choice.kind));
        if (choice.kind == ExerciseKind::DecimalToBase)
            m_baseField->setValue(exerciseBases(choice.kind, choice.base).second);
        m_baseField->setEnabled(choice.kind == ExerciseKind::DecimalToBase);
    }
    nextExercise();
}

ExerciseKind PracticeWindow::kind() const { return ExerciseKind(m_kindList->currentIndex()); }

void PracticeWindow::nextExercise()
{
    m_exercise = drawExercise(kind(), std::uint8_t(m_baseField->value()),
                              std::size_t(m_levelList->currentIndex()), m_random,
                              m_exercise ? &*m_exercise : nullptr);
    // The last exercise's steps would stand beside a new one.
    m_exerciseWorking->withdraw();
    m_lastCheck = {};
    m_answerField->clear();
    setState(State::Asking);
    say({}, false);
    showQuestion();
    m_answerField->setFocus();
}

void PracticeWindow::showQuestion()
{
    if (!m_exercise)
        return;
    const Language &language = this->language();
    const QString number = decimalText(m_exercise->question, QLocale().decimalPoint());
    const QString question =
        language.text(practice::context, practice::kinds[std::size_t(m_exercise->kind)].question)
            .arg(number, QString::number(m_exercise->toBase));
    m_questionLine->setText(question);
    // Read out with the field, where the keyboard is.
    m_answerField->setAccessibleName(question);
}

void PracticeWindow::answerEntered()
{
    switch (m_state) {
    case State::Asking:
        check();
        break;
    case State::Right:
        nextExercise();
        break;
    case State::Wrong:
        tryAgain();
        break;
    }
}

void PracticeWindow::check()
{
    if (m_state != State::Asking)
        return;
    m_lastCheck = checkAnswer(*m_exercise, m_answerField->text().toStdString());
    switch (m_lastCheck.verdict) {
    case AnswerCheck::Verdict::Refused:
        break;
    case AnswerCheck::Verdict::Right:
        ++m_right;
        ++m_attempted;
        ++m_run;
        setState(State::Right);
        break;
    case AnswerCheck::Verdict::Wrong:
        ++m_attempted;
        m_run = 0;
        setState(State::Wrong);
        showWorkingOfMistake();
        break;
    }
    showScore();
    say(verdictText());
}

void PracticeWindow::tryAgain()
{
    if (m_state != State::Wrong)
        return;
    m_lastCheck = {};
    setState(State::Asking);
    say({}, false);
    // Kept to be mended, or typed over.
    m_answerField->selectAll();
    m_answerField->setFocus();
}

void PracticeWindow::showWorkingOfMistake()
{
    auto [working, shortcut] = workingOf(*m_exercise);
    m_exerciseWorking->setMarkedWorking(std::move(working), shortcut,
                                        stepOfDigit(*m_exercise, m_lastCheck.firstWrong));
    // Beside, while the keyboard stays here for the next try.
    m_host.showWorking(*m_exerciseWorking);
}

void PracticeWindow::setState(State state)
{
    m_state = state;
    m_answerField->setReadOnly(state != State::Asking);
    m_checkButton->setEnabled(state == State::Asking);
    m_tryAgainButton->setEnabled(state == State::Wrong);
}

QString PracticeWindow::verdictText() const
{
    const Language &language = this->language();
    const auto text = [&language](const char *source) {
        return language.text(practice::context, source);
    };
    switch (m_lastCheck.verdict) {
    case AnswerCheck::Verdict::Right:
        return text(practice::right);
    case AnswerCheck::Verdict::Wrong: {
        const bool sum =
            stepOfDigit(*m_exercise, m_lastCheck.firstWrong).table == WorkingStep::Table::Sum;
        return text(practice::mistakes[int(m_lastCheck.mistake) - 1])
                   .arg(m_lastCheck.firstWrong + 1)
               + QLatin1Char(' ') + text(sum ? practice::sumStep : practice::markedStep);
    }
    case AnswerCheck::Verdict::Refused:
        if (m_lastCheck.refusal == AnswerCheck::Refusal::None)
            return {};
        return text(practice::refusals[int(m_lastCheck.refusal) - 1])
                   .arg(QString::fromStdString(m_lastCheck.character),
                        QString::number(m_exercise->toBase))
               + QLatin1Char(' ') + text(practice::notCounted);
    }
    return {};
}

void PracticeWindow::say(const QString &verdict, bool announce)
{
    m_verdictLine->setText(verdict);
    m_answerField->setAccessibleDescription(verdict);
    if (announce && !verdict.isEmpty()) {
        QAccessibleEvent alert(m_verdictLine, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
}

void PracticeWindow::showScore()
{
    const Language &language = this->language();
    m_scoreLine->setText(
        language.text(practice::context, practice::score).arg(m_right).arg(m_attempted).arg(m_run));
}

} // namespace radixon
