#include "traffictap.h"

#include <QHostAddress>
#include <atomic>

namespace wire {

namespace {
std::atomic<TrafficTap *> programTap = nullptr;
} // namespace

std::optional<UdpEndpoint> parseUdpEndpoint(const QString &text, bool allowAnyPort)
{
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0)
        return std::nullopt;
    const QHostAddress address(text.left(colon));
    bool ok = false;
    const uint port = text.mid(colon + 1).toUInt(&ok);
    // Dotted quads only: "1.2.3" would otherwise be read as 1.2.0.3.
    if (!ok || address.protocol() != QAbstractSocket::IPv4Protocol || address.toString() != text.left(colon) ||
        port > 65535 || (port == 0 && !allowAnyPort))
        return std::nullopt;
    return UdpEndpoint{address.toIPv4Address(), quint16(port)};
}

QString endpointText(UdpEndpoint endpoint)
{
    return QStringLiteral("%1:%2").arg(QHostAddress(endpoint.address).toString()).arg(endpoint.port);
}

void setTrafficTap(TrafficTap *tap)
{
    programTap = tap;
}

TrafficTap *trafficTap()
{
    return programTap.load(std::memory_order_relaxed);
}

} // namespace wire
