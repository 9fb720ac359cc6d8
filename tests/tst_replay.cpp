// A capture replayed: the conversation read from it, bad captures refused, and a recorded pair run replayed
// from each side across processes, as the replay and as the script it writes.
#include "linkrig.h"
#include "pendantprocess.h"
#include "ptypair.h"

#include "protocol/framing.h"
#include "protocol/wireformat.h"
#include "replay/recording.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace testing;

namespace {
constexpr wire::UdpEndpoint Console{0x7F000001, 5007};
constexpr wire::UdpEndpoint Pendant{0x7F000001, 5006};
constexpr wire::UdpEndpoint Stranger{0x7F000001, 6000};

protocol::Message request(quint32 id, protocol::RequestKind kind, QList<int> numbers = {})
{
    return protocol::Request{id, kind, std::move(numbers), {}};
}

protocol::Message reply(quint32 id, bool ok = true, QString error = {})
{
    return protocol::Reply{id, ok, std::move(error), {}};
}

protocol::Message input(quint32 sequence, protocol::InputKind kind, int key = 0)
{
    return protocol::SequencedInput{sequence, protocol::Input{kind, key, 0, 0, {}}};
}

capture::CapturedPacket datagram(wire::UdpEndpoint from, wire::UdpEndpoint to, const QByteArray &bytes)
{
    static qint64 time = 1'000'000;
    time += 1000;
    return {time, from, to, false, bytes, bytes.size()};
}

capture::CapturedPacket udp(wire::UdpEndpoint from, wire::UdpEndpoint to, const protocol::Message &message)
{
    return datagram(from, to, protocol::encode(message));
}

// On a serial line captured at the pendant: what it received has direction byte 0.
capture::CapturedPacket serial(bool fromConsole, const QByteArray &frame)
{
    capture::CapturedPacket packet = datagram({}, {}, frame);
    packet.sentByCapturer = !fromConsole;
    return packet;
}

// A pcap file as libpcap writes it: the 24-byte header, then each record's 16-byte header and bytes.
QByteArray pcapFile(quint32 linkType, const QList<QByteArray> &packets)
{
    QByteArray file(24, '\0');
    qToLittleEndian<quint32>(0xA1B2C3D4, file.data());
    qToLittleEndian<quint16>(2, file.data() + 4);
    qToLittleEndian<quint16>(4, file.data() + 6);
    qToLittleEndian<quint32>(262144, file.data() + 16);
    qToLittleEndian<quint32>(linkType, file.data() + 20);
    for (const QByteArray &packet : packets) {
        QByteArray record(16, '\0');
        qToLittleEndian<quint32>(1, record.data());
        qToLittleEndian<quint32>(quint32(packet.size()), record.data() + 8);
        qToLittleEndian<quint32>(quint32(packet.size()), record.data() + 12);
        file += record + packet;
    }
    return file;
}

// A serial packet of a USER0 capture: direction byte, then the frame.
QByteArray serialPacket(bool sent, const protocol::Message &message)
{
    return QByteArray(1, sent ? '\1' : '\0') + protocol::frame(protocol::encode(message));
}

QStringList lines(const QByteArray &output, const QString &pattern)
{
    const QRegularExpression wanted(pattern);
    QStringList kept;
    for (const QString &line : QString::fromUtf8(output).split(QLatin1Char('\n')))
        if (wanted.match(line).hasMatch())
            kept << line;
    return kept;
}

// The difference lines and the summary: what a replay and its written script must both report.
QStringList report(const QByteArray &output)
{
    return lines(output, QStringLiteral("^(request|input) \\d+|^replay of "));
}
} // namespace

class TestReplay : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void conversationFromTraffic_data();
    void conversationFromTraffic();
    void badCapturesAreRefused_data();
    void badCapturesAreRefused();
    void pairRunReplaysFromEitherSide_data();
    void pairRunReplaysFromEitherSide();
    void cleanup();

