// zandorex: the teach-pendant test console.
#include "app/consolecommandline.h"
#include "app/guiinputinjector.h"
#include "cao/provider.h"
#include "console/frmMain.h"
#include "pendant/pendantdevice.h"
#include "pendantwindow/simulatedpendant.h"
#include "script/controllerobject.h"
#include "script/logobject.h"
#include "script/scriptrunner.h"
#include "script/windowobject.h"
#include "tavlox/tavloxprovider.h"
#include "tavlox/wirelinks.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QTimer>

namespace {
// Runs the script once the window is up, with the console's window, log and connection; the program ends with it.
std::unique_ptr<script::ScriptRunner> scriptRun(const ConsoleCommandLine &line, frmMain &window)
{
    auto runner = std::make_unique<script::ScriptRunner>(script::ScriptOptions{line.script, line.junit, line.timeoutSeconds});
    runner->addHost(std::make_shared<script::WindowHost>(window));
    runner->addHost(std::make_shared<script::LogHost>(*window.findChild<QAbstractItemView *>(QStringLiteral("lstLog"))));
    runner->addHost(std::make_shared<script::ControllerHost>([&window] { return window.controller(); }));
    QObject::connect(runner.get(), &script::ScriptRunner::finished, qApp, [](int status) { QApplication::exit(status); });
    QObject::connect(&window, &frmMain::unloaded, runner.get(),
                     [runner = runner.get()] { runner->stop(QStringLiteral("the window was closed")); });
    script::stopOnSignals(*runner);
    return runner;
}
} // namespace

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

    std::unique_ptr<script::ScriptRunner> runner;
    if (!line->script.isEmpty()) {
        runner = scriptRun(*line, window);
        // The window is up once it has painted, the built-in pendant once it has been made.
        if (simulatedPendant)
            QObject::connect(simulatedPendant.get(), &pendant::SimulatedPendant::ready, runner.get(), &script::ScriptRunner::start);
        else
            QTimer::singleShot(0, runner.get(), &script::ScriptRunner::start);
    } else {
        QObject::connect(&window, &frmMain::unloaded, &app, &QApplication::quit, Qt::QueuedConnection);
    }
    window.show();
    return QApplication::exec();
}
