#include "soundsetting.h"

#include <QSettings>

namespace {

const QString kKey = QStringLiteral("sound");

// Under the program's short name, whatever the language of its title.
QSettings settings()
{
    return QSettings(QStringLiteral("lumetra"), QStringLiteral("lumetra"));
}

} // namespace

bool soundRemembered()
{
    return settings().value(kKey, false).toBool();
}

void rememberSound(bool on)
{
    QSettings stored = settings();
    if (stored.value(kKey, false).toBool() != on)
        stored.setValue(kKey, on);
}