private:
    // Runs the pendant and the console together until both end; their outputs.
    void runPair(const QStringList &pendantArguments, const QStringList &consoleArguments, const QStringList &environment,
                 int pendantStatus, int consoleStatus, QByteArray *pendantOutput = nullptr, QByteArray *consoleOutput = nullptr);

    QTemporaryDir m_folder;
    QProcess m_pendant;
    QProcess m_console;
};

void TestReplay::cleanup()
{
    for (QProcess *process : {&m_console, &m_pendant}) {
        process->kill();
        process->waitForFinished(5000);
    }
}

void TestReplay::conversationFromTraffic_data()
{
    using protocol::RequestKind;
    using protocol::InputKind;
    QTest::addColumn<int>("link");
    QTest::addColumn<QList<capture::CapturedPacket>>("packets");
    QTest::addColumn<QString>("peer");
    QTest::addColumn<QString>("requests"); // each: kind, then "=ok", "=refused" or "=none"
    QTest::addColumn<int>("inputs");
    QTest::addColumn<QStringList>("notes"); // a part of each note, in order

    const int udpLink = int(capture::LinkKind::Udp), serialLink = int(capture::LinkKind::Serial);
    QTest::newRow("answered, refused, unanswered; input; heartbeat left out")
        << udpLink
        << QList{udp(Pendant, Console, input(1, InputKind::Alive)), udp(Console, Pendant, request(7, RequestKind::Beep, {5})),
                 udp(Pendant, Console, reply(7)), udp(Console, Pendant, request(8, RequestKind::Led, {1, 1})),
                 udp(Pendant, Console, input(2, InputKind::KeyDown, 3)), udp(Pendant, Console, reply(8, false, QStringLiteral("no"))),
                 udp(Console, Pendant, request(9, RequestKind::GetKeyState))}
        << QString() << "Beep=ok LED=refused GetKeyState=none" << 1 << QStringList{};
    QTest::newRow("repeats of a request, its reply and an input are skipped")
        << udpLink
        << QList{udp(Console, Pendant, request(7, RequestKind::Beep, {5})), udp(Console, Pendant, request(7, RequestKind::Beep, {5})),
                 udp(Pendant, Console, reply(7)), udp(Pendant, Console, reply(7)),
                 udp(Pendant, Console, input(4, InputKind::KeyUp, 3)), udp(Pendant, Console, input(4, InputKind::KeyUp, 3))}
        << QString() << "Beep=ok" << 1
        << QStringList{"request 7 Beep 5 - a repeat", "reply 7 ok - no request of that id", "input 4 KeyUp key 3 - a repeat"};
    QTest::newRow("a malformed datagram and a request the wrong way are skipped")
        << udpLink
        << QList{udp(Console, Pendant, request(7, RequestKind::Beep, {5})), datagram(Console, Pendant, QByteArray::fromHex("5a5801010000000700090000")),
                 udp(Pendant, Console, request(9, RequestKind::Beep, {5})), udp(Pendant, Console, reply(7))}
        << QString() << "Beep=ok" << 0
        << QStringList{"datagram of 12 bytes from the console - length field", "request 9 Beep 5 - a request from the pendant"};
    QTest::newRow("a stranger's request first: its connection, unless the peer is named")
        << udpLink
        << QList{udp(Stranger, Pendant, request(1, RequestKind::Backlight, {0})), udp(Console, Pendant, request(7, RequestKind::Beep, {5})),
                 udp(Pendant, Console, reply(7))}
        << QString() << "Backlight=none" << 0
        << QStringList{"skipped 2 datagrams of another connection, 127.0.0.1:5007 <-> 127.0.0.1:5006"};
    QTest::newRow("--replay-peer picks the other connection")
        << udpLink
        << QList{udp(Stranger, Pendant, request(1, RequestKind::Backlight, {0})), udp(Console, Pendant, request(7, RequestKind::Beep, {5})),
                 udp(Pendant, Console, reply(7))}
        << "127.0.0.1:5007" << "Beep=ok" << 0
        << QStringList{"skipped 1 datagram of another connection, 127.0.0.1:6000 <-> 127.0.0.1:5006"};
    QList<capture::CapturedPacket> noisy{udp(Console, Pendant, request(7, RequestKind::Beep, {5}))};
    QStringList named;
    for (int k = 0; k < 22; ++k) {
        noisy << datagram(Console, Pendant, QByteArray(3, 'x'));
        if (k < 20)
            named << QStringLiteral("shorter than its header");
    }
    QTest::newRow("past 20 skips, the rest are counted")
        << udpLink << noisy << QString() << "Beep=none" << 0 << named + QStringList{"… and 2 more messages skipped"};
    QTest::newRow("serial: direction bytes, a frame with a bad CRC skipped")
        << serialLink
        << QList{serial(false, protocol::frame(protocol::encode(input(1, InputKind::KeyDown, 2)))),
                 serial(true, protocol::frame(protocol::encode(request(7, RequestKind::Beep, {5})))),
                 serial(false, QByteArray::fromHex("7e0102037e")), serial(false, protocol::frame(protocol::encode(reply(7))))}
        << QString() << "Beep=ok" << 1 << QStringList{"frame from the pendant - bad frame CRC"};
}

