// zandorex-pendant: the simulated pendant as a program of its own, reached across UDP or a serial line.
#include "pendant/pendantdevice.h"
#include "pendantwindow/pendantwindow.h"
#include "wire/endpointbridge.h"
#include "wire/wirechannel.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QHostAddress>
#include <cstdio>
#include <memory>

namespace {
enum ExitCode { BadArgument = 2, LinkUnavailable = 3 };

int fail(int code, const QString &why)
{
    std::fprintf(stderr, "zandorex-pendant: %s\n", qPrintable(why));
    return code;
}

// "ADDRESS:PORT" with an IPv4 address; port 0 only where the caller allows it.
bool parseEndpoint(const QString &text, bool allowAnyPort, QHostAddress &address, quint16 &port)
{
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0)
        return false;
    address = QHostAddress(text.left(colon));
    bool ok = false;
    const uint number = text.mid(colon + 1).toUInt(&ok);
    // Dotted quads only: "1.2.3" would otherwise be read as 1.2.0.3.
    if (!ok || address.protocol() != QAbstractSocket::IPv4Protocol || address.toString() != text.left(colon) ||
        number > 65535 || (number == 0 && !allowAnyPort))
        return false;
    port = static_cast<quint16>(number);
    return true;
}
} // namespace

int main(int argc, char *argv[])
{
    // Arguments are checked before any window system is touched, so that a mistake is reported on any terminal.
    QStringList arguments;
    for (int k = 0; k < argc; ++k)
        arguments << QString::fromLocal8Bit(argv[k]);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("The simulated Tavlox teach pendant, reached by the console across UDP or a serial line.\n"
                       "UDP:    zandorex-pendant --udp 127.0.0.1:5006 --peer 127.0.0.1:5007\n"
                       "serial: zandorex-pendant --serial /dev/ttyUSB0"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version(QStringLiteral("version"), QStringLiteral("Show the version and exit."));
    const QCommandLineOption udp(QStringLiteral("udp"),
                                 QStringLiteral("Listen for the console on this IPv4 address and UDP port (port 0: any "
                                                "free port, printed at start)."),
                                 QStringLiteral("ADDRESS:PORT"));
    const QCommandLineOption peer(QStringLiteral("peer"),
                                  QStringLiteral("The console's source address and port; nothing else is answered."),
                                  QStringLiteral("ADDRESS:PORT"));
    const QCommandLineOption serial(QStringLiteral("serial"),
                                    QStringLiteral("Talk to the console on this serial device (115200 baud, 8N1)."),
                                    QStringLiteral("DEVICE"));
    const QCommandLineOption headless(QStringLiteral("headless"), QStringLiteral("Show no window."));
    parser.addOptions({help, version, udp, peer, serial, headless});
    if (!parser.parse(arguments))
        return fail(BadArgument, parser.errorText());
    if (parser.isSet(help)) {
        std::printf("%s", qPrintable(parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("zandorex-pendant"))));
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("zandorex-pendant %s\n", ZANDOREX_VERSION);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return fail(BadArgument, QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first()));
    if (parser.isSet(udp) == parser.isSet(serial))
        return fail(BadArgument, QStringLiteral("give either --udp with --peer, or --serial (see --help)"));
    QHostAddress localAddress, peerAddress;
    quint16 localPort = 0, peerPort = 0;
    if (parser.isSet(udp)) {
        if (!parseEndpoint(parser.value(udp), true, localAddress, localPort))
            return fail(BadArgument, QStringLiteral("--udp \"%1\" is not IPV4-ADDRESS:PORT").arg(parser.value(udp)));
        if (!parser.isSet(peer))
            return fail(BadArgument, QStringLiteral("--udp needs --peer, the console's source address and port"));
        if (!parseEndpoint(parser.value(peer), false, peerAddress, peerPort))
            return fail(BadArgument,
                        QStringLiteral("--peer \"%1\" is not IPV4-ADDRESS:PORT (port 1-65535)").arg(parser.value(peer)));
    } else if (parser.isSet(peer)) {
        return fail(BadArgument, QStringLiteral("--peer belongs to --udp"));
    }

    // Without a window the pendant needs no display; its LCD is still rendered, fonts and all.
    if (parser.isSet(headless) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zandorex-pendant"));
    QApplication::setApplicationVersion(QStringLiteral(ZANDOREX_VERSION));

    std::unique_ptr<tavlox::WireChannel> channel;
    if (parser.isSet(udp))
        channel = std::make_unique<tavlox::UdpChannel>(localAddress, localPort, peerAddress, peerPort);
    else
        channel = std::make_unique<tavlox::SerialChannel>(parser.value(serial));
    if (const QString why = channel->open(); !why.isEmpty())
        return fail(LinkUnavailable, why);

    pendant::PendantDevice device;
    tavlox::EndpointBridge bridge(*channel, device);
    std::unique_ptr<pendant::PendantWindow> window;
    if (!parser.isSet(headless)) {
        window = std::make_unique<pendant::PendantWindow>(device);
        window->show();
    }
    // Scripts wait for this line before they start the console.
    std::printf("zandorex-pendant: ready on %s\n", qPrintable(channel->describe()));
    std::fflush(stdout);
    return QApplication::exec();
}
