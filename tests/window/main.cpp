// The unit tests' entry point: one off-screen application for the widget
// tests, with the program's fonts.

#include "app/fonts.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    registerFonts(true);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