void TestReplay::conversationFromTraffic()
{
    QFETCH(int, link);
    QFETCH(QList<capture::CapturedPacket>, packets);
    QFETCH(QString, peer);
    QFETCH(QString, requests);
    QFETCH(int, inputs);
    QFETCH(QStringList, notes);
    const auto read = replay::readRecording({capture::LinkKind(link), packets},
                                            peer.isEmpty() ? std::nullopt : wire::parseUdpEndpoint(peer));
    if (const QString *why = std::get_if<QString>(&read))
        QFAIL(qPrintable(*why));
    const replay::Recording &recording = std::get<replay::Recording>(read);
    QStringList got;
    for (const replay::RecordedRequest &recorded : recording.requests)
        got << QStringLiteral("%1=%2").arg(QLatin1String(protocol::nameOf(recorded.request.kind)),
                                           !recorded.reply ? QStringLiteral("none") : recorded.reply->ok ? QStringLiteral("ok") : QStringLiteral("refused"));
    QCOMPARE(got.join(QLatin1Char(' ')), requests);
    QCOMPARE(recording.inputs.size(), inputs);
    QCOMPARE(recording.notes.size(), notes.size());
    for (qsizetype k = 0; k < notes.size(); ++k)
        QVERIFY2(recording.notes[k].contains(notes[k]), qPrintable(recording.notes[k]));
}

void TestReplay::badCapturesAreRefused_data()
{
    QTest::addColumn<QByteArray>("content"); // "-": no file at all
    QTest::addColumn<QString>("why");
    const QByteArray good = pcapFile(147, {serialPacket(false, request(7, protocol::RequestKind::Beep, {5}))});
    QTest::newRow("missing") << QByteArray("-") << "no such file";
    QTest::newRow("empty") << QByteArray() << "the file is empty";
    QTest::newRow("text") << QByteArray("LED : 1, 1\n") << "not a pcap capture";
    QTest::newRow("Ethernet") << pcapFile(1, {QByteArray(60, '\0')}) << "not a capture of the Tavlox link: its link type is 1";
    QTest::newRow("header only") << pcapFile(147, {}) << "the capture holds no packets";
    QTest::newRow("cut inside a packet") << good.left(good.size() - 3) << "packet 1 cannot be read";
    QTest::newRow("not IPv4 UDP") << pcapFile(101, {QByteArray(40, '\x60')}) << "packet 1 is not an IPv4 UDP datagram";
    QTest::newRow("bad direction byte") << pcapFile(147, {QByteArray("\x02\x7e\x7e", 3)}) << "packet 1 is not a serial frame";
    QTest::newRow("no request") << pcapFile(147, {serialPacket(true, input(1, protocol::InputKind::KeyDown, 1))})
                                << "it holds no request from a console";
}

void TestReplay::badCapturesAreRefused()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, why);
    const QString path = m_folder.filePath(QStringLiteral("bad.pcap"));
    QFile::remove(path);
    if (content != "-") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    for (const QString &program : {QStringLiteral(ZANDOREX), QStringLiteral(ZANDOREX_PENDANT_PROGRAM)}) {
        QProcess process;
        process.start(program, {QStringLiteral("--replay"), path, QStringLiteral("--write-script"), m_folder.filePath(QStringLiteral("x.js"))});
        QVERIFY(process.waitForFinished(20000));
        const QString error = QString::fromUtf8(process.readAllStandardError());
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 2);
        QVERIFY2(error.contains(QStringLiteral("cannot replay %1: %2").arg(path, why)), qPrintable(error));
    }
}

