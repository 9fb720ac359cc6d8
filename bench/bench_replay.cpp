// Replaying captures, measured against the runs they were captured from, all against zandorex-pendant on UDP
// 127.0.0.1:
// - throughput: the console's side of a capture of N requests replayed with --replay-fast, against the same
//   requests sent by a console script in a loop (the run that made the capture); each rate is taken from the
//   console's own capture, first request to last, so start-up and script compilation are not in it;
// - input times: the pendant's side of a capture of key presses replayed at speed 1; each input's time from the
//   first request, measured at the console, against its time in the capture; the baseline is the captured run
//   itself, measured the same way.
// Usage: bench_replay [REQUESTS [PRESSES]] (default 100000 and 500).
#include "capture/capturereader.h"
#include "protocol/wireformat.h"
#include "roundtrips.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

namespace {
struct Timeline
{
    std::vector<qint64> requestsUs; // sent (or received) requests
    std::vector<qint64> inputsUs;   // inputs other than heartbeats
};

// The requests and inputs of a capture, in capture time.
Timeline timeline(const QString &path)
{
    Timeline result;
    const auto read = capture::readCapture(path);
    if (!std::holds_alternative<capture::CapturedTraffic>(read)) {
        std::fprintf(stderr, "cannot read %s: %s\n", qPrintable(path), qPrintable(std::get<QString>(read)));
        return result;
    }
    for (const capture::CapturedPacket &packet : std::get<capture::CapturedTraffic>(read).packets) {
        const protocol::Decoded decoded = protocol::decode(packet.bytes);
        if (!decoded.message)
            continue;
        if (std::holds_alternative<protocol::Request>(*decoded.message))
            result.requestsUs.push_back(packet.timeUs);
        else if (const auto *input = std::get_if<protocol::SequencedInput>(&*decoded.message);
                 input && input->input.kind != protocol::InputKind::Alive)
            result.inputsUs.push_back(packet.timeUs);
    }
    return result;
}

QString startPendant(QProcess &pendant, quint16 pendantPort, quint16 consolePort, const QStringList &more)
{
    pendant.start(QStringLiteral(ZANDOREX_PENDANT),
                  QStringList{QStringLiteral("--headless"), QStringLiteral("--udp"), QStringLiteral("127.0.0.1:%1").arg(pendantPort),
                              QStringLiteral("--peer"), QStringLiteral("127.0.0.1:%1").arg(consolePort)} + more);
    pendant.waitForReadyRead(20000);
    return QString::fromUtf8(pendant.readLine());
}

// Runs the console to its end; its wall time in seconds and its peak resident memory in MiB.
struct Run
{
    double seconds = 0;
    double peakMiB = 0;
    int status = -1;
};

Run runConsole(const QStringList &arguments, const QStringList &environment)
{
    QProcess console;
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const QString &setting : environment)
        variables.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
    console.setProcessEnvironment(variables);
    console.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    console.start(QStringLiteral(ZANDOREX), QStringList{QStringLiteral("--headless")} + arguments);
    console.waitForStarted();
    Run run;
    // The kernel's high-water mark, read while the process is still there.
    while (!console.waitForFinished(50)) {
        QFile status(QStringLiteral("/proc/%1/status").arg(console.processId()));
        if (status.open(QIODevice::ReadOnly)) {
            const QRegularExpressionMatch match =
                QRegularExpression(QStringLiteral("VmHWM:\\s+(\\d+) kB")).match(QString::fromLatin1(status.readAll()));
            if (match.hasMatch())
                run.peakMiB = std::max(run.peakMiB, match.captured(1).toDouble() / 1024.0);
        }
    }
    run.seconds = double(clock.nsecsElapsed()) / 1e9;
    run.status = console.exitCode();
    const QByteArray output = console.readAllStandardOutput();
    if (run.status != 0)
        std::fprintf(stderr, "the console ended with %d:\n%s\n", run.status, output.constData());
    return run;
}

double requestsPerSecond(const Timeline &line)
{
    if (line.requestsUs.size() < 2)
        return 0;
    return double(line.requestsUs.size() - 1) / (double(line.requestsUs.back() - line.requestsUs.front()) / 1e6);
}

