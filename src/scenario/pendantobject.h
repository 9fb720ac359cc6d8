#pragma once
// `pendant`: the simulated pendant for a scenario script (docs/scripting.md). Input comes out as a person's clicks
// on the pendant's window would (the device's own key, touch and text calls); requests can be answered by the
// scenario's handlers; the device's state can be read.
#include "pendant/pendantdevice.h"
#include "script/scripthost.h"

#include <QHash>
#include <QJSValue>
#include <QObject>
#include <QPointer>
#include <memory>
#include <mutex>
#include <vector>

namespace script {
class ScriptContext;
}

namespace scenario {

class PendantHost;

class PendantObject : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QJSValue backlight READ backlight)
    Q_PROPERTY(QJSValue beeps READ beeps)
public:
    PendantObject(script::ScriptContext &context, PendantHost &host);

    Q_INVOKABLE void press(const QVariant &key, const QJSValue &ms = QJSValue());
    Q_INVOKABLE void keyDown(const QVariant &key);
    Q_INVOKABLE void keyUp(const QVariant &key);
    Q_INVOKABLE void touch(const QJSValue &x, const QJSValue &y, const QJSValue &ms = QJSValue());
    Q_INVOKABLE void drag(const QJSValue &points, const QJSValue &ms = QJSValue());
    Q_INVOKABLE void lcdText(const QString &text);
    Q_INVOKABLE void silent(const QJSValue &ms);
    Q_INVOKABLE void on(const QString &kind, const QJSValue &handler);
    Q_INVOKABLE QJSValue expectRequest(const QString &kind, const QJSValue &timeoutMs = QJSValue());
    Q_INVOKABLE QJSValue led(const QJSValue &number);
    Q_INVOKABLE QJSValue keyState();
    Q_INVOKABLE QJSValue lcdPixel(const QJSValue &x, const QJSValue &y);
    Q_INVOKABLE void saveLcd(const QString &file);

    [[nodiscard]] QJSValue backlight();
    [[nodiscard]] QJSValue beeps();

    // In the script's thread: a request the pendant heard, and a verdict wanted for it when a handler is set.
    void heard(const tavlox::Request &request);
    [[nodiscard]] pendant::Verdict decide(const tavlox::Request &request);

private:
    // Runs on the device in the user-interface thread, as a person's input (between the console's engine calls).
    void onDevice(const std::function<void(pendant::PendantDevice &device)> &action);
    QJSValue readDevice(const std::function<QVariant(pendant::PendantDevice &device)> &reading);
    int keyFrom(const QVariant &key);
    static int holdFor(const QJSValue &ms, int fallback);
    bool pause(const QJSValue &ms, int fallback);
    [[nodiscard]] QJSValue requestValue(const tavlox::Request &request);

    script::ScriptContext &m_context;
    PendantHost &m_host;
    QHash<QString, QJSValue> m_handlers; // by kind name, "*" for any
    QList<tavlox::Request> m_heard;
    qsizetype m_expectFrom = 0;
};

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

    [[nodiscard]] bool decides(tavlox::RequestKind kind) const override;
    void consider(const tavlox::Request &request, std::function<void(const pendant::Verdict &verdict)> decided) override;

    [[nodiscard]] pendant::PendantDevice *device() const { return m_device; }
    [[nodiscard]] const QList<int> &beeps() const { return m_beeps; }
    // From the script's thread: which kinds its handlers decide ("*": all).
    void setDecided(const QStringList &kinds);

private:
    struct Pending;
    void releaseAll();

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
