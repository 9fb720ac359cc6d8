// zandorex: the teach-pendant test console.
#include "app/guiinputinjector.h"
#include "cao/provider.h"
#include "console/frmMain.h"
#include "pendant/pendantdevice.h"
#include "pendantwindow/simulatedpendant.h"
#include "tavlox/tavloxprovider.h"
#include "tavlox/wirelinks.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCommandLineParser>
#include <algorithm>
#include <cstring>

namespace {
// The options; `simulated` is the one the program acts on.
void describeOptions(QCommandLineParser &parser, const QCommandLineOption &simulated)
{
    parser.setApplicationDescription(QStringLiteral("Test console for the Tavlox teach-pendant provider."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(simulated);
}

// --help and --version answer on any terminal, before a window system is needed.
bool answerWithoutDisplay(int argc, char *argv[], const QCommandLineOption &simulated)
{
    const auto asks = [](const char *argument) {
        for (const char *flag : {"-h", "--help", "-?", "--help-all", "-v", "--version"})
            if (std::strcmp(argument, flag) == 0)
                return true;
        return false;
    };
    if (std::none_of(argv + 1, argv + argc, asks))
        return false;
    QCoreApplication core(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zandorex"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZANDOREX_VERSION));
    QCommandLineParser parser;
    describeOptions(parser, simulated);
    parser.process(core); // prints and exits
    return true;
}
} // namespace

int main(int argc, char *argv[])
{
    const QCommandLineOption simulated(QStringLiteral("simulated-pendant"),
                                       QStringLiteral("Connect every Tavlox controller to the built-in simulated pendant, "
                                                      "whatever its Port or UDP option says, and show that pendant. Without it, Open "
                                                      "reaches the pendant on the serial port or UDP addresses of the "
                                                      "connection settings."));
    if (answerWithoutDisplay(argc, argv, simulated))
        return 0;
    QApplication app(argc, argv);
    // The program's name titles its message boxes. No display name is set: the platform would append it to
    // every window caption ("DrawMTP — Zandorex"), and the captions are exactly the windows' own.
    QApplication::setApplicationName(QStringLiteral("Zandorex"));
    QApplication::setApplicationVersion(QStringLiteral(ZANDOREX_VERSION));

    QCommandLineParser parser;
    describeOptions(parser, simulated);
    parser.process(app);

    frmMain window;
    GuiInputInjector injector(&window);
    std::unique_ptr<pendant::SimulatedPendant> simulatedPendant;
    tavlox::TavloxProvider::LinkFactory links = &tavlox::makeWireLink;
    if (parser.isSet(simulated)) {
        simulatedPendant = std::make_unique<pendant::SimulatedPendant>(window);
        links = [&simulatedPendant](const tavlox::ConnectionOptions &) {
            return std::make_unique<tavlox::InProcessLink>(simulatedPendant->device());
        };
    }
    cao::ScopedProviderRegistration registration(QString::fromLatin1(tavlox::ProgrammaticId),
                                                 std::make_shared<tavlox::TavloxProvider>(links, &injector));

    QObject::connect(&window, &frmMain::unloaded, &app, &QApplication::quit, Qt::QueuedConnection);
    window.show();
    return QApplication::exec();
}
