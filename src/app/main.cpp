// zandorex: the teach-pendant test console.
#include "app/capturecommandline.h"
#include "app/consolecommandline.h"
#include "app/guiinputinjector.h"
#include "app/programcommandline.h"
#include "app/scriptruns.h"
#include "cao/provider.h"
#include "console/frmMain.h"
#include "eventlog/logview.h"
#include "consolescript/consolehosts.h"
#include "consolescript/enginecallgate.h"
#include "controls/warningbox.h"
#include "pendant/pendantdevice.h"
#include "pendantwindow/simulatedpendant.h"
#include "scenario/pendanthost.h"
#include "script/uiagent.h"
#include "tavlox/tavloxprovider.h"
#include "tavlox/wirelinks.h"

#include <QApplication>
#include <QCheckBox>
#include <QTimer>
#include <cstdio>

int main(int argc, char *argv[])
{
    int exitStatus = 0;
    const std::optional<ConsoleCommandLine> line = readCommandLine(argc, argv, &exitStatus);
    if (!line)
        return exitStatus;
    if (line->headless && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The program's name titles its message boxes. No display name is set: the platform would append it to
    // every window caption ("DrawMTP — Zandorex"), and the captions are exactly the windows' own.
    QApplication::setApplicationName(QStringLiteral("Zandorex"));
    QApplication::setApplicationVersion(QStringLiteral(ZANDOREX_VERSION));

    // The capture outlives the window, whose links report to it until they close.
    std::unique_ptr<capture::TrafficCapture> traffic;
    if (!line->capture.isEmpty()) {
        traffic = startCapture(line->capture, capture::LinkKind::Udp, "zandorex");
        if (!traffic)
            return FileUnwritable;
        if (line->simulatedPendant)
            std::fprintf(stderr, "zandorex: the built-in pendant is reached without a wire: %s stays empty\n",
                         qPrintable(line->capture));
    }

    frmMain window;
    GuiInputInjector injector(&window);
    if (!line->record.isEmpty()) {
        auto *log = window.findChild<eventlog::LogView *>(QStringLiteral("lstLog"));
        if (const QString why = log->startRecording(line->record, line->recordOptions); !why.isEmpty()) {
            std::fprintf(stderr, "zandorex: cannot record the log to %s: %s\n", qPrintable(line->record), qPrintable(why));
            return FileUnwritable;
        }
    }
    if (traffic)
        QObject::connect(traffic.get(), &capture::TrafficCapture::failed, &window, [&window](const QString &message) {
            controls::openWarning(&window, QStringLiteral("Zandorex"), message + QStringLiteral(".\nThe link goes on without it."),
                                  QStringLiteral("captureFailed"), true);
        });
    std::unique_ptr<pendantwindow::SimulatedPendant> simulatedPendant;
    tavlox::TavloxProvider::LinkFactory links = &tavlox::makeWireLink;
    if (line->simulatedPendant) {
        simulatedPendant = std::make_unique<pendantwindow::SimulatedPendant>(window);
        links = [&simulatedPendant](const tavlox::ConnectionOptions &) {
            return std::make_unique<tavlox::InProcessLink>(simulatedPendant->device());
        };
    }
    cao::ScopedProviderRegistration registration(QString::fromLatin1(tavlox::ProgrammaticId),
                                                 std::make_shared<tavlox::TavloxProvider>(links, &injector));

    // The scripts start once the window is up: when it has painted, or the built-in pendant has been made.
    std::unique_ptr<scenario::PendantHost> scenarioHost; // outlives the runs, which end before it goes
    std::unique_ptr<control::ControlServer> control;     // so does the control socket, whose calls are a run
    if (line->control.address && !(control = startControl(line->control, "zandorex")))
        return ProgramCommandLine::BadArgument;
    ScriptRuns runs(line->keepRunning);
    if (!line->script.file.isEmpty())
        consolescript::addConsoleHosts(runs.add(line->script), window, [&window] { return window.controller(); });
    if (control)
        consolescript::addConsoleHosts(runs.addService([&control](script::ScriptContext &context) { control->service().serve(context); }),
                                window, [&window] { return window.controller(); });
    if (!line->pendantScript.file.isEmpty()) {
        script::ScriptRunner &scenario = runs.add(line->pendantScript);
        scenario.ui().setGate(new consolescript::EngineCallGate(&scenario)); // a person's clicks wait for the console too
        QObject::connect(simulatedPendant.get(), &pendantwindow::SimulatedPendant::ready, &scenario, [&] {
            scenarioHost = std::make_unique<scenario::PendantHost>(*simulatedPendant->device());
            scenario.addHost(std::shared_ptr<script::ScriptHost>(scenarioHost.get(), [](script::ScriptHost *) {}));
        });
    }
    if (simulatedPendant)
        QObject::connect(simulatedPendant.get(), &pendantwindow::SimulatedPendant::ready, &runs, &ScriptRuns::start);
    else
        QTimer::singleShot(0, &runs, &ScriptRuns::start);
    QObject::connect(&window, &frmMain::unloaded, &runs, &ScriptRuns::windowClosed, Qt::QueuedConnection);
    runs.endOnSignals(); // Ctrl+C and SIGTERM close the files properly
    // A program that ends stops a running "Infinite" repetition as an operator would: nothing is sent after the
    // command under way.
    QObject::connect(&runs, &ScriptRuns::ending, &window, [&window] {
        if (auto *repeat = window.findChild<QCheckBox *>(QStringLiteral("chkInfi")))
            repeat->setChecked(false);
    });
    auto *log = window.findChild<eventlog::LogView *>(QStringLiteral("lstLog"));
    QObject::connect(&runs, &ScriptRuns::endingNow, &window, [log, &traffic, &control] {
        log->stopRecording();
        if (traffic)
            traffic->flush();
        if (control)
            control->close();
    });
    QObject::connect(log, &eventlog::LogView::recordingFailed, &runs, &ScriptRuns::warn);
    if (traffic)
        QObject::connect(traffic.get(), &capture::TrafficCapture::failed, &runs, &ScriptRuns::warn);
    window.show();
    return QApplication::exec();
}
