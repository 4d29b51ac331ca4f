#include "announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

class AccessibleNotification : public QAccessibleWidget
{
public:
    AccessibleNotification(QWidget* notification, const Announcer& announcer)
        : QAccessibleWidget(notification, QAccessible::Notification)
        , announcer_(announcer)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? announcer_.phrase() : QAccessibleWidget::text(t);
    }

private:
    const Announcer& announcer_;
};

QAccessibleInterface* accessibleAnnouncer(const QString&, QObject* object)
{
    if (auto* announcer = dynamic_cast<Announcer*>(object))
        return new QAccessibleWidget(announcer, QAccessible::StatusBar);
    if (auto* announcer = dynamic_cast<Announcer*>(object->parent()); announcer && object->isWidgetType())
        return new AccessibleNotification(static_cast<QWidget*>(object), *announcer);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget* parent)
    : QWidget(parent)
{
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleAnnouncer), true);
    Q_UNUSED(factoryInstalled);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 1, 1);
    lower();
}

void Announcer::announce(const QString& phrase)
{
    phrase_ = phrase;
    if (!QAccessible::isActive())
        return;
    if (notification_)
        notification_->deleteLater();
    notification_ = new QWidget(this);
    notification_->setGeometry(0, 0, 1, 1);
    notification_->show();
}