void TestReplay::runPair(const QStringList &pendantArguments, const QStringList &consoleArguments, const QStringList &environment,
                         int pendantStatus, int consoleStatus, QByteArray *pendantOutput, QByteArray *consoleOutput)
{
    const QString ready = startPendant(m_pendant, pendantArguments);
    QVERIFY2(!ready.isEmpty(), qPrintable(pendantArguments.join(QLatin1Char(' '))));
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const QString &setting : environment)
        variables.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
    m_console.setProcessEnvironment(variables);
    m_console.start(QStringLiteral(ZANDOREX), QStringList{QStringLiteral("--headless")} + consoleArguments);
    QVERIFY(m_console.waitForFinished(60000));
    QVERIFY(m_pendant.waitForFinished(60000));
    const QByteArray console = m_console.readAllStandardOutput(), pendant = m_pendant.readAllStandardOutput();
    QVERIFY2(m_console.exitCode() == consoleStatus, console + m_console.readAllStandardError());
    QVERIFY2(m_pendant.exitCode() == pendantStatus, pendant + m_pendant.readAllStandardError());
    if (pendantOutput)
        *pendantOutput = pendant;
    if (consoleOutput)
        *consoleOutput = console;
}

void TestReplay::pairRunReplaysFromEitherSide_data()
{
    QTest::addColumn<bool>("serialLine");
    QTest::addColumn<QString>("pair");
    QTest::addColumn<QString>("changed");     // a scenario that answers one kind of request otherwise
    QTest::addColumn<QStringList>("differences");
    QTest::newRow("UDP, input") << false << "input"
                                << "pendant.on('GetKeyState', function () { return {numbers: [1, 0, 0, 0, 0, 0, 0, 0]}; });\n"
                                   "pendant.expectRequest('GetKeyState', 30000);\n"
                                   "pendant.press('F1', 50); pendant.press('J1 +', 50); pendant.touch(10, 20, 50);\n"
                                   "pendant.drag([[100, 100], [150, 120], [200, 140]], 90); pendant.lcdText('changed');"
                                << QStringList{"request 1 GetKeyState: expected done 0 0 0 0 0 0 0 0, got done 1 0 0 0 0 0 0 0",
                                               "input 9: expected LcdText \"scenario done\", got LcdText \"changed\""};
    QTest::newRow("serial, outputs") << true << "outputs"
                                     << "pendant.on('LED', function () { return {refuse: 'broken'}; }); sleep(3000);"
                                     << QStringList{"request 2 LED 2 1: expected done, got refused: broken",
                                                    "request 3 LED 5 2: expected done, got refused: broken"};
}

