// The conformance table (docs/wire-conformance.txt) run against both of our ends through real links: the pendant
// as zandorex-pendant, the provider through the engine; UDP on 127.0.0.1 and a serial line on a socat pair.
#include "cao/engine.h"
#include "cao/status.h"
#include "conformancetable.h"
#include "protocol/fieldrules.h"
#include "protocol/framing.h"
#include "pendantprocess.h"
#include "ptypair.h"
#include "tavlox/tavloxprovider.h"
#include "tavlox/wirelinks.h"
#include "values.h"

#include <QElapsedTimer>
#include <QNetworkDatagram>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSerialPort>
#include <QTest>
#include <QUdpSocket>

using cao::Value;
using testing::ConformanceRow;
using namespace tavlox;
using namespace protocol;

namespace {
QList<ConformanceRow> table()
{
    static const QList<ConformanceRow> rows = [] {
        QString problem;
        QList<ConformanceRow> read = testing::readConformanceTable(QStringLiteral(CONFORMANCE_TABLE), &problem);
        if (read.isEmpty())
            qFatal("%s", qPrintable(problem.isEmpty() ? QStringLiteral("the conformance table has no rows") : problem));
        return read;
    }();
    return rows;
}

QStringList droppedReasons(const QStringList &outcomes)
{
    QStringList reasons;
    for (const QString &outcome : outcomes)
        if (outcome.startsWith(QLatin1String("dropped: ")))
            reasons << outcome.mid(9);
    return reasons;
}

// Every "dropped" trace line the provider side of this process writes, reason only; other messages go on to
// the test framework.
QStringList providerDrops;
QtMessageHandler testFrameworkHandler = nullptr;
void collectDrops(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (qstrcmp(context.category, "zandorex.tavlox.wire") == 0 && message.contains(QLatin1String(" dropped ")))
        providerDrops << message.section(QLatin1String(" - "), -1);
    else if (type != QtInfoMsg && testFrameworkHandler)
        testFrameworkHandler(type, context, message);
}

// Either end of a line as the test holds it: bytes out, whole messages in.
class TestEnd : public QObject
{
public:
    virtual void send(const QByteArray &bytes) = 0; // a message (framed on a serial line) or raw line bytes
    virtual void sendRaw(const QByteArray &lineBytes) { send(lineBytes); }
    QList<protocol::Message> received;
    std::function<void()> onReceived;

protected:
    void take(const QList<protocol::Message> &messages)
    {
        received += messages;
        if (onReceived && !messages.isEmpty())
            onReceived();
    }
};

class UdpEnd : public TestEnd
{
public:
    UdpEnd()
    {
        m_socket.bind(QHostAddress::LocalHost, 0);
        connect(&m_socket, &QUdpSocket::readyRead, this, [this] {
            while (m_socket.hasPendingDatagrams()) {
                const protocol::Decoded decoded = protocol::decode(m_socket.receiveDatagram().data());
                if (decoded.message)
                    take({*decoded.message});
            }
        });
    }
    void send(const QByteArray &bytes) override { m_socket.writeDatagram(bytes, QHostAddress::LocalHost, peerPort); }
    [[nodiscard]] quint16 port() const { return m_socket.localPort(); }
    quint16 peerPort = 0;

private:
    QUdpSocket m_socket;
};

class SerialEnd : public TestEnd
{
public:
    explicit SerialEnd(const QString &device)
    {
        m_port.setPortName(device);
        m_port.open(QIODevice::ReadWrite);
        connect(&m_port, &QSerialPort::readyRead, this, [this] { take(m_reader.feed(m_port.readAll()).messages); });
    }
    void send(const QByteArray &bytes) override { m_port.write(protocol::frame(bytes)); }
    void sendRaw(const QByteArray &lineBytes) override { m_port.write(lineBytes); }

private:
    QSerialPort m_port;
    protocol::FrameReader m_reader;
};

quint32 freshId()
{
    static quint32 next = QRandomGenerator::global()->generate() & 0x7FFFFFFF;
    next += 1000;
    return next;
}

// The requests among a row's messages (a line row's frames decoded), in order.
QList<std::optional<Request>> requestsOf(const ConformanceRow &row, quint32 base)
{
    QList<std::optional<Request>> requests;
    for (const QByteArray &bytes : row.messages) {
        if (row.line) {
            protocol::FrameReader reader;
            for (const protocol::Message &message : reader.feed(bytes).messages)
                if (const auto *request = std::get_if<Request>(&message))
                    requests << *request;
            continue;
        }
        const protocol::Decoded decoded = protocol::decode(testing::withIdBase(bytes, base));
        const auto *request = decoded.message ? std::get_if<Request>(&*decoded.message) : nullptr;
        requests << (request ? std::optional<Request>(*request) : std::nullopt);
    }
    return requests;
}

Value parameterFor(const QString &command)
{
    static const QHash<QString, Value> parameters = {
        {QStringLiteral("Beep"), Value::text(QStringLiteral("10"))},
        {QStringLiteral("LED"), Value::array({Value::text(QStringLiteral("1")), Value::i2(1)})},
        {QStringLiteral("Backlight"), Value::boolean(true)},
        {QStringLiteral("SetKeyState"), testing::texts({"0", "0", "0", "0", "0", "0", "0", "0"})},
        {QStringLiteral("SetPanelState"), Value::array({Value::i2(0), Value::text(QStringLiteral("1")), Value::text(QStringLiteral("1"))})},
        {QStringLiteral("GetKeyState"), Value::missing()},
        {QStringLiteral("DrawMiniTP"), Value::array({})},
    };
    return parameters.value(command);
}
} // namespace

