#include "consolecommandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

std::optional<ConsoleCommandLine> readCommandLine(int argc, char *argv[], int *exitStatus)
{
    QStringList arguments;
    for (int k = 0; k < argc; ++k)
        arguments << QString::fromLocal8Bit(argv[k]);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Test console for the Tavlox teach-pendant provider."));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and exit."));
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    const QCommandLineOption simulated(
        QStringLiteral("simulated-pendant"),
        QStringLiteral("Connect every Tavlox controller to the built-in simulated pendant, whatever its Port or UDP option "
                       "says, and show that pendant. Without it, Open reaches the pendant on the serial port or UDP "
                       "addresses of the connection settings."));
    const QCommandLineOption script(QStringLiteral("script"),
                                    QStringLiteral("Run this JavaScript file once the window is up (docs/scripting.md); the "
                                                   "program ends with it: 0 all tests passed, 1 a test failed, 2 a script "
                                                   "error, 3 stopped by the time-out, a signal or the closed window."),
                                    QStringLiteral("FILE.js"));
    const QCommandLineOption headless(QStringLiteral("headless"),
                                      QStringLiteral("Run without a display (the offscreen platform), for scripts in CI."));
    const QCommandLineOption junit(QStringLiteral("junit"), QStringLiteral("Write the script's results as a JUnit report."),
                                   QStringLiteral("FILE.xml"));
    const QCommandLineOption timeout(QStringLiteral("timeout"),
                                     QStringLiteral("Stop the script after this many seconds (default 600)."), QStringLiteral("SECONDS"),
                                     QStringLiteral("600"));
    parser.addOptions({help, version, simulated, script, headless, junit, timeout});
    *exitStatus = 0;
    auto fail = [exitStatus](const QString &why) {
        std::fprintf(stderr, "zandorex: %s\n", qPrintable(why));
        *exitStatus = 2;
        return std::nullopt;
    };
    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (parser.isSet(help)) {
        std::printf("%s", qPrintable(parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("zandorex"))));
        return std::nullopt;
    }
    if (parser.isSet(version)) {
        std::printf("zandorex %s\n", ZANDOREX_VERSION);
        return std::nullopt;
    }
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first()));
    ConsoleCommandLine line;
    line.simulatedPendant = parser.isSet(simulated);
    line.headless = parser.isSet(headless);
    line.script = parser.value(script);
    line.junit = parser.value(junit);
    bool ok = false;
    line.timeoutSeconds = parser.value(timeout).toInt(&ok);
    if (!ok || line.timeoutSeconds <= 0)
        return fail(QStringLiteral("--timeout \"%1\" is not a whole number of seconds above 0").arg(parser.value(timeout)));
    if (line.script.isEmpty() && (parser.isSet(junit) || parser.isSet(timeout)))
        return fail(QStringLiteral("--junit and --timeout belong to --script"));
    return line;
}
