// lumetra-scenario: drives the main window off-screen through a script of
// user actions and timer ticks, and prints what it holds and draws.

#include "app/fonts.h"
#include "scenariorunner.h"

#include <QApplication>
#include <QLocale>
#include <clocale>
#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The output never depends on the machine's language or regional
    // settings: English texts (no translation is ever installed here) and
    // the C locale's numbers, whatever LANGUAGE, LC_* and LANG say. The
    // application sets the C library's locale from the environment, and
    // font matching reads it too, so the environment is set first.
    qunsetenv("LANGUAGE");
    qputenv("LC_ALL", "C.UTF-8");
    QApplication application(argc, argv);
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(QLocale::c());
    QApplication::setStyle(QStringLiteral("Fusion"));
    registerFonts();

    std::ifstream file;
    if (argc > 1) {
        file.open(argv[1]);
        if (!file) {
            std::cerr << "lumetra-scenario: cannot read " << argv[1] << '\n';
            return 2;
        }
    }
    std::istream& script = argc > 1 ? static_cast<std::istream&>(file) : std::cin;

    ScenarioRunner runner;
    for (std::string line; std::getline(script, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        runner.run(QString::fromStdString(line));
        std::cout.flush();
    }
    return runner.refused() ? 1 : 0;
}