class TestWireConformance : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void pendant_data() { rows(false); }
    void pendant() { checkPendant(*m_pendantUdp, m_pendantUdpErr); }
    void provider_data() { rows(false); }
    void provider() { checkProvider(*m_providerUdp, *m_udpController); }
    void pendantOnASerialLine_data() { rows(true); }
    void pendantOnASerialLine() { checkPendant(*m_pendantSerial, m_pendantSerialErr); }
    void providerOnASerialLine_data() { rows(true); }
    void providerOnASerialLine() { checkProvider(*m_providerSerial, *m_serialController); }

private:
    struct Pendant
    {
        QProcess process;
        std::unique_ptr<TestEnd> end;
    };
    void rows(bool line);
    std::shared_ptr<cao::Controller> openProvider(const QString &linkOption);
    void checkPendant(TestEnd &end, QProcess &process);
    void checkProvider(TestEnd &end, cao::Controller &controller);
    void sync(TestEnd &end);

    cao::Engine m_engine;
    std::unique_ptr<cao::ScopedProviderRegistration> m_registration;
    std::unique_ptr<testing::PtyPair> m_pendantLine;
    std::unique_ptr<testing::PtyPair> m_providerLine;
    QProcess m_pendantUdpErr;
    QProcess m_pendantSerialErr;
    std::unique_ptr<TestEnd> m_pendantUdp;
    std::unique_ptr<TestEnd> m_pendantSerial;
    std::unique_ptr<TestEnd> m_providerUdp;
    std::unique_ptr<TestEnd> m_providerSerial;
    std::shared_ptr<cao::Controller> m_udpController;
    std::shared_ptr<cao::Controller> m_serialController;
    QStringList m_raised;
};

void TestWireConformance::rows(bool line)
{
    QTest::addColumn<ConformanceRow>("row");
    for (const ConformanceRow &row : table())
        if (row.line == line)
            QTest::newRow(qPrintable(row.name)) << row;
}

std::shared_ptr<cao::Controller> TestWireConformance::openProvider(const QString &linkOption)
{
    auto controller = m_engine.Workspaces().Item(0)->AddController(
        QStringLiteral("Tavlox"), QString::fromLatin1(ProgrammaticId), QString(),
        linkOption + QStringLiteral(",KeyboardMode=0,MouseMode=0,TPInitWait=600000,ExecuteTimeout=300"));
    for (const char *name : {"@Enabled", "@DblClickSpeed", "@PressHoldTime", "@DeadRangeX1", "@DeadRangeY1", "@DeadRangeX2", "@DeadRangeY2"})
        (void)controller->AddVariable(QString::fromLatin1(name), QString());
    // No double click and no press-and-hold within a test: each row's touches raise only their own messages.
    controller->Variables().Item(QStringLiteral("@DblClickSpeed"))->setValue(Value::i4(0));
    controller->Variables().Item(QStringLiteral("@PressHoldTime"))->setValue(Value::i4(60000));
    connect(controller.get(), &cao::Controller::OnMessage, this, [this](const std::shared_ptr<cao::Message> &message) {
        m_raised << QStringLiteral("%1 %2").arg(message->Number()).arg(message->Value().describe());
    });
    return controller;
}

