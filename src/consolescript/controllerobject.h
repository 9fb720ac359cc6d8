#pragma once
// `controller`: the open pendant connection for a script (docs/scripting.md), null while none is open. Its calls
// are the engine's own (Execute, a variable's Value), made in the user-interface thread between handlers.
#include "cao/engine.h"
#include "script/scripthost.h"

#include <QJSValue>
#include <QObject>
#include <functional>
#include <memory>


namespace script {
class ScriptContext;
}

namespace consolescript {


class ControllerObject : public QObject
{
    Q_OBJECT
public:
    ControllerObject(script::ScriptContext &context, std::weak_ptr<cao::Controller> controller);
    ~ControllerObject() override;

    Q_INVOKABLE QJSValue execute(const QString &command, const QJSValue &value = QJSValue());
    Q_INVOKABLE void setVariable(const QString &name, const QJSValue &value);
    Q_INVOKABLE void onMessage(const QJSValue &handler);

private:
    bool engineValue(const QJSValue &value, cao::Value &converted);

    script::ScriptContext &m_context;
    std::weak_ptr<cao::Controller> m_controller;
    QList<QJSValue> m_handlers;
    std::shared_ptr<QObject *> m_listener; // in the user-interface thread, once a handler is set
};

class ConnectionObject;

// Hands the script the connection of the moment: app tells how to find it.
class ControllerHost : public script::ScriptHost
{
public:
    using Connection = std::function<std::shared_ptr<cao::Controller>()>;
    explicit ControllerHost(Connection connection);
    ~ControllerHost() override;
    void install(script::ScriptContext &context) override;
    void uninstall() override;

private:
    Connection m_connection;
    std::unique_ptr<ConnectionObject> m_object;
};

} // namespace consolescript
