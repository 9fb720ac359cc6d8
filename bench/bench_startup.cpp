// How long the console takes to paint its first window, beside an empty Qt window of the same size, and how long
// until a script's first statement runs; each in a fresh process started the same way: on the display when there
// is one, else offscreen. Run by hand; prints a table.
#include "cao/provider.h"
#include "console/frmMain.h"
#include "pendant/pendantdevice.h"
#include "pendantwindow/simulatedpendant.h"
#include "statistics.h"
#include "consolescript/consolehosts.h"
#include "script/scriptrunner.h"
#include "tavlox/tavloxprovider.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace {
// Milliseconds on the monotonic clock, which every process of the machine shares.
qint64 monotonicMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Prints the monotonic clock at the first paint of the watched window and ends the process.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QWidget &window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(
                qApp, [] {
                    std::printf("painted %lld\n", static_cast<long long>(monotonicMs()));
                    std::fflush(stdout);
                    QApplication::exit(0);
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};

int runChild(int argc, char *argv[], const char *mode)
{
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    std::unique_ptr<pendantwindow::SimulatedPendant> simulatedPendant;
    std::unique_ptr<cao::ScopedProviderRegistration> registration;
    std::unique_ptr<script::ScriptRunner> runner;
    QTemporaryDir folder;
    const bool scripted = std::strcmp(mode, "scripted") == 0;
    if (std::strcmp(mode, "empty") == 0) {
        window = std::make_unique<QWidget>();
        window->setFixedSize(495, 623); // the console's client area, 7425 x 9345 twips
    } else {
        window = std::make_unique<frmMain>();
        if (std::strcmp(mode, "simulated") == 0 || scripted) { // as the program builds it
            simulatedPendant = std::make_unique<pendantwindow::SimulatedPendant>(*window);
            registration = std::make_unique<cao::ScopedProviderRegistration>(
                QString::fromLatin1(tavlox::ProgrammaticId),
                std::make_shared<tavlox::TavloxProvider>([&simulatedPendant](const tavlox::ConnectionOptions &) {
                    return std::make_unique<tavlox::InProcessLink>(simulatedPendant->device());
                }));
        }
    }
    std::unique_ptr<FirstPaint> watch;
    if (scripted) {
        // As zandorex --script starts it; the script's first statement tells the time.
        QFile file(folder.filePath(QStringLiteral("first.js")));
        file.open(QIODevice::WriteOnly);
        file.write("print('painted ' + Math.floor(now()));\n");
        file.close();
        auto &console = static_cast<frmMain &>(*window);
        runner = std::make_unique<script::ScriptRunner>(script::ScriptOptions{file.fileName(), QString(), 60, {}, {}});
        consolescript::addConsoleHosts(*runner, console, [&console] { return console.controller(); });
        QObject::connect(simulatedPendant.get(), &pendantwindow::SimulatedPendant::ready, runner.get(), &script::ScriptRunner::start);
        QObject::connect(runner.get(), &script::ScriptRunner::finished, qApp, [] { QApplication::exit(0); });
    } else {
        watch = std::make_unique<FirstPaint>(*window);
    }
    window->show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 2 && std::strcmp(argv[1], "--child") == 0)
        return runChild(argc, argv, argv[2]);
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(3, std::atoi(argv[1])) : 15;
    const char *modes[] = {"empty", "console", "simulated", "scripted"};
    constexpr int Modes = 4;
    std::vector<double> times[Modes];
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains(QStringLiteral("DISPLAY")) && !environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (int run = 0; run < runs; ++run) {
        // Interleaved, and in a rotating order, so that neither a slow spell of the machine nor going first or last
        // favours one of them.
        for (int step = 0; step < Modes; ++step) {
            const int mode = (step + run) % Modes;
            QProcess child;
            child.setProcessEnvironment(environment);
            const qint64 started = monotonicMs();
            child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), QLatin1String(modes[mode])});
            child.waitForFinished(30000);
            const QByteArray output = child.readAllStandardOutput();
            const qsizetype at = output.indexOf("painted ");
            if (at < 0) {
                std::fprintf(stderr, "the %s window never painted\n", modes[mode]);
                return 1;
            }
            const QByteArray painted = output.mid(at + 8);
            times[mode].push_back(double(painted.left(painted.indexOf('\n')).trimmed().toLongLong() - started));
        }
    }
    const double empty = median(times[0]);
    std::printf("Process start to the first paint of the main window (%s), median of %d runs, ms\n\n",
                qEnvironmentVariableIsSet("DISPLAY") ? "on the display" : "offscreen", runs);
    std::printf("| window                                         | median | / empty |\n");
    std::printf("|------------------------------------------------|-------:|--------:|\n");
    const char *names[] = {"empty QWidget of the console's size (baseline)", "console", "console with the simulated pendant",
                           "the same, to a script's first statement"};
    for (int mode = 0; mode < Modes; ++mode)
        std::printf("| %-46s | %6.1f | %7.2f |\n", names[mode], median(times[mode]), median(times[mode]) / empty);
    std::printf("\nA script starts %.1f ms after the console with the simulated pendant has painted.\n",
                median(times[3]) - median(times[2]));
    std::printf("Goals: the console with the simulated pendant within 1.5x the empty window; a script within 30 ms of that.\n");
    return 0;
}
