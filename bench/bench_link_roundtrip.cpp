// How long one request takes across UDP on 127.0.0.1: "GetKeyState" through the real provider to zandorex-pendant,
// beside a raw POSIX UDP ping-pong and a QUdpSocket ping-pong between two processes. Run by hand; prints a table.
#include "capture/trafficcapture.h"
#include "roundtrips.h"
#include "tavlox/tavloxprovider.h"
#include "tavlox/wirelinks.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QNetworkDatagram>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <algorithm>
#include <arpa/inet.h>
#include <cstdio>
#include <cstring>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace {
constexpr int Warmup = 200;

// The echo side of a ping-pong, in a process of its own: prints its port, then sends every datagram back.
int runPosixEcho()
{
    const int fd = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0)
        return 1;
    socklen_t size = sizeof address;
    getsockname(fd, reinterpret_cast<sockaddr *>(&address), &size);
    std::printf("port %d\n", ntohs(address.sin_port));
    std::fflush(stdout);
    char buffer[2048];
    for (;;) {
        sockaddr_in from{};
        socklen_t fromSize = sizeof from;
        const ssize_t n = recvfrom(fd, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr *>(&from), &fromSize);
        if (n < 0)
            return 1;
        sendto(fd, buffer, static_cast<size_t>(n), 0, reinterpret_cast<sockaddr *>(&from), fromSize);
    }
}

int runQtEcho(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QUdpSocket socket;
    socket.bind(QHostAddress::LocalHost, 0);
    std::printf("port %d\n", socket.localPort());
    std::fflush(stdout);
    QObject::connect(&socket, &QUdpSocket::readyRead, &socket, [&socket] {
        while (socket.hasPendingDatagrams()) {
            const QNetworkDatagram datagram = socket.receiveDatagram();
            socket.writeDatagram(datagram.makeReply(datagram.data()));
        }
    });
    return QCoreApplication::exec();
}

// Starts a helper process and reads the port it prints.
quint16 startHelper(QProcess &process, const QString &program, const QStringList &arguments, const QString &pattern)
{
    process.start(program, arguments);
    process.waitForStarted();
    QByteArray output;
    const QRegularExpression port(pattern);
    for (int tries = 0; tries < 200; ++tries) {
        process.waitForReadyRead(50);
        output += process.readAllStandardOutput();
        const auto match = port.match(QString::fromLocal8Bit(output));
        if (match.hasMatch())
            return static_cast<quint16>(match.captured(1).toUInt());
    }
    std::fprintf(stderr, "helper %s did not start\n", qPrintable(program));
    std::exit(1);
}

// A 40-byte request, about the size of a GetKeyState reply.
Figures posixPingPong(quint16 port, int rounds)
{
    const int fd = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    to.sin_port = htons(port);
    char buffer[64] = {};
    std::vector<double> times;
    QElapsedTimer clock;
    for (int round = 0; round < rounds + Warmup; ++round) {
        clock.start();
        sendto(fd, buffer, 40, 0, reinterpret_cast<sockaddr *>(&to), sizeof to);
        recv(fd, buffer, sizeof buffer, 0);
        if (round >= Warmup)
            times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1000.0);
    }
    close(fd);
    return summarise(times);
}

Figures qtPingPong(quint16 port, int rounds)
{
    QUdpSocket socket;
    socket.bind(QHostAddress::LocalHost, 0);
    const QByteArray payload(40, 'x');
    std::vector<double> times;
    QElapsedTimer clock;
    for (int round = 0; round < rounds + Warmup; ++round) {
        clock.start();
        socket.writeDatagram(payload, QHostAddress::LocalHost, port);
        while (!socket.hasPendingDatagrams())
            socket.waitForReadyRead(1000);
        (void)socket.receiveDatagram();
        if (round >= Warmup)
            times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1000.0);
    }
    return summarise(times);
}

