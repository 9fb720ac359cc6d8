#pragma once
// One Tavlox controller: its commands to the pendant, its variables, and the messages it raises from what the
// pendant reports (input, and wiring checks when the pendant goes silent).
#include "cao/provider.h"
#include "keymap/keymap.h"
#include "tavlox/conversation.h"
#include "tavlox/gestures.h"
#include "tavlox/inputinjector.h"
#include "tavlox/options.h"
#include "tavlox/pendantlink.h"
#include "tavlox/touchvariables.h"

#include <QElapsedTimer>
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
    protocol::Reply transact(const protocol::Request &request);
    void onInput(const protocol::Input &input);
    void onKey(const protocol::Input &input);
    void onTouch(const protocol::Input &input);
    void onPendantHeard();
    void raiseWiringCheck();
    void raisePanelEvents(const QList<PanelEvent> &events);
    void scheduleHold();

    ConnectionOptions m_options;
    std::unique_ptr<PendantLink> m_link;
    Conversation m_conversation;
    cao::MessageSink &m_sink;
    InputInjector *m_injector;
    keymap::KeyMap m_keyMap;
    TouchVariables m_variables;
    GestureRecognizer m_gestures;
    QElapsedTimer m_clock;
    QTimer m_initTimer;
    QTimer m_silenceTimer;
    QTimer m_holdTimer;
    int m_wiringChecks = 0;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

} // namespace tavlox
