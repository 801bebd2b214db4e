#include "windows/common/working_offer.h"

#include "windows/common/companion_host.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

namespace radixon {

namespace {

constexpr char context[] = "WorkingOffer";
constexpr const char *menuEntry = QT_TRANSLATE_NOOP("WorkingOffer", "Show The Working");
constexpr const char *toolTip = QT_TRANSLATE_NOOP("WorkingOffer", "F2: Show The Working");

} // namespace

WorkingOffer::WorkingOffer(CompanionHost &host, QLineEdit *resultField,
                           std::initializer_list<QWidget *> fields, Shortcut shortcut)
    : QObject(resultField), m_host(host), m_resultField(resultField), m_shortcut(shortcut)
{
    setObjectName(QStringLiteral("workingOffer"));
    for (QWidget *field : fields)
        field->installEventFilter(this);
    m_resultField->installEventFilter(this);
    m_resultField->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_resultField, &QWidget::customContextMenuRequested, this, &WorkingOffer::showMenu);
    setLanguage(*m_language);
}

QWidget *WorkingOffer::window() const { return m_resultField->window(); }

QWidget *WorkingOffer::askingField() const
{
    return m_askingField ? m_askingField.data() : m_resultField;
}

void WorkingOffer::setWorking(Working working)
{
    m_working = std::move(working);
    emit changed();
}

void WorkingOffer::setLanguage(const Language &language)
{
    m_language = &language;
    m_resultField->setToolTip(language.text(context, toolTip));
    emit changed();
}

bool WorkingOffer::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F2
        && static_cast<QKeyEvent *>(event)->modifiers() == Qt::NoModifier) {
        m_askingField = qobject_cast<QWidget *>(watched);
        m_host.showWorking(*this);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void WorkingOffer::showMenu(const QPoint &at)
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
    menu->popup(m_resultField->mapToGlobal(at));
}

} // namespace radixon