// extraArguments: more of zandorex-pendant's options (a scenario, a capture); consoleCapture: the console's end
// writes a capture file too.
Figures providerRoundTrip(const QString &pendantProgram, int rounds, const QStringList &extraArguments = {},
                          const QString &consoleCapture = {})
{
    capture::TrafficCapture traffic;
    if (!consoleCapture.isEmpty()) {
        if (const QString why = traffic.open(consoleCapture, capture::LinkKind::Udp); !why.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(why));
            std::exit(1);
        }
        wire::setTrafficTap(&traffic);
    }
    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    const quint16 consolePort = probe.localPort();
    probe.close();
    QProcess pendant;
    const quint16 pendantPort =
        startHelper(pendant, pendantProgram,
                    QStringList{QStringLiteral("--headless"), QStringLiteral("--udp"), QStringLiteral("127.0.0.1:0"),
                     QStringLiteral("--peer"), QStringLiteral("127.0.0.1:%1").arg(consolePort)} +
                        extraArguments,
                    QStringLiteral("ready on UDP 127\\.0\\.0\\.1:(\\d+)"));
    const std::vector<double> times = getKeyStateTimes(pendantPort, consolePort, rounds, Warmup);
    pendant.kill();
    pendant.waitForFinished();
    return summarise(times);
}
} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--posix-echo") == 0)
        return runPosixEcho();
    if (argc > 1 && std::strcmp(argv[1], "--qt-echo") == 0)
        return runQtEcho(argc, argv);
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(100, std::atoi(argv[1])) : 5000;
    const QString self = QCoreApplication::applicationFilePath();

    QProcess posixEcho, qtEcho;
    const Figures posix = posixPingPong(startHelper(posixEcho, self, {QStringLiteral("--posix-echo")},
                                                    QStringLiteral("port (\\d+)")),
                                        rounds);
    const Figures qt = qtPingPong(startHelper(qtEcho, self, {QStringLiteral("--qt-echo")}, QStringLiteral("port (\\d+)")),
                                  rounds);
    posixEcho.kill();
    qtEcho.kill();
    posixEcho.waitForFinished();
    qtEcho.waitForFinished();
    const Figures provider = providerRoundTrip(QStringLiteral(ZANDOREX_PENDANT), rounds);
    // A scenario whose handler sees every request and lets it be answered as usual.
    QTemporaryDir folder;
    QFile scenario(folder.filePath(QStringLiteral("every-request.js")));
    scenario.open(QIODevice::WriteOnly);
    scenario.write("pendant.on(\"*\", function (request) {});\nsleep(600000);\n");
    scenario.close();
    const Figures handled = providerRoundTrip(QStringLiteral(ZANDOREX_PENDANT), rounds,
                                              {QStringLiteral("--script"), scenario.fileName()});
    // Both ends capture; the plain round trip again right after, so that the two are compared in the same spell.
    std::vector<Figures> captured, plain;
    for (int pass = 0; pass < 3; ++pass) {
        captured.push_back(providerRoundTrip(QStringLiteral(ZANDOREX_PENDANT), rounds,
                                             {QStringLiteral("--capture"), folder.filePath(QStringLiteral("pendant.pcap"))},
                                             folder.filePath(QStringLiteral("console.pcap"))));
        plain.push_back(providerRoundTrip(QStringLiteral(ZANDOREX_PENDANT), rounds));
    }
    auto medianOf = [](std::vector<Figures> runs) {
        std::sort(runs.begin(), runs.end(), [](const Figures &a, const Figures &b) { return a.p50 < b.p50; });
        return runs[runs.size() / 2];
    };

    std::printf("Round trip on 127.0.0.1, %d rounds each (after %d warm-up rounds), microseconds\n\n", rounds, Warmup);
    std::printf("| path                                      |     p50 |     p99 | p50 / raw | p99 / raw |\n");
    std::printf("|-------------------------------------------|--------:|--------:|----------:|----------:|\n");
    auto row = [&posix](const char *name, const Figures &f) {
        std::printf("| %-41s | %7.1f | %7.1f | %9.2f | %9.2f |\n", name, f.p50, f.p99, f.p50 / posix.p50, f.p99 / posix.p99);
    };
    row("raw POSIX UDP ping-pong (baseline)", posix);
    row("QUdpSocket ping-pong", qt);
    row("GetKeyState: provider to zandorex-pendant", provider);
    row("GetKeyState, pendant scenario on(\"*\")", handled);
    row("GetKeyState, no capture (median of 3)", medianOf(plain));
    row("GetKeyState, both ends capture (med. 3)", medianOf(captured));
    std::printf("\nGoals: GetKeyState p50 within 1.7x and p99 within 2.0x the raw ping-pong; the on(\"*\") handler adds\n"
                "at most 20%% to GetKeyState's p50: here %+.0f%%; capturing at both ends, p50 within 1.1x of the same\n"
                "without: here %.2fx.\n",
                (handled.p50 / provider.p50 - 1) * 100, medianOf(captured).p50 / medianOf(plain).p50);
    return 0;
}
