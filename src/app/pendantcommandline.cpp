#include "pendantcommandline.h"

#include "app/capturecommandline.h"
#include "app/controlcommandline.h"
#include "app/programcommandline.h"
#include "app/replaycommandline.h"
#include "app/scriptcommandline.h"

#include <QCommandLineParser>


std::optional<PendantCommandLine> readPendantCommandLine(int argc, char *argv[], int *exitStatus)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("The simulated Tavlox teach pendant, reached by the console across UDP or a serial line.\n"
                       "UDP:    zandorex-pendant --udp 127.0.0.1:5006 --peer 127.0.0.1:5007\n"
                       "serial: zandorex-pendant --serial /dev/ttyUSB0"));
    ProgramCommandLine program(parser, "zandorex-pendant", exitStatus);
    const QCommandLineOption udp(QStringLiteral("udp"),
                                 QStringLiteral("Listen for the console on this IPv4 address and UDP port (port 0: any "
                                                "free port, printed at start)."),
                                 QStringLiteral("ADDRESS:PORT"));
    const QCommandLineOption peer(QStringLiteral("peer"),
                                  QStringLiteral("The console's source address and port; nothing else is answered."),
                                  QStringLiteral("ADDRESS:PORT"));
    const QCommandLineOption serial(QStringLiteral("serial"),
                                    QStringLiteral("Talk to the console on this serial device (115200 baud, 8N1)."),
                                    QStringLiteral("DEVICE"));
    const QCommandLineOption headless(QStringLiteral("headless"), QStringLiteral("Show no window."));
    const QCommandLineOption keepRunning(QStringLiteral("keep-running"),
                                         QStringLiteral("Keep the pendant up when the scenario has ended, for a person to take over."));
    const ScriptCommandLine scenario(
        QStringLiteral("Play this scenario (docs/scripting.md) once the pendant listens; the program ends with it: 0 all "
                       "tests passed, 1 a test failed, 2 a script error, 3 stopped (time-out, signal, closed window)."));
    const CaptureCommandLine capture;
    const ControlCommandLine control(QStringLiteral("zandorex-pendant"));
    const ReplayCommandLine replaying(ReplayCommandLine::Side::Pendant);
    parser.addOptions({udp, peer, serial, headless, keepRunning, capture.capture});
    scenario.addTo(parser);
    control.addTo(parser, program);
    replaying.addTo(parser);
    if (!program.parse(argc, argv))
        return std::nullopt;
    PendantCommandLine line;
    QString problem;
    replay::Recording recording;
    if (!replaying.read(parser, recording, &problem))
        return program.fail(problem);
    const bool linkFromCapture = replaying.isSet(parser) && !parser.isSet(udp) && !parser.isSet(serial);
    if (linkFromCapture && recording.link == capture::LinkKind::Serial && !replaying.writesScript(parser))
        return program.fail(QStringLiteral("the capture is of a serial line: give --serial DEVICE"));
    if (linkFromCapture) {
        // The pendant's own end of the recorded connection.
        line.localAddress = QHostAddress(recording.pendant.address);
        line.localPort = recording.pendant.port;
        line.peerAddress = QHostAddress(recording.console.address);
        line.peerPort = recording.console.port;
    } else if (parser.isSet(udp) == parser.isSet(serial)) {
        return program.fail(QStringLiteral("give either --udp with --peer, or --serial (see --help)"));
    }
    if (parser.isSet(udp)) {
        const std::optional<wire::UdpEndpoint> local = wire::parseUdpEndpoint(parser.value(udp), true);
        if (!local)
            return program.fail(QStringLiteral("--udp \"%1\" is not IPV4-ADDRESS:PORT").arg(parser.value(udp)));
        line.localAddress = QHostAddress(local->address);
        line.localPort = local->port;
        if (!parser.isSet(peer))
            return program.fail(QStringLiteral("--udp needs --peer, the console's source address and port"));
        const std::optional<wire::UdpEndpoint> console = wire::parseUdpEndpoint(parser.value(peer));
        if (!console)
            return program.fail(QStringLiteral("--peer \"%1\" is not IPV4-ADDRESS:PORT (port 1-65535)").arg(parser.value(peer)));
        line.peerAddress = QHostAddress(console->address);
        line.peerPort = console->port;
    } else if (parser.isSet(peer)) {
        return program.fail(QStringLiteral("--peer belongs to --udp"));
    }
    line.serialDevice = parser.value(serial);
    line.headless = parser.isSet(headless);
    line.keepRunning = parser.isSet(keepRunning);
    line.capture = parser.value(capture.capture);
    if (!scenario.read(parser, line.scenario, &problem, replaying.isSet(parser)) || !control.read(parser, line.control, &problem))
        return program.fail(problem);
    if (replaying.isSet(parser)) {
        if (!line.scenario.file.isEmpty() || line.control.address)
            return program.fail(QStringLiteral("--replay decides the pendant's answers: give it without --script and --control"));
        bool written = false;
        if (!replaying.prepare(parser, recording, {}, line.scenario, &written, &problem))
            return program.fail(problem);
        if (written)
            return std::nullopt; // status 0
    }
    if (line.scenario.file.isEmpty() && (parser.isSet(scenario.timeout) || line.keepRunning))
        return program.fail(QStringLiteral("--timeout and --keep-running belong to --script"));
    return line;
}
