// zandorex: the teach-pendant test console.
#include "app/consolecommandline.h"
#include "app/guiinputinjector.h"
#include "app/scriptruns.h"
#include "cao/provider.h"
#include "console/frmMain.h"
#include "consolescript/consolehosts.h"
#include "consolescript/enginecallgate.h"
#include "pendant/pendantdevice.h"
#include "pendantwindow/simulatedpendant.h"
#include "scenario/pendantobject.h"
#include "script/uiagent.h"
#include "tavlox/tavloxprovider.h"
#include "tavlox/wirelinks.h"

#include <QApplication>
#include <QTimer>

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

    frmMain window;
    GuiInputInjector injector(&window);
    std::unique_ptr<pendant::SimulatedPendant> simulatedPendant;
    tavlox::TavloxProvider::LinkFactory links = &tavlox::makeWireLink;
    if (line->simulatedPendant) {
        simulatedPendant = std::make_unique<pendant::SimulatedPendant>(window);
        links = [&simulatedPendant](const tavlox::ConnectionOptions &) {
            return std::make_unique<tavlox::InProcessLink>(simulatedPendant->device());
        };
    }
    cao::ScopedProviderRegistration registration(QString::fromLatin1(tavlox::ProgrammaticId),
                                                 std::make_shared<tavlox::TavloxProvider>(links, &injector));

    // The scripts start once the window is up: when it has painted, or the built-in pendant has been made.
    std::unique_ptr<scenario::PendantHost> scenarioHost; // outlives the runs, which end before it goes
    ScriptRuns runs(line->keepRunning);
    if (!line->script.file.isEmpty())
        script::addConsoleHosts(runs.add(line->script), window, [&window] { return window.controller(); });
    if (!line->pendantScript.file.isEmpty()) {
        script::ScriptRunner &scenario = runs.add(line->pendantScript);
        scenario.ui().setGate(new script::EngineCallGate(&scenario)); // a person's clicks wait for the console too
        QObject::connect(simulatedPendant.get(), &pendant::SimulatedPendant::ready, &scenario, [&] {
            scenarioHost = std::make_unique<scenario::PendantHost>(*simulatedPendant->device());
            scenario.addHost(std::shared_ptr<script::ScriptHost>(scenarioHost.get(), [](script::ScriptHost *) {}));
        });
    }
    if (simulatedPendant)
        QObject::connect(simulatedPendant.get(), &pendant::SimulatedPendant::ready, &runs, &ScriptRuns::start);
    else
        QTimer::singleShot(0, &runs, &ScriptRuns::start);
    QObject::connect(&window, &frmMain::unloaded, &runs, &ScriptRuns::windowClosed, Qt::QueuedConnection);
    window.show();
    return QApplication::exec();
}
