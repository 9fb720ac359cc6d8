// The UDP link seen from the console: who may talk to it, a port already taken, and a lossy, jumbled network.
#include "cao/engine.h"
#include "cao/failure.h"
#include "console/frmMain.h"
#include "linkrig.h"
#include "tavlox/tavloxprovider.h"
#include "protocol/wireformat.h"
#include "udpconsole.h"
#include "values.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QNetworkDatagram>
#include <QRandomGenerator>
#include <QUdpSocket>

using namespace testing;
using cao::Value;

namespace {
// Sits between the console and the pendant and mistreats datagrams both ways: drops, repeats and delays them
// (a delay reorders them too). The choices come from a fixed seed, so a failure can be replayed.
class FaultyRelay : public QObject
{
public:
    FaultyRelay(quint16 pendantPort, quint32 seed) : m_pendantPort(pendantPort), m_random(seed)
    {
        m_consoleSide.bind(QHostAddress::LocalHost, 0);
        m_pendantSide.bind(QHostAddress::LocalHost, 0);
        connect(&m_consoleSide, &QUdpSocket::readyRead, this, [this] {
            while (m_consoleSide.hasPendingDatagrams()) {
                const QNetworkDatagram datagram = m_consoleSide.receiveDatagram();
                m_consolePort = static_cast<quint16>(datagram.senderPort());
                pass(m_pendantSide, datagram.data(), m_pendantPort);
            }
        });
        connect(&m_pendantSide, &QUdpSocket::readyRead, this, [this] {
            while (m_pendantSide.hasPendingDatagrams()) {
                const QNetworkDatagram datagram = m_pendantSide.receiveDatagram();
                if (m_consolePort)
                    pass(m_consoleSide, datagram.data(), m_consolePort);
            }
        });
    }
    quint16 consoleSidePort() const { return m_consoleSide.localPort(); }
    quint16 pendantSidePort() const { return m_pendantSide.localPort(); }
    int dropped = 0, repeated = 0, delayed = 0;

private:
    void pass(QUdpSocket &out, const QByteArray &bytes, quint16 port)
    {
        const int roll = static_cast<int>(m_random.bounded(100));
        if (roll < 15) {
            ++dropped;
            return;
        }
        const int copies = roll < 30 ? 2 : 1;
        repeated += copies - 1;
        for (int copy = 0; copy < copies; ++copy) {
            const int delay = m_random.bounded(100) < 40 ? static_cast<int>(m_random.bounded(250)) : 0;
            if (delay == 0) {
                out.writeDatagram(bytes, QHostAddress::LocalHost, port);
                continue;
            }
            ++delayed;
            QTimer::singleShot(delay, this, [&out, bytes, port] { out.writeDatagram(bytes, QHostAddress::LocalHost, port); });
        }
    }

    quint16 m_pendantPort;
    quint16 m_consolePort = 0;
    QRandomGenerator m_random;
    QUdpSocket m_consoleSide;
    QUdpSocket m_pendantSide;
};
} // namespace

class TestUdpLink : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void strangersAndGarbageAreDroppedAndChangeNothing();
    void portInUseFailsOpen();
    void unopenableLinkNamesWhatFailed_data();
    void unopenableLinkNamesWhatFailed();
    void faultyNetworkNeitherHangsNorDoublesLines();

private:
    QStringList log() const { return listLines(m_window.get(), QStringLiteral("lstLog")); }
    std::unique_ptr<cao::ScopedProviderRegistration> m_registration;
    std::unique_ptr<frmMain> m_window;
};

void TestUdpLink::init()
{
    m_registration = std::make_unique<cao::ScopedProviderRegistration>(
        QString::fromLatin1(tavlox::ProgrammaticId), std::make_shared<tavlox::TavloxProvider>(&tavlox::makeWireLink));
    m_window = std::make_unique<frmMain>();
    m_window->show();
    child<QComboBox>(m_window.get(), QStringLiteral("cmbKeyboardMode"))->setCurrentIndex(0);
    typeInto(m_window.get(), QStringLiteral("txtInitWait"), QStringLiteral("60000"));
}

void TestUdpLink::cleanup()
{
    m_window.reset();
    m_registration.reset();
}

// The pendant here is a bare socket, so that the test can send anything from the pendant's own address too.
void TestUdpLink::strangersAndGarbageAreDroppedAndChangeNothing()
{
    QUdpSocket pendantSocket;
    QVERIFY(pendantSocket.bind(QHostAddress::LocalHost, 0));
    const quint16 consolePort = freeUdpPort();
    pointConsoleAt(m_window.get(), pendantSocket.localPort(), consolePort);
    click(m_window.get(), QStringLiteral("cmdEng(0)"));
    QVERIFY(m_window->controller());

    const QByteArray keyDown = protocol::encode(protocol::SequencedInput{1, {protocol::InputKind::KeyDown, 9, 0, 0, {}}});
    QUdpSocket stranger;
    QVERIFY(stranger.bind(QHostAddress::LocalHost, 0));
    stranger.writeDatagram(keyDown, QHostAddress::LocalHost, consolePort);
    // From the pendant's address and port, but not a message.
    for (const QByteArray &garbage : {QByteArray(), QByteArray("ZX\x02", 3), QByteArray(300, '\x7e'), keyDown.chopped(2)})
        pendantSocket.writeDatagram(garbage, QHostAddress::LocalHost, consolePort);
    // And then a real one, which must still get through. Loopback queues datagrams in the order they were sent, so
    // everything above is read before it.
    pendantSocket.writeDatagram(protocol::encode(protocol::SequencedInput{2, {protocol::InputKind::KeyDown, 10, 0, 0, {}}}),
                                QHostAddress::LocalHost, consolePort);
    QTRY_COMPARE(log(), (QStringList{QStringLiteral("KeyDown : 10"), QStringLiteral("KeyPress : 10")}));
}

