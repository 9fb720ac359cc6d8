// What scripting costs, in one run: GetKeyState from a script (zandorex --headless --script) beside the same calls
// from C++ through the engine, both to zandorex-pendant over UDP on 127.0.0.1; how soon log.expect sees a new line
// at the end of a log of a million lines. Run by hand; prints a table.
#include "cao/engine.h"
#include "console/frmMain.h"
#include "consolescript/consolehosts.h"
#include "roundtrips.h"
#include "script/scriptrunner.h"
#include "tavlox/tavloxprovider.h"
#include "tavlox/wirelinks.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QUdpSocket>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {
constexpr int Warmup = 500;

quint16 startPendant(QProcess &pendant, quint16 consolePort)
{
    pendant.start(QStringLiteral(ZANDOREX_PENDANT), {QStringLiteral("--headless"), QStringLiteral("--udp"), QStringLiteral("127.0.0.1:0"),
                                                     QStringLiteral("--peer"), QStringLiteral("127.0.0.1:%1").arg(consolePort)});
    QByteArray output;
    for (int tries = 0; tries < 200 && !output.contains('\n'); ++tries) {
        pendant.waitForReadyRead(50);
        output += pendant.readAllStandardOutput();
    }
    const auto port = QRegularExpression(QStringLiteral("127\\.0\\.0\\.1:(\\d+) <->")).match(QString::fromLocal8Bit(output));
    if (!port.hasMatch()) {
        std::fprintf(stderr, "zandorex-pendant did not start\n");
        std::exit(1);
    }
    return static_cast<quint16>(port.captured(1).toUInt());
}

Figures fromCpp(quint16 pendantPort, quint16 consolePort, int rounds)
{
    return summarise(getKeyStateTimes(pendantPort, consolePort, rounds, Warmup));
}

// The program itself runs the script; the script prints its own figures.
Figures fromScript(const QString &folder, quint16 pendantPort, quint16 consolePort, int rounds)
{
    const QString path = folder + QStringLiteral("/roundtrip.js");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(QStringLiteral(R"(
window.tab("UDP");
window.set("Dest IP", "127.0.0.1"); window.set("Dest Port", "%1");
window.set("Src IP", "127.0.0.1"); window.set("Src Port", "%2");
window.set("Init Wait", "600000"); window.set("Exec TO", "1000");
window.press("Open");
var c = controller, times = [];
for (var i = 0; i < %3 + %4; ++i) {
    var started = now();
    c.execute("GetKeyState");
    if (i >= %4) times.push((now() - started) * 1000);
}
times.sort(function (a, b) { return a - b; });
print("figures", times[Math.floor(times.length / 2)], times[Math.floor(times.length * 0.99)]);
)")
                   .arg(pendantPort)
                   .arg(consolePort)
                   .arg(rounds)
                   .arg(Warmup)
                   .toUtf8());
    file.close();
    QProcess console;
    console.start(QStringLiteral(ZANDOREX), {QStringLiteral("--headless"), QStringLiteral("--script"), path});
    console.waitForFinished(600000);
    const auto figures = QRegularExpression(QStringLiteral("figures ([\\d.]+) ([\\d.]+)")).match(QString::fromLocal8Bit(console.readAllStandardOutput()));
    if (!figures.hasMatch()) {
        std::fprintf(stderr, "the script did not report: %s\n", console.readAllStandardError().constData());
        std::exit(1);
    }
    return {figures.captured(1).toDouble(), figures.captured(2).toDouble()};
}

// A line is added to a log of `lines` lines while a script waits for it; the script notes the time log.expect
// returned (now(), the monotonic clock) in a text box. From the line's adding to that time; the median of `rounds`.
double expectLatencyMs(const QString &folder, int lines, int rounds)
{
    frmMain window;
    window.show();
    for (int k = 0; k < lines; ++k)
        window.AddLog(1, QStringLiteral("KeyDown : %1").arg(k));
    const QString path = folder + QStringLiteral("/expect.js");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(QStringLiteral("for (var k = 0; k < %1; ++k) {\n  log.mark();\n  window.set('txtTime', 'ready ' + k);\n"
                              "  log.expect('line ' + k, 60000);\n  window.set('txtTime', 'seen ' + now());\n}\n")
                   .arg(rounds)
                   .toUtf8());
    file.close();
    script::ScriptRunner runner({path, QString(), 120, {}, {}});
    consolescript::addConsoleHosts(runner, window, [&window] { return window.controller(); });
    double addedAt = 0;
    std::vector<double> latencies;
    auto *note = window.findChild<QLineEdit *>(QStringLiteral("txtTime"));
    QObject::connect(note, &QLineEdit::textChanged, &window, [&](const QString &text) {
        if (text.startsWith(QLatin1String("seen ")))
            latencies.push_back(text.mid(5).toDouble() - addedAt);
        else if (text.startsWith(QLatin1String("ready"))) // the script waits: add its line a little later
            QTimer::singleShot(20, &window, [&window, &addedAt, k = text.mid(6)] {
                addedAt = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
                window.AddLog(1, QStringLiteral("line ") + k);
            });
    });
    QEventLoop loop;
    QObject::connect(&runner, &script::ScriptRunner::finished, &loop, &QEventLoop::quit);
    runner.start();
    loop.exec();
    return summarise(std::vector<double>(latencies.begin(), latencies.end())).p50;
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1000, std::atoi(argv[1])) : 10000;
    QTemporaryDir folder;

    QProcess pendant;
    const quint16 consolePort = freeUdpPort();
    const quint16 pendantPort = startPendant(pendant, consolePort);
    // Alternated twice, so that a slow spell of the machine does not fall on one of them only.
    std::vector<Figures> cpp, scripted;
    for (int pass = 0; pass < 2; ++pass) {
        cpp.push_back(fromCpp(pendantPort, consolePort, rounds));
        scripted.push_back(fromScript(folder.path(), pendantPort, consolePort, rounds));
    }
    pendant.kill();
    pendant.waitForFinished();
    const double latency = expectLatencyMs(folder.path(), 1000000, 50);

    std::printf("GetKeyState to zandorex-pendant over UDP on 127.0.0.1, %d calls each (after %d warm-up calls), microseconds\n\n",
                rounds, Warmup);
    std::printf("| caller                          |     p50 |     p99 | p50 / C++ |\n");
    std::printf("|---------------------------------|--------:|--------:|----------:|\n");
    for (int pass = 0; pass < 2; ++pass) {
        std::printf("| C++ through the engine (pass %d) | %7.1f | %7.1f | %9.2f |\n", pass + 1, cpp[pass].p50, cpp[pass].p99, 1.0);
        std::printf("| script (pass %d)                 | %7.1f | %7.1f | %9.2f |\n", pass + 1, scripted[pass].p50, scripted[pass].p99,
                    scripted[pass].p50 / cpp[pass].p50);
    }
    std::printf("\nlog.expect on a log of 1,000,000 lines: a new matching line seen %.3f ms after it was added (median of 50)\n",
                latency);
    std::printf("\nGoals: script p50 within 1.10x C++; log.expect within 1 ms. Start-up with a script: bench_startup.\n");
    return 0;
}
