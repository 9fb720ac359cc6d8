#pragma once
// A pendant reached through each kind of link, for tests that must hold on every link alike.
#include "pendant/pendantdevice.h"
#include "tavlox/options.h"
#include "tavlox/pendantlink.h"
#include "tavlox/wirelinks.h"
#include "wire/endpointbridge.h"

#include <memory>

namespace testing {

// The simulated pendant with faults a test can ask for: replies held back, or sent twice.
class ScriptedPendant : public protocol::PendantEndpoint
{
    Q_OBJECT
public:
    ScriptedPendant();
    void submit(const protocol::Request &request) override;

    pendant::PendantDevice device;
    QList<int> replyDelaysMs;     // taken one per reply, front first; none left: at once
    int repeatAfterMs = -1;       // >= 0: every reply is sent again this long after the first
    int repliesSent = 0;
};

// One pendant and the means to reach it across a link of one kind.
class LinkRig
{
public:
    virtual ~LinkRig() = default;
    // The link part of the option string ("Port=…" or "UDP=…").
    [[nodiscard]] virtual QString linkOption() const = 0;
    // The provider's link for these options.
    [[nodiscard]] virtual std::unique_ptr<tavlox::PendantLink> makeLink(const tavlox::ConnectionOptions &options) = 0;
    // Empty when the rig is ready, else why not.
    [[nodiscard]] virtual QString problem() const { return {}; }

    ScriptedPendant pendant;
};

// "inprocess", "udp" or "serial".
[[nodiscard]] std::unique_ptr<LinkRig> makeLinkRig(const QString &kind);

// A UDP port on 127.0.0.1 that was free a moment ago.
[[nodiscard]] quint16 freeUdpPort();

} // namespace testing