void TestWireConformance::initTestCase()
{
    testFrameworkHandler = qInstallMessageHandler(collectDrops);
    m_registration = std::make_unique<cao::ScopedProviderRegistration>(QString::fromLatin1(ProgrammaticId),
                                                                       std::make_shared<TavloxProvider>(&makeWireLink));
    // UDP: each end of ours faces a socket of the test's.
    auto pendantFacing = std::make_unique<UdpEnd>();
    const QString ready = testing::startPendant(m_pendantUdpErr, {QStringLiteral("--udp"), QStringLiteral("127.0.0.1:0"), QStringLiteral("--peer"),
                                                         QStringLiteral("127.0.0.1:%1").arg(pendantFacing->port())});
    const auto port = QRegularExpression(QStringLiteral("127\\.0\\.0\\.1:(\\d+) <->")).match(ready);
    QVERIFY2(port.hasMatch(), qPrintable(QStringLiteral("zandorex-pendant did not start: ") + ready));
    pendantFacing->peerPort = static_cast<quint16>(port.captured(1).toUInt());
    m_pendantUdp = std::move(pendantFacing);

    auto providerFacing = std::make_unique<UdpEnd>();
    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    const quint16 consolePort = probe.localPort();
    probe.close();
    providerFacing->peerPort = consolePort;
    m_udpController = openProvider(QStringLiteral("UDP=127.0.0.1:%1:127.0.0.1:%2").arg(providerFacing->port()).arg(consolePort));
    m_providerUdp = std::move(providerFacing);

    // Serial: a line each, so that each end sees its line from the start.
    m_pendantLine = std::make_unique<testing::PtyPair>();
    m_providerLine = std::make_unique<testing::PtyPair>();
    QVERIFY2(m_pendantLine->problem().isEmpty(), qPrintable(m_pendantLine->problem()));
    QVERIFY2(m_providerLine->problem().isEmpty(), qPrintable(m_providerLine->problem()));
    QVERIFY(!testing::startPendant(m_pendantSerialErr, {QStringLiteral("--serial"), m_pendantLine->pendantEnd()}).isEmpty());
    m_pendantSerial = std::make_unique<SerialEnd>(m_pendantLine->consoleEnd());
    m_serialController = openProvider(QStringLiteral("Port=") + m_providerLine->consoleEnd());
    m_providerSerial = std::make_unique<SerialEnd>(m_providerLine->pendantEnd());
}

void TestWireConformance::cleanupTestCase()
{
    for (QProcess *process : {&m_pendantUdpErr, &m_pendantSerialErr}) {
        process->terminate();
        process->waitForFinished(5000);
    }
    m_udpController.reset();
    m_serialController.reset();
    qInstallMessageHandler(testFrameworkHandler);
}

// The pendant answers a request after everything sent before it: its reply marks the end of a row.
void TestWireConformance::checkPendant(TestEnd &end, QProcess &process)
{
    QFETCH(ConformanceRow, row);
    const quint32 base = freshId();
    const qsizetype seen = end.received.size();
    for (const QByteArray &message : row.messages) {
        if (row.line)
            end.sendRaw(message);
        else
            end.send(testing::withIdBase(message, base));
    }
    const quint32 probe = freshId();
    end.send(protocol::encode(Request{probe, RequestKind::GetKeyState, {}, {}}));
    QList<Reply> replies;
    QTRY_VERIFY_WITH_TIMEOUT(std::any_of(end.received.begin() + seen, end.received.end(), [probe](const protocol::Message &m) {
                                 return std::holds_alternative<Reply>(m) && std::get<Reply>(m).id == probe;
                             }),
                             5000);
    for (qsizetype k = seen; k < end.received.size(); ++k)
        if (const auto *reply = std::get_if<Reply>(&end.received[k]); reply && reply->id != probe)
            replies << *reply;

    // Each request's outcome, in order: its reply, or none.
    const QList<std::optional<Request>> requests = requestsOf(row, base);
    QStringList answered;
    for (const std::optional<Request> &request : requests) {
        if (!request)
            continue;
        const auto reply = std::find_if(replies.begin(), replies.end(), [&](const Reply &r) { return r.id == request->id; });
        if (reply == replies.end())
            continue;
        if (reply->ok) {
            const std::optional<QString> broken = replyProblem(request->kind, *reply);
            QVERIFY2(!broken, qPrintable(broken.value_or(QString())));
            answered << QStringLiteral("done");
        } else {
            answered << QStringLiteral("refused: ") + reply->error;
        }
        replies.erase(reply);
    }
    QVERIFY2(replies.isEmpty(), "a reply came that no request of the row asked for");
    // A repeat answered again gets the first reply: on the wire it looks like it; the trace tells it apart.
    QStringList expectedAnswers = row.pendant;
    expectedAnswers.removeIf([](const QString &outcome) { return outcome.startsWith(QLatin1String("dropped: ")); });
    const auto again = std::count_if(expectedAnswers.begin(), expectedAnswers.end(),
                                     [](const QString &outcome) { return outcome.startsWith(QLatin1String("again: ")); });
    for (QString &outcome : expectedAnswers)
        if (outcome.startsWith(QLatin1String("again: ")))
            outcome = outcome.mid(7);
    QCOMPARE(answered, expectedAnswers);

    // Each drop is traced with its reason, and each repeat answered again (the trace was written before the
    // probe's reply was sent).
    const QStringList reasons = droppedReasons(row.pendant);
    QString trace;
    QTRY_VERIFY_WITH_TIMEOUT((trace += QString::fromUtf8(process.readAllStandardError()), trace.count(QLatin1String(" dropped ")) >= reasons.size() &&
                                                                                              trace.count(QLatin1String(" answered again ")) >= again),
                             5000);
    QStringList traced;
    for (const QString &line : trace.split(QLatin1Char('\n')))
        if (line.contains(QLatin1String(" dropped ")))
            traced << line.section(QLatin1String(" - "), -1).trimmed();
    QCOMPARE(traced, reasons);
    QCOMPARE(trace.count(QLatin1String(" answered again ")), again);
}

