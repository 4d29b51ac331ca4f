#include "aboutbox.h"
#include "fonts.h"
#include "output/qtprinter.h"
#include "razorez.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QString());
    QApplication::setApplicationName(QStringLiteral("Lumetra Photoelectric Effect"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    registerFonts();

    QtPrinter printer;
    Tphotofrm photofrm(desktopSeams(printer));
    Taboutboxp aboutboxp(&photofrm);
    photofrm.aboutboxp = &aboutboxp;

    photofrm.show();
    photofrm.activateWindow();
    return application.exec();
}
