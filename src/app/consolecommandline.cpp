#include "consolecommandline.h"

#include "app/capturecommandline.h"
#include "app/controlcommandline.h"
#include "app/programcommandline.h"
#include "app/replaycommandline.h"
#include "app/scriptcommandline.h"

#include <QCommandLineParser>

std::optional<ConsoleCommandLine> readCommandLine(int argc, char *argv[], int *exitStatus)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Test console for the Tavlox teach-pendant provider."));
    ProgramCommandLine program(parser, "zandorex", exitStatus, {QStringLiteral("v"), QStringLiteral("version")});
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
    const CaptureCommandLine capture;
    const ControlCommandLine control(QStringLiteral("zandorex"));
    const ReplayCommandLine replaying(ReplayCommandLine::Side::Console);
    const QCommandLineOption record(
        QStringLiteral("record"),
        QStringLiteral("Record the log to this file from the start: every line as it enters the log (UTF-8); lines are added "
                       "to an existing file."),
        QStringLiteral("FILE"));
    const QCommandLineOption recordTimestamps(
        QStringLiteral("record-timestamps"),
        QStringLiteral("Put a time stamp (ISO 8601 local time with milliseconds and the UTC offset, then a tab) before each recorded line."));
    const QCommandLineOption recordMaxMb(
        QStringLiteral("record-max-mb"),
        QStringLiteral("When the record file would pass N MiB, it becomes FILE.1 (FILE.1 becomes FILE.2, …) and a new one starts."),
        QStringLiteral("N"));
    const QCommandLineOption recordKeep(QStringLiteral("record-keep"),
                                        QStringLiteral("How many old record files to keep beside FILE (default 5)."),
                                        QStringLiteral("K"));
    parser.addOptions({simulated, headless, keepRunning, capture.capture, record, recordTimestamps,
                       recordMaxMb, recordKeep});
    script.addTo(parser);
    parser.addOptions({scenario.script, scenario.junit});
    control.addTo(parser, program);
    replaying.addTo(parser);
    if (!program.parse(argc, argv))
        return std::nullopt;
    ConsoleCommandLine line;
    line.simulatedPendant = parser.isSet(simulated);
    line.headless = parser.isSet(headless);
    line.keepRunning = parser.isSet(keepRunning);
    QString problem;
    if (!script.read(parser, line.script, &problem, replaying.isSet(parser)) ||
        !scenario.read(parser, line.pendantScript, &problem) || !control.read(parser, line.control, &problem))
        return program.fail(problem);
    if (replaying.isSet(parser) && !line.script.file.isEmpty())
        return program.fail(QStringLiteral("--replay and --script each run the console: give one"));
    replay::Recording recording;
    if (!replaying.read(parser, recording, &problem))
        return program.fail(problem);
    if (replaying.isSet(parser)) {
        bool written = false;
        if (!replaying.prepare(parser, recording, replay::consoleSettings(recording, replaying.target(parser)), line.script,
                               &written, &problem))
            return program.fail(problem);
        if (written)
            return std::nullopt; // status 0
    }
    if (line.script.file.isEmpty() && line.pendantScript.file.isEmpty() && parser.isSet(script.timeout))
        return program.fail(QStringLiteral("--timeout belongs to --script or --pendant-script"));
    line.capture = parser.value(capture.capture);
    line.record = parser.value(record);
    if (line.record.isEmpty() && (parser.isSet(recordTimestamps) || parser.isSet(recordMaxMb) || parser.isSet(recordKeep)))
        return program.fail(QStringLiteral("--record-timestamps, --record-max-mb and --record-keep belong to --record"));
    line.recordOptions.timestamps = parser.isSet(recordTimestamps);
    if (parser.isSet(recordMaxMb)) {
        bool ok = false;
        const int megabytes = parser.value(recordMaxMb).toInt(&ok);
        if (!ok || megabytes < 1 || megabytes > 1'000'000)
            return program.fail(QStringLiteral("--record-max-mb \"%1\" is not a number of MiB from 1 to 1000000").arg(parser.value(recordMaxMb)));
        line.recordOptions.maxBytes = qint64(megabytes) << 20;
    }
    if (parser.isSet(recordKeep)) {
        bool ok = false;
        line.recordOptions.keep = parser.value(recordKeep).toInt(&ok);
        if (!ok || line.recordOptions.keep < 0 || line.recordOptions.keep > 1000)
            return program.fail(QStringLiteral("--record-keep \"%1\" is not a number from 0 to 1000").arg(parser.value(recordKeep)));
    }
    if (!line.pendantScript.file.isEmpty() && !line.simulatedPendant)
        return program.fail(QStringLiteral("--pendant-script runs on the built-in pendant: give --simulated-pendant too"));
    return line;
}
