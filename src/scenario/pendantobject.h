#pragma once
// `pendant`: the simulated pendant for a scenario script (docs/scripting.md). Input comes out as a person's clicks
// on the pendant's window would (the device's own key, touch and text calls); requests can be answered by the
// scenario's handlers; the device's state can be read.
#include "pendant/pendantdevice.h"

#include <QHash>
#include <QJSValue>
#include <QObject>
#include <QPointer>

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
    // A touch's parts one at a time, as a replayed capture holds them.
    Q_INVOKABLE void touchDown(const QJSValue &x, const QJSValue &y);
    Q_INVOKABLE void touchMove(const QJSValue &x, const QJSValue &y);
    Q_INVOKABLE void touchUp(const QJSValue &x, const QJSValue &y);
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
    // `at`: when the pendant took it, on the clock of now().
    void heard(const protocol::Request &request, double at);
    [[nodiscard]] pendant::Verdict decide(const protocol::Request &request, double at);

private:
    // Runs on the device in the user-interface thread, as a person's input (between the console's engine calls).
    void onDevice(const std::function<void(pendant::PendantDevice &device)> &action);
    QJSValue readDevice(const std::function<QVariant(pendant::PendantDevice &device)> &reading);
    int keyFrom(const QVariant &key);
    // A time in ms from the script (cut to 0 … INT_MAX), or the fallback when none is given.
    static int holdFor(const QJSValue &ms, int fallback);
    void pause(const QJSValue &ms, int fallback);
    [[nodiscard]] QJSValue requestValue(const protocol::Request &request, double at);

    script::ScriptContext &m_context;
    PendantHost &m_host;
    QHash<QString, QJSValue> m_handlers; // by kind name, "*" for any
    QList<std::pair<protocol::Request, double>> m_heard; // and when each came
    qsizetype m_expectFrom = 0;
};

} // namespace scenario