// Each input's time from the first request, at the console, against the same in the capture taken at the pendant:
// the size of the errors, and their median with the sign (above 0: late).
struct OffsetFigures
{
    Figures size;
    double signedMedian = 0;
};

OffsetFigures offsetErrors(const Timeline &console, const Timeline &recorded)
{
    std::vector<double> errors, signedErrors;
    const size_t count = std::min(console.inputsUs.size(), recorded.inputsUs.size());
    for (size_t k = 0; k < count; ++k) {
        const qint64 measured = console.inputsUs[k] - console.requestsUs.front();
        const qint64 expected = recorded.inputsUs[k] - recorded.requestsUs.front();
        errors.push_back(std::abs(double(measured - expected)) / 1000.0);
        signedErrors.push_back(double(measured - expected) / 1000.0);
    }
    if (errors.empty() || console.inputsUs.size() != recorded.inputsUs.size())
        std::fprintf(stderr, "inputs: %zu at the console, %zu in the capture\n", console.inputsUs.size(), recorded.inputsUs.size());
    if (errors.empty())
        return {};
    return {summarise(errors), summarise(signedErrors).p50};
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int requests = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int presses = argc > 2 ? std::atoi(argv[2]) : 500;
    QTemporaryDir folder;
    folder.setAutoRemove(qEnvironmentVariableIsEmpty("BENCH_KEEP"));
    const auto file = [&folder](const char *name) { return folder.filePath(QLatin1String(name)); };
    const quint16 pendantPort = freeUdpPort(), consolePort = freeUdpPort();
    const QStringList environment = {QStringLiteral("PENDANT_PORT=%1").arg(pendantPort), QStringLiteral("CONSOLE_PORT=%1").arg(consolePort),
                                     QStringLiteral("N=%1").arg(requests), QStringLiteral("PRESSES=%1").arg(presses)};
    const auto write = [](const QString &path, const QByteArray &text) {
        QFile out(path);
        out.open(QIODevice::WriteOnly);
        out.write(text);
    };
    // Each console script opens the connection first, with keys as messages.
    const QByteArray open = R"(function open() {
    window.choose("Keyboard", "OnMessage Event");
    window.tab("UDP");
    window.set("Dest IP", "127.0.0.1"); window.set("Src IP", "127.0.0.1");
    window.set("Dest Port", env("PENDANT_PORT", "")); window.set("Src Port", env("CONSOLE_PORT", ""));
    window.press("Open");
}
)";
    // The same four requests over and over, as an operator's "Infinite" would send them.
    write(file("loop.js"), open + R"(test("loop", function () {
    open();
    var kinds = [["LED", [3, 1]], ["GetKeyState", undefined], ["Beep", 10], ["SetKeyState", [0, 1, 0, 0, 0, 0, 0, 0]]];
    for (var k = 0, n = Number(env("N", "")); k < n; ++k)
        controller.execute(kinds[k % 4][0], kinds[k % 4][1]);
});
)");
    // One request to start the pendant's clock, then the presses, waited for.
    write(file("listen.js"), open + R"(test("listen", function () {
    open();
    var ups = 0;
    controller.onMessage(function (n) { if (n === 2) ++ups; });
    controller.execute("GetKeyState");
    var end = now() + 60000;
    while (ups < Number(env("PRESSES", "")) && now() < end)
        sleep(10);
    sleep(500);
});
)");
    // Presses of uneven length at uneven gaps, from the first request on.
    write(file("presses.js"), R"(test("presses", function () {
    pendant.expectRequest("GetKeyState", 30000);
    for (var k = 0, n = Number(env("PRESSES", "")); k < n; ++k) {
        pendant.press(k % 64, 3 + (k * 7) % 11);
        sleep((k * 13) % 17);
    }
});
)");

    std::printf("Replaying captures against zandorex-pendant on UDP 127.0.0.1 (%d requests, %d key presses)\n\n", requests, presses);
    qputenv("PRESSES", QByteArray::number(presses)); // for the pendant's scenario
    QProcess pendant;
    // Throughput: the loop, captured; then its capture replayed.
    startPendant(pendant, pendantPort, consolePort, {});
    QThread::msleep(200);
    const Run loop = runConsole({QStringLiteral("--script"), file("loop.js"), QStringLiteral("--capture"), file("loop.pcap"),
                                 QStringLiteral("--timeout"), QStringLiteral("3600")}, environment);
    // A pendant as fresh as the captured one: the forced keys of the loop would change the key states.
    pendant.kill();
    pendant.waitForFinished();
    startPendant(pendant, pendantPort, consolePort, {});
    QThread::msleep(200);
    const Run replay = runConsole({QStringLiteral("--replay"), file("loop.pcap"), QStringLiteral("--replay-fast"),
                                   QStringLiteral("--capture"), file("replay.pcap")}, environment);
    pendant.kill();
    pendant.waitForFinished();
    const double loopRate = requestsPerSecond(timeline(file("loop.pcap")));
    const double replayRate = requestsPerSecond(timeline(file("replay.pcap")));
    std::printf("| console side, %6d requests          | requests/s | / baseline | wall s | peak MiB | status | goal   |\n", requests);
    std::printf("|---------------------------------------|-----------:|-----------:|-------:|---------:|-------:|--------|\n");
    std::printf("| console script loop (baseline)       | %10.0f |       1.00 | %6.1f | %8.0f | %6d |        |\n", loopRate,
                loop.seconds, loop.peakMiB, loop.status);
    std::printf("| --replay --replay-fast of its capture | %10.0f | %10.2f | %6.1f | %8.0f | %6d | >= 0.8 |\n\n", replayRate,
                loopRate > 0 ? replayRate / loopRate : 0, replay.seconds, replay.peakMiB, replay.status);

    // Input times: the presses, captured at the pendant and at the console; then the pendant's capture replayed.
    startPendant(pendant, pendantPort, consolePort,
                 {QStringLiteral("--script"), file("presses.js"), QStringLiteral("--capture"), file("presses.pcap")});
    QThread::msleep(200);
    const Run recorded = runConsole({QStringLiteral("--script"), file("listen.js"), QStringLiteral("--capture"), file("recorded.pcap")},
                                    environment);
    pendant.waitForFinished(60000);
    QProcess replayed;
    replayed.start(QStringLiteral(ZANDOREX_PENDANT), {QStringLiteral("--headless"), QStringLiteral("--replay"), file("presses.pcap"),
                                                      QStringLiteral("--capture"), file("replaying.pcap")});
    replayed.waitForReadyRead(20000);
    QThread::msleep(200);
    const Run listened = runConsole({QStringLiteral("--script"), file("listen.js"), QStringLiteral("--capture"), file("replayed.pcap")},
                                    environment);
    replayed.waitForFinished(60000);
    const Timeline atPendant = timeline(file("presses.pcap"));
    const OffsetFigures baseline = offsetErrors(timeline(file("recorded.pcap")), atPendant);
    const OffsetFigures replayedFigures = offsetErrors(timeline(file("replayed.pcap")), atPendant);
    const OffsetFigures atReplayingPendant = offsetErrors(timeline(file("replaying.pcap")), atPendant);
    std::printf("| input times at the console, %4zu inputs   | error p50 ms | error p99 ms | late p50 ms | status | goal         |\n",
                atPendant.inputsUs.size());
    std::printf("|--------------------------------------------|-------------:|-------------:|------------:|-------:|--------------|\n");
    std::printf("| the captured run (baseline)                | %12.3f | %12.3f | %11.3f | %6d |              |\n", baseline.size.p50,
                baseline.size.p99, baseline.signedMedian, recorded.status);
    std::printf("| --replay of its capture at speed 1         | %12.3f | %12.3f | %11.3f | %6d | p99 <= 2 ms  |\n",
                replayedFigures.size.p50, replayedFigures.size.p99, replayedFigures.signedMedian, listened.status);
    std::printf("| the same, measured at the replaying pendant | %12.3f | %12.3f | %11.3f |        |              |\n",
                atReplayingPendant.size.p50, atReplayingPendant.size.p99, atReplayingPendant.signedMedian);
    return 0;
}
