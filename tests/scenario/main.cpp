// lumetra-scenario: drives the main window off-screen through a script of
// user actions and timer ticks, and prints what it holds and draws.

#include "app/fonts.h"
#include "scenariorunner.h"

#include <QApplication>
#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
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
