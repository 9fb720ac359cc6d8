#include "linkrig.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QUdpSocket>

namespace testing {

ScriptedPendant::ScriptedPendant()
{
    connect(&device, &PendantEndpoint::inputOccurred, this, &PendantEndpoint::inputOccurred);
    connect(&device, &PendantEndpoint::replied, this, [this](const tavlox::Reply &reply) {
        const int delay = replyDelaysMs.isEmpty() ? 0 : replyDelaysMs.takeFirst();
        auto sendReply = [this, reply] {
            ++repliesSent;
            Q_EMIT replied(reply);
        };
        if (delay > 0)
            QTimer::singleShot(delay, Qt::PreciseTimer, this, sendReply);
        else
            sendReply();
        if (repeatAfterMs >= 0)
            QTimer::singleShot(delay + repeatAfterMs, Qt::PreciseTimer, this, sendReply);
    });
}

void ScriptedPendant::submit(const tavlox::Request &request)
{
    device.submit(request);
}

quint16 freeUdpPort()
{
    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    return probe.localPort();
}

namespace {
class InProcessRig : public LinkRig
{
public:
    QString linkOption() const override { return QStringLiteral("Port=1"); }
    std::unique_ptr<tavlox::PendantLink> makeLink(const tavlox::ConnectionOptions &) override
    {
        return std::make_unique<tavlox::InProcessLink>(&pendant);
    }
};

class UdpRig : public LinkRig
{
public:
    UdpRig()
        : m_consolePort(freeUdpPort()),
          m_channel(QHostAddress::LocalHost, 0, QHostAddress::LocalHost, m_consolePort),
          m_problem(m_channel.open()), m_bridge(m_channel, pendant)
    {
    }
    QString linkOption() const override
    {
        return QStringLiteral("UDP=127.0.0.1:%1:127.0.0.1:%2").arg(m_channel.localPort()).arg(m_consolePort);
    }
    std::unique_ptr<tavlox::PendantLink> makeLink(const tavlox::ConnectionOptions &options) override
    {
        return tavlox::makeWireLink(options);
    }
    QString problem() const override { return m_problem; }

private:
    quint16 m_consolePort;
    tavlox::UdpChannel m_channel;
    QString m_problem;
    tavlox::EndpointBridge m_bridge;
};

// Two pseudo-terminals joined by socat: the provider opens one end, the pendant the other.
class SerialRig : public LinkRig
{
public:
    SerialRig()
    {
        const QString socat = QStandardPaths::findExecutable(QStringLiteral("socat"));
        if (socat.isEmpty()) {
            m_problem = QStringLiteral("socat is not installed (scripts/setup.sh installs it)");
            return;
        }
        const QString console = m_folder.filePath(QStringLiteral("console"));
        const QString device = m_folder.filePath(QStringLiteral("pendant"));
        m_socat.start(socat, {QStringLiteral("pty,raw,echo=0,link=") + console,
                              QStringLiteral("pty,raw,echo=0,link=") + device});
        const QDeadlineTimer deadline(10000);
        while (!(QFileInfo::exists(console) && QFileInfo::exists(device)) && !deadline.hasExpired() &&
               m_socat.state() != QProcess::NotRunning)
            QThread::msleep(10);
        if (!QFileInfo::exists(console) || !QFileInfo::exists(device)) {
            m_problem = QStringLiteral("socat made no pseudo-terminal pair: %1").arg(QString::fromLocal8Bit(m_socat.readAllStandardError()));
            return;
        }
        m_consoleEnd = console;
        m_channel = std::make_unique<tavlox::SerialChannel>(device);
        m_problem = m_channel->open();
        if (m_problem.isEmpty())
            m_bridge = std::make_unique<tavlox::EndpointBridge>(*m_channel, pendant);
    }
    ~SerialRig() override
    {
        m_bridge.reset();
        m_channel.reset();
        m_socat.kill();
        m_socat.waitForFinished(5000);
    }
    QString linkOption() const override { return QStringLiteral("Port=") + m_consoleEnd; }
    std::unique_ptr<tavlox::PendantLink> makeLink(const tavlox::ConnectionOptions &options) override
    {
        return tavlox::makeWireLink(options);
    }
    QString problem() const override { return m_problem; }

private:
    QTemporaryDir m_folder;
    QProcess m_socat;
    QString m_consoleEnd;
    QString m_problem;
    std::unique_ptr<tavlox::SerialChannel> m_channel;
    std::unique_ptr<tavlox::EndpointBridge> m_bridge;
};
} // namespace

std::unique_ptr<LinkRig> makeLinkRig(const QString &kind)
{
    if (kind == QLatin1String("udp"))
        return std::make_unique<UdpRig>();
    if (kind == QLatin1String("serial"))
        return std::make_unique<SerialRig>();
    return std::make_unique<InProcessRig>();
}

} // namespace testing