void TestReplay::pairRunReplaysFromEitherSide()
{
    QFETCH(bool, serialLine);
    QFETCH(QString, pair);
    QFETCH(QString, changed);
    QFETCH(QStringList, differences);
    std::unique_ptr<PtyPair> line;
    QStringList pendantLink, consoleLink, environment;
    if (serialLine) {
        line = std::make_unique<PtyPair>();
        QVERIFY2(line->problem().isEmpty(), qPrintable(line->problem()));
        pendantLink = {QStringLiteral("--serial"), line->pendantEnd()};
        consoleLink = {QStringLiteral("--replay-to"), line->consoleEnd()};
        environment = {QStringLiteral("SERIAL_PORT=") + line->consoleEnd()};
    } else {
        const quint16 consolePort = freeUdpPort(), pendantPort = freeUdpPort();
        pendantLink = {QStringLiteral("--udp"), QStringLiteral("127.0.0.1:%1").arg(pendantPort), QStringLiteral("--peer"),
                       QStringLiteral("127.0.0.1:%1").arg(consolePort)};
        environment = {QStringLiteral("PENDANT_PORT=%1").arg(pendantPort), QStringLiteral("CONSOLE_PORT=%1").arg(consolePort)};
    }
    const auto file = [this](const QString &name) { return m_folder.filePath(name); };
    const QString pendantScenario = QStringLiteral(EXAMPLES "/pair-%1-pendant.js").arg(pair);
    const QString consoleScript = QStringLiteral(EXAMPLES "/pair-%1-console.js").arg(pair);
    QFile changedScenario(file(QStringLiteral("changed.js")));
    QVERIFY(changedScenario.open(QIODevice::WriteOnly));
    changedScenario.write("test('changed', function () {\n" + changed.toUtf8() + "\n});\n");
    changedScenario.close();
    const auto script = [](const QString &path) { return QStringList{QStringLiteral("--script"), path}; };
    const QStringList pendantReplay = {QStringLiteral("--replay"), file(QStringLiteral("pendant.pcap"))};
    const QStringList consoleReplay = QStringList{QStringLiteral("--replay"), file(QStringLiteral("console.pcap"))} + consoleLink;

    // The recorded run, captured at both ends.
    runPair(pendantLink + script(pendantScenario) + QStringList{QStringLiteral("--capture"), file(QStringLiteral("pendant.pcap"))},
            script(consoleScript) + QStringList{QStringLiteral("--capture"), file(QStringLiteral("console.pcap")),
                                                 QStringLiteral("--record"), file(QStringLiteral("recorded.log"))},
            environment, 0, 0);

    // The pendant's side against the same console script: the same log, line for line.
    QByteArray pendantReport;
    runPair(pendantLink + pendantReplay, script(consoleScript) + QStringList{QStringLiteral("--record"), file(QStringLiteral("replayed.log"))},
            environment, 0, 0, &pendantReport);
    QFile recorded(file(QStringLiteral("recorded.log"))), replayed(file(QStringLiteral("replayed.log")));
    QVERIFY(recorded.open(QIODevice::ReadOnly) && replayed.open(QIODevice::ReadOnly));
    const QByteArray recordedLog = recorded.readAll();
    QVERIFY(recordedLog.count('\n') >= 5);
    QCOMPARE(replayed.readAll(), recordedLog);

    // The console's side against the live pendant, playing its scenario again; then against one that answers
    // otherwise: exactly those requests are named.
    QByteArray consoleReport, changedReport;
    runPair(pendantLink + script(pendantScenario), consoleReplay, environment, 0, 0, nullptr, &consoleReport);
    runPair(pendantLink + script(changedScenario.fileName()), consoleReplay, environment, 0, 1, nullptr, &changedReport);
    QCOMPARE(lines(changedReport, QStringLiteral("^(request|input) \\d+")), differences);

    // The written scripts report the same.
    const QString pendantWritten = file(QStringLiteral("pendant-side.js")), consoleWritten = file(QStringLiteral("console-side.js"));
    for (const auto &[program, arguments] : {std::pair{QStringLiteral(ZANDOREX_PENDANT_PROGRAM), pendantReplay + QStringList{QStringLiteral("--write-script"), pendantWritten}},
                                             std::pair{QStringLiteral(ZANDOREX), consoleReplay + QStringList{QStringLiteral("--write-script"), consoleWritten}}}) {
        QProcess writer;
        writer.start(program, arguments);
        QVERIFY(writer.waitForFinished(20000));
        QVERIFY2(writer.exitCode() == 0, writer.readAllStandardError());
    }
    QByteArray written;
    runPair(pendantLink + script(pendantWritten), script(consoleScript), environment, 0, 0, &written);
    QCOMPARE(report(written), report(pendantReport));
    runPair(pendantLink + script(pendantScenario), script(consoleWritten), environment, 0, 0, nullptr, &written);
    QCOMPARE(report(written), report(consoleReport));
    runPair(pendantLink + script(changedScenario.fileName()), script(consoleWritten), environment, 0, 1,
            nullptr, &written);
    QCOMPARE(report(written), report(changedReport));
}

QTEST_GUILESS_MAIN(TestReplay)
#include "tst_replay.moc"
