// The core tests' entry point: a plain off-screen GUI application, for the
// fonts of the texts drawn on the pictures, with the program's fonts.

#include "app/fonts.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    registerFonts();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
