#pragma once
// How the provider reaches a pendant: sends requests and hears replies and input. One implementation per link.
#include "protocol/protocol.h"

#include <QObject>
#include <QPointer>

namespace tavlox {

class PendantLink : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void send(const protocol::Request &request) = 0;
    [[nodiscard]] virtual QString describe() const = 0;
    // A message from the pendant that is not acted on: traced with the reason (zandorex.tavlox.wire) and counted,
    // as the link's own drops are.
    virtual void reportDropped(const QString &what, const QString &reason);
    [[nodiscard]] virtual quint64 droppedCount() const { return m_dropped; }

Q_SIGNALS:
    void replied(const protocol::Reply &reply);
    void inputOccurred(const protocol::Input &input);

private:
    quint64 m_dropped = 0;
};

// A pendant in this process: the simulated pendant.
class InProcessLink : public PendantLink
{
    Q_OBJECT
public:
    explicit InProcessLink(protocol::PendantEndpoint *endpoint);
    void send(const protocol::Request &request) override;
    [[nodiscard]] QString describe() const override { return QStringLiteral("simulated pendant (in-process)"); }

private:
    QPointer<protocol::PendantEndpoint> m_endpoint;
};

} // namespace tavlox
