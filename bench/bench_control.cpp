// What a call through the control socket costs: GetKeyState against zandorex-pendant over UDP on 127.0.0.1, from
// Python (the zandorex package, over the Unix socket), beside the same calls from a console script and from C++
// through the engine (the baseline), in one run; and how long a Console + Pendant pair takes from start to its
// first answer, beside the programs' own start-up. Run by hand: bench_control [CALLS] (default 10000).
#include "roundtrips.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <cstdio>

namespace {
constexpr int Warmup = 200;

// Starts a program and waits for the line PATTERN matches; its first group, and how long that took in ms.
QString startUntil(QProcess &process, const QString &program, const QStringList &arguments, const QString &pattern, double *ms)
{
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    process.waitForStarted();
    QByteArray output;
    const QRegularExpression wanted(pattern);
    while (clock.elapsed() < 30000) {
        process.waitForReadyRead(20);
        output += process.readAllStandardOutput();
        if (const auto match = wanted.match(QString::fromLocal8Bit(output)); match.hasMatch()) {
            *ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
            return match.captured(1);
        }
    }
    std::fprintf(stderr, "%s did not start: %s\n", qPrintable(program), output.constData());
    std::exit(1);
}

quint16 startPendant(QProcess &pendant, quint16 consolePort, double *ms)
{
    return startUntil(pendant, QStringLiteral(ZANDOREX_PENDANT),
                      {QStringLiteral("--headless"), QStringLiteral("--udp"), QStringLiteral("127.0.0.1:0"), QStringLiteral("--peer"),
                       QStringLiteral("127.0.0.1:%1").arg(consolePort)},
                      QStringLiteral("ready on UDP 127\\.0\\.0\\.1:(\\d+)"), ms)
        .toUShort();
}

// The figures a child prints as "LABEL p50 p99 [extra]".
QStringList figuresOf(const QByteArray &output, const QString &label)
{
    for (const QByteArray &line : output.split('\n'))
        if (line.startsWith(label.toUtf8() + ' '))
            return QString::fromUtf8(line).split(QLatin1Char(' ')).mid(1);
    std::fprintf(stderr, "no \"%s\" figures in:\n%s\n", qPrintable(label), output.constData());
    std::exit(1);
}

QStringList fromScript(int calls)
{
    const quint16 consolePort = freeUdpPort();
    QProcess pendant;
    double ms = 0;
    const quint16 pendantPort = startPendant(pendant, consolePort, &ms);
    QTemporaryDir folder;
    QFile script(folder.filePath(QStringLiteral("calls.js")));
    script.open(QIODevice::WriteOnly);
    script.write(QStringLiteral(R"(
window.tab("UDP");
window.set("Dest IP", "127.0.0.1"); window.set("Dest Port", "%1");
window.set("Src IP", "127.0.0.1"); window.set("Src Port", "%2");
window.press("Open");
var times = [];
for (var k = 0; k < %3 + %4; ++k) {
    var started = now();
    controller.execute("GetKeyState");
    if (k >= %4) times.push((now() - started) * 1000);
}
times.sort(function (a, b) { return a - b; });
print("script", times[Math.floor(times.length / 2)], times[Math.floor(times.length * 99 / 100)]);
)")
                     .arg(pendantPort)
                     .arg(consolePort)
                     .arg(calls)
                     .arg(Warmup)
                     .toUtf8());
    script.close();
    QProcess console;
    console.start(QStringLiteral(ZANDOREX), {QStringLiteral("--headless"), QStringLiteral("--script"), script.fileName()});
    console.waitForFinished(600000);
    pendant.kill();
    pendant.waitForFinished();
    return figuresOf(console.readAllStandardOutput(), QStringLiteral("script"));
}

QStringList fromPython(int calls)
{
    const QString program = QStringLiteral(R"(
import statistics, sys, time
from zandorex import Console, Pendant
calls, warmup = int(sys.argv[1]), int(sys.argv[2])
started = time.monotonic()
with Pendant() as pendant, Console(pendant) as console:
    console.controller.execute("GetKeyState")
    pair = (time.monotonic() - started) * 1000
    times = []
    for k in range(calls + warmup):
        began = time.perf_counter()
        console.controller.execute("GetKeyState")
        if k >= warmup:
            times.append((time.perf_counter() - began) * 1e6)
times.sort()
print("python", times[len(times) // 2], times[len(times) * 99 // 100], pair)
)");
    QProcess python;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PYTHONPATH"), QStringLiteral(PYTHON_PACKAGE));
    environment.insert(QStringLiteral("ZANDOREX_BIN"), QStringLiteral(PROGRAMS));
    python.setProcessEnvironment(environment);
    python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), program, QString::number(calls), QString::number(Warmup)});
    python.waitForFinished(600000);
    return figuresOf(python.readAllStandardOutput() + python.readAllStandardError(), QStringLiteral("python"));
}

double consoleStartUp()
{
    QTemporaryDir folder;
    QProcess console;
    double ms = 0;
    startUntil(console, QStringLiteral(ZANDOREX),
               {QStringLiteral("--headless"), QStringLiteral("--simulated-pendant"), QStringLiteral("--control"),
                folder.filePath(QStringLiteral("c.sock"))},
               QStringLiteral("control on (unix:\\S+)"), &ms);
    console.terminate();
    console.waitForFinished();
    return ms;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int calls = argc > 1 ? std::max(100, std::atoi(argv[1])) : 10000;

    const quint16 consolePort = freeUdpPort();
    QProcess pendant;
    double pendantStartUp = 0;
    const quint16 pendantPort = startPendant(pendant, consolePort, &pendantStartUp);
    const Figures cpp = summarise(getKeyStateTimes(pendantPort, consolePort, calls, Warmup));
    pendant.kill();
    pendant.waitForFinished();
    const QStringList script = fromScript(calls);
    const QStringList python = fromPython(calls);
    const double consoleUp = consoleStartUp();

    const double scriptP50 = script.value(0).toDouble();
    std::printf("controller.execute(\"GetKeyState\") against zandorex-pendant over UDP, %d calls after %d to warm up\n\n",
                calls, Warmup);
    std::printf("| caller                               |  p50 us |  p99 us | p50 / script | goal   |\n");
    std::printf("|--------------------------------------|--------:|--------:|-------------:|--------|\n");
    std::printf("| C++ through the engine (baseline)    | %7.1f | %7.1f | %12.2f |        |\n", cpp.p50, cpp.p99, cpp.p50 / scriptP50);
    std::printf("| console script                       | %7.1f | %7.1f | %12.2f |        |\n", scriptP50, script.value(1).toDouble(), 1.0);
    std::printf("| Python over the control socket       | %7.1f | %7.1f | %12.2f | <= 2.0 |\n", python.value(0).toDouble(),
                python.value(1).toDouble(), python.value(0).toDouble() / scriptP50);
    std::printf("\n| start-up                                            |      ms |\n");
    std::printf("|-----------------------------------------------------|--------:|\n");
    std::printf("| zandorex-pendant --headless until it listens        | %7.1f |\n", pendantStartUp);
    std::printf("| zandorex --headless --control until it listens      | %7.1f |\n", consoleUp);
    std::printf("| Python: Pendant + Console, Open, first call answered | %7.1f |\n", python.value(2).toDouble());
    return 0;
}
