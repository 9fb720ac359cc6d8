#include "replaycommandline.h"

#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>

namespace {
// Longer than any script needs, and what a QTimer takes.
constexpr int LongestTimeoutSeconds = 2'000'000;
// Room for the console to start and for the last answers and inputs.
constexpr int TimeoutMarginSeconds = 120;
} // namespace

ReplayCommandLine::ReplayCommandLine(Side side)
    : m_side(side),
      m_replay(QStringLiteral("replay"),
               side == Side::Pendant ? QStringLiteral("Play the pendant's side of this capture (docs/replay.md): answer the "
                                                      "console as the capture shows, send its input at its times, report "
                                                      "each difference; 0 none, 1 a difference.")
                                     : QStringLiteral("Play the console's side of this capture against a live pendant "
                                                      "(docs/replay.md): send its requests, compare the replies and the "
                                                      "input; 0 no difference, 1 a difference."),
               QStringLiteral("FILE.pcap")),
      m_peer(QStringLiteral("replay-peer"),
             QStringLiteral("Of a capture with several connections, replay the one with this end (default: the first "
                            "that holds a request)."),
             QStringLiteral("ADDRESS:PORT")),
      m_writeScript(QStringLiteral("write-script"),
                    side == Side::Pendant ? QStringLiteral("Write the replay as an editable pendant scenario instead of running it.")
                                          : QStringLiteral("Write the replay as an editable console script instead of running it."),
                    QStringLiteral("FILE.js")),
      m_speed(QStringLiteral("replay-speed"), QStringLiteral("Play the capture's times this many times faster (default 1)."),
              QStringLiteral("X"), QStringLiteral("1")),
      m_loop(QStringLiteral("replay-loop"), QStringLiteral("Start again at the end of the capture, until stopped.")),
      m_timing(QStringLiteral("replay-timing"), QStringLiteral("Answer each request after its recorded response time.")),
      m_to(QStringLiteral("replay-to"),
           QStringLiteral("The pendant to play against, instead of the one the capture recorded."),
           QStringLiteral("ADDRESS:PORT|DEVICE")),
      m_fast(QStringLiteral("replay-fast"), QStringLiteral("Send the requests back to back instead of at their times."))
{
}

QList<QCommandLineOption> ReplayCommandLine::sideOptions() const
{
    if (m_side == Side::Pendant)
        return {m_peer, m_writeScript, m_speed, m_loop, m_timing};
    return {m_peer, m_writeScript, m_to, m_fast};
}

void ReplayCommandLine::addTo(QCommandLineParser &parser) const
{
    parser.addOptions(QList<QCommandLineOption>{m_replay} + sideOptions());
}

bool ReplayCommandLine::read(const QCommandLineParser &parser, replay::Recording &recording, QString *problem) const
{
    if (!isSet(parser)) {
        for (const QCommandLineOption &option : sideOptions())
            if (parser.isSet(option)) {
                *problem = QStringLiteral("--%1 belongs to --replay").arg(option.names().first());
                return false;
            }
        return true;
    }
    std::optional<wire::UdpEndpoint> peer;
    if (parser.isSet(m_peer) && !(peer = wire::parseUdpEndpoint(parser.value(m_peer)))) {
        *problem = QStringLiteral("--replay-peer \"%1\" is not IPV4-ADDRESS:PORT (port 1-65535)").arg(parser.value(m_peer));
        return false;
    }
    bool ok = true;
    const double speed = m_side == Side::Pendant ? parser.value(m_speed).toDouble(&ok) : 1;
    if (!ok || !(speed >= 0.001 && speed <= 1000)) {
        *problem = QStringLiteral("--replay-speed \"%1\" is not a number from 0.001 to 1000").arg(parser.value(m_speed));
        return false;
    }
    const QString path = parser.value(m_replay);
    auto traffic = capture::readCapture(path);
    if (const QString *why = std::get_if<QString>(&traffic)) {
        *problem = QStringLiteral("cannot replay %1: %2").arg(path, *why);
        return false;
    }
    auto read = replay::readRecording(std::get<capture::CapturedTraffic>(traffic), peer);
    if (const QString *why = std::get_if<QString>(&read)) {
        *problem = QStringLiteral("cannot replay %1: %2").arg(path, *why);
        return false;
    }
    recording = std::move(std::get<replay::Recording>(read));
    return true;
}

bool ReplayCommandLine::prepare(const QCommandLineParser &parser, const replay::Recording &recording,
                                const replay::ConsoleSettings &console, script::ScriptOptions &run, bool *written,
                                QString *problem) const
{
    const QString path = parser.value(m_replay);
    replay::ReplayOptions options;
    options.captureName = QFileInfo(path).fileName();
    if (m_side == Side::Pendant) {
        options.speed = parser.value(m_speed).toDouble();
        options.loop = parser.isSet(m_loop);
        options.timing = parser.isSet(m_timing);
    } else {
        options.fast = parser.isSet(m_fast);
    }
    const QString text = m_side == Side::Pendant ? replay::pendantScenario(recording, options)
                                                 : replay::consoleScript(recording, options, console);
    for (const QString &note : recording.notes)
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(note));
    *written = writesScript(parser);
    if (*written) {
        QSaveFile file(parser.value(m_writeScript));
        if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit()) {
            *problem = QStringLiteral("cannot write %1: %2").arg(parser.value(m_writeScript), file.errorString());
            return false;
        }
        const auto count = [](qsizetype n, const char *noun) {
            return QStringLiteral("%1 %2%3").arg(n).arg(QLatin1String(noun), n == 1 ? QString() : QStringLiteral("s"));
        };
        std::printf("wrote %s: %s, %s\n", qPrintable(parser.value(m_writeScript)),
                    qPrintable(count(recording.requests.size(), "request")), qPrintable(count(recording.inputs.size(), "input")));
        return true;
    }
    run.file = path + QStringLiteral(".js");
    run.source = text;
    if (!parser.isSet(QStringLiteral("timeout"))) {
        const qint64 lastUs = std::max(recording.requests.isEmpty() ? 0 : recording.requests.last().atUs,
                                       recording.inputs.isEmpty() ? 0 : recording.inputs.last().atUs);
        run.timeoutSeconds = options.loop ? LongestTimeoutSeconds
                                          : int(std::min<double>(LongestTimeoutSeconds,
                                                                 double(lastUs) / 1e6 / options.speed + TimeoutMarginSeconds));
    }
    return true;
}
