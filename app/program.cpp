#include "program.h"

#include "aboutbox.h"
#include "fonts.h"
#include "output/qtprinter.h"
#include "razorez.h"

#include <QApplication>

int runProgram(int& argc, char** argv, const std::function<void(Tphotofrm&)>& started)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumetra Photoelectric Effect"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    registerFonts();

    QtPrinter printer;
    Tphotofrm photofrm(desktopSeams(printer));
    Taboutboxp aboutboxp(&photofrm);
    photofrm.aboutboxp = &aboutboxp;

    photofrm.show();
    photofrm.activateWindow();
    if (started)
        started(photofrm);
    return application.exec();
}
