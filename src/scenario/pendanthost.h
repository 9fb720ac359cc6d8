#pragma once
// The pendant's side of a scenario: beside the device, in the user-interface thread, it hears the device's
// requests and beeps and asks the scenario's handlers for their verdicts (pendantobject.h is what the script sees).
#include "pendant/pendantdevice.h"
#include "scenario/pendantobject.h"
#include "script/scripthost.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace scenario {

// Lives in the user-interface thread beside the device: hears its requests and beeps, and asks the scenario's
// handlers for a verdict on the requests they decide.
class PendantHost : public QObject, public script::ScriptHost, public pendant::RequestGate
{
    Q_OBJECT
public:
    explicit PendantHost(pendant::PendantDevice &device);
    ~PendantHost() override;

    void install(script::ScriptContext &context) override;
    void uninstall() override;

    // Whether a handler of the scenario decides requests of this kind.
    [[nodiscard]] bool decides(protocol::RequestKind kind) const;
    void consider(const protocol::Request &request, std::function<void(const pendant::Verdict &verdict)> decided) override;

    [[nodiscard]] pendant::PendantDevice *device() const { return m_device; }
    [[nodiscard]] const QList<int> &beeps() const { return m_beeps; }
    // From the script's thread: which kinds its handlers decide ("*": all).
    void setDecided(const QStringList &kinds);

private:
    struct Pending;
    void releaseAll();
    [[nodiscard]] bool decidesLocked(protocol::RequestKind kind) const;

    QPointer<pendant::PendantDevice> m_device;
    QList<int> m_beeps; // since the scenario started
    std::unique_ptr<PendantObject> m_object;
    script::ScriptContext *m_context = nullptr;
    std::function<void(std::function<void()>)> m_post; // to the script's thread, safe after it ended
    mutable std::mutex m_decidedMutex;
    QStringList m_decided;
    std::vector<std::shared_ptr<Pending>> m_pending; // user-interface thread
};

} // namespace scenario
