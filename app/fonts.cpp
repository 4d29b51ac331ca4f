#include "fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

const QString kChineseSans = QStringLiteral("Noto Sans CJK SC");

void registerFonts(bool chineseShown)
{
    QString smallSans = QStringLiteral("DejaVu Sans");
    const int id = QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/ms_sans_serif.ttf"));
    if (id >= 0 && !QFontDatabase::applicationFontFamilies(id).isEmpty())
        smallSans = QFontDatabase::applicationFontFamilies(id).front();
    if (smallSans != QStringLiteral("MS Sans Serif"))
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), smallSans);
    // The bitmap face does not scale: on a scaled screen the window's own
    // texts take the scalable sans. Pictures keep it, as they are drawn at
    // their own size and only then scaled.
    const bool scaled = qGuiApp && qGuiApp->devicePixelRatio() != 1.0;
    QFont::insertSubstitution(QStringLiteral("System"), scaled ? QStringLiteral("DejaVu Sans") : smallSans);
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("arial"), QStringLiteral("Liberation Sans"));
    // Chinese texts: characters the Latin faces lack come from the CJK sans,
    // in its Simplified Chinese forms whatever the desktop's locale.
    for (const QString& family : {QStringLiteral("MS Sans Serif"), QStringLiteral("System"), QStringLiteral("Arial"),
                                  QStringLiteral("arial")})
        QFont::insertSubstitution(family, kChineseSans);
    // The application's own font only where Chinese is shown: with the CJK
    // sans behind it, the text of a printed notebook no longer reads back
    // from the PDF (its digits lose their character codes).
    if (chineseShown)
        QFont::insertSubstitution(QGuiApplication::font().family(), kChineseSans);
}
