// The announcer and its accessible interface: a notification named with its words, which
// is renamed and then shown, the two events Qt's AT-SPI bridge carries whole.
#include "announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMetaObject>

namespace workshop {
namespace {

class AnnouncerAccessible final : public QAccessibleWidget
{
public:
    explicit AnnouncerAccessible(Announcer *announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? announcer()->words() : QString();
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = announcer()->words().isEmpty();
        state.readOnly = true;
        state.focusable = false;
        return state;
    }

private:
    Announcer *announcer() const { return static_cast<Announcer *>(widget()); }
};

QAccessibleInterface *announcerFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("workshop::Announcer") && object->isWidgetType())
        return new AnnouncerAccessible(static_cast<Announcer *>(object));
    return nullptr;
}

} // namespace

void installAnnouncerAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(announcerFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

Announcer::Announcer(QWidget *parent)
    : QWidget(parent)
{
    installAnnouncerAccessibility();
    setFixedSize(0, 0);
    setFocusPolicy(Qt::NoFocus);
}

void Announcer::announce(const QString &words)
{
    m_pending = words;
    if (std::exchange(m_waiting, true))
        return;
    QMetaObject::invokeMethod(
        this,
        [this] { QMetaObject::invokeMethod(this, [this] { tell(); }, Qt::QueuedConnection); },
        Qt::QueuedConnection);
}

void Announcer::tell()
{
    m_waiting = false;
    m_words = std::exchange(m_pending, {});
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    emit announced(m_words);
}

} // namespace workshop
