#include "linkrig.h"

#include "ptypair.h"

#include <QTimer>
#include <QUdpSocket>

namespace testing {

ScriptedPendant::ScriptedPendant()
{
    connect(&device, &PendantEndpoint::inputOccurred, this, &PendantEndpoint::inputOccurred);
    connect(&device, &PendantEndpoint::replied, this, [this](const protocol::Reply &reply) {
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

void ScriptedPendant::submit(const protocol::Request &request)
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
    wire::UdpChannel m_channel;
    QString m_problem;
    wire::EndpointBridge m_bridge;
};

// Two pseudo-terminals joined by socat: the provider opens one end, the pendant the other.
class SerialRig : public LinkRig
{
public:
    SerialRig() : m_problem(m_pair.problem())
    {
        if (!m_problem.isEmpty())
            return;
        m_channel = std::make_unique<wire::SerialChannel>(m_pair.pendantEnd());
        m_problem = m_channel->open();
        if (m_problem.isEmpty())
            m_bridge = std::make_unique<wire::EndpointBridge>(*m_channel, pendant);
    }
    ~SerialRig() override
    {
        m_bridge.reset();
        m_channel.reset();
    }
    QString linkOption() const override { return QStringLiteral("Port=") + m_pair.consoleEnd(); }
    std::unique_ptr<tavlox::PendantLink> makeLink(const tavlox::ConnectionOptions &options) override
    {
        return tavlox::makeWireLink(options);
    }
    QString problem() const override { return m_problem; }

private:
    PtyPair m_pair;
    QString m_problem;
    std::unique_ptr<wire::SerialChannel> m_channel;
    std::unique_ptr<wire::EndpointBridge> m_bridge;
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
