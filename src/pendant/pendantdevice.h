#pragma once
#include <optional>
// The simulated pendant: LEDs, backlight, beeper, LCD and keys, answering the provider like a real one would.
#include "pendant/lcdrenderer.h"
#include "protocol/protocol.h"

#include <QTimer>
#include <functional>
#include <array>
#include <bitset>

namespace pendant {

// What a pendant does with a request when something other than the pendant itself decides (a scenario): answer it
// as usual, refuse it, answer it late, or not at all.
struct Verdict
{
    enum Kind { Answer, Refuse, Delay, Ignore };
    Kind kind = Answer;
    QString reason; // Refuse
    int delayMs = 0; // Delay: carried out and answered this much later; Refuse: refused this much later
    std::optional<QList<int>> numbers = {}; // Answer, Delay: the reply's numbers instead of the pendant's own
};

// Decides each request before the pendant carries it out; `decided` may be called at once (a kind the gate leaves
// to the pendant) or later, in this thread.
class RequestGate
{
public:
    virtual ~RequestGate() = default;
    virtual void consider(const protocol::Request &request, std::function<void(const Verdict &verdict)> decided) = 0;
};

class PendantDevice : public protocol::PendantEndpoint
{
    Q_OBJECT
public:
    // A live pendant is heard at least once a second; sending a little more often keeps that true at the
    // receiver however the timer and the line jitter.
    static constexpr int HeartbeatMs = 900;

    explicit PendantDevice(QObject *parent = nullptr);

    void submit(const protocol::Request &request) override;

    // The operator's side.
    void pressKey(int key);
    void releaseKey(int key);
    void touchDown(int x, int y);
    void touchMove(int x, int y);
    void touchUp(int x, int y);
    void sendLcdText(const QString &text);
    // A disconnected pendant is silent: it neither answers nor reports input.
    void setConnected(bool connected);
    [[nodiscard]] bool isConnected() const { return m_connected; }
    // Requests of the kinds the gate decides wait for its verdict; null: every request is carried out at once.
    void setRequestGate(RequestGate *gate) { m_gate = gate; }
    // How often a connected pendant says it is there.
    void setHeartbeatInterval(int milliseconds) { m_heartbeat.start(milliseconds); }

    [[nodiscard]] protocol::LedMode led(int number) const { return m_leds.at(static_cast<size_t>(number - 1)); }
    [[nodiscard]] bool backlight() const { return m_backlight; }
    [[nodiscard]] const QImage &lcd() const { return m_lcd.image(); }
    // Forced and physically pressed keys together, as GetKeyState reports them.
    [[nodiscard]] bool isKeyDown(int key) const;
    [[nodiscard]] bool isKeyForced(int key) const;
    [[nodiscard]] std::array<quint16, protocol::KeyStateWords> keyState() const;
    [[nodiscard]] bool panelForced() const { return m_panelForced; }
    [[nodiscard]] QPoint forcedTouch() const { return m_forcedTouch; }

Q_SIGNALS:
    void stateChanged();
    void beeped(int milliseconds);
    // Every request a connected pendant hears, before it is carried out.
    void requestReceived(const protocol::Request &request);

private:
    protocol::Reply handle(const protocol::Request &request);
    void carryOut(const protocol::Request &request, const std::optional<QList<int>> &numbers = {});
    void follow(const protocol::Request &request, const Verdict &verdict);
    void report(const protocol::Input &input);
    void reportTouch(protocol::InputKind kind, int x, int y);

    bool m_connected = true;
    std::array<protocol::LedMode, protocol::LedCount> m_leds{};
    bool m_backlight = true;
    LcdRenderer m_lcd;
    std::array<quint16, protocol::KeyStateWords> m_forcedKeys{};
    std::bitset<protocol::PendantKeyCount> m_pressedKeys;
    bool m_panelForced = false;
    QPoint m_forcedTouch;
    QTimer m_heartbeat;
    RequestGate *m_gate = nullptr;
};

} // namespace pendant
