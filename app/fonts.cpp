#include "fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

void registerFonts()
{
    QString smallSans = QStringLiteral("DejaVu Sans");
    const int id = QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/ms_sans_serif.ttf"));
    if (id >= 0 && !QFontDatabase::applicationFontFamilies(id).isEmpty())
        smallSans = QFontDatabase::applicationFontFamilies(id).front();
    if (smallSans != QStringLiteral("MS Sans Serif"))
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), smallSans);
    QFont::insertSubstitution(QStringLiteral("System"), smallSans);
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("arial"), QStringLiteral("Liberation Sans"));
}
