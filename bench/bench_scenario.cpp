// How fast a pendant scenario plays input: 10,000 key presses from a scenario beside the same presses made from
// C++, each time until the console's log holds every KeyDown, KeyPress and KeyUp line, which are checked to be all
// there and in order; a scenario's time counts from its first statement. The console, the provider and the pendant share the process (the built-in pendant's path).
// Run by hand; prints a table.
#include "cao/provider.h"
#include "console/frmMain.h"
#include "pendant/pendantdevice.h"
#include "scenario/pendanthost.h"
#include "script/scriptcontext.h"
#include "script/scripthost.h"
#include "script/scriptrunner.h"
#include "tavlox/tavloxprovider.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QJSEngine>
#include <chrono>
#include <cstdio>

namespace {
constexpr int Key = 21; // "F1"

// Waits until the log holds `lines` lines; false when they are not the presses, in order, or when the presser
// has ended and a second has passed without them.
bool logHolds(frmMain &window, int presses, int firstLine, const bool &presserEnded = true)
{
    auto *log = window.findChild<QAbstractItemView *>(QStringLiteral("lstLog"));
    const int lines = firstLine + 3 * presses;
    QElapsedTimer sinceEnd;
    while (log->model()->rowCount() < lines) {
        if (presserEnded && !sinceEnd.isValid())
            sinceEnd.start();
        if (sinceEnd.isValid() && sinceEnd.hasExpired(1000))
            return false;
        QCoreApplication::sendPostedEvents(log->model(), QEvent::MetaCall);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    const QStringList expected{QStringLiteral("KeyDown : 21"), QStringLiteral("KeyPress : 21"), QStringLiteral("KeyUp : 21")};
    for (int row = firstLine; row < lines; ++row)
        if (log->model()->index(row, 0).data().toString() != expected[(row - firstLine) % 3])
            return false;
    return log->model()->rowCount() == lines;
}

double fromCpp(frmMain &window, pendant::PendantDevice &device, int presses)
{
    const int first = window.findChild<QAbstractItemView *>(QStringLiteral("lstLog"))->model()->rowCount();
    QElapsedTimer clock;
    clock.start();
    for (int k = 0; k < presses; ++k) {
        device.pressKey(Key);
        device.releaseKey(Key);
    }
    if (!logHolds(window, presses, first)) {
        std::fprintf(stderr, "the log does not hold every press in order (C++)\n");
        std::exit(1);
    }
    return clock.nsecsElapsed() / 1e6;
}

// Reads the time of the scenario's first statement (its global `started`, from now()) as the run ends, so that the
// script's start-up, timed by bench_startup, stays out of the figure.
class StartReader : public script::ScriptHost
{
public:
    void install(script::ScriptContext &context) override { m_context = &context; }
    void uninstall() override { started = m_context->engine().globalObject().property(QStringLiteral("started")).toNumber(); }
    double started = 0; // steady clock, ms
private:
    script::ScriptContext *m_context = nullptr;
};

double steadyMs()
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// The scenario presses the keys one call each, or all in one call (press takes a list of keys).
double fromScenario(frmMain &window, scenario::PendantHost &host, const QString &folder, int presses, bool oneCall)
{
    const int first = window.findChild<QAbstractItemView *>(QStringLiteral("lstLog"))->model()->rowCount();
    QFile file(folder + QStringLiteral("/presses.js"));
    file.open(QIODevice::WriteOnly);
    file.write((oneCall ? QStringLiteral("var keys = []; for (var k = 0; k < %1; ++k) keys.push('F1');\nvar started = now();\npendant.press(keys, 0);\n")
                        : QStringLiteral("var started = now();\nfor (var k = 0; k < %1; ++k) pendant.press('F1', 0);\n"))
                   .arg(presses)
                   .toUtf8());
    file.close();
    script::ScriptRunner runner({file.fileName(), QString(), 600, {}, {}});
    runner.addHost(std::shared_ptr<script::ScriptHost>(&host, [](script::ScriptHost *) {}));
    auto startReader = std::make_shared<StartReader>();
    runner.addHost(startReader);
    bool ended = false;
    QObject::connect(&runner, &script::ScriptRunner::finished, &window, [&ended] { ended = true; });
    runner.start();
    if (!logHolds(window, presses, first, ended)) {
        std::fprintf(stderr, "the log does not hold every press in order (scenario)\n");
        std::exit(1);
    }
    const double logComplete = steadyMs();
    while (!ended)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return logComplete - startReader->started;
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int presses = argc > 1 ? std::max(100, std::atoi(argv[1])) : 10000;
    QTemporaryDir folder;
    pendant::PendantDevice device;
    cao::ScopedProviderRegistration registration(
        QString::fromLatin1(tavlox::ProgrammaticId),
        std::make_shared<tavlox::TavloxProvider>([&device](const tavlox::ConnectionOptions &) { return std::make_unique<tavlox::InProcessLink>(&device); }));
    frmMain window;
    window.show();
    window.findChild<QComboBox *>(QStringLiteral("cmbKeyboardMode"))->setCurrentIndex(0); // keys as messages
    window.findChild<QLineEdit *>(QStringLiteral("txtInitWait"))->setText(QStringLiteral("600000")); // no wiring check
    window.findChild<QPushButton *>(QStringLiteral("cmdEng(0)"))->click();
    scenario::PendantHost host(device);

    std::vector<double> cpp, scripted, listed;
    for (int pass = 0; pass < 3; ++pass) { // alternated, so that a slow spell does not fall on one only
        cpp.push_back(fromCpp(window, device, presses));
        scripted.push_back(fromScenario(window, host, folder.path(), presses, false));
        listed.push_back(fromScenario(window, host, folder.path(), presses, true));
    }
    for (auto *times : {&cpp, &scripted, &listed})
        std::sort(times->begin(), times->end());
    std::printf("%d presses of F1 until the console's log holds all %d lines, in order; median of 3 passes, ms\n\n", presses, 3 * presses);
    std::printf("| pressed by                                  |   median |     best | / C++ (median) |\n");
    std::printf("|---------------------------------------------|---------:|---------:|---------------:|\n");
    std::printf("| C++: device.pressKey, releaseKey            | %8.1f | %8.1f | %14.2f |\n", cpp[1], cpp[0], 1.0);
    std::printf("| scenario: pendant.press(key, 0) per key     | %8.1f | %8.1f | %14.2f |\n", scripted[1], scripted[0], scripted[1] / cpp[1]);
    std::printf("| scenario: pendant.press([keys…], 0), once   | %8.1f | %8.1f | %14.2f |\n", listed[1], listed[0], listed[1] / cpp[1]);
    std::printf("\nGoal: the scenario within 1.2x the C++ time. The on(\"*\") handler's cost: bench_link_roundtrip.\n");
    return 0;
}
