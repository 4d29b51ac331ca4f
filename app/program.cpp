#include "program.h"

#include "aboutbox.h"
#include "fonts.h"
#include "output/qtprinter.h"
#include "razorez.h"

#include <QApplication>
#include <QIcon>

int runProgram(int& argc, char** argv, const std::function<void(Tphotofrm&)>& started)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumetra Photoelectric Effect"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/resources/lumetra.png")));
    QApplication::setDesktopFileName(QStringLiteral("lumetra"));
    registerFonts();

    QtPrinter printer;
    Tphotofrm photofrm(desktopSeams(printer));
    Taboutboxp aboutboxp(&photofrm);
    photofrm.aboutboxp = &aboutboxp;

    photofrm.show();
    if (photofrm.seams().placesWindows)
        photofrm.activateWindow();
    if (started)
        started(photofrm);
    return application.exec();
}