// An input the provider takes is raised after everything sent before it: a text input marks the end of a row.
void TestWireConformance::sync(TestEnd &end)
{
    const QString marker = QStringLiteral("end of row %1").arg(freshId());
    end.send(protocol::encode(protocol::SequencedInput{freshId(), {InputKind::LcdText, 0, 0, 0, marker}}));
    const QString raised = QStringLiteral("258 VT_BSTR \"%1\"").arg(marker);
    QTRY_VERIFY_WITH_TIMEOUT(m_raised.contains(raised), 5000);
    m_raised.removeAll(raised);
}

void TestWireConformance::checkProvider(TestEnd &end, cao::Controller &controller)
{
    QFETCH(ConformanceRow, row);
    if (!row.line)
        sync(end); // a serial line's rows follow one another from the line's start: the last row ended in a sync
    m_raised.clear();
    providerDrops.clear();
    QStringList outcomes;
    const QString command = row.provider.value(0).section(QLatin1String(" -> "), 0, 0);
    if (row.provider.value(0).contains(QLatin1String(" -> "))) {
        // The row's messages answer the request the provider sends for the command.
        end.received.clear();
        end.onReceived = [&] {
            for (const protocol::Message &message : std::as_const(end.received))
                if (const auto *request = std::get_if<Request>(&message)) {
                    const quint32 id = request->id;
                    end.received.clear();
                    for (const QByteArray &bytes : row.messages)
                        end.send(testing::withIdBase(bytes, id));
                    return;
                }
        };
        QElapsedTimer clock;
        clock.start();
        Value result;
        const auto failure = testing::failureOf([&] { result = controller.Execute(command, parameterFor(command)); });
        end.onReceived = nullptr;
        QString outcome;
        if (!failure) {
            QStringList texts;
            for (const Value &element : result.isArray() ? result.elements() : Value::Array{})
                texts << element.toText();
            outcome = QStringLiteral("result ") + (result.isArray() ? texts.join(QStringLiteral(", ")) : QStringLiteral("done"));
        } else if (failure->status() == cao::status::InvalidArgument) {
            outcome = QStringLiteral("refused: ") + failure->description().section(QLatin1String("\": "), 1);
        } else if (failure->status() == cao::status::Timeout) {
            outcome = QStringLiteral("dropped: ") + providerDrops.value(0);
            providerDrops.removeFirst();
        } else {
            QVERIFY2(clock.elapsed() < 250, "a reply that breaks a rule must end the wait at once");
            outcome = QStringLiteral("fails: ") + failure->description().section(QLatin1String("protocol: "), 1);
            QVERIFY2(!providerDrops.isEmpty() && failure->description().endsWith(providerDrops.takeFirst()),
                     "the broken rule is the trace's reason");
        }
        outcomes << command + QStringLiteral(" -> ") + outcome;
    } else {
        const quint32 base = freshId();
        for (const QByteArray &message : row.messages) {
            if (row.line)
                end.sendRaw(message);
            else
                end.send(testing::withIdBase(message, base));
        }
    }
    sync(end);
    for (const QString &raised : std::as_const(m_raised))
        outcomes << QStringLiteral("raises ") + raised;
    for (const QString &reason : std::as_const(providerDrops))
        outcomes << QStringLiteral("dropped: ") + reason;
    // Raised messages and drops each in their own order; the table lists them so.
    QCOMPARE(outcomes, row.provider);
}

QTEST_GUILESS_MAIN(TestWireConformance)
#include "tst_wire_conformance.moc"
