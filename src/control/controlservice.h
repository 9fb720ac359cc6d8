#pragma once
// What a control client's calls do: carried out one at a time, in arrival order, in a script run of their own
// (script/scriptrunner.h, serve), by the very objects a script sees (window, log, controller, pendant) under their
// script names. Besides the calls: log lines sent to the clients that subscribed, and a pendant's requests sent to
// the client whose handler decides them, which answers within its deadline.
#include "control/controlrequest.h"

#include <QJSValue>
#include <QJsonObject>
#include <QObject>
#include <QSet>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>

namespace script {
class ScriptContext;
class UiAgent;
struct Thrown;
}

namespace control {

class ControlService
{
public:
    // Writes a line to a client, in the user-interface thread.
    using Writer = std::function<void(int client, const QByteArray &line)>;
    explicit ControlService(Writer writer);

    // From the transport, in the user-interface thread.
    void submit(int client, ControlRequest request);
    // After a submit: the call will soon ask this thread for an action; looks out for it a moment.
    void expectAction();
    // A client's answer to a pendant request it was sent: taken at once, not after the calls before it.
    void answer(int client, const QJsonObject &answer);
    void clientGone(int client);

    // The script's thread: serves calls until the run is stopped.
    void serve(script::ScriptContext &context);

    // From the script's helper object (below), in the script's thread.
    void lineEntered(const QString &line);
    QJsonValue ask(int client, const QString &kind, const QJsonValue &request, int deadlineMs);

private:
    struct Call
    {
        int client;
        ControlRequest request;
    };
    void carryOut(const Call &call);
    void special(const Call &call, const QString &method);
    void forget(int client);
    // Calls target[member](arguments...) as a script would.
    QJSValue invoke(const QJSValue &target, const QString &member, const QJSValueList &arguments,
                    std::optional<script::Thrown> &thrown);
    void reply(const Call &call, const QJSValue &result, const std::optional<script::Thrown> &thrown);
    void refuse(const Call &call, int code, const QString &message);
    void send(int client, const QByteArray &line) const;

    Writer m_write;
    std::mutex m_mutex;
    std::deque<Call> m_calls;                            // under m_mutex
    std::function<void(std::function<void()>)> m_post;   // to the script's thread; under m_mutex
    script::UiAgent *m_ui = nullptr;                     // under m_mutex

    // The script's thread only.
    script::ScriptContext *m_context = nullptr;
    QJSValue m_invoke;
    QSet<int> m_logSubscribers;
    bool m_followingLog = false;
    std::map<QString, int> m_handlerOwners;              // pendant request kind -> the client deciding it
    std::map<int, QJsonObject> m_answers;                // by token
    std::map<int, int> m_tokenOwners;                    // token -> the client asked
    QSet<int> m_goneClients;
    int m_nextToken = 0;
};

} // namespace control
