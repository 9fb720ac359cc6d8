// The Wireshark dissector (packaging/wireshark/zandorex.lua) read by the real tshark: a session captured by both
// programs across UDP and a serial line shows every request, reply and input by name, linked; and for every
// message of the decoder's corpus and of the conformance table, on either link, its verdict (the message, the rule
// it breaks, or why a receiver drops it) is our decoder's. A Lua error anywhere fails the test: tshark prints it
// and still ends with status 0.
#include "capture/trafficcapture.h"
#include "conformancetable.h"
#include "filesizelimit.h"
#include "linkrig.h"
#include "pendantprocess.h"
#include "protocol/fieldrules.h"
#include "protocol/framing.h"
#include "ptypair.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkDatagram>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUdpSocket>

using namespace tavlox;
using namespace protocol;
using namespace testing;

namespace {
constexpr quint32 Loopback = 0x7F000001;
constexpr quint16 PendantPort = 5006; // the dissector's own ports: every datagram there is decoded

struct Decode
{
    QJsonArray packets; // one object of fields per packet, in frame order
    QString luaErrors;
};

QStringList values(const QJsonObject &packet, const QString &field)
{
    QStringList result;
    for (const QJsonValue &value : packet.value(field).toArray())
        result << value.toString();
    return result;
}

QString value(const QJsonObject &packet, const QString &field)
{
    return values(packet, field).value(0);
}

// tshark -2 (so that a request knows its reply) with the dissector, the fields asked for, as JSON.
Decode readWithDissector(const QString &capture, const QStringList &fields)
{
    QStringList arguments{QStringLiteral("-X"), QStringLiteral("lua_script:" DISSECTOR), QStringLiteral("-2"),
                          QStringLiteral("-r"), capture, QStringLiteral("-T"), QStringLiteral("json")};
    for (const QString &field : fields + QStringList{QStringLiteral("frame.protocols"), QStringLiteral("_ws.expert.message")})
        arguments << QStringLiteral("-e") << field;
    QProcess tshark;
    tshark.start(QStandardPaths::findExecutable(QStringLiteral("tshark")), arguments);
    Decode decode;
    if (!tshark.waitForFinished(120000) || tshark.exitCode() != 0) {
        decode.luaErrors = QStringLiteral("tshark failed: ") + QString::fromUtf8(tshark.readAllStandardError());
        return decode;
    }
    for (const QString &line : QString::fromUtf8(tshark.readAllStandardError()).split(QLatin1Char('\n')))
        if (line.contains(QLatin1String("Lua"), Qt::CaseInsensitive) || line.contains(QLatin1String("traceback")) ||
            line.contains(QLatin1String("rror")))
            decode.luaErrors += line + QLatin1Char('\n');
    // An error while dissecting shows in the packet, not on standard error.
    for (const QJsonValue &packet : QJsonDocument::fromJson(tshark.readAllStandardOutput()).array()) {
        const QJsonObject fieldsShown = packet.toObject().value(QStringLiteral("_source")).toObject().value(QStringLiteral("layers")).toObject();
        for (const QString &message : values(fieldsShown, QStringLiteral("_ws.expert.message")))
            if (message.startsWith(QLatin1String("Lua Error")))
                decode.luaErrors += QStringLiteral("frame %1: %2\n").arg(decode.packets.size() + 1).arg(message);
        decode.packets << fieldsShown;
    }
    return decode;
}

// What our receivers make of a message: its description, or why it is dropped; and the field rule it breaks.
struct Verdict
{
    QString summary;
    QString rule;
};

Verdict verdictOf(const protocol::Decoded &decoded)
{
    if (!decoded.message)
        return {QStringLiteral("dropped: ") + protocol::describe(decoded.reason), {}};
    std::optional<QString> rule;
    if (const auto *request = std::get_if<Request>(&*decoded.message))
        rule = requestProblem(*request);
    else if (const auto *input = std::get_if<protocol::SequencedInput>(&*decoded.message))
        rule = inputProblem(input->input);
    return {protocol::describe(*decoded.message), rule.value_or(QString())};
}

// Each raw frame on its own, read as a receiver reads a line: the bytes before the first flag, or one frame.
Verdict verdictOfFrame(const QByteArray &raw)
{
    if (!raw.startsWith(protocol::FrameFlag))
        return {QStringLiteral("dropped: ") + protocol::describe(protocol::DropReason::BeforeFirstFlag), {}};
    protocol::FrameReader reader;
    const protocol::FrameReader::Result result = reader.feed(raw);
    if (!result.drops.isEmpty())
        return {QStringLiteral("dropped: ") + protocol::describe(result.drops.first()), {}};
    if (result.messages.size() != 1)
        return {QStringLiteral("(%1 messages)").arg(result.messages.size()), {}};
    protocol::Decoded decoded;
    decoded.message = result.messages.first();
    return verdictOf(decoded);
}

QList<QByteArray> corpus()
{
    QList<QByteArray> files;
    const QDir folder(QStringLiteral(CORPUS));
    for (const QString &name : folder.entryList(QDir::Files, QDir::Name)) {
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            files << file.readAll();
    }
    return files;
}

// The table's messages and the serial lines' noise, beside the corpus.
void tableInputs(QList<QByteArray> &datagrams, QList<QByteArray> &lines)
{
    QString problem;
    for (const ConformanceRow &row : readConformanceTable(QStringLiteral(CONFORMANCE_TABLE), &problem))
        for (const QByteArray &message : row.messages)
            (row.line ? lines : datagrams) << withIdBase(message, 1000);
    const QByteArray good = protocol::frame(protocol::encode(Reply{7, true, {}, {}}));
    QByteArray badCrc = good;
    badCrc[5] = char(badCrc[5] ^ 0x01);
    lines << QByteArray("\x01\x02garbage") + good << badCrc + good << QByteArray("\x7e\x7d\x41zz\x7e") + good
          << QByteArray("\x7e\x41\x7d\x7e", 4) + good << good.first(8) + good << QByteArray("\x7e\x55\x7e") + good
          << QByteArray("\x7e") + QByteArray(3 * protocol::MaxMessageBytes, 'a') + good << protocol::frame("hello") + good;
}

struct Mismatches
{
    QStringList lines;
    void compare(int frame, const QString &what, const Verdict &expected, const QJsonObject &packet)
    {
        const QString shown = value(packet, QStringLiteral("_ws.col.Info"));
        const QString rule = value(packet, QStringLiteral("zandorex.rule"));
        if (shown != expected.summary || rule != expected.rule)
            lines << QStringLiteral("frame %1 (%2): decoder \"%3\" [%4], dissector \"%5\" [%6]")
                         .arg(frame)
                         .arg(what, expected.summary, expected.rule, shown, rule);
    }
};

// A pendant scenario and a console script that between them send every request kind and every input kind.
const char *ConsoleScript = R"(
test("every request kind, then the input", function () {
    window.choose("Keyboard", "OnMessage Event");
    window.choose("Mouse", "OnMessage Event");
    if (env("SERIAL_PORT", "") !== "") {
        window.tab("COM");
        window.set("Port", env("SERIAL_PORT"));
    } else {
        window.tab("UDP");
        window.set("Dest IP", "127.0.0.1");
        window.set("Src IP", "127.0.0.1");
        window.set("Dest Port", env("PENDANT_PORT"));
        window.set("Src Port", env("CONSOLE_PORT"));
    }
    window.press("Open");
    controller.execute("Beep", i4(250));
    controller.execute("LED", ["3", i2(2)]);
    controller.execute("Backlight", true);
    controller.execute("SetKeyState", ["1", "0", "0", "0", "0", "0", "0", "32768"]);
    controller.execute("SetPanelState", [i2(1), "319", "239"]);
    controller.execute("DrawMiniTP", [[i4(32), ["1", "2", "~}\x7e\x7d 文字", "12", ""]]]);
    var from = log.count;
    controller.execute("GetKeyState"); // the pendant plays its input once asked
    log.expect("LCD : scenario done", 20000, from);
    sleep(1200); // a heartbeat or two
});
)";

