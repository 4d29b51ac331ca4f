#include "seams.h"

#include "soundsetting.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>

Seams desktopSeams(PrinterPort& printer, ClickSound& clicks)
{
    Seams seams;
    seams.screenSize = [] { return QGuiApplication::primaryScreen()->geometry().size(); };
    seams.showError = [](const QString& caption, const QString& text) {
        QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, QApplication::activeWindow());
        box.setTextFormat(Qt::PlainText); // the message exactly as raised, never markup
        box.exec();
    };
    seams.runModal = [](QDialog& dialog) { dialog.exec(); };
    seams.printer = &printer;
    seams.clicks = &clicks;
    seams.rememberSound = rememberSound;
    seams.placesWindows = !QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
    const QString separator = QLocale::system().decimalPoint();
    seams.decimalSeparator = separator.isEmpty() ? QChar(u'.') : separator.front();
    return seams;
}
