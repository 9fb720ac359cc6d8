#include "pendantdevice.h"

#include "protocol/drawingrules.h"
#include "protocol/fieldrules.h"

#include <QPointer>

namespace pendant {

using namespace protocol;

PendantDevice::PendantDevice(QObject *parent) : PendantEndpoint(parent)
{
    m_leds.fill(LedMode::Off);
    // A dim greeting, so that an untouched LCD is seen to be on; the drawing colour goes back to white.
    (void)m_lcd.render({{SetDrawingColour, {QStringLiteral("#505050")}},
                        {DrawString, {QStringLiteral("84"), QStringLiteral("110"), QStringLiteral("Tavlox pendant (simulated)"),
                                      QStringLiteral("12"), QString()}},
                        {SetDrawingColour, {QStringLiteral("#FFFFFF")}}});
    connect(&m_heartbeat, &QTimer::timeout, this, [this] { report({InputKind::Alive, 0, 0, 0, {}}); });
    m_heartbeat.setTimerType(Qt::PreciseTimer);
    m_heartbeat.start(HeartbeatMs);
}

void PendantDevice::submit(const Request &request)
{
    if (!m_connected)
        return;
    Q_EMIT requestReceived(request);
    if (!m_gate) {
        carryOut(request);
        return;
    }
    m_gate->consider(request, [self = QPointer<PendantDevice>(this), request](const Verdict &verdict) {
        if (self)
            self->follow(request, verdict);
    });
}

void PendantDevice::carryOut(const Request &request, const std::optional<QList<int>> &numbers)
{
    Reply reply = handle(request);
    if (reply.ok && numbers) // a scenario answers with numbers of its choosing, right or wrong
        reply.numbers = *numbers;
    Q_EMIT stateChanged();
    Q_EMIT replied(reply);
}

void PendantDevice::follow(const Request &request, const Verdict &verdict)
{
    switch (verdict.kind) {
    case Verdict::Answer:
        carryOut(request, verdict.numbers);
        return;
    case Verdict::Refuse: {
        const Reply refusal{request.id, false, verdict.reason.isEmpty() ? QStringLiteral("refused") : verdict.reason, {}};
        if (verdict.delayMs <= 0) {
            Q_EMIT replied(refusal);
            return;
        }
        QTimer::singleShot(verdict.delayMs, Qt::PreciseTimer, this, [this, refusal] {
            if (m_connected)
                Q_EMIT replied(refusal);
        });
        return;
    }
    case Verdict::Delay:
        QTimer::singleShot(std::max(verdict.delayMs, 0), Qt::PreciseTimer, this, [this, request, numbers = verdict.numbers] {
            if (m_connected)
                carryOut(request, numbers);
        });
        return;
    case Verdict::Ignore:
        return;
    }
}

Reply PendantDevice::handle(const Request &request)
{
    Reply reply;
    reply.id = request.id;
    auto refuse = [&reply](const QString &why) {
        reply.ok = false;
        reply.error = why;
        return reply;
    };
    // What breaks a rule of the protocol is refused whole: nothing is cut to fit.
    if (const std::optional<QString> problem = requestProblem(request))
        return refuse(*problem);
    const QList<int> &n = request.numbers;
    switch (request.kind) {
    case RequestKind::Beep:
        Q_EMIT beeped(n[0]);
        break;
    case RequestKind::Led:
        m_leds[static_cast<size_t>(n[0] - 1)] = static_cast<LedMode>(n[1]);
        break;
    case RequestKind::Backlight:
        m_backlight = n[0] != 0;
        break;
    case RequestKind::SetKeyState:
        for (int w = 0; w < KeyStateWords; ++w)
            m_forcedKeys[static_cast<size_t>(w)] = static_cast<quint16>(n[w]);
        break;
    case RequestKind::SetPanelState:
        m_panelForced = n[0] != 0;
        m_forcedTouch = QPoint(n[1], n[2]);
        break;
    case RequestKind::GetKeyState:
        for (quint16 word : keyState())
            reply.numbers << word;
        break;
    case RequestKind::DrawMiniTP: {
        const QString why = m_lcd.render(request.drawing);
        if (!why.isEmpty())
            return refuse(why);
        break;
    }
    }
    return reply;
}

bool PendantDevice::isKeyForced(int key) const
{
    if (key < 0 || key >= PendantKeyCount)
        return false;
    return (m_forcedKeys[static_cast<size_t>(key / 16)] >> (key % 16)) & 1u;
}

bool PendantDevice::isKeyDown(int key) const
{
    return key >= 0 && key < PendantKeyCount && (m_pressedKeys.test(static_cast<size_t>(key)) || isKeyForced(key));
}

std::array<quint16, KeyStateWords> PendantDevice::keyState() const
{
    std::array<quint16, KeyStateWords> words{};
    for (int key = 0; key < PendantKeyCount; ++key) {
        if (isKeyDown(key))
            words[static_cast<size_t>(key / 16)] |= static_cast<quint16>(1u << (key % 16));
    }
    return words;
}

void PendantDevice::report(const Input &input)
{
    if (m_connected)
        Q_EMIT inputOccurred(input);
}

void PendantDevice::pressKey(int key)
{
    if (key < 0 || key >= PendantKeyCount)
        return;
    m_pressedKeys.set(static_cast<size_t>(key));
    Q_EMIT stateChanged();
    report({InputKind::KeyDown, key, 0, 0, {}});
}

void PendantDevice::releaseKey(int key)
{
    if (key < 0 || key >= PendantKeyCount)
        return;
    m_pressedKeys.reset(static_cast<size_t>(key));
    Q_EMIT stateChanged();
    report({InputKind::KeyUp, key, 0, 0, {}});
}

// A touch dragged off the panel reports its edge.
void PendantDevice::reportTouch(InputKind kind, int x, int y)
{
    report({kind, 0, std::clamp(x, 0, LcdWidth - 1), std::clamp(y, 0, LcdHeight - 1), {}});
}

void PendantDevice::touchDown(int x, int y)
{
    reportTouch(InputKind::TouchDown, x, y);
}

void PendantDevice::touchMove(int x, int y)
{
    reportTouch(InputKind::TouchMove, x, y);
}

void PendantDevice::touchUp(int x, int y)
{
    reportTouch(InputKind::TouchUp, x, y);
}

void PendantDevice::sendLcdText(const QString &text)
{
    report({InputKind::LcdText, 0, 0, 0, text});
}

void PendantDevice::setConnected(bool connected)
{
    m_connected = connected;
    Q_EMIT stateChanged();
}

} // namespace pendant