void TestUdpLink::portInUseFailsOpen()
{
    QUdpSocket squatter;
    QVERIFY(squatter.bind(QHostAddress::LocalHost, 0));
    pointConsoleAt(m_window.get(), freeUdpPort(), squatter.localPort());
    click(m_window.get(), QStringLiteral("cmdEng(0)"));
    QCOMPARE(log(), QStringList{QStringLiteral("Failed : Open")});
    QVERIFY(!m_window->controller());
    QVERIFY(child<QAbstractButton>(m_window.get(), QStringLiteral("cmdEng(0)"))->isEnabled());
}

void TestUdpLink::unopenableLinkNamesWhatFailed_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("named");
    static QUdpSocket squatter; // holds its port for the whole test
    if (squatter.state() != QAbstractSocket::BoundState)
        squatter.bind(QHostAddress::LocalHost, 0);
    const QString taken = QStringLiteral("127.0.0.1:%1").arg(squatter.localPort());
    QTest::newRow("port in use") << QStringLiteral("UDP=127.0.0.1:9:%1").arg(taken) << taken;
    // A documentation address (TEST-NET-1) that no interface here has; binding it sends nothing.
    QTest::newRow("address not here") << QStringLiteral("UDP=127.0.0.1:9:192.0.2.1:5007") << "192.0.2.1:5007";
    QTest::newRow("no such device") << QStringLiteral("Port=/dev/zandorex-no-such-tty") << "/dev/zandorex-no-such-tty";
    QTest::newRow("not a serial line") << QStringLiteral("Port=/dev/null") << "/dev/null";
}

void TestUdpLink::unopenableLinkNamesWhatFailed()
{
    QFETCH(QString, link);
    QFETCH(QString, named);
    cao::Engine engine;
    const auto failure = failureOf([&] {
        (void)engine.Workspaces().Item(0)->AddController(QStringLiteral("Tavlox"), QString::fromLatin1(tavlox::ProgrammaticId),
                                                         QString(), link);
    });
    QVERIFY2(failure, "the link opened");
    QVERIFY2(failure->description().contains(named), qPrintable(failure->description()));
}

void TestUdpLink::faultyNetworkNeitherHangsNorDoublesLines()
{
    // The pendant answers the relay; the console talks only to the relay.
    const quint16 consolePort = freeUdpPort();
    auto pendantPort = freeUdpPort();
    FaultyRelay relay(pendantPort, 20261208);
    wire::UdpChannel pendantChannel(QHostAddress::LocalHost, pendantPort, QHostAddress::LocalHost,
                                      relay.pendantSidePort());
    QCOMPARE(pendantChannel.open(), QString());
    ScriptedPendant pendant;
    wire::EndpointBridge bridge(pendantChannel, pendant);
    pointConsoleAt(m_window.get(), relay.consoleSidePort(), consolePort);
    typeInto(m_window.get(), QStringLiteral("txtExecTimeout"), QStringLiteral("200"));
    click(m_window.get(), QStringLiteral("cmdEng(0)"));
    QVERIFY(m_window->controller());

    constexpr int presses = 40;
    qint64 longest = 0;
    for (int press = 0; press < presses; ++press) {
        QElapsedTimer clock;
        clock.start();
        click(m_window.get(), QStringLiteral("cmdTp(1)"));
        longest = std::max(longest, clock.elapsed());
        pendant.device.pressKey(press);
    }
    // Each press gives exactly one line: its echo or its failure.
    auto pressLines = [this] {
        return log().count(QStringLiteral("LED : 1, 1")) + log().count(QStringLiteral("Failed : LED On"));
    };
    QTRY_COMPARE(pressLines(), presses);
    QTest::qWait(400); // everything the relay still holds back arrives, and must add nothing
    QCOMPARE(pressLines(), presses);
    QVERIFY2(longest < 200 + 300, qPrintable(QString::number(longest)));
    for (int key = 0; key < presses; ++key)
        QVERIFY2(log().count(QStringLiteral("KeyDown : %1").arg(key)) <= 1, qPrintable(QString::number(key)));
    QVERIFY(log().count(QStringLiteral("Failed : LED On")) > 0);
    QVERIFY(log().count(QStringLiteral("LED : 1, 1")) > 0);
    QVERIFY(relay.dropped > 0 && relay.repeated > 0 && relay.delayed > 0);
}

QTEST_MAIN(TestUdpLink)
#include "tst_udp_link.moc"
