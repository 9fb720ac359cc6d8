#include "consolecommandline.h"

#include "app/scriptcommandline.h"

#include <QCommandLineParser>
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
    const ScriptCommandLine script(
        QStringLiteral("Run this JavaScript file once the window is up (docs/scripting.md); the program ends with it: 0 all "
                       "tests passed, 1 a test failed, 2 a script error, 3 stopped by the time-out, a signal or the closed window."));
    const ScriptCommandLine scenario(QStringLiteral("Run this scenario on the built-in simulated pendant (docs/scripting.md)."),
                                     QStringLiteral("pendant-script"), QStringLiteral("pendant-junit"));
    const QCommandLineOption headless(QStringLiteral("headless"),
                                      QStringLiteral("Run without a display (the offscreen platform), for scripts in CI."));
    const QCommandLineOption keepRunning(QStringLiteral("keep-running"),
                                         QStringLiteral("Go on when the scripts have ended, for a person to take over."));
    parser.addOptions({help, version, simulated, headless, keepRunning});
    script.addTo(parser);
    parser.addOptions({scenario.script, scenario.junit});
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
    line.keepRunning = parser.isSet(keepRunning);
    QString problem;
    if (!script.read(parser, line.script, &problem) || !scenario.read(parser, line.pendantScript, &problem))
        return fail(problem);
    if (line.script.file.isEmpty() && line.pendantScript.file.isEmpty() && parser.isSet(script.timeout))
        return fail(QStringLiteral("--timeout belongs to --script or --pendant-script"));
    if (!line.pendantScript.file.isEmpty() && !line.simulatedPendant)
        return fail(QStringLiteral("--pendant-script runs on the built-in pendant: give --simulated-pendant too"));
    return line;
}