const char *PendantScenario = R"(
test("play the input", function () {
    pendant.expectRequest("GetKeyState", 30000);
    pendant.press("F1", 20);
    pendant.drag([[10, 20], [15, 25], [30, 40]], 30);
    pendant.lcdText("scenario done");
    sleep(1500);
});
)";
} // namespace

class TestDissector : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void sessionCapturedAtBothEnds_data();
    void sessionCapturedAtBothEnds();
    void verdictsAreTheDecoders();
    void heuristicClaimsOnlyTavlox();
    void captureIsWholeAfterSigterm();
    void failedCaptureStopsOnAWholePacket();
    void theOtherLinkKindGoesToAFileBeside();

private:
    QTemporaryDir m_folder;
};

void TestDissector::initTestCase()
{
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("tshark")).isEmpty(),
             "tshark is not installed (scripts/setup.sh installs it)");
    QVERIFY(m_folder.isValid());
}

void TestDissector::sessionCapturedAtBothEnds_data()
{
    QTest::addColumn<bool>("serial");
    QTest::newRow("UDP") << false;
    QTest::newRow("serial line") << true;
}

void TestDissector::sessionCapturedAtBothEnds()
{
    QFETCH(bool, serial);
    const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-'));
    const QString consoleCapture = m_folder.filePath(tag + QStringLiteral("-console.pcap"));
    const QString pendantCapture = m_folder.filePath(tag + QStringLiteral("-pendant.pcap"));
    const QString consoleScript = m_folder.filePath(QStringLiteral("console.js"));
    const QString scenario = m_folder.filePath(QStringLiteral("pendant.js"));
    for (const auto &[path, text] : {std::pair{consoleScript, ConsoleScript}, std::pair{scenario, PendantScenario}}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    PtyPair line;
    QProcess pendant, console;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QStringList pendantOptions{QStringLiteral("--capture"), pendantCapture, QStringLiteral("--script"), scenario};
    if (serial) {
        QVERIFY2(line.problem().isEmpty(), qPrintable(line.problem()));
        QVERIFY(!startPendant(pendant, QStringList{QStringLiteral("--serial"), line.pendantEnd()} + pendantOptions).isEmpty());
        environment.insert(QStringLiteral("SERIAL_PORT"), line.consoleEnd());
    } else {
        const quint16 consolePort = freeUdpPort();
        const quint16 pendantPort = startUdpPendant(pendant, 0, consolePort, pendantOptions);
        QVERIFY(pendantPort != 0);
        environment.insert(QStringLiteral("PENDANT_PORT"), QString::number(pendantPort));
        environment.insert(QStringLiteral("CONSOLE_PORT"), QString::number(consolePort));
    }
    console.setProcessEnvironment(environment);
    console.start(QStringLiteral(ZANDOREX), {QStringLiteral("--headless"), QStringLiteral("--script"), consoleScript,
                                             QStringLiteral("--capture"), consoleCapture});
    QVERIFY(console.waitForFinished(60000));
    QVERIFY2(console.exitCode() == 0, console.readAllStandardOutput() + console.readAllStandardError());
    QVERIFY(pendant.waitForFinished(60000));
    QVERIFY2(pendant.exitCode() == 0, pendant.readAllStandardOutput() + pendant.readAllStandardError());

    const QStringList fields{
        QStringLiteral("_ws.col.Info"), QStringLiteral("zandorex.type"), QStringLiteral("zandorex.request.kind"),
        QStringLiteral("zandorex.input.kind"), QStringLiteral("zandorex.request_in"), QStringLiteral("zandorex.response_in"),
        QStringLiteral("zandorex.response_time"), QStringLiteral("zandorex.drop_reason"), QStringLiteral("zandorex.rule"),
        QStringLiteral("zandorex.request.milliseconds"), QStringLiteral("zandorex.request.led"), QStringLiteral("zandorex.request.mode"),
        QStringLiteral("zandorex.request.y"), QStringLiteral("zandorex.reply.number"), QStringLiteral("zandorex.item.code"),
        QStringLiteral("zandorex.item.parameter"), QStringLiteral("zandorex.input.key"), QStringLiteral("zandorex.input.x"),
        QStringLiteral("zandorex.input.text"), QStringLiteral("zandorex.serial.direction")};
    QList<QStringList> requestsSeen;
    for (const QString &capture : {consoleCapture, pendantCapture}) {
        const bool byConsole = capture == consoleCapture;
        const Decode decode = readWithDissector(capture, fields);
        QVERIFY2(decode.luaErrors.isEmpty(), qPrintable(decode.luaErrors));
        QVERIFY2(decode.packets.size() >= 16, qPrintable(capture));
        QSet<QString> requestKinds, inputKinds;
        QStringList requests;
        QMap<QString, QString> replyOf, requestOf; // frame numbers
        for (int k = 0; k < decode.packets.size(); ++k) {
            const QJsonObject packet = decode.packets[k].toObject();
            const QString frame = QString::number(k + 1);
            const QString type = value(packet, QStringLiteral("zandorex.type"));
            QVERIFY2(value(packet, QStringLiteral("frame.protocols")).contains(QLatin1String("zandorex")), qPrintable(frame));
            QVERIFY2(value(packet, QStringLiteral("zandorex.drop_reason")).isEmpty() && value(packet, QStringLiteral("zandorex.rule")).isEmpty(),
                     qPrintable(frame + QLatin1Char(' ') + value(packet, QStringLiteral("_ws.col.Info"))));
            if (serial) {
                // The console sends requests and the pendant receives them; the other way round for the rest.
                const bool sentByConsole = type == QLatin1String("1");
                QCOMPARE(value(packet, QStringLiteral("zandorex.serial.direction")), QString::fromLatin1(sentByConsole == byConsole ? "1" : "0"));
            }
            if (type == QLatin1String("1")) {
                requestKinds << value(packet, QStringLiteral("zandorex.request.kind"));
                requests << value(packet, QStringLiteral("_ws.col.Info"));
                replyOf[frame] = value(packet, QStringLiteral("zandorex.response_in"));
            } else if (type == QLatin1String("2")) {
                requestOf[frame] = value(packet, QStringLiteral("zandorex.request_in"));
                QVERIFY(!value(packet, QStringLiteral("zandorex.response_time")).isEmpty());
            } else {
                QCOMPARE(type, QStringLiteral("3"));
                inputKinds << value(packet, QStringLiteral("zandorex.input.kind"));
            }
        }
        QCOMPARE(requestKinds, (QSet<QString>{"0", "1", "2", "3", "4", "5", "6"}));
        QCOMPARE(inputKinds, (QSet<QString>{"0", "1", "2", "3", "4", "5", "6"}));
        // Every request is linked to its reply and back.
        QCOMPARE(replyOf.size(), requestOf.size());
        for (auto it = replyOf.cbegin(); it != replyOf.cend(); ++it)
            QVERIFY2(requestOf.value(it.value()) == it.key(), qPrintable(QStringLiteral("request in frame ") + it.key()));
        requestsSeen << requests;

        // The fields hold the values sent.
        auto packetWhere = [&decode](const QString &info) {
            for (const QJsonValue &packet : decode.packets)
                if (QRegularExpression(QStringLiteral("^\\w+ \\d+ ") + QRegularExpression::escape(info) + QLatin1Char('$'))
                        .match(value(packet.toObject(), QStringLiteral("_ws.col.Info")))
                        .hasMatch())
                    return packet.toObject();
            return QJsonObject();
        };
        QCOMPARE(value(packetWhere(QStringLiteral("Beep 250")), QStringLiteral("zandorex.request.milliseconds")), QStringLiteral("250"));
        const QJsonObject led = packetWhere(QStringLiteral("LED 3 2"));
        QCOMPARE(value(led, QStringLiteral("zandorex.request.led")) + value(led, QStringLiteral("zandorex.request.mode")), QStringLiteral("32"));
        QCOMPARE(value(packetWhere(QStringLiteral("SetPanelState 1 319 239")), QStringLiteral("zandorex.request.y")), QStringLiteral("239"));
        const QJsonObject drawing = packetWhere(QStringLiteral("DrawMiniTP (1 items)"));
        QCOMPARE(value(drawing, QStringLiteral("zandorex.item.code")), QStringLiteral("32"));
        QCOMPARE(values(drawing, QStringLiteral("zandorex.item.parameter")),
                 (QStringList{"1", "2", QStringLiteral("~}\x7e\x7d 文字"), "12", ""}));
        QCOMPARE(values(packetWhere(QStringLiteral("ok 1 0 0 0 0 0 0 32768")), QStringLiteral("zandorex.reply.number")),
                 (QStringList{"1", "0", "0", "0", "0", "0", "0", "32768"}));
        QCOMPARE(value(packetWhere(QStringLiteral("KeyDown key 21")), QStringLiteral("zandorex.input.key")), QStringLiteral("21"));
        QCOMPARE(value(packetWhere(QStringLiteral("TouchDown 10,20")), QStringLiteral("zandorex.input.x")), QStringLiteral("10"));
        QCOMPARE(value(packetWhere(QStringLiteral("LcdText \"scenario done\"")), QStringLiteral("zandorex.input.text")),
                 QStringLiteral("scenario done"));
    }
    // Both ends saw the same requests.
    QCOMPARE(requestsSeen.value(1), requestsSeen.value(0));
}

void TestDissector::verdictsAreTheDecoders()
{
    QList<QByteArray> datagrams = corpus(), lines = corpus();
    QVERIFY(datagrams.size() > 100);
    tableInputs(datagrams, lines);

    // Each datagram from a port of its own, so that no two are taken for a request and its reply.
    const QString udpCapture = m_folder.filePath(QStringLiteral("datagrams.pcap"));
    QList<Verdict> udpExpected;
    {
        capture::TrafficCapture traffic;
        QCOMPARE(traffic.open(udpCapture, capture::LinkKind::Udp), QString());
        quint16 port = 10000;
        for (const QByteArray &datagram : std::as_const(datagrams)) {
            if (datagram.isEmpty())
                continue; // Wireshark hands an empty datagram to no dissector
            traffic.datagram(wire::TrafficDirection::Received, {Loopback, port++}, {Loopback, PendantPort}, datagram, datagram.size());
            udpExpected << verdictOf(protocol::decode(datagram));
        }
    }
    // The same bytes as serial lines: the frames a receiver finds in them, as it hands them to the capture.
    const QString serialCapture = m_folder.filePath(QStringLiteral("frames.pcap"));
    QList<Verdict> serialExpected;
    int frames = 0;
    {
        capture::TrafficCapture traffic;
        QCOMPARE(traffic.open(serialCapture, capture::LinkKind::Serial), QString());
        for (const QByteArray &stream : std::as_const(lines)) {
            protocol::FrameReader reader;
            reader.keepRawFrames(true);
            const protocol::FrameReader::Result result = reader.feed(stream);
            // A frame the stream leaves open has no end to capture yet (its fault may be known already).
            QVERIFY(result.rawFrames.size() <= result.messages.size() + result.drops.size());
            for (const protocol::FrameReader::RawFrame &raw : result.rawFrames) {
                traffic.serialFrame(wire::TrafficDirection::Received, raw.bytes, raw.size);
                serialExpected << verdictOfFrame(raw.bytes);
                ++frames;
            }
        }
    }
    QVERIFY(frames > 100);

    const QStringList fields{QStringLiteral("_ws.col.Info"), QStringLiteral("zandorex.rule")};
    for (const auto &[path, expected] : {std::pair{udpCapture, &udpExpected}, std::pair{serialCapture, &serialExpected}}) {
        const Decode decode = readWithDissector(path, fields);
        QVERIFY2(decode.luaErrors.isEmpty(), qPrintable(decode.luaErrors));
        QCOMPARE(decode.packets.size(), expected->size());
        Mismatches mismatches;
        for (int k = 0; k < expected->size(); ++k)
            mismatches.compare(k + 1, path == udpCapture ? QStringLiteral("datagram") : QStringLiteral("frame"), expected->at(k),
                               decode.packets[k].toObject());
        QVERIFY2(mismatches.lines.isEmpty(), qPrintable(QStringLiteral("%1 of %2 differ:\n").arg(mismatches.lines.size()).arg(expected->size()) +
                                                         mismatches.lines.mid(0, 10).join(QLatin1Char('\n'))));
    }
}

// Away from its ports, the dissector takes a datagram only when magic, version and length agree.
void TestDissector::heuristicClaimsOnlyTavlox()
{
    const QByteArray good = protocol::encode(protocol::SequencedInput{4, {InputKind::KeyDown, 21, 0, 0, {}}});
    QByteArray badMagic = good, badVersion = good;
    badMagic[1] = 'Y';
    badVersion[2] = 2;
    const QList<std::pair<QByteArray, bool>> datagrams{
        {good, true}, {badMagic, false}, {badVersion, false}, {good + 'x', false}, {good.first(9), false}};
    const QString path = m_folder.filePath(QStringLiteral("elsewhere.pcap"));
    {
        capture::TrafficCapture traffic;
        QCOMPARE(traffic.open(path, capture::LinkKind::Udp), QString());
        for (const auto &[bytes, claimed] : datagrams)
            traffic.datagram(wire::TrafficDirection::Sent, {Loopback, 40000}, {Loopback, 40001}, bytes, bytes.size());
    }
    const Decode decode = readWithDissector(path, {QStringLiteral("_ws.col.Info")});
    QVERIFY2(decode.luaErrors.isEmpty(), qPrintable(decode.luaErrors));
    QCOMPARE(decode.packets.size(), datagrams.size());
    for (int k = 0; k < datagrams.size(); ++k)
        QVERIFY2(value(decode.packets[k].toObject(), QStringLiteral("frame.protocols")).contains(QLatin1String("zandorex")) ==
                     datagrams[k].second,
                 qPrintable(QString::number(k)));
    QCOMPARE(value(decode.packets[0].toObject(), QStringLiteral("_ws.col.Info")), QStringLiteral("input 4 KeyDown key 21"));
}

// SIGTERM ends the pendant through its event loop: every packet is in the file. A file that cannot be written
// stops it at start.
void TestDissector::captureIsWholeAfterSigterm()
{
    const QString path = m_folder.filePath(QStringLiteral("terminated.pcap"));
    QUdpSocket console;
    QVERIFY(console.bind(QHostAddress::LocalHost, 0));
    QProcess pendant;
    const quint16 pendantPort = startUdpPendant(pendant, 0, console.localPort(), {QStringLiteral("--capture"), path});
    QVERIFY(pendantPort != 0);
    constexpr int Requests = 20;
    int replies = 0;
    for (quint32 id = 1; id <= Requests; ++id) {
        console.writeDatagram(protocol::encode(Request{id, RequestKind::GetKeyState, {}, {}}), QHostAddress::LocalHost, pendantPort);
        // The pendant's heartbeat may come in between.
        while (console.hasPendingDatagrams() || console.waitForReadyRead(5000)) {
            const protocol::Decoded decoded = protocol::decode(console.receiveDatagram().data());
            if (decoded.message && std::holds_alternative<Reply>(*decoded.message)) {
                ++replies;
                break;
            }
        }
    }
    QCOMPARE(replies, Requests);
    pendant.terminate(); // SIGTERM
    QVERIFY(pendant.waitForFinished(10000));
    QCOMPARE(pendant.exitStatus(), QProcess::NormalExit);
    QCOMPARE(pendant.exitCode(), 128 + 15);

    const Decode decode = readWithDissector(path, {QStringLiteral("zandorex.type"), QStringLiteral("zandorex.response_in")});
    QVERIFY2(decode.luaErrors.isEmpty(), qPrintable(decode.luaErrors));
    int linkedRequests = 0, repliesSeen = 0;
    for (const QJsonValue &packet : decode.packets) {
        const QString type = value(packet.toObject(), QStringLiteral("zandorex.type"));
        linkedRequests += type == QLatin1String("1") && !value(packet.toObject(), QStringLiteral("zandorex.response_in")).isEmpty();
        repliesSeen += type == QLatin1String("2");
    }
    QCOMPARE(linkedRequests, Requests);
    QCOMPARE(repliesSeen, Requests);

    QProcess refused;
    refused.start(QStringLiteral(ZANDOREX_PENDANT_PROGRAM), {QStringLiteral("--headless"), QStringLiteral("--udp"), QStringLiteral("127.0.0.1:0"),
                                                           QStringLiteral("--peer"), QStringLiteral("127.0.0.1:9"), QStringLiteral("--capture"),
                                                           m_folder.filePath(QStringLiteral("missing/folder.pcap"))});
    QVERIFY(refused.waitForFinished(10000));
    QCOMPARE(refused.exitCode(), 4);
    QVERIFY(refused.readAllStandardError().contains("missing/folder.pcap"));
}

// A file-size limit stops the capture once, with the file's name; what is in the file reads whole.
void TestDissector::failedCaptureStopsOnAWholePacket()
{
    const QString path = m_folder.filePath(QStringLiteral("limited.pcap"));
    capture::TrafficCapture traffic;
    QSignalSpy failed(&traffic, &capture::TrafficCapture::failed);
    constexpr int Sent = 5000; // about 250 KB
    {
        FileSizeLimit limit(64 * 1024);
        QCOMPARE(traffic.open(path, capture::LinkKind::Udp), QString());
        for (quint32 id = 1; id <= Sent; ++id) {
            const QByteArray message = protocol::encode(Request{id, RequestKind::Led, {3, 1}, {}});
            traffic.datagram(wire::TrafficDirection::Sent, {Loopback, 5007}, {Loopback, PendantPort}, message, message.size());
        }
        traffic.flush();
    }
    QCOMPARE(failed.size(), 1);
    QVERIFY2(failed.first().first().toString().contains(path), qPrintable(failed.first().first().toString()));
    const Decode decode = readWithDissector(path, {QStringLiteral("zandorex.id")});
    QVERIFY2(decode.luaErrors.isEmpty(), qPrintable(decode.luaErrors));
    QVERIFY(decode.packets.size() > 100 && decode.packets.size() < Sent);
    for (int k = 0; k < decode.packets.size(); ++k)
        QCOMPARE(value(decode.packets[k].toObject(), QStringLiteral("zandorex.id")), QString::number(k + 1));
}

// A console that opens a serial link after a UDP one: one file per link type, each read whole.
void TestDissector::theOtherLinkKindGoesToAFileBeside()
{
    const QString path = m_folder.filePath(QStringLiteral("both.pcap"));
    const QByteArray message = protocol::encode(Request{9, RequestKind::GetKeyState, {}, {}});
    {
        capture::TrafficCapture traffic;
        QCOMPARE(traffic.open(path, capture::LinkKind::Serial), QString()); // nothing yet: UDP takes the file
        traffic.datagram(wire::TrafficDirection::Sent, {Loopback, 5007}, {Loopback, PendantPort}, message, message.size());
        const QByteArray framed = protocol::frame(message);
        traffic.serialFrame(wire::TrafficDirection::Sent, framed, framed.size());
        QCOMPARE(traffic.paths(), (QStringList{path, m_folder.filePath(QStringLiteral("both-serial.pcap"))}));
    }
    for (const QString &file : {path, m_folder.filePath(QStringLiteral("both-serial.pcap"))}) {
        const Decode decode = readWithDissector(file, {QStringLiteral("_ws.col.Info")});
        QVERIFY2(decode.luaErrors.isEmpty(), qPrintable(decode.luaErrors));
        QCOMPARE(decode.packets.size(), 1);
        QCOMPARE(value(decode.packets[0].toObject(), QStringLiteral("_ws.col.Info")), QStringLiteral("request 9 GetKeyState"));
    }
}

QTEST_GUILESS_MAIN(TestDissector)
#include "tst_dissector.moc"
