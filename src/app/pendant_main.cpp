// zandorex-pendant: the simulated pendant as a program of its own, reached across UDP or a serial line.
#include "app/capturecommandline.h"
#include "app/pendantcommandline.h"
#include "app/programcommandline.h"
#include "app/scriptruns.h"
#include "pendant/pendantdevice.h"
#include "pendantwindow/pendantwindow.h"
#include "scenario/pendanthost.h"
#include "wire/endpointbridge.h"
#include "wire/wirechannel.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <memory>

int main(int argc, char *argv[])
{
    int exitStatus = 0;
    const std::optional<PendantCommandLine> line = readPendantCommandLine(argc, argv, &exitStatus);
    if (!line)
        return exitStatus;
    // Without a window the pendant needs no display; its LCD is still rendered, fonts and all.
    if (line->headless && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zandorex-pendant"));
    QApplication::setApplicationVersion(QStringLiteral(ZANDOREX_VERSION));

    // Opened before the link, so that it holds the first datagram or frame; it outlives the link.
    std::unique_ptr<capture::TrafficCapture> traffic;
    if (!line->capture.isEmpty()) {
        traffic = startCapture(line->capture, line->serialDevice.isEmpty() ? capture::LinkKind::Udp : capture::LinkKind::Serial,
                               "zandorex-pendant");
        if (!traffic)
            return FileUnwritable;
    }

    std::unique_ptr<wire::WireChannel> channel;
    if (line->serialDevice.isEmpty())
        channel = std::make_unique<wire::UdpChannel>(line->localAddress, line->localPort, line->peerAddress, line->peerPort);
    else
        channel = std::make_unique<wire::SerialChannel>(line->serialDevice);
    if (const QString why = channel->open(); !why.isEmpty()) {
        std::fprintf(stderr, "zandorex-pendant: %s\n", qPrintable(why));
        return LinkUnavailable;
    }

    pendant::PendantDevice device;
    wire::EndpointBridge bridge(*channel, device);
    std::unique_ptr<pendantwindow::PendantWindow> window;
    if (!line->headless) {
        window = std::make_unique<pendantwindow::PendantWindow>(device);
        window->show();
    }
    // A scenario plays once the pendant listens; the program ends with it, or goes on with --keep-running. The
    // control socket's calls are a run of their own, with a pendant object of their own.
    std::unique_ptr<scenario::PendantHost> scenarioHost;
    std::unique_ptr<scenario::PendantHost> controlHost;
    std::unique_ptr<control::ControlServer> control;
    ScriptRuns runs(line->keepRunning);
    if (!line->scenario.file.isEmpty()) {
        scenarioHost = std::make_unique<scenario::PendantHost>(device);
        runs.add(line->scenario).addHost(std::shared_ptr<script::ScriptHost>(scenarioHost.get(), [](script::ScriptHost *) {}));
    }
    if (line->control.address && scenarioHost) {
        std::fprintf(stderr, "zandorex-pendant: --control and --script both decide the pendant's requests: give one\n");
        return ProgramCommandLine::BadArgument;
    }
    if (scenarioHost || line->control.address) {
        QApplication::setQuitOnLastWindowClosed(false);
        QObject::connect(&app, &QApplication::lastWindowClosed, &runs, &ScriptRuns::windowClosed);
        QTimer::singleShot(0, &runs, &ScriptRuns::start);
    }
    runs.endOnSignals(); // Ctrl+C and SIGTERM close the capture properly
    if (traffic) {
        QObject::connect(&runs, &ScriptRuns::endingNow, traffic.get(), [&traffic] { traffic->flush(); });
        QObject::connect(traffic.get(), &capture::TrafficCapture::failed, &runs, &ScriptRuns::warn);
    }
    // Scripts wait for this line before they start the console.
    std::printf("zandorex-pendant: ready on %s\n", qPrintable(channel->describe()));
    std::fflush(stdout);
    if (line->control.address) {
        if (!(control = startControl(line->control, "zandorex-pendant")))
            return ProgramCommandLine::BadArgument;
        controlHost = std::make_unique<scenario::PendantHost>(device);
        runs.addService([&control](script::ScriptContext &context) { control->service().serve(context); })
            .addHost(std::shared_ptr<script::ScriptHost>(controlHost.get(), [](script::ScriptHost *) {}));
        QObject::connect(&runs, &ScriptRuns::endingNow, control.get(), [&control] { control->close(); });
    }
    return QApplication::exec();
}
