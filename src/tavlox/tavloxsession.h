#pragma once
// One Tavlox controller: its variables, its commands to the pendant and the messages it raises.
#include "cao/provider.h"
#include "keymap/keymap.h"
#include "tavlox/gestures.h"
#include "tavlox/inputinjector.h"
#include "tavlox/options.h"
#include "tavlox/pendantlink.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QTimer>
#include <memory>

namespace tavlox {

class TavloxSession : public QObject, public cao::ProviderSession
{
    Q_OBJECT
public:
    TavloxSession(ConnectionOptions options, std::unique_ptr<PendantLink> link, cao::MessageSink &sink,
                  InputInjector *injector);
    ~TavloxSession() override;

    void addVariable(const QString &name, const QString &option) override;
    void writeVariable(const QString &name, const cao::Value &value) override;
    [[nodiscard]] cao::Value readVariable(const QString &name) override;
    cao::Value execute(const QString &command, const cao::Value &parameter) override;


private:
    Reply transact(Request request, const QString &command);
    void onInput(const Input &input);
    void onPendantHeard();
    void raiseWiringCheck();
    void raisePanelEvents(const QList<PanelEvent> &events);
    void scheduleHold();
    void applyTouchSettings();
    void ensureAllowedInClientMode(const QString &what) const;

    cao::Value beep(const cao::Value &parameter);
    cao::Value led(const cao::Value &parameter);
    cao::Value backlight(const cao::Value &parameter);
    cao::Value setKeyState(const cao::Value &parameter);
    cao::Value setPanelState(const cao::Value &parameter);
    cao::Value getKeyState(const cao::Value &parameter);
    cao::Value drawMiniTP(const cao::Value &parameter);

    ConnectionOptions m_options;
    std::unique_ptr<PendantLink> m_link;
    cao::MessageSink &m_sink;
    InputInjector *m_injector;
    keymap::KeyMap m_keyMap;
    QHash<QString, cao::Value> m_variables; // the seven touch-panel variables by lower-case name
    QStringList m_added;
    GestureRecognizer m_gestures;
    QElapsedTimer m_clock;
    QTimer m_initTimer;
    QTimer m_silenceTimer;
    QTimer m_holdTimer;
    quint32 m_nextRequestId = 0;
    quint32 m_awaitedId = 0; // the request transact() waits for, 0 when none
    int m_wiringChecks = 0;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

} // namespace tavlox
