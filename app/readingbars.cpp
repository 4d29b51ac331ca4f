#include "readingbars.h"

#include <QAccessible>
#include <QSet>

namespace {

QSet<const QObject*>& readingBars()
{
    static QSet<const QObject*> bars;
    return bars;
}

// Passes every event on to the platform's bridge but a reading bar's change
// of position.
void withoutPositionChanges(QAccessibleEvent* event)
{
    if (event->type() == QAccessible::ValueChanged && readingBars().contains(event->object()))
        return;
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(withoutPositionChanges);
}

} // namespace

void speakReadingsOf(std::initializer_list<const QObject*> bars)
{
    for (const QObject* bar : bars) {
        readingBars().insert(bar);
        QObject::connect(bar, &QObject::destroyed, [bar] { readingBars().remove(bar); });
    }
    QAccessible::installUpdateHandler(withoutPositionChanges);
}
