#include "windows/common/working_source.h"

#include "windows/common/companion_host.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

namespace radixon {

namespace {

constexpr char context[] = "WorkingSource";
constexpr const char *menuEntry = QT_TRANSLATE_NOOP("WorkingSource", "Show The Working");
constexpr const char *practiseEntry = QT_TRANSLATE_NOOP("WorkingSource", "Practise");
constexpr const char *toolTip =
    QT_TRANSLATE_NOOP("WorkingSource", "F2: Show The Working · F3: Practise");

} // namespace

WorkingSource::WorkingSource(CompanionHost &host, QLineEdit *resultField,
                             std::initializer_list<QWidget *> fields, Shortcut shortcut)
    : QObject(resultField), m_host(host), m_resultField(resultField), m_homeField(resultField),
      m_shortcut(shortcut)
{
    setObjectName(QStringLiteral("workingSource"));
    for (QWidget *field : fields)
        field->installEventFilter(this);
    m_resultField->installEventFilter(this);
    m_resultField->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_resultField, &QWidget::customContextMenuRequested, this, &WorkingSource::showMenu);
    setLanguage(*m_language);
}

WorkingSource::WorkingSource(CompanionHost &host, QWidget *field)
    : QObject(field), m_host(host), m_homeField(field), m_shortcut(Shortcut::None)
{
    setObjectName(QStringLiteral("workingSource"));
}

QWidget *WorkingSource::window() const { return m_homeField->window(); }

QWidget *WorkingSource::askingField() const
{
    return m_askingField ? m_askingField.data() : m_homeField;
}

void WorkingSource::setWorking(Working working)
{
    m_working = std::move(working);
    emit changed();
}

void WorkingSource::setMarkedWorking(Working working, Shortcut shortcut, WorkingStep marked)
{
    m_shortcut = shortcut;
    m_markedStep = marked;
    setWorking(std::move(working));
}

void WorkingSource::setLanguage(const Language &language)
{
    m_language = &language;
    if (m_resultField)
        m_resultField->setToolTip(language.text(context, toolTip));
    emit changed();
}

void WorkingSource::setExerciseChoice(std::function<ExerciseChoice()> choice)
{
    m_exerciseChoice = std::move(choice);
}

ExerciseChoice WorkingSource::exerciseChoice() const
{
    return m_exerciseChoice ? m_exerciseChoice() : ExerciseChoice();
}

bool WorkingSource::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if ((key->key() != Qt::Key_F2 && key->key() != Qt::Key_F3)
        || key->modifiers() != Qt::NoModifier)
        return QObject::eventFilter(watched, event);
    m_askingField = qobject_cast<QWidget *>(watched);
    if (key->key() == Qt::Key_F2)
        m_host.showWorking(*this);
    else
        m_host.showPractice(*this);
    return true;
}

void WorkingSource::showMenu(const QPoint &at)
{
    QMenu *menu = m_resultField->createStandardContextMenu();
    menu->setObjectName(QStringLiteral("resultMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    QAction *show = menu->addAction(m_language->text(context, menuEntry));
    show->setObjectName(QStringLiteral("showWorkingAction"));
    connect(show, &QAction::triggered, this, [this] {
        m_askingField = m_resultField;
        m_host.showWorking(*this);
    });
    QAction *practise = menu->addAction(m_language->text(context, practiseEntry));
    practise->setObjectName(QStringLiteral("practiseAction"));
    connect(practise, &QAction::triggered, this, [this] {
        m_askingField = m_resultField;
        m_host.showPractice(*this);
    });
    menu->popup(m_resultField->mapToGlobal(at));
}

} // namespace radixon
