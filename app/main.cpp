#include "lumetra_version.h"
#include "program.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

namespace {

constexpr int kGoOn = -1;

// The command line, read before anything asks for a display: --help and
// --version answer on standard output, anything unknown is refused with
// status 2. Returns the exit status, or kGoOn to start the window.
int answerCommandLine(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    // "-platform xcb" is one option, as QApplication reads it, not -p -l -a ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Lumetra Photoelectric Effect: a simulation of the photoelectric effect for the classroom."));
    // Not addHelpOption(): its --help-all would list options of a
    // QApplication that is not made here.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    // Options every Qt program takes, which QApplication reads and removes
    // itself; a session manager, for one, restarts a program with -session.
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "display", "session",
                             "style", "stylesheet", "qwindowgeometry", "qwindowtitle", "qwindowicon"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    QCommandLineOption reverse(QStringLiteral("reverse"));
    reverse.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(reverse);

    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        const QString problem = parser.positionalArguments().isEmpty()
            ? parser.errorText()
            : QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
        std::fprintf(stderr, "lumetra: %s\nTry 'lumetra --help'.\n", qPrintable(problem));
        return 2;
    }
    if (parser.isSet(version)) {
        std::printf("lumetra %s\n", LUMETRA_VERSION);
        return 0;
    }
    if (parser.isSet(help)) {
        // The usage line names the program as it was started; the parser
        // takes that from the application object. No display is needed for
        // this one.
        QCoreApplication application(argc, argv);
        std::printf("%s", qPrintable(parser.helpText()));
        return 0;
    }
    return kGoOn;
}

} // namespace

int main(int argc, char* argv[])
{
    if (const int status = answerCommandLine(argc, argv); status != kGoOn)
        return status;
    return runProgram(argc, argv);
}
